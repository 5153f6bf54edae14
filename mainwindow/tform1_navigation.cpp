// Date navigation: the four arrow buttons, "today" and the calendar's click.
#include <QCalendarWidget>
#include <QDate>

#include "mainwindow/prompts.h"
#include "mainwindow/tform1.h"

void TForm1::SetCalendarDate(int year, int month, int day) {
  const QDate date(year, month, day);
  // The handlers check no bounds: a date outside the years 1 to 9999 is no date at all.
  if (year < 1 || year > 9999 || !date.isValid()) {
    throw EDiaryError("Invalid date: year " + std::to_string(year) + ", month " +
                      std::to_string(month) + ", day " + std::to_string(day));
  }
  settingCalendar = true;
  calender->setSelectedDate(date);
  settingCalendar = false;
  if (calender->selectedDate() != date) throw EDiaryError("The calendar cannot show this date");
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
  const QDate today = QDate::currentDate();
  SetCalendarDate(today.year(), today.month(), today.day());
  RefreshForDate();
}

void TForm1::calenderClick() { RefreshForDate(); }
