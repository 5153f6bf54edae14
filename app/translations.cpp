// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallTranslations(const QLocale& locale) {
  static QTranslator program;
  static QTranslator toolkit;
  QCoreApplication::removeTranslator(&program);
  QCoreApplication::removeTranslator(&toolkit);
  // Where the locale's language has no translation the texts stay English, and English takes
  // its plural forms ("1 year ago", "2 years ago") from a file of those alone.
  if (program.load(locale, QStringLiteral("marrowleaf"), QStringLiteral("_"),
                   QStringLiteral(":/i18n")) ||
      program.load(QStringLiteral("marrowleaf_en"), QStringLiteral(":/i18n"))) {
    QCoreApplication::installTranslator(&program);
  }
  if (toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&toolkit);
  }
}
