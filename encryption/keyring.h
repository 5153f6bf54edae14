// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>

// The desktop's keyring (the Secret Service, through libsecret), where a device may keep a
// diary's password: a choice of that device alone, off until the user makes it. libsecret is
// loaded the first time the choice is used, never at a start that does not use it, so that the
// program links no library only this feature needs.
namespace keyring {

// Whether the keyring can be used here; `why` says why not.
bool Available(QString* why = nullptr);
// The diary is named by its folder, resolved: each diary on the device has its own password.
bool Store(const std::string& saveDir, const QString& password, QString* why = nullptr);
std::optional<QString> Lookup(const std::string& saveDir);
void Forget(const std::string& saveDir);

}  // namespace keyring
