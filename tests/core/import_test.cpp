// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
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
    {"JrnlFolder",
     "jrnl-folder",
     {QStringLiteral("Diary")},
     0,
     "jrnl-folder.expected",
     {{Problem::kNotJournalDay, "2020/09/should-be-ignored.txt"}}},
    // A body line dated in the other form is text; a tag keeps what "#" cannot hold ("@C++").
    {"JrnlOfAnyNameStartsEntriesInItsOwnFormOnly",
     "jrnl-4.6.journal",
     {QStringLiteral("Diary")},
     0,
     "jrnl-4.6.expected",
     {}},
    {"JrnlOfTheOlderFormKeepsBracketedDatesAsText",
     "jrnl-old.txt",
     {QStringLiteral("Diary")},
     0,
     "jrnl-old.expected",
     {}},
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
      {Problem::kBadAttachmentName, "DiaroBackup.xml, entry 2 (e1)"},
      {Problem::kBadDate, "DiaroBackup.xml, entry 3"}}},
    // Markdown escapes gone, a PDF's and a recording's own names, a leap day east of UTC.
    {"DayOneFolderWithEveryKindOfMedia",
     "dayone-media",
     {QStringLiteral("Dev Journal")},
     0,
     "dayone-media.expected",
     {{Problem::kBadRecord, "Dev Journal.json, entry 3"}}},
    {"DayOneChosenByItsJsonWithTheMediaBesideIt",
     "dayone-media/Dev Journal.json",
     {QStringLiteral("Dev Journal")},
     0,
     "dayone-media.expected",
     {{Problem::kBadRecord, "Dev Journal.json, entry 3"}}},
    {"DayOneZippedWithItsFolder",
     "dayone-nested.zip",
     {QStringLiteral("Dev Journal")},
     0,
     "dayone-media.expected",
     {{Problem::kBadRecord, "Dev Journal/Dev Journal.json, entry 3"}}},
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
  run.source = ReadSource(row.source.front() == '/' ? row.source : kData + row.source);
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
  EXPECT_EQ(source.format, &kDayOneFormat);
  ASSERT_TRUE(CreateMissingEntry(dir.path(), {2024, 5, 6, 0}));
  const Plan plan = MakePlan(dir.path(), source, {QStringLiteral("Diary")}, 0);
  EXPECT_EQ(plan.entries, 4u);
  ASSERT_EQ(plan.days.size(), 2u);  // two journals and a zone east of UTC: all on 5 and 6 May
  EXPECT_EQ(plan.first, QDate(2024, 5, 5));
  EXPECT_EQ(plan.last, QDate(2024, 5, 6));
  EXPECT_EQ(plan.daysHoldingEntry, 1u);
  EXPECT_EQ(plan.attachments, 2u);
  EXPECT_EQ(plan.attachmentBytes, 24u + 18u);
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

