// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "config/inifile.h"
#include "entries/history.h"
#include "testutil.h"

using marrowleaf::LoadSettingsFile;
using marrowleaf::SaveSettingsFile;
using marrowleaf::Settings;
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

}  // namespace
