// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historywindow.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "crypto/sealedfiles.h"
#include "entries/entryfiles.h"
#include "entries/entrytext.h"
#include "entries/history.h"
#include "pictures/picturetextedit.h"
#include "text/dates.h"

namespace {

// An entry file's bytes as the text area shows them: up to the first NUL.
QString TextOf(const std::string& bytes) {
  return marrowleaf::EntryBytesToText(marrowleaf::EntryTextOf(bytes)).text;
}

QString FirstLine(const QString& text) {
  const QString line = text.section(QLatin1Char('\n'), 0, 0).trimmed();
  return line.size() > 60 ? line.left(60) + QStringLiteral("…") : line;
}

QString Bytes(int64_t size) {
  return THistoryWindow::tr("%n bytes", nullptr,
                            static_cast<int>(std::min<int64_t>(size, INT32_MAX)));
}

QString When(int64_t microsUtc) {
  return marrowleaf::ShortDateTime(QDateTime::fromMSecsSinceEpoch(microsUtc / 1000).toLocalTime(),
                                   QLocale());
}

}  // namespace

THistoryWindow::THistoryWindow(const std::string& saveDir, const marrowleaf::EntryKey& key,
                               bool shown, const QString& entryName, const marrowleaf::Draft* draft,
                               QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("HistoryWindow"));
  setWindowTitle(tr("History of %1").arg(entryName));
  CreateLayout();
  HistoryPreview->SetDiary(saveDir);
  if (!shown) {
    HistoryStatus->setText(tr("No entry is shown, so there is no history to show."));
    return;
  }
  LoadVersions(saveDir, key, draft);
  if (VersionCount() == 0) {
    HistoryStatus->setText(tr("This entry has no earlier versions yet."));
  } else {
    HistoryStatus->setText(tr("%n earlier versions", nullptr, VersionCount()));
  }
  if (HistoryList->count() > 0) HistoryList->setCurrentRow(hasCurrent && texts.size() > 1 ? 1 : 0);
}

void THistoryWindow::CreateLayout() {
  auto* layout = new QVBoxLayout(this);
  HistoryStatus = new QLabel(this);
  HistoryStatus->setObjectName(QStringLiteral("HistoryStatus"));
  HistoryList = new QListWidget(this);
  HistoryList->setObjectName(QStringLiteral("HistoryList"));
  HistoryPreview = new TPictureTextEdit(this);
  HistoryPreview->setObjectName(QStringLiteral("HistoryPreview"));
  HistoryPreview->setReadOnly(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->setObjectName(QStringLiteral("HistoryButtons"));
  HistoryRestore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
  HistoryRestore->setObjectName(QStringLiteral("HistoryRestore"));
  HistoryRestore->setEnabled(false);
  HistoryList->setAccessibleName(tr("Versions"));
  HistoryList->setAccessibleDescription(
      tr("The entry's texts, newest first: the file now, unsaved text, earlier versions"));
  HistoryPreview->setAccessibleName(tr("Preview"));
  HistoryPreview->setAccessibleDescription(tr("The chosen version's text"));
  HistoryRestore->setAccessibleDescription(
      tr("Put the chosen text into the entry, to be saved like typing"));
  layout->addWidget(HistoryStatus);
  layout->addWidget(HistoryList, 1);
  layout->addWidget(HistoryPreview, 2);
  layout->addWidget(buttons);
  resize(560, 480);
  connect(HistoryList, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(HistoryRestore, &QPushButton::clicked, this, [this] {
    const int row = HistoryList->currentRow();
    if (row < 0 || row >= texts.size()) return;
    Q_EMIT restoreRequested(texts[row]);
    accept();
  });
}

void THistoryWindow::LoadVersions(const std::string& saveDir, const marrowleaf::EntryKey& key,
                                  const marrowleaf::Draft* draft) {
  // Sealed files are opened (crypto/): the text, never the bytes on disk, is shown.
  const marrowleaf::DiaryFileRead current =
      marrowleaf::ReadDiaryFile(marrowleaf::EntryPath(saveDir, key));
  if (current.read && (current.result == marrowleaf::Opening::kOpened ||
                       current.result == marrowleaf::Opening::kPlain)) {
    hasCurrent = true;
    texts.append(TextOf(current.bytes));
    // The size of the text the entry holds: a sealed file is larger on disk by its header.
    AddRow(tr("Now in the entry file") + QStringLiteral(" · ") +
           Bytes(static_cast<int64_t>(current.bytes.size())) + QStringLiteral(" · ") +
           FirstLine(texts.back()));
  }
  if (draft != nullptr) {
    texts.append(TextOf(draft->bytes));
    AddRow(tr("unsaved text from %1").arg(When(draft->microsUtc)) + QStringLiteral(" · ") +
           FirstLine(texts.back()));
  }
  for (const marrowleaf::Version& version : marrowleaf::ListVersions(saveDir, key)) {
    const std::string bytes = marrowleaf::ReadVersion(version.path);
    texts.append(TextOf(bytes));
    QString origin;
    if (version.kind == marrowleaf::VersionKind::kElsewhere) {
      origin = QStringLiteral(" · ") + tr("written by another program");
    } else if (version.kind == marrowleaf::VersionKind::kSyncCopy) {
      // The name's tail tells the copies of several devices apart.
      origin = QStringLiteral(" · ") +
               tr("copy made by a sync tool: %1")
                   .arg(QFile::decodeName(QByteArray::fromStdString(version.copyName)));
    }
    AddRow(When(version.microsUtc) + origin + QStringLiteral(" · ") +
           Bytes(bytes.empty() ? version.size : static_cast<int64_t>(bytes.size())) +
           QStringLiteral(" · ") + FirstLine(texts.back()));
  }
}

void THistoryWindow::AddRow(const QString& text) {
  auto* item = new QListWidgetItem(text, HistoryList);
  // Read as one sentence rather than a row of fields.
  QString sentence = text;
  item->setData(Qt::AccessibleTextRole,
                sentence.replace(QStringLiteral(" · "), QStringLiteral(", ")));
}

void THistoryWindow::ShowSelected() {
  const int row = HistoryList->currentRow();
  const bool valid = row >= 0 && row < texts.size();
  HistoryPreview->setPlainText(valid ? texts[row] : QString());
  HistoryRestore->setEnabled(valid);
}
