// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/tagswindow.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileSystemWatcher>
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

#include "entries/tags.h"
#include "mainwindow/prompts.h"

namespace {

enum Role { kKey = Qt::UserRole, kShown };

QString Folder(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

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

TTagsWindow::~TTagsWindow() { Stop(); }

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

  watcher = new QFileSystemWatcher(this);
  again = new QTimer(this);
  again->setSingleShot(true);
  again->setInterval(250);  // a sync tool writes many files at once: one reading for them all
  connect(watcher, &QFileSystemWatcher::directoryChanged, again, [this] { again->start(); });
  connect(watcher, &QFileSystemWatcher::fileChanged, again, [this] { again->start(); });
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
  const QStringList watched = watcher->files() + watcher->directories();
  if (!watched.isEmpty()) watcher->removePaths(watched);  // closed, it reads nothing
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
  if (tags->rowCount() == 0) TagsCount->setText(tr("Reading the tags…"));
  std::optional<marrowleaf::UnsavedEntry> unsaved = unsavedText ? unsavedText() : std::nullopt;
  reading = QtConcurrent::run([dir = saveDir, tabs = static_cast<int>(tabTitles.size()),
                               stop = cancelled, unsaved = std::move(unsaved)] {
    return marrowleaf::ListDiaryTags(dir, tabs, *stop, unsaved ? &*unsaved : nullptr);
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
  // file, a removal or a rename shows there.
  QStringList folders{Folder(saveDir)};
  uint16_t year = 0;
  for (const auto& [y, m] : marrowleaf::DiaryMonths(saveDir, marrowleaf::Order::kNewestFirst)) {
    if (y != year) folders.append(Folder(marrowleaf::YearDirectory(saveDir, y)));
    year = y;
    folders.append(Folder(marrowleaf::MonthDirectory(saveDir, y, m)));
  }
  const QStringList watched = watcher->directories();
  QStringList added;
  for (const QString& folder : folders) {
    if (!watched.contains(folder)) added.append(folder);
  }
  if (!added.isEmpty()) watcher->addPaths(added);
}

void TTagsWindow::Show(const marrowleaf::TagTallies& tallies) {
  const QString chosen = pendingChoice.isEmpty() ? ChosenKey() : pendingChoice;
  pendingChoice.clear();
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
  TagsCount->setText(rows.empty() ? tr("No entry holds a tag.")
                                  : tr("%n tags", nullptr, static_cast<int>(rows.size())));
  if (!chosen.isEmpty() && !ChooseTag(chosen)) TagsRename->setEnabled(false);
  // What another program wrote may have changed the chosen tag's entries too.
  if (!shownEntriesOf.isEmpty() && shownEntriesOf == ChosenKey()) {
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
  TagsRename->setEnabled(!key.isEmpty());
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
  if (!current.isValid()) return;
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
  const std::optional<marrowleaf::EntryKey> held = modifiedEntry ? modifiedEntry() : std::nullopt;
  const std::atomic<bool> never{false};
  marrowleaf::TagRenamePlan plan = marrowleaf::PlanTagRename(
      saveDir, static_cast<int>(tabTitles.size()), key, shown, to, never, held ? &*held : nullptr);
  const auto name = [this](const marrowleaf::EntryKey& entry) {
    const QString tab =
        entry.tab < tabTitles.size() ? tabTitles[entry.tab] : QString::number(entry.tab);
    return tr("%1, tab \"%2\"")
        .arg(QLocale().toString(QDate(entry.year, entry.month, entry.day), QLocale::LongFormat),
             tab);
  };
  QStringList left;
  for (const auto& [entry, why] : plan.skipped) {
    left.append(why == marrowleaf::RenameSkip::kModifiedInWindow
                    ? tr("%1: its changes in the window are not saved").arg(name(entry))
                    : tr("%1: its encoding cannot hold the new name").arg(name(entry)));
  }
  int changed = 0;
  // One entry at a time, each through the save step; the one the window now holds unsaved is
  // left alone, as is one another program wrote since the rename read it.
  for (const marrowleaf::PlannedRename& entry : plan.entries) {
    const std::optional<marrowleaf::EntryKey> now = modifiedEntry ? modifiedEntry() : std::nullopt;
    if (now && *now == entry.key) {
      left.append(tr("%1: its changes in the window are not saved").arg(name(entry.key)));
      continue;
    }
    const marrowleaf::EntrySave save = marrowleaf::ApplyTagRename(saveDir, entry);
    if (save.entry.ok) {
      ++changed;
    } else if (save.displaced) {
      left.append(tr("%1: another program changed it meanwhile").arg(name(entry.key)));
    } else {
      left.append(tr("%1: %2").arg(name(entry.key), QString::fromStdString(save.entry.error)));
    }
  }
  QString report = tr("#%1 was renamed to #%2 in %n entries.", nullptr, changed).arg(shown, to);
  if (!left.isEmpty()) {
    report += QStringLiteral("\n\n") + tr("Not renamed:") + QLatin1Char('\n') +
              left.join(QLatin1Char('\n'));
  }
  shownEntriesOf.clear();
  Refresh();
  pendingChoice = marrowleaf::TagKey(to);  // the renamed tag stays chosen
  prompts.ShowWarning(this, report);
}
