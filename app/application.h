// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QString>

// The application object: its title names the program and captions the exception display.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);

  // Shows an exception's message in an error box captioned with the title.
  static void ShowException(const QString& message);
  // The message as shown: a full stop is added when the last character sorts after "." (a
  // letter, a digit, "?"), not after ".", " ", "!" or ")".
  static QString ExceptionText(const QString& message);

  // A last line of defence: an exception that escapes an event handler's own guard is shown and
  // the event loop goes on.
  bool notify(QObject* receiver, QEvent* event) override;
};

QIcon MarrowleafIcon();
