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
  // Named while it is still there, so that a reader's copy of its name is the new one; then shown
  // anew: a reader speaks a notification when it appears.
  setAccessibleName(text);
  hide();
  show();
}
