// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/diaryerror.h"

bool RunShowingExceptions(const std::function<void()>& work,
                          const std::function<void(const QString&)>& show) {
  try {
    work();
    return true;
  } catch (const EDiaryError& e) {
    show(QString::fromStdString(e.what()));
  } catch (...) {
    show(QString());
  }
  return false;
}
