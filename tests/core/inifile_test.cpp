// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/inifile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "testutil.h"

using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

namespace {

std::string Normalise(const std::string& text) {
  TINIFile ini;
  ini.LoadFromBytes(text);
  std::string out = ini.Serialize();
  ini.Clear();
  return out;
}

struct ReadCase {
  const char* what;
  std::string input;
  std::string written;
};

// Each row: what a file holds, and what the store writes back after loading it.
TEST(IniReading, FilesAreNormalisedByTheReadingRules) {
  const ReadCase cases[] = {
      {"LF line ends", "[S]\nk=v\n", "[S]\r\nk = v\r\n\r\n"},
      {"CR LF line ends", "[S]\r\nk=v\r\n", "[S]\r\nk = v\r\n\r\n"},
      {"blanks around = and at both ends", " \t[S] \t\n \t k \t=\t v \t \r\n",
       "[S]\r\nk = v\r\n\r\n"},
      {"blanks inside a key stay", "[S]\ntwo words = a  b\n", "[S]\r\ntwo words = a  b\r\n\r\n"},
      {"empty value", "[S]\nk=\n", "[S]\r\nk = \r\n\r\n"},
      {"empty key is skipped", "[S]\n=lost\nk=v\n", "[S]\r\nk = v\r\n\r\n"},
      {"only the first = splits", "[S]\nA=b=c\n", "[S]\r\nA = b=c\r\n\r\n"},
      {"inner blanks of a value stay", "[S]\nA = b = c\n", "[S]\r\nA = b = c\r\n\r\n"},
      {"a CR ends the value", "[S]\nk=ab\rcd\n", "[S]\r\nk = ab\r\n\r\n"},
      {"a NUL splits like =", std::string("[S]\nk\0v\n", 7), "[S]\r\nk = v\r\n\r\n"},
      {"a NUL ends the value", std::string("[S]\nk=a\0b\n", 9), "[S]\r\nk = a\r\n\r\n"},
      {"a line with neither = nor NUL is skipped", "[S]\nword\nk=v\n", "[S]\r\nk = v\r\n\r\n"},
      {"lines before the first header are dropped", "x=1\n[S]\nk=v\n", "[S]\r\nk = v\r\n\r\n"},
      {"no comment syntax", "[S]\n;c=1\n#d=2\n", "[S]\r\n#d = 2\r\n;c = 1\r\n\r\n"},
      {"repeated headers merge, later key wins", "[B]\nk=1\n[A]\nx=y\n[B]\nk=2\nj=3\n",
       "[A]\r\nx = y\r\n\r\n[B]\r\nj = 3\r\nk = 2\r\n\r\n"},
      {"header without ]", "[GENERAL\nk=v\n", "[GENERA]\r\nk = v\r\n\r\n"},
      {"blanks inside brackets stay", "[ GENERAL ]\nk=v\n", "[ GENERAL ]\r\nk = v\r\n\r\n"},
      {"[ and [] both name the empty section", "[\na=1\n[]\nb=2\n", "[]\r\na = 1\r\nb = 2\r\n\r\n"},
      {"sections sort by byte value", "[alpha]\n[Zeta]\n[\xe3\x81\x82]\n[z]\n",
       "[Zeta]\r\n\r\n[alpha]\r\n\r\n[z]\r\n\r\n[\xe3\x81\x82]\r\n\r\n"},
      {"keys sort by byte value", "[S]\nTAB2=c\nTAB10=x\nTAB1=b\nTAB0=a\n",
       "[S]\r\nTAB0 = a\r\nTAB1 = b\r\nTAB10 = x\r\nTAB2 = c\r\n\r\n"},
      {"names differ by case", "[S]\nkey=1\nKEY=2\n", "[S]\r\nKEY = 2\r\nkey = 1\r\n\r\n"},
      {"Ctrl-Z ends the text", "[S]\nk=v\n\x1a[T]\nx=y\n", "[S]\r\nk = v\r\n\r\n"},
      {"last line without LF", "[S]\nk=v", "[S]\r\nk = v\r\n\r\n"},
      {"lone CR inside a key stays", "[S]\nk\rx=v\n", "[S]\r\nk\rx = v\r\n\r\n"},
      {"blank and white lines are skipped", "\n \t\r\n[S]\n\n\nk=v\n\n", "[S]\r\nk = v\r\n\r\n"},
      {"empty file", "", ""},
      {"a byte-order mark before the first header stays", "\xef\xbb\xbf[S]\nk=v\n",
       "\xef\xbb\xbf[S]\r\nk = v\r\n\r\n"},
      {"a byte-order mark elsewhere is a byte", "[S]\n\xef\xbb\xbfk=v\n",
       "[S]\r\n\xef\xbb\xbfk = v\r\n\r\n"},
      {"file with nothing but junk", "junk\nmore=junk\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Normalise(c.input), c.written);
  }
}

TEST(IniReading, LoadOfAFileEqualsLoadOfItsBytesAndRebindsTheStore) {
  TempDir dir;
  WriteFile(dir / "a.ini", "[S]\r\nk=v\r\n");
  WriteFile(dir / "b.ini", "[T]\nx=y\n");
  TINIFile ini;
  ini.Load(dir / "a.ini");
  EXPECT_EQ(ini.GetString("S", "k", "d"), "v");
  ini.Load(dir / "b.ini");  // replaces content and file name
  EXPECT_EQ(ini.FileName(), dir / "b.ini");
  EXPECT_EQ(ini.Serialize(), "[T]\r\nx = y\r\n\r\n");
  ini.Clear();
}

TEST(IniDefaults, MissingKeysAreRecordedWithTheDefault) {
  TINIFile ini;
  ini.LoadFromBytes("[S]\nempty=\nlower=1\n");
  EXPECT_EQ(ini.GetString("S", "empty", "dflt"), "");  // present but empty: not the default
  EXPECT_EQ(ini.GetString("S", "LOWER", "up"), "up");  // case-sensitive
  EXPECT_EQ(ini.GetString("New", "k", " padded "), " padded ");
  EXPECT_EQ(ini.GetString("S", "", "v"), "v");
  EXPECT_EQ(ini.GetString("S", "LOWER", "other"), "up");  // the recorded default answers now
  const std::string written = ini.Serialize();
  EXPECT_EQ(
      written,
      "[New]\r\nk =  padded \r\n\r\n[S]\r\n = v\r\nLOWER = up\r\nempty = \r\nlower = 1\r\n\r\n");
  // Read back, the value loses its blanks and the empty key's line is skipped.
  EXPECT_EQ(Normalise(written),
            "[New]\r\nk = padded\r\n\r\n[S]\r\nLOWER = up\r\nempty = \r\nlower = 1\r\n\r\n");
  ini.Clear();
}

TEST(IniDefaults, GetIntReadsLeadingDigitsInWrapping32BitArithmetic) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"12abc", 12},
      {"abc", 0},
      {"-7", -7},
      {"0x10", 0},
      {"+5", 5},
      {"\v\f 42", 42},
      {"", 0},
      {"-", 0},
      {"--1", 0},
      {"4294967297", 1},
      {"2147483648", INT32_MIN},
      {"-2147483649", INT32_MAX},
      {"99999999999999999999", 1661992959},
      {"007", 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TINIFile ini;
    ini.LoadFromBytes(std::string("[S]\nk=") + c.text + "\n");
    EXPECT_EQ(ini.GetInt("S", "k", 99), c.value);
    EXPECT_EQ(ini.Sections().at("S").at("k"), c.text);  // the stored text is not changed
    ini.Clear();
  }
}

