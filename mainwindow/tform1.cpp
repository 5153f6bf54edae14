// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Creation and destruction of the window, the settings, the date refresh and the event plumbing.
#include "mainwindow/tform1.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "config/settings.h"
#include "diary/diary.h"
#include "mainwindow/diarycalendar.h"
#include "mainwindow/diaryerror.h"
#include "pictures/picturetextedit.h"
#include "spelling/spellchecker.h"
#include "text/dates.h"
#include "widgets/prompts.h"
#include "widgets/windows.h"

TForm1::TForm1(TPrompts& p, TClock clock, QWidget* parent, marrowleaf::SettingsFiles settings)
    : QMainWindow(parent), prompts(p), today(std::move(clock)), settingsFiles(std::move(settings)) {
  watcher = new QFileSystemWatcher(this);
  draftPause = new QTimer(this);
  draftPause->setSingleShot(true);
  draftDir = QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                               QStringLiteral("/drafts"))
                 .toStdString();
  recheck = new QTimer(this);
  recheck->setSingleShot(true);
  recheck->setInterval(100);
  CreateLayout();
  LoadSettings();
  // A diary whose password was not given is neither read nor written: the program ends.
  if (locked) return;
  const QDate now = today();
  SetCalendarDate(now.year(), now.month(), now.day());
  selectedYear = static_cast<uint16_t>(now.year());
  selectedMonth = static_cast<uint16_t>(now.month());
  selectedDay = static_cast<uint16_t>(now.day());
  RefreshForDate();
  ConnectEvents();
}

TForm1::~TForm1() {
  FormDestroy();
  // The save step has run: what the text area goes through as it is taken down (the marks
  // cleared, the document deleted) is no typing, and would bring a given-up draft back.
  disconnect(inputarea->document(), nullptr, this, nullptr);
  // Before the text area it watches.
  delete spelling;
  spelling = nullptr;
}

void TForm1::FormDestroy() {
  if (destroyed) return;
  destroyed = true;
  if (locked) return;  // nothing was read, so nothing is written
  Guard([this] { SaveEntryIfModified(); });
  // No at the end gives the change up; nobody there to answer keeps it in its draft.
  if (saveDeclined && !unattended) Guard([this] { DropDraft(); });
  Guard([this] { SaveSettings(); });
  if (draftWrite.valid()) draftWrite.wait();
}

void TForm1::Exi1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
  if (editorRunning) {
    event->ignore();
    return;
  }
  event->accept();
}

bool TForm1::event(QEvent* event) {
  // Network file systems send no notice: coming back to the window looks at the file again.
  if (event->type() == QEvent::WindowActivate) Guard([this] { CheckShownEntry(); });
  return QMainWindow::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  ApplyStoredOuterSize();
  // The dictionary is loaded once the window is up, on a thread of its own.
  if (!spellingStarted) {
    spellingStarted = true;
    QTimer::singleShot(100, spelling, &TSpellChecker::Start);
  }
}

void TForm1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  ApplyStoredOuterSize();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ApplyStoredOuterSize();
}

void TForm1::ApplyStoredOuterSize() {
  // The stored size is the outer frame's. A window manager frames the window only after it is
  // mapped, and tells the frame's extent then: until it does, the window has the stored size
  // itself (which is right where nothing frames it); once the frame is known, the inner size
  // becomes the stored size less the frame, once.
  if (pendingOuterWidth <= 0 || pendingOuterHeight <= 0 || !isVisible()) return;
  const QSize frame = frameGeometry().size() - size();
  if (frame.isNull()) return;
  const QSize outer(pendingOuterWidth, pendingOuterHeight);
  pendingOuterWidth = pendingOuterHeight = 0;
  resize(outer - frame);
}

