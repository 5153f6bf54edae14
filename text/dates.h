// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>

namespace marrowleaf {

// Gregorian: divisible by 4, and either not by 100 or by 400.
bool IsLeapYear(int year);
// 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
// 0 (Sunday) to 6 (Saturday), by the month-offset rule; valid for the years 1 to 9999.
int DayOfWeek(int year, int month, int day);
// "Sun" to "Sat".
const char* WeekdayName(int weekday);
// The short name of weekday 0 (Sunday) to 6 in a locale's language: "Sun" to "Sat" in English
// (and the C locale) whatever the country, "水" in Japanese, "Mi." in German.
QString WeekdayName(int weekday, const QLocale& locale);

// Dates as the user's locale writes them, everywhere but the main window's own label: the long
// form where a day is named ("Wednesday, 9 December 2026", "2026年12月9日水曜日"), the short one
// where room is scarce ("09.12.2026", "12/9/2026"), its year always in full.
QString LongDate(const QDate& date, const QLocale& locale);
QString ShortDate(const QDate& date, const QLocale& locale);
// The short form's pattern, for a date field.
QString ShortDateFormat(const QLocale& locale);
// A moment: the short date and the time to the second, without the time zone.
QString ShortDateTime(const QDateTime& moment, const QLocale& locale);

}  // namespace marrowleaf