TEST(IniDefaults, GetIntAndSetIntWriteDecimal) {
  TINIFile ini;
  ini.LoadFromBytes("");
  EXPECT_EQ(ini.GetInt("S", "neg", -1), -1);
  EXPECT_EQ(ini.GetInt("S", "min", INT32_MIN), INT32_MIN);
  ini.SetInt("T", "k", 0);
  ini.SetInt("T", "k", 120);
  ini.SetInt("S", "neg", 5);
  EXPECT_EQ(ini.Serialize(), "[S]\r\nmin = -2147483648\r\nneg = 5\r\n\r\n[T]\r\nk = 120\r\n\r\n");
  ini.Clear();
}

// Each row: a setting that would write lines of its own (a key of its making) or read back as
// another key; the store refuses it and writes what it held.
TEST(IniDefaults, SettingsThatWouldWriteOtherLinesAreRefused) {
  const struct {
    std::string section, key, value;
  } rows[] = {
      {"GENERAL", "TAB1", "Trips\nEDITOR = bash\nZ = 1"},
      {"GENERAL", "TAB1", "Trips\r\nEDITOR = bash"},
      {"GENERAL", "TAB1", "Trips\rEDITOR = bash"},
      {"GENERAL", "TAB1\nEDITOR", "bash"},
      {"GENERAL]\n[X", "TAB1", "Trips"},
      {"GENERAL", "EDITOR=bash", "x"},
  };
  for (const auto& row : rows) {
    TINIFile ini;
    ini.LoadFromBytes("[GENERAL]\r\nEDITOR = vi\r\n\r\n");
    const std::string before = ini.Serialize();
    EXPECT_FALSE(ini.SetString(row.section, row.key, row.value)) << row.key << row.value;
    EXPECT_EQ(ini.Serialize(), before) << row.key << row.value;
    ini.Clear();
  }
  TINIFile ini;
  ini.LoadFromBytes("");
  EXPECT_TRUE(ini.SetString("GENERAL", "TAB1", "Trips = 1 [x] \t\x01"));
  ini.Clear();
}

