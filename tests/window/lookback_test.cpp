// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Look Back…: the rows of earlier years follow the calendar, the statistics and the
// heatmap read the diary, and a row or a cell shows its day.
#include <QAccessible>
#include <QListWidget>
#include <QLocale>
#include <QTabWidget>

#include "lookback/lookbackwindow.h"
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
};

QTEST_MAIN(LookBackTest)
#include "lookback_test.moc"
