// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "crypto/diarykey.h"
#include "crypto/keyfile.h"
#include "crypto/unlocked.h"
#include "engines/encryption/conversion.h"
#include "platform/files.h"

// The benchmark inputs, written to a memory file system where there is one: the benchmarks time
// the code, not the disk.
namespace benchinputs {

// A field of this process's status in KiB ("VmRSS:", "VmHWM:"), -1 where it has none (Linux).
inline long StatusKib(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
  }
  return -1;
}

// Removed with everything in it when the benchmark ends: the diaries are large, and /dev/shm is
// memory.
inline std::string Folder() {
  struct Temporary {
    std::string path;
    Temporary() {
      path = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
             "/marrowleaf-bench-XXXXXX";
      if (::mkdtemp(path.data()) == nullptr) std::abort();
    }
    ~Temporary() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Temporary dir;
  return dir.path;
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

// The start-up benchmark's diary: 20 years x 365 days x 3 tabs, each entry a line or two; one
// in UTF-8 and one in Shift-JIS. Every entry holds "entry"; "rain" is in one of 97 entries.
inline std::string SearchDiaryFolder(bool shiftJis) {
  const std::string root = Folder() + (shiftJis ? "/search-sjis" : "/search-utf8");
  static bool made[2] = {false, false};
  if (made[shiftJis]) return root;
  made[shiftJis] = true;
  int n = 0;
  for (int y = 2006; y < 2026; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const std::string month = root + '/' + std::to_string(y) + '/' + std::to_string(m);
      marrowleaf::MakePrivateDirectories(month);
      for (int d = 1; d <= 30 + (m % 2); ++d) {
        if (m == 2 && d > 28) continue;
        for (int t = 0; t < 3; ++t) {
          std::string text = shiftJis ? std::string("\x93\xfa\x8b\x4c entry ") : "diary entry ";
          text += std::to_string(y) + '-' + std::to_string(m) + '-' + std::to_string(d) +
                  "\r\nwent out for a walk";
          if (++n % 97 == 0) text += shiftJis ? " \x89\x4a rain" : " in the rain";
          Write(month + '/' + std::to_string(d) + '_' + std::to_string(t) + ".txt", text + '\0');
        }
      }
    }
  }
  return root;
}

// The same 20 years of entries, each holding two or three tags of a few hundred, some nested
// and some in capitals, as a diary kept with tags holds them.
inline std::string TaggedDiaryFolder() {
  const std::string root = Folder() + "/tagged";
  static bool made = false;
  if (made) return root;
  made = true;
  static const char* const kTags[] = {"#walk", "#River",  "#river", "#trip/kyoto", "#Anna",
                                      "#work", "#garden", "#日記",  "#books",      "#rain"};
  int n = 0;
  for (int y = 2006; y < 2026; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const std::string month = root + '/' + std::to_string(y) + '/' + std::to_string(m);
      marrowleaf::MakePrivateDirectories(month);
      for (int d = 1; d <= 30 + (m % 2); ++d) {
        if (m == 2 && d > 28) continue;
        for (int t = 0; t < 3; ++t) {
          ++n;
          std::string text = "diary entry " + std::to_string(y) + '-' + std::to_string(m) + '-' +
                             std::to_string(d) + "\r\nwent out " + kTags[n % 10] + " with " +
                             kTags[(n / 10) % 10] + ", #project" + std::to_string(n % 300) +
                             " C# #fff";
          Write(month + '/' + std::to_string(d) + '_' + std::to_string(t) + ".txt", text + '\0');
        }
      }
    }
  }
  return root;
}

// Diary prose of about `size` bytes: sentences of common words, one in forty misspelt, a line
// break every `paragraph` bytes (0: one paragraph). The same text on every run.
inline std::string Prose(size_t size, size_t paragraph) {
  static const char* const kWords[] = {
      "the",      "river",   "was",     "high",      "after",   "rain",     "we",        "walked",
      "along",    "bank",    "and",     "saw",       "a",       "heron",    "standing",  "by",
      "bridge",   "morning", "light",   "cold",      "warm",    "coffee",   "letters",   "wrote",
      "to",       "my",      "sister",  "about",     "garden",  "tomorrow", "bread",     "dough",
      "evening",  "quiet",   "house",   "children",  "played",  "outside",  "until",     "dark",
      "remember", "that",    "old",     "friend",    "called",  "again",    "today",     "felt",
      "tired",    "but",     "happy",   "work",      "meeting", "long",     "afternoon", "train",
      "late",     "station", "crowded", "read",      "book",    "chapter",  "before",    "sleep",
      "dreamed",  "of",      "sea",     "mountains", "snow",    "winter",   "coming",    "soon",
      "leaves",   "falling", "autumn",  "wind",      "through", "trees"};
  static const char* const kMisspelt[] = {"teh",    "rivr",       "hihg",     "recieve",
                                          "wierd",  "definately", "seperate", "tommorow",
                                          "untill", "freind"};
  std::string text;
  text.reserve(size + 64);
  uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  };
  size_t sinceBreak = 0;
  bool start = true;
  while (text.size() < size) {
    std::string word = next() % 40 == 0 ? kMisspelt[next() % std::size(kMisspelt)]
                                        : kWords[next() % std::size(kWords)];
    if (start) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    text += word;
    start = next() % 12 == 0;
    text += start ? ". " : " ";
    sinceBreak += word.size() + 1;
    if (paragraph > 0 && sinceBreak >= paragraph) {
      text += "\r\n";
      sinceBreak = 0;
      start = true;
    }
  }
  return text;
}

