// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// SIGKILL at random moments while a helper saves a file in a loop: the file must always hold
// exactly the old or the new content. The same harness must catch a writer that works in place.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "config/inifile.h"
#include "entries/entryfiles.h"
#include "entries/history.h"
#include "killtexts.h"
#include "platform/files.h"
#include "testutil.h"

extern char** environ;

namespace {

int Count(const char* variable, int fallback) {
  const char* value = std::getenv(variable);
  return value != nullptr ? std::atoi(value) : fallback;
}

struct KillReport {
  int kills = 0;
  int torn = 0;
  int midSave = 0;  // kills that left the save's temporary file: the save was under way
};

// Starts the victim, waits for its first complete save, kills it after a random pause of up to
// `maxPauseUs`, and asks `intact` about the file. Repeated `kills` times.
KillReport KillRepeatedly(
    const std::string& mode, const std::string& path, int kills, int maxPauseUs,
    const std::function<bool()>& intact,
    const std::function<bool()>& midSave = [] { return false; }) {
  KillReport report;
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> pause(0, maxPauseUs);
  for (int i = 0; i < kills; ++i) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) ADD_FAILURE() << "pipe";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string helper = SAVE_LOOP_PATH;
    char* argv[] = {helper.data(), const_cast<char*>(mode.c_str()), const_cast<char*>(path.c_str()),
                    nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, helper.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
      ADD_FAILURE() << "cannot start " << helper;
      ::close(pipeFds[0]);
      return report;
    }
    char ready = 0;
    const bool running = ::read(pipeFds[0], &ready, 1) == 1;
    ::close(pipeFds[0]);
    ::usleep(static_cast<useconds_t>(pause(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!running) {
      ADD_FAILURE() << "the helper ended before its first save";
      return report;
    }
    ++report.kills;
    if (testutil::Exists(marrowleaf::SaveTemporaryName(path)) || midSave()) ++report.midSave;
    if (!intact()) ++report.torn;
  }
  return report;
}

bool EntryIsWhole(const std::string& path) {
  const marrowleaf::EntryRead read = marrowleaf::ReadEntryFile(path);
  return read.ok && (read.text == killtexts::LargeEntry() || read.text == killtexts::SmallEntry());
}

void Print(const char* what, const KillReport& r) {
  std::printf("%s: %d kills, %d during a save, %d torn\n", what, r.kills, r.midSave, r.torn);
}

TEST(KillDuringSave, EntriesAreNeverTorn) {
  testutil::TempDir dir;
  const std::string path = dir / "8_0.txt";
  testutil::WriteFile(path, killtexts::SmallEntry() + '\0');
  const KillReport report = KillRepeatedly("entry", path, Count("MARROWLEAF_ENTRY_KILLS", 1000),
                                           20000, [&] { return EntryIsWhole(path); });
  Print("entry saves", report);
  EXPECT_EQ(report.torn, 0);
  EXPECT_GT(report.midSave, 0) << "no kill landed inside a save: the pauses miss the saves";
}

TEST(KillDuringSave, AVersionIsWholeOrAbsent) {
  testutil::TempDir dir;
  const marrowleaf::EntryKey key{2004, 3, 7, 1};
  marrowleaf::CreateMissingEntry(dir.path(), key);
  const std::string path = marrowleaf::EntryPath(dir.path(), key);
  testutil::WriteFile(path, killtexts::SmallEntry() + '\0');
  const std::string folder = marrowleaf::HistoryFolder(dir.path(), key);
  const auto whole = [&] {
    for (const marrowleaf::Version& v : marrowleaf::ListVersions(dir.path(), key)) {
      const std::string bytes = marrowleaf::ReadVersion(v.path);
      if (bytes != killtexts::LargeEntry() + '\0' && bytes != killtexts::SmallEntry() + '\0') {
        return false;
      }
    }
    return EntryIsWhole(path);
  };
  const auto versionUnderWay = [&] {
    bool found = testutil::Exists(marrowleaf::SaveTemporaryName(path));
    marrowleaf::ListFolder(
        folder, [](std::string_view name) { return name.front() == '.'; },
        [&](std::string_view, bool) { found = true; });
    return found;
  };
  const KillReport report = KillRepeatedly(
      "history", dir.path(), Count("MARROWLEAF_HISTORY_KILLS", 300), 20000, whole, versionUnderWay);
  Print("entry saves with history", report);
  EXPECT_EQ(report.torn, 0);
  EXPECT_GT(report.midSave, 0) << "no kill landed inside a save: the pauses miss the saves";
  // The next save removes what killed version writes left.
  marrowleaf::SaveEntryKeepingHistory(dir.path(), key, "after");
  EXPECT_FALSE(versionUnderWay());
}

TEST(KillDuringSave, TheHarnessCatchesAnInPlaceWriter) {
  testutil::TempDir dir;
  const std::string path = dir / "8_0.txt";
  const KillReport report =
      KillRepeatedly("naive", path, 100, 2000, [&] { return EntryIsWhole(path); });
  Print("in-place writer", report);
  EXPECT_GT(report.torn, 0);
}

TEST(KillDuringSave, ConfigIsNeverTornAndNoTemporaryFileOutlivesTheNextSave) {
  testutil::TempDir dir;
  const std::string path = dir / "config.ini";
  testutil::WriteFile(path, killtexts::SmallIni());
  // The store writes its sections and keys sorted, so compare with the written forms.
  const auto written = [](const std::string& text) {
    TINIFile store;
    store.LoadFromBytes(text);
    std::string bytes = store.Serialize();
    store.Clear();
    return bytes;
  };
  const std::string large = written(killtexts::LargeIni());
  const std::string small = written(killtexts::SmallIni());
  const auto whole = [&] {
    TINIFile loaded;
    loaded.Load(path);
    const std::string bytes = loaded.Serialize();
    loaded.Clear();  // detached: its destructor writes nothing
    return testutil::ReadFile(path) == bytes && (bytes == large || bytes == small);
  };
  const KillReport report =
      KillRepeatedly("ini", path, Count("MARROWLEAF_CONFIG_KILLS", 500), 20000, whole);
  Print("config.ini saves", report);
  EXPECT_EQ(report.torn, 0);
  EXPECT_GT(report.midSave, 0) << "no kill landed inside a save: the pauses miss the saves";
  // A later save removes what a killed one left, whether it writes or finds nothing to change.
  for (const bool change : {false, true}) {
    testutil::WriteFile(marrowleaf::SaveTemporaryName(path), "left by a killed save");
    TINIFile ini;
    ini.Load(path);
    if (change) ini.SetInt("LATER", "SAVE", 1);
    ini.Save();
    ini.Clear();
    EXPECT_EQ(testutil::EntryCount(dir.path()), 1u)
        << "a temporary file outlived a later save (change: " << change << ")";
  }
}

}  // namespace
