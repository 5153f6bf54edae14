// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/tagswindow.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "text/tags.h"
#include "widgets/prompts.h"

namespace {

enum Role { kKey = Qt::UserRole, kShown };

}  // namespace

TTagsWindow::TTagsWindow(std::string dir, QStringList titles, TFindWindow::TUnsavedText unsaved,
                         TModifiedEntry modified, TPrompts& p, QWidget* parent)
    : QWidget(parent, Qt::Window),
      saveDir(std::move(dir)),
      tabTitles(std::move(titles)),
      unsavedText(std::move(unsaved)),
      modifiedEntry(std::move(modified)),
      prompts(p),
      cancelled(std::make_shared<std::atomic<bool>>(false)) {
  setObjectName(QStringLiteral("TagsWindow"));
  setWindowTitle(tr("Tags"));
  CreateLayout();
}

TTagsWindow::~TTagsWindow() {
  Stop();
  if (rename) rename->plan.waitForFinished();
}

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
  TagsList = new QTreeView(this);
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
  // The chosen tag's entries: Find's own list, searching for the tag.
  TagEntries = new TFindWindow(saveDir, tabTitles, unsavedText, this);
  TagEntries->setWindowFlags(Qt::Widget);
  TagEntries->setObjectName(QStringLiteral("TagEntries"));
  if (auto* query = TagEntries->findChild<QLineEdit*>(QStringLiteral("FindQuery"))) query->hide();
  TagEntries->layout()->setContentsMargins(0, 0, 0, 0);
  TagEntries->installEventFilter(this);
  layout->addWidget(TagsFilter);
  layout->addWidget(TagsList, 2);
  layout->addLayout(row);
  layout->addWidget(TagEntries, 3);
  resize(560, 560);

  again = new QTimer(this);
  again->setSingleShot(true);
  again->setInterval(250);  // a sync tool writes many files at once: one reading for them all
  watch = std::make_unique<marrowleaf::FolderWatch>([this](const std::string&) { again->start(); });
  connect(again, &QTimer::timeout, this, &TTagsWindow::Refresh);
  connect(TagsFilter, &QLineEdit::textChanged, sorted,
          &QSortFilterProxyModel::setFilterFixedString);
  connect(TagsList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TTagsWindow::Chosen);
  connect(TagsRename, &QPushButton::clicked, this, &TTagsWindow::AskRename);
  connect(TagEntries, &TFindWindow::showRequested, this, &TTagsWindow::showRequested);
}

void TTagsWindow::Stop() {
  cancelled->store(true);
  reading.waitForFinished();
}

void TTagsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
}

void TTagsWindow::closeEvent(QCloseEvent* event) {
  Stop();
  again->stop();
  watch->Set({});  // closed, it reads nothing
  QWidget::closeEvent(event);
}

