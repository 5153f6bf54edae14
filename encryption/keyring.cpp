// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encryption/keyring.h"

// The header only for libsecret's types; its functions are found in the library once it is
// loaded.
#include <libsecret/secret.h>

#include <QLibrary>
#include <mutex>

#include "platform/files.h"

namespace keyring {
namespace {

using StoreFn = gboolean (*)(const SecretSchema*, const gchar*, const gchar*, const gchar*,
                             GCancellable*, GError**, ...);
using LookupFn = gchar* (*)(const SecretSchema*, GCancellable*, GError**, ...);
using ClearFn = gboolean (*)(const SecretSchema*, GCancellable*, GError**, ...);
using FreeFn = void (*)(gchar*);
using ErrorFreeFn = void (*)(GError*);

struct Library {
  bool loaded = false;
  QString error;
  StoreFn store = nullptr;
  LookupFn lookup = nullptr;
  ClearFn clear = nullptr;
  FreeFn freePassword = nullptr;
  ErrorFreeFn freeError = nullptr;
};

const Library& Load() {
  static Library library;
  static std::once_flag once;
  std::call_once(once, [] {
    // Never unloaded: GLib's types stay registered for the rest of the run.
    QLibrary secret(QStringLiteral("secret-1"), 0);
    secret.setLoadHints(QLibrary::PreventUnloadHint);
    QLibrary glib(QStringLiteral("glib-2.0"), 0);
    glib.setLoadHints(QLibrary::PreventUnloadHint);
    if (!secret.load() || !glib.load()) {
      library.error = secret.isLoaded() ? glib.errorString() : secret.errorString();
      return;
    }
    library.store = reinterpret_cast<StoreFn>(secret.resolve("secret_password_store_sync"));
    library.lookup = reinterpret_cast<LookupFn>(secret.resolve("secret_password_lookup_sync"));
    library.clear = reinterpret_cast<ClearFn>(secret.resolve("secret_password_clear_sync"));
    library.freePassword = reinterpret_cast<FreeFn>(secret.resolve("secret_password_free"));
    library.freeError = reinterpret_cast<ErrorFreeFn>(glib.resolve("g_error_free"));
    library.loaded = library.store && library.lookup && library.clear && library.freePassword &&
                     library.freeError;
    if (!library.loaded)
      library.error = QStringLiteral("libsecret lacks a function it should have");
  });
  return library;
}

const SecretSchema* Schema() {
  static const SecretSchema schema = {
      "org.marrowleaf.DiaryPassword",
      SECRET_SCHEMA_NONE,
      {{"diary", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
      0,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr};
  return &schema;
}

std::string DiaryName(const std::string& saveDir) {
  const std::string canonical = marrowleaf::CanonicalPath(saveDir);
  return canonical.empty() ? saveDir : canonical;
}

QString Take(const Library& library, GError* error) {
  if (error == nullptr) return QStringLiteral("the keyring refused");
  const QString text = QString::fromUtf8(error->message);
  library.freeError(error);
  return text;
}

}  // namespace

bool Available(QString* why) {
  const Library& library = Load();
  if (!library.loaded && why != nullptr) *why = library.error;
  return library.loaded;
}

bool Store(const std::string& saveDir, const QString& password, QString* why) {
  const Library& library = Load();
  if (!library.loaded) {
    if (why != nullptr) *why = library.error;
    return false;
  }
  const std::string diary = DiaryName(saveDir);
  const QByteArray label =
      QStringLiteral("Marrowleaf diary %1").arg(QString::fromStdString(diary)).toUtf8();
  QByteArray secret = password.toUtf8();
  GError* error = nullptr;
  const bool stored =
      library.store(Schema(), SECRET_COLLECTION_DEFAULT, label.constData(), secret.constData(),
                    nullptr, &error, "diary", diary.c_str(), nullptr) != 0;
  secret.fill('\0');
  if (!stored && why != nullptr) *why = Take(library, error);
  if (stored && error != nullptr) library.freeError(error);
  return stored;
}

std::optional<QString> Lookup(const std::string& saveDir) {
  const Library& library = Load();
  if (!library.loaded) return std::nullopt;
  const std::string diary = DiaryName(saveDir);
  GError* error = nullptr;
  gchar* found = library.lookup(Schema(), nullptr, &error, "diary", diary.c_str(), nullptr);
  if (error != nullptr) library.freeError(error);
  if (found == nullptr) return std::nullopt;
  const QString password = QString::fromUtf8(found);
  library.freePassword(found);  // wipes it
  return password;
}

void Forget(const std::string& saveDir) {
  const Library& library = Load();
  if (!library.loaded) return;
  const std::string diary = DiaryName(saveDir);
  GError* error = nullptr;
  library.clear(Schema(), nullptr, &error, "diary", diary.c_str(), nullptr);
  if (error != nullptr) library.freeError(error);
}

}  // namespace keyring
