// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// Says something to a screen reader without moving the keyboard's focus: a result that arrived
// (an import's plan, a template saved). An invisible notification of its window that shows itself
// with the text as its name, which screen readers speak as they speak a desktop's notifications.
class TAnnouncer : public QWidget {
  Q_OBJECT

 public:
  explicit TAnnouncer(QWidget* parent);
  void Announce(const QString& text);
};
