// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testutil {

// A fresh folder per test, removed with everything in it at the end.
class TempDir {
 public:
  TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "marrowleaf-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root = pattern;
  }
  ~TempDir() {
    std::error_code ec;
    // Give back write permission that a test took away, so that removal works.
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_directory(ec) && !it->is_symlink(ec)) ::chmod(it->path().c_str(), 0700);
    }
    std::filesystem::remove_all(root, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string path() const { return root; }
  std::string operator/(const std::string& name) const { return root + "/" + name; }

 private:
  std::string root;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

inline unsigned Mode(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  return st.st_mode & 07777;
}

// Names in a folder, to prove that a failed save left no temporary file behind.
inline size_t EntryCount(const std::string& dir) {
  size_t n = 0;
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(dir, ec);
       it != std::filesystem::directory_iterator(); it.increment(ec)) {
    ++n;
  }
  return n;
}

// Root ignores permission bits, so read-only cases only prove something as another user. The test
// command runs these cases a second time through setpriv as nobody; as root they step aside, and
// in that second run they insist on not being root.
#define REQUIRE_UNPRIVILEGED()                                                              \
  do {                                                                                      \
    if (::geteuid() == 0) {                                                                 \
      if (std::getenv("MARROWLEAF_UNPRIVILEGED")) FAIL() << "expected to run unprivileged"; \
      GTEST_SKIP() << "permission case: runs as an unprivileged user in core_unprivileged"; \
    }                                                                                       \
  } while (0)

// A real full disk: a 64 KiB tmpfs that the test command mounts in a private namespace.
inline std::string FullDiskDir() {
  const char* dir = std::getenv("MARROWLEAF_FULL_DISK");
  return dir ? dir : "";
}

#define REQUIRE_FULL_DISK()                                                     \
  do {                                                                          \
    if (testutil::FullDiskDir().empty())                                        \
      GTEST_SKIP() << "full-disk case: runs on a small tmpfs in core_fulldisk"; \
  } while (0)

// Fills the rest of the file system under dir, so that the next allocation fails with ENOSPC.
inline void FillDisk(const std::string& dir) {
  const std::string filler = dir + "/filler";
  FILE* f = std::fopen(filler.c_str(), "ab");
  if (!f) throw std::runtime_error("cannot open filler");
  std::setvbuf(f, nullptr, _IONBF, 0);
  const char block[512] = {};
  while (std::fwrite(block, 1, sizeof block, f) == sizeof block) {
  }
  while (std::fwrite(block, 1, 1, f) == 1) {
  }
  std::fclose(f);
}

}  // namespace testutil
