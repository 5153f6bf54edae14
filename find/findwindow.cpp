// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "find/findwindow.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListView>
#include <QTimer>
#include <QVBoxLayout>

#include "widgets/foundentries.h"
#include "widgets/windows.h"

TFindWindow::TFindWindow(TDiary& d, QWidget* parent) : QWidget(parent, Qt::Window), diary(d) {
  setObjectName(QStringLiteral("FindWindow"));
  setWindowTitle(tr("Find"));
  InstallWindowAccess();  // before any of its widgets is asked for
  CreateLayout();
  CloseOnEscape(this);
  ReturnToOwnerWhenHidden(this);
}

TFindWindow::~TFindWindow() = default;

bool TFindWindow::Searching() const { return found->Searching(); }

void TFindWindow::CreateLayout() {
  auto* layout = new QVBoxLayout(this);
  FindQuery = new QLineEdit(this);
  FindQuery->setObjectName(QStringLiteral("FindQuery"));
  FindQuery->setPlaceholderText(tr("Words to find, \"a phrase\" in quotes"));
  FindQuery->setAccessibleName(tr("Find"));
  FindQuery->setAccessibleDescription(
      tr("Words to find in every entry; quotation marks make a phrase"));
  found = new TFoundEntries(diary, this);
  found->setObjectName(QStringLiteral("FindEntries"));
  layout->addWidget(FindQuery);
  layout->addWidget(found, 1);
  resize(620, 460);
  pause = new QTimer(this);
  pause->setSingleShot(true);
  pause->setInterval(150);  // typing goes on: the search waits for a short pause
  connect(FindQuery, &QLineEdit::textEdited, pause, [this] {
    found->Stop();
    pause->start();
  });
  connect(pause, &QTimer::timeout, this, [this] { SearchNow(FindQuery->text()); });
  connect(FindQuery, &QLineEdit::returnPressed, found, &TFoundEntries::ShowCurrent);
}

void TFindWindow::SearchNow(const QString& query) {
  pause->stop();
  if (FindQuery->text() != query) FindQuery->setText(query);
  found->Search(query);
}

void TFindWindow::closeEvent(QCloseEvent* event) {
  found->Stop();  // closing stops the scan at once
  QWidget::closeEvent(event);
}
