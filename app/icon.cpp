// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "app/application.h"

// A 16 x 16 diary: a dark cover with a light page edge and a red ribbon.
QIcon MarrowleafIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x5a, 0x3e, 0x2b));
  p.drawRect(2, 1, 12, 14);
  p.setBrush(QColor(0xf4, 0xec, 0xd8));
  p.drawRect(12, 2, 2, 12);
  p.setBrush(QColor(0xc0, 0x30, 0x30));
  p.drawRect(9, 1, 2, 9);
  p.setBrush(QColor(0xe8, 0xd8, 0xa8));
  p.drawRect(4, 4, 4, 1);
  p.drawRect(4, 6, 3, 1);
  p.end();
  return QIcon(pixmap);
}
