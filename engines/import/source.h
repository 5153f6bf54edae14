// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Another diary program's entries, read into one shape that the import's writer maps onto entry
// files. Each format has a reader of its own (dayone.cpp, jrnl.cpp, rednotebook.cpp, diaro.cpp)
// with its row in the table of formats; they read from a folder or a zip archive through
// SourceFiles, and none of them writes anything.
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
  // Its size in bytes, without reading it; 0 where it cannot be told.
  virtual uint64_t Size(const std::string& name) const = 0;
};

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
  bool tagsInText = false;        // the tags stand in the text and title already, as tags here
  bool starred = false;
  std::string place;
  std::string weather;
  std::vector<std::string> notes;  // further short lines the source keeps beside the text
  std::vector<Attachment> attachments;
  std::string journal;  // a Day One journal: the tab of that name; empty: the chosen tab
};

// Why part of a source could not be read, or was left out.
enum class Problem {
  kUnknownFormat,      // not a source any reader knows
  kEncrypted,          // a backup that its program encrypted
  kUnreadable,         // a file that cannot be read (damaged archive, I/O error)
  kNotParsed,          // JSON, YAML or XML that does not parse
  kBadRecord,          // an entry missing what it needs or of the wrong shape
  kBadDate,            // a date that does not exist
  kNoEntryStart,       // a journal with no line that starts an entry; detail: the first look-alike
  kMissingAttachment,  // a file an entry refers to that the source does not hold
  kBadAttachmentName,  // a file an entry refers to by a name no file may have here ("..")
  kLinkLeadsOut,       // a link in the chosen folder to something outside it
  kNotRegularFile,     // a pipe, a device or a socket in the chosen folder
  kNotJournalDay,      // a file of a folder journal that is no YEAR/MONTH/DAY.txt
  kEntityDropped,      // an XML entity that the reader could not expand; detail: its name
  kCount
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

struct Source;

// How well a format fits what the user chose.
enum class Fit {
  kNone,
  kWeak,    // only what many files have (a .txt somewhere); a format that fits better wins
  kStrong,  // files that only this program writes
};

// One diary format the import reads: its row in the table of formats, kept beside its reader.
struct SourceFormat {
  const char* name;  // the program's own name, as it spells it
  // What the plan calls such a source, and how the user chooses one: for the window to translate
  // in the context "ImportFormat".
  const char* description;
  const char* choose;
  Fit (*fits)(const SourceFiles& files);
  void (*read)(Source& source);
  // The folders that belong with one of its files chosen alone (Day One's media beside a journal's
  // .json): the file is read in its folder, with these.
  std::array<const char*, 4> beside;
};

// The rows, each defined beside its reader.
extern const SourceFormat kDayOneFormat;
extern const SourceFormat kJrnlFormat;
extern const SourceFormat kRedNotebookFormat;
extern const SourceFormat kDiaroFormat;

// Every format, in the order the window names them; of those that fit best, the first reads.
const std::vector<const SourceFormat*>& Formats();

struct Source {
  const SourceFormat* format = nullptr;  // none: no reader knows the source
  std::vector<Entry> entries;            // in the source's order
  // The first issues of each kind, in the order found; issueCounts counts them all. A source of
  // a million bad records takes the memory of a few.
  std::vector<Issue> issues;
  std::array<size_t, static_cast<size_t>(Problem::kCount)> issueCounts{};
  std::array<int, static_cast<size_t>(Unplaced::kCount)> unplaced{};
  std::shared_ptr<const SourceFiles> files;  // where the attachments are copied from
  TextStore texts;
  void Note(Unplaced what) { ++unplaced[static_cast<size_t>(what)]; }
  void Report(Issue issue);
  size_t Count(Problem problem) const { return issueCounts[static_cast<size_t>(problem)]; }
  static constexpr size_t kIssuesKept = 10;
};

// A file or folder the user chose: its format found from what it holds, then read whole. A source
// no reader knows has one issue, kUnknownFormat. A Day One journal chosen by its .json file is
// read with the media beside it. Of a folder, only regular files that lie inside it are read:
// links leading out, pipes and devices are left out, each an issue.
Source ReadSource(const std::string& path);

// A Day One journal's name from its file's ("Trips.json"): what a tab of the diary may be
// called, without control characters.
std::string JournalName(const std::string& fileName);

// RedNotebook's month files, "2024-05.txt", and none of its backups.
bool RedNotebookMonthFile(const std::string& name);

// Shared by the readers and the writer.
// CR LF and lone CRs as '\n'.
std::string NormalBreaks(std::string text);
// The part of `name` after its last '/'.
std::string BaseName(const std::string& name);
// The key a JSON file's object starts with ("tags", "metadata"), without its quotes; empty for
// anything else.
std::string FirstJsonKey(const SourceFiles& files, const std::string& name);
// Another program's tag name as a tag here, where a tag can hold it whole ("my trip" is
// "#my_trip", "2024" "#tag_2024"); empty for one that would lose characters ("C++" is no "#C").
QString WholeTag(const QString& name);
// Whether a source's name for an attached file can name a copy here: not empty, ".", ".." or
// holding a '/'.
bool UsableFileName(const std::string& name);

}  // namespace marrowleaf::import
