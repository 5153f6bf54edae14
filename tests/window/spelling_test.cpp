// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Spelling as the user writes: marks, suggestions and the language, on a small word list of the
// test's own, so that nothing depends on the dictionaries installed.
#include <QAccessible>
#include <QContextMenuEvent>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>

#include "spelling/spellchecker.h"
#include "spelling/spelldictionary.h"
#include "windowtest.h"

using namespace windowtest;

class SpellingTest : public WindowTest {
  Q_OBJECT

 public:
  SpellingTest() {
    // Enchant reads its configuration folder once per process: a hunspell word list of our own.
    const QString folder = words.filePath(QStringLiteral("hunspell"));
    QDir().mkpath(folder);
    WriteBytes(folder + QStringLiteral("/xx_TEST.aff"),
               "SET UTF-8\nTRY eiarnhtwsoTEIARN\nWORDCHARS '\n");
    WriteBytes(folder + QStringLiteral("/xx_TEST.dic"),
               "7\nThe\nriver\nwas\nhigh\nafter\nrain\nx\n");
    // A damaged dictionary of a real language: it loads and knows nothing.
    WriteBytes(folder + QStringLiteral("/fy_NL.aff"), "SET UTF-8\n\x01\xfe\xff garbage\n");
    WriteBytes(folder + QStringLiteral("/fy_NL.dic"), "\x89PNG\r\n\x1a\n\x00\x10");
    qputenv("ENCHANT_CONFIG_DIR", words.path().toLocal8Bit());
  }

 private:
  QTemporaryDir words;

