// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <algorithm>

#include "config/inifile.h"
#include "platform/files.h"

namespace marrowleaf {
namespace {
const std::string kWindow = "WINDOW";
const std::string kGeneral = "GENERAL";
const std::string kSpelling = "SPELLING";

// Each key from the store it lives in: the device keys (or, with no diary store, every key) from
// `ini`, recording the defaults; the diary's keys from `diary`, only looked up.
class SettingsReader {
 public:
  SettingsReader(TINIFile& store, const TINIFile* diaryStore) : ini(store), diary(diaryStore) {}
  std::string Text(const std::string& section, const std::string& key, const std::string& def) {
    if (FromDiary(section, key)) return diary->Find(section, key).value_or(def);
    return ini.GetString(section, key, def);
  }
  int32_t Int(const std::string& section, const std::string& key, int32_t def) {
    if (!FromDiary(section, key)) return ini.GetInt(section, key, def);
    const std::optional<std::string> text = diary->Find(section, key);
    return text ? ParseIniInt(*text) : def;
  }
  // A setting written only once the user chose it: reading it never adds it.
  std::string Chosen(const std::string& section, const std::string& key) const {
    const TINIFile& store = FromDiary(section, key) ? *diary : ini;
    return store.Find(section, key).value_or(std::string());
  }

 private:
  bool FromDiary(const std::string& section, const std::string& key) const {
    return diary != nullptr && !IsDeviceKey(section, key);
  }
  TINIFile& ini;
  const TINIFile* diary;
};

// A store that is only read: detached before its destruction, which would write it.
class ReadOnlyIni {
 public:
  explicit ReadOnlyIni(const std::string& fileName) { ini.Load(fileName); }
  ~ReadOnlyIni() { ini.Clear(); }
  ReadOnlyIni(const ReadOnlyIni&) = delete;
  ReadOnlyIni& operator=(const ReadOnlyIni&) = delete;
  const TINIFile& operator*() const { return ini; }

 private:
  TINIFile ini;
};

// An earlier version kept the device keys in the diary's config.ini: a device file made for the
// first time starts from them. Only a new file is made; an existing one is never touched.
void MoveDeviceKeys(const TINIFile& diary, const std::string& deviceFile) {
  if (IsFile(deviceFile)) return;
  TINIFile moved;
  moved.LoadFromBytes({});
  for (const SettingKey& k : kDeviceKeys) {
    const std::string section(k.section);
    const std::string key(k.key);
    if (const std::optional<std::string> value = diary.Find(section, key)) {
      moved.SetString(section, key, *value);
    }
  }
  const std::string bytes = moved.Serialize();
  moved.Clear();  // bound to no file: nothing to save
  if (!bytes.empty()) WriteNewPrivateFile(deviceFile, bytes);
}
}  // namespace

bool IsDeviceKey(std::string_view section, std::string_view key) {
  return std::any_of(std::begin(kDeviceKeys), std::end(kDeviceKeys),
                     [&](const SettingKey& k) { return k.section == section && k.key == key; });
}

const std::string& SettingsFiles::FileOf(std::string_view section, std::string_view key) const {
  return deviceFile.empty() || !IsDeviceKey(section, key) ? diaryFile : deviceFile;
}

Settings ReadSettings(TINIFile& ini, const TINIFile* diary) {
  SettingsReader r(ini, diary);
  Settings s;
  s.left = r.Int(kWindow, "LEFT", 0);
  s.top = r.Int(kWindow, "TOP", 0);
  s.width = r.Int(kWindow, "WIDTH", -1);
  s.height = r.Int(kWindow, "HEIGHT", -1);
  s.saveDir = r.Text(kGeneral, "SAVE_DIR", ".");
  // An empty save directory would put every entry under the root of the file system.
  if (s.saveDir.empty()) s.saveDir = ".";
  s.tabNames.clear();
  const int32_t n = r.Int(kGeneral, "N_TABS", 0);
  if (n > 0) {
    const int32_t count = std::min(n, kMaxTabs);
    s.tabNames.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
      const std::string index = std::to_string(i);
      s.tabNames.push_back(r.Text(kGeneral, "TAB" + index, "untitled" + index));
    }
  } else {
    s.tabNames.emplace_back("Diary");
  }
  s.editor = r.Text(kGeneral, "EDITOR", "notepad.exe");
  s.autosave = r.Int(kGeneral, "AUTOSAVE", 0) != 0;
  s.spellLanguage = r.Chosen(kSpelling, "LANGUAGE");
  s.keyring = r.Chosen("ENCRYPTION", "KEYRING");
  return s;
}

