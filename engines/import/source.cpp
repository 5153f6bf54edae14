// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/import/source.h"

#include <zip.h>

#include <QRegularExpression>
#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "platform/files.h"
#include "text/tags.h"

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
  // `only`: the names of the top level that belong to the source (a journal and the folders
  // beside it); empty: every one.
  explicit FolderFiles(std::string path, std::vector<std::string> only = {})
      : root(std::move(path)), real(CanonicalPath(root)), top(std::move(only)) {
    Walk(std::string(), 0);
    std::sort(names.begin(), names.end());
    index.insert(names.begin(), names.end());
    std::sort(leftOut.begin(), leftOut.end(),
              [](const Issue& a, const Issue& b) { return a.where < b.where; });
  }
  const std::vector<std::string>& Names() const override { return names; }
  bool Has(const std::string& name) const override { return index.count(name) != 0; }
  bool Read(const std::string& name, std::string& bytes, std::string& error) const override {
    // Looked at again: a file may have become a link since the folder was listed.
    if (!Inside(root + '/' + name)) {
      error = "a link to a place outside the folder";
      return false;
    }
    return ReadInto(root + '/' + name, bytes, error);
  }
  uint64_t Size(const std::string& name) const override {
    const FileState state = RegularFileState(root + '/' + name);
    return state.known && Inside(root + '/' + name) ? static_cast<uint64_t>(state.size) : 0;
  }
  // What the folder holds that is not read: links leading out, pipes, devices.
  const std::vector<Issue>& LeftOut() const { return leftOut; }

 private:
  // Whether `path`, every link followed, lies inside the folder: a synced diary must never take
  // in a copy of ~/.ssh because an unpacked archive linked to it.
  bool Inside(const std::string& path) const {
    const std::string resolved = CanonicalPath(path);
    if (real.empty() || resolved.size() <= real.size() ||
        resolved.compare(0, real.size(), real) != 0) {
      return false;
    }
    return real == "/" || resolved[real.size()] == '/';
  }

  void Walk(const std::string& prefix, int depth) {
    std::vector<std::string> folders;
    ListFolder(
        root + '/' + prefix,
        [&](std::string_view name) {
          return name.front() != '.' &&
                 (depth > 0 || top.empty() || std::find(top.begin(), top.end(), name) != top.end());
        },
        [&](std::string_view name, bool regular) {
          const std::string relative = prefix + std::string(name);
          const std::string path = root + '/' + relative;
          if (IsSymlink(path) && !Inside(path)) {
            leftOut.push_back({Problem::kLinkLeadsOut, relative, {}});
          } else if (regular) {
            if (names.size() < kMostFiles) names.push_back(relative);
          } else if (IsDirectory(path)) {
            if (depth + 1 < kFolderDepth) folders.push_back(relative);
          } else {
            leftOut.push_back({Problem::kNotRegularFile, relative, {}});
          }
        });
    for (const std::string& folder : folders) Walk(folder + '/', depth + 1);
  }

  std::string root;
  std::string real;  // the folder, every link followed
  std::vector<std::string> top;
  std::vector<std::string> names;
  std::unordered_set<std::string> index;
  std::vector<Issue> leftOut;
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
  uint64_t Size(const std::string& name) const override {
    const FileState state = RegularFileState(path);
    return Has(name) && state.known ? static_cast<uint64_t>(state.size) : 0;
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
  uint64_t Size(const std::string& name) const override {
    const auto found = index.find(name);
    if (found == index.end()) return 0;
    const std::lock_guard<std::mutex> one(lock);
    zip_stat_t stat;
    zip_stat_init(&stat);
    return zip_stat_index(archive, found->second, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)
               ? stat.size
               : 0;
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

// Of the formats that fit, the one that fits best; the first of those in the table.
const SourceFormat* Detect(const SourceFiles& files) {
  const SourceFormat* best = nullptr;
  Fit bestFit = Fit::kNone;
  for (const SourceFormat* format : Formats()) {
    const Fit fit = format->fits(files);
    if (fit > bestFit) {
      best = format;
      bestFit = fit;
    }
    if (bestFit == Fit::kStrong) break;
  }
  return best;
}

std::string Lower(const std::string& text) {
  return QString::fromStdString(text).toLower().toStdString();
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

std::string FirstJsonKey(const SourceFiles& files, const std::string& name) {
  // A whole export parsed here would be held twice over: the key is found by hand.
  std::string bytes;
  std::string error;
  if (!files.Read(name, bytes, error)) return {};
  const size_t open = bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
  if (open == std::string::npos || bytes[open] != '{') return {};
  const size_t key = bytes.find_first_not_of(" \t\r\n", open + 1);
  if (key == std::string::npos || bytes[key] != '"') return {};
  const size_t end = bytes.find('"', key + 1);
  return end == std::string::npos ? std::string() : bytes.substr(key + 1, end - key - 1);
}

QString WholeTag(const QString& name) {
  const QString tag = TagTextFromName(name);
  if (tag.isEmpty()) return {};
  // Blanks become '_', as a tag cannot hold them; every other character must stay.
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  const QString written = name.trimmed().replace(blanks, QStringLiteral("_"));
  return tag == QLatin1Char('#') + written || tag == QStringLiteral("#tag_") + written ? tag
                                                                                       : QString();
}

bool UsableFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
}

void Source::Report(Issue issue) {
  if (++issueCounts[static_cast<size_t>(issue.problem)] <= kIssuesKept) {
    issues.push_back(std::move(issue));
  }
}

const std::vector<const SourceFormat*>& Formats() {
  static const std::vector<const SourceFormat*> formats{&kDayOneFormat, &kJrnlFormat,
                                                        &kRedNotebookFormat, &kDiaroFormat};
  return formats;
}

Source ReadSource(const std::string& path) {
  Source source;
  std::unique_ptr<SourceFiles> files;
  const auto folder = [&](const std::string& at, std::vector<std::string> only) {
    auto opened = std::make_unique<FolderFiles>(at, std::move(only));
    for (const Issue& issue : opened->LeftOut()) source.Report(issue);
    return opened;
  };
  if (IsDirectory(path)) {
    files = folder(path, {});
  } else if (!IsFile(path)) {
    source.Report({Problem::kUnreadable, path, "no such file"});
    return source;
  } else if (EndsWith(Lower(path), ".zip")) {
    std::string error;
    files = OpenZip(path, error);
    if (!files) {
      source.Report({Problem::kUnreadable, path, error});
      return source;
    }
  } else {
    files = std::make_unique<SingleFile>(path);
    // A file chosen alone whose format keeps folders beside it: read in its folder, with them.
    const SourceFormat* format = Detect(*files);
    if (format != nullptr && format->beside.front() != nullptr) {
      std::vector<std::string> only{BaseName(path)};
      for (const char* name : format->beside) {
        if (name != nullptr) only.emplace_back(name);
      }
      const size_t slash = path.rfind('/');
      files = folder(slash == std::string::npos ? std::string(".")
                     : slash == 0               ? std::string("/")
                                                : path.substr(0, slash),
                     std::move(only));
    }
  }
  source.files = std::shared_ptr<const SourceFiles>(std::move(files));
  source.format = Detect(*source.files);
  if (source.format == nullptr) {
    source.Report({Problem::kUnknownFormat, path, {}});
  } else {
    source.format->read(source);
  }
  return source;
}

}  // namespace marrowleaf::import
