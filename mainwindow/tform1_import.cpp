// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Import…: the import window over the main window, and what the main window shows after it.
#include <QTabBar>

#include "import/importwindow.h"
#include "mainwindow/diarycalendar.h"
#include "mainwindow/tform1.h"
#include "widgets/prompts.h"

void TForm1::Impo1Click() {
  TImportWindow window(prompts, saveDir, tabTitles, this);
  connect(&window, &TImportWindow::tabsAdded, this,
          [this](const QStringList& names) { Guard([&] { AddTabs(names); }); });
  connect(&window, &TImportWindow::imported, this,
          [this] { Guard([this] { LookAgainAfterImport(); }); });
  prompts.ShowDialog(window);
}

void TForm1::AddTabs(const QStringList& names) {
  const QSignalBlocker quiet(tabheader);
  for (const QString& name : names) {
    tabNames.push_back(name.toStdString());
    tabTitles.append(name);
    tabheader->addTab(name);
  }
  calender->SetDiary(saveDir, static_cast<int>(tabNames.size()));
  RebuildTabCaptions();
}

void TForm1::LookAgainAfterImport() {
  // The shown entry is read again unless it holds typed text, which its save step keeps (and
  // the imported text with it, in the entry's history); the marks and "+" follow the new files.
  CheckShownEntry();
  RebuildTabCaptions();
  calender->RefreshMarks();
}
