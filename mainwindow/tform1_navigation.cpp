// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Date navigation: the four arrow buttons, "today", the calendar's click, the days with entries
// and the Find window's way to an entry.
#include <QCalendarWidget>
#include <QDate>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <utility>

#include "diary/diary.h"
#include "entries/diarywalk.h"
#include "export/exportwindow.h"
#include "find/findwindow.h"
#include "mainwindow/diarycalendar.h"
#include "mainwindow/diaryerror.h"
#include "mainwindow/tform1.h"
#include "pictures/picturetextedit.h"
#include "tags/tagswindow.h"
#include "widgets/prompts.h"
#include "widgets/windows.h"

void TForm1::SetCalendarDate(int year, int month, int day) {
  const QDate date(year, month, day);
  // The handlers check no bounds: a date outside the years 1 to 9999 is no date at all.
  if (year < 1 || year > 9999 || !date.isValid()) {
    throw EDiaryError(tr("Invalid date: year %1, month %2, day %3")
                          .arg(QString::number(year), QString::number(month), QString::number(day))
                          .toStdString());
  }
  settingCalendar = true;
  calender->setSelectedDate(date);
  settingCalendar = false;
  if (calender->selectedDate() != date) {
    throw EDiaryError(tr("The calendar cannot show this date").toStdString());
  }
}

void TForm1::MoveCalendar(int years, int months) {
  const QDate date = calender->selectedDate();
  int y = date.year() + years;
  int m = date.month() + months;
  if (m < 1) {
    y -= 1;
    m = 12;
  } else if (m > 12) {
    y += 1;
    m = 1;
  }
  int d = date.day();
  if (DaysInMonth(y, m) < d) d = DaysInMonth(y, m);
  SetCalendarDate(y, m, d);
  RefreshForDate();
}

void TForm1::Button_prev_yearClick() { MoveCalendar(-1, 0); }
void TForm1::Button_next_yearClick() { MoveCalendar(1, 0); }
void TForm1::Button_prev_monthClick() { MoveCalendar(0, -1); }
void TForm1::Button_next_monthClick() { MoveCalendar(0, 1); }

void TForm1::Button_todayClick() {
  const QDate now = today();
  SetCalendarDate(now.year(), now.month(), now.day());
  RefreshForDate();
}

void TForm1::calenderClick() { RefreshForDate(); }

void TForm1::Find1Click() {
  if (findWindow == nullptr) {
    findWindow = new TFindWindow(*diary, this);
    PlaceBeside(*findWindow, *this);
  }
  findWindow->show();
  findWindow->raise();
  findWindow->activateWindow();
}

void TForm1::Tags1Click() {
  if (tagsWindow == nullptr) tagsWindow = new TTagsWindow(*diary, prompts, this);
  tagsWindow->show();
  tagsWindow->raise();
  tagsWindow->activateWindow();
}

void TForm1::Expo1Click() { ShowExport(false); }
void TForm1::Prin1Click() { ShowExport(true); }

void TForm1::ShowExport(bool print) {
  // What the text area holds goes to its file first, as for the editor.
  SaveEntryIfModified();
  const QDate shown(calender->yearShown(), calender->monthShown(), 1);
  TExportWindow window(print ? TExportWindow::Mode::kPrint : TExportWindow::Mode::kExport, prompts,
                       saveDir, diary->TabTitles(), shown, shown.addDays(shown.daysInMonth() - 1),
                       this);
  if (exportChoices) window.SetChoices(*exportChoices);
  prompts.ShowDialog(window);
  if (window.result() != QDialog::Accepted) return;
  // A print has no file or format of its own: those of the last export stay.
  TExportChoices chosen = window.Choices();
  if (print) {
    chosen.file = exportChoices ? exportChoices->file : QString();
    chosen.format = exportChoices ? exportChoices->format : 0;
  }
  exportChoices = std::make_shared<TExportChoices>(chosen);
}

void TForm1::ShowFound(const QDate& date, int tab, qsizetype start, qsizetype length) {
  SetCalendarDate(date.year(), date.month(), date.day());
  {
    const QSignalBlocker quiet(tabheader);
    tabheader->setCurrentIndex(tab);
  }
  RefreshForDate();  // the usual save step, then that day's entry
  const marrowleaf::EntryKey shown{static_cast<uint16_t>(date.year()),
                                   static_cast<uint16_t>(date.month()),
                                   static_cast<uint16_t>(date.day()), tab};
  if (!entryLoaded || entryKey != shown) return;
  QTextCursor at(inputarea->document());
  at.setPosition(
      static_cast<int>(std::min<qsizetype>(start, inputarea->document()->characterCount() - 1)));
  at.setPosition(static_cast<int>(std::min<qsizetype>(start + length,
                                                      inputarea->document()->characterCount() - 1)),
                 QTextCursor::KeepAnchor);
  inputarea->setTextCursor(at);
  inputarea->ensureCursorVisible();
}

void TForm1::MoveToDayWithEntry(int step) {
  const QDate from = calender->selectedDate();
  int year = 0;
  int month = 0;
  int day = 0;
  if (!marrowleaf::NearestDayWithEntry(saveDir, diary->TabCount(), from.year(), from.month(),
                                       from.day(), step, year, month, day)) {
    return;  // none in that direction: nothing happens
  }
  SetCalendarDate(year, month, day);
  RefreshForDate();
}
