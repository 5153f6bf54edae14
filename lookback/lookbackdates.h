// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include "text/dates.h"

// The one place where the look back turns a date into words: the user's locale's formats, the
// long one where there is room, the short one among the figures.
namespace lookback {

inline QString LongDate(const QDate& date) { return marrowleaf::LongDate(date, QLocale()); }

inline QString ShortDate(const QDate& date) { return marrowleaf::ShortDate(date, QLocale()); }

}  // namespace lookback
