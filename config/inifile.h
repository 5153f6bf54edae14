// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

// An in-memory INI file: ordered sections of ordered keys with byte-string values, bound to one
// file by Load and written back whole by Save. Reading a missing key records the caller's
// default, so the next Save writes it. Nothing is ever reported to the caller: a file that
// cannot be read leaves an empty store, one that cannot be written keeps its old content.
class TINIFile {
 public:
  // std::string compares bytes as unsigned char, which is exactly the order of the file.
  using KeyMap = std::map<std::string, std::string, std::less<>>;
  using SectionMap = std::map<std::string, KeyMap, std::less<>>;

  TINIFile() = default;
  ~TINIFile();  // saves an attached store once more
  TINIFile(const TINIFile&) = delete;
  TINIFile& operator=(const TINIFile&) = delete;

  void Load(const std::string& fileName);
  void Save();
  void Clear();
  std::string GetString(const std::string& section, const std::string& key, const std::string& def);
  int32_t GetInt(const std::string& section, const std::string& key, int32_t def);
  void SetInt(const std::string& section, const std::string& key, int32_t value);
  // For settings the user chooses in the program (not only the geometry and autosave): a text
  // value, set as SetInt sets its decimal text. A line break in the value (or in the section or
  // key) would write lines of its own, new keys among them, and a key holding "=" would read back
  // as another key: such a setting is refused, the store is left as it was, and the result is
  // false.
  bool SetString(const std::string& section, const std::string& key, const std::string& value);
  // A value if the store holds it, without recording anything: for settings written only once
  // the user has chosen them.
  std::optional<std::string> Find(const std::string& section, const std::string& key) const;

  // Read-only views for tests, benchmarks and the fuzzers; the program itself never needs them.
  SectionMap Sections() const;  // a copy of the whole content
  size_t SectionCount() const { return sections.size(); }
  bool Attached() const { return attached; }
  // The file exists but could not be read in full: saves leave it alone, so settings that could
  // not be read are never replaced by defaults.
  bool Unreadable() const { return unreadable; }
  const std::string& FileName() const { return fileName; }

  // The bytes Save writes for the current content (empty for a detached store).
  std::string Serialize() const;
  // Replaces the content by the parse of `text`, as Load does with a file's bytes.
  void LoadFromBytes(std::string_view text);

 private:
  // The content is views: into the bytes of the loaded file, kept whole, and into the texts set
  // since. Keys and sections are kept sorted by byte value, each name once.
  struct Entry {
    std::string_view key;
    std::string_view value;
  };
  struct Section {
    std::string_view name;
    std::vector<Entry> keys;
  };
  std::string_view Keep(std::string_view text);
  Section& SectionNamed(std::string_view name);  // inserted in order where missing
  void Parse(std::string_view text);
  bool FileUnchanged() const;
  void RememberFile();

  std::vector<Section> sections;
  std::unique_ptr<char[]> loaded;  // the bytes of the loaded file
  std::deque<std::string> kept;    // texts set since the load; a deque never moves them
  std::string written;             // the bytes of the last save, while the file holds them
  bool writtenValid = false;
  size_t loadedSize = 0;
  // What the file was when this store last read or wrote it, so that a save of the very same
  // bytes over an unchanged file can be left out.
  marrowleaf::FileState fileState;
  std::string fileName;
  bool attached = false;
  bool unreadable = false;
  bool byteOrderMark = false;  // the file began with a UTF-8 byte-order mark, written back
};

namespace marrowleaf {
// The integer reading of GetInt: leading white space, an optional sign, decimal digits
// accumulated in wrapping 32-bit arithmetic; no digits reads as 0.
int32_t ParseIniInt(std::string_view text);
std::string FormatIniInt(int32_t value);
}  // namespace marrowleaf
