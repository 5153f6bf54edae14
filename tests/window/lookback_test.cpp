// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Look Back…: the rows of earlier years follow the calendar, the statistics and the
// heatmap read the diary, and a row or a cell shows its day.
#include <QAccessible>
#include <QListWidget>
#include <QLocale>
#include <QPalette>
#include <QTabWidget>

#include "heard.h"
#include "lookback/lookbackwindow.h"
#include "lookback/monthchart.h"
#include "lookback/yearheatmap.h"
#include "windowtest.h"

using namespace windowtest;

class LookBackTest : public WindowTest {
  Q_OBJECT

  static TLookBackWindow* Open(TForm1& form) {
    form.findChild<QAction*>(QStringLiteral("Look1"))->trigger();
    return form.findChild<TLookBackWindow*>(QStringLiteral("LookBackWindow"));
  }
  static QStringList Rows(TLookBackWindow& window) {
    QStringList out;
    auto* rows = window.findChild<QListWidget*>(QStringLiteral("OnThisDayRows"));
    for (int i = 0; i < rows->count(); ++i) out << rows->item(i)->text().section(u'\n', 0, 0);
    return out;
  }
  static QString Figure(TLookBackWindow& window, const char* name) {
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
  }

 private Q_SLOTS:
  void the_rows_follow_the_calendar_and_a_row_shows_its_day() {
    for (int year : {2023, 2024, 2025}) {
      WriteBytes(Path(QDate(year, 12, 9), 0), "Snow in " + QByteArray::number(year) + "\r\nmore");
    }
    WriteBytes(Path(QDate(2020, 12, 10), 0), "a walk");
    auto form = Start();
    SetDate(*form, QDate(2026, 12, 9));
    TLookBackWindow* window = Open(*form);
    QVERIFY(window && window->isVisible());
    QTRY_COMPARE(Rows(*window), (QStringList{QStringLiteral("2025 · 1 year ago · Diary"),
                                             QStringLiteral("2024 · 2 years ago · Diary"),
                                             QStringLiteral("2023 · 3 years ago · Diary")}));
    auto* list = window->findChild<QListWidget*>(QStringLiteral("OnThisDayRows"));
    QCOMPARE(list->item(0)->text(),
             QStringLiteral("2025 · 1 year ago · Diary\nSnow in 2025\nmore"));
    SetDate(*form, QDate(2026, 12, 10));
    QTRY_COMPARE(Rows(*window), QStringList{QStringLiteral("2020 · 6 years ago · Diary")});
    SetDate(*form, QDate(2026, 12, 11));
    auto* empty = window->findChild<QLabel*>(QStringLiteral("OnThisDayEmpty"));
    QTRY_VERIFY(empty->isVisible() && !list->isVisible());
    // Another program writes an entry of that day while the window is open.
    WriteBytes(Path(QDate(2022, 12, 11), 0), "synced");
    QTRY_COMPARE_WITH_TIMEOUT(Rows(*window),
                              QStringList{QStringLiteral("2022 · 4 years ago · Diary")}, 1000);
    QVERIFY(!empty->isVisible());
    // Choosing a row shows its day; the rows stay those of 11 December 2026.
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(Shown(*form), QDate(2022, 12, 11));
    QCOMPARE(Text(*form), QStringLiteral("synced"));
    QCOMPARE(Rows(*window), QStringList{QStringLiteral("2022 · 4 years ago · Diary")});
  }

