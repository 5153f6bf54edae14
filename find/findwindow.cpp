// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "find/findwindow.h"

#include <QAbstractListModel>
#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>

#include "engines/search/search.h"
#include "text/dates.h"
#include "widgets/itemviews.h"
#include "widgets/windows.h"

namespace {

enum Role { kDate = Qt::UserRole, kTab, kStart, kLength, kHtml };

// Draws a row's rich text: the matched words in bold.
class HtmlDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    item.widget->style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    QTextDocument document;
    document.setDefaultFont(option.font);
    document.setHtml(index.data(kHtml).toString());
    painter->save();
    painter->translate(option.rect.topLeft());
    document.drawContents(painter, QRectF(0, 0, option.rect.width(), option.rect.height()));
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QTextDocument document;
    document.setDefaultFont(option.font);
    document.setHtml(index.data(kHtml).toString());
    return QSize(static_cast<int>(document.idealWidth()),
                 static_cast<int>(document.size().height()));
  }
};

QString Marked(const QString& line, const std::vector<std::pair<qsizetype, qsizetype>>& marks) {
  QString html;
  qsizetype at = 0;
  for (const auto& [start, length] : marks) {
    if (start < at) continue;  // overlapping terms: the first one's mark holds
    html += line.mid(at, start - at).toHtmlEscaped() + QStringLiteral("<b>") +
            line.mid(start, length).toHtmlEscaped() + QStringLiteral("</b>");
    at = start + length;
  }
  return html + line.mid(at).toHtmlEscaped();
}

}  // namespace

// The entries found, as the search handed them on: each row keeps only its hit, and its texts
// (the caption, the marked form, the sentence a screen reader reads) are made when the view
// asks, so that a search that finds every entry of twenty years stays small.
class TFoundRows : public QAbstractListModel {
 public:
  TFoundRows(const QStringList& titles, QObject* parent)
      : QAbstractListModel(parent), tabTitles(titles) {}

  void Clear() {
    beginResetModel();
    hits.clear();
    hits.shrink_to_fit();
    endResetModel();
  }
  void Append(std::vector<marrowleaf::SearchHit>& more) {
    if (more.empty()) return;
    const int first = static_cast<int>(hits.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(more.size()) - 1);
    hits.insert(hits.end(), std::make_move_iterator(more.begin()),
                std::make_move_iterator(more.end()));
    endInsertRows();
  }
  const marrowleaf::SearchHit& Hit(int row) const { return hits[static_cast<size_t>(row)]; }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(hits.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount(QModelIndex())) return {};
    const marrowleaf::SearchHit& hit = Hit(index.row());
    const QDate date(hit.key.year, hit.key.month, hit.key.day);
    switch (role) {
      case Qt::DisplayRole:
        return QString(Head(hit) + hit.line);
      case kHtml:
        return QString(Head(hit).toHtmlEscaped() + Marked(hit.line, hit.marks));
      case Qt::AccessibleTextRole:  // one sentence: the date in words, the tab, the line
        return (hit.unsaved ? TFindWindow::tr("%1, tab %2, not saved yet: %3")
                            : TFindWindow::tr("%1, tab %2: %3"))
            .arg(marrowleaf::LongDate(date, QLocale()), Tab(hit), hit.line);
      case kDate:
        return date;
      case kTab:
        return hit.key.tab;
      case kStart:
        return static_cast<qlonglong>(hit.start);
      case kLength:
        return static_cast<qlonglong>(hit.length);
      default:
        return {};
    }
  }

 private:
  QString Tab(const marrowleaf::SearchHit& hit) const {
    return hit.key.tab < tabTitles.size() ? tabTitles[hit.key.tab] : QString::number(hit.key.tab);
  }
  // The day as the entry's heading: the locale's long form, which names the weekday.
  QString Head(const marrowleaf::SearchHit& hit) const {
    const QDate date(hit.key.year, hit.key.month, hit.key.day);
    QStringList fields{marrowleaf::LongDate(date, QLocale()), Tab(hit)};
    if (hit.unsaved) fields << TFindWindow::tr("not saved yet");
    return fields.join(QStringLiteral(" · ")) + QStringLiteral(" · ");
  }

  QStringList tabTitles;
  std::vector<marrowleaf::SearchHit> hits;
};

TFindWindow::TFindWindow(std::string dir, QStringList titles, TUnsavedText unsaved, QWidget* parent)
    : QWidget(parent, Qt::Window),
      saveDir(std::move(dir)),
      tabTitles(std::move(titles)),
      unsavedText(std::move(unsaved)),
      cancelled(std::make_shared<std::atomic<bool>>(false)) {
  setObjectName(QStringLiteral("FindWindow"));
  setWindowTitle(tr("Find"));
  InstallWindowAccess();  // before any of its widgets is asked for
  CreateLayout();
  // Set into another window (the tags' entries), it closes that one.
  CloseOnEscape(this);
  ReturnToOwnerWhenHidden(this);
}

TFindWindow::~TFindWindow() { Stop(); }

