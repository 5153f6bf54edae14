// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QTime>
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Another diary program's entries, read into one shape that the import's writer maps onto entry
// files. Each format has a reader of its own (dayone.cpp, jrnl.cpp, rednotebook.cpp, diaro.cpp);
// they read from a folder or a zip archive through SourceFiles, and none of them writes anything.
namespace marrowleaf::import {

// The bytes of a source: a folder on disk or a zip archive. Names are relative, '/' between
// folders. Safe to use from one thread at a time, from any thread.
class SourceFiles {
 public:
  virtual ~SourceFiles() = default;
  // Every regular file (a folder: down to three levels below it).
  virtual const std::vector<std::string>& Names() const = 0;
  virtual bool Has(const std::string& name) const = 0;
  // The whole file; false with `error` saying why (a damaged archive member, an I/O error).
  virtual bool Read(const std::string& name, std::string& bytes, std::string& error) const = 0;
};

// A folder; one file alone (its name is its only name); a zip archive (nothing, with `error`,
// for one that cannot be opened).
std::unique_ptr<SourceFiles> OpenFolder(const std::string& path);
std::unique_ptr<SourceFiles> OpenSingleFile(const std::string& path);
std::unique_ptr<SourceFiles> OpenZip(const std::string& path, std::string& error);

// A file of the source that an entry refers to; copied next to the entries when imported.
struct Attachment {
  std::string member;      // the file in the source
  std::string name;        // the copy's file name
  std::string identifier;  // what the entry's text calls it (a Day One moment), or empty
};

struct Entry {
  QDate date;                     // in the entry's own time zone
  QTime time;                     // invalid where the source keeps none
  std::string title;              // UTF-8, like every text here: half the memory of a QString
  std::string_view text;          // line breaks '\n'; kept by the Source (Source::texts)
  std::vector<std::string> tags;  // the other program's names, without its tag sign
  bool tagsInText = false;        // the tags stand in the text itself (jrnl's @tags)
  bool starred = false;
  std::string place;
  std::string weather;
  std::vector<std::string> notes;  // further short lines the source keeps beside the text
  std::vector<Attachment> attachments;
  std::string journal;  // a Day One journal: the tab of that name; empty: the chosen tab
};

// Why part of a source could not be read.
enum class Problem {
  kUnknownFormat,      // not a source any reader knows
  kUnreadable,         // a file that cannot be read (damaged archive, I/O error)
  kNotParsed,          // JSON, YAML or XML that does not parse
  kBadRecord,          // an entry missing what it needs or of the wrong shape
  kBadDate,            // a date that does not exist
  kMissingAttachment,  // a file an entry refers to that the source does not hold
};

struct Issue {
  Problem problem = Problem::kUnreadable;
  std::string where;   // the file, and the record or line in it
  std::string detail;  // the library's or reader's own words, untranslated
};

// What a plain entry has no place for, counted over the source and listed in the report.
enum class Unplaced {
  kCoordinates,  // a place's latitude and longitude (its name is kept)
  kRichText,     // Day One's formatting beyond its Markdown text
  kMood,         // Diaro's mood
  kFolder,       // Diaro's folders (every entry goes to the chosen tab)
  kCount
};

enum class Format { kUnknown, kDayOne, kJrnl, kRedNotebook, kDiaro };

// The entries' texts, one after another in blocks of a megabyte: twenty years of a diary take
// their own size in memory, not that and the allocator's gaps between a string per entry.
class TextStore {
 public:
  std::string_view Keep(std::string_view text);

 private:
  std::vector<std::unique_ptr<char[]>> blocks;
  size_t used = 0;  // of the last block
  size_t room = 0;  // the last block's size
};

struct Source {
  Format format = Format::kUnknown;
  std::vector<Entry> entries;  // in the source's order
  std::vector<Issue> issues;
  std::array<int, static_cast<size_t>(Unplaced::kCount)> unplaced{};
  std::shared_ptr<const SourceFiles> files;  // where the attachments are copied from
  TextStore texts;
  void Note(Unplaced what) { ++unplaced[static_cast<size_t>(what)]; }
};

// A file or folder the user chose: its format found from what it holds, then read whole. A source
// no reader knows has one issue, kUnknownFormat.
Source ReadSource(const std::string& path);

// The readers, each on files already opened. `files` is kept in the result.
void ReadDayOne(Source& source);
void ReadJrnl(Source& source);
void ReadRedNotebook(Source& source);
void ReadDiaro(Source& source);

// A Day One journal's name from its file's ("Trips.json"): what a tab of the diary may be
// called, without control characters.
std::string JournalName(const std::string& fileName);

// RedNotebook's month files, "2024-05.txt", and none of its backups.
bool RedNotebookMonthFile(const std::string& name);

// Shared by the readers.
// CR LF and lone CRs as '\n'.
std::string NormalBreaks(std::string text);
// The part of `name` after its last '/'.
std::string BaseName(const std::string& name);

}  // namespace marrowleaf::import