// The window's unsaved text and the import never meet: that day is left as it was (no copy of
// its attachments either) and named; the next import writes it.
TEST(Import, TheDayTheWindowHoldsWithUnsavedTextIsLeftAloneAndNamed) {
  TempDir dir;
  const Source source = ReadSource(kData + "dayone");
  const std::vector<QString> tabs{QStringLiteral("Journal"), QStringLiteral("Travel")};
  const Plan plan = MakePlan(dir.path(), source, tabs, 0);
  const EntryKey held = plan.days.front().key;
  const Applied applied =
      ApplyPlan(dir.path(), source, plan, {}, [&](const EntryKey& key) { return key == held; });
  EXPECT_EQ(applied.leftShown, std::vector<EntryKey>{held});
  EXPECT_EQ(applied.written, plan.days.size() - 1);
  EXPECT_FALSE(std::filesystem::exists(EntryPath(dir.path(), held)));
  const std::string copies = dir / ("attachments/" + EntryStem(held));
  EXPECT_TRUE(!std::filesystem::exists(copies) || std::filesystem::is_empty(copies));
  EXPECT_EQ(ApplyPlan(dir.path(), source, MakePlan(dir.path(), source, tabs, 0)).written, 1u);
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

// Chosen by the journal's .json (the media beside it), by the folder, or from a copy without the
// media: each entry is imported once, whatever its links point to.
TEST(Import, AnEntryImportedFromOneFormOfItsExportIsThereForEveryOther) {
  TempDir dir;
  const std::vector<QString> devTab{QStringLiteral("Dev Journal")};
  Import(dir / "diary", {"", "dayone-media/Dev Journal.json", devTab, 0, "", {}});
  const auto before = Stamps(dir / "diary");
  EXPECT_EQ(Import(dir / "diary", {"", "dayone-media", devTab, 0, "", {}}).applied.unchanged, 1u);
  EXPECT_EQ(Stamps(dir / "diary"), before);

  std::filesystem::create_directories(dir / "alone");
  std::filesystem::copy_file(kData + "dayone/Journal.json", dir / "alone/Journal.json");
  const std::vector<QString> tabs{QStringLiteral("Journal"), QStringLiteral("Travel")};
  const Imported bare = Import(dir / "other", {"", dir / "alone/Journal.json", tabs, 0, "", {}});
  EXPECT_EQ(bare.source.Count(Problem::kMissingAttachment), 3u);
  const Imported whole = Import(dir / "other", {"", "dayone", tabs, 0, "", {}});
  EXPECT_EQ(whole.applied.unchanged, bare.plan.days.size());
  EXPECT_EQ(whole.applied.written, 1u);  // Travel's day, not in the journal chosen first
}

// The folder above an unpacked export, chosen by mistake, is the export one level down.
TEST(Import, TheFolderAboveADayOneExportImportsTheExport) {
  TempDir dir;
  std::filesystem::create_directories(dir / "above");
  std::filesystem::copy(kData + "dayone-media", dir / "above/Export 2024",
                        std::filesystem::copy_options::recursive);
  WriteFile(dir / "above/notes.txt", "not a journal");
  const Imported run =
      Import(dir / "diary", {"", dir / "above", {QStringLiteral("Dev Journal")}, 0, "", {}});
  EXPECT_EQ(run.source.format, &kDayOneFormat);
  EXPECT_EQ(Tree(dir / "diary"), Tree(kData + "dayone-media.expected"));
}

// The journal's name is not what makes it jrnl's: its lines are. One of a time format of its
// user's own is named with the line that looks like an entry's start.
TEST(Import, ASourceThatCannotBeReadSaysWhatItIsAndWhy) {
  const struct {
    const char* file;
    std::string bytes;
    const SourceFormat* format;
    Problem problem;
    std::string where;
    std::string detail;
  } rows[] = {
      {"Diaro_20240505.denc", "\x8f\x02\x17 ciphertext", &kDiaroFormat, Problem::kEncrypted,
       "Diaro_20240505.denc", ""},
      {"work.txt", "Journal of 2024\n\n[03/01/2024 09:15 AM] Plans\nCall.\n", &kJrnlFormat,
       Problem::kNoEntryStart, "work.txt, line 3", "[03/01/2024 09:15 AM] Plans"},
      {"work.journal", "[Fri 1 Mar 2024 09:15] Plans\n", &kJrnlFormat, Problem::kNoEntryStart,
       "work.journal, line 1", "[Fri 1 Mar 2024 09:15] Plans"},
      {"notes.md", "# nothing a diary program wrote", nullptr, Problem::kUnknownFormat, "", ""},
  };
  TempDir dir;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    WriteFile(dir / row.file, row.bytes);
    const Source source = ReadSource(dir / row.file);
    EXPECT_EQ(source.format, row.format);
    EXPECT_TRUE(source.entries.empty());
    ASSERT_EQ(source.issues.size(), 1u);
    EXPECT_EQ(source.issues[0].problem, row.problem);
    if (row.format != nullptr) {
      EXPECT_EQ(source.issues[0].where, row.where);
    }
    EXPECT_EQ(source.issues[0].detail, row.detail);
  }
}