// The look back's diary: every day of the twenty years 2006 to 2025 with 3 tabs (21,915
// entries), each 100 to 1,300 bytes of prose, or one to twelve lines of Japanese: in UTF-8 in one
// entry of ten, in Shift-JIS in one of forty. The same files on every run, into `root`.
inline void WriteYearsDiary(const std::string& root) {
  static const std::string prose = Prose(1 << 20, 400);
  // 今日は雨。駅まで歩いて、本屋で新しい小説を買った。 in UTF-8 and in Shift-JIS.
  const std::string japanese =
      "\xe4\xbb\x8a\xe6\x97\xa5\xe3\x81\xaf\xe9\x9b\xa8\xe3\x80\x82\xe9\xa7\x85\xe3\x81\xbe"
      "\xe3\x81\xa7\xe6\xad\xa9\xe3\x81\x84\xe3\x81\xa6\xe3\x80\x81\xe6\x9c\xac\xe5\xb1\x8b"
      "\xe3\x81\xa7\xe6\x96\xb0\xe3\x81\x97\xe3\x81\x84\xe5\xb0\x8f\xe8\xaa\xac\xe3\x82\x92"
      "\xe8\xb2\xb7\xe3\x81\xa3\xe3\x81\x9f\xe3\x80\x82";
  const std::string shiftJis =
      "\x8d\xa1\x93\xfa\x82\xcd\x89\x4a\x81\x42\x89\x77\x82\xdc\x82\xc5\x95\xe0\x82\xa2\x82"
      "\xc4\x81\x41\x96\x7b\x89\xae\x82\xc5\x90\x56\x82\xb5\x82\xa2\x8f\xac\x90\xe0\x82\xf0"
      "\x94\x83\x82\xc1\x82\xbd\x81\x42";
  uint32_t seed = 2006;
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  };
  for (int y = 2006; y <= 2025; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const std::string month = root + '/' + std::to_string(y) + '/' + std::to_string(m);
      marrowleaf::MakePrivateDirectories(month);
      const int days =
          m == 2 ? (y % 4 == 0 ? 29 : 28) : (m == 4 || m == 6 || m == 9 || m == 11 ? 30 : 31);
      for (int d = 1; d <= days; ++d) {
        for (int t = 0; t < 3; ++t) {
          std::string text;
          const uint32_t kind = next() % 40;
          const std::string& line = kind == 0 ? shiftJis : japanese;
          if (kind < 5) {
            for (size_t n = 1 + next() % 12; n > 0; --n) text += line + "\r\n";
          } else {
            const size_t size = 100 + next() % 1200;
            text = prose.substr(next() % (prose.size() - size), size);
          }
          Write(month + '/' + std::to_string(d) + '_' + std::to_string(t) + ".txt", text + '\0');
        }
      }
    }
  }
}

inline std::string YearsDiaryFolder() {
  const std::string root = Folder() + "/years";
  static bool made = false;
  if (!made) WriteYearsDiary(root);
  made = true;
  return root;
}

// The key the encrypted inputs are sealed with: a random one, so that no password is derived.
inline const marrowleaf::SharedKeys& SealingKeys() {
  static const marrowleaf::SharedKeys keys = [] {
    auto made = std::make_shared<marrowleaf::DiaryKeys>();
    made->Add(marrowleaf::DiaryKey::Generate());
    return made;
  }();
  return keys;
}

// The key file of an encrypted diary holding that key under kPassword, at the cheapest cost
// Argon2id allows: a window unlocks it at its start in microseconds, never inside a timing.
inline constexpr char kPassword[] = "password";
inline void WriteKeyFile(const std::string& saveDir) {
  Write(marrowleaf::KeyFilePath(saveDir),
        marrowleaf::WrapKey(*SealingKeys()->Sealing(), QString::fromLatin1(kPassword), {1, 8192}));
}

// The look back's diary once more, encrypted by the conversion of File, Encryption… with the key
// held for it, as the window holds it once the password opened it: the same entries, sealed, and
// the key file beside them.
inline std::string SealedYearsDiaryFolder() {
  const std::string root = Folder() + "/years-sealed";
  static bool made = false;
  if (made) return root;
  made = true;
  WriteYearsDiary(root);
  marrowleaf::HoldKeys(root, SealingKeys());
  const std::atomic<bool> cancelled{false};
  if (!marrowleaf::ConvertDiary(root, marrowleaf::Conversion::kEncrypt, {}, cancelled).complete) {
    std::abort();
  }
  WriteKeyFile(root);
  return root;
}

}  // namespace benchinputs