void TForm1::LoadSettings() {
  const marrowleaf::Settings s = marrowleaf::LoadSettingsFiles(settingsFiles);
  if (s.width > 0 && s.height > 0) {
    // A rectangle that lies off every screen (a monitor was unplugged) would hide the window, so
    // it is taken as no stored placement at all.
    const QRect stored(s.left, s.top, s.width, s.height);
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
      visible = visible || screen->geometry().intersects(stored);
    }
    if (visible) {
      move(s.left, s.top);
      resize(s.width, s.height);
      pendingOuterWidth = s.width;
      pendingOuterHeight = s.height;
    }
  }
  saveDir = s.saveDir;
  diary = new TDiary(s.saveDir, s.tabNames, settingsFiles, this);
  diary->setObjectName(QStringLiteral("Diary"));
  if (!UnlockAtStart(s)) {
    locked = true;
    return;
  }
  diary->SetUnsavedSource([this]() -> std::optional<marrowleaf::UnsavedEntry> {
    if (!entryLoaded || !textModified) return std::nullopt;
    return marrowleaf::UnsavedEntry{entryKey, InputText()};
  });
  {
    const QSignalBlocker quiet(tabheader);
    for (const QString& title : diary->TabTitles()) tabheader->addTab(title);
  }
  calender->SetDiary(saveDir, diary->TabCount());
  connect(diary, &TDiary::tabsChanged, this, [this] { Guard([this] { TabsAdded(); }); });
  connect(diary, &TDiary::entriesChanged, this,
          [this] { Guard([this] { LookAgainAfterImport(); }); });
  connect(diary, &TDiary::filesRewritten, this,
          [this] { Guard([this] { AdoptRewrittenEntry(); }); });
  connect(diary, &TDiary::showRequested, this,
          [this](const QDate& date, int tab, qsizetype start, qsizetype length) {
            Guard([&] { ShowFound(date, TabToShow(date, tab), start, length); });
            // The entry is shown where the user can see it, in front of the window that asked.
            BringToFront(this);
          });
  inputarea->SetDiary(saveDir);
  inputarea->SetKeep([this](const QString& file, const QImage& image) {
    QString path;
    Guard([&] { path = KeepPicture(file, image); });
    return path;
  });
  editorCommand = s.editor;
  CheckBox_autosave->setChecked(s.autosave);
  spelling = new TSpellChecker(inputarea, QString::fromStdString(s.spellLanguage), this);
  spelling->setObjectName(QStringLiteral("Spelling"));
  connect(spelling, &TSpellChecker::languageChosen, this,
          [this](const QString& choice) { spellChoice = choice.toStdString(); });
  connect(spelling, &TSpellChecker::warning, this,
          [this](const QString& text) { prompts.ShowWarning(this, text); });
  connect(spelling, &TSpellChecker::contextMenuMade, this, &TForm1::AddPictureItems);
}

void TForm1::SaveSettings() {
  // A minimised window keeps its restored rectangle; a maximised one its maximised rectangle.
  QRect outer = frameGeometry();
  if (isMinimized()) {
    const QRect normal = normalGeometry();
    outer = QRect(normal.topLeft(), normal.size() + (frameGeometry().size() - size()));
  }
  marrowleaf::SaveSettingsFiles(settingsFiles,
                                {outer.x(), outer.y(), outer.width(), outer.height()},
                                CheckBox_autosave->isChecked(), spellChoice);
}

int TForm1::DayOfWeek(int year, int month, int day) {
  return marrowleaf::DayOfWeek(year, month, day);
}

int TForm1::DaysInMonth(int year, int month) { return marrowleaf::DaysInMonth(year, month); }

void TForm1::UpdateDateLabel() {
  const QDate now = today();
  Label_date->setText(
      QString::number(now.year()) + QLatin1Char(' ') + QString::number(now.month()) +
      QLatin1Char('/') + QString::number(now.day()) + QStringLiteral(" (") +
      marrowleaf::WeekdayName(DayOfWeek(now.year(), now.month(), now.day()), QLocale()) +
      QLatin1Char(')'));
}

void TForm1::RefreshForDate() {
  // Both save steps may fail on the same text; it is kept and reported once.
  refreshing = true;
  keptInRefresh.reset();
  const std::unique_ptr<void, std::function<void(void*)>> done(this, [this](void*) {
    refreshing = false;
    keptInRefresh.reset();
  });
  SaveEntryIfModified();
  ReadSelectedDate();
  UpdateDateLabel();
  RebuildTabCaptions();
  ReloadEntry();  // runs the save step again: after a No the question comes a second time
  calender->RefreshMarks();
}

void TForm1::Guard(const std::function<void()>& handler) {
  RunShowingExceptions(handler, [this](const QString& message) { prompts.ShowException(message); });
}