// An unpacked archive may hold links anywhere: a synced diary must never take in what they lead to.
TEST(Import, AFolderIsReadOnlyForTheRegularFilesThatLieInsideIt) {
  TempDir dir;
  std::filesystem::create_directories(dir / "export/photos");
  std::filesystem::create_directories(dir / "export/store");
  std::filesystem::create_directories(dir / "outside");
  WriteFile(dir / "outside/secret", "PRIVATE KEY");
  std::filesystem::copy_file(kData + "dayone/Journal.json", dir / "export/Journal.json");
  std::filesystem::copy_file(kData + "dayone/Travel.json", dir / "export/store/Travel.json");
  std::filesystem::create_symlink("store/Travel.json", dir / "export/Travel.json");
  std::filesystem::create_symlink(dir / "outside/secret",
                                  dir / "export/photos/c1301e92dce530e23b9adb892dd75e88.jpeg");
  ASSERT_EQ(::mkfifo((dir / "export/photos/6bb841191e60d644afd0b3acf0a94516.png").c_str(), 0600),
            0);
  std::filesystem::create_symlink("../outside", dir / "export/videos");
  const Imported run = Import(dir / "diary", {"", dir / "export", {}, 0, "", {}});
  std::vector<std::pair<Problem, std::string>> leftOut;
  for (const Issue& issue : run.source.issues) {
    if (issue.where.find(',') == std::string::npos)
      leftOut.emplace_back(issue.problem, issue.where);
  }
  EXPECT_EQ(leftOut, (std::vector<std::pair<Problem, std::string>>{
                         {Problem::kNotRegularFile, "photos/6bb841191e60d644afd0b3acf0a94516.png"},
                         {Problem::kLinkLeadsOut, "photos/c1301e92dce530e23b9adb892dd75e88.jpeg"},
                         {Problem::kLinkLeadsOut, "videos"}}));
  EXPECT_EQ(run.plan.entries, 4u);  // Travel.json's link leads inside
  for (const auto& [name, bytes] : Tree(dir / "diary")) {
    EXPECT_EQ(bytes.find("PRIVATE KEY"), std::string::npos) << name;
  }
}

TEST(Import, AMillionBadRecordsAreCountedAndOnlyTheFirstFewKept) {
  TempDir dir;
  std::string json = "{\"entries\": [{}";
  for (int i = 1; i < 1000000; ++i) json += ",{}";
  WriteFile(dir / "Journal.json", json + "]}");
  const Source source = ReadSource(dir.path());
  EXPECT_EQ(source.Count(Problem::kBadDate), 1000000u);
  EXPECT_EQ(source.issues.size(), Source::kIssuesKept);
  EXPECT_EQ(source.issues.back().where, "Journal.json, entry 10");
}

// A section is there only whole, between blank lines: an entry holding "12:00" at the end of a
// line does not hold an empty entry of 12:00 (its section "12:00\n").
TEST(Import, AnEntryHoldsASectionOnlyWhole) {
  const struct {
    std::string mine;
    bool added;
  } rows[] = {
      {"Lunch at 12:00\nwith Bob.", true},
      {"12:00\n", false},
      {"Notes\n\n12:00\n\nMore", false},
      {"12:00\nmore on the next line", true},
      {"Notes\n12:00\n", true},
  };
  TempDir dir;
  WriteFile(dir / "journal.txt", "[2024-05-05 12:00:00 PM]\n");
  const Source source = ReadSource(dir / "journal.txt");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.mine);
    std::filesystem::remove_all(dir / "diary");
    std::filesystem::create_directories(dir / "diary");
    ASSERT_TRUE(CreateMissingEntry(dir / "diary", {2024, 5, 5, 0}));
    WriteFile(EntryPath(dir / "diary", {2024, 5, 5, 0}), row.mine + '\0');
    const Plan plan = MakePlan(dir / "diary", source, {QStringLiteral("Diary")}, 0);
    EXPECT_EQ(plan.daysImported, row.added ? 0u : 1u);
  }
}