TEST(IniDetached, DetachedStoreAnswersEmptyAndChangesNothing) {
  TempDir dir;
  TINIFile ini;
  EXPECT_FALSE(ini.Attached());
  EXPECT_EQ(ini.GetString("S", "k", "d"), "");
  EXPECT_EQ(ini.GetInt("S", "k", -1), 0);
  ini.SetInt("S", "k", 3);
  ini.Save();
  EXPECT_TRUE(ini.Sections().empty());

  ini.Load(dir / "c.ini");
  ini.GetString("S", "k", "d");
  ini.Clear();  // detaches, keeps the name, writes nothing
  EXPECT_FALSE(ini.Attached());
  EXPECT_EQ(ini.FileName(), dir / "c.ini");
  ini.Save();
  EXPECT_FALSE(testutil::Exists(dir / "c.ini"));
}

TEST(IniSaving, MissingFileIsCreatedWithTheDefaultsRead) {
  TempDir dir;
  {
    TINIFile ini;
    ini.Load(dir / "new.ini");
    EXPECT_TRUE(ini.Attached());
    EXPECT_EQ(ini.GetString("GENERAL", "SAVE_DIR", "."), ".");
  }  // destruction saves
  EXPECT_EQ(ReadFile(dir / "new.ini"), "[GENERAL]\r\nSAVE_DIR = .\r\n\r\n");
}

TEST(IniSaving, StoreWithoutSectionsWritesAnEmptyFileAndSavingTwiceGivesTheSameBytes) {
  TempDir dir;
  WriteFile(dir / "junk.ini", "no section here\n");
  {
    TINIFile ini;
    ini.Load(dir / "junk.ini");
    ini.Save();
    EXPECT_EQ(ReadFile(dir / "junk.ini"), "");
  }
  EXPECT_EQ(ReadFile(dir / "junk.ini"), "");
  WriteFile(dir / "s.ini", "[S]\nk=v\n");
  TINIFile ini;
  ini.Load(dir / "s.ini");
  ini.Save();
  const std::string first = ReadFile(dir / "s.ini");
  ini.Save();
  EXPECT_EQ(ReadFile(dir / "s.ini"), first);
  EXPECT_EQ(first, "[S]\r\nk = v\r\n\r\n");
}

// Golden files: a messy hand-written config and the exact bytes the store writes for it.
TEST(IniSaving, GoldenRoundTrip) {
  TempDir dir;
  const std::string data = MARROWLEAF_TEST_DATA;
  std::filesystem::copy_file(data + "/messy.ini", dir / "config.ini");
  {
    TINIFile ini;
    ini.Load(dir / "config.ini");
  }
  EXPECT_EQ(ReadFile(dir / "config.ini"), ReadFile(data + "/messy.expected.ini"));
  {
    TINIFile ini;  // the normalised form is a fixed point
    ini.Load(dir / "config.ini");
  }
  EXPECT_EQ(ReadFile(dir / "config.ini"), ReadFile(data + "/messy.expected.ini"));
}

