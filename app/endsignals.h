// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a session's end, a shutdown, kill, Ctrl+C) into a signal of
// the event loop, so that the program ends through its close path instead of at once. The
// handler only writes one byte into a pipe; everything else happens on the event loop.
class TEndSignals : public QObject {
  Q_OBJECT

 public:
  explicit TEndSignals(QObject* parent = nullptr);
  ~TEndSignals() override;

 Q_SIGNALS:
  void ending();

 private:
  QSocketNotifier* notifier = nullptr;
};
