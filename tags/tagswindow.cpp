// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/tagswindow.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "diary/diary.h"
#include "diary/longwork.h"
#include "text/tags.h"
#include "widgets/foundentries.h"
#include "widgets/itemviews.h"
#include "widgets/passedover.h"
#include "widgets/progress.h"
#include "widgets/prompts.h"
#include "widgets/windows.h"

namespace {

enum Role { kKey = Qt::UserRole, kShown };

}  // namespace

// What a rename did, entry by entry.
struct TTagsWindow::Renamed {
  QString from;  // as shown
  QString to;
  bool merge = false;
  int changed = 0;
  bool stopped = false;  // Cancel: the entries after it were not reached
  size_t notReached = 0;
  std::vector<std::pair<marrowleaf::EntryKey, marrowleaf::BulkResult>> left;
  std::vector<std::pair<marrowleaf::EntryKey, std::string>> failed;
  std::vector<marrowleaf::EntryKey> encoding;
  size_t skipped = 0;  // files named like entries that could not be read
  std::vector<marrowleaf::Skipped> firstSkipped;
};

namespace {
struct Listed {
  marrowleaf::TagTallies tallies;
  size_t skipped = 0;
  std::vector<marrowleaf::Skipped> firstSkipped;
};
}  // namespace

TTagsWindow::TTagsWindow(TDiary& d, TPrompts& p, QWidget* parent)
    : QWidget(parent, Qt::Window), diary(d), prompts(p) {
  setObjectName(QStringLiteral("TagsWindow"));
  setWindowTitle(tr("Tags"));
  InstallWindowAccess();  // before any of its widgets is asked for
  CreateLayout();
  CloseOnEscape(this);
  ReturnToOwnerWhenHidden(this);
}

TTagsWindow::~TTagsWindow() {
  // Neither outlives the rows it fills; a rename under way ends with its entry.
  reading->Cancel();
  renaming->RequestStop();
  reading->Wait();
  renaming->Wait();
}

bool TTagsWindow::Reading() const { return reading->Busy(); }
bool TTagsWindow::Renaming() const { return renaming->Busy(); }

