// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Date navigation: the arrow buttons and today, dates out of range, the calendar's clicks and
// keys, and its marks.
#include "text/dates.h"

#include <sys/stat.h>

#include <QAccessible>
#include <QLocale>

#include "app/translations.h"
#include "find/findwindow.h"
#include "heard.h"
#include "mainwindow/diarycalendar.h"
#include "windowtest.h"

using namespace windowtest;

class DatesTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void arrow_buttons_move_and_clamp_the_date() {
    QFETCH(QDate, start);
    QFETCH(QString, button);
    QFETCH(QDate, expected);
    auto form = Start();
    SetDate(*form, start);
    Click(*form, button.toLatin1().constData());
    QCOMPARE(Shown(*form), expected);
    QVERIFY(prompts.exceptions.isEmpty());
    QCOMPARE(form->EntryPathValue(), "./" + Path(expected, 0).toStdString());
  }
  void arrow_buttons_move_and_clamp_the_date_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("expected");
    const auto row = [](const char* name, QDate s, const char* b, QDate e) {
      QTest::newRow(name) << s << QString::fromLatin1(b) << e;
    };
    row("31 Jan back a month", QDate(2004, 1, 31), "Button_prev_month", QDate(2003, 12, 31));
    row("31 Jan 2004 forward", QDate(2004, 1, 31), "Button_next_month", QDate(2004, 2, 29));
    row("31 Jan 2003 forward", QDate(2003, 1, 31), "Button_next_month", QDate(2003, 2, 28));
    row("31 Mar 2004 back", QDate(2004, 3, 31), "Button_prev_month", QDate(2004, 2, 29));
    row("29 Feb 2004 back a year", QDate(2004, 2, 29), "Button_prev_year", QDate(2003, 2, 28));
    row("29 Feb 2004 forward a year", QDate(2004, 2, 29), "Button_next_year", QDate(2005, 2, 28));
    row("29 Feb 1996 to 2000", QDate(1999, 2, 28), "Button_next_year", QDate(2000, 2, 28));
    row("December to January", QDate(2004, 12, 15), "Button_next_month", QDate(2005, 1, 15));
    row("January to December", QDate(2005, 1, 15), "Button_prev_month", QDate(2004, 12, 15));
    row("today", QDate(1990, 5, 5), "Button_today", kToday);
  }

  void dates_outside_the_years_1_to_9999_show_an_error_and_keep_the_date() {
    QFETCH(QDate, start);
    QFETCH(QString, button);
    auto form = Start();
    SetDate(*form, start);
    const std::string path = form->EntryPathValue();
    Click(*form, button.toLatin1().constData());
    QCOMPARE(Shown(*form), start);
    QCOMPARE(prompts.exceptions.size(), 1);
    QVERIFY(prompts.exceptions.first().startsWith(QStringLiteral("Invalid date")));
    QCOMPARE(form->EntryPathValue(), path);
  }
  void dates_outside_the_years_1_to_9999_show_an_error_and_keep_the_date_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("button");
    QTest::newRow("9999 forward a year") << QDate(9999, 6, 1) << QStringLiteral("Button_next_year");
    QTest::newRow("9999 forward a month")
        << QDate(9999, 12, 1) << QStringLiteral("Button_next_month");
    QTest::newRow("1 back a year") << QDate(1, 6, 1) << QStringLiteral("Button_prev_year");
    QTest::newRow("1 back a month") << QDate(1, 1, 1) << QStringLiteral("Button_prev_month");
  }

  void a_refresh_for_the_same_date_asks_twice_after_a_no() {
    const QDate today = kToday;
    WriteBytes(Path(today, 0), "file");
    auto form = Start();
    Type(*form, QStringLiteral(" typed"));
    prompts.answers = {false, false};
    Click(*form, "Button_today");
    QCOMPARE(prompts.questions, 2);
    QCOMPARE(Text(*form), QStringLiteral("file"));  // reloaded from its file
    QCOMPARE(ReadBytes(Path(today, 0)), QByteArray("file"));
  }

  void calendar_clicks_and_keys_refresh_exactly_once() {
    const QDate day(2004, 3, 10);
    WriteBytes(Path(day, 0), "file");
    auto form = Start();
    SetDate(*form, day);  // a keyboard-like change refreshes on its own
    QCOMPARE(Text(*form), QStringLiteral("file"));
    auto* calendar = Child<QCalendarWidget>(*form, "calender");
    calendar->resize(300, 220);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Type(*form, QStringLiteral("!"));
    prompts.answers = {false, false};
    QWidget* view = calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(view);
    QWidget* viewport = view->findChildren<QWidget*>().value(0, view);
    // A click anywhere in the day grid counts, whether or not the date changes.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(prompts.questions, 2);
    QCoreApplication::sendPostedEvents();  // a second, queued click would arrive now
    QCoreApplication::processEvents();
    QCOMPARE(prompts.questions, 2);
    // A key that moves the date refreshes once.
    Type(*form, QStringLiteral("?"));
    prompts.answers = {false, false};
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(prompts.questions, 4);
    // Text typed into the calendar by mistake moves nothing.
    const QDate before = Shown(*form);
    QTest::keyClicks(view, QStringLiteral("20 was hihg"));
    QTest::qWait(1600);  // as long as the toolkit waits for the rest of a typed date
    QCOMPARE(Shown(*form), before);
  }

  // A press in the calendar whose release goes elsewhere (a drag out of it, the year field that
  // replaces the button pressed) must not leave later keyboard moves without their refresh.
  void a_press_without_its_release_in_the_calendar_leaves_keys_refreshing_data() {
    QTest::addColumn<QString>("pressed");
    QTest::newRow("day grid, released outside") << QStringLiteral("qt_calendar_calendarview");
    QTest::newRow("year button") << QStringLiteral("qt_calendar_yearbutton");
  }
  void a_press_without_its_release_in_the_calendar_leaves_keys_refreshing() {
    QFETCH(QString, pressed);
    auto form = Start();
    auto* calendar = Child<QCalendarWidget>(*form, "calender");
    SetDate(*form, QDate(2004, 3, 10));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QWidget* target = calendar->findChild<QWidget*>(pressed);
    QVERIFY(target);
    if (QWidget* viewport = target->findChildren<QWidget*>().value(0)) target = viewport;
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(Child<QWidget>(*form, "inputarea"), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    WriteBytes(Path(QDate(2004, 3, 11), 0), "next day");
    QTest::keyClick(calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview")),
                    Qt::Key_Right);
    QCOMPARE(Shown(*form), QDate(2004, 3, 11));
    QCOMPARE(Text(*form), QStringLiteral("next day"));
  }

  // Ctrl+F, a word, Enter on a row: the diary shows that day's entry with the word selected.
  void a_found_entry_is_shown_with_its_match_selected() {
    WriteBytes(Path(QDate(2004, 3, 7), 0), QByteArray("a walk in the rain\0", 19));
    WriteBytes(Path(QDate(2025, 8, 1), 0), QByteArray("first line\r\nRain all day\0", 26));
    WriteBytes(Path(QDate(2025, 8, 2), 0), QByteArray("sun\0", 4));
    auto form = Start();
    form->show();
    form->findChild<QAction*>(QStringLiteral("Find1"))->trigger();
    auto* find = form->findChild<TFindWindow*>(QStringLiteral("FindWindow"));
    QVERIFY(find && find->isVisible());
    // It opens beside the diary, or over it where the screen has no room beside.
    QVERIFY(form->frameGeometry().adjusted(-1, -1, 1, 1).intersects(find->frameGeometry()));
    auto* results = find->findChild<QListView*>(QStringLiteral("FindResults"));
    const auto row = [&](int i, int role = Qt::DisplayRole) {
      return results->model()->index(i, 0).data(role).toString();
    };
    // A new query cancels the running one: only its own rows appear.
    find->SearchNow(QStringLiteral("rain"));
    find->SearchNow(QStringLiteral("sun"));
    QTRY_VERIFY(!find->Searching());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(results->model()->rowCount(), 1);
    QVERIFY(row(0).startsWith(marrowleaf::LongDate(QDate(2025, 8, 2), QLocale()) +
                              QStringLiteral(" · Diary · sun")));
    find->SearchNow(QStringLiteral("rain"));
    QTRY_COMPARE(results->model()->rowCount(), 2);
    QVERIFY2(row(0).startsWith(marrowleaf::LongDate(QDate(2025, 8, 1), QLocale())),
             qPrintable(row(0)));
    QCOMPARE(find->findChild<QLabel*>(QStringLiteral("FindCount"))->text(),
             QStringLiteral("2 entries found"));
    // A row reads as a sentence: the date in words, the tab, the line.
    QCOMPARE(row(0, Qt::AccessibleTextRole), marrowleaf::LongDate(QDate(2025, 8, 1), QLocale()) +
                                                 QStringLiteral(", tab Diary: Rain all day"));
    Type(*form, QStringLiteral("?"));  // nothing to save: today's placeholder takes no typing
    results->setCurrentIndex(results->model()->index(0, 0));
    QTest::keyClick(results, Qt::Key_Return);
    QCOMPARE(Shown(*form), QDate(2025, 8, 1));
    auto* area = Child<QPlainTextEdit>(*form, "inputarea");
    QCOMPARE(area->textCursor().selectedText(), QStringLiteral("Rain"));
    QVERIFY(find->isVisible());  // it stays open for the next row
    // Typographic quotation marks make a phrase, and the message quotes it once.
    find->SearchNow(QStringLiteral("„all day“"));
    QTRY_COMPARE(results->model()->rowCount(), 1);
    find->SearchNow(QStringLiteral("„day all“"));
    QTRY_COMPARE(find->findChild<QLabel*>(QStringLiteral("FindCount"))->text(),
                 QStringLiteral("No entry holds \"day all\"."));
    // Text on screen is found before it is saved, and the row says so.
    Type(*form, QStringLiteral("\nsnow by the river"));
    find->SearchNow(QStringLiteral("snow"));
    QTRY_COMPARE(results->model()->rowCount(), 1);
    QVERIFY2(row(0).endsWith(QStringLiteral("not saved yet · snow by the river")),
             qPrintable(row(0)));
    // A file named like an entry that cannot be read is named under the count, never waited on.
    QVERIFY(mkfifo(qPrintable(Path(QDate(2025, 8, 3), 0)), 0600) == 0);
    find->SearchNow(QStringLiteral("rain"));
    QTRY_VERIFY(!find->Searching());
    auto* count = find->findChild<QLabel*>(QStringLiteral("FindCount"));
    QTRY_VERIFY2(count->text().contains(QStringLiteral("\nNot read: ")), qPrintable(count->text()));
    QVERIFY(count->text().contains(QStringLiteral("3_0.txt")));
  }

  // Each day cell reads its full date and what it holds, as a screen reader hears it: one
  // sentence in the locale's long date, its count in the language's plural forms.
  void day_cells_read_their_date_and_entries() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=2\n");
    WriteBytes(Path(QDate(2026, 12, 8), 0), "a");
    WriteBytes(Path(QDate(2026, 12, 8), 1), "b");
    WriteBytes(Path(QDate(2026, 12, 11), 1), "d");
    WriteBytes(Path(QDate(2026, 12, 12), 0), "e");
    WriteBytes(QStringLiteral("2026/12/9_0.sync-conflict-20261209-101530-ABCDEFG.txt"), "c");
    WriteBytes(QStringLiteral("2026/12/12_0.sync-conflict-20261212-101530-ABCDEFG.txt"), "f");
    InstallTranslations(QLocale::c());  // as the program starts under C: English plurals
    auto form = Start();
    auto* calendar = Child<TDiaryCalendar>(*form, "calender");
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->RefreshMarks();
    QWidget* view = calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview"));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(view);
    QVERIFY(grid);
    QStringList names;
    for (int i = 0; i < grid->childCount(); ++i) names << grid->child(i)->text(QAccessible::Name);
    const auto named = [](const QDate& date) { return marrowleaf::LongDate(date, QLocale()); };
    QVERIFY2(names.contains(QStringLiteral("Tuesday, 8 December 2026, 2 entries")),
             qPrintable(names.join(QLatin1Char('|'))));
    QVERIFY(names.contains(QStringLiteral("Friday, 11 December 2026, 1 entry")));
    QVERIFY(names.contains(named(QDate(2026, 12, 10))));  // nothing on that day
    QVERIFY(names.contains(named(QDate(2026, 12, 9)) +
                           QStringLiteral(", a sync tool's conflict copy")));
    QVERIFY(names.contains(named(QDate(2026, 12, 12)) +
                           QStringLiteral(", 1 entry, a sync tool's conflict copy")));
    QVERIFY(names.contains(named(QDate(2026, 11, 30))));  // the month before, on the same page
    for (const char* arrow : {"qt_calendar_prevmonth", "qt_calendar_nextmonth"}) {
      QVERIFY(
          !calendar->findChild<QWidget*>(QString::fromLatin1(arrow))->accessibleName().isEmpty());
    }
  }

  // What a screen reader hears when the arrow keys move the calendar: the focus event names the
  // day the calendar moved to, across pages too; tabbing into the grid names the chosen day.
  void the_day_heard_is_the_day_the_arrow_keys_chose_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("to");
    QTest::newRow("Right") << QDate(2026, 12, 10) << int(Qt::Key_Right) << QDate(2026, 12, 11);
    QTest::newRow("Right, a page starting on Friday")
        << QDate(2027, 1, 18) << int(Qt::Key_Right) << QDate(2027, 1, 19);
    QTest::newRow("Left") << QDate(2026, 12, 10) << int(Qt::Key_Left) << QDate(2026, 12, 9);
    QTest::newRow("Down") << QDate(2026, 12, 10) << int(Qt::Key_Down) << QDate(2026, 12, 17);
    QTest::newRow("Up") << QDate(2026, 12, 10) << int(Qt::Key_Up) << QDate(2026, 12, 3);
    QTest::newRow("Right into the next page")
        << QDate(2026, 12, 31) << int(Qt::Key_Right) << QDate(2027, 1, 1);
    QTest::newRow("Left into the page before")
        << QDate(2026, 12, 1) << int(Qt::Key_Left) << QDate(2026, 11, 30);
  }
  void the_day_heard_is_the_day_the_arrow_keys_chose() {
    QFETCH(QDate, from);
    QFETCH(int, key);
    QFETCH(QDate, to);
    WriteBytes(Path(to, 0), "a");
    auto form = Start();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* calendar = Child<TDiaryCalendar>(*form, "calender");
    auto* view =
        calendar->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
    SetDate(*form, from);
    Heard heard;
    view->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(heard.Focus(view).value(heard.Focus(view).size() - 1), calendar->SpokenDay(from));
    heard.Clear();
    QTest::keyClick(view, Qt::Key(key));
    QCOMPARE(Shown(*form), to);
    QVERIFY(!heard.Focus(view).isEmpty());
    QCOMPARE(heard.Focus(view).last(), calendar->SpokenDay(to));  // "…, 1 entry"
    QVERIFY2(calendar->SpokenDay(to).endsWith(QStringLiteral("1 entry")),
             qPrintable(calendar->SpokenDay(to)));
    // A date the program sets while the keyboard is elsewhere is not heard as the focus.
    Child<QPlainTextEdit>(*form, "inputarea")->setFocus();
    heard.Clear();
    SetDate(*form, from);
    Click(*form, "Button_next_month");
    QCOMPARE(Shown(*form), from.addMonths(1));
    QCOMPARE(heard.Focus(view), QStringList());
  }

  // Alt+Right and Alt+Left: the next and previous day with an entry, across months and years.
  void alt_arrows_move_to_the_days_that_hold_entries() {
    const QList<QDate> days{QDate(2003, 12, 30), QDate(2004, 1, 3), QDate(2004, 1, 20),
                            QDate(2004, 3, 1)};
    for (const QDate& d : days) WriteBytes(Path(d, 0), "x");
    auto form = Start();
    SetDate(*form, QDate(2003, 12, 1));
    auto* next = form->findChild<QAction*>(QStringLiteral("NextEntryDay"));
    auto* previous = form->findChild<QAction*>(QStringLiteral("PrevEntryDay"));
    QCOMPARE(next->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));
    QCOMPARE(previous->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
    for (const QDate& d : days) {
      next->trigger();
      QCOMPARE(Shown(*form), d);
      QCOMPARE(Text(*form), QStringLiteral("x"));
    }
    next->trigger();  // none after the last: nothing happens
    QCOMPARE(Shown(*form), days.last());
    for (qsizetype i = days.size() - 2; i >= 0; --i) {
      previous->trigger();
      QCOMPARE(Shown(*form), days[i]);
    }
    previous->trigger();
    QCOMPARE(Shown(*form), days.first());
  }

  void the_calendar_marks_the_days_that_hold_entries() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=3\n");
    for (int day : {3, 17, 31}) {
      WriteBytes(Path(QDate(2004, 3, day), day == 17 ? 2 : 0), "x");
    }
    WriteBytes(QStringLiteral("2004/3/5_7.txt"), "a tab that is not configured");
    QVERIFY(QDir().mkpath(QStringLiteral("2004/3/9_0.txt")));
    WriteBytes(Path(QDate(2004, 4, 20), 1), "x");
    WriteBytes(Path(QDate(2004, 5, 2), 0), "x");  // April's page shows 2 May
    auto form = Start();
    Child<QCalendarWidget>(*form, "calender")->setFirstDayOfWeek(Qt::Sunday);
    SetDate(*form, QDate(2004, 3, 4));
    const QList<QDate> march{QDate(2004, 3, 3), QDate(2004, 3, 17), QDate(2004, 3, 31)};
    QCOMPARE(Marked(*form), march);
    Click(*form, "Button_create");
    QCOMPARE(Marked(*form), (QList<QDate>{QDate(2004, 3, 3), QDate(2004, 3, 4), QDate(2004, 3, 17),
                                          QDate(2004, 3, 31)}));
    Click(*form, "Button_next_month");
    QCOMPARE(Marked(*form),
             (QList<QDate>{QDate(2004, 3, 31), QDate(2004, 4, 20), QDate(2004, 5, 2)}));
    // The calendar's own page change, with no date refresh, shows files made meanwhile. August
    // 2004 starts on a Sunday, so its page starts a week early, on 25 July.
    WriteBytes(Path(QDate(2004, 7, 24), 0), "x");
    WriteBytes(Path(QDate(2004, 7, 25), 0), "x");
    WriteBytes(Path(QDate(2004, 8, 1), 0), "x");
    Child<QCalendarWidget>(*form, "calender")->setCurrentPage(2004, 8);
    QCOMPARE(Marked(*form), (QList<QDate>{QDate(2004, 7, 25), QDate(2004, 8, 1)}));
  }
};

QTEST_MAIN(DatesTest)
#include "dates_test.moc"