TEST(Import, ThePlanNamesTheTabThatHoldsTheSourceAlready) {
  TempDir dir;
  const std::vector<QString> tabs{QStringLiteral("Diary"), QStringLiteral("Work")};
  Import(dir.path(), {"", "journal.txt", tabs, 0, "", {}});
  const Plan plan = MakePlan(dir.path(), ReadSource(kData + "journal.txt"), tabs, 1);
  EXPECT_EQ(plan.inOtherTabs, (std::map<int, size_t>{{0, 3}}));
  EXPECT_EQ(plan.daysHoldingEntry, 0u);
}

// Cut inside a record: the record is left out, so that the whole backup imported later adds it
// once. Entities that cannot be expanded are named.
TEST(Import, AHalfReadDiaroRecordIsLeftOutAndDroppedEntitiesAreNamed) {
  TempDir dir;
  std::string xml;
  std::string error;
  ASSERT_TRUE(ReadSource(kData + "diaro.zip").files->Read("DiaroBackup.xml", xml, error));
  std::filesystem::create_directories(dir / "cut");
  WriteFile(dir / "cut/DiaroBackup.xml", xml.substr(0, xml.find("<title>Sea</title>") + 18));
  const std::vector<QString> tabs{QStringLiteral("Diary"), QStringLiteral("Sea")};
  const Imported cut = Import(dir / "diary", {"", dir / "cut", tabs, 1, "", {}});
  EXPECT_EQ(cut.source.Count(Problem::kNotParsed), 1u);
  EXPECT_EQ(cut.plan.entries, 1u);
  Import(dir / "diary", {"", "diaro.zip", tabs, 1, "", {}});
  const std::string golden = ReadFile(kData + "diaro.expected/2024/5/6_1.txt");
  const size_t breakfast = golden.find("08:00 Breakfast");
  ASSERT_NE(breakfast, std::string::npos);
  EXPECT_EQ(ReadFile(dir / "diary/2024/5/6_1.txt"),
            golden.substr(breakfast, golden.size() - breakfast - 1) + "\r\n\r\n" +
                golden.substr(0, breakfast - 4) + '\0');

  std::filesystem::create_directories(dir / "entities");
  WriteFile(dir / "entities/DiaroBackup.xml",
            "<?xml version=\"1.0\"?>\n<!DOCTYPE data SYSTEM \"diaro.dtd\" [<!ENTITY key SYSTEM "
            "\"file:///etc/hostname\">]>\n<data><table name=\"diaro_entries\"><r><uid>e1</uid>"
            "<date>1714921200000</date><text>a &key; b &undeclared; c</text></r></table></data>");
  const Source source = ReadSource(dir / "entities");
  ASSERT_EQ(source.entries.size(), 1u);
  EXPECT_EQ(source.entries[0].text, "a  b  c");
  ASSERT_EQ(source.issues.size(), 2u);
  EXPECT_EQ(source.issues[0].where, "DiaroBackup.xml");
  EXPECT_EQ(source.issues[0].detail, "&key;");
  EXPECT_EQ(source.issues[1].where, "DiaroBackup.xml, entry 1 (e1)");
  EXPECT_EQ(source.issues[1].detail, "&undeclared;");
}

TEST(Import, ADayThatFailsTakesBackTheAttachmentsItCopied) {
  TempDir dir;
  std::filesystem::create_directories(
      dir / "attachments/2024/5/5_0/6bb841191e60d644afd0b3acf0a94516.png");
  const Imported run = Import(dir.path(), {"", "dayone", {QStringLiteral("Journal")}, 0, "", {}});
  ASSERT_EQ(run.applied.failures.size(), 1u);
  EXPECT_EQ(EntryStem(run.applied.failures[0].key), "2024/5/5_0");
  EXPECT_FALSE(std::filesystem::exists(
      dir / "attachments/2024/5/5_0/c1301e92dce530e23b9adb892dd75e88.jpeg"));
  EXPECT_EQ(run.applied.attachments, 0u);
}

}  // namespace
