// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/announcer.h"

#include "widgets/windows.h"

TAnnouncer::TAnnouncer(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Announcer"));
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(0, 0);
  InstallWindowAccess();  // which makes it a notification
  hide();
}

void TAnnouncer::Announce(const QString& text) {
  // Shown anew each time: a reader speaks a notification when it appears.
  hide();
  setAccessibleName(text);
  show();
}
