// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// The benchmark inputs, written to a memory file system where there is one: the benchmarks time
// the code, not the disk.
namespace benchinputs {

inline std::string Folder() {
  static const std::string dir = [] {
    std::string pattern = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                          "/marrowleaf-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return dir;
}

inline void Write(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// Sections of keys with short alphanumeric values, in sorted order, as config files are.
inline std::string Ini(int sections, int keys, size_t valueSize, const char* eol) {
  std::string text;
  for (int s = 0; s < sections; ++s) {
    text += "[SECTION";
    text += std::to_string(100000 + s);
    text += "]";
    text += eol;
    for (int k = 0; k < keys; ++k) {
      text += "KEY" + std::to_string(1000 + k) + " = ";
      for (size_t i = 0; i < valueSize; ++i) text += static_cast<char>('a' + (s + k + i) % 26);
      text += eol;
    }
    text += eol;
  }
  return text;
}

struct IniInput {
  const char* name;
  std::string bytes;
};

// A 5 KB config file, a 4 MB file of 10,000 sections x 10 keys, 1,000 keys of 4 KB values.
inline IniInput SmallIni(const char* eol) { return {"small", Ini(10, 12, 32, eol)}; }
inline IniInput LargeIni(const char* eol) { return {"large", Ini(10000, 10, 28, eol)}; }
inline IniInput LongIni(const char* eol) { return {"long", Ini(1, 1000, 4096, eol)}; }

}  // namespace benchinputs
