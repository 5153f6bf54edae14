// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry cycle: which file the text area belongs to, loading, creating and the save step.
#include <QAccessible>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "diary/diary.h"
#include "entries/drafts.h"
#include "entries/entrytext.h"
#include "entries/history.h"
#include "history/historywindow.h"
#include "mainwindow/diarycalendar.h"
#include "mainwindow/tform1.h"
#include "pictures/picturetextedit.h"
#include "spelling/spellchecker.h"
#include "text/dates.h"
#include "widgets/prompts.h"

void TForm1::ReadSelectedDate() {
  const QDate date = calender->selectedDate();
  selectedYear = static_cast<uint16_t>(date.year());
  selectedMonth = static_cast<uint16_t>(date.month());
  selectedDay = static_cast<uint16_t>(date.day());
}

void TForm1::ComputeEntryPath(int tab) {
  ReadSelectedDate();
  entryKey = {selectedYear, selectedMonth, selectedDay, tab};
  ShareShownState();
  entryPath = marrowleaf::EntryPath(saveDir, entryKey);
}

bool TForm1::EntryExists(int tab) {
  ReadSelectedDate();
  return marrowleaf::IsFile(
      marrowleaf::EntryPath(saveDir, {selectedYear, selectedMonth, selectedDay, tab}));
}

void TForm1::CreateEntry(int tab) {
  ReadSelectedDate();
  const marrowleaf::EntryKey key{selectedYear, selectedMonth, selectedDay, tab};
  // Typed text whose file vanished meanwhile stays, and no template replaces it: the new, empty
  // file is where it will be saved.
  const bool typed = entryLoaded && textModified;
  const TemplateStart start = typed ? TemplateStart::kNoTemplate : CreateFromTemplate(key);
  const bool created = start == TemplateStart::kNoTemplate
                           ? marrowleaf::CreateMissingEntry(saveDir, key)
                           : start != TemplateStart::kExisted;
  ComputeEntryPath(tab);
  const bool keepTyped = created && typed && entryPath == marrowleaf::EntryPath(saveDir, entryKey);
  if (created) savedTextHash = marrowleaf::HashBytes({});
  if (start == TemplateStart::kWritten) {
    // What the file now holds is shown, as any loaded entry: unmodified, ready for the answers.
    entryLoaded = true;
    LoadEntry(tab);
    PlaceCursorAtFirstEmptyLine();
  } else if (created && !keepTyped) {
    // Even if the file could not be made the entry counts as loaded: its saves then fail, and a
    // failed save keeps the text in a recovery file.
    SetInputText(QString());
    inputarea->setAccessibleName(tr("Entry of %1").arg(EntryName()));
    entryFormat = marrowleaf::EntryFormat();  // a new entry is written in UTF-8
    SetEntryLoaded(true);
    SetTextModified(false);
    // The next keys are the entry's first words, not lost on the button.
    inputarea->setFocus();
  }
  RebuildTabCaptions();
  calender->RefreshMarks();
}

