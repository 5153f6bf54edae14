// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Look Back…: the window that follows the calendar's date, and its way to a day.
#include <QTabBar>

#include "diary/diary.h"
#include "lookback/lookbackwindow.h"
#include "mainwindow/diarycalendar.h"
#include "mainwindow/tform1.h"
#include "platform/files.h"

void TForm1::Look1Click() {
  if (lookBackWindow == nullptr) {
    lookBackWindow = new TLookBackWindow(*diary, today, this);
    // Every change of the calendar's date, whoever made it.
    connect(calender, &QCalendarWidget::selectionChanged, lookBackWindow,
            [this] { lookBackWindow->SetDate(calender->selectedDate()); });
  }
  lookBackWindow->SetDate(calender->selectedDate());
  lookBackWindow->show();
  lookBackWindow->raise();
  lookBackWindow->activateWindow();
}

int TForm1::TabToShow(const QDate& date, int tab) const {
  if (tab >= 0) return tab;
  // A day alone: the shown tab where it has an entry that day, else the first tab that has one.
  const auto has = [&](int t) {
    return t >= 0 &&
           marrowleaf::IsFile(marrowleaf::EntryPath(
               saveDir, {static_cast<uint16_t>(date.year()), static_cast<uint16_t>(date.month()),
                         static_cast<uint16_t>(date.day()), t}));
  };
  int shown = tabheader->currentIndex();
  for (int t = 0; !has(shown) && t < tabheader->count(); ++t) {
    if (has(t)) shown = t;
  }
  return shown;
}
