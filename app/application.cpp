// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QMainWindow>
#include <QMessageBox>

#include "app/messageboxprompts.h"
#include "mainwindow/diaryerror.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The title is the application name, not its display name: Qt would append a display name to
  // every window caption.
  setApplicationName(QStringLiteral("marrowleaf"));
  setWindowIcon(MarrowleafIcon());
}

QString TApplication::ExceptionText(const QString& message) {
  const QByteArray bytes = message.toUtf8();
  if (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) > '.') {
    return message + QLatin1Char('.');
  }
  return message;
}

void TApplication::ShowException(const QString& message) {
  // Captioned with the application title, as exceptions always were. Over the window the user
  // works in, or the diary's main window: a box without an owner opens wherever the window
  // manager puts it, away from the diary.
  QWidget* owner = activeWindow();
  const QWidgetList windows = topLevelWidgets();
  for (auto it = windows.begin(); owner == nullptr && it != windows.end(); ++it) {
    if (qobject_cast<QMainWindow*>(*it) != nullptr && (*it)->isVisible()) owner = *it;
  }
  QMessageBox box(QMessageBox::Critical, applicationName(), ExceptionText(message), QMessageBox::Ok,
                  owner);
  FitToCaption(box);
  box.exec();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunShowingExceptions([&] { handled = QApplication::notify(receiver, event); }, &ShowException);
  return handled;
}
