// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/findwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "entries/calendar.h"
#include "entries/search.h"

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

TFindWindow::TFindWindow(std::string dir, QStringList titles, QWidget* parent)
    : QWidget(parent, Qt::Window),
      saveDir(std::move(dir)),
      tabTitles(std::move(titles)),
      cancelled(std::make_shared<std::atomic<bool>>(false)),
      finished(std::make_shared<std::atomic<bool>>(true)) {
  setObjectName(QStringLiteral("FindWindow"));
  setWindowTitle(QStringLiteral("Find"));
  CreateLayout();
}

TFindWindow::~TFindWindow() { Stop(); }

void TFindWindow::CreateLayout() {
  auto* layout = new QVBoxLayout(this);
  FindQuery = new QLineEdit(this);
  FindQuery->setObjectName(QStringLiteral("FindQuery"));
  FindQuery->setPlaceholderText(QStringLiteral("Words to find, \"a phrase\" in quotes"));
  FindResults = new QListWidget(this);
  FindResults->setObjectName(QStringLiteral("FindResults"));
  FindResults->setItemDelegate(new HtmlDelegate(FindResults));
  FindCount = new QLabel(this);
  FindCount->setObjectName(QStringLiteral("FindCount"));
  FindQuery->setAccessibleName(QStringLiteral("Find"));
  FindQuery->setAccessibleDescription(
      QStringLiteral("Words to find in every entry; double quotes make a phrase"));
  FindResults->setAccessibleName(QStringLiteral("Entries found"));
  FindResults->setAccessibleDescription(
      QStringLiteral("Newest first; Enter shows the entry with the words selected"));
  FindCount->setAccessibleName(QStringLiteral("How many entries were found"));
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
    if (FindResults->count() > 0)
      Activate(FindResults->currentItem() ? FindResults->currentItem() : FindResults->item(0));
  });
  connect(FindResults, &QListWidget::itemActivated, this, &TFindWindow::Activate);
}

void TFindWindow::Stop() {
  cancelled->store(true);
  if (worker.joinable()) worker.join();
}

void TFindWindow::SearchNow(const QString& query) {
  Stop();
  pause->stop();
  if (FindQuery->text() != query) FindQuery->setText(query);
  FindResults->clear();
  found = 0;
  const int mine = ++generation;
  const marrowleaf::SearchQuery parsed = marrowleaf::ParseQuery(query);
  if (parsed.terms.empty()) {
    FindCount->clear();
    return;
  }
  FindCount->setText(QStringLiteral("Searching…"));
  cancelled = std::make_shared<std::atomic<bool>>(false);
  finished = std::make_shared<std::atomic<bool>>(false);
  const int tabCount = static_cast<int>(tabTitles.size());
  worker = std::thread([this, mine, parsed, tabCount, query, dir = saveDir, stop = cancelled,
                        done = finished] {
    marrowleaf::SearchDiary(dir, tabCount, parsed, *stop, [&](const marrowleaf::SearchHit& hit) {
      // Rows reach the window through its event loop; a window closed meanwhile gets none.
      QMetaObject::invokeMethod(
          this,
          [this, mine, hit] {
            if (mine != generation) return;
            const QDate date(hit.key.year, hit.key.month, hit.key.day);
            const QString tab = hit.key.tab < tabTitles.size() ? tabTitles[hit.key.tab]
                                                               : QString::number(hit.key.tab);
            const QString head = date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
                                 QLatin1String(marrowleaf::WeekdayName(marrowleaf::DayOfWeek(
                                     date.year(), date.month(), date.day()))) +
                                 QStringLiteral(" · ") + tab + QStringLiteral(" · ");
            auto* item = new QListWidgetItem(head + hit.line);
            item->setData(kDate, date);
            item->setData(kTab, hit.key.tab);
            item->setData(kStart, static_cast<qlonglong>(hit.start));
            item->setData(kLength, static_cast<qlonglong>(hit.length));
            item->setData(kHtml, QString(head.toHtmlEscaped() + Marked(hit.line, hit.marks)));
            // Read as one sentence: the date in words, the tab, the line.
            item->setData(
                Qt::AccessibleTextRole,
                QString(QLocale().toString(date, QStringLiteral("dddd d MMMM yyyy")) +
                        QStringLiteral(", tab ") + tab + QStringLiteral(": ") + hit.line));
            FindResults->addItem(item);
            if (FindResults->count() == 1) FindResults->setCurrentRow(0);
            ++found;
            FindCount->setText(QString::number(found) + (found == 1
                                                             ? QStringLiteral(" entry found")
                                                             : QStringLiteral(" entries found")));
          },
          Qt::QueuedConnection);
    });
    done->store(true);
    QMetaObject::invokeMethod(
        this,
        [this, mine, query] {
          if (mine != generation || found > 0) return;
          FindCount->setText(QStringLiteral("No entry holds \"") + query + QStringLiteral("\"."));
        },
        Qt::QueuedConnection);
  });
}

void TFindWindow::Activate(QListWidgetItem* item) {
  if (item == nullptr) return;
  Q_EMIT showRequested(item->data(kDate).toDate(), item->data(kTab).toInt(),
                       static_cast<qsizetype>(item->data(kStart).toLongLong()),
                       static_cast<qsizetype>(item->data(kLength).toLongLong()));
}

void TFindWindow::closeEvent(QCloseEvent* event) {
  Stop();  // closing stops the scan at once
  QWidget::closeEvent(event);
}

void TFindWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