bool TTagsWindow::eventFilter(QObject* watched, QEvent* event) {
  // Escape in the entries' list closes this window, not the list.
  if (watched == TagEntries && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TTagsWindow::Refresh() {
  Stop();
  Watch();
  cancelled = std::make_shared<std::atomic<bool>>(false);
  const int mine = ++generation;
  const bool first = tags->rowCount() == 0;
  if (first) TagsCount->setText(tr("Reading the tags…"));
  std::optional<marrowleaf::UnsavedEntry> unsaved = unsavedText ? unsavedText() : std::nullopt;
  // A list that has rows keeps them until the whole diary is read again; an empty one shows the
  // newest months' tags first.
  std::function<void(const marrowleaf::TagTallies&)> early;
  if (first) {
    early = [this, mine, stop = cancelled](const marrowleaf::TagTallies& tallies) {
      QMetaObject::invokeMethod(
          this,
          [this, mine, stop, tallies] {
            if (mine == generation && !stop->load() && !reading.isFinished()) Show(tallies, true);
          },
          Qt::QueuedConnection);
    };
  }
  reading = QtConcurrent::run([dir = saveDir, tabs = static_cast<int>(tabTitles.size()),
                               stop = cancelled, unsaved = std::move(unsaved),
                               early = std::move(early)] {
    const marrowleaf::DiaryWalk walk(dir,
                                     marrowleaf::EveryEntry(tabs, marrowleaf::Order::kNewestFirst,
                                                            unsaved ? &*unsaved : nullptr),
                                     *stop);
    return marrowleaf::ListDiaryTags(walk, early);
  });
  auto* done = new QFutureWatcher<marrowleaf::TagTallies>(this);
  connect(done, &QFutureWatcher<marrowleaf::TagTallies>::finished, this, [this, done, mine] {
    done->deleteLater();
    if (mine != generation || cancelled->load()) return;
    Show(done->result());
  });
  done->setFuture(reading);
}

void TTagsWindow::Watch() {
  // The diary's folder, its years and its months: a save, a sync tool's or an editor's new
  // file, a removal, a rename, or an entry written in place shows there.
  watch->Set(marrowleaf::DiaryFolders(saveDir));
}

void TTagsWindow::Show(const marrowleaf::TagTallies& tallies, bool early) {
  const QString chosen = pendingChoice.isEmpty() ? ChosenKey() : pendingChoice;
  if (!early) pendingChoice.clear();
  std::vector<marrowleaf::DiaryTag> rows = marrowleaf::TagRows(tallies);
  tags->removeRows(0, tags->rowCount());
  for (const marrowleaf::DiaryTag& tag : rows) {
    auto* name = new QStandardItem(QLatin1Char('#') + tag.shown);
    name->setData(tag.key, kKey);
    name->setData(tag.shown, kShown);
    auto* count = new QStandardItem;
    count->setData(tag.entries, Qt::DisplayRole);
    // A screen reader hears the tag and its count as one.
    const QString heard = tr("#%1, %n entries", nullptr, tag.entries).arg(tag.shown);
    name->setData(heard, Qt::AccessibleTextRole);
    count->setData(heard, Qt::AccessibleTextRole);
    tags->appendRow({name, count});
  }
  if (!early) {
    TagsCount->setText(rows.empty() ? tr("No entry holds a tag.")
                                    : tr("%n tags", nullptr, static_cast<int>(rows.size())));
  }
  if (!chosen.isEmpty() && !ChooseTag(chosen)) TagsRename->setEnabled(false);
  // What another program wrote may have changed the chosen tag's entries too.
  if (!early && !shownEntriesOf.isEmpty() && shownEntriesOf == ChosenKey()) {
    TagEntries->SearchNow(QLatin1Char('#') + shownEntriesOf);
  }
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
  const QString key = ChosenKey();
  TagsRename->setEnabled(!key.isEmpty() && !Renaming());
  if (key.isEmpty() || key == shownEntriesOf) return;
  shownEntriesOf = key;
  TagEntries->SearchNow(QLatin1Char('#') + key);
}

void TTagsWindow::AskRename() {
  const QModelIndex current = TagsList->currentIndex();
  if (!current.isValid()) return;
  const QString shown = current.siblingAtColumn(0).data(kShown).toString();
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("TagRename"));
  dialog.setWindowTitle(tr("Rename a tag"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(
      tr("New name of #%1 in every entry (an existing tag's name merges the two):").arg(shown),
      &dialog);
  label->setWordWrap(true);
  auto* name = new QLineEdit(shown, &dialog);
  name->setObjectName(QStringLiteral("TagNewName"));
  label->setBuddy(name);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  connect(name, &QLineEdit::textChanged, &dialog, [buttons](const QString& text) {
    const QString tag = text.startsWith(QLatin1Char('#')) ? text : QLatin1Char('#') + text;
    buttons->button(QDialogButtonBox::Ok)->setEnabled(marrowleaf::IsTag(tag));
  });
  layout->addWidget(label);
  layout->addWidget(name);
  layout->addWidget(buttons);
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
  Stop();
  TagsRename->setEnabled(false);
  rename = std::make_unique<Rename>();
  rename->from = shown;
  rename->to = to;
  // The entries are read off the window's thread; then each is saved in a turn of the event loop
  // of its own, so that the window never waits for more than one entry.
  rename->plan =
      QtConcurrent::run([dir = saveDir, tabs = static_cast<int>(tabTitles.size()), key, shown, to] {
        const std::atomic<bool> never{false};
        const marrowleaf::DiaryWalk walk(dir, marrowleaf::EveryEntry(tabs), never);
        return marrowleaf::PlanTagRename(walk, key, shown, to);
      });
  auto* planned = new QFutureWatcher<marrowleaf::TagRenamePlan>(this);
  connect(planned, &QFutureWatcher<marrowleaf::TagRenamePlan>::finished, this, [this, planned] {
    planned->deleteLater();
    rename->entries = planned->result();
    for (const marrowleaf::EntryKey& entry : rename->entries.encoding) {
      rename->left.append(tr("%1: its encoding cannot hold the new name").arg(Name(entry)));
    }
    RenameNext();
  });
  planned->setFuture(rename->plan);
}

QString TTagsWindow::Name(const marrowleaf::EntryKey& entry) const {
  const QString tab =
      entry.tab < tabTitles.size() ? tabTitles[entry.tab] : QString::number(entry.tab);
  return tr("%1, tab \"%2\"")
      .arg(QLocale().toString(QDate(entry.year, entry.month, entry.day), QLocale::LongFormat), tab);
}

void TTagsWindow::RenameNext() {
  if (rename->next < rename->entries.entries.size()) {
    const marrowleaf::BulkChange& entry = rename->entries.entries[rename->next++];
    // The entry the main window holds unsaved now is left alone, as is one another program
    // wrote since the rename read it.
    const marrowleaf::BulkOutcome save =
        marrowleaf::WriteInBulk(saveDir, entry, [this](const marrowleaf::EntryKey& key) {
          const std::optional<marrowleaf::EntryKey> now =
              modifiedEntry ? modifiedEntry() : std::nullopt;
          return now && *now == key;
        });
    switch (save.result) {
      case marrowleaf::BulkResult::kCreated:
      case marrowleaf::BulkResult::kChanged:
        ++rename->changed;
        break;
      case marrowleaf::BulkResult::kLeftShown:
        rename->left.append(tr("%1: its changes in the window are not saved").arg(Name(entry.key)));
        break;
      case marrowleaf::BulkResult::kChangedMeanwhile:
        rename->left.append(tr("%1: another program changed it meanwhile").arg(Name(entry.key)));
        break;
      case marrowleaf::BulkResult::kFailed:
        rename->left.append(tr("%1: %2").arg(Name(entry.key), QString::fromStdString(save.error)));
        break;
    }
    QMetaObject::invokeMethod(this, &TTagsWindow::RenameNext, Qt::QueuedConnection);
    return;
  }
  QString report = tr("#%1 was renamed to #%2 in %n entries.", nullptr, rename->changed)
                       .arg(rename->from, rename->to);
  if (!rename->left.isEmpty()) {
    report += QStringLiteral("\n\n") + tr("Not renamed:") + QLatin1Char('\n') +
              rename->left.join(QLatin1Char('\n'));
  }
  pendingChoice = marrowleaf::TagKey(rename->to);  // the renamed tag stays chosen
  rename.reset();
  shownEntriesOf.clear();
  Refresh();
  prompts.ShowWarning(this, report);
}
