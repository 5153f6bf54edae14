// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "config/settings.h"
#include "engines/import/writer.h"
#include "entries/entrytext.h"
#include "entries/history.h"
#include "testutil.h"

namespace {

using namespace marrowleaf;
using namespace marrowleaf::import;
using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

const std::string kData = std::string(MARROWLEAF_TEST_DATA) + "/import/";

struct Expected {
  Problem problem;
  std::string where;  // the start of the issue's place
};

// One source per row: what the user chose, the diary's tabs and the chosen one, the golden
// folder of the diary it becomes, and what could not be read, by name.
struct Row {
  const char* name;
  std::string source;
  std::vector<QString> tabs;
  int chosen;
  std::string golden;
  std::vector<Expected> issues;
};

const Row kRows[] = {
    {"DayOneFolder",
     "dayone",
     {QStringLiteral("Journal"), QStringLiteral("Travel")},
     0,
     "dayone.expected",
     {{Problem::kBadDate, "Journal.json, entry 3"},
      {Problem::kBadRecord, "Journal.json, entry 4"},
      {Problem::kMissingAttachment, "Journal.json, entry 5"}}},
    {"DayOneZip",
     "dayone.zip",
     {QStringLiteral("Journal"), QStringLiteral("Travel")},
     0,
     "dayone.expected",
     {{Problem::kBadDate, "Journal.json, entry 3"},
      {Problem::kBadRecord, "Journal.json, entry 4"},
      {Problem::kMissingAttachment, "Journal.json, entry 5"}}},
    {"JrnlText",
     "journal.txt",
     {QStringLiteral("Diary")},
     0,
     "jrnl.expected",
     {{Problem::kBadDate, "journal.txt, line 8"}}},
    {"JrnlJson",
     "journal.json",
     {QStringLiteral("Diary")},
     0,
     "jrnl-json.expected",
     {{Problem::kBadDate, "journal.json, entry 3"}}},
    {"JrnlFolder", "jrnl-folder", {QStringLiteral("Diary")}, 0, "jrnl-folder.expected", {}},
    {"RedNotebook",
     "rednotebook",
     {QStringLiteral("Diary")},
     0,
     "rednotebook.expected",
     {{Problem::kBadDate, "2024-06.txt, day 31"},
      {Problem::kBadRecord, "2024-06.txt, day 1"},
      {Problem::kNotParsed, "2024-07.txt"}}},
    {"Diaro",
     "diaro.zip",
     {QStringLiteral("Diary"), QStringLiteral("Sea")},
     1,
     "diaro.expected",
     {{Problem::kMissingAttachment, "DiaroBackup.xml, entry 1 (e2)"},
      {Problem::kBadDate, "DiaroBackup.xml, entry 3"}}},
};

// Every file under `root` (the history left out) with its bytes.
std::map<std::string, std::string> Tree(const std::string& root) {
  std::map<std::string, std::string> tree;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    const std::string relative = std::filesystem::relative(item.path(), root).string();
    if (item.is_regular_file() && relative.rfind(".history", 0) != 0) {
      tree[relative] = ReadFile(item.path().string());
    }
  }
  return tree;
}

// Each file's identity and time of change: what a write of any kind moves.
std::map<std::string, std::pair<ino_t, int64_t>> Stamps(const std::string& root) {
  std::map<std::string, std::pair<ino_t, int64_t>> stamps;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    struct stat st {};
    ::stat(item.path().c_str(), &st);
    stamps[item.path().string()] = {st.st_ino, st.st_mtim.tv_sec * 1000000000 + st.st_mtim.tv_nsec};
  }
  return stamps;
}

struct Imported {
  Source source;
  Plan plan;
  Applied applied;
};

Imported Import(const std::string& saveDir, const Row& row) {
  Imported run;
  run.source = ReadSource(kData + row.source);
  run.plan = MakePlan(saveDir, run.source, row.tabs, row.chosen);
  run.applied = ApplyPlan(saveDir, run.source, run.plan);
  return run;
}

class ImportFormat : public testing::TestWithParam<Row> {};

