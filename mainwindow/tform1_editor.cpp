// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The external editor: it works on the entry file itself while the window waits.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <memory>

#include "diary/diary.h"
#include "entries/history.h"
#include "mainwindow/diarycalendar.h"
#include "mainwindow/editorlaunch.h"
#include "mainwindow/tform1.h"
#include "widgets/prompts.h"

namespace {

// What a user needs to know to set an editor that works: where the setting lives and that the
// editor must stay open until the user is done.
QString EditorAdvice(const marrowleaf::SettingsFiles& settings) {
  return TForm1::tr(
             "The editor is set by the key EDITOR in the section [GENERAL] of\n%1\nThe "
             "editor must stay open until you are done with the entry, for example\n"
             "EDITOR = gedit --wait, kate --block, gvim -f or code --wait.")
      .arg(QDir::current().absoluteFilePath(
          QFile::decodeName(settings.FileOf("GENERAL", "EDITOR").c_str())));
}

}  // namespace

void TForm1::Button_launch_editorClick() {
  const int tab = tabheader->currentIndex();
  // The editor opens what the window shows: typed text is saved first (or, after a No, given up
  // when the entry is reloaded below).
  SaveEntryIfModified();
  CreateEntry(tab);
  ComputeEntryPath(tab);
  // Only the editor command is split at blanks; the entry's path is one argument, whatever it
  // holds, exactly the bytes the program itself opens.
  std::vector<std::string> argv = SplitCommandLine(editorCommand);
  if (argv.empty()) {
    prompts.ShowWarning(this,
                        tr("No editor is set.") + QLatin1Char('\n') + EditorAdvice(settingsFiles));
    SaveEntryIfModified();
    return;
  }
  // A link out of the diary is shown, never written, and an editor would write through it.
  if (marrowleaf::EntryLeavesDiary(saveDir, entryPath)) {
    prompts.ShowWarning(this, tr("%1 is a link to a file outside the diary. It is shown read-only "
                                 "and not handed to an editor.")
                                  .arg(EntryDescription()));
    return;
  }
  // An encrypted entry is never decrypted where the diary lies: the editor gets its text in a
  // folder of this user's alone under the runtime folder (memory, on most systems), which goes
  // as soon as the editor returns.
  std::unique_ptr<QTemporaryDir> plainFolder;
  std::string edited = entryPath;
  std::string handedText;
  if (diary->Encrypted()) {
    const marrowleaf::EntryRead read = marrowleaf::ReadEntryFile(entryPath);
    if (!read.ok) {
      prompts.ShowWarning(
          this, tr("%1 cannot be read, and is not handed to an editor.").arg(EntryDescription()));
      return;
    }
    plainFolder = std::make_unique<QTemporaryDir>(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
        QStringLiteral("/marrowleaf-XXXXXX"));
    edited = plainFolder->isValid() ? QFile::encodeName(plainFolder->path()).toStdString() + '/' +
                                          marrowleaf::EntryFlatName(entryKey) + ".txt"
                                    : std::string();
    if (edited.empty() || !marrowleaf::WriteNewPrivateFile(edited, read.text).ok) {
      prompts.ShowWarning(this, tr("No private folder could be made for the editor's copy of %1.")
                                    .arg(EntryDescription()));
      return;
    }
    handedText = read.text;
  } else {
    // The editor may write anything over the entry: the bytes it is handed are kept first.
    const marrowleaf::WholeFile handed = marrowleaf::ReadWholeFile(entryPath);
    if (handed.complete) {
      const marrowleaf::SaveOutcome kept = marrowleaf::KeepVersion(
          saveDir, entryKey, std::string_view(handed.bytes.get(), handed.size));
      if (!kept.ok) {
        prompts.ShowWarning(this, tr("The text of %1 could not be kept in its history:\n%2")
                                      .arg(EntryDescription(), QString::fromStdString(kept.error)));
      }
    }
    // Editors take the NUL that ends a saved entry for binary data: they get the text alone,
    // which the window reads back the same. Should that fail, the editor gets the file as it is.
    marrowleaf::HandEntryToEditor(entryPath);
  }
  argv.push_back(edited);
  const marrowleaf::FileState handedState = marrowleaf::RegularFileState(edited);
  QElapsedTimer running;
  running.start();
  editorRunning = true;
  const EditorRun run = RunAndWait(argv, this);
  editorRunning = false;
  const bool untouched = marrowleaf::RegularFileState(edited) == handedState;
  if (plainFolder) {
    // What the editor saved goes into the entry through the save step, sealed, the text it
    // replaced into the history; then the plain copy goes, with whatever else the editor left
    // beside it.
    const marrowleaf::WholeFile back = marrowleaf::ReadWholeFile(edited);
    const std::string_view text =
        back.complete ? marrowleaf::EntryTextOf(std::string_view(back.bytes.get(), back.size))
                      : std::string_view(handedText);
    if (text != handedText) {
      const marrowleaf::EntrySave saved =
          marrowleaf::SaveEntryKeepingHistory(saveDir, entryKey, text, &entryState);
      if (!saved.entry.ok) {
        prompts.ShowWarning(
            this, tr("Could not save %1:\n%2")
                      .arg(EntryDescription(), QString::fromStdString(saved.entry.error)));
      }
    }
    marrowleaf::RemoveFile(edited);
    plainFolder.reset();
  }
  const QString program = marrowleaf::DecodeText(argv.front());
  // An editor that fails (one for a terminal, started from a desktop without one) changes
  // nothing, and says so only on a terminal the user may not see.
  if (run.started && untouched && (run.crashed || run.exitCode != 0)) {
    const QString why =
        run.crashed
            ? tr("The editor \"%1\" ended abnormally and left the entry unchanged.").arg(program)
            : tr("The editor \"%1\" ended with exit status %2 and left the entry unchanged.")
                  .arg(program)
                  .arg(run.exitCode);
    prompts.ShowWarning(this, why + QLatin1Char('\n') + EditorAdvice(settingsFiles));
  } else if (run.started && running.elapsed() < 1000 && untouched && diary->Encrypted()) {
    // Its copy is gone: what such an editor saves later would never reach the diary.
    prompts.ShowWarning(this, tr("The editor returned at once, and its copy of the encrypted "
                                 "entry is removed: what it saves now is lost. Set an editor that "
                                 "stays open until you are done.") +
                                  QLatin1Char('\n') + EditorAdvice(settingsFiles));
  } else if (run.started && running.elapsed() < 1000 && !editorReturnTold && untouched) {
    // An editor already open elsewhere takes the file over and returns at once: what it saves
    // later reaches the window through the watch on the entry.
    editorReturnTold = true;
    prompts.ShowWarning(this, tr("The editor returned at once; it may still be open in a window "
                                 "of its own.\nThe diary shows what it saves there as soon as it "
                                 "is saved."));
  }
  calender->RefreshMarks();  // the editor may have made or removed files
  if (!run.started) {
    QString why;
    if (run.notFound) {
      why = tr("No program named \"%1\" was found.").arg(program);
    } else {
      why = tr("Could not start the editor \"%1\": %2").arg(program, run.error);
    }
    prompts.ShowWarning(this, why + QLatin1Char('\n') + EditorAdvice(settingsFiles));
  }
  // What the editor wrote is what the window shows now; the save step then finds nothing to do.
  entryLoaded = EntryExists(tab);
  LoadEntry(tab);
  RebuildTabCaptions();
  SaveEntryIfModified();
}
