// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// A file per fuzzing process, on a memory file system where there is one, so that the saves'
// flushes to disk cost nothing.
inline const std::string& FuzzDir() {
  static const std::string dir = [] {
    std::string pattern = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                          "/marrowleaf-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return dir;
}

inline void WriteFuzzFile(const std::string& path, const uint8_t* data, size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) std::abort();
  for (size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n <= 0) std::abort();
    done += static_cast<size_t>(n);
  }
  ::close(fd);
}

inline std::string ReadFuzzFile(const std::string& path) {
  std::string bytes;
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return bytes;
  char buffer[65536];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    bytes.append(buffer, static_cast<size_t>(n));
  ::close(fd);
  return bytes;
}

// A check that fails names itself before the fuzzer's crash report.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      __builtin_trap();                                                                  \
    }                                                                                    \
  } while (0)