TEST_P(ImportFormat, BecomesItsGoldenEntriesAndNamesWhatCouldNotBeRead) {
  const Row& row = GetParam();
  TempDir dir;
  const Imported run = Import(dir.path(), row);
  ASSERT_EQ(run.source.issues.size(), row.issues.size());
  for (size_t i = 0; i < row.issues.size(); ++i) {
    SCOPED_TRACE(run.source.issues[i].where + ": " + run.source.issues[i].detail);
    EXPECT_EQ(run.source.issues[i].problem, row.issues[i].problem);
    EXPECT_EQ(run.source.issues[i].where.rfind(row.issues[i].where, 0), 0u);
  }
  EXPECT_TRUE(run.applied.failures.empty());
  EXPECT_EQ(run.applied.written, run.plan.days.size());
  EXPECT_EQ(Tree(dir.path()), Tree(kData + row.golden));
  // Private: the diary may be shared by a sync tool, never with the machine's other users.
  for (const auto& item : std::filesystem::recursive_directory_iterator(dir.path())) {
    EXPECT_EQ(testutil::Mode(item.path().string()), item.is_directory() ? 0700u : 0600u)
        << item.path();
  }
}

TEST_P(ImportFormat, ImportingAgainChangesNoFile) {
  const Row& row = GetParam();
  TempDir dir;
  Import(dir.path(), row);
  const auto before = Stamps(dir.path());
  const Imported again = Import(dir.path(), row);
  EXPECT_EQ(again.plan.daysImported, again.plan.days.size());
  EXPECT_EQ(again.applied.unchanged, again.plan.days.size());
  EXPECT_EQ(Stamps(dir.path()), before);
}

TEST_P(ImportFormat, KeepsAnEntryThatWasThereAndAddsTheImportAfterIt) {
  const Row& row = GetParam();
  TempDir golden;
  const Imported fresh = Import(golden.path(), row);
  TempDir dir;
  const EntryKey key = fresh.plan.days.front().key;
  ASSERT_TRUE(CreateMissingEntry(dir.path(), key));
  const std::string mine("Mine, written here.\r\n\0", 22);
  WriteFile(EntryPath(dir.path(), key), mine);
  const Imported run = Import(dir.path(), row);
  EXPECT_EQ(run.plan.daysHoldingEntry, 1u);
  EXPECT_EQ(run.plan.daysImported, 0u);
  EXPECT_EQ(run.applied.added, 1u);
  const std::string imported = ReadFile(EntryPath(golden.path(), key));
  EXPECT_EQ(ReadFile(EntryPath(dir.path(), key)), "Mine, written here.\r\n\r\n" + imported);
  const std::vector<Version> versions = ListVersions(dir.path(), key);
  ASSERT_EQ(versions.size(), 1u);
  EXPECT_EQ(ReadVersion(versions.front().path), mine);
  // The user's text and the import stay as they are from then on.
  const auto before = Stamps(dir.path());
  EXPECT_EQ(Import(dir.path(), row).applied.unchanged, run.plan.days.size());
  EXPECT_EQ(Stamps(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Sources, ImportFormat, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) { return row.param.name; });

TEST(Import, PlanTellsEntriesDaysRangeAttachmentsAndJournalsWithoutTab) {
  TempDir dir;
  const Source source = ReadSource(kData + "dayone");
  EXPECT_EQ(source.format, Format::kDayOne);
  ASSERT_TRUE(CreateMissingEntry(dir.path(), {2024, 5, 6, 0}));
  const Plan plan = MakePlan(dir.path(), source, {QStringLiteral("Diary")}, 0);
  EXPECT_EQ(plan.entries, 4u);
  ASSERT_EQ(plan.days.size(), 2u);  // two journals and a zone east of UTC: all on 5 and 6 May
  EXPECT_EQ(plan.first, QDate(2024, 5, 5));
  EXPECT_EQ(plan.last, QDate(2024, 5, 6));
  EXPECT_EQ(plan.daysHoldingEntry, 1u);
  EXPECT_EQ(plan.attachments, 2u);
  EXPECT_EQ(plan.newTabs, (std::vector<std::string>{"Journal", "Travel"}));
  EXPECT_EQ(plan.days[0].entries.size(), 3u);  // 08:30, 10:00 and 21:15 in Tokyo
}

TEST(Import, ASourceAnotherProgramIsReadingAtTheSameTimeImportsWhole) {
  const size_t alone = ReadSource(kData + "journal.json").entries.size();
  const int other = ::open((kData + "journal.json").c_str(), O_RDONLY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_SH), 0);
  const Source source = ReadSource(kData + "journal.json");
  ::close(other);
  EXPECT_EQ(source.entries.size(), alone);
  EXPECT_GT(alone, 0u);
}

