// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// jrnl's journals: a plain-text file of any name whose entries each start at a line
// "[2024-05-05 06:30:00 PM] Title" (older files "2012-03-29 09:00 Title"; a trailing "*" stars the
// entry), a folder journal of such files named YEAR/MONTH/DAY.txt, and the export
// `jrnl --format json` ({"tags": {...}, "entries": [{"title", "body", "date", "time", "tags",
// "starred"}]}). Tags are @words in the text; dates are the writer's local dates.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <algorithm>
#include <cctype>

#include "engines/import/source.h"

namespace marrowleaf::import {
namespace {

// An entry's first line: the date and time, with or without brackets, then the title.
const QRegularExpression& HeadLine() {
  static const QRegularExpression head(QStringLiteral(
      R"(^(\[)?(\d{4})-(\d{2})-(\d{2})[ T](\d{1,2}):(\d{2})(?::(\d{2}))?(?: ?([AaPp][Mm]))?(?(1)\]|)(?: (.*))?$)"));
  return head;
}

// A line that starts an entry in a time format of the user's own ("[03/01/2024 10:00 AM] Title"):
// what jrnl writes, though not a date read here.
bool LooksLikeHead(const std::string& line) {
  static const QRegularExpression like(QStringLiteral(R"(^\[[^\]]{1,40}\](?: |$))"));
  return HeadLine().match(QString::fromStdString(line)).hasMatch() ||
         like.match(QString::fromStdString(line)).hasMatch();
}

// At most 60 characters of a line, for a report.
std::string Shown(const std::string& line) {
  return QString::fromStdString(line).left(60).toStdString();
}

// jrnl's tags: an @ that starts a word, up to the next blank or closing punctuation. Each becomes
// this diary's tag where a tag can hold its name whole; one that cannot ("@C++", "@C#") stays as
// written. `tags` gathers the names.
std::string Retag(const std::string& text, std::vector<std::string>& tags) {
  if (text.find('@') == std::string::npos) return text;
  static const QRegularExpression tag(QStringLiteral(R"((?<![^\s(\[{])@([^\s@,.;:!?)\]}]+))"));
  const QString written = QString::fromStdString(text);
  QString out;
  qsizetype done = 0;
  auto it = tag.globalMatch(written);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    const std::string name = m.captured(1).toStdString();
    if (std::find(tags.begin(), tags.end(), name) == tags.end()) tags.push_back(name);
    const QString whole = WholeTag(m.captured(1));
    if (whole.isEmpty()) continue;
    out += written.mid(done, m.capturedStart() - done) + whole;
    done = m.capturedEnd();
  }
  out += written.mid(done);
  return out.toStdString();
}

// Leading and trailing blank lines: jrnl writes one between entries.
std::string TrimLines(const std::string& text) {
  const size_t first = text.find_first_not_of('\n');
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(" \t\n");
  return text.substr(first, last + 1 - first);
}

void Finish(Entry& entry, const std::string& text, Source& source) {
  entry.title = Retag(entry.title, entry.tags);
  entry.text = source.texts.Keep(Retag(TrimLines(text), entry.tags));
  entry.tagsInText = true;
  source.entries.push_back(std::move(entry));
}

// A title's trailing star marks the entry starred.
void TakeStar(Entry& entry) {
  std::string& title = entry.title;
  while (!title.empty() && title.back() == ' ') title.pop_back();
  if (!title.empty() && title.back() == '*') {
    entry.starred = true;
    title.pop_back();
    while (!title.empty() && title.back() == ' ') title.pop_back();
  }
}

void ReadText(Source& source, const std::string& name, const std::string& bytes) {
  const std::string text = NormalBreaks(bytes);
  Entry entry;
  std::string body;
  bool open = false;      // an entry is being read
  bool skipping = false;  // the lines of an entry whose date does not exist
  // A journal writes every entry's first line in one form, with brackets (jrnl 2 on) or without
  // (before): a line of the other form inside an entry ("2012-03-29 09:00 dentist moved") is
  // text. The first such line tells the journal's form, as jrnl's settings tell jrnl.
  enum class Form { kUnknown, kBracketed, kBare } form = Form::kUnknown;
  Issue beforeFirst;  // text before the first entry: reported once an entry is found
  Issue lookAlike;    // the first line that looks like an entry's start
  size_t lineNumber = 0;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    ++lineNumber;
    start = end + 1;
    const std::string where = name + ", line " + std::to_string(lineNumber);
    const QRegularExpressionMatch head = HeadLine().match(QString::fromStdString(line));
    const Form lineForm = !head.hasMatch()             ? Form::kUnknown
                          : head.captured(1).isEmpty() ? Form::kBare
                                                       : Form::kBracketed;
    if (lineForm != Form::kUnknown && (form == Form::kUnknown || form == lineForm)) {
      if (form == Form::kUnknown && !beforeFirst.where.empty()) {
        source.Report({Problem::kBadRecord, beforeFirst.where,
                       "text before the first entry: " + beforeFirst.detail});
      }
      form = lineForm;
      if (open) Finish(entry, body, source);
      open = false;
      entry = Entry();
      body.clear();
      int hour = head.captured(5).toInt();
      const QString half = head.captured(8).toLower();
      if (half == QLatin1String("pm") && hour < 12) hour += 12;
      if (half == QLatin1String("am") && hour == 12) hour = 0;
      entry.date =
          QDate(head.captured(2).toInt(), head.captured(3).toInt(), head.captured(4).toInt());
      entry.time = QTime(hour, head.captured(6).toInt());
      if (!entry.date.isValid() || !entry.time.isValid()) {
        source.Report({Problem::kBadDate, where, Shown(line)});
        skipping = true;
        continue;
      }
      skipping = false;
      open = true;
      entry.title = head.captured(9).toStdString();
      TakeStar(entry);
      continue;
    }
    if (skipping) continue;
    if (!open) {
      if (line.find_first_not_of(" \t") != std::string::npos) {
        if (beforeFirst.where.empty()) {
          beforeFirst = {Problem::kNoEntryStart, where, Shown(line)};
        }
        if (lookAlike.where.empty() && LooksLikeHead(line)) {
          lookAlike = {Problem::kNoEntryStart, where, Shown(line)};
        }
      }
      continue;
    }
    body += line;
    body += '\n';
  }
  if (open) Finish(entry, body, source);
  // No line starts an entry: the journal's time format is one of its user's own. The report
  // names the first line that looks like an entry's start, else the first line of text.
  if (form == Form::kUnknown && !beforeFirst.where.empty()) {
    source.Report(lookAlike.where.empty() ? beforeFirst : lookAlike);
  }
}

