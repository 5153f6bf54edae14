#include "config/inifile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "config/savefile.h"

namespace {

constexpr char kCtrlZ = '\x1a';

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

// Splits at the first "=" or NUL. The value ends at the first NUL, CR or LF after the split.
// Returns false for a line with neither "=" nor NUL: such a line names no value, and it is
// skipped rather than taken as a key with an empty value, so a stray word in a section does not
// turn into a new key at the next save.
bool SplitKeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  size_t split = 0;
  while (split < line.size() && line[split] != '=' && line[split] != '\0') ++split;
  if (split == line.size()) return false;
  key = Trim(line.substr(0, split));
  std::string_view rest = line.substr(split + 1);
  size_t end = 0;
  while (end < rest.size() && rest[end] != '\0' && rest[end] != '\r' && rest[end] != '\n') ++end;
  value = Trim(rest.substr(0, end));
  return true;
}

// Reads the whole file in large blocks. A FIFO, a device or a directory counts as a file that
// cannot be opened: reading it could hang or never end. A read error ends the text.
bool ReadWholeFile(const std::string& name, std::string& out) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  size_t capacity = st.st_size > 0 ? static_cast<size_t>(st.st_size) : 4096;
  out.resize(capacity);
  size_t used = 0;
  for (;;) {
    if (used == out.size()) out.resize(out.size() * 2);
    const ssize_t n = ::read(fd, out.data() + used, out.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    used += static_cast<size_t>(n);
  }
  out.resize(used);
  ::close(fd);
  return true;
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
  attached = false;
}

void TINIFile::Load(const std::string& name) {
  Clear();
  std::string text;
  const bool opened = ReadWholeFile(name, text);
  fileName = name;
  attached = true;
  if (opened) LoadFromBytes(text);
}

void TINIFile::LoadFromBytes(std::string_view text) {
  sections.clear();
  attached = true;
  // A Ctrl-Z ends the text, as some editors append one.
  if (const void* eof = std::memchr(text.data(), kCtrlZ, text.size())) {
    text = text.substr(0, static_cast<size_t>(static_cast<const char*>(eof) - text.data()));
  }
  // CR LF needs no translation of its own: every line is trimmed of CRs at both ends, and a value
  // ends at its first CR, so "a\r\n" and "a\n" read alike while a lone CR stays a byte.
  KeyMap* current = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    const char* start = text.data() + pos;
    const void* lf = std::memchr(start, '\n', text.size() - pos);
    const size_t len =
        lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) : text.size() - pos;
    pos += len + 1;
    const std::string_view line = Trim(std::string_view(start, len));
    if (line.empty()) continue;
    if (line[0] == '[') {
      const std::string_view name = ParseSectionName(line);
      auto it = sections.find(name);
      if (it == sections.end()) it = sections.emplace(std::string(name), KeyMap{}).first;
      current = &it->second;  // repeated headers of one name merge into one section
      continue;
    }
    if (current == nullptr) continue;  // lines before the first header belong to no section
    std::string_view key;
    std::string_view value;
    if (!SplitKeyValue(line, key, value) || key.empty()) continue;
    auto it = current->find(key);
    if (it == current->end()) {
      current->emplace(std::string(key), std::string(value));
    } else {
      it->second.assign(value);  // the later of two equal keys wins
    }
  }
}

std::string TINIFile::Serialize() const {
  if (!attached) return {};
  size_t size = 0;
  for (const auto& [section, keys] : sections) {
    size += section.size() + 6;
    for (const auto& [key, value] : keys) size += key.size() + value.size() + 5;
  }
  std::string out;
  out.reserve(size);
  for (const auto& [section, keys] : sections) {
    out += '[';
    out += section;
    out += "]\r\n";
    for (const auto& [key, value] : keys) {
      out += key;
      out += " = ";
      out += value;
      out += "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

void TINIFile::Save() {
  if (!attached) return;
  const std::string bytes = Serialize();
  // Every start saves twice and every exit once, mostly with nothing changed: where the file
  // already holds exactly these bytes, the rewrite and its flush to disk are skipped.
  std::string current;
  if (ReadWholeFile(fileName, current) && current == bytes) return;
  // The store reports nothing; the writer keeps the old file whole when the new one cannot be
  // written in full.
  marrowleaf::ReplaceFileContents(fileName, bytes);
}

std::string TINIFile::GetString(const std::string& section, const std::string& key,
                                const std::string& def) {
  if (!attached) return {};
  auto sec = sections.find(section);
  if (sec == sections.end()) sec = sections.emplace(section, KeyMap{}).first;
  auto it = sec->second.find(key);
  if (it != sec->second.end()) return it->second;
  sec->second.emplace(key, def);
  return def;
}

int32_t TINIFile::GetInt(const std::string& section, const std::string& key, int32_t def) {
  if (!attached) return 0;
  return marrowleaf::ParseIniInt(GetString(section, key, marrowleaf::FormatIniInt(def)));
}

void TINIFile::SetInt(const std::string& section, const std::string& key, int32_t value) {
  if (!attached) return;
  sections[section].insert_or_assign(key, marrowleaf::FormatIniInt(value));
}