TEST(Import, ACancelLeavesTheDaysNotReachedAsTheyWere) {
  TempDir dir;
  const Source source = ReadSource(kData + "journal.txt");
  const Plan plan = MakePlan(dir.path(), source, {QStringLiteral("Diary")}, 0);
  ASSERT_EQ(plan.days.size(), 2u);
  const Applied applied =
      ApplyPlan(dir.path(), source, plan, [](size_t done, size_t) { return done < 1; });
  EXPECT_TRUE(applied.cancelled);
  EXPECT_EQ(applied.written, 1u);
  EXPECT_EQ(applied.notReached, 1u);
  EXPECT_EQ(applied.stoppedBefore, QDate(2024, 5, 6));
  EXPECT_TRUE(IsFile(EntryPath(dir.path(), {2024, 5, 5, 0})));
  EXPECT_FALSE(std::filesystem::exists(dir / "2024/5/6_0.txt"));
}

TEST(Import, DamagedArchivesAreNamedAndWhatCanBeReadIsImported) {
  TempDir dir;
  const std::string zip = ReadFile(kData + "dayone.zip");
  // Cut short: no archive at all.
  WriteFile(dir / "cut.zip", zip.substr(0, zip.size() / 2));
  const Source cut = ReadSource(dir / "cut.zip");
  ASSERT_EQ(cut.issues.size(), 1u);
  EXPECT_EQ(cut.issues[0].problem, Problem::kUnreadable);
  EXPECT_EQ(cut.issues[0].where, dir / "cut.zip");
  EXPECT_TRUE(cut.entries.empty());
  // One member damaged: its checksum fails, the other journal is read.
  std::string damaged = zip;
  const size_t member = damaged.find("Journal.json");
  ASSERT_NE(member, std::string::npos);
  for (size_t i = member + 40; i < member + 60; ++i) damaged[i] = static_cast<char>(~damaged[i]);
  WriteFile(dir / "damaged.zip", damaged);
  const Source read = ReadSource(dir / "damaged.zip");
  ASSERT_FALSE(read.issues.empty());
  EXPECT_EQ(read.issues[0].problem, Problem::kUnreadable);
  EXPECT_EQ(read.issues[0].where, "Journal.json");
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_EQ(read.entries[0].journal, "Travel");
  // Not any format at all.
  WriteFile(dir / "notes.md", "# nothing a diary program wrote");
  const Source unknown = ReadSource(dir / "notes.md");
  ASSERT_EQ(unknown.issues.size(), 1u);
  EXPECT_EQ(unknown.issues[0].problem, Problem::kUnknownFormat);
}

