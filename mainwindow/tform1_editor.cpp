// The external editor: it works on the entry file itself while the window waits.
#include <QTabBar>

#include "mainwindow/editorlaunch.h"
#include "mainwindow/prompts.h"
#include "mainwindow/tform1.h"

void TForm1::Button_launch_editorClick() {
  const int tab = tabheader->currentIndex();
  CreateEntry(tab);
  ComputeEntryPath(tab);
  const QString commandLine =
      QString::fromStdString(editorCommand) + QLatin1Char(' ') + QString::fromStdString(entryPath);
  editorRunning = true;
  const EditorRun run = RunAndWait(commandLine, this);
  editorRunning = false;
  RefreshCalendarMarks();  // the editor may have made or removed files
  if (!run.started) {
    prompts.ShowWarning(this, QStringLiteral("Could not start the editor \"") +
                                  QString::fromStdString(editorCommand) + QStringLiteral("\":\n") +
                                  run.error);
  }
  // The text area is not reloaded: it shows what it showed before the launch.
  SaveEntryIfModified();
}
