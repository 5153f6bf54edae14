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
  // The sources speak English but for the plural forms ("1 entry", "2 entries"), which only a
  // translation knows: English's holds nothing else, and it serves every locale the diary has
  // no translation for, C among them.
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