TEST(IniSaving, SaveKeepsPermissionsAndWritesThroughSymlinks) {
  TempDir dir;
  WriteFile(dir / "real.ini", "[S]\nk=v\n");
  ::chmod((dir / "real.ini").c_str(), 0640);
  std::filesystem::create_symlink("real.ini", dir / "config.ini");
  {
    TINIFile ini;
    ini.Load(dir / "config.ini");
    ini.SetInt("S", "n", 1);
  }
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "config.ini"));
  EXPECT_EQ(ReadFile(dir / "real.ini"), "[S]\r\nk = v\r\nn = 1\r\n\r\n");
  EXPECT_EQ(testutil::Mode(dir / "real.ini"), 0640u);
  EXPECT_EQ(testutil::EntryCount(dir.path()), 2u);  // no temporary file left
}

TEST(IniSaving, NonRegularTargetsAreNeverReplaced) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/null", dir / "dev.ini");
  std::filesystem::create_directory(dir / "dir.ini");
  for (const char* name : {"fifo.ini", "dev.ini", "dir.ini"}) {
    SCOPED_TRACE(name);
    TINIFile ini;
    ini.Load(dir / name);  // must not hang on the FIFO
    EXPECT_TRUE(ini.Attached());
    EXPECT_EQ(ini.GetString("S", "k", "d"), "d");
    ini.Save();
  }
  struct stat st {};
  ASSERT_EQ(::stat((dir / "fifo.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "dir.ini"));
  EXPECT_EQ(testutil::EntryCount(dir.path()), 3u);
}

TEST(IniSaving, MissingDirectoryWritesNothing) {
  TempDir dir;
  TINIFile ini;
  ini.Load(dir / "nowhere/config.ini");
  ini.GetString("S", "k", "d");
  ini.Save();
  EXPECT_FALSE(testutil::Exists(dir / "nowhere"));
}

TEST(UnprivilegedIni, ReadOnlyFileAndFolderKeepTheirContent) {
  REQUIRE_UNPRIVILEGED();
  TempDir dir;
  std::filesystem::create_directory(dir / "ro");
  WriteFile(dir / "ro/config.ini", "[S]\nk=v\n");
  WriteFile(dir / "file.ini", "[S]\nk=v\n");
  ::chmod((dir / "file.ini").c_str(), 0444);
  ::chmod((dir / "ro").c_str(), 0555);
  for (const std::string& path : {dir / "ro/config.ini", dir / "file.ini"}) {
    SCOPED_TRACE(path);
    {
      TINIFile ini;
      ini.Load(path);
      EXPECT_EQ(ini.GetString("S", "k", "d"), "v");
      ini.SetInt("S", "n", 1);
      ini.Save();
    }
    EXPECT_EQ(ReadFile(path), "[S]\nk=v\n");
  }
  EXPECT_EQ(testutil::EntryCount(dir / "ro"), 1u);
  EXPECT_EQ(testutil::EntryCount(dir.path()), 2u);
}

TEST(UnprivilegedIni, UnreadableFileLoadsEmptyAndIsNeverWrittenOver) {
  REQUIRE_UNPRIVILEGED();
  TempDir dir;
  WriteFile(dir / "config.ini", "[S]\nk=v\n");
  ::chmod((dir / "config.ini").c_str(), 0200);
  {
    TINIFile ini;
    ini.Load(dir / "config.ini");
    EXPECT_TRUE(ini.Attached());
    EXPECT_TRUE(ini.Unreadable());
    EXPECT_EQ(ini.GetString("S", "k", "d"), "d");
    ini.Save();
  }
  ::chmod((dir / "config.ini").c_str(), 0600);
  EXPECT_EQ(ReadFile(dir / "config.ini"), "[S]\nk=v\n");
}

}  // namespace
