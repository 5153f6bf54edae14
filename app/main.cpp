// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/endsignals.h"
#include "app/messageboxprompts.h"
#include "app/translations.h"
#include "mainwindow/diaryerror.h"
#include "mainwindow/tform1.h"

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
      !std::getenv("QT_QPA_PLATFORM")) {
    std::fputs(
        "marrowleaf: no display found (DISPLAY is not set); start it on a desktop or under "
        "xvfb-run\n",
        stderr);
    return 1;
  }
  TApplication app(argc, argv);
  InstallTranslations(QLocale::system());
  // An exception that escapes the window's creation is shown, and the program ends.
  RunShowingExceptions(
      [&app] {
        MessageBoxPrompts prompts(&TApplication::ShowException);
        TForm1 form(prompts);
        // A session's end, a shutdown or kill: the close path runs with nobody there to ask.
        TEndSignals endSignals;
        QObject::connect(&endSignals, &TEndSignals::ending, &form,
                         [&form] { form.EndSession(false); });
        // The desktop's own request to save: the question may be asked where it allows.
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                         [&form](QSessionManager& manager) {
                           form.CommitData(manager.allowsInteraction());
                           if (manager.allowsInteraction()) manager.release();
                         });
        form.show();
        TApplication::exec();
      },
      &TApplication::ShowException);
  return 0;
}
