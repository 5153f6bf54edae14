// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Import…: what it will do before it does it, then the entries, the tabs and Cancel.
#include <QProgressDialog>
#include <QSemaphore>
#include <QTextBlock>
#include <QThreadPool>
#include <QTreeView>

#include "entries/history.h"
#include "find/findwindow.h"
#include "heard.h"
#include "import/importwindow.h"
#include "lookback/lookbackwindow.h"
#include "tags/tagswindow.h"
#include "windowtest.h"

using namespace windowtest;

class ImportTest : public WindowTest {
  Q_OBJECT

  // Opens the window, chooses `source` and waits for its summary; `then` works the window.
  void Open(TForm1& form, const QString& source, const std::function<void(TImportWindow&)>& then) {
    bool opened = false;
    prompts.onDialog = [&](QDialog& dialog) {
      auto& window = static_cast<TImportWindow&>(dialog);
      QCOMPARE(window.parentWidget(), &form);
      window.SetSource(source);
      QTRY_VERIFY(!window.Busy());
      then(window);
      QTRY_VERIFY(!window.Busy());
      QCoreApplication::processEvents();
      opened = true;
    };
    form.findChild<QAction*>(QStringLiteral("Impo1"))->trigger();
    QVERIFY(opened);
  }
  static void ClickImport(TImportWindow& window) {
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ImportGo")), Qt::LeftButton);
  }
  QString Journal() {
    const QString path = dir->filePath(QStringLiteral("journal.txt"));
    WriteBytes(path,
               "[2026-12-08 07:00:00 PM] Evening @home\nTea.\n\n"
               "[2026-12-08 08:00:00 AM] Morning\nRun.\n\n[2026-12-07 09:00:00 PM] Before\nx\n");
    return path;
  }

 private Q_SLOTS:
  void the_summary_comes_before_the_import_and_the_window_shows_its_entries() {
    auto form = Start();
    QVERIFY(!form->EntryLoaded());
    Open(*form, Journal(), [&](TImportWindow& window) {
      const QString summary = window.Summary();
      QVERIFY2(summary.contains(QStringLiteral("Entries: 3")), qPrintable(summary));
      QVERIFY(summary.contains(QStringLiteral("Days: 2")));
      QVERIFY(summary.contains(QLocale().toString(QDate(2026, 12, 7), QLocale::LongFormat)));
      QVERIFY(!QFile::exists(Path(kToday, 0)));  // nothing written before "Import"
      ClickImport(window);
      QTRY_VERIFY(!window.Busy());
      QTRY_VERIFY(window.Summary().contains(QStringLiteral("New entries: 2")));
    });
    QCOMPARE(ReadBytes(Path(kToday, 0)),
             QByteArray("08:00 Morning\r\nRun.\r\n\r\n19:00 Evening #home\r\nTea.\0", 49));
    QVERIFY(Marked(*form).contains(QDate(2026, 12, 7)));
    QVERIFY(form->EntryLoaded());
    QCOMPARE(Text(*form), QStringLiteral("08:00 Morning\nRun.\n\n19:00 Evening #home\nTea."));
    QCOMPARE(Captions(*form), QStringList{QStringLiteral("+Diary")});
  }

  // A screen reader hears the plan when it arrives and the report at the end, which has the
  // keyboard and is read line by line; the progress window says whose it is.
  void the_plan_and_the_report_are_heard_and_the_report_is_read_by_its_lines() {
    auto form = Start();
    Heard heard;
    const auto notified = [&] {
      QStringList said;
      for (const HeardEvent& e : heard.Of(QAccessible::ObjectShow)) {
        if (e.role == QAccessible::Notification) said << e.name;
      }
      return said;
    };
    Open(*form, Journal(), [&](TImportWindow& window) {
      window.show();
      QVERIFY(notified().value(0).contains(QStringLiteral("Entries: 3")));
      ClickImport(window);
      QCOMPARE(window.findChild<QProgressDialog*>(QStringLiteral("ImportProgress"))->windowTitle(),
               QStringLiteral("Marrowleaf"));
      QTRY_VERIFY(!window.Busy());
      QVERIFY2(
          notified().value(1).startsWith(QStringLiteral("The import is done.\nNew entries: 2")),
          qPrintable(notified().value(1)));
      auto* summary = window.findChild<QPlainTextEdit*>(QStringLiteral("ImportSummary"));
      QCOMPARE(window.focusWidget(), summary);
      QVERIFY(summary->textInteractionFlags() & Qt::TextSelectableByKeyboard);
      QCOMPARE(summary->textCursor().blockNumber(), 0);
      QTest::keyClick(summary, Qt::Key_Down);
      QCOMPARE(summary->textCursor().block().text(), QStringLiteral("New entries: 2"));
    });
  }

