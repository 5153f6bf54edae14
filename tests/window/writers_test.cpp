// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Other programs writing the diary: a sync tool, an editor, a second running copy. Nothing any
// of them writes is lost, and an unmodified window shows what the file holds.
#include <QTextDocument>

#include "entries/history.h"
#include "windowtest.h"

using namespace windowtest;

namespace {

const marrowleaf::EntryKey kKey{static_cast<uint16_t>(kToday.year()),
                                static_cast<uint16_t>(kToday.month()),
                                static_cast<uint16_t>(kToday.day()), 0};

// As a sync tool writes: a new file renamed over the old one.
void ReplaceByRename(const QString& path, const QByteArray& bytes) {
  WriteBytes(path + QStringLiteral(".part"), bytes);
  QVERIFY(::rename(QFile::encodeName(path + QStringLiteral(".part")).constData(),
                   QFile::encodeName(path).constData()) == 0);
}

}  // namespace

class WritersTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void an_unmodified_entry_follows_its_file_and_keeps_the_cursor() {
    WriteBytes(Path(kToday, 0), QByteArray("first line\r\nsecond line\0", 24));
    auto form = Start();
    auto* area = Child<QPlainTextEdit>(*form, "inputarea");
    QTextCursor at = area->textCursor();
    at.setPosition(5);
    area->setTextCursor(at);
    ReplaceByRename(Path(kToday, 0), QByteArray("first LINE\r\nsecond line, more\0", 30));
    QTRY_COMPARE_WITH_TIMEOUT(Text(*form), QStringLiteral("first LINE\nsecond line, more"), 1000);
    QCOMPARE(area->textCursor().position(), 5);
    QVERIFY(!form->TextModified());
    // Deleted: the placeholder, read-only, and the tab loses its mark.
    QVERIFY(QFile::remove(Path(kToday, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(Text(*form),
                              QStringLiteral("File does not exist. push 'create' button."), 1000);
    QVERIFY(area->isReadOnly());
    QCOMPARE(Captions(*form), QStringList{QStringLiteral("Diary")});
    QCOMPARE(prompts.questions + prompts.warnings.size(), 0);
  }

  // Typed text is never replaced; its save keeps the other program's text in the history and
  // says so once.
  void a_save_over_another_programs_text_keeps_both_and_warns_once() {
    WriteBytes(Path(kToday, 0), QByteArray("mine\0", 5));
    auto form = Start();
    Type(*form, QStringLiteral(" typed"));
    ReplaceByRename(Path(kToday, 0), QByteArray("theirs\0", 7));
    form->CheckShownEntry();
    QCOMPARE(Text(*form), QStringLiteral("mine typed"));
    prompts.answers = {true};
    Click(*form, "Button_today");
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("mine typed\0", 11));
    QCOMPARE(prompts.warnings.size(), 1);
    QVERIFY2(prompts.warnings.first().contains(QStringLiteral("File, History")),
             qPrintable(prompts.warnings.first()));
    const std::vector<marrowleaf::Version> versions = marrowleaf::ListVersions(".", kKey);
    QVERIFY(!versions.empty());
    QCOMPARE(versions.front().kind, marrowleaf::VersionKind::kElsewhere);
    QCOMPARE(marrowleaf::ReadVersion(versions.front().path), std::string("theirs\0", 7));
  }

  void typed_text_whose_file_vanished_is_saved_into_a_new_file() {
    WriteBytes(Path(kToday, 0), QByteArray("old\0", 4));
    auto form = Start();
    Type(*form, QStringLiteral(" and new"));
    QVERIFY(QFile::remove(Path(kToday, 0)));
    form->CheckShownEntry();
    QCOMPARE(Text(*form), QStringLiteral("old and new"));
    Click(*form, "Button_create");  // "create" keeps the typed text too
    QCOMPARE(Text(*form), QStringLiteral("old and new"));
    prompts.answers = {true};
    Click(*form, "Button_today");
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("old and new\0", 12));
    QVERIFY(prompts.warnings.isEmpty());
  }

  // Two running copies on one diary: each is another program to the other.
  void a_second_copy_sees_the_first_ones_save() {
    WriteBytes(Path(kToday, 0), QByteArray("shared\0", 7));
    auto first = Start();
    auto second = Start();
    Child<QCheckBox>(*first, "CheckBox_autosave")->setChecked(true);
    Type(*first, QStringLiteral(" by the first"));
    Click(*first, "Button_today");
    QTRY_COMPARE_WITH_TIMEOUT(Text(*second), QStringLiteral("shared by the first"), 1000);
    QVERIFY(!second->TextModified());
  }

  void a_sync_tools_conflict_copy_is_underlined_and_listed_in_the_history() {
    WriteBytes(Path(kToday, 0), QByteArray("here\0", 5));
    const QString copy = QFileInfo(Path(kToday, 0)).path() + QLatin1Char('/') +
                         QString::number(kToday.day()) +
                         QStringLiteral("_0.sync-conflict-20261208-101530-ABCDEFG.txt");
    WriteBytes(copy, QByteArray("from the laptop\0", 16));
    auto form = Start();
    QVERIFY(Child<QCalendarWidget>(*form, "calender")->dateTextFormat(kToday).fontUnderline());
    QStringList rows;
    prompts.onDialog = [&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("HistoryList"));
      for (int row = 0; row < list->count(); ++row) rows << list->item(row)->text();
      list->setCurrentRow(1);
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("HistoryRestore")),
                        Qt::LeftButton);
    };
    form->findChild<QAction*>(QStringLiteral("Hist1"))->trigger();
    QCOMPARE(rows.size(), 2);
    QVERIFY2(rows[1].contains(QStringLiteral(
                 "copy made by a sync tool: .sync-conflict-20261208-101530-ABCDEFG.txt")),
             qPrintable(rows[1]));
    QCOMPARE(Text(*form), QStringLiteral("from the laptop"));
    QVERIFY(form->TextModified());
    QVERIFY(QFile::exists(copy));  // nothing is deleted or renamed
    prompts.answers = {false, false};
  }
};

QTEST_MAIN(WritersTest)
#include "writers_test.moc"
