// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// jrnl's journals: a plain-text file whose entries each start at a line "[2024-05-05 06:30:00 PM]
// Title" (older files "2012-03-29 09:00 Title"; a trailing "*" stars the entry), a folder journal
// of such files named YEAR/MONTH/DAY.txt, and the export `jrnl --format json` ({"tags": {...},
// "entries": [{"title", "body", "date", "time", "tags", "starred"}]}). Tags are @words in the
// text; dates are the writer's local dates.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>

#include "engines/import/source.h"

namespace marrowleaf::import {
namespace {

// An entry's first line: the date and time, with or without brackets, then the title.
const QRegularExpression& HeadLine() {
  static const QRegularExpression head(QStringLiteral(
      R"(^(\[)?(\d{4})-(\d{2})-(\d{2})[ T](\d{1,2}):(\d{2})(?::(\d{2}))?(?: ?([AaPp][Mm]))?(?(1)\]|)(?: (.*))?$)"));
  return head;
}

// jrnl's tags: an @ that starts a word, up to the next blank or closing punctuation.
void FindTags(const std::string& text, std::vector<std::string>& tags) {
  static const QRegularExpression tag(QStringLiteral(R"((?<![^\s(\[{])@([^\s@,.;:!?)\]}]+))"));
  auto it = tag.globalMatch(QString::fromStdString(text));
  while (it.hasNext()) {
    const std::string name = it.next().captured(1).toStdString();
    if (std::find(tags.begin(), tags.end(), name) == tags.end()) tags.push_back(name);
  }
}

// Leading and trailing blank lines: jrnl writes one between entries.
std::string TrimLines(const std::string& text) {
  const size_t first = text.find_first_not_of('\n');
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(" \t\n");
  return text.substr(first, last + 1 - first);
}

void Finish(Entry& entry, const std::string& text, Source& source) {
  const std::string body = TrimLines(text);
  FindTags(entry.title, entry.tags);
  FindTags(body, entry.tags);
  entry.text = source.texts.Keep(body);
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
  size_t lineNumber = 0;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    ++lineNumber;
    start = end + 1;
    const QRegularExpressionMatch head = HeadLine().match(QString::fromStdString(line));
    if (head.hasMatch()) {
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
        source.issues.push_back(
            {Problem::kBadDate, name + ", line " + std::to_string(lineNumber), line.substr(0, 40)});
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
        source.issues.push_back({Problem::kBadRecord, name + ", line " + std::to_string(lineNumber),
                                 "text before the first entry: " + line.substr(0, 40)});
        skipping = true;
      }
      continue;
    }
    body += line;
    body += '\n';
  }
  if (open) Finish(entry, body, source);
}

void ReadJson(Source& source, const std::string& name, const std::string& bytes) {
  QJsonParseError parsed;
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), &parsed);
  if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
    source.issues.push_back(
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
      source.issues.push_back({Problem::kBadRecord, where, "not a JSON object"});
      continue;
    }
    if (!entry.date.isValid()) {
      source.issues.push_back({Problem::kBadDate, where, date.toStdString()});
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

}  // namespace

void ReadJrnl(Source& source) {
  const std::vector<std::string>& names = source.files->Names();
  for (const std::string& name : names) {
    const bool json = name.size() > 5 && name.compare(name.size() - 5, 5, ".json") == 0;
    const bool text = name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0;
    // A folder journal's files are YEAR/MONTH/DAY.txt; a single file is whatever it is named.
    if (names.size() > 1 && !(text && std::count(name.begin(), name.end(), '/') == 2)) continue;
    std::string bytes;
    std::string error;
    if (!source.files->Read(name, bytes, error)) {
      source.issues.push_back({Problem::kUnreadable, name, error});
      continue;
    }
    if (json) {
      ReadJson(source, name, bytes);
    } else {
      ReadText(source, name, bytes);
    }
  }
}

}  // namespace marrowleaf::import