void TTagsWindow::CreateLayout() {
  auto* layout = new QVBoxLayout(this);
  TagsFilter = new QLineEdit(this);
  TagsFilter->setObjectName(QStringLiteral("TagsFilter"));
  TagsFilter->setPlaceholderText(tr("Show the tags holding these letters"));
  TagsFilter->setAccessibleName(tr("Filter the tags"));
  tags = new QStandardItemModel(0, 2, this);
  tags->setHorizontalHeaderLabels({tr("Tag"), tr("Entries")});
  sorted = new QSortFilterProxyModel(this);
  sorted->setSourceModel(tags);
  sorted->setFilterCaseSensitivity(Qt::CaseInsensitive);
  sorted->setFilterKeyColumn(0);
  sorted->setSortRole(Qt::DisplayRole);
  TagsList = new TQuietView<QTreeView>(this);
  TagsList->setObjectName(QStringLiteral("TagsList"));
  TagsList->setModel(sorted);
  TagsList->setRootIsDecorated(false);
  TagsList->setUniformRowHeights(true);
  TagsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TagsList->setSelectionBehavior(QAbstractItemView::SelectRows);
  TagsList->setSortingEnabled(true);
  TagsList->sortByColumn(1, Qt::DescendingOrder);
  TagsList->header()->setStretchLastSection(false);
  TagsList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  TagsList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  TagsList->setAccessibleName(tr("Tags"));
  TagsList->setAccessibleDescription(
      tr("Every tag of the diary with the number of entries holding it; choosing one lists its "
         "entries below"));
  TagsRename = new QPushButton(tr("&Rename…"), this);
  TagsRename->setObjectName(QStringLiteral("TagsRename"));
  TagsRename->setEnabled(false);
  TagsRename->setAccessibleDescription(
      tr("Renames the chosen tag in every entry, or merges it with another"));
  TagsCount = new QLabel(this);
  TagsCount->setObjectName(QStringLiteral("TagsCount"));
  auto* row = new QHBoxLayout;
  row->addWidget(TagsCount, 1);
  row->addWidget(TagsRename);
  // The chosen tag's entries, as Find lists them.
  TagEntries = new TFoundEntries(diary, this);
  TagEntries->setObjectName(QStringLiteral("TagEntries"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->setObjectName(QStringLiteral("TagsButtons"));
  layout->addWidget(TagsFilter);
  layout->addWidget(TagsList, 2);
  layout->addLayout(row);
  layout->addWidget(TagEntries, 3);
  layout->addWidget(buttons);
  resize(560, 580);

  reading = new TLongWork(this);
  renaming = new TLongWork(this);
  again = new QTimer(this);
  again->setSingleShot(true);
  again->setInterval(250);  // a sync tool writes many files at once: one reading for them all
  watch = std::make_unique<marrowleaf::FolderWatch>([this](const std::string&) { again->start(); });
  connect(again, &QTimer::timeout, this, &TTagsWindow::Refresh);
  connect(TagsFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
    sorted->setFilterFixedString(text);
    ShowCount();
  });
  connect(TagsList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TTagsWindow::Chosen);
  connect(TagsRename, &QPushButton::clicked, this, &TTagsWindow::AskRename);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  // An entry shown from the list is shown in the diary window: that is where the user looks next
  // (the diary window comes to the front by itself). An import's new tab holds tags too.
  connect(&diary, &TDiary::tabsChanged, this, [this] {
    if (isVisible()) Refresh();
  });
  connect(&diary, &TDiary::entriesChanged, this, [this] {
    if (isVisible()) again->start();
  });
}

void TTagsWindow::showEvent(QShowEvent* event) {
  if (!placed && parentWidget() != nullptr) {
    placed = true;
    PlaceBeside(*this, *parentWidget()->window());
  }
  QWidget::showEvent(event);
  Refresh();
}

void TTagsWindow::closeEvent(QCloseEvent* event) {
  reading->Cancel();
  again->stop();
  watch->Set({});  // closed, it reads nothing
  QWidget::closeEvent(event);
}

void TTagsWindow::Refresh() {
  if (Renaming()) return;  // read again once the rename is done
  Watch();
  const bool first = tags->rowCount() == 0;
  if (first) TagsCount->setText(tr("Reading the tags…"));
  // A list that has rows keeps them until the whole diary is read again; an empty one shows the
  // newest months' tags first.
  reading->Start<Listed>(
      [this, first, dir = diary.SaveDir(), tabs = diary.TabCount(),
       unsaved = diary.Unsaved()](TLongWork::Run& run) {
        const marrowleaf::DiaryWalk walk(
            dir,
            marrowleaf::EveryEntry(tabs, marrowleaf::Order::kNewestFirst,
                                   unsaved ? &*unsaved : nullptr),
            run.Cancelled());
        std::function<void(const marrowleaf::TagTallies&)> early;
        if (first) {
          early = [this, &run](const marrowleaf::TagTallies& tallies) {
            run.Post([this, tallies] { Show(tallies, true); });
          };
        }
        marrowleaf::TagTallies tallies = marrowleaf::ListDiaryTags(walk, early);
        return Listed{std::move(tallies), walk.SkipCount(), walk.Skips()};
      },
      [this](Listed& listed) {
        passedOver = PassedOver(listed.skipped, listed.firstSkipped);
        Show(listed.tallies);
      });
}

void TTagsWindow::Watch() {
  // The diary's folder, its years and its months: a save, a sync tool's or an editor's new
  // file, a removal, a rename, or an entry written in place shows there.
  watch->Set(marrowleaf::DiaryFolders(diary.SaveDir()));
}

void TTagsWindow::Show(const marrowleaf::TagTallies& tallies, bool early) {
  const QString chosen = pendingChoice.isEmpty() ? ChosenKey() : pendingChoice;
  if (!early) pendingChoice.clear();
  std::vector<marrowleaf::DiaryTag> rows = marrowleaf::TagRows(tallies);
  rebuilding = true;
  tags->removeRows(0, tags->rowCount());
  for (const marrowleaf::DiaryTag& tag : rows) {
    auto* name = new QStandardItem(QLatin1Char('#') + tag.shown);
    name->setData(tag.key, kKey);
    name->setData(tag.shown, kShown);
    // The entries the list below shows for the tag: its nested tags' too.
    auto* count = new QStandardItem;
    count->setData(tag.listed, Qt::DisplayRole);
    // A screen reader hears the row's first cell, the one with the focus, as the whole row.
    name->setData(tr("#%1, %n entries", nullptr, tag.listed).arg(tag.shown),
                  Qt::AccessibleTextRole);
    tags->appendRow({name, count});
  }
  rebuilding = false;
  tagCount = static_cast<int>(rows.size());
  if (!early) ShowCount();
  if (chosen.isEmpty() || !ChooseTag(chosen)) {
    Chosen();  // none: the entries below go with it
  } else if (!early && !shownEntriesOf.isEmpty() && shownEntriesOf == ChosenKey()) {
    // What another program wrote may have changed the chosen tag's entries too.
    TagEntries->Search(QLatin1Char('#') + shownEntriesOf);
  }
}

void TTagsWindow::ShowCount() {
  if (tagCount == 0) {
    TagsCount->setText(tr("No entry holds a tag."));
  } else if (TagsFilter->text().isEmpty()) {
    TagsCount->setText(tr("%n tags", nullptr, tagCount));
  } else {
    TagsCount->setText(tr("%1 of %n tags", nullptr, tagCount).arg(sorted->rowCount()));
  }
  // Tags of files that could not be read are missing from the list: said under the count.
  if (!passedOver.isEmpty()) TagsCount->setText(TagsCount->text() + QLatin1Char('\n') + passedOver);
}

bool TTagsWindow::ChooseTag(const QString& key) {
  for (int row = 0; row < sorted->rowCount(); ++row) {
    const QModelIndex at = sorted->index(row, 0);
    if (at.data(kKey).toString() == key) {
      TagsList->setCurrentIndex(at);
      return true;
    }
  }
  return false;
}

QString TTagsWindow::ChosenKey() const {
  const QModelIndex current = TagsList->currentIndex();
  return current.isValid() ? current.siblingAtColumn(0).data(kKey).toString() : QString();
}

void TTagsWindow::Chosen() {
  if (rebuilding) return;
  const QString key = ChosenKey();
  TagsRename->setEnabled(!key.isEmpty() && !Renaming());
  if (key == shownEntriesOf) return;
  // No tag chosen (the filter hides it, or it is gone): no entries either.
  shownEntriesOf = key;
  if (key.isEmpty()) {
    TagEntries->Clear();
  } else {
    TagEntries->Search(QLatin1Char('#') + key);
  }
}

QStringList TTagsWindow::NestedUnder(const QString& key) const {
  QStringList nested;
  for (int row = 0; row < tags->rowCount(); ++row) {
    const QString other = tags->item(row)->data(kKey).toString();
    if (other != key && marrowleaf::TagBelongsTo(other, key)) {
      nested << QLatin1Char('#') + tags->item(row)->data(kShown).toString();
    }
  }
  nested.sort();
  return nested;
}

QString TTagsWindow::MergesInto(const QString& key, const QString& to) const {
  const QString target = marrowleaf::TagKey(to);
  // Each tag renamed (the tag and those nested under it) lands on a key that another tag may
  // have already.
  for (int row = 0; row < tags->rowCount(); ++row) {
    const QString other = tags->item(row)->data(kKey).toString();
    if (marrowleaf::TagBelongsTo(other, key) || !marrowleaf::TagBelongsTo(other, target)) continue;
    for (int renamed = 0; renamed < tags->rowCount(); ++renamed) {
      const QString from = tags->item(renamed)->data(kKey).toString();
      if (marrowleaf::TagBelongsTo(from, key) && target + from.mid(key.size()) == other) {
        return tags->item(row)->data(kShown).toString();
      }
    }
  }
  return {};
}

void TTagsWindow::AskRename() {
  const QModelIndex current = TagsList->currentIndex();
  if (!current.isValid()) return;
  const QString key = current.siblingAtColumn(0).data(kKey).toString();
  const QString shown = current.siblingAtColumn(0).data(kShown).toString();
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("TagRename"));
  dialog.setWindowTitle(tr("Rename a tag"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(
      tr("New name of #%1 in every entry (an existing tag's name merges the two):").arg(shown),
      &dialog);
  label->setWordWrap(true);
  // Typing replaces the old name; the arrow keys keep it.
  auto* name = new QLineEdit(shown, &dialog);
  name->setObjectName(QStringLiteral("TagNewName"));
  name->selectAll();
  label->setBuddy(name);
  // What else the rename does, as the name is typed.
  auto* note = new QLabel(&dialog);
  note->setObjectName(QStringLiteral("TagRenameNote"));
  note->setWordWrap(true);
  const QStringList nested = NestedUnder(key);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  const auto explain = [=](const QString& text) {
    const QString to = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
    const bool usable = marrowleaf::IsTag(QString(QLatin1Char('#') + to));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(usable);
    QStringList lines;
    if (!nested.isEmpty()) {
      lines << tr("The tags nested under it are renamed with it: %1.")
                   .arg(nested.join(QStringLiteral(", ")));
    }
    if (usable && marrowleaf::TagKey(to) == key && to != shown) {
      lines << tr("A change of case alone: every entry then writes #%1 so, whatever case it has "
                  "there now.")
                   .arg(to);
    } else if (const QString into = usable ? MergesInto(key, to) : QString(); !into.isEmpty()) {
      lines << tr("#%1 is a tag already: the two are merged into one.").arg(into);
    }
    note->setText(lines.join(QLatin1Char('\n')));
    note->setVisible(!lines.isEmpty());
  };
  connect(name, &QLineEdit::textChanged, &dialog, explain);
  explain(shown);
  layout->addWidget(label);
  layout->addWidget(name);
  layout->addWidget(note);
  layout->addWidget(buttons);
  // Its title whole in the frame, in every language.
  dialog.setMinimumWidth(std::max(dialog.sizeHint().width(), TitleWidth(dialog.windowTitle())));
  prompts.ShowDialog(dialog);
  if (dialog.result() == QDialog::Accepted) RenameChosen(name->text());
}

void TTagsWindow::RenameChosen(const QString& typed) {
  const QModelIndex current = TagsList->currentIndex();
  if (!current.isValid() || Renaming()) return;
  const QString key = current.siblingAtColumn(0).data(kKey).toString();
  const QString shown = current.siblingAtColumn(0).data(kShown).toString();
  const QString to = typed.startsWith(QLatin1Char('#')) ? typed.mid(1) : typed;
  if (!marrowleaf::IsTag(QString(QLatin1Char('#') + to))) {
    prompts.ShowWarning(this, tr("\"%1\" cannot be a tag's name: a name holds letters, digits, "
                                 "'_', '-' and '/', and at least one letter.")
                                  .arg(typed));
    return;
  }
  if (to == shown) return;
  // A merge cannot be undone as a whole: renaming back would take the other tag's entries along.
  const QString into = MergesInto(key, to);
  if (!into.isEmpty() &&
      !prompts.Confirm(this, tr("Merge #%1 into #%2? Every entry holding #%1 then holds #%2, and "
                                "the two cannot be told apart afterwards: renaming back would "
                                "rename both.")
                                 .arg(shown, into))) {
    return;
  }
  reading->Cancel();
  TagsRename->setEnabled(false);
  auto renamed = std::make_shared<Renamed>();
  renamed->from = shown;
  renamed->to = to;
  renamed->merge = !into.isEmpty();
  // The entries are read and written off the window's thread, one by one through the one way
  // to write entries in bulk: the entry the diary window holds unsaved at that moment is left
  // alone, as is one another program wrote since the rename read it.
  renaming->Start<std::shared_ptr<Renamed>>(
      [renamed, key, shown, to, &diary = diary, dir = diary.SaveDir(),
       tabs = diary.TabCount()](TLongWork::Run& run) {
        const marrowleaf::DiaryWalk walk(dir, marrowleaf::EveryEntry(tabs), run.Cancelled());
        const marrowleaf::TagRenamePlan plan = marrowleaf::PlanTagRename(walk, key, shown, to);
        renamed->encoding = plan.encoding;
        renamed->skipped = walk.SkipCount();
        renamed->firstSkipped = walk.Skips();
        const size_t total = plan.entries.size();
        for (size_t done = 0; done < total; ++done) {
          if (run.Stopped()) {
            renamed->stopped = true;
            renamed->notReached = total - done;
            break;
          }
          run.Progress(static_cast<qint64>(done), static_cast<qint64>(total));
          const marrowleaf::BulkChange& entry = plan.entries[done];
          const marrowleaf::BulkOutcome save = marrowleaf::WriteInBulk(
              dir, entry,
              [&diary](const marrowleaf::EntryKey& k) { return diary.ShownModified(k); });
          if (save.result == marrowleaf::BulkResult::kChanged) {
            ++renamed->changed;
          } else if (save.result == marrowleaf::BulkResult::kFailed) {
            renamed->failed.emplace_back(entry.key, save.error);
          } else {
            renamed->left.emplace_back(entry.key, save.result);
          }
        }
        return renamed;
      },
      [this](std::shared_ptr<Renamed>& done) { Report(*done); });
  FollowProgress(this, *renaming, tr("Renaming #%1…").arg(shown));
}

QString TTagsWindow::Name(const marrowleaf::EntryKey& entry) const {
  const QString tab = diary.TabTitle(entry.tab);
  return tr("%1, tab \"%2\"")
      .arg(QLocale().toString(QDate(entry.year, entry.month, entry.day), QLocale::LongFormat), tab);
}

void TTagsWindow::Report(const Renamed& renamed) {
  QStringList left;
  for (const marrowleaf::EntryKey& entry : renamed.encoding) {
    left << tr("%1: its encoding cannot hold the new name").arg(Name(entry));
  }
  for (const auto& [entry, why] : renamed.left) {
    left << (why == marrowleaf::BulkResult::kLeftShown
                 ? tr("%1: its changes in the window are not saved").arg(Name(entry))
                 : tr("%1: another program changed it meanwhile").arg(Name(entry)));
  }
  for (const auto& [entry, error] : renamed.failed) {
    left << tr("%1: %2").arg(Name(entry), QString::fromStdString(error));
  }
  QString report =
      (renamed.merge ? tr("#%1 was merged into #%2 in %n entries.", nullptr, renamed.changed)
                     : tr("#%1 was renamed to #%2 in %n entries.", nullptr, renamed.changed))
          .arg(renamed.from, renamed.to);
  if (renamed.stopped) {
    report += QLatin1Char(' ') + tr("Stopped: %n entries were not reached and still hold #%1.",
                                    nullptr, static_cast<int>(renamed.notReached))
                                     .arg(renamed.from);
  }
  // A file that could not be read may hold the tag still.
  const QString passed = PassedOver(renamed.skipped, renamed.firstSkipped);
  if (!passed.isEmpty()) report += QStringLiteral("\n\n") + passed;
  if (!left.isEmpty()) {
    report += QStringLiteral("\n\n") + tr("Not renamed:") + QLatin1Char('\n') +
              left.join(QLatin1Char('\n'));
  }
  pendingChoice = marrowleaf::TagKey(renamed.to);  // the renamed tag stays chosen, and shown
  if (!QString(QLatin1Char('#') + renamed.to).contains(TagsFilter->text(), Qt::CaseInsensitive)) {
    TagsFilter->clear();
  }
  shownEntriesOf.clear();
  // Every window that shows entries reads them again, this one too.
  diary.NoteEntriesChanged();
  // Entries left as they were are worth a warning; a rename that did all it could is news.
  if (left.isEmpty() && !renamed.stopped && passed.isEmpty()) {
    prompts.ShowInformation(this, report);
  } else {
    prompts.ShowWarning(this, report);
  }
}
