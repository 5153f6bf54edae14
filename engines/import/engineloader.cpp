// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The core's side: finding and loading the module, once.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <mutex>

#include "engines/import/engine.h"

namespace marrowleaf::import {

const Engine* LoadEngine(std::string& error) {
  static std::mutex lock;
  static const Engine* engine = nullptr;
  static std::string failure;
  static QLibrary* loaded = nullptr;  // never unloaded: the sources it read keep pointers into it
  const std::lock_guard<std::mutex> hold(lock);
  if (loaded == nullptr && failure.empty()) {
    const QString here = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("libmarrowleaf_import.so");
    const QStringList places{here, here + QStringLiteral("/.."),
                             here + QStringLiteral("/../" MARROWLEAF_MODULE_DIR)};
    for (const QString& place : places) {
      const QString path = QDir::cleanPath(place + QLatin1Char('/') + name);
      if (!QFile::exists(path)) continue;
      auto* library = new QLibrary(path);
      library->setLoadHints(QLibrary::PreventUnloadHint);
      using Factory = const Engine* (*)();
      using ShareKeys = void (*)(KeyTable*);
      const auto find = reinterpret_cast<Factory>(library->resolve("marrowleaf_import_engine"));
      // The module's own copy of the core must read and write an encrypted diary with the keys
      // this program holds, or it would write the import's entries in plain.
      const auto share =
          reinterpret_cast<ShareKeys>(library->resolve("marrowleaf_import_use_keys"));
      if (find != nullptr && share != nullptr) {
        share(ThisKeyTable());
        engine = find();
        loaded = library;
        break;
      }
      failure = library->errorString().toStdString();
      delete library;
    }
    if (engine == nullptr && failure.empty()) {
      failure = name.toStdString() + " was found in none of " +
                places.join(QStringLiteral(", ")).toStdString();
    }
  }
  error = failure;
  return engine;
}

}  // namespace marrowleaf::import
