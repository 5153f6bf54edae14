// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The one place where the look back turns a date into words: the user's locale's formats, the
// long one where there is room, the short one among the figures.
namespace lookback {

inline QString LongDate(const QDate& date) { return QLocale().toString(date, QLocale::LongFormat); }

inline QString ShortDate(const QDate& date) {
  return QLocale().toString(date, QLocale::ShortFormat);
}

}  // namespace lookback
