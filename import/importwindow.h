// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "engines/import/engine.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TAnnouncer;
class TDiary;
class TLongWork;
class TPrompts;

// File, Import…: another diary program's entries brought into this diary. "Source" (a file or a
// folder, with "Browse…"), the "Tab" to import into, and, as soon as a source is chosen, what the
// import will do; then "Import" with its progress and Cancel, and the report at its end. Reading
// the source, planning and writing all run off the window's thread.
class TImportWindow : public QDialog {
  Q_OBJECT

 public:
  // `engine`: the import's module, loaded.
  TImportWindow(TPrompts& prompts, TDiary& diary, const marrowleaf::import::Engine& engine,
                QWidget* parent = nullptr);
  ~TImportWindow() override;

  // What the controls do, also for tests.
  void SetSource(const QString& path);
  void Import();
  // A source being read or an import under way, until the window has shown its outcome.
  bool Busy() const;
  // Stops the import under way after the day it is writing; its report follows.
  void Cancel();
  QString Summary() const;

 private:
  struct Examined {
    std::shared_ptr<const marrowleaf::import::Source> source;
    marrowleaf::import::Plan plan;
  };
  void CreateLayout();
  void Browse(bool folder);
  void Examine();
  void ShowPlan();
  void Finished(const marrowleaf::import::Applied& applied);
  std::vector<QString> TabList() const;
  QString IssueLines(const marrowleaf::import::Source& source) const;

  TPrompts& prompts;
  TDiary& diary;
  const marrowleaf::import::Engine& engine;
  std::string saveDir;
  QLineEdit* ImportSource = nullptr;
  QPushButton* ImportBrowse = nullptr;
  QComboBox* ImportTab = nullptr;
  QPlainTextEdit* ImportSummary = nullptr;
  QPushButton* ImportGo = nullptr;
  TAnnouncer* announcer = nullptr;
  Examined examined;
  QString examinedPath;
  TLongWork* examining = nullptr;
  TLongWork* importing = nullptr;
};