  std::unique_ptr<TForm1> StartSpelling(const QByteArray& text,
                                        const QByteArray& language = "xx_TEST",
                                        const QByteArray& general = "N_TABS=2\n") {
    WriteBytes(QStringLiteral("config.ini"),
               "[GENERAL]\n" + general + "[SPELLING]\nLANGUAGE=" + language + "\n");
    if (!text.isNull()) WriteBytes(Path(kToday, 0), text);
    auto form = Start();
    TSpellChecker* spelling = Spelling(*form);
    QSignalSpy ready(spelling, &TSpellChecker::ready);
    spelling->Start();
    if (!ready.wait(5000)) return nullptr;  // a dictionary loaded, or none could be
    return form;
  }
  static TSpellChecker* Spelling(TForm1& form) {
    return form.findChild<TSpellChecker*>(QStringLiteral("Spelling"));
  }
  // The words drawn with the spelling underline.
  static QStringList Marked(TForm1& form) {
    QStringList out;
    auto* area = Child<QPlainTextEdit>(form, "inputarea");
    for (QTextBlock b = area->document()->begin(); b.isValid(); b = b.next()) {
      for (const QTextLayout::FormatRange& r : b.layout()->formats()) {
        if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline) {
          out << b.text().mid(r.start, r.length);
        }
      }
    }
    return out;
  }
  static QMenu* MenuAt(TForm1& form, const QString& word) {
    auto* area = Child<QPlainTextEdit>(form, "inputarea");
    QTextCursor at = area->document()->find(word);
    at.setPosition(at.selectionStart() + 1);
    const QPoint point = area->cursorRect(at).center();
    // A right click, as the text area's viewport gets it; the menu pops up.
    QContextMenuEvent click(QContextMenuEvent::Mouse, point, area->viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(area->viewport(), &click);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

 private Q_SLOTS:
  void misspelt_words_are_marked_and_the_marks_change_nothing() {
    // A picture's alt text is checked, its path (a file's name) not.
    auto form = StartSpelling(
        "Teh rivr was hihg\r\n\xe6\x97\xa5\xe8\xa8\x98 NASA 2026 ![wrold](photos/hihg.png)");
    QVERIFY(form);
    QTRY_COMPARE(Marked(*form), (QStringList{QStringLiteral("Teh"), QStringLiteral("rivr"),
                                             QStringLiteral("hihg"), QStringLiteral("wrold")}));
    auto* area = Child<QPlainTextEdit>(*form, "inputarea");
    QVERIFY(!form->TextModified());
    QVERIFY(!area->document()->isUndoAvailable());
    // A screen reader hears which runs are misspelt.
    QAccessibleTextInterface* heard = QAccessible::queryAccessibleInterface(area)->textInterface();
    QVERIFY(heard);
    int start = 0;
    int end = 0;
    QCOMPARE(heard->attributes(5, &start, &end), QStringLiteral("invalid:spelling;"));
    QCOMPARE(heard->text(start, end), QStringLiteral("rivr"));
    QCOMPARE(heard->attributes(10, &start, &end), QString());
    QCOMPARE(heard->text(start, end), QStringLiteral(" was "));
    // The word being typed waits until the cursor leaves it.
    area->moveCursor(QTextCursor::End);
    QTest::keyClicks(area, QStringLiteral(" rane"));
    QCOMPARE(Marked(*form).size(), 4);
    QTest::keyClicks(area, QStringLiteral(" x"));
    QCOMPARE(Marked(*form).last(), QStringLiteral("rane"));
    // The placeholder and a read-only entry carry no marks.
    Click(*form, "Button_next_month");
    QCOMPARE(Text(*form), QStringLiteral("File does not exist. push 'create' button."));
    QVERIFY(Marked(*form).isEmpty());
    QTemporaryDir elsewhere;
    WriteBytes(elsewhere.filePath(QStringLiteral("e.txt")), "rivr");
    QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("e.txt")), Path(kToday, 1)));
    Click(*form, "Button_today");
    Child<QTabBar>(*form, "tabheader")->setCurrentIndex(1);
    QCOMPARE(Text(*form), QStringLiteral("rivr"));
    QVERIFY(area->isReadOnly());
    QTest::qWait(50);  // idle checking, were it to mark anything
    QVERIFY(Marked(*form).isEmpty());
    QVERIFY(!form->TextModified());
  }

  // In a paragraph too long to format whole on each key, the marks move with the keys.
  void marks_follow_keys_in_a_long_paragraph() {
    QByteArray text;
    while (text.size() < 20000) text += "The river was high after rain ";
    auto form = StartSpelling(text + "rivr hihg");
    QVERIFY(form);
    auto* area = Child<QPlainTextEdit>(*form, "inputarea");
    area->moveCursor(QTextCursor::End);
    QTRY_COMPARE(Marked(*form), (QStringList{QStringLiteral("rivr"), QStringLiteral("hihg")}));
    QTextCursor before = area->textCursor();
    before.setPosition(19990);
    area->setTextCursor(before);
    QTest::keyClicks(area, QStringLiteral("x "));
    QCOMPARE(Marked(*form), (QStringList{QStringLiteral("rivr"), QStringLiteral("hihg")}));
    QTest::keyClick(area, Qt::Key_Backspace);
    QTest::keyClick(area, Qt::Key_Backspace);
    QCOMPARE(Marked(*form), (QStringList{QStringLiteral("rivr"), QStringLiteral("hihg")}));
  }

  void a_suggestion_replaces_the_word_in_one_undoable_change() {
    auto form = StartSpelling("Teh rivr was hihg");
    QVERIFY(form);
    QTRY_COMPARE(Marked(*form).size(), 3);
    QMenu* menu = MenuAt(*form, QStringLiteral("rivr"));
    QVERIFY(menu);
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.first()->text(), QStringLiteral("river"));
    QStringList texts;
    for (const QAction* item : items) texts << item->text();
    for (const char* item : {"Add to Dictionary", "Ignore All", "Check Spelling", "Language"}) {
      QVERIFY2(texts.contains(QString::fromLatin1(item)), item);
    }
    items.first()->trigger();
    menu->close();
    QCOMPARE(Text(*form), QStringLiteral("Teh river was hihg"));
    QVERIFY(form->TextModified());
    QTRY_COMPARE(Marked(*form), (QStringList{QStringLiteral("Teh"), QStringLiteral("hihg")}));
    Child<QPlainTextEdit>(*form, "inputarea")->undo();
    QCOMPARE(Text(*form), QStringLiteral("Teh rivr was hihg"));
    Child<QPlainTextEdit>(*form, "inputarea")->redo();
    // An ordinary change: one question at the next date change, and Yes saves it.
    prompts.answers = {true};
    Click(*form, "Button_today");
    QCOMPARE(prompts.questions, 1);
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("Teh river was hihg\0", 19));
  }

  void words_added_ignored_and_the_language_choice_are_kept() {
    auto form = StartSpelling("Teh rivr was hihg; Ed's Ed\xe2\x80\x99s Al\xe2\x80\x99s Al's");
    QVERIFY(form);
    QTRY_COMPARE(Marked(*form).size(), 7);
    TSpellChecker* spelling = Spelling(*form);
    spelling->AddWord(QStringLiteral("hihg"));
    spelling->IgnoreWord(QStringLiteral("Teh"));
    // One apostrophe, whichever way it is written: added one way, right both ways.
    spelling->AddWord(QStringLiteral("Ed's"));
    spelling->AddWord(QString::fromUtf8("Al\u2019s"));
    QCOMPARE(Marked(*form), QStringList{QStringLiteral("rivr")});
    QVERIFY(ReadBytes(words.filePath(QStringLiteral("xx_TEST.dic"))).contains("hihg\n"));
    QVERIFY(prompts.warnings.isEmpty());
    spelling->SetEnabled(false);
    QVERIFY(Marked(*form).isEmpty());
    form.reset();
    QVERIFY(ReadBytes(QStringLiteral("config.ini")).contains("[SPELLING]\r\nLANGUAGE = off\r\n"));
  }

  // Days looked at with the keyboard leave no draft: a draft holds only text the user changed,
  // and goes once the text is saved, given up or typed back to what the entry holds.
  void browsing_days_with_the_keyboard_leaves_no_draft_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<bool>("autosave");
    QTest::newRow("one tab") << 1 << false;
    QTest::newRow("one tab, autosave") << 1 << true;
    QTest::newRow("three tabs") << 3 << false;
    QTest::newRow("three tabs, autosave") << 3 << true;
  }
  void browsing_days_with_the_keyboard_leaves_no_draft() {
    QFETCH(int, tabs);
    QFETCH(bool, autosave);
    // A diary of some years: every day of the last three months, the first of each month before.
    for (QDate day = kToday.addYears(-3); day <= kToday; day = day.addDays(1)) {
      if (day.day() != 1 && day < kToday.addMonths(-3)) continue;
      for (int tab = 0; tab < tabs; ++tab) {
        WriteBytes(Path(day, tab), "Teh rivr wass hiigh after rain " +
                                       day.toString(Qt::ISODate).toUtf8() + QByteArray(1, '\0'));
      }
    }
    auto form = StartSpelling(QByteArray(), "xx_TEST",
                              "N_TABS=" + QByteArray::number(tabs) +
                                  "\nAUTOSAVE=" + QByteArray(autosave ? "1" : "0") + "\n");
    QVERIFY(form);
    QTemporaryDir drafts;
    const auto draftCount = [&] { return QDir(drafts.path()).entryList(QDir::Files).size(); };
    form->SetDraftFolder(drafts.path().toStdString());
    form->SetDraftDelays(0, 0);  // a change of the user's is kept at once
    Child<QTabBar>(*form, "tabheader")->setCurrentIndex(tabs - 1);
    QTRY_COMPARE(Marked(*form).size(), 4);
    // A key typed is kept; typed back, the text is the entry's again and needs no draft.
    auto* area = Child<QPlainTextEdit>(*form, "inputarea");
    area->moveCursor(QTextCursor::End);
    QTest::keyClick(area, Qt::Key_X);
    QTRY_COMPARE(draftCount(), 1);
    QTest::keyClick(area, Qt::Key_Backspace);
    QTRY_COMPARE(draftCount(), 0);
    prompts.answers = {false, false};  // without autosave: No, and No again, gives it up
    QWidget* days = Child<QCalendarWidget>(*form, "calender")
                        ->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview"));
    for (int back = 1; back <= 60; ++back) {
      QTest::keyClick(days, Qt::Key_Left);
      QCOMPARE(Shown(*form), kToday.addDays(-back));
      QCOMPARE(Text(*form), QStringLiteral("Teh rivr wass hiigh after rain ") +
                                kToday.addDays(-back).toString(Qt::ISODate));
      QVERIFY(!form->TextModified());
    }
    QTRY_COMPARE(Marked(*form).size(), 4);  // the marks are drawn on the days looked at
    QCOMPARE(draftCount(), 0);
    // Typed and then saved at the end, or given up with No: the draft goes too.
    area->moveCursor(QTextCursor::End);
    QTest::keyClick(area, Qt::Key_X);
    QTRY_COMPARE(draftCount(), 1);
    prompts.answers = {false};
    form.reset();  // waits for the draft writer
    QCOMPARE(prompts.questions, autosave ? 0 : 3);
    QCOMPARE(draftCount(), 0);
  }

  // The words marked are the words Enchant's own checker lists for the same text with the same
  // dictionary, apostrophes written either way.
  void the_marked_words_are_those_enchant_lists_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("German") << QByteArray("de_DE")
                            << QString::fromUtf8(
                                   "Wie geht's? Gibt\u2019s heute Regen? Das Hauss ist sch\u00f6n, "
                                   "aber der Fehller bleibt. Er sagt\u2019s nicht, z.B. im "
                                   "Mutter-Kind-Haus.");
    QTest::newRow("English") << QByteArray("en_US")
                             << QString::fromUtf8(
                                    "It doesn't rain, it\u2019s snowing. Teh river isn't hihg; we "
                                    "can\u2019t say it's wrongg, e.g. the dog's bowl.");
  }
  void the_marked_words_are_those_enchant_lists() {
    QFETCH(QByteArray, language);
    QFETCH(QString, text);
    if (!TSpellDictionary::Installed().contains(QString::fromLatin1(language))) {
      QSKIP("the dictionary is not installed (hunspell-de-de, hunspell-en-us)");
    }
    QProcess enchant;
    enchant.start(QStringLiteral("enchant-2"),
                  {QStringLiteral("-d"), QString::fromLatin1(language), QStringLiteral("-l")});
    QVERIFY2(enchant.waitForStarted(), "enchant-2 (Debian's enchant-2) is not installed");
    enchant.write(text.toUtf8() + '\n');
    enchant.closeWriteChannel();
    QVERIFY(enchant.waitForFinished());
    QCOMPARE(enchant.exitCode(), 0);
    const QStringList listed =
        QString::fromUtf8(enchant.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!listed.isEmpty());  // the text holds misspelt words
    auto form = StartSpelling(text.toUtf8(), language);
    QVERIFY(form);
    QTRY_COMPARE(Marked(*form), listed);
  }

  // A dictionary that loads but knows nothing, a word list that cannot be read, or another
  // language in place of the chosen one would mark correct words: no marks, and the diary works.
  void a_damaged_dictionary_or_an_unreadable_word_list_marks_nothing_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("damaged dictionary") << QByteArray("fy_NL");
    QTest::newRow("unreadable word list") << QByteArray("xx_TEST");
    QTest::newRow("chosen, then removed") << QByteArray("qq_QQ");
  }
  void a_damaged_dictionary_or_an_unreadable_word_list_marks_nothing() {
    QFETCH(QByteArray, language);
    const QString personal = words.filePath(QStringLiteral("xx_TEST.dic"));
    QFile::remove(personal);
    if (language == "xx_TEST") QVERIFY(QDir().mkpath(personal));
    auto form = StartSpelling("Teh rivr was hihg", language);
    QVERIFY(form);
    QTest::qWait(200);
    QVERIFY2(Marked(*form).isEmpty(), qPrintable(Marked(*form).join(QLatin1Char(' '))));
    Type(*form, QStringLiteral(" more"));
    QVERIFY(form->TextModified());
    prompts.answers = {false};
    QDir(personal).removeRecursively();
  }
};

QTEST_MAIN(SpellingTest)
#include "spelling_test.moc"
