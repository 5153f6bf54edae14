// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>
#include <QFutureWatcher>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "engines/export/export.h"
#include "platform/files.h"

// One export: the range's days in a format into a file, written whole or not at all, private to
// the user. `progress` hears how many days of the range are done; returning false cancels.
// Nothing is written either when the range holds no entry, or when a folder or an entry of it
// could not be read, unless `withoutUnreadable` (the user chose to go on without them).
struct TExportJob {
  std::string saveDir;
  marrowleaf::ExportRange range;
  marrowleaf::ExportFormat format = marrowleaf::ExportFormat::kPdf;
  marrowleaf::ExportTexts texts;
  bool dayPerPage = false;
  std::string target;
  bool withoutUnreadable = false;
};
struct TExportOutcome {
  enum class Result { kWritten, kCancelled, kEmpty, kUnreadable, kFailed };
  Result result = Result::kFailed;
  std::string error;                    // kFailed: why, in words for the user
  std::vector<std::string> unreadable;  // kUnreadable: the folders and entries, by path
};
TExportOutcome RunExportJob(const TExportJob& job,
                            const std::function<bool(int done, int total)>& progress);

// What a user chose for one export that the next one of the same run starts from: the file, its
// format, a day per page. The range and the tabs start afresh from the month shown.
struct TExportChoices {
  QString file;
  int format = 0;
  bool dayPerPage = false;
};

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPrinter;
class QProgressDialog;
class QPushButton;
class TPrompts;

// File, Export… and File, Print…: a range of days ("From", "To", "Whole diary"), the tabs to
// include, and for an export the "Format" and the "File" to write. An export runs on the pool
// with a progress window that can cancel it; the file is written whole or not at all. A print
// goes through the system's print dialog, whose printer and paper lay the pages out, or through
// a preview first. Nothing of the diary is written or changed.
class TExportWindow : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kExport, kPrint };
  TExportWindow(Mode mode, TPrompts& prompts, std::string saveDir, QStringList tabTitles,
                const QDate& from, const QDate& to, QWidget* parent = nullptr);
  ~TExportWindow() override;

  // What the buttons do, also for tests.
  void Export();
  bool Busy() const { return running.isRunning(); }
  void Cancel() { running.cancel(); }
  void Print();
  void Preview();
  // Paints the range on a printer as it is set up (its paper, its orientation); false when the
  // printer cannot be painted on.
  bool PrintTo(QPrinter& printer);
  TExportChoices Choices() const;
  // An empty file keeps the default one.
  void SetChoices(const TExportChoices& choices);

 private:
  // The folder of the default file: the desktop's documents folder, else the home folder.
  static QString DefaultFolder();
  // The file an export writes: the typed path with "~" and a relative path resolved.
  QString TargetFile() const;
  void CreateLayout();
  void WholeDiary();
  void Browse();
  void FormatChanged();
  void Start(bool withoutUnreadable);
  void Finished();
  bool ReadyToPrint();
  QString NothingInRange() const;
  QString UnreadableQuestion(const std::vector<std::string>& paths) const;
  marrowleaf::ExportRange Range() const;
  marrowleaf::ExportTexts Texts() const;

  Mode mode;
  TPrompts& prompts;
  std::string saveDir;
  QStringList tabTitles;
  QDateEdit* ExportFrom = nullptr;
  QDateEdit* ExportTo = nullptr;
  QPushButton* ExportWhole = nullptr;
  std::vector<QCheckBox*> ExportTabs;
  QComboBox* ExportFormat = nullptr;
  QLineEdit* ExportFile = nullptr;
  QPushButton* ExportBrowse = nullptr;
  QCheckBox* ExportDayPerPage = nullptr;
  QPushButton* ExportGo = nullptr;
  QPushButton* ExportPreview = nullptr;  // printing only
  QProgressDialog* progress = nullptr;   // while an export runs
  QFutureWatcher<TExportOutcome> running;
};