void ReadJson(Source& source, const std::string& name, const std::string& bytes) {
  QJsonParseError parsed;
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), &parsed);
  if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
    source.Report(
        {Problem::kNotParsed, name,
         parsed.error != QJsonParseError::NoError
             ? parsed.errorString().toStdString() + " at byte " + std::to_string(parsed.offset)
             : "not a JSON object"});
    return;
  }
  const QJsonArray list = document.object().value(QLatin1String("entries")).toArray();
  for (qsizetype i = 0; i < list.size(); ++i) {
    const std::string where = name + ", entry " + std::to_string(i + 1);
    const QJsonObject record = list[i].toObject();
    const QString date = record.value(QLatin1String("date")).toString();
    const QString time = record.value(QLatin1String("time")).toString();
    Entry entry;
    entry.date = QDate::fromString(date, Qt::ISODate);
    entry.time = QTime::fromString(
        time, time.size() > 5 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    if (!list[i].isObject()) {
      source.Report({Problem::kBadRecord, where, "not a JSON object"});
      continue;
    }
    if (!entry.date.isValid()) {
      source.Report({Problem::kBadDate, where, date.toStdString()});
      continue;
    }
    if (entry.time.isValid()) entry.time = QTime(entry.time.hour(), entry.time.minute());
    entry.title = NormalBreaks(record.value(QLatin1String("title")).toString().toStdString());
    const std::string body =
        NormalBreaks(record.value(QLatin1String("body")).toString().toStdString());
    entry.starred = record.value(QLatin1String("starred")).toBool();
    TakeStar(entry);
    Finish(entry, body, source);
  }
}

bool EndsWith(const std::string& name, std::string_view end) {
  return name.size() > end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
}

// A folder journal's day: YEAR/MONTH/DAY.txt, "2024/05/05.txt". jrnl reads nothing else there.
bool DayFile(const std::string& name) {
  const auto digits = [&](size_t from, size_t count) {
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(from),
                       name.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
  };
  return name.size() == 14 && digits(0, 4) && name[4] == '/' && digits(5, 2) && name[7] == '/' &&
         digits(8, 2) && name.compare(10, 4, ".txt") == 0;
}

Fit Fits(const SourceFiles& files) {
  const std::vector<std::string>& names = files.Names();
  if (names.size() == 1) {
    const std::string& only = names.front();
    if (EndsWith(only, ".json"))
      return FirstJsonKey(files, only) == "tags" ? Fit::kStrong : Fit::kNone;
    // jrnl takes a journal of any name: its first line of text tells.
    std::string bytes;
    std::string error;
    files.Read(only, bytes, error);
    const std::string text = NormalBreaks(bytes.substr(0, 4096));
    const size_t first = text.find_first_not_of(" \t\n");
    if (first != std::string::npos &&
        LooksLikeHead(text.substr(first, text.find('\n', first) - first))) {
      return Fit::kStrong;
    }
    return EndsWith(only, ".txt") ? Fit::kWeak : Fit::kNone;
  }
  bool text = false;
  for (const std::string& name : names) {
    if (DayFile(name)) return Fit::kStrong;
    text = text || EndsWith(name, ".txt");
  }
  return text ? Fit::kWeak : Fit::kNone;
}

void ReadJrnl(Source& source) {
  const std::vector<std::string>& names = source.files->Names();
  for (const std::string& name : names) {
    // A single file is a journal whatever its name; a folder journal's files are its days, and
    // what else lies there is listed, not read.
    if (names.size() > 1 && !DayFile(name)) {
      source.Report({Problem::kNotJournalDay, name, {}});
      continue;
    }
    std::string bytes;
    std::string error;
    if (!source.files->Read(name, bytes, error)) {
      source.Report({Problem::kUnreadable, name, error});
      continue;
    }
    if (names.size() == 1 && EndsWith(name, ".json")) {
      ReadJson(source, name, bytes);
    } else {
      ReadText(source, name, bytes);
    }
  }
}

}  // namespace

const SourceFormat kJrnlFormat{"jrnl",
                               QT_TRANSLATE_NOOP("ImportFormat", "A jrnl journal"),
                               QT_TRANSLATE_NOOP("ImportFormat", "a jrnl journal"),
                               Fits,
                               ReadJrnl,
                               {}};

}  // namespace marrowleaf::import
