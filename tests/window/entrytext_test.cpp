#include "mainwindow/entrytext.h"

#include <QTest>
#include <string>

#include "entrysamples.h"

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(EntryEncoding)

class EntryTextTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void loading_and_saving_back_gives_the_same_bytes_data() {
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<EntryEncoding>("encoding");
    const auto row = [](const char* name, const std::string& bytes, EntryEncoding encoding) {
      QTest::newRow(name) << bytes << encoding;
    };
    row("empty", "", EntryEncoding::kUtf8);
    row("CR LF lines", "one\r\ntwo\r\n", EntryEncoding::kUtf8);
    row("LF lines", "one\ntwo\n", EntryEncoding::kUtf8);
    row("CR LF with a lone LF and CR", "a\r\nb\nc\rd\r\r\n", EntryEncoding::kUtf8);
    row("lone CRs", "a\rb\r", EntryEncoding::kUtf8);
    row("shift-jis", entrysamples::kShiftJis, EntryEncoding::kShiftJis);
    // FA 54 reads as the same character as 81 CA, and would be written as that.
    row("shift-jis with a second spelling", "\x81\xca\xfa\x54", EntryEncoding::kLatin1);
    row("utf-8 with emoji, CJK and a BOM", entrysamples::kUtf8, EntryEncoding::kUtf8);
    row("utf-8 with characters the text area takes as breaks", entrysamples::kUtf8BreakLike,
        EntryEncoding::kUtf8);
    row("every byte but NUL", entrysamples::EveryByteButNul(), EntryEncoding::kLatin1);
  }
  void loading_and_saving_back_gives_the_same_bytes() {
    QFETCH(std::string, bytes);
    QFETCH(EntryEncoding, encoding);
    EntryText shown = EntryBytesToText(bytes);
    QCOMPARE(shown.format.encoding, encoding);
    for (char16_t c : EntryBreakLike()) {
      if (c != u'\n') QVERIFY2(!shown.text.contains(QChar(c)), "the text area would split here");
    }
    if (!shown.format.lfBreaks) {
      QCOMPARE(shown.text.count(QLatin1Char('\n')),
               static_cast<qsizetype>(QByteArray::fromStdString(bytes).count("\r\n")));
    }
    EntryFormat format = shown.format;
    QCOMPARE(EntryTextToBytes(shown.text, format), bytes);
    QCOMPARE(format.encoding, encoding);
  }

  void shift_jis_shows_its_characters() {
    const EntryText shown = EntryBytesToText(entrysamples::kShiftJis);
    QCOMPARE(shown.text, QStringLiteral("日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ\n二行目"));
  }

  void a_character_the_encoding_cannot_hold_turns_the_entry_into_utf8() {
    EntryText shown = EntryBytesToText(entrysamples::kShiftJis);
    EntryFormat format = shown.format;
    const QString typed = shown.text + QStringLiteral("\n\U0001F600");
    const std::string bytes = EntryTextToBytes(typed, format);
    QCOMPARE(format.encoding, EntryEncoding::kUtf8);
    QCOMPARE(QString::fromStdString(bytes),
             QStringLiteral("日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ\r\n二行目\r\n\U0001F600"));
    QCOMPARE(EntryBytesToText(bytes).format.encoding, EntryEncoding::kUtf8);
    // Latin-1 falls back the same way; a character it holds keeps it Latin-1.
    format = EntryBytesToText("caf\xe9").format;
    QCOMPARE(EntryTextToBytes(QStringLiteral("café!"), format), std::string("caf\xe9!"));
    QCOMPARE(format.encoding, EntryEncoding::kLatin1);
    QCOMPARE(EntryTextToBytes(QStringLiteral("café €"), format),
             std::string("caf\xc3\xa9 \xe2\x82\xac"));
    QCOMPARE(format.encoding, EntryEncoding::kUtf8);
  }

  void new_lines_follow_the_entry() {
    EntryFormat crlf;
    QCOMPARE(EntryTextToBytes(QStringLiteral("a\nb"), crlf), std::string("a\r\nb"));
    EntryFormat lf = EntryBytesToText("x\n").format;
    QVERIFY(lf.lfBreaks);
    QCOMPARE(EntryTextToBytes(QStringLiteral("a\nb"), lf), std::string("a\nb"));
  }
};

QTEST_GUILESS_MAIN(EntryTextTest)
#include "entrytext_test.moc"