  void the_statistics_and_the_heatmap_tell_the_words_and_a_cell_shows_its_day() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=2\n");
    WriteBytes(Path(QDate(2026, 12, 1), 0), "今日は晴れ。");
    WriteBytes(Path(QDate(2026, 12, 2), 1), "six seven eight");
    auto form = Start();
    SetDate(*form, QDate(2026, 12, 5));
    TLookBackWindow* window = Open(*form);
    QVERIFY(window);
    window->findChild<QTabWidget*>(QStringLiteral("LookBackParts"))->setCurrentIndex(1);
    QTRY_COMPARE(Figure(*window, "StatWords"), QStringLiteral("8"));
    QCOMPARE(Figure(*window, "StatEntries"), QStringLiteral("2"));
    QCOMPARE(Figure(*window, "StatLongestStreak"),
             QStringLiteral("2 days, to ") +
                 QLocale().toString(QDate(2026, 12, 2), QLocale::ShortFormat));
    QCOMPARE(Figure(*window, "StatCurrentStreak"), QStringLiteral("0 days"));  // today is the 8th
    // Each figure is heard with its caption, and the keyboard reaches it.
    auto* words = window->findChild<QLabel*>(QStringLiteral("StatWords"));
    QCOMPARE(QAccessible::queryAccessibleInterface(words)->text(QAccessible::Name),
             QStringLiteral("Words: 8"));
    QVERIFY(words->focusPolicy() & Qt::TabFocus);
    auto* heatmap = window->findChild<TYearHeatmap*>(QStringLiteral("Heatmap"));
    QCOMPARE(heatmap->Year(), 2026);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(heatmap);
    QVERIFY(table);
    QCOMPARE(table->childCount(), 365);
    const auto name = [&](const QDate& day) {
      return table->child(day.dayOfYear() - 1)->text(QAccessible::Name);
    };
    const QString long1 = QLocale().toString(QDate(2026, 12, 1), QLocale::LongFormat);
    QCOMPARE(name(QDate(2026, 12, 1)), long1 + QStringLiteral(": 5 words"));
    QCOMPARE(name(QDate(2026, 12, 3)), QLocale().toString(QDate(2026, 12, 3), QLocale::LongFormat) +
                                           QStringLiteral(": 0 words"));
    QVERIFY(heatmap->Level(3) > heatmap->Level(0));
    // A click on 2 December shows it, on the tab that holds its entry.
    QTest::mouseClick(heatmap, Qt::LeftButton, {}, heatmap->CellRect(QDate(2026, 12, 2)).center());
    QCOMPARE(Shown(*form), QDate(2026, 12, 2));
    QCOMPARE(Text(*form), QStringLiteral("six seven eight"));
    QCOMPARE(heatmap->Current(), QDate(2026, 12, 2));
    // Up, then Enter: the day before.
    heatmap->setFocus();
    QTest::keyClick(heatmap, Qt::Key_Up);
    QTest::keyClick(heatmap, Qt::Key_Return);
    QCOMPARE(Shown(*form), QDate(2026, 12, 1));
    QCOMPARE(Text(*form), QStringLiteral("今日は晴れ。"));
  }

  // Look Back opens beside the diary window on its rows; showing a day puts the diary window in
  // front; "years ago" counts from today; the rows of a window behind are never heard.
  void the_window_opens_beside_the_diary_and_a_day_shown_is_seen_there() {
    for (int year : {2023, 2024, 2025}) WriteBytes(Path(QDate(year, 12, 9), 0), "Snow");
    auto form = Start();
    form->move(0, 0);
    form->show();
    SetDate(*form, QDate(2026, 12, 9));
    TLookBackWindow* window = Open(*form);
    QTRY_COMPARE(Rows(*window).size(), 3);
    QVERIFY(window->frameGeometry().left() > form->frameGeometry().right());
    auto* rows = window->findChild<QListWidget*>(QStringLiteral("OnThisDayRows"));
    QCOMPARE(window->focusWidget(), rows);
    QTRY_VERIFY(window->isActiveWindow());
    Heard heard;
    QTest::keyClick(rows, Qt::Key_Down);
    QTest::keyClick(rows, Qt::Key_Return);  // 2024
    QCOMPARE(Shown(*form), QDate(2024, 12, 9));
    QTRY_VERIFY(form->isActiveWindow());
    // The calendar moves while the diary window has the keyboard: the rows follow unheard.
    heard.Clear();
    SetDate(*form, QDate(2025, 12, 9));
    QCOMPARE(rows->currentRow(), 0);
    QCOMPARE(heard.Focus(window), QStringList());
    // Counted from today, 8 December 2026, whatever day the calendar shows.
    SetDate(*form, QDate(2030, 12, 9));
    QTRY_COMPARE(Rows(*window).value(0), QStringLiteral("2025 · 1 year ago · Diary"));
  }

  // The heatmap's levels stand apart from the background and from each other, in a light and a
  // dark theme; a day without words is an outline and a day to come a dot.
  void the_heatmap_levels_stand_apart_data() {
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("highlight");
    QTest::newRow("light") << QColor(0xefefef) << QColor(Qt::black) << QColor(0x308cc6);
    QTest::newRow("dark") << QColor(0x353535) << QColor(Qt::white) << QColor(0x2a82da);
    QTest::newRow("light, a pale highlight")
        << QColor(Qt::white) << QColor(0x202020) << QColor(0xa0c8f0);
  }
  void the_heatmap_levels_stand_apart() {
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QFETCH(QColor, highlight);
    TYearHeatmap heatmap;
    QPalette palette = heatmap.palette();
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Highlight, highlight);
    heatmap.setPalette(palette);
    QVERIFY(TYearHeatmap::Contrast(heatmap.Shade(0), window) >= 3.0);  // the outline
    QVERIFY(TYearHeatmap::Contrast(heatmap.Shade(1), window) >= 3.0);
    for (int level = 1; level < 4; ++level) {
      const double apart = TYearHeatmap::Contrast(heatmap.Shade(level + 1), heatmap.Shade(level));
      QVERIFY2(apart >= 1.3, qPrintable(QStringLiteral("%1: %2").arg(level).arg(apart)));
    }
    // Another year keeps the day: a cell to start from.
    heatmap.SetYear(2026, {});
    heatmap.SetCurrent(QDate(2026, 12, 9));
    heatmap.SetYear(2024, {});
    QCOMPARE(heatmap.Current(), QDate(2024, 12, 9));
  }

  // The month chart is reached by Tab after the heatmap and moved by the arrow keys, each month
  // heard with its words.
  void the_month_chart_is_read_by_keyboard() {
    WriteBytes(Path(QDate(2026, 2, 3), 0), "one two three");
    auto form = Start();
    SetDate(*form, QDate(2026, 1, 20));
    TLookBackWindow* window = Open(*form);
    window->findChild<QTabWidget*>(QStringLiteral("LookBackParts"))->setCurrentIndex(1);
    QTRY_COMPARE(Figure(*window, "StatWords"), QStringLiteral("3"));
    QTRY_VERIFY(window->isActiveWindow());
    auto* heatmap = window->findChild<TYearHeatmap*>(QStringLiteral("Heatmap"));
    auto* chart = window->findChild<TMonthChart*>(QStringLiteral("MonthChart"));
    heatmap->setFocus(Qt::TabFocusReason);
    Heard heard;
    QTest::keyClick(heatmap, Qt::Key_Tab);
    QVERIFY(chart->hasFocus());
    QTRY_COMPARE(heard.Focus(chart).value(heard.Focus(chart).size() - 1),
                 QStringLiteral("January: 0 words"));
    QTest::keyClick(chart, Qt::Key_Right);
    QCOMPARE(heard.Focus(chart).last(), QStringLiteral("February: 3 words"));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(chart);
    QCOMPARE(table->childCount(), 12);
    QCOMPARE(table->focusChild()->text(QAccessible::Name), QStringLiteral("February: 3 words"));
  }
};

QTEST_MAIN(LookBackTest)
#include "lookback_test.moc"
