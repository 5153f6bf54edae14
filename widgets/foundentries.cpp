// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/foundentries.h"

#include <QAbstractListModel>
#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>
#include <chrono>
#include <memory>
#include <vector>

#include "diary/diary.h"
#include "diary/longwork.h"
#include "engines/search/search.h"
#include "text/dates.h"
#include "widgets/itemviews.h"
#include "widgets/passedover.h"

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
  TFoundRows(const TDiary& d, QObject* parent) : QAbstractListModel(parent), diary(d) {}

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
        return (hit.unsaved ? TFoundEntries::tr("%1, tab %2, not saved yet: %3")
                            : TFoundEntries::tr("%1, tab %2: %3"))
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
  QString Tab(const marrowleaf::SearchHit& hit) const { return diary.TabTitle(hit.key.tab); }
  // The day as the entry's heading: the locale's long form, which names the weekday.
  QString Head(const marrowleaf::SearchHit& hit) const {
    const QDate date(hit.key.year, hit.key.month, hit.key.day);
    QStringList fields{marrowleaf::LongDate(date, QLocale()), Tab(hit)};
    if (hit.unsaved) fields << TFoundEntries::tr("not saved yet");
    return fields.join(QStringLiteral(" · ")) + QStringLiteral(" · ");
  }

  const TDiary& diary;  // its tabs as they are named now
  std::vector<marrowleaf::SearchHit> hits;
};

TFoundEntries::TFoundEntries(TDiary& d, QWidget* parent) : QWidget(parent), diary(d) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  FindResults = new TQuietView<QListView>(this);
  FindResults->setObjectName(QStringLiteral("FindResults"));
  FindResults->setItemDelegate(new HtmlDelegate(FindResults));
  FindResults->setUniformItemSizes(true);  // one line each: no row is measured but the first
  FindResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows = new TFoundRows(diary, this);
  FindResults->setModel(rows);
  FindResults->setAccessibleName(tr("Entries found"));
  FindResults->setAccessibleDescription(
      tr("Newest first; Enter shows the entry with the words selected"));
  FindCount = new QLabel(this);
  FindCount->setObjectName(QStringLiteral("FindCount"));
  // Its text is what a screen reader reads: a name would stand in its place.
  FindCount->setAccessibleDescription(tr("How many entries were found"));
  layout->addWidget(FindResults, 1);
  layout->addWidget(FindCount);
  search = new TLongWork(this);
  connect(FindResults, &QListView::activated, this, &TFoundEntries::Activate);
  // What another part of the program wrote (an import, a rename), or a tab it added, is found
  // at once.
  const auto again = [this] {
    // A copy: the search forgets its query first.
    if (!query.isEmpty()) Search(QString(query));
  };
  connect(&diary, &TDiary::entriesChanged, this, again);
  connect(&diary, &TDiary::tabsChanged, this, again);
}

TFoundEntries::~TFoundEntries() {
  // No search outlives the rows it fills.
  search->Cancel();
  search->Wait();
}

bool TFoundEntries::Searching() const { return search->Busy(); }

int TFoundEntries::Count() const { return rows->rowCount(QModelIndex()); }

void TFoundEntries::Stop() { search->Cancel(); }

void TFoundEntries::Clear() {
  search->Cancel();
  query.clear();
  rows->Clear();
  FindCount->clear();
}

void TFoundEntries::Search(const QString& text) {
  Clear();
  const marrowleaf::SearchQuery parsed = marrowleaf::ParseQuery(text);
  if (parsed.terms.empty()) return;
  query = text;
  FindCount->setText(tr("Searching…"));
  using Hits = std::vector<marrowleaf::SearchHit>;
  // Rows reach the window in batches: the first hit at once, then whatever has come every 30 ms.
  const auto show = [this](Hits& hits) {
    rows->Append(hits);
    if (!FindResults->currentIndex().isValid()) FindResults->setCurrentIndex(rows->index(0));
    FindCount->setText(tr("%n entries found", nullptr, Count()));
  };
  struct Searched {
    size_t skipped = 0;
    std::vector<marrowleaf::Skipped> firstSkipped;
  };
  search->Start<Searched>(
      [parsed, show, dir = diary.SaveDir(), tabs = diary.TabCount(),
       unsaved = diary.Unsaved()](TLongWork::Run& run) {
        using Clock = std::chrono::steady_clock;
        auto batch = std::make_shared<Hits>();
        Clock::time_point sent = Clock::now();
        bool first = true;
        const auto send = [&] {
          if (batch->empty()) return;
          run.Post([show, hits = std::move(batch)] { show(*hits); });
          batch = std::make_shared<Hits>();
          sent = Clock::now();
        };
        const marrowleaf::DiaryWalk walk(
            dir,
            marrowleaf::EveryEntry(tabs, marrowleaf::Order::kNewestFirst,
                                   unsaved ? &*unsaved : nullptr),
            run.Cancelled());
        marrowleaf::SearchDiary(walk, parsed, [&](const marrowleaf::SearchHit& hit) {
          batch->push_back(hit);
          if (first || Clock::now() - sent >= std::chrono::milliseconds(30)) send();
          first = false;
        });
        send();
        return Searched{walk.SkipCount(), walk.Skips()};
      },
      [this, text](Searched& searched) {
        if (Count() == 0) {
          FindCount->setText(
              tr("No entry holds \"%1\".").arg(marrowleaf::WithoutOuterQuotes(text)));
        }
        // Files that could not be read were not searched: said under the count.
        const QString passed = PassedOver(searched.skipped, searched.firstSkipped);
        if (!passed.isEmpty()) FindCount->setText(FindCount->text() + QLatin1Char('\n') + passed);
      });
}

void TFoundEntries::ShowCurrent() {
  if (Count() == 0) return;
  const QModelIndex current = FindResults->currentIndex();
  Activate(current.isValid() ? current : rows->index(0));
}

void TFoundEntries::Activate(const QModelIndex& index) {
  if (!index.isValid()) return;
  const marrowleaf::SearchHit& hit = rows->Hit(index.row());
  diary.Show(QDate(hit.key.year, hit.key.month, hit.key.day), hit.key.tab, hit.start, hit.length);
}
