// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/passedover.h"

#include <QCoreApplication>
#include <QStringList>

QString PassedOver(size_t count, const std::vector<marrowleaf::Skipped>& first) {
  if (count == 0) return {};
  QStringList names;
  for (size_t i = 0; i < first.size() && i < 3; ++i) {
    names << QString::fromStdString(first[i].path) + QStringLiteral(" (") +
                 QString::fromStdString(first[i].error) + QLatin1Char(')');
  }
  if (count > static_cast<size_t>(names.size())) names << QString(QChar(0x2026));
  const int n = static_cast<int>(count);
  return QCoreApplication::translate("TPassedOver",
                                     "Not read: %n files named like entries could not be read: %1",
                                     nullptr, n)
      .arg(names.join(QStringLiteral("; ")));
}
