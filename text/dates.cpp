// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/dates.h"

namespace marrowleaf {

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

int DayOfWeek(int year, int month, int day) {
  static constexpr int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  const int sum = year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day;
  return ((sum % 7) + 7) % 7;
}

const char* WeekdayName(int weekday) {
  static constexpr const char* kNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  return kNames[((weekday % 7) + 7) % 7];
}

QString WeekdayName(int weekday, const QLocale& locale) {
  if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
    return QString::fromLatin1(WeekdayName(weekday));
  }
  const int day = ((weekday % 7) + 7) % 7;
  return locale.dayName(day == 0 ? 7 : day, QLocale::ShortFormat);
}

QString LongDate(const QDate& date, const QLocale& locale) {
  return locale.toString(date, QLocale::LongFormat);
}

QString ShortDateFormat(const QLocale& locale) {
  // "01.12.26" could be any century.
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QStringLiteral("yyyy"))) {
    format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  }
  return format;
}

QString ShortDate(const QDate& date, const QLocale& locale) {
  return locale.toString(date, ShortDateFormat(locale));
}

QString ShortDateTime(const QDateTime& moment, const QLocale& locale) {
  // The long time form has the seconds (two saves a minute apart must differ) and the zone,
  // which the user's own clock needs not: its "t" fields go, and the blanks around them.
  const QString format = locale.timeFormat(QLocale::LongFormat);
  QString time;
  bool quoted = false;
  for (const QChar c : format) {
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && c == QLatin1Char('t')) continue;
    time += c;
  }
  time = time.trimmed().replace(QStringLiteral("  "), QStringLiteral(" "));
  return ShortDate(moment.date(), locale) + QLatin1Char(' ') + locale.toString(moment.time(), time);
}

}  // namespace marrowleaf
