// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drafts of typed text, and the ends of a session: typed text survives a logout, a shutdown, a
// kill and a crash, but is never written over its entry without a Yes.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTimer>
#include <chrono>
#include <optional>

#include "entries/drafts.h"
#include "entries/entrytext.h"
#include "mainwindow/tform1.h"
#include "widgets/prompts.h"

std::string TForm1::DraftEntryPath() const {
  if (!entryPath.empty() && entryPath.front() == '/') return entryPath;
  return QFile::encodeName(QDir::currentPath()).toStdString() + '/' + entryPath;
}

void TForm1::SetDraftDelays(int pauseMs, int atMostMs) {
  draftPauseMs = pauseMs;
  draftAtMostMs = atMostMs;
}

void TForm1::ScheduleDraft() {
  if (!entryLoaded || !textModified || draftDir.empty()) return;
  if (!draftDue.isValid()) draftDue.start();
  if (draftDue.elapsed() >= draftAtMostMs) {
    WriteDraftNow();
  } else {
    draftPause->start(draftPauseMs);
  }
}

void TForm1::StopDraftTimers() {
  draftPause->stop();
  draftDue.invalidate();
}

void TForm1::WriteDraftNow(bool wait) {
  draftPause->stop();
  if (!entryLoaded || !textModified || draftDir.empty()) return;
  if (draftWrite.valid()) {
    if (wait) {
      draftWrite.wait();
    } else if (draftWrite.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
      draftPause->start(draftPauseMs / 4);  // the last one is still at the disk: soon again
      return;
    }
  }
  draftDue.invalidate();
  // The text is taken here (the document lives on this thread); turning it into bytes and
  // writing them happens on the draft writer, so a keystroke never waits on the disk.
  const QString text = InputText();
  marrowleaf::EntryFormat format = entryFormat;
  const std::string dir = draftDir;
  const std::string entry = DraftEntryPath();
  const uint64_t saved = savedTextHash;
  draftWrite = std::async(std::launch::async, [text, format, dir, entry, saved]() mutable {
    marrowleaf::UpdateDraft(dir, entry, marrowleaf::EntryTextToBytes(text, format), saved);
  });
  if (wait) draftWrite.wait();
}

void TForm1::DropDraft() {
  StopDraftTimers();
  if (draftWrite.valid()) draftWrite.wait();  // a write under way would bring it back
  if (!draftDir.empty() && !entryPath.empty()) marrowleaf::RemoveDraft(draftDir, DraftEntryPath());
}

void TForm1::EndSession(bool interactive) {
  unattended = !interactive;
  close();
}

void TForm1::CommitData(bool interactive) {
  unattended = !interactive;
  Guard([this] { SaveEntryIfModified(); });
  unattended = false;
}

void TForm1::AnnounceDrafts() {
  if (draftDir.empty()) return;
  const std::string folder =
      saveDir.front() == '/' ? saveDir
                             : QFile::encodeName(QDir::currentPath()).toStdString() + '/' + saveDir;
  QStringList entries;
  for (const marrowleaf::Draft& draft : marrowleaf::ListDrafts(draftDir)) {
    // Drafts of other diaries stay for those diaries.
    if (draft.entryPath.rfind(folder + '/', 0) != 0) continue;
    const marrowleaf::EntryRead now = marrowleaf::ReadEntryFile(draft.entryPath);
    // A draft is the entry's bytes without their NUL; one an earlier version wrote may hold it.
    if (now.ok && now.text == marrowleaf::EntryTextOf(draft.bytes)) {
      marrowleaf::RemoveFile(draft.path);  // the entry holds that text already
      continue;
    }
    const std::optional<marrowleaf::EntryKey> key =
        marrowleaf::ParseEntryPath(std::string_view(draft.entryPath).substr(folder.size()));
    // No entry of this diary: its draft stays for whoever made it.
    if (!key || marrowleaf::EntryPath(folder, *key) != draft.entryPath) continue;
    entries << EntryName(*key);
  }
  if (entries.isEmpty()) return;
  prompts.ShowWarning(this, tr("Text typed in an earlier run was never saved, for:\n%1\n\nIt is "
                               "kept as unsaved text in each entry's history (File, History), "
                               "where it can be restored.")
                                .arg(entries.join(QLatin1Char('\n'))));
}