void TForm1::LoadEntry(int tab) {
  if (entryLoaded && textModified) DropDraft();  // the change is given up: the load replaces it
  StopDraftTimers();                             // nothing of the new entry is changed yet
  ComputeEntryPath(tab);
  inputarea->RetryPictures();  // a sync may have brought a picture that was missing
  const marrowleaf::EntryRead read = marrowleaf::ReadEntryFile(entryPath);
  entryDamaged = !read.ok && read.opening != marrowleaf::Opening::kPlain;
  if (entryDamaged) {
    // Encrypted, and it does not open: nothing is shown as its text and nothing typed may be
    // saved over it; its history holds what it held before.
    QString why;
    if (read.opening == marrowleaf::Opening::kNeedsKey) {
      why =
          tr("This entry cannot be read: it is encrypted, and the diary has no key file "
             "(marrowleaf.key) to open it with. Bring the key file back from a copy of the "
             "diary or another device, then start the diary again.");
    } else if (read.opening == marrowleaf::Opening::kOtherKey) {
      why =
          tr("This entry cannot be read: it is encrypted with a key that the diary's password "
             "does not open (another device's password, or another diary's). Its earlier "
             "versions are in File, History.");
    } else {
      why =
          tr("This entry cannot be read: its encrypted file is damaged (changed or cut short "
             "since it was written). Its earlier versions are in File, History, where one can "
             "be restored.");
    }
    SetInputText(why);
    inputarea->setAccessibleName(tr("Entry of %1, cannot be read").arg(EntryName()));
    entryFormat = marrowleaf::EntryFormat();
    entryState = read.state;  // looked at again only once another program writes it
    SetEntryLoaded(false);
    SetTextModified(false);
    WatchShownEntry();
    return;
  }
  if (!read.ok) {
    SetInputText(tr("File does not exist. push 'create' button."));
    inputarea->setAccessibleName(tr("No entry yet for %1").arg(EntryName()));
    entryFormat = marrowleaf::EntryFormat();
    entryState = {};  // no file shown: any file that turns up there is news
    SetEntryLoaded(false);
    SetTextModified(false);
    WatchShownEntry();
    return;
  }
  entryState = read.state;
  savedTextHash = marrowleaf::HashBytes(read.text);
  marrowleaf::EntryText shown = marrowleaf::EntryBytesToText(read.text);
  SetInputText(shown.text);
  entryFormat = shown.format;
  SetTextModified(false);
  // The caller decided; the text area follows. An entry that may be read but not written is
  // shown, and kept out of every save: nothing typed there could ever be saved. So is one that
  // links out of the diary, which a save would write through.
  const bool outside = marrowleaf::EntryLeavesDiary(saveDir, entryPath);
  SetEntryLoaded(entryLoaded && !read.readOnly && !outside);
  WatchShownEntry();
  // A screen reader hears the text area's new name: which entry it now shows.
  inputarea->setAccessibleName(
      (outside         ? tr("Entry of %1, read-only: a link to a file outside the diary")
       : read.readOnly ? tr("Entry of %1, read-only")
                       : tr("Entry of %1"))
          .arg(EntryName()));
}

void TForm1::SaveEntryIfModified() {
  saveDeclined = false;
  if (!entryLoaded || !textModified) return;
  // Nobody there to answer: without autosave the typed text waits in its draft for a Yes.
  if (unattended && !CheckBox_autosave->isChecked()) {
    WriteDraftNow(true);
    return;
  }
  if (!CheckBox_autosave->isChecked() && !prompts.AskSave(this)) {
    saveDeclined = true;  // No: stays modified
    return;
  }
  marrowleaf::EntryFormat format = entryFormat;
  // An entry deleted meanwhile by another program is made again for the user's text.
  if (!marrowleaf::IsFile(entryPath)) marrowleaf::CreateMissingEntry(saveDir, entryKey);
  // The bytes the save replaces go into the entry's history first; bytes another program wrote
  // since the load are kept there as written elsewhere.
  const std::string bytes = marrowleaf::EntryTextToBytes(InputText(), format);
  const marrowleaf::EntrySave saved =
      marrowleaf::SaveEntryKeepingHistory(saveDir, entryKey, bytes, &entryState);
  if (saved.displaced) {
    prompts.ShowWarning(this, tr("Another program had changed %1 since it was shown.\nYour text "
                                 "was saved; the other version is in the entry's history (File, "
                                 "History).")
                                  .arg(EntryDescription()));
  }
  if (!saved.version.ok) {
    prompts.ShowWarning(this,
                        tr("The text that %1 held before could not be kept in its history:\n%2")
                            .arg(EntryDescription(), QString::fromStdString(saved.version.error)));
  }
  if (saved.entry.ok) {
    entryFormat = format;  // a fall back to UTF-8 holds from now on
    entryState = saved.state;
    savedTextHash = marrowleaf::HashBytes(bytes);
    inputarea->setAccessibleDescription(
        tr("The text of the shown entry, saved; the text it replaced is in its history"));
    SetTextModified(false);
    DropDraft();
    WatchShownEntry();
    return;
  }
  KeepFailedSave(saved.entry.error);  // the text stays modified, as after any failed save
}

