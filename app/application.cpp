// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

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
  QMessageBox box(QMessageBox::Critical, ProgramName(), ExceptionText(message), QMessageBox::Ok);
  FitToCaption(box);
  box.exec();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunShowingExceptions([&] { handled = QApplication::notify(receiver, event); }, &ShowException);
  return handled;
}
