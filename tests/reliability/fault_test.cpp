// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every system call of a save fails once, in turn: the caller always hears of it, and the old
// file is never touched before the rename that commits the new content.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "entries/entryfiles.h"
#include "platform/files.h"
#include "testutil.h"

namespace {

struct Shim {
  void (*arm)(int) = nullptr;
  int (*disarm)() = nullptr;
  const char* (*call)(int) = nullptr;
};

Shim FindShim() {
  Shim shim;
  shim.arm = reinterpret_cast<void (*)(int)>(dlsym(RTLD_DEFAULT, "marrowleaf_fault_arm"));
  shim.disarm = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "marrowleaf_fault_disarm"));
  shim.call = reinterpret_cast<const char* (*)(int)>(dlsym(RTLD_DEFAULT, "marrowleaf_fault_call"));
  return shim;
}

using Save = std::function<marrowleaf::SaveOutcome(const std::string& path)>;

// Runs `save` once to count its calls, then once for every k with the k-th call failing.
void FailEveryCallOnce(const std::string& path, const std::string& original,
                       const std::string& saved, const Save& save) {
  const Shim shim = FindShim();
  ASSERT_TRUE(shim.arm && shim.disarm && shim.call) << "run with the fault shim in LD_PRELOAD";
  testutil::WriteFile(path, original);
  shim.arm(0);
  const marrowleaf::SaveOutcome clean = save(path);
  const int count = shim.disarm();
  ASSERT_TRUE(clean.ok) << clean.error;
  ASSERT_EQ(testutil::ReadFile(path), saved);
  std::vector<std::string> names;
  int renameAt = 0;
  for (int i = 1; i <= count; ++i) {
    names.emplace_back(shim.call(i));
    if (names.back() == "rename") renameAt = i;
  }
  ASSERT_GT(renameAt, 0);
  for (const char* needed : {"write", "fsync", "close", "rename"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), needed), names.end()) << needed;
  }
  std::string sequence;
  for (const std::string& name : names) sequence += " " + name;
  std::printf("%s: %d calls, each failed once in turn:%s\n", path.c_str(), count, sequence.c_str());
  for (int k = 1; k <= count; ++k) {
    SCOPED_TRACE("call " + std::to_string(k) + " of " + std::to_string(count) + ": " +
                 names[static_cast<size_t>(k - 1)]);
    testutil::WriteFile(path, original);
    shim.arm(k);
    const marrowleaf::SaveOutcome outcome = save(path);
    shim.disarm();
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.empty());
    // Up to the rename the old file is whole; after it only the new content can be there.
    EXPECT_EQ(testutil::ReadFile(path), k <= renameAt ? original : saved);
    EXPECT_FALSE(testutil::Exists(marrowleaf::SaveTemporaryName(path)));
  }
}

TEST(FaultEveryCall, ConfigWriterDetectsEveryFailure) {
  testutil::TempDir dir;
  const std::string saved = "[GENERAL]\r\nN_TABS = 2\r\n\r\n";
  FailEveryCallOnce(
      dir / "config.ini", "[GENERAL]\r\nN_TABS = 1\r\n\r\n", saved,
      [&](const std::string& path) { return marrowleaf::ReplaceFileContents(path, saved); });
}

TEST(FaultEveryCall, EntryWriterDetectsEveryFailure) {
  testutil::TempDir dir;
  const std::string text(100000, 'n');
  FailEveryCallOnce(
      dir / "8_0.txt", std::string("old text\0", 9), text + '\0',
      [&](const std::string& path) { return marrowleaf::WriteEntryFile(path, text); });
}

TEST(FaultEveryCall, RecoveryWriterDetectsEveryFailure) {
  testutil::TempDir dir;
  const Shim shim = FindShim();
  ASSERT_TRUE(shim.arm && shim.disarm) << "run with the fault shim in LD_PRELOAD";
  shim.arm(0);
  ASSERT_TRUE(marrowleaf::WriteRecoveryFile(dir / "r", "count.txt", "text").ok);
  const int count = shim.disarm();
  for (int k = 1; k <= count; ++k) {
    SCOPED_TRACE(k);
    const std::string name = "k" + std::to_string(k) + ".txt";
    shim.arm(k);
    const marrowleaf::SaveOutcome outcome = marrowleaf::WriteRecoveryFile(dir / "r", name, "text");
    shim.disarm();
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(testutil::Exists(dir / ("r/" + name)));  // no half-written recovery file
  }
}

}  // namespace
