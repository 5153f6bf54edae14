// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/progress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <algorithm>
#include <limits>

#include "diary/longwork.h"
#include "widgets/prompts.h"

QProgressDialog* FollowProgress(QWidget* owner, TLongWork& work, const QString& label) {
  auto* progress =
      new QProgressDialog(label, QCoreApplication::translate("TProgress", "Cancel"), 0, 0, owner);
  progress->setWindowTitle(ProgramName());
  progress->setAccessibleName(label);
  progress->setAttribute(Qt::WA_DeleteOnClose);
  progress->setWindowModality(Qt::WindowModal);
  progress->setMinimumDuration(500);
  const auto narrow = [](qint64 n) {
    return static_cast<int>(std::clamp<qint64>(n, 0, std::numeric_limits<int>::max()));
  };
  QObject::connect(&work, &TLongWork::progress, progress,
                   [progress, narrow](qint64 done, qint64 total) {
                     progress->setMaximum(narrow(total));
                     progress->setValue(narrow(std::min(done, total)));
                   });
  QObject::connect(&work, &TLongWork::finished, progress, &QProgressDialog::close);
  QObject::connect(progress, &QProgressDialog::canceled, &work, &TLongWork::RequestStop);
  return progress;
}