void TForm1::ReloadEntry() {
  SaveEntryIfModified();
  if (entryLoaded && textModified) DropDraft();  // the change is given up: the load replaces it
  const int tab = tabheader->currentIndex();
  entryLoaded = EntryExists(tab);
  LoadEntry(tab);
}

void TForm1::RebuildTabCaptions() {
  const QSignalBlocker quiet(tabheader);
  const int selected = tabheader->currentIndex();
  const int count = diary->TabCount();
  // Setting the captions in place looks exactly like removing and re-adding the tabs, and keeps
  // the strip from laying itself out once per tab.
  if (tabheader->count() != count) {
    while (tabheader->count() > 0) tabheader->removeTab(0);
    for (int i = 0; i < count; ++i) tabheader->addTab(QString());
  }
  for (int i = 0; i < count; ++i) {
    const QString& name = diary->TabTitles()[i];
    const QString caption = EntryExists(i) ? QLatin1Char('+') + name : name;
    if (tabheader->tabText(i) != caption) {
      tabheader->setTabText(i, caption);
      // The "+" that "create" adds (or a vanished entry takes away) is announced.
      QAccessibleEvent changed(tabheader, QAccessible::NameChanged);
      changed.setChild(i);
      QAccessible::updateAccessibility(&changed);
    }
  }
  tabheader->setCurrentIndex(selected);
}

void TForm1::SetInputText(const QString& text) {
  // Setting the same text raises no change event; a different one does. The document counts
  // its characters (a line break as one, plus one at its end) without building its text, so a
  // text of another length needs no comparison.
  if (inputarea->document()->characterCount() - 1 == text.size() && InputText() == text) return;
  const QScopedValueRollback<bool> program(settingText, true);
  inputarea->setPlainText(text);
}

QString TForm1::InputText() const {
  // toPlainText() would turn non-breaking spaces into plain ones; the raw text keeps every
  // character and marks only the line breaks.
  QString text = inputarea->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text;
}

void TForm1::SetEntryLoaded(bool loaded) {
  entryLoaded = loaded;
  ShareShownState();
  // Typing where no entry is loaded could never be saved, so the text area takes none, and
  // spelling marks only what the user can change.
  inputarea->setReadOnly(!loaded);
  Pict1->setEnabled(loaded);
  if (spelling != nullptr) spelling->SetActive(loaded);
}

QString TForm1::EntryName() const { return EntryName(entryKey); }

QString TForm1::EntryName(const marrowleaf::EntryKey& key) const {
  const QString name = diary->TabTitle(key.tab);
  return tr("%1, tab \"%2\"")
      .arg(marrowleaf::ShortDate(QDate(key.year, key.month, key.day), QLocale()), name);
}

QString TForm1::EntryDescription() const { return tr("the entry of %1").arg(EntryName()); }

void TForm1::KeepFailedSave(const std::string& error) {
  if (diary->Encrypted() && !draftDir.empty()) {
    // A recovery file is for opening by hand, and would hold the text in plain: an encrypted
    // diary keeps it sealed in the entry's draft, which its history shows and restores.
    marrowleaf::EntryFormat format = entryFormat;
    const marrowleaf::SaveOutcome kept = marrowleaf::WriteDraft(
        draftDir, DraftEntryPath(), marrowleaf::EntryTextToBytes(InputText(), format));
    QString text =
        tr("Could not save %1:\n%2").arg(EntryDescription(), QString::fromStdString(error)) +
        QStringLiteral("\n\n");
    text += kept.ok ? tr("The text was kept, encrypted, as unsaved text in the entry's history "
                         "(File, History).")
                    : tr("The text could not be kept either (%1). Copy it out of the window "
                         "before another entry is shown.")
                          .arg(QString::fromStdString(kept.error));
    if (refreshing) {
      if (keptInRefresh == error) return;
      keptInRefresh = error;
    }
    prompts.ShowWarning(this, text);
    return;
  }
  const std::string dir = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                              .filePath(QStringLiteral("recovered"))
                              .toStdString();
  marrowleaf::EntryFormat format = entryFormat;
  const std::string bytes = marrowleaf::EntryTextToBytes(InputText(), format);
  if (refreshing) {
    if (keptInRefresh == bytes) return;  // kept and reported a moment ago
    keptInRefresh = bytes;
  }
  const marrowleaf::RecoveryCopy kept = marrowleaf::KeepRecoveryCopy(dir, entryKey, bytes);
  QString text =
      tr("Could not save %1:\n%2").arg(EntryDescription(), QString::fromStdString(error)) +
      QStringLiteral("\n\n");
  if (kept.outcome.ok) {
    text += tr("The text was kept in\n%1").arg(QString::fromStdString(kept.path));
    inputarea->setAccessibleDescription(
        tr("The text of the shown entry, not saved; kept in a recovery file"));
  } else {
    text += tr("The text could not be kept either (%1). Copy it out of the window before another "
               "entry is shown.")
                .arg(QString::fromStdString(kept.outcome.error));
  }
  prompts.ShowWarning(this, text);
}

