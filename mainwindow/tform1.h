// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/settings.h"
#include "entries/entryfiles.h"
#include "entries/entrytext.h"

class QAction;
class QCheckBox;
class QFileSystemWatcher;
class QFrame;
class QLabel;
class QImage;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabBar;
class QTimer;
class TDiary;
class TDiaryCalendar;
struct TExportChoices;
class TFindWindow;
class TTagsWindow;
class TLookBackWindow;
class TPictureTextEdit;
class TPrompts;
class TSpellChecker;

// The main window: the calendar and its buttons on the left, the tabs and the text area of the
// shown entry on the right. It owns the editing cycle: the text area belongs to `entryPath`,
// and every change of the shown entry first runs the save step.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // `today` is the clock: the local date of the machine, or a fixed date in tests. `settings`
  // names the files the settings live in (by default config.ini in the current folder).
  using TClock = std::function<QDate()>;
  explicit TForm1(TPrompts& prompts, TClock today = &QDate::currentDate, QWidget* parent = nullptr,
                  marrowleaf::SettingsFiles settings = {});
  ~TForm1() override;  // the destroy event: the save step, then the settings

  // Date refresh and label.
  void RefreshForDate();
  void UpdateDateLabel();
  static int DayOfWeek(int year, int month, int day);
  static int DaysInMonth(int year, int month);

  // Entries.
  void ReadSelectedDate();
  void ComputeEntryPath(int tab);
  bool EntryExists(int tab);
  void CreateEntry(int tab);
  void LoadEntry(int tab);
  void SaveEntryIfModified();
  void ReloadEntry();
  void RebuildTabCaptions();
  // Looks at the shown entry's file again: another program may have written or removed it. An
  // unmodified text area then shows what the file holds; typed text is never replaced.
  void CheckShownEntry();

  // The end of the session, a shutdown or kill: the close path, with nobody there to answer
  // "save?" (`interactive` false): with autosave on the entry is saved, else its text is kept as
  // a draft and the entry is left as it was.
  void EndSession(bool interactive);
  // The desktop asks for unsaved work to be saved; the question is asked where it may be.
  void CommitData(bool interactive);
  // Writes the shown entry's draft now, on the draft writer (waits for it when `wait`).
  void WriteDraftNow(bool wait = false);

  // Event handlers.
  void Button_prev_yearClick();
  void Button_next_yearClick();
  void Button_prev_monthClick();
  void Button_next_monthClick();
  void Button_todayClick();
  void calenderClick();
  void tabheaderChange();
  void inputareaChange();
  void Button_createClick();
  void Button_launch_editorClick();
  void Hist1Click();
  void Find1Click();
  void Tags1Click();
  void Expo1Click();
  void Prin1Click();
  void Tmpl1Click();
  void Look1Click();
  void Impo1Click();
  // File, Encryption…: encrypting the diary, its password, decrypting it.
  void Encr1Click();
  // File, Insert Picture…: a picture file chosen, kept with the shown entry and linked at the
  // cursor.
  void Pict1Click();
  // Alt+Left, Alt+Right: the previous (-1) or next (+1) day that holds an entry, through the
  // save step; nothing happens when there is none.
  void MoveToDayWithEntry(int step);
  // Shows the entry of `date` and `tab` through the save step, with [start, start + length) of
  // its text selected: where a search found it.
  void ShowFound(const QDate& date, int tab, qsizetype start, qsizetype length);
  void Exi1Click();
  void FormDestroy();

  // False where the diary is encrypted and its password was not given: the window then reads and
  // writes nothing, and the program ends without showing it.
  bool Unlocked() const { return !locked; }

  // State, read by tests.
  const std::string& EntryPathValue() const { return entryPath; }
  bool EntryLoaded() const { return entryLoaded; }
  bool TextModified() const { return textModified; }
  const std::vector<std::string>& TabNames() const;
  // The diary every window of this one looks at.
  TDiary& Diary() const { return *diary; }
  const std::string& EditorCommand() const { return editorCommand; }
  const marrowleaf::EntryFormat& ShownFormat() const { return entryFormat; }
  // Where drafts go; empty keeps none (for measuring typing without them).
  void SetDraftFolder(const std::string& dir) { draftDir = dir; }
  // How long a draft waits after a change, and at most while changes go on (2 s and 10 s).
  void SetDraftDelays(int pauseMs, int atMostMs);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateLayout();
  void CreateLeftPanel();
  void CreateRightPanel();
  void CreateMenu();
  void FitCaptions();
  void ConnectEvents();
  void LoadSettings();
  void ApplyStoredOuterSize();
  void SaveSettings();

  // Runs a handler; an exception it raises goes to the application's exception display, and the
  // handler's remaining steps are skipped.
  void Guard(const std::function<void()>& handler);
  void MoveCalendar(int years, int months);
  void SetCalendarDate(int year, int month, int day);
  void SetInputText(const QString& text);
  QString InputText() const;
  void SetEntryLoaded(bool loaded);
  void KeepFailedSave(const std::string& error);
  void RestoreText(const QString& text);
  void WatchShownEntry();
  void ScheduleDraft();
  void StopDraftTimers();
  void DropDraft();
  void AnnounceDrafts();
  std::string DraftEntryPath() const;
  void ReloadKeepingPlace();
  void ShowExport(bool print);
  // "create" where a template applies: what became of the new entry.
  enum class TemplateStart {
    kNoTemplate,  // none applies, or it could not be used: the entry is made as without one
    kWritten,     // the new entry holds the filled template
    kEmpty,       // the new entry was made without its text (a warning said why)
    kExisted,     // another program made the entry meanwhile: nothing was created
  };
  TemplateStart CreateFromTemplate(const marrowleaf::EntryKey& key);
  void PlaceCursorAtFirstEmptyLine();
  QString EntryDescription() const;  // "the entry of 7 Mar 2004, tab "Diary""
  // "7 Mar 2004, tab "Diary"", the date in the locale's short form: the shown entry, or another.
  QString EntryName() const;
  QString EntryName(const marrowleaf::EntryKey& key) const;
  void TabsAdded();  // the diary has new tabs
  // The tab to show of `date` for a window that asked for `tab` (-1: the day alone).
  int TabToShow(const QDate& date, int tab) const;
  // A picture pasted, dropped or chosen (a file, or image data where `file` is empty), kept in
  // the shown entry's attachments: its path in the diary, or empty where the user was told why
  // not.
  QString KeepPicture(const QString& file, const QImage& image);
  void AddPictureItems(QMenu* menu, int position);  // the text area's context menu
  void LookAgainAfterImport();
  // An encrypted diary asks for its password before anything of it is read; false when none
  // that opens it was given.
  bool UnlockAtStart(const marrowleaf::Settings& settings);
  // A conversion this device began and did not finish goes on.
  void ResumeConversion();
  // The shown entry's file was written anew with the same text: what is known of its bytes
  // follows, so that its next save sees no other program's change.
  void AdoptRewrittenEntry();
  // Where this device notes a conversion under way.
  std::string ConversionNoteDir() const;
  // Tells the diary which entry is shown and whether it holds unsaved changes, whenever either
  // may have changed.
  void ShareShownState();
  void SetTextModified(bool modified);

  TPrompts& prompts;
  TClock today;

  // Controls.
  QFrame* Panel1 = nullptr;
  QWidget* Panel2 = nullptr;
  QLabel* Label_date = nullptr;
  TDiaryCalendar* calender = nullptr;
  QPushButton* Button_prev_year = nullptr;
  QPushButton* Button_next_year = nullptr;
  QPushButton* Button_prev_month = nullptr;
  QPushButton* Button_next_month = nullptr;
  QPushButton* Button_today = nullptr;
  QPushButton* Button_launch_editor = nullptr;
  QPushButton* Button_create = nullptr;
  QCheckBox* CheckBox_autosave = nullptr;
  QTabBar* tabheader = nullptr;
  TPictureTextEdit* inputarea = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QMenu* N1 = nullptr;
  QAction* Find1 = nullptr;
  QAction* Tags1 = nullptr;
  QAction* PrevEntryDay = nullptr;  // Alt+Left, on the window, not in the menu
  QAction* NextEntryDay = nullptr;  // Alt+Right
  QAction* Hist1 = nullptr;
  QAction* Expo1 = nullptr;
  QAction* Prin1 = nullptr;
  QAction* Tmpl1 = nullptr;
  QAction* Look1 = nullptr;
  QAction* Impo1 = nullptr;
  QAction* Encr1 = nullptr;
  QAction* Pict1 = nullptr;
  QAction* Exi1 = nullptr;

  // Members.
  marrowleaf::SettingsFiles settingsFiles;
  std::string saveDir;
  std::string entryPath;
  marrowleaf::EntryKey entryKey;  // the entry entryPath names, for messages and recovery files
  marrowleaf::EntryFormat entryFormat;    // how the shown entry's bytes became its text
  marrowleaf::EntryState entryState;      // the shown entry's file as last loaded or saved
  QFileSystemWatcher* watcher = nullptr;  // the shown entry's file and its month folder
  QTimer* recheck = nullptr;              // one look after a burst of notices
  TFindWindow* findWindow = nullptr;      // made on first use
  TTagsWindow* tagsWindow = nullptr;      // made on first use
  TSpellChecker* spelling = nullptr;      // the text area's spelling
  bool spellingStarted = false;
  TLookBackWindow* lookBackWindow = nullptr;  // made on first use
  // The last export's file and format, which the next one of this run starts from.
  std::shared_ptr<TExportChoices> exportChoices;
  std::string spellChoice;  // a language chosen in the menu this run, or "off": kept at the end
  std::string watchedPath;  // the entry the watches are for
  std::string draftDir;     // where drafts of typed text are kept
  QTimer* draftPause = nullptr;  // a draft once typing pauses
  QElapsedTimer draftDue;        // since the first change not in a draft yet
  int draftPauseMs = 2000;       // after typing pauses
  int draftAtMostMs = 10000;     // while typing goes on
  // The text the shown entry's file holds (up to its NUL), as loaded or saved: a text typed back
  // to it needs no draft.
  uint64_t savedTextHash = 0;
  std::future<void> draftWrite;  // the draft writer at work
  bool watchingFile = false;     // false once a notice says its file may be gone
  std::string editorCommand;
  TDiary* diary = nullptr;  // the save folder and the tabs, shared with every window
  uint16_t selectedYear = 0;
  uint16_t selectedMonth = 0;
  uint16_t selectedDay = 0;
  bool entryLoaded = false;
  bool textModified = false;
  bool locked = false;        // encrypted, and no password given: nothing is read or written
  bool entryDamaged = false;  // the shown entry's file is there, sealed, and does not open
  bool conversionResumed = false;
  bool settingText = false;   // the program sets the text area's text: no typing of the user's
  bool saveDeclined = false;  // the last "save?" was answered No
  // During a date refresh, the bytes a failed save of it kept in a recovery file.
  bool refreshing = false;
  std::optional<std::string> keptInRefresh;

  // Event plumbing.
  bool settingCalendar = false;  // the program is moving the calendar: not a user's change
  bool calendarPressed = false;  // a left button went down inside the calendar
  bool calendarClickQueued = false;
  bool editorRunning = false;     // the window takes no input until the editor exits
  bool editorReturnTold = false;  // an editor that returned at once is told of once a run
  bool unattended = false;        // ending with nobody there to answer a question
  bool draftsAnnounced = false;   // the drafts of an earlier run were told of
  bool destroyed = false;
  int pendingOuterWidth = 0;  // the stored outer size, applied once the frame is known
  int pendingOuterHeight = 0;
};
