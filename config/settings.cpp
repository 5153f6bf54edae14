// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <algorithm>

#include "config/inifile.h"

namespace marrowleaf {
namespace {
const std::string kWindow = "WINDOW";
const std::string kGeneral = "GENERAL";
const std::string kSpelling = "SPELLING";
}  // namespace

Settings ReadSettings(TINIFile& ini) {
  Settings s;
  s.left = ini.GetInt(kWindow, "LEFT", 0);
  s.top = ini.GetInt(kWindow, "TOP", 0);
  s.width = ini.GetInt(kWindow, "WIDTH", -1);
  s.height = ini.GetInt(kWindow, "HEIGHT", -1);
  s.saveDir = ini.GetString(kGeneral, "SAVE_DIR", ".");
  // An empty save directory would put every entry under the root of the file system.
  if (s.saveDir.empty()) s.saveDir = ".";
  s.tabNames.clear();
  const int32_t n = ini.GetInt(kGeneral, "N_TABS", 0);
  if (n > 0) {
    const int32_t count = std::min(n, kMaxTabs);
    s.tabNames.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
      const std::string index = std::to_string(i);
      s.tabNames.push_back(ini.GetString(kGeneral, "TAB" + index, "untitled" + index));
    }
  } else {
    s.tabNames.emplace_back("Diary");
  }
  s.editor = ini.GetString(kGeneral, "EDITOR", "notepad.exe");
  s.autosave = ini.GetInt(kGeneral, "AUTOSAVE", 0) != 0;
  // Only a language the user chose is in the file: reading it never adds it.
  s.spellLanguage = ini.Find(kSpelling, "LANGUAGE").value_or(std::string());
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
    ini.SetString(kGeneral, "TAB" + std::to_string(i), tabs[i]);
  }
  ini.Save();
  // The store keeps quiet about a failed save: the file read back says whether it took.
  TINIFile written;
  written.Load(fileName);
  return written.Find(kGeneral, "N_TABS") == std::to_string(tabs.size());
}

}  // namespace marrowleaf