void TForm1::Hist1Click() {
  const marrowleaf::Draft draft =
      entryPath.empty() ? marrowleaf::Draft() : marrowleaf::FindDraft(draftDir, DraftEntryPath());
  THistoryWindow window(saveDir, entryKey, entryLoaded || entryDamaged, EntryDescription(),
                        draft.path.empty() ? nullptr : &draft, this);
  connect(&window, &THistoryWindow::restoreRequested, this, &TForm1::RestoreText);
  prompts.ShowDialog(window);
}

void TForm1::RestoreText(const QString& text) {
  // As if typed: the text area's change marks the entry modified, and only the save step
  // writes it (keeping the text it replaces in the history); its draft keeps it meanwhile. A
  // damaged entry takes the restored text so: its bytes go into its history.
  if (entryDamaged) {
    entryDamaged = false;
    SetEntryLoaded(true);
    inputarea->setAccessibleName(tr("Entry of %1").arg(EntryName()));
  }
  if (!entryLoaded) return;
  SetInputText(text);
  ScheduleDraft();
}

void TForm1::WatchShownEntry() {
  // An atomic replace gives the file a new inode, which a watch on the file alone misses: the
  // month folder is watched too. Watches change only when the shown entry does, or when a
  // notice says the watched file may be gone.
  if (entryPath == watchedPath && watchingFile) return;
  const QString file = QFile::decodeName(QByteArray::fromStdString(entryPath));
  const QString folder = QFileInfo(file).path();
  if (entryPath != watchedPath) {
    const QStringList old = watcher->files() + watcher->directories();
    if (!old.isEmpty()) watcher->removePaths(old);
    if (marrowleaf::IsDirectory(entryPath.substr(0, entryPath.rfind('/')))) {
      watcher->addPath(folder);
    }
    watchedPath = entryPath;
  }
  watcher->removePath(file);
  watchingFile = marrowleaf::IsFile(entryPath) && watcher->addPath(file);
}

void TForm1::CheckShownEntry() {
  if (editorRunning || destroyed || entryPath.empty()) return;
  WatchShownEntry();
  const marrowleaf::EntryChange change = marrowleaf::CheckEntry(entryPath, entryState);
  if (change == marrowleaf::EntryChange::kSame) return;
  // Typed text is never replaced: a modified text area waits for its save step, which keeps
  // the other program's text in the history. A vanished file is made again by that save.
  if (!textModified) ReloadKeepingPlace();
  RebuildTabCaptions();
  calender->RefreshMarks();
}

void TForm1::ReloadKeepingPlace() {
  QScrollBar* bar = inputarea->verticalScrollBar();
  const int scroll = bar->value();
  const int cursor = inputarea->textCursor().position();
  entryLoaded = marrowleaf::IsFile(entryPath);
  LoadEntry(entryKey.tab);
  QTextCursor at = inputarea->textCursor();
  at.setPosition(std::min(cursor, inputarea->document()->characterCount() - 1));
  inputarea->setTextCursor(at);
  bar->setValue(std::min(scroll, bar->maximum()));
}
