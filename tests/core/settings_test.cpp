// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <tuple>

#include "config/inifile.h"
#include "entries/history.h"
#include "testutil.h"

using marrowleaf::LoadSettingsFile;
using marrowleaf::LoadSettingsFiles;
using marrowleaf::SaveSettingsFile;
using marrowleaf::SaveSettingsFiles;
using marrowleaf::Settings;
using marrowleaf::SettingsFiles;
using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

namespace {

const char kFirstStart[] =
    "[GENERAL]\r\nAUTOSAVE = 0\r\nEDITOR = notepad.exe\r\nN_TABS = 0\r\nSAVE_DIR = .\r\n\r\n"
    "[WINDOW]\r\nHEIGHT = -1\r\nLEFT = 0\r\nTOP = 0\r\nWIDTH = -1\r\n\r\n";

TEST(SettingsPass, FirstStartWritesEveryDefault) {
  TempDir dir;
  const Settings s = LoadSettingsFile(dir / "config.ini");
  EXPECT_EQ(ReadFile(dir / "config.ini"), kFirstStart);
  EXPECT_EQ(s.saveDir, ".");
  EXPECT_EQ(s.tabNames, std::vector<std::string>{"Diary"});
  EXPECT_EQ(s.editor, "notepad.exe");
  EXPECT_FALSE(s.autosave);
  EXPECT_EQ(s.left, 0);
  EXPECT_EQ(s.top, 0);
  EXPECT_EQ(s.width, -1);
  EXPECT_EQ(s.height, -1);
}

TEST(SettingsPass, ValuesComeFromTheFile) {
  TempDir dir;
  WriteFile(dir / "config.ini",
            "[WINDOW]\nLEFT=5\nTOP=-6\nWIDTH=700\nHEIGHT=500\n[GENERAL]\nSAVE_DIR=/d/my diary\n"
            "EDITOR=\nAUTOSAVE=2\nN_TABS=2\nTAB0=\nTAB1=\xe6\x97\xa5\xe8\xa8\x98\n");
  const Settings s = LoadSettingsFile(dir / "config.ini");
  EXPECT_EQ(s.left, 5);
  EXPECT_EQ(s.top, -6);
  EXPECT_EQ(s.width, 700);
  EXPECT_EQ(s.height, 500);
  EXPECT_EQ(s.saveDir, "/d/my diary");
  EXPECT_EQ(s.editor, "");
  EXPECT_TRUE(s.autosave);
  EXPECT_EQ(s.tabNames, (std::vector<std::string>{"", "\xe6\x97\xa5\xe8\xa8\x98"}));
  // New config.ini files are private, like the entries; an empty save folder means this one.
  EXPECT_EQ(testutil::Mode(dir / "fresh.ini"), 0u);
  WriteFile(dir / "empty.ini", "[GENERAL]\nSAVE_DIR=\n");
  EXPECT_EQ(LoadSettingsFile(dir / "empty.ini").saveDir, ".");
  EXPECT_EQ(ReadFile(dir / "empty.ini").find("SAVE_DIR = \r\n") != std::string::npos, true);
  LoadSettingsFile(dir / "fresh.ini");
  EXPECT_EQ(testutil::Mode(dir / "fresh.ini"), 0600u);
}

// A config.ini that exists but cannot be read runs the program with the defaults and is never
// written over, neither at the start nor at the end.
TEST(SettingsPass, AFileThatCannotBeReadIsNeverWrittenOver) {
  TempDir dir;
  ::mkdir((dir / "config.ini").c_str(), 0700);  // a folder: exists, cannot be read as a file
  EXPECT_EQ(LoadSettingsFile(dir / "config.ini").tabNames, std::vector<std::string>{"Diary"});
  SaveSettingsFile(dir / "config.ini", {1, 2, 3, 4}, true);
  EXPECT_EQ(testutil::EntryCount(dir.path()), 1u);
  if (::geteuid() == 0) return;  // permission rows need a user that permissions bind
  WriteFile(dir / "locked.ini", "[GENERAL]\nN_TABS=2\n");
  ::chmod((dir / "locked.ini").c_str(), 0200);
  EXPECT_EQ(LoadSettingsFile(dir / "locked.ini").tabNames.size(), 1u);
  SaveSettingsFile(dir / "locked.ini", {1, 2, 3, 4}, true);
  ::chmod((dir / "locked.ini").c_str(), 0600);
  EXPECT_EQ(ReadFile(dir / "locked.ini"), "[GENERAL]\nN_TABS=2\n");
}

TEST(SettingsPass, MissingTabNamesGetNumberedDefaultsAndAreWrittenBack) {
  TempDir dir;
  WriteFile(dir / "config.ini", "[GENERAL]\nN_TABS=3\nTAB1=work\n");
  const Settings s = LoadSettingsFile(dir / "config.ini");
  EXPECT_EQ(s.tabNames, (std::vector<std::string>{"untitled0", "work", "untitled2"}));
  const std::string file = ReadFile(dir / "config.ini");
  EXPECT_NE(file.find("TAB0 = untitled0\r\nTAB1 = work\r\nTAB2 = untitled2\r\n"),
            std::string::npos);
}

TEST(SettingsPass, NoPositiveTabCountGivesOneDiaryTabAndLeavesTabKeysUnread) {
  for (const char* n : {"0", "-5", "abc"}) {
    SCOPED_TRACE(n);
    TempDir dir;
    WriteFile(dir / "config.ini", std::string("[GENERAL]\nN_TABS=") + n + "\nTAB0=kept\n");
    const Settings s = LoadSettingsFile(dir / "config.ini");
    EXPECT_EQ(s.tabNames, std::vector<std::string>{"Diary"});
    const std::string file = ReadFile(dir / "config.ini");
    EXPECT_NE(file.find("TAB0 = kept\r\n"), std::string::npos);
    EXPECT_EQ(file.find("TAB1"), std::string::npos);
  }
}

TEST(SettingsPass, HugeTabCountIsCappedAndWritesOnlyTheCappedKeys) {
  TempDir dir;
  WriteFile(dir / "config.ini", "[GENERAL]\nN_TABS=2147483647\n");
  const Settings s = LoadSettingsFile(dir / "config.ini");
  ASSERT_EQ(s.tabNames.size(), static_cast<size_t>(marrowleaf::kMaxTabs));
  EXPECT_EQ(s.tabNames.back(), "untitled999");
  TINIFile ini;
  ini.Load(dir / "config.ini");
  const auto sections = ini.Sections();
  const auto& general = sections.at("GENERAL");
  EXPECT_EQ(general.count("TAB999"), 1u);
  EXPECT_EQ(general.count("TAB1000"), 0u);
  EXPECT_EQ(general.at("N_TABS"), "2147483647");  // the file keeps what the user wrote
  ini.Clear();
}

TEST(SettingsPass, SaveWritesGeometryAndAutosaveAndKeepsEverythingElse) {
  TempDir dir;
  WriteFile(dir / "config.ini",
            "[GENERAL]\nSAVE_DIR=d\nAUTOSAVE=0\nMINE=x\n[WINDOW]\nLEFT=1\n[Other]\nk = v\n");
  SaveSettingsFile(dir / "config.ini", {10, 20, 643, 481}, true);
  EXPECT_EQ(ReadFile(dir / "config.ini"),
            "[GENERAL]\r\nAUTOSAVE = 1\r\nMINE = x\r\nSAVE_DIR = d\r\n\r\n"
            "[Other]\r\nk = v\r\n\r\n"
            "[WINDOW]\r\nHEIGHT = 481\r\nLEFT = 10\r\nTOP = 20\r\nWIDTH = 643\r\n\r\n");
  SaveSettingsFile(dir / "config.ini", {-3, 0, 100, 90}, false);
  EXPECT_NE(ReadFile(dir / "config.ini").find("AUTOSAVE = 0\r\n"), std::string::npos);
  EXPECT_NE(ReadFile(dir / "config.ini").find("LEFT = -3\r\n"), std::string::npos);
}

// [SPELLING] holds what the user chose in the menu; reading it never adds it.
TEST(SettingsPass, TheSpellingLanguageIsWrittenOnlyOnceChosen) {
  TempDir dir;
  EXPECT_EQ(LoadSettingsFile(dir / "config.ini").spellLanguage, "");
  SaveSettingsFile(dir / "config.ini", {0, 0, 300, 200}, false);
  EXPECT_EQ(ReadFile(dir / "config.ini").find("SPELLING"), std::string::npos);
  SaveSettingsFile(dir / "config.ini", {0, 0, 300, 200}, false, "de_DE");
  EXPECT_EQ(LoadSettingsFile(dir / "config.ini").spellLanguage, "de_DE");
  SaveSettingsFile(dir / "config.ini", {0, 0, 300, 200}, false, marrowleaf::kSpellingOff);
  EXPECT_NE(ReadFile(dir / "config.ini").find("[SPELLING]\r\nLANGUAGE = off\r\n\r\n[WINDOW]"),
            std::string::npos);
  SaveSettingsFile(dir / "config.ini", {0, 0, 300, 200}, false);  // no choice this run: kept
  EXPECT_EQ(LoadSettingsFile(dir / "config.ini").spellLanguage, marrowleaf::kSpellingOff);
}

// What is stored is the same under every language: a first start's config.ini, a saved entry.
TEST(SettingsPass, StoredBytesDoNotFollowTheLanguage) {
  const auto stored = [](const char* locale) {
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    TempDir dir;
    LoadSettingsFile(dir / "config.ini");
    marrowleaf::CreateMissingEntry(dir.path(), {2026, 12, 8, 0});
    marrowleaf::SaveEntryKeepingHistory(dir.path(), {2026, 12, 8, 0}, "日記 text");
    const std::string bytes[] = {ReadFile(dir / "config.ini"), ReadFile(dir / "2026/12/8_0.txt")};
    QLocale::setDefault(QLocale::c());
    return std::vector<std::string>(std::begin(bytes), std::end(bytes));
  };
  EXPECT_EQ(stored("ja_JP"), stored("C"));
  EXPECT_EQ(stored("de_DE"), stored("C"));
}

TEST(SettingsPass, UnknownKeysSurviveAStartAndAnEnd) {
  TempDir dir;
  WriteFile(dir / "config.ini", "[Plugin]\nzz=1\n[GENERAL]\nCOLOR=red\n");
  LoadSettingsFile(dir / "config.ini");
  SaveSettingsFile(dir / "config.ini", {0, 0, 300, 200}, false);
  const std::string file = ReadFile(dir / "config.ini");
  EXPECT_NE(file.find("[Plugin]\r\nzz = 1\r\n\r\n"), std::string::npos);
  EXPECT_NE(file.find("COLOR = red\r\n"), std::string::npos);
}

// A diary folder shared between machines: the device keys in each machine's own file, the diary's
// config.ini only read. One row per rule; nullptr for a file that does not exist.
struct SplitRow {
  const char* rule;
  const char* diaryFile;
  const char* deviceFile;
  std::vector<std::string> tabs;
  std::string editor;
  int32_t width;
  bool autosave;
  std::string spellLanguage;
  const char* deviceAfterStart;
};

const char kDeviceFirstStart[] =
    "[GENERAL]\r\nAUTOSAVE = 0\r\nEDITOR = notepad.exe\r\n\r\n"
    "[WINDOW]\r\nHEIGHT = -1\r\nLEFT = 0\r\nTOP = 0\r\nWIDTH = -1\r\n\r\n";

const SplitRow kSplitRows[] = {
    {"a first start records the device keys' defaults in the device file only",
     nullptr,
     nullptr,
     {"Diary"},
     "notepad.exe",
     -1,
     false,
     "",
     kDeviceFirstStart},
    {"the tabs come from the diary's config.ini, the editor from the device file",
     "[GENERAL]\nN_TABS=3\nTAB1=work\nSAVE_DIR=.\nEDITOR=elsewhere\n",
     "[GENERAL]\r\nEDITOR = vim\r\n",
     {"untitled0", "work", "untitled2"},
     "vim",
     -1,
     false,
     "",
     "[GENERAL]\r\nAUTOSAVE = 0\r\nEDITOR = vim\r\n\r\n"
     "[WINDOW]\r\nHEIGHT = -1\r\nLEFT = 0\r\nTOP = 0\r\nWIDTH = -1\r\n\r\n"},
    {"an earlier version's config.ini gives a new device file its device keys",
     "[WINDOW]\nLEFT=5\nTOP=6\nWIDTH=700\nHEIGHT=500\n[GENERAL]\nEDITOR=gvim -f\nAUTOSAVE=1\n"
     "N_TABS=2\n[SPELLING]\nLANGUAGE=de_DE\n",
     nullptr,
     {"untitled0", "untitled1"},
     "gvim -f",
     700,
     true,
     "de_DE",
     "[GENERAL]\r\nAUTOSAVE = 1\r\nEDITOR = gvim -f\r\n\r\n[SPELLING]\r\nLANGUAGE = de_DE\r\n\r\n"
     "[WINDOW]\r\nHEIGHT = 500\r\nLEFT = 5\r\nTOP = 6\r\nWIDTH = 700\r\n\r\n"},
    {"an existing device file, even an empty one, is never filled from the diary's config.ini",
     "[WINDOW]\nWIDTH=700\nHEIGHT=500\n[GENERAL]\nEDITOR=gvim -f\n",
     "",
     {"Diary"},
     "notepad.exe",
     -1,
     false,
     "",
     kDeviceFirstStart},
};

TEST(SettingsSplit, EachMachineKeepsItsOwnSettingsAndNeverWritesTheDiarysConfigIni) {
  for (const SplitRow& row : kSplitRows) {
    SCOPED_TRACE(row.rule);
    TempDir dir;
    ::mkdir((dir / "diary").c_str(), 0700);
    const SettingsFiles files{dir / "diary/config.ini", dir / "device.ini"};
    if (row.diaryFile) WriteFile(files.diaryFile, row.diaryFile);
    if (row.deviceFile) WriteFile(files.deviceFile, row.deviceFile);
    const Settings s = LoadSettingsFiles(files);
    EXPECT_EQ(s.tabNames, row.tabs);
    EXPECT_EQ(s.editor, row.editor);
    EXPECT_EQ(s.width, row.width);
    EXPECT_EQ(s.autosave, row.autosave);
    EXPECT_EQ(s.spellLanguage, row.spellLanguage);
    EXPECT_EQ(ReadFile(files.deviceFile), row.deviceAfterStart);
    SaveSettingsFiles(files, {10, 20, 643, 481}, true, "en_US");
    const std::string device = ReadFile(files.deviceFile);
    EXPECT_NE(device.find("AUTOSAVE = 1\r\n"), std::string::npos);
    EXPECT_NE(
        device.find(
            "[SPELLING]\r\nLANGUAGE = en_US\r\n\r\n[WINDOW]\r\nHEIGHT = 481\r\nLEFT = 10\r\n"),
        std::string::npos);
    if (!row.deviceFile) {
      EXPECT_EQ(testutil::Mode(files.deviceFile), 0600u);
    }
    // The diary's folder holds what the user put there, byte for byte, and nothing more.
    EXPECT_EQ(testutil::Exists(files.diaryFile), row.diaryFile != nullptr);
    EXPECT_EQ(ReadFile(files.diaryFile), row.diaryFile ? row.diaryFile : "");
    EXPECT_EQ(testutil::EntryCount(dir / "diary"), row.diaryFile ? 1u : 0u);
  }
}

TEST(SettingsSplit, WithoutADeviceFileEverySettingLivesInConfigIniAsBefore) {
  TempDir dir;
  const SettingsFiles direct{dir / "config.ini", ""};
  LoadSettingsFiles(direct);
  EXPECT_EQ(ReadFile(direct.diaryFile), kFirstStart);
  SaveSettingsFiles(direct, {10, 20, 643, 481}, false);
  EXPECT_NE(ReadFile(direct.diaryFile).find("LEFT = 10\r\n"), std::string::npos);
  const SettingsFiles split{"config.ini", "device.ini"};
  const std::tuple<const char*, const char*, const char*> homes[] = {
      {"GENERAL", "EDITOR", "device.ini"}, {"SPELLING", "LANGUAGE", "device.ini"},
      {"WINDOW", "TOP", "device.ini"},     {"GENERAL", "N_TABS", "config.ini"},
      {"GENERAL", "TAB0", "config.ini"},   {"GENERAL", "SAVE_DIR", "config.ini"}};
  for (const auto& [section, key, file] : homes) {
    EXPECT_EQ(split.FileOf(section, key), file) << section << " " << key;
    EXPECT_EQ(direct.FileOf(section, key), direct.diaryFile);
  }
}

}  // namespace