void TFindWindow::CreateLayout() {
  auto* layout = new QVBoxLayout(this);
  FindQuery = new QLineEdit(this);
  FindQuery->setObjectName(QStringLiteral("FindQuery"));
  FindQuery->setPlaceholderText(tr("Words to find, \"a phrase\" in quotes"));
  FindResults = new TQuietView<QListView>(this);
  FindResults->setObjectName(QStringLiteral("FindResults"));
  FindResults->setItemDelegate(new HtmlDelegate(FindResults));
  FindResults->setUniformItemSizes(true);  // one line each: no row is measured but the first
  FindResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows = new TFoundRows(tabTitles, this);
  FindResults->setModel(rows);
  FindCount = new QLabel(this);
  FindCount->setObjectName(QStringLiteral("FindCount"));
  FindQuery->setAccessibleName(tr("Find"));
  FindQuery->setAccessibleDescription(
      tr("Words to find in every entry; quotation marks make a phrase"));
  FindResults->setAccessibleName(tr("Entries found"));
  FindResults->setAccessibleDescription(
      tr("Newest first; Enter shows the entry with the words selected"));
  // Its text is what a screen reader reads: a name would stand in its place.
  FindCount->setAccessibleDescription(tr("How many entries were found"));
  layout->addWidget(FindQuery);
  layout->addWidget(FindResults, 1);
  layout->addWidget(FindCount);
  resize(620, 460);
  pause = new QTimer(this);
  pause->setSingleShot(true);
  pause->setInterval(150);  // typing goes on: the search waits for a short pause
  connect(FindQuery, &QLineEdit::textEdited, pause, [this] {
    Stop();
    pause->start();
  });
  connect(pause, &QTimer::timeout, this, [this] { SearchNow(FindQuery->text()); });
  connect(FindQuery, &QLineEdit::returnPressed, this, [this] {
    if (rows->rowCount(QModelIndex()) == 0) return;
    const QModelIndex current = FindResults->currentIndex();
    Activate(current.isValid() ? current : rows->index(0));
  });
  connect(FindResults, &QListView::activated, this, &TFindWindow::Activate);
}

void TFindWindow::Stop() {
  cancelled->store(true);
  search.waitForFinished();
}

void TFindWindow::SearchNow(const QString& query) {
  Stop();
  pause->stop();
  if (FindQuery->text() != query) FindQuery->setText(query);
  rows->Clear();
  const int mine = ++generation;
  const marrowleaf::SearchQuery parsed = marrowleaf::ParseQuery(query);
  if (parsed.terms.empty()) {
    FindCount->clear();
    return;
  }
  FindCount->setText(tr("Searching…"));
  cancelled = std::make_shared<std::atomic<bool>>(false);
  const int tabCount = static_cast<int>(tabTitles.size());
  std::optional<marrowleaf::UnsavedEntry> unsaved = unsavedText ? unsavedText() : std::nullopt;
  search = QtConcurrent::run([this, mine, parsed, tabCount, query, unsaved = std::move(unsaved),
                              dir = saveDir, stop = cancelled] {
    // Rows reach the window through its event loop, in batches: the first hit at once, then
    // whatever has come every 30 ms. A window closed meanwhile gets none.
    using Clock = std::chrono::steady_clock;
    auto batch = std::make_shared<std::vector<marrowleaf::SearchHit>>();
    Clock::time_point sent = Clock::now();
    bool first = true;
    const auto send = [&] {
      if (batch->empty()) return;
      QMetaObject::invokeMethod(
          this, [this, mine, hits = std::move(batch)] { Show(mine, *hits); }, Qt::QueuedConnection);
      batch = std::make_shared<std::vector<marrowleaf::SearchHit>>();
      sent = Clock::now();
    };
    const marrowleaf::DiaryWalk walk(
        dir,
        marrowleaf::EveryEntry(tabCount, marrowleaf::Order::kNewestFirst,
                               unsaved ? &*unsaved : nullptr),
        *stop);
    marrowleaf::SearchDiary(walk, parsed, [&](const marrowleaf::SearchHit& hit) {
      batch->push_back(hit);
      if (first || Clock::now() - sent >= std::chrono::milliseconds(30)) send();
      first = false;
    });
    if (!stop->load()) send();
    QMetaObject::invokeMethod(
        this,
        [this, mine, query] {
          if (mine != generation || rows->rowCount(QModelIndex()) > 0) return;
          FindCount->setText(
              tr("No entry holds \"%1\".").arg(marrowleaf::WithoutOuterQuotes(query)));
        },
        Qt::QueuedConnection);
  });
}

void TFindWindow::Show(int mine, std::vector<marrowleaf::SearchHit>& hits) {
  if (mine != generation) return;
  rows->Append(hits);
  const int found = rows->rowCount(QModelIndex());
  if (!FindResults->currentIndex().isValid()) FindResults->setCurrentIndex(rows->index(0));
  FindCount->setText(tr("%n entries found", nullptr, found));
}

void TFindWindow::Activate(const QModelIndex& index) {
  if (!index.isValid()) return;
  const marrowleaf::SearchHit& hit = rows->Hit(index.row());
  Q_EMIT showRequested(QDate(hit.key.year, hit.key.month, hit.key.day), hit.key.tab, hit.start,
                       hit.length);
}

void TFindWindow::closeEvent(QCloseEvent* event) {
  Stop();  // closing stops the scan at once
  QWidget::closeEvent(event);
}
