// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCommandLineParser>
#include <QFile>
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

namespace {

// Where the settings live. Started directly, everything is in config.ini of the current folder.
// The launcher starts the diary in its folder, which a sync tool may share between machines, and
// names a file of this machine's own for the settings that belong to it: --device-settings FILE.
// Any other argument is left alone, as it always was.
bool ReadSettingsFiles(const QStringList& arguments, marrowleaf::SettingsFiles& files) {
  QCommandLineParser parser;
  const QCommandLineOption device(QStringLiteral("device-settings"), QString(),
                                  QStringLiteral("file"));
  parser.addOption(device);
  parser.parse(arguments);  // an unknown argument is no error here
  if (!parser.isSet(device)) return true;
  const QString file = parser.value(device);
  if (file.isEmpty()) return false;
  files.deviceFile = QFile::encodeName(file).toStdString();
  return true;
}

}  // namespace

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
  marrowleaf::SettingsFiles settingsFiles;
  if (!ReadSettingsFiles(TApplication::arguments(), settingsFiles)) {
    std::fputs("marrowleaf: --device-settings needs the name of a file\n", stderr);
    return 2;
  }
  InstallTranslations(QLocale::system());
  // An exception that escapes the window's creation is shown, and the program ends.
  RunShowingExceptions(
      [&app, &settingsFiles] {
        MessageBoxPrompts prompts(&TApplication::ShowException);
        TForm1 form(prompts, &QDate::currentDate, nullptr, settingsFiles);
        // An encrypted diary whose password was not given: nothing was read, nothing is shown.
        if (!form.Unlocked()) return;
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
