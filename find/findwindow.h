// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QTimer;
class TDiary;
class TFoundEntries;

// Find across the whole diary: a query field, and below it the entries found with their count
// (the shared list of found entries). Typing searches once it pauses; Enter shows the chosen
// entry. The search is cancelled by the next query or the window's close.
class TFindWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TFindWindow(TDiary& diary, QWidget* parent = nullptr);
  ~TFindWindow() override;

  // Starts the search of `query` now, without the pause that typing waits for.
  void SearchNow(const QString& query);
  bool Searching() const;

 protected:
  void closeEvent(class QCloseEvent* event) override;

 private:
  void CreateLayout();

  TDiary& diary;
  QLineEdit* FindQuery = nullptr;
  TFoundEntries* found = nullptr;
  QTimer* pause = nullptr;
};