  // The day the window holds with unsaved text is left alone and named; the typed text is saved
  // at the end, and nothing of either lands in the history alone.
  void typed_text_and_the_import_never_meet_in_the_history() {
    WriteBytes(Path(kToday, 0), QByteArray("mine\0", 5));
    auto form = Start();
    Type(*form, QStringLiteral(" typed"));
    QString report;
    Open(*form, Journal(), [&](TImportWindow& window) {
      QVERIFY(window.Summary().contains(QStringLiteral("already hold an entry: 1")));
      ClickImport(window);
      QTRY_VERIFY(!window.Busy());
      report = window.Summary();
    });
    QVERIFY2(report.contains(QStringLiteral("changes in the diary window are not saved")),
             qPrintable(report));
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("mine\0", 5));
    QCOMPARE(Text(*form), QStringLiteral("mine typed"));
    prompts.answers = {true};
    form->Exi1Click();
    form.reset();
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("mine typed\0", 11));
    // Only the text the save replaced is kept, as after any save: no version "from elsewhere".
    const std::vector<marrowleaf::Version> versions = marrowleaf::ListVersions(
        ".", {static_cast<uint16_t>(kToday.year()), static_cast<uint16_t>(kToday.month()),
              static_cast<uint16_t>(kToday.day()), 0});
    QCOMPARE(versions.size(), size_t{1});
    QCOMPARE(versions[0].kind, marrowleaf::VersionKind::kSaved);
  }

  // Windows opened before an import follow the one diary: an entry imported into a tab the import
  // added is found by Find, its tag listed by Tags, and counted by Look Back, at once.
  void windows_opened_before_an_import_list_what_it_brought_into_a_new_tab() {
    auto form = Start();
    form->findChild<QAction*>(QStringLiteral("Find1"))->trigger();
    auto* find = form->findChild<TFindWindow*>(QStringLiteral("FindWindow"));
    find->SearchNow(QStringLiteral("deer"));
    auto* count = find->findChild<QLabel*>(QStringLiteral("FindCount"));
    QTRY_COMPARE(count->text(), QStringLiteral("No entry holds \"deer\"."));
    form->findChild<QAction*>(QStringLiteral("Tags1"))->trigger();
    auto* tags = form->findChild<TTagsWindow*>(QStringLiteral("TagsWindow"));
    QTRY_VERIFY(!tags->Reading());
    form->findChild<QAction*>(QStringLiteral("Look1"))->trigger();
    auto* look = form->findChild<TLookBackWindow*>(QStringLiteral("LookBackWindow"));
    QTRY_VERIFY(!look->Reading());
    auto* entries = look->findChild<QLabel*>(QStringLiteral("StatEntries"));
    QCOMPARE(entries->text(), QStringLiteral("0"));
    prompts.onConfirm = [](const QString&) { return true; };
    Open(*form, QStringLiteral(MARROWLEAF_SOURCE_DIR "/tests/core/data/import/dayone"),
         [&](TImportWindow& window) { ClickImport(window); });
    QCOMPARE(form->TabNames(), (std::vector<std::string>{"Diary", "Journal", "Travel"}));
    QTRY_COMPARE(count->text(), QStringLiteral("1 entry found"));
    auto* tagList = tags->findChild<QTreeView*>(QStringLiteral("TagsList"));
    QTRY_VERIFY(
        !tagList->model()
             ->match(tagList->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("#travel"))
             .isEmpty());
    QTRY_COMPARE(entries->text(), QStringLiteral("3"));  // three entry files
  }

  void journals_get_tabs_of_their_names_when_the_user_says_yes() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR = ed\n");
    auto form = Start();
    prompts.onConfirm = [](const QString&) { return true; };
    Open(*form, QStringLiteral(MARROWLEAF_SOURCE_DIR "/tests/core/data/import/dayone"),
         [&](TImportWindow& window) {
           QVERIFY(window.Summary().contains(QStringLiteral("Journal, Travel")));
           ClickImport(window);
         });
    QCOMPARE(prompts.confirmations.size(), 1);
    QVERIFY(prompts.confirmations[0].contains(QStringLiteral("Journal, Travel")));
    const QByteArray ini = ReadBytes(QStringLiteral("config.ini"));
    QVERIFY2(ini.contains("N_TABS = 3\r\n") &&
                 ini.contains("TAB0 = Diary\r\nTAB1 = Journal\r\nTAB2 = Travel\r\n"),
             ini.constData());
    QVERIFY(ini.contains("EDITOR = ed"));
    QCOMPARE(form->TabNames(), (std::vector<std::string>{"Diary", "Journal", "Travel"}));
    QCOMPARE(Child<QTabBar>(*form, "tabheader")->count(), 3);
    QVERIFY(QFile::exists(Path(QDate(2024, 5, 5), 1)));
    QVERIFY(QFile::exists(Path(QDate(2024, 5, 5), 2)));
  }

  // A source of many bad records is summarised by kind, not with a line for each record.
  void a_kind_of_issue_shows_its_first_lines_and_the_count_of_the_rest() {
    auto form = Start();
    const QString path = dir->filePath(QStringLiteral("bad.journal"));
    WriteBytes(path, QByteArray("[2024-02-30 09:00:00 AM] Never\nx\n").repeated(25));
    Open(*form, path, [&](TImportWindow& window) {
      const QString summary = window.Summary();
      QVERIFY2(summary.startsWith(QStringLiteral("A jrnl journal\nNothing to import.")),
               qPrintable(summary));
      QCOMPARE(summary.count(QStringLiteral("a date that does not exist")), 10);
      QVERIFY(summary.contains(QStringLiteral("…and 15 more of this kind")));
    });
  }

  void cancel_leaves_every_entry_as_it_was_and_says_so() {
    auto form = Start();
    Open(*form, Journal(), [&](TImportWindow& window) {
      QSemaphore hold;  // the pool is busy: the import is cancelled before its first day
      QThreadPool::globalInstance()->setMaxThreadCount(1);
      QThreadPool::globalInstance()->start([&hold] { hold.acquire(); });
      ClickImport(window);
      window.Cancel();
      hold.release();
      QTRY_VERIFY(!window.Busy());
      QTRY_VERIFY(window.Summary().contains(QStringLiteral("cancelled")));
      QVERIFY(window.Summary().contains(QStringLiteral("left as they were: 2")));
    });
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
    QVERIFY(!QFile::exists(Path(kToday, 0)));
    QVERIFY(!QFile::exists(Path(QDate(2026, 12, 7), 0)));
  }
};

QTEST_MAIN(ImportTest)
#include "import_test.moc"
