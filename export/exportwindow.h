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

#include "entries/export.h"
#include "platform/files.h"

// One export: the range's days in a format into a file, written whole or not at all. `progress`
// hears how many days of the range are done; returning false cancels (nothing is written then,
// and the outcome says so).
struct TExportJob {
  std::string saveDir;
  marrowleaf::ExportRange range;
  marrowleaf::ExportFormat format = marrowleaf::ExportFormat::kPdf;
  marrowleaf::ExportTexts texts;
  bool dayPerPage = false;
  std::string target;
};
marrowleaf::SaveOutcome RunExportJob(const TExportJob& job,
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
class QPushButton;

// File, Export… and File, Print…: a range of days ("From", "To", "Whole diary"), the tabs to
// include, and for an export the "Format" and the "File" to write. An export runs on the pool
// with a progress dialog that can cancel it; the file is written whole or not at all. Nothing of
// the diary is written or changed.
class TExportWindow : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kExport, kPrint };
  TExportWindow(Mode mode, std::string saveDir, QStringList tabTitles, const QDate& from,
                const QDate& to, QWidget* parent = nullptr);
  ~TExportWindow() override;

  // What the buttons do, also for tests.
  void Export();
  bool Busy() const { return running.isRunning(); }
  void Cancel() { running.cancel(); }
  // Paints the range on a printer (or a PDF printer), as "Print" does in its preview.
  void PrintTo(QPrinter& printer);
  TExportChoices Choices() const;
  // An empty file keeps the default one.
  void SetChoices(const TExportChoices& choices);

 Q_SIGNALS:
  // An export that failed, in words for the user (the path and the reason).
  void failed(const QString& text);

 private:
  void CreateLayout();
  void WholeDiary();
  void Browse();
  void FormatChanged();
  void Print();
  marrowleaf::ExportRange Range() const;
  marrowleaf::ExportTexts Texts() const;

  Mode mode;
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
  QFutureWatcher<marrowleaf::SaveOutcome> running;
};
