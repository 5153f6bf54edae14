// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TINIFile;

namespace marrowleaf {

// The values of config.ini, with the defaults that hold for every key the file lacks.
struct Settings {
  std::string saveDir = ".";
  std::vector<std::string> tabNames{"Diary"};
  std::string editor = "notepad.exe";
  bool autosave = false;
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = -1;  // 0 or less: no size stored, the window keeps the system's placement
  int32_t height = -1;
  // [SPELLING] LANGUAGE: a dictionary's tag or "off"; empty until the user has chosen one, and
  // then not written either.
  std::string spellLanguage;
  // [ENCRYPTION] KEYRING: "1" where this device keeps the diary's password in the desktop's
  // keyring, "0" where the user chose not to; empty (and not written) until chosen.
  std::string keyring;
};

inline const char kSpellingOff[] = "off";

// The outer frame of the main window, as written back at the end.
struct WindowGeometry {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// A config asking for two billion tabs must neither hang the start nor write two billion TAB
// keys back, so only the first kMaxTabs names are read; a tab strip of a thousand tabs is already
// far past what anyone can use.
inline constexpr int32_t kMaxTabs = 1000;

inline const char kConfigFileName[] = "config.ini";

struct SettingKey {
  std::string_view section;
  std::string_view key;
};

// The settings that belong to the machine rather than to the diary: where the window stood and
// how big, the editor this machine has, whether it saves without asking, the dictionary it has.
// A diary folder that a sync tool shares between machines keeps the rest (SAVE_DIR, N_TABS,
// TAB0...: what names its entries), the same on every machine.
inline constexpr SettingKey kDeviceKeys[] = {
    {"WINDOW", "LEFT"},       {"WINDOW", "TOP"},         {"WINDOW", "WIDTH"},
    {"WINDOW", "HEIGHT"},     {"GENERAL", "EDITOR"},     {"GENERAL", "AUTOSAVE"},
    {"SPELLING", "LANGUAGE"}, {"ENCRYPTION", "KEYRING"},
};
bool IsDeviceKey(std::string_view section, std::string_view key);

// Where the settings live. Without a device file every setting is in the one config.ini, read
// and written as it always was. With one, the device keys are read from and written to the
// device file, and the diary's config.ini is only read: no machine ever writes it, so a sync tool
// never sees two machines change it.
struct SettingsFiles {
  std::string diaryFile = kConfigFileName;
  std::string deviceFile;  // empty: one file for everything
  const std::string& FileOf(std::string_view section, std::string_view key) const;
};

// Reads every setting from the store in the program's order (geometry first), recording the
// default of each key the store lacks. Given a diary store, the keys that are not device keys
// come from it instead, looked up without recording anything.
Settings ReadSettings(TINIFile& ini, const TINIFile* diary = nullptr);
// Writes the geometry and the autosave state into the store, and the spelling language where the
// user chose one in this run (empty: none chosen); everything else stays.
void WriteSettings(TINIFile& ini, const WindowGeometry& geometry, bool autosave,
                   const std::string& spellLanguage = {});

// The start-up pass: load the file, read the settings, save the file (the store's destruction
// saves it a second time, so the file holds every key read).
Settings LoadSettingsFile(const std::string& fileName);
// The pass at the end: load the file, set geometry and autosave (and a spelling language chosen in
// this run), save.
void SaveSettingsFile(const std::string& fileName, const WindowGeometry& geometry, bool autosave,
                      const std::string& spellLanguage = {});

// The same two passes over the files where the settings live. With a device file that does not
// exist yet, the device keys of the diary's config.ini (where an earlier version kept them) are
// copied into a new one first, once; an existing device file is never written over by them.
Settings LoadSettingsFiles(const SettingsFiles& files);
void SaveSettingsFiles(const SettingsFiles& files, const WindowGeometry& geometry, bool autosave,
                       const std::string& spellLanguage = {});
// One setting written only once chosen, as its file holds it now (empty where it does not),
// read without writing anything.
std::string ReadChosenSetting(const SettingsFiles& files, const std::string& section,
                              const std::string& key);
// Writes one setting the user has just chosen into the file it lives in (the device's own for a
// device key), leaving the rest of the file as it is. False when it could not be written.
bool WriteChosenSetting(const SettingsFiles& files, const std::string& section,
                        const std::string& key, const std::string& value);

// Appends tabs of these names after the diary's tabs (the one tab "Diary" where it has no N_TABS),
// writing N_TABS and every TABn and leaving the rest of the file as it is: a choice the user made
// (an import's journals). False when the file could not be read or written.
bool AddTabsToFile(const std::string& fileName, const std::vector<std::string>& names);
// The same in the file the tabs live in: the diary's config.ini, whether or not a device file
// holds this machine's own settings.
bool AddTabs(const SettingsFiles& files, const std::vector<std::string>& names);

}  // namespace marrowleaf