void TForm1::ConnectEvents() {
  const auto on = [this](QPushButton* button, void (TForm1::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { Guard([=] { (this->*handler)(); }); });
  };
  on(Button_prev_year, &TForm1::Button_prev_yearClick);
  on(Button_next_year, &TForm1::Button_next_yearClick);
  on(Button_prev_month, &TForm1::Button_prev_monthClick);
  on(Button_next_month, &TForm1::Button_next_monthClick);
  on(Button_today, &TForm1::Button_todayClick);
  on(Button_create, &TForm1::Button_createClick);
  on(Button_launch_editor, &TForm1::Button_launch_editorClick);
  connect(Find1, &QAction::triggered, this, [this] { Guard([this] { Find1Click(); }); });
  connect(Tags1, &QAction::triggered, this, [this] { Guard([this] { Tags1Click(); }); });
  connect(PrevEntryDay, &QAction::triggered, this,
          [this] { Guard([this] { MoveToDayWithEntry(-1); }); });
  connect(NextEntryDay, &QAction::triggered, this,
          [this] { Guard([this] { MoveToDayWithEntry(1); }); });
  connect(Hist1, &QAction::triggered, this, [this] { Guard([this] { Hist1Click(); }); });
  connect(Expo1, &QAction::triggered, this, [this] { Guard([this] { Expo1Click(); }); });
  connect(Prin1, &QAction::triggered, this, [this] { Guard([this] { Prin1Click(); }); });
  connect(Tmpl1, &QAction::triggered, this, [this] { Guard([this] { Tmpl1Click(); }); });
  connect(Look1, &QAction::triggered, this, [this] { Guard([this] { Look1Click(); }); });
  connect(Impo1, &QAction::triggered, this, [this] { Guard([this] { Impo1Click(); }); });
  connect(Encr1, &QAction::triggered, this, [this] { Guard([this] { Encr1Click(); }); });
  connect(Pict1, &QAction::triggered, this, [this] { Guard([this] { Pict1Click(); }); });
  connect(Exi1, &QAction::triggered, this, [this] { Guard([this] { Exi1Click(); }); });
  // Only the user's tab changes arrive here: the program changes tabs with signals blocked.
  connect(tabheader, &QTabBar::currentChanged, this,
          [this] { Guard([this] { tabheaderChange(); }); });
  // Every change of the text, and only that: textChanged is raised by a change of formats alone
  // (the spelling marks) too.
  connect(inputarea->document(), &QTextDocument::contentsChange, this,
          [this] { inputareaChange(); });
  // Another program writing the shown entry: a sync tool, an editor, a second copy of the diary.
  connect(watcher, &QFileSystemWatcher::fileChanged, recheck, [this] {
    watchingFile = false;  // a rename over the file leaves the watch on the old one
    recheck->start();
  });
  connect(watcher, &QFileSystemWatcher::directoryChanged, recheck, [this] {
    watchingFile = false;  // the file may have been made, replaced or removed
    recheck->start();
  });
  connect(recheck, &QTimer::timeout, this, [this] { Guard([this] { CheckShownEntry(); }); });
  connect(draftPause, &QTimer::timeout, this, [this] { Guard([this] { WriteDraftNow(); }); });

  // The calendar's click: any left click released inside it, after the calendar handled it.
  // Every release is seen, wherever it goes: a press in the calendar whose release reaches some
  // other widget (a drag out, a popup, the year field replacing its button) ends the press too.
  QCoreApplication::instance()->installEventFilter(this);
  // A change of the date that no click made (the keyboard, the wheel) refreshes the same way, so
  // the tabs and the text always belong to the date the next path will use.
  connect(calender, &QCalendarWidget::selectionChanged, this, [this] {
    if (settingCalendar || calendarPressed || calendarClickQueued) return;
    Guard([this] { RefreshForDate(); });
  });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // Drafts an earlier run left are told of once the window is on screen: a window manager places
  // it only then, and a message box raised before would open where the window had no place yet
  // (the screen's corner), away from the diary.
  if (type == QEvent::Expose && !draftsAnnounced && watched == windowHandle() &&
      windowHandle()->isExposed()) {
    draftsAnnounced = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          Guard([this] { AnnounceDrafts(); });
          Guard([this] { ResumeConversion(); });
        },
        Qt::QueuedConnection);
  }
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    // Each event is seen once by the widget it reaches and again by every parent it is passed on
    // to; the parents of the calendar say nothing new.
    if (mouse->button() == Qt::LeftButton && widget != nullptr && !widget->isAncestorOf(calender)) {
      const QPoint inside = calender->mapFromGlobal(mouse->globalPosition().toPoint());
      if (type == QEvent::MouseButtonPress) {
        calendarPressed = (widget == calender || calender->isAncestorOf(widget)) &&
                          calender->rect().contains(inside);
      } else if (calendarPressed && !calendarClickQueued) {
        calendarPressed = false;
        if (calender->rect().contains(inside)) {
          // Queued, so that the calendar has handled the release (and moved its date) first.
          calendarClickQueued = true;
          QMetaObject::invokeMethod(
              this,
              [this] {
                calendarClickQueued = false;
                Guard([this] { calenderClick(); });
              },
              Qt::QueuedConnection);
        }
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

const std::vector<std::string>& TForm1::TabNames() const { return diary->TabNames(); }

void TForm1::ShareShownState() { diary->SetShown(entryKey, entryLoaded && textModified); }

void TForm1::SetTextModified(bool modified) {
  textModified = modified;
  ShareShownState();
}

void TForm1::inputareaChange() {
  SetTextModified(true);
  // A draft keeps what the user changed. The program's own texts (a load, "create") are no
  // change of the user's, and setting one reports the emptied text area on its way.
  if (!settingText) ScheduleDraft();
}

void TForm1::tabheaderChange() { ReloadEntry(); }

void TForm1::Button_createClick() { CreateEntry(tabheader->currentIndex()); }
