// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QFuture>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engines/search/search.h"

class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QTimer;
class TFoundRows;

// Find across the whole diary: a query field, the entries found (newest first, each with its
// date, tab and the line of the first match, the matched words in bold) and their count. The
// scan runs on the application's thread pool and is cancelled by the next query or the window's
// close.
class TFindWindow : public QWidget {
  Q_OBJECT

 public:
  // `unsaved` tells, at the start of each search, the text the main window shows and has not
  // saved yet, if any: it is searched in place of its entry's file.
  using TUnsavedText = std::function<std::optional<marrowleaf::UnsavedEntry>()>;
  TFindWindow(std::string saveDir, QStringList tabTitles, TUnsavedText unsaved,
              QWidget* parent = nullptr);
  ~TFindWindow() override;

  // Starts the search of `query` now, without the pause that typing waits for.
  void SearchNow(const QString& query);
  bool Searching() const { return search.isRunning(); }

 Q_SIGNALS:
  // The user chose a row: show that entry with its first match selected.
  void showRequested(const QDate& date, int tab, qsizetype start, qsizetype length);

 protected:
  void closeEvent(class QCloseEvent* event) override;

 private:
  void CreateLayout();
  void Stop();
  void Activate(const QModelIndex& index);
  void Show(int mine, std::vector<marrowleaf::SearchHit>& hits);  // rows of search `mine`

  std::string saveDir;
  QStringList tabTitles;
  TUnsavedText unsavedText;
  QLineEdit* FindQuery = nullptr;
  QListView* FindResults = nullptr;
  TFoundRows* rows = nullptr;
  QLabel* FindCount = nullptr;
  QTimer* pause = nullptr;
  QFuture<void> search;
  std::shared_ptr<std::atomic<bool>> cancelled;
  int generation = 0;  // the search whose rows are shown; rows of older ones are dropped
};
