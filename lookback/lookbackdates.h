// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The one place where the look back turns a date into words: the user's locale's long format.
namespace lookback {

inline QString LongDate(const QDate& date) { return QLocale().toString(date, QLocale::LongFormat); }

}  // namespace lookback
