// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <string>

#include "entries/drafts.h"
#include "entries/entryfiles.h"

class QLabel;
class QListWidget;
class QPushButton;
class TPictureTextEdit;

// The earlier versions of one entry, newest first, with the text the entry file holds now at the
// top: a preview of the chosen one (its pictures shown, as a sync tool's conflict copy links the
// same pictures), and "Restore", which hands its text to the main window as a
// change of the text area. Nothing here writes a file.
class THistoryWindow : public QDialog {
  Q_OBJECT

 public:
  // `shown` is false when the main window shows no entry; the window then says so.
  // `draft`, when given, is the entry's unsaved text from an earlier run or from now.
  THistoryWindow(const std::string& saveDir, const marrowleaf::EntryKey& key, bool shown,
                 const QString& entryName, const marrowleaf::Draft* draft = nullptr,
                 QWidget* parent = nullptr);

  int VersionCount() const { return static_cast<int>(texts.size()) - (hasCurrent ? 1 : 0); }

 Q_SIGNALS:
  void restoreRequested(const QString& text);

 private:
  void CreateLayout();
  void LoadVersions(const std::string& saveDir, const marrowleaf::EntryKey& key,
                    const marrowleaf::Draft* draft);
  void ShowSelected();
  void AddRow(const QString& text);

  QLabel* HistoryStatus = nullptr;
  QListWidget* HistoryList = nullptr;
  TPictureTextEdit* HistoryPreview = nullptr;  // a version's pictures shown as the entry's
  QPushButton* HistoryRestore = nullptr;
  QStringList texts;  // row by row, as the text area would show them
  bool hasCurrent = false;
};
