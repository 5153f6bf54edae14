// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QListView;
class QModelIndex;
class TDiary;
class TFoundRows;
class TLongWork;

// The entries a search of the diary finds, newest first, each with its date, tab and the line of
// its first match (the matched words in bold), and below them their count: Find's list, and the
// Tags window's list of a tag's entries. The search is long work off the window's thread; it runs
// again when the diary's entries or tabs change, so that what an import adds is listed at once.
// A row chosen (Enter, a double click) shows its entry in the diary window.
class TFoundEntries : public QWidget {
  Q_OBJECT

 public:
  explicit TFoundEntries(TDiary& diary, QWidget* parent = nullptr);
  ~TFoundEntries() override;

  // Searches for `query` now (nothing for an empty one); a search under way is dropped.
  void Search(const QString& query);
  // Forgets the query and its rows; a search under way is dropped.
  void Clear();
  // Drops the search under way; the rows found so far stay.
  void Stop();
  bool Searching() const;
  int Count() const;
  QListView* List() const { return FindResults; }
  // Shows the current row's entry, or the first one's.
  void ShowCurrent();

 private:
  void Activate(const QModelIndex& index);

  TDiary& diary;
  QListView* FindResults = nullptr;
  TFoundRows* rows = nullptr;
  QLabel* FindCount = nullptr;
  TLongWork* search = nullptr;
  QString query;  // the last one searched for, searched again when the diary changes
};