void WriteSettings(TINIFile& ini, const WindowGeometry& geometry, bool autosave,
                   const std::string& spellLanguage) {
  ini.SetInt(kWindow, "LEFT", geometry.left);
  ini.SetInt(kWindow, "TOP", geometry.top);
  ini.SetInt(kWindow, "WIDTH", geometry.width);
  ini.SetInt(kWindow, "HEIGHT", geometry.height);
  ini.SetInt(kGeneral, "AUTOSAVE", autosave ? 1 : 0);
  if (!spellLanguage.empty()) ini.SetString(kSpelling, "LANGUAGE", spellLanguage);
}

Settings LoadSettingsFile(const std::string& fileName) {
  TINIFile ini;
  ini.Load(fileName);
  Settings s = ReadSettings(ini);
  ini.Save();
  return s;  // the store's destructor saves once more
}

void SaveSettingsFile(const std::string& fileName, const WindowGeometry& geometry, bool autosave,
                      const std::string& spellLanguage) {
  TINIFile ini;
  ini.Load(fileName);
  WriteSettings(ini, geometry, autosave, spellLanguage);
  ini.Save();
}

Settings LoadSettingsFiles(const SettingsFiles& files) {
  if (files.deviceFile.empty()) return LoadSettingsFile(files.diaryFile);
  const ReadOnlyIni diary(files.diaryFile);
  MoveDeviceKeys(*diary, files.deviceFile);
  TINIFile device;
  device.Load(files.deviceFile);
  Settings s = ReadSettings(device, &*diary);
  device.Save();
  return s;  // the device store's destructor saves once more; the diary's writes nothing
}

void SaveSettingsFiles(const SettingsFiles& files, const WindowGeometry& geometry, bool autosave,
                       const std::string& spellLanguage) {
  // Everything the end writes is the device's.
  SaveSettingsFile(files.deviceFile.empty() ? files.diaryFile : files.deviceFile, geometry,
                   autosave, spellLanguage);
}

std::string ReadChosenSetting(const SettingsFiles& files, const std::string& section,
                              const std::string& key) {
  const ReadOnlyIni ini(files.FileOf(section, key));
  return (*ini).Find(section, key).value_or(std::string());
}

bool WriteChosenSetting(const SettingsFiles& files, const std::string& section,
                        const std::string& key, const std::string& value) {
  const std::string& fileName = files.FileOf(section, key);
  TINIFile ini;
  ini.Load(fileName);
  if (ini.Unreadable() || !ini.SetString(section, key, value)) {
    ini.Clear();
    return false;
  }
  ini.Save();
  ini.Clear();
  TINIFile written;
  written.Load(fileName);
  const bool took = written.Find(section, key) == value;
  written.Clear();
  return took;
}

bool AddTabsToFile(const std::string& fileName, const std::vector<std::string>& names) {
  TINIFile ini;
  ini.Load(fileName);
  if (ini.Unreadable()) return false;
  // The tabs as the window reads them, without recording a default: one tab "Diary" where
  // N_TABS is missing or not above 0.
  const int32_t n = ParseIniInt(ini.Find(kGeneral, "N_TABS").value_or("0"));
  std::vector<std::string> tabs;
  for (int32_t i = 0; i < std::min(n, kMaxTabs); ++i) {
    const std::string index = std::to_string(i);
    tabs.push_back(ini.Find(kGeneral, "TAB" + index).value_or("untitled" + index));
  }
  if (tabs.empty()) tabs.emplace_back("Diary");
  tabs.insert(tabs.end(), names.begin(), names.end());
  if (tabs.size() > static_cast<size_t>(kMaxTabs)) return false;
  ini.SetInt(kGeneral, "N_TABS", static_cast<int32_t>(tabs.size()));
  for (size_t i = 0; i < tabs.size(); ++i) {
    // A name the store refuses (one with a line break) adds no tab at all.
    if (!ini.SetString(kGeneral, "TAB" + std::to_string(i), tabs[i])) return false;
  }
  ini.Save();
  // The store keeps quiet about a failed save: the file read back says whether it took.
  TINIFile written;
  written.Load(fileName);
  return written.Find(kGeneral, "N_TABS") == std::to_string(tabs.size());
}

bool AddTabs(const SettingsFiles& files, const std::vector<std::string>& names) {
  return AddTabsToFile(files.FileOf(kGeneral, "N_TABS"), names);
}

}  // namespace marrowleaf
