// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Import…: the import window over the main window, and what the main window shows after it.
#include <QTabBar>

#include "diary/diary.h"
#include "import/importwindow.h"
#include "mainwindow/diarycalendar.h"
#include "mainwindow/tform1.h"
#include "widgets/prompts.h"

void TForm1::Impo1Click() {
  // The readers are loaded now, the first time they are needed.
  std::string error;
  const marrowleaf::import::Engine* engine = marrowleaf::import::LoadEngine(error);
  if (engine == nullptr) {
    prompts.ShowWarning(this, tr("The import cannot be used: its part of the program could not "
                                 "be loaded (%1).")
                                  .arg(QString::fromStdString(error)));
    return;
  }
  TImportWindow window(prompts, *diary, *engine, this);
  prompts.ShowDialog(window);
}

void TForm1::TabsAdded() {
  const QSignalBlocker quiet(tabheader);
  for (int tab = tabheader->count(); tab < diary->TabCount(); ++tab) {
    tabheader->addTab(diary->TabTitle(tab));
  }
  calender->SetDiary(saveDir, diary->TabCount());
  RebuildTabCaptions();
}

void TForm1::LookAgainAfterImport() {
  // The shown entry is read again unless it holds typed text (a bulk writer leaves that entry
  // alone); the marks and "+" follow the new files.
  CheckShownEntry();
  RebuildTabCaptions();
  calender->RefreshMarks();
}
