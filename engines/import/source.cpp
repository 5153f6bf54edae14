// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/import/source.h"

#include <zip.h>

#include <algorithm>
#include <mutex>
#include <unordered_set>

#include "platform/files.h"

namespace marrowleaf::import {
namespace {

// A member larger than this is no diary file but a damaged or hostile archive: its size would
// be allocated before a byte is read.
constexpr zip_uint64_t kLargestMember = 1ull << 30;

// Three levels cover every layout read here (jrnl's YEAR/MONTH/DAY.txt, Day One's photos/);
// choosing one's home folder by mistake must not walk the whole disk.
constexpr int kFolderDepth = 3;
constexpr size_t kMostFiles = 200000;

// Straight into the caller's string: an export of twenty years is read once, not copied.
bool ReadInto(const std::string& path, std::string& bytes, std::string& error) {
  ExclusiveFile file(path, ExclusiveFile::Access::kRead);
  if (!file.IsOpen() || !file.ReadAll(bytes)) {
    error = file.Error();
    bytes.clear();
    return false;
  }
  return true;
}

class FolderFiles : public SourceFiles {
 public:
  explicit FolderFiles(std::string path) : root(std::move(path)) {
    Walk(std::string(), 0);
    std::sort(names.begin(), names.end());
    index.insert(names.begin(), names.end());
  }
  const std::vector<std::string>& Names() const override { return names; }
  bool Has(const std::string& name) const override { return index.count(name) != 0; }
  bool Read(const std::string& name, std::string& bytes, std::string& error) const override {
    return ReadInto(root + '/' + name, bytes, error);
  }

 private:
  void Walk(const std::string& prefix, int depth) {
    std::vector<std::string> folders;
    ListFolder(
        root + '/' + prefix, [](std::string_view name) { return name.front() != '.'; },
        [&](std::string_view name, bool regular) {
          const std::string relative = prefix + std::string(name);
          if (regular) {
            if (names.size() < kMostFiles) names.push_back(relative);
          } else if (depth + 1 < kFolderDepth && IsDirectory(root + '/' + relative)) {
            folders.push_back(relative);
          }
        });
    for (const std::string& folder : folders) Walk(folder + '/', depth + 1);
  }

  std::string root;
  std::vector<std::string> names;
  std::unordered_set<std::string> index;
};

class SingleFile : public SourceFiles {
 public:
  explicit SingleFile(std::string p) : path(std::move(p)), names{BaseName(path)} {}
  const std::vector<std::string>& Names() const override { return names; }
  bool Has(const std::string& name) const override { return name == names.front(); }
  bool Read(const std::string& name, std::string& bytes, std::string& error) const override {
    if (!Has(name)) {
      error = "no such file";
      return false;
    }
    return ReadInto(path, bytes, error);
  }

 private:
  std::string path;
  std::vector<std::string> names;
};

class ZipFiles : public SourceFiles {
 public:
  explicit ZipFiles(zip_t* z) : archive(z) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
      const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
      if (name == nullptr) continue;
      std::string n(name);
      if (n.empty() || n.back() == '/') continue;  // a folder
      index.emplace(n, static_cast<zip_uint64_t>(i));
      names.push_back(std::move(n));
    }
    std::sort(names.begin(), names.end());
  }
  ~ZipFiles() override { zip_discard(archive); }
  ZipFiles(const ZipFiles&) = delete;
  ZipFiles& operator=(const ZipFiles&) = delete;

  const std::vector<std::string>& Names() const override { return names; }
  bool Has(const std::string& name) const override { return index.count(name) != 0; }
  bool Read(const std::string& name, std::string& bytes, std::string& error) const override {
    const auto found = index.find(name);
    if (found == index.end()) {
      error = "not in the archive";
      return false;
    }
    const std::lock_guard<std::mutex> one(lock);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, found->second, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
      error = zip_strerror(archive);
      return false;
    }
    if (stat.size > kLargestMember) {
      error = "larger than 1 GiB";
      return false;
    }
    zip_file_t* file = zip_fopen_index(archive, found->second, 0);
    if (file == nullptr) {
      error = zip_strerror(archive);
      return false;
    }
    bytes.resize(static_cast<size_t>(stat.size));
    zip_uint64_t done = 0;
    bool ok = true;
    while (done < stat.size) {
      const zip_int64_t n = zip_fread(file, bytes.data() + done, stat.size - done);
      if (n <= 0) {
        ok = false;
        break;
      }
      done += static_cast<zip_uint64_t>(n);
    }
    // The checksum is checked once the member's end is read: a damaged member fails here.
    char past;
    if (ok && zip_fread(file, &past, 1) != 0) ok = false;
    if (!ok) error = zip_file_strerror(file);
    zip_fclose(file);
    if (!ok) bytes.clear();
    return ok;
  }

 private:
  zip_t* archive;
  std::vector<std::string> names;
  std::unordered_map<std::string, zip_uint64_t> index;
  mutable std::mutex lock;
};

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The first key of the JSON object decides: jrnl's export starts with its "tags", Day One's with
// its "metadata" or "entries". (Parsing a whole export here would hold it twice over.)
Format JsonFormat(const SourceFiles& files, const std::string& name) {
  std::string bytes;
  std::string error;
  if (!files.Read(name, bytes, error)) return Format::kUnknown;
  const size_t open = bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
  if (open == std::string::npos || bytes[open] != '{') return Format::kUnknown;
  const size_t key = bytes.find_first_not_of(" \t\r\n", open + 1);
  return key != std::string::npos && bytes.compare(key, 6, "\"tags\"") == 0 ? Format::kJrnl
                                                                            : Format::kDayOne;
}

