// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engines/tags/tagdiary.h"
#include "platform/folderwatch.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTimer;
class QTreeView;
class TDiary;
class TFoundEntries;
class TLongWork;
class TPrompts;

// Every tag of the diary with the number of entries holding it, sorted by that number or by
// name, and below it the entries of the chosen tag as Find lists them (the shared list of found
// entries, given the tag). Read from the entry files off the window's thread, the newest months
// shown first, and again whenever another program changes an entry or a folder of the diary while
// the window is open. "Rename…" renames a tag in every entry (or merges it into another, once the
// user agreed) through the save step.
class TTagsWindow : public QWidget {
  Q_OBJECT

 public:
  TTagsWindow(TDiary& diary, TPrompts& prompts, QWidget* parent = nullptr);
  ~TTagsWindow() override;

  // Reads the diary's tags again.
  void Refresh();
  bool Reading() const;
  // Chooses the tag of `key` (its entries are listed); false where the list has none.
  bool ChooseTag(const QString& key);
  // Renames the chosen tag to `to` (a name, with or without its '#') in every entry; a name
  // another tag has already merges the two, after the user's Yes to the question. The entries
  // are read and written off the window's thread, with progress and Cancel; the report comes
  // through the prompts at the end.
  void RenameChosen(const QString& to);
  bool Renaming() const;

 protected:
  void closeEvent(class QCloseEvent* event) override;
  void showEvent(class QShowEvent* event) override;

 private:
  struct Renamed;
  void CreateLayout();
  // `early`: the newest months' tags alone, shown while the older years are read.
  void Show(const marrowleaf::TagTallies& tallies, bool early = false);
  void Watch();
  void Chosen();
  void ShowCount();
  void AskRename();
  QString ChosenKey() const;
  // What renaming the tag of `key` to `to` does besides: its nested tags renamed too, a merge
  // into the tag of another name (that tag's shown form, else empty), a change of case alone.
  QStringList NestedUnder(const QString& key) const;
  QString MergesInto(const QString& key, const QString& to) const;
  QString Name(const marrowleaf::EntryKey& entry) const;
  void Report(const Renamed& renamed);

  TDiary& diary;
  TPrompts& prompts;
  QLineEdit* TagsFilter = nullptr;
  QTreeView* TagsList = nullptr;
  QStandardItemModel* tags = nullptr;
  QSortFilterProxyModel* sorted = nullptr;
  QPushButton* TagsRename = nullptr;
  QLabel* TagsCount = nullptr;
  TFoundEntries* TagEntries = nullptr;
  int tagCount = 0;         // the rows, before the filter
  QString passedOver;       // what the last whole reading could not read
  bool rebuilding = false;  // the rows are being replaced: no row is chosen meanwhile
  bool placed = false;
  std::unique_ptr<marrowleaf::FolderWatch> watch;
  QTimer* again = nullptr;  // one reading after a burst of changes
  TLongWork* reading = nullptr;
  TLongWork* renaming = nullptr;
  QString shownEntriesOf;  // the key whose entries are listed
  QString pendingChoice;   // a tag to choose once the list is read
};
