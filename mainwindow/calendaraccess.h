// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <functional>

class QCalendarWidget;

// What a screen reader hears of the calendar's day grid: each cell reads its full date in the
// user's locale and what the day holds ("Tuesday 8 December 2026, 2 entries"), instead of a bare
// number. Installed as an accessibility factory for the calendar's own view; the calendar's model
// stays as it is. `describe` gives the words after the date ("2 entries", or empty).
void InstallCalendarAccess(QCalendarWidget* calendar,
                           std::function<QString(const QDate&)> describe);
void RemoveCalendarAccess(QCalendarWidget* calendar);

// The date a cell of the calendar's grid shows (row and column of the view, headers included);
// an invalid date for a header cell.
QDate CalendarCellDate(const QCalendarWidget* calendar, int row, int column);
// The first day of the six weeks the calendar's page shows.
QDate CalendarPageStart(const QCalendarWidget* calendar);