// Written by Debian's own rednotebook (2.29), one day a session: every day's text is the entry
// of its date, as written, with the category after it.
TEST(Import, AJournalOfTheRealRedNotebookImportsWhole) {
  TempDir dir;
  const Source source = ReadSource(kData + "rednotebook-2.29");
  EXPECT_TRUE(source.issues.empty());
  ApplyPlan(dir.path(), source, MakePlan(dir.path(), source, {QStringLiteral("Diary")}, 0));
  const struct {
    EntryKey key;
    QString text;
  } days[] = {
      {{2024, 4, 30, 0},
       QStringLiteral("Last day of April. The **cherry** trees are green now.\n"
                      "Wrote a list:\n- milk\n- eggs\n")},
      {{2024, 5, 1, 0},
       QStringLiteral("=== May Day ===\nA walk by the river with Aiko. 川沿いを散歩した。\n#walk")},
      {{2024, 5, 2, 0},
       QStringLiteral(
           "//Rain// all day; read [a book http://example.org/book].\n\nTwo paragraphs.")},
      {{2024, 5, 3, 0},
       QStringLiteral("Started the garden: tomatoes, basil.\n\tIndented line, trailing space \n"
                      "Garden: planting")},
  };
  for (const auto& day : days) {
    const EntryRead read = ReadEntryFile(EntryPath(dir.path(), day.key));
    ASSERT_TRUE(read.ok) << EntryStem(day.key);
    EXPECT_EQ(EntryBytesToText(read.text).text, day.text);
  }
  EXPECT_EQ(Tree(dir.path()).size(), std::size(days));
}

}  // namespace

namespace {

// Found by the fuzzer: a NUL would end the entry's text early, and a lone CR or a U+2029 is shown
// as a stand-in; either way the text read back was not the text imported, and it would be
// imported again each time. A list closed by the wrong bracket must end the reading, not loop.
TEST(Import, TextsThatDoNotReadBackAsWrittenAreStillImportedOnce) {
  TempDir dir;
  std::filesystem::create_directories(dir / "source");
  WriteFile(dir / "source/2024-05.txt",
            R"(4: {text: "before\0after, para\u2029graph", Place: "a lone\rCR"})"
            "\n");
  const Source source = ReadSource(dir / "source");
  ASSERT_EQ(source.entries.size(), 1u);
  Plan plan = MakePlan(dir / "diary", source, {QStringLiteral("Diary")}, 0);
  EXPECT_EQ(ApplyPlan(dir / "diary", source, plan).written, 1u);
  EXPECT_EQ(ReadFile(dir / "diary/2024/5/4_0.txt"),
            std::string("before\u2400after, para\u2029graph\r\nPlace: a lone\r\nCR") + '\0');
  plan = MakePlan(dir / "diary", source, {QStringLiteral("Diary")}, 0);
  EXPECT_EQ(plan.daysImported, 1u);
}

// A journal's name becomes a tab's in config.ini: its line breaks must not write keys there.
TEST(Import, AJournalNamedWithLineBreaksOffersATabOfOneLineAndWritesNoKeyOfItsOwn) {
  TempDir dir;
  std::filesystem::create_directories(dir / "source");
  WriteFile(dir / "source/Trips\nEDITOR = bash\r\nZ = 1\x7f.json",
            ReadFile(kData + "dayone/Travel.json"));
  const Source source = ReadSource(dir / "source");
  const Plan plan = MakePlan(dir / "diary", source, {QStringLiteral("Diary")}, 0);
  ASSERT_EQ(plan.newTabs, std::vector<std::string>{"Trips EDITOR = bash Z = 1"});
  WriteFile(dir / "config.ini", "[GENERAL]\r\nEDITOR = vi\r\n\r\n");
  ASSERT_TRUE(AddTabsToFile(dir / "config.ini", plan.newTabs));
  EXPECT_EQ(ReadFile(dir / "config.ini"),
            "[GENERAL]\r\nEDITOR = vi\r\nN_TABS = 2\r\nTAB0 = Diary\r\n"
            "TAB1 = Trips EDITOR = bash Z = 1\r\n\r\n");
  EXPECT_FALSE(AddTabsToFile(dir / "config.ini", {"Trips\nEDITOR = bash"}));
}

TEST(Import, ADayOneListClosedByTheWrongBracketIsReported) {
  TempDir dir;
  for (const std::string json : {"{\"entries\": [1}", "{\"entries\": [{}, }", "{\"entries\": ["}) {
    SCOPED_TRACE(json);
    WriteFile(dir / "Journal.json", json);
    const Source source = ReadSource(dir.path());
    ASSERT_EQ(source.issues.size(), 1u);
    EXPECT_EQ(source.issues[0].where, "Journal.json");
    EXPECT_TRUE(source.entries.empty());
  }
}

}  // namespace
