// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "config/inifile.h"
#include "engines/import/writer.h"
#include "entries/entryfiles.h"
#include "entries/history.h"
#include "platform/files.h"
#include "testutil.h"

using testutil::ReadFile;
using testutil::WriteFile;

namespace {

// A folder on the small tmpfs holding the originals, then the rest of the disk filled up.
class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    REQUIRE_FULL_DISK();
    dir = testutil::FullDiskDir() + "/case";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directory(dir);
  }
  void TearDown() override {
    if (!dir.empty()) std::filesystem::remove_all(dir);
  }
  std::string Path(const std::string& name) const { return dir + "/" + name; }
  void Fill() { testutil::FillDisk(dir); }

  std::string dir;
};

// 30 sizes from 1 byte to 1 MiB, most of them small: a full disk hurts small files first.
std::vector<size_t> SaveSizes() {
  std::vector<size_t> sizes = {1,    2,    3,    7,    15,   31,    64,   100,
                               255,  511,  512,  1000, 2047, 2048,  4095, 4096,
                               4097, 5000, 8000, 8191, 8192, 12000, 16383};
  for (size_t s = 16384; s <= 640000; s *= 2) sizes.push_back(s);
  sizes.push_back(1u << 20);
  return sizes;
}

TEST_F(FullDisk, ConfigSavesKeepTheOldFileWhole) {
  const std::string original = "[GENERAL]\r\nSAVE_DIR = .\r\n\r\n";
  WriteFile(Path("config.ini"), original);
  Fill();
  for (const size_t size : SaveSizes()) {
    SCOPED_TRACE(size);
    {
      TINIFile ini;
      ini.Load(Path("config.ini"));
      ini.GetString("GENERAL", "BIG", std::string(size, 'x'));
    }  // saved twice: once by hand, once by the destructor
    EXPECT_EQ(ReadFile(Path("config.ini")), original);
    // The writer underneath tells its caller.
    EXPECT_FALSE(marrowleaf::ReplaceFileContents(Path("config.ini"), std::string(size, 'y')).ok);
    EXPECT_EQ(testutil::EntryCount(dir), 2u);  // config.ini and the filler, nothing else
  }
}

TEST_F(FullDisk, EntrySavesFailVisiblyAndKeepTheOldText) {
  const std::string original("old entry\0", 10);
  WriteFile(Path("7_0.txt"), original);
  Fill();
  for (const size_t size : SaveSizes()) {
    SCOPED_TRACE(size);
    const marrowleaf::SaveOutcome saved =
        marrowleaf::WriteEntryFile(Path("7_0.txt"), std::string(size, 'n'));
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("7_0.txt"), std::string::npos);
    EXPECT_EQ(ReadFile(Path("7_0.txt")), original);
    EXPECT_EQ(testutil::EntryCount(dir), 2u);
  }
}

// With history: the entry keeps its old text or takes the new one, and a version that found no
// room is reported, never silently missing.
TEST_F(FullDisk, SavesWithHistoryKeepTheEntryWholeAndReportAMissingVersion) {
  const marrowleaf::EntryKey key{2004, 3, 7, 0};
  marrowleaf::CreateMissingEntry(dir, key);
  const std::string path = marrowleaf::EntryPath(dir, key);
  WriteFile(path, std::string("old entry\0", 10));
  Fill();
  for (const size_t size : {size_t{1}, size_t{5}, size_t{4096}, size_t{100000}}) {
    SCOPED_TRACE(size);
    const std::string before = ReadFile(path);
    const size_t versions = marrowleaf::ListVersions(dir, key).size();
    const marrowleaf::EntrySave save =
        marrowleaf::SaveEntryKeepingHistory(dir, key, std::string(size, 'n'));
    const std::string after = ReadFile(path);
    EXPECT_EQ(after, save.entry.ok ? std::string(size, 'n') + '\0' : before);
    const bool kept = marrowleaf::ListVersions(dir, key).size() > versions;
    EXPECT_TRUE(kept || !save.version.ok || before == after) << "a version went missing silently";
  }
}

TEST_F(FullDisk, RecoveryOnAFullDiskReportsAndLeavesNoPartialFile) {
  Fill();
  const marrowleaf::SaveOutcome kept =
      marrowleaf::WriteRecoveryFile(Path("recovered"), "r.txt", std::string(5000, 'r'));
  EXPECT_FALSE(kept.ok);
  EXPECT_FALSE(testutil::Exists(Path("recovered/r.txt")));
}

TEST_F(FullDisk, SmallSaveSucceedsOnceThereIsRoomAgain) {
  WriteFile(Path("config.ini"), "[S]\nk=v\n");
  Fill();
  std::filesystem::remove(Path("filler"));
  EXPECT_TRUE(marrowleaf::ReplaceFileContents(Path("config.ini"), "[S]\r\nk = w\r\n\r\n").ok);
  EXPECT_EQ(ReadFile(Path("config.ini")), "[S]\r\nk = w\r\n\r\n");
}

// A small archive may unpack to gigabytes of "photos": the import finds that the disk lacks the
// room before it writes anything.
TEST_F(FullDisk, AnImportTheDiskHasNoRoomForWritesNothing) {
  testutil::TempDir source;
  std::filesystem::create_directories(source / "photos");
  WriteFile(source / "Journal.json",
            ReadFile(std::string(MARROWLEAF_TEST_DATA) + "/import/dayone/Journal.json"));
  WriteFile(source / "photos/c1301e92dce530e23b9adb892dd75e88.jpeg", std::string(200000, '\0'));
  using namespace marrowleaf::import;
  const Source read = ReadSource(source.path());
  const Plan plan = MakePlan(dir, read, {QStringLiteral("Journal")}, 0);
  EXPECT_EQ(plan.attachmentBytes, 200000u);
  const Applied applied = ApplyPlan(dir, read, plan);
  EXPECT_TRUE(applied.noRoom);
  EXPECT_LT(applied.bytesFree, applied.bytesNeeded);
  EXPECT_EQ(applied.written, 0u);
  EXPECT_EQ(testutil::EntryCount(dir), 0u);
}

}  // namespace
