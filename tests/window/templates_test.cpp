// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Templates: "create" starts a new entry from the one that applies, and File, Templates… edits
// them.
#include "engines/templates/templates.h"

#include <QListWidget>
#include <QLocale>
#include <QTextBlock>

#include "heard.h"
#include "windowtest.h"

using namespace windowtest;

using Files = QList<QPair<QString, QByteArray>>;
Q_DECLARE_METATYPE(Files)

// The dates of a test are written the American way, whatever the machine's locale.
struct AmericanDates {
  QLocale machine;
  AmericanDates() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
  ~AmericanDates() { QLocale::setDefault(machine); }
  AmericanDates(const AmericanDates&) = delete;
  AmericanDates& operator=(const AmericanDates&) = delete;
};

void WriteTemplates(const Files& files) {
  for (const auto& [name, bytes] : files) WriteBytes(QStringLiteral("templates/") + name, bytes);
}

class TemplatesTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:

  void create_starts_from_the_template_that_applies_data() {
    QTest::addColumn<Files>("files");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<int>("cursorLine");
    QTest::addColumn<int>("warnings");
    const Files usual{{QStringLiteral("all.txt"), "Slept:\nGrateful for:\n{date}"},
                      {QStringLiteral("sunday.txt"), "{weekday} {mood}\n\nMass?\n"}};
    QTest::newRow("no templates: the empty file")
        << Files{} << QDate(2004, 2, 4) << 0 << QByteArray() << 0 << 0;
    QTest::newRow("a past Wednesday: the general one, with that day's date")
        << usual << QDate(2004, 2, 4) << 0
        << QByteArray("Slept:\r\nGrateful for:\r\nWednesday, February 4, 2004\0", 51) << 2 << 0;
    QTest::newRow("a Sunday: the Sunday one")
        << usual << QDate(2004, 2, 8) << 0 << QByteArray("Sunday {mood}\r\n\r\nMass?\r\n\0", 25)
        << 1 << 0;
    QTest::newRow("a tab's own over the weekday's")
        << Files{usual[1], {QStringLiteral("tab-1.txt"), QByteArray("{tab}, {date-short}\0", 20)}}
        << QDate(2004, 2, 8) << 1 << QByteArray("Work, 2/8/2004\0", 15) << 0 << 0;
    QTest::newRow("damaged bytes: told once, then the empty file")
        << Files{{QStringLiteral("all.txt"), "Schlaf: \xfc"}} << QDate(2004, 2, 4) << 0
        << QByteArray() << 0 << 1;
    QTest::newRow("a folder in its place: told once, then the empty file")
        << Files{usual[0], {QStringLiteral("tab-0.txt/x"), "x"}} << QDate(2004, 2, 4) << 0
        << QByteArray() << 0 << 1;
  }
  void create_starts_from_the_template_that_applies() {
    QFETCH(Files, files);
    QFETCH(QDate, date);
    QFETCH(int, tab);
    QFETCH(QByteArray, entry);
    QFETCH(int, cursorLine);
    QFETCH(int, warnings);
    const AmericanDates american;
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=2\nTAB0=Diary\nTAB1=Work\n");
    WriteTemplates(files);
    auto form = Start();
    SetDate(*form, date);
    Child<QTabBar>(*form, "tabheader")->setCurrentIndex(tab);
    Click(*form, "Button_create");
    QCOMPARE(ReadBytes(Path(date, tab)), entry);
    QCOMPARE(QFileInfo(Path(date, tab)).permissions() & 0x0077, QFile::Permissions());
    QCOMPARE(Text(*form),
             QString::fromUtf8(entry.left(entry.indexOf('\0'))).remove(QLatin1Char('\r')));
    QVERIFY(form->EntryLoaded() && !form->TextModified());
    QCOMPARE(Child<QPlainTextEdit>(*form, "inputarea")->textCursor().blockNumber(), cursorLine);
    QCOMPARE(Captions(*form)[tab].front(), QLatin1Char('+'));
    QCOMPARE(prompts.warnings.size(), warnings);
    if (warnings > 0) QVERIFY(prompts.warnings[0].contains(QStringLiteral("templates/")));
    form.reset();
    QCOMPARE(prompts.questions, 0);
  }

  // "launch editor" creates the entry as "create" does: the editor gets the filled template.
  void the_editor_gets_a_new_entry_filled_from_its_template() {
    const AmericanDates american;
    WriteBytes(QStringLiteral("fakeed"), "#!/bin/sh\ncat \"$1\" > \"$(dirname \"$0\")/handed\"\n");
    QFile::setPermissions(QStringLiteral("fakeed"), QFile::ReadOwner | QFile::ExeOwner);
    WriteBytes(QStringLiteral("config.ini"),
               "[GENERAL]\nEDITOR=" + dir->filePath(QStringLiteral("fakeed")).toUtf8() + "\n");
    WriteTemplates({{QStringLiteral("all.txt"), "{date}"}});
    auto form = Start();
    Click(*form, "Button_launch_editor");
    QCOMPARE(ReadBytes(QStringLiteral("handed")),
             QLocale().toString(kToday, QLocale::LongFormat).toUtf8());
  }

  // Written and saved in the window, over the main window: the Sunday template then applies.
  void templates_written_in_their_window_apply_to_the_next_new_entry() {
    const AmericanDates american;
    WriteTemplates({{QStringLiteral("all.txt"), "general"}});
    auto form = Start();
    SetDate(*form, QDate(2004, 2, 8));
    prompts.onDialog = [&](QDialog& window) {
      QCOMPARE(window.parentWidget(), form.get());
      auto* applies = window.findChild<QLabel*>(QStringLiteral("TemplatesApplies"));
      QVERIFY(applies->text().contains(QStringLiteral("\"Diary\" starts from all.txt")));
      auto* list = window.findChild<QListWidget*>(QStringLiteral("TemplatesList"));
      auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("TemplatesText"));
      QCOMPARE(list->currentRow(), 0);
      QCOMPARE(text->toPlainText(), QStringLiteral("general"));
      list->setCurrentRow(7);  // Sunday
      QVERIFY(list->currentItem()->text().endsWith(QStringLiteral("sunday.txt")));
      text->setPlainText(QStringLiteral("Mass?\n{date}"));
      QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("TemplatesSave")),
                        Qt::LeftButton);
      QVERIFY(applies->text().contains(QStringLiteral("\"Diary\" starts from sunday.txt")));
      text->insertPlainText(QStringLiteral("unsaved"));
      prompts.answers = {false};
      window.reject();
      QCOMPARE(prompts.questions, 1);
    };
    form->findChild<QAction*>(QStringLiteral("Tmpl1"))->trigger();
    QCOMPARE(prompts.exceptions, QStringList());
    QCOMPARE(prompts.dialogs, 1);
    QCOMPARE(ReadBytes(QStringLiteral("templates/sunday.txt")), QByteArray("Mass?\n{date}"));
    Click(*form, "Button_create");
    QCOMPARE(Text(*form), QStringLiteral("Mass?\nSunday, February 8, 2004"));
    QVERIFY(prompts.warnings.isEmpty());
  }

  // Enter never writes a file: in the list it goes to the text, elsewhere it presses Close. A
  // save is heard; braces that will not be filled are named under the text.
  void enter_writes_nothing_a_save_is_heard_and_unfilled_braces_are_named() {
    auto form = Start();
    prompts.onDialog = [&](QDialog& window) {
      window.show();
      window.activateWindow();
      QVERIFY(QTest::qWaitFor([&] { return window.isActiveWindow(); }));
      auto* list = window.findChild<QListWidget*>(QStringLiteral("TemplatesList"));
      auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("TemplatesText"));
      list->setFocus();
      QTest::keyClick(list, Qt::Key_Return);
      QVERIFY(text->hasFocus());
      QVERIFY(window.isVisible());
      QVERIFY(!QFile::exists(QStringLiteral("templates/all.txt")));
      text->setPlainText(QStringLiteral("{date} {mood}\n{{weekday}} {date }"));
      auto* unfilled = window.findChild<QLabel*>(QStringLiteral("TemplatesUnfilled"));
      QCOMPARE(unfilled->text(),
               QStringLiteral("Not filled in, kept as written: {mood}  {  }  {date }"));
      Heard heard;
      QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("TemplatesSave")),
                        Qt::LeftButton);
      QStringList said;
      for (const HeardEvent& e : heard.Of(QAccessible::ObjectShow)) {
        if (e.role == QAccessible::Notification) said << e.name;
      }
      QCOMPARE(said, QStringList{QStringLiteral("all.txt is saved.")});
      list->setFocus();
      QTest::keyClick(&window, Qt::Key_Return);  // Close, with nothing left unsaved
      QVERIFY(!window.isVisible());
    };
    form->findChild<QAction*>(QStringLiteral("Tmpl1"))->trigger();
    QCOMPARE(prompts.dialogs, 1);
    QCOMPARE(prompts.questions, 0);
    QCOMPARE(ReadBytes(QStringLiteral("templates/all.txt")),
             QByteArray("{date} {mood}\n{{weekday}} {date }"));
  }
};

QTEST_MAIN(TemplatesTest)
#include "templates_test.moc"
