// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as a diary to import: the first byte chooses what they are (a Day One journal,
// a jrnl journal as text or JSON, a RedNotebook month, Diaro's backup XML, or a zip archive), the
// rest is the file, and its first bytes are an entry of the user's on the first day imported.
// Besides not crashing: every day of the plan holds entries, the import writes each day whole or
// says why not (or nothing, on a disk without room for it), and importing the same source again
// changes nothing.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "engines/import/writer.h"
#include "entries/entrykey.h"
#include "fuzzfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const kNames[] = {"Journal.json", "journal.txt",     "journal.json",
                                       "2024-05.txt",  "DiaroBackup.xml", "export.zip"};
  const std::string source = FuzzDir() + "/source";
  const std::string diary = FuzzDir() + "/diary";
  std::error_code ignored;
  std::filesystem::remove_all(source, ignored);
  std::filesystem::remove_all(diary, ignored);
  std::filesystem::create_directories(source);
  const std::string name = kNames[data[0] % std::size(kNames)];
  WriteFuzzFile(source + '/' + name, data + 1, size - 1);
  // A zip and a lone journal are chosen as files; the others in their folder.
  const bool file = name == "export.zip" || name == "journal.txt" || name == "journal.json";
  using namespace marrowleaf::import;
  const Source read = ReadSource(file ? source + '/' + name : source);
  const std::vector<QString> tabs{QStringLiteral("Diary")};
  const Plan plan = MakePlan(diary, read, tabs, 0);
  size_t planned = 0;
  for (const PlannedDay& day : plan.days) {
    FUZZ_CHECK(!day.entries.empty());
    planned += day.entries.size();
  }
  FUZZ_CHECK(planned == plan.entries);
  // The first day already holds an entry of its own, in whatever encoding and line breaks the
  // source's first bytes make of it.
  if (!plan.days.empty()) {
    const marrowleaf::EntryKey& key = plan.days.front().key;
    std::filesystem::create_directories(marrowleaf::MonthDirectory(diary, key.year, key.month));
    const std::string mine(reinterpret_cast<const char*>(data + 1), std::min<size_t>(size - 1, 48));
    WriteFuzzFile(marrowleaf::EntryPath(diary, key), reinterpret_cast<const uint8_t*>(mine.c_str()),
                  mine.size() + 1);
  }
  const Applied applied = ApplyPlan(diary, read, plan);
  // A disk without room for the import: nothing written, the first day's entry as it was.
  if (applied.noRoom) {
    FUZZ_CHECK(applied.written + applied.added + applied.attachments == 0);
    return 0;
  }
  FUZZ_CHECK(applied.written + applied.added + applied.unchanged + applied.failures.size() ==
             plan.days.size());
  const Plan again = MakePlan(diary, read, tabs, 0);
  FUZZ_CHECK(again.days.size() == plan.days.size());
  FUZZ_CHECK(again.daysImported + applied.failures.size() >= plan.days.size());
  return 0;
}