Format Detect(const SourceFiles& files) {
  const std::vector<std::string>& names = files.Names();
  const auto any = [&](auto test) { return std::any_of(names.begin(), names.end(), test); };
  if (any([](const std::string& n) { return BaseName(n) == "DiaroBackup.xml"; })) {
    return Format::kDiaro;
  }
  for (const std::string& name : names) {
    if (name.find('/') == std::string::npos && EndsWith(name, ".json")) {
      return JsonFormat(files, name) == Format::kJrnl ? Format::kJrnl : Format::kDayOne;
    }
  }
  if (any([](const std::string& n) {
        return n.find('/') == std::string::npos && RedNotebookMonthFile(n);
      })) {
    // A lone "2024-05.txt" may still be a jrnl journal: its first line says.
    if (names.size() != 1) return Format::kRedNotebook;
    std::string bytes;
    std::string error;
    files.Read(names.front(), bytes, error);
    return bytes.find_first_not_of(" \r\n\t") != std::string::npos &&
                   bytes[bytes.find_first_not_of(" \r\n\t")] == '['
               ? Format::kJrnl
               : Format::kRedNotebook;
  }
  if (any([](const std::string& n) { return EndsWith(n, ".txt"); })) return Format::kJrnl;
  return Format::kUnknown;
}

}  // namespace

std::string_view TextStore::Keep(std::string_view text) {
  constexpr size_t kBlock = 1 << 20;
  if (text.empty()) return {};
  if (room - used < text.size()) {
    room = std::max(kBlock, text.size());
    blocks.push_back(std::make_unique<char[]>(room));
    used = 0;
  }
  char* at = blocks.back().get() + used;
  std::copy(text.begin(), text.end(), at);
  used += text.size();
  return {at, text.size()};
}

std::string NormalBreaks(std::string text) {
  if (text.find('\r') == std::string::npos) return text;
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::string BaseName(const std::string& name) {
  const size_t slash = name.rfind('/');
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::unique_ptr<SourceFiles> OpenFolder(const std::string& path) {
  return std::make_unique<FolderFiles>(path);
}

std::unique_ptr<SourceFiles> OpenSingleFile(const std::string& path) {
  return std::make_unique<SingleFile>(path);
}

std::unique_ptr<SourceFiles> OpenZip(const std::string& path, std::string& error) {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (archive == nullptr) {
    zip_error_t why;
    zip_error_init_with_code(&why, code);
    error = zip_error_strerror(&why);
    zip_error_fini(&why);
    return nullptr;
  }
  return std::make_unique<ZipFiles>(archive);
}

Source ReadSource(const std::string& path) {
  Source source;
  std::unique_ptr<SourceFiles> files;
  if (IsDirectory(path)) {
    files = OpenFolder(path);
  } else {
    if (!IsFile(path)) {
      source.issues.push_back({Problem::kUnreadable, path, "no such file"});
      return source;
    }
    if (EndsWith(QString::fromStdString(path).toLower().toStdString(), ".zip")) {
      std::string error;
      files = OpenZip(path, error);
      if (!files) {
        source.issues.push_back({Problem::kUnreadable, path, error});
        return source;
      }
    } else {
      files = OpenSingleFile(path);
    }
  }
  source.files = std::shared_ptr<const SourceFiles>(std::move(files));
  source.format = Detect(*source.files);
  switch (source.format) {
    case Format::kDayOne:
      ReadDayOne(source);
      break;
    case Format::kJrnl:
      ReadJrnl(source);
      break;
    case Format::kRedNotebook:
      ReadRedNotebook(source);
      break;
    case Format::kDiaro:
      ReadDiaro(source);
      break;
    case Format::kUnknown:
      source.issues.push_back({Problem::kUnknownFormat, path, {}});
      break;
  }
  return source;
}

}  // namespace marrowleaf::import
