// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Day One's JSON export: one "<Journal>.json" per journal ({"metadata": {...}, "entries": [...]}),
// each entry's creationDate in UTC with the IANA time zone it was written in, its Markdown text,
// tags, star, place and weather, and its media beside the JSON as photos/<md5>.<type>, videos/,
// audios/ and pdfs/, which the text calls dayone-moment://<identifier>.
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QTimeZone>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engines/import/source.h"

namespace marrowleaf::import {
namespace {

std::string Text(const QJsonValue& value) { return value.toString().toStdString(); }

}  // namespace

std::string JournalName(const std::string& fileName) {
  std::string base = BaseName(fileName);
  if (base.size() >= 5 && base.compare(base.size() - 5, 5, ".json") == 0)
    base.resize(base.size() - 5);
  // The name may become a tab's, offered to the user and written into config.ini: a control
  // character (a line break would write keys of its own there) or a line or paragraph separator
  // becomes a space, and the white space it leaves is made single.
  QString name = QString::fromStdString(base);
  for (QChar& c : name) {
    if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
        c.category() == QChar::Separator_Paragraph) {
      c = QLatin1Char(' ');
    }
  }
  return name.simplified().toStdString();
}

namespace {

// "Kyoto Station, Kyoto, Japan": the place's names from the most to the least particular, each
// once.
std::string PlaceLine(const QJsonObject& location, Source& source) {
  std::vector<QString> parts;
  for (const char* key : {"placeName", "localityName", "administrativeArea", "country"}) {
    const QString part = location.value(QLatin1String(key)).toString().trimmed();
    if (!part.isEmpty() && std::find(parts.begin(), parts.end(), part) == parts.end()) {
      parts.push_back(part);
    }
  }
  if (location.contains(QLatin1String("latitude"))) source.Note(Unplaced::kCoordinates);
  QString line;
  for (const QString& part : parts) {
    if (!line.isEmpty()) line += QStringLiteral(", ");
    line += part;
  }
  return line.toStdString();
}

// "21 °C, Mostly Sunny".
std::string WeatherLine(const QJsonObject& weather) {
  QString line;
  const QJsonValue celsius = weather.value(QLatin1String("temperatureCelsius"));
  if (celsius.isDouble()) {
    const double t = celsius.toDouble();
    line = QString::number(t, 'f', t == static_cast<double>(static_cast<long long>(t)) ? 0 : 1) +
           QStringLiteral(" °C");
  }
  const QString conditions =
      weather.value(QLatin1String("conditionsDescription")).toString().trimmed();
  if (!conditions.isEmpty()) {
    if (!line.isEmpty()) line += QStringLiteral(", ");
    line += conditions;
  }
  return line.toStdString();
}

// The records of the export's "entries" list, as [begin, end) of each in the file, found by their
// brackets alone: each is then parsed on its own. A whole export parsed at once would hold the
// file, its parse and the entries read from it together, several times the file's size; and one
// damaged record would lose the journal. False where the file is not an object with that list.
bool EntryRecords(std::string_view json, std::vector<std::pair<size_t, size_t>>& records) {
  size_t i = 0;
  const auto blank = [&] {
    while (i < json.size() &&
           (json[i] == ' ' || json[i] == '\n' || json[i] == '\r' || json[i] == '\t')) {
      ++i;
    }
  };
  const auto string = [&] {  // at a '"': past the closing one
    for (++i; i < json.size(); ++i) {
      if (json[i] == '\\') {
        ++i;
      } else if (json[i] == '"') {
        ++i;
        return true;
      }
    }
    return false;
  };
  const auto value = [&] {  // past one value of any kind
    if (i >= json.size()) return false;
    if (json[i] == '"') return string();
    if (json[i] != '{' && json[i] != '[') {
      const size_t start = i;
      while (i < json.size() && json[i] != ',' && json[i] != '}' && json[i] != ']') ++i;
      return i > start && i < json.size();
    }
    int depth = 0;
    while (i < json.size()) {
      const char c = json[i];
      if (c == '"') {
        if (!string()) return false;
        continue;
      }
      if (c == '{' || c == '[') ++depth;
      if ((c == '}' || c == ']') && --depth == 0) {
        ++i;
        return true;
      }
      ++i;
    }
    return false;
  };
  if (json.substr(0, 3) == "\xEF\xBB\xBF") i = 3;  // a byte-order mark
  blank();
  if (i >= json.size() || json[i] != '{') return false;
  ++i;
  bool found = false;
  for (;;) {
    blank();
    if (i < json.size() && json[i] == '}') return found;
    if (i >= json.size() || json[i] != '"') return false;
    const size_t key = i;
    if (!string()) return false;
    const bool entries = json.substr(key, i - key) == "\"entries\"";
    blank();
    if (i >= json.size() || json[i] != ':') return false;
    ++i;
    blank();
    if (entries && i < json.size() && json[i] == '[') {
      found = true;
      ++i;
      for (;;) {
        blank();
        if (i < json.size() && json[i] == ']') break;
        const size_t begin = i;
        if (!value()) return false;
        records.emplace_back(begin, i);
        blank();
        if (i < json.size() && json[i] == ',') {
          ++i;
        } else if (i >= json.size() || json[i] != ']') {
          return false;
        }
      }
      ++i;
    } else if (!value()) {
      return false;
    }
    blank();
    if (i < json.size() && json[i] == ',') {
      ++i;
    } else if (i >= json.size() || json[i] != '}') {
      return false;
    }
  }
}

class Journal {
 public:
  Journal(Source& s, std::string file) : source(s), name(std::move(file)) {
    // The media, found by folder and checksum whatever their extension.
    for (const std::string& member : source.files->Names()) {
      const size_t slash = member.find('/');
      const size_t dot = member.rfind('.');
      if (slash == std::string::npos || dot == std::string::npos || dot < slash) continue;
      media.emplace(member.substr(0, dot), member);
    }
  }

  void Read() {
    std::string bytes;
    std::string error;
    if (!source.files->Read(name, bytes, error)) {
      source.issues.push_back({Problem::kUnreadable, name, error});
      return;
    }
    const std::string journal = JournalName(name);
    std::vector<std::pair<size_t, size_t>> records;
    if (!EntryRecords(bytes, records)) {
      // Not the shape of an export: the whole file parsed once says why.
      QJsonParseError parsed;
      const QJsonDocument document = QJsonDocument::fromJson(
          QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), &parsed);
      source.issues.push_back(
          {parsed.error != QJsonParseError::NoError ? Problem::kNotParsed : Problem::kBadRecord,
           name,
           parsed.error != QJsonParseError::NoError
               ? parsed.errorString().toStdString() + " at byte " + std::to_string(parsed.offset)
           : document.isObject() ? "no \"entries\" list"
                                 : "not a JSON object"});
      return;
    }
    source.entries.reserve(source.entries.size() + records.size());
    for (size_t i = 0; i < records.size(); ++i) {
      const std::string where = name + ", entry " + std::to_string(i + 1);
      if (bytes[records[i].first] != '{') {
        source.issues.push_back({Problem::kBadRecord, where, "not a JSON object"});
        continue;
      }
      QJsonParseError parsed;
      const QJsonDocument record = QJsonDocument::fromJson(
          QByteArray::fromRawData(bytes.data() + records[i].first,
                                  static_cast<qsizetype>(records[i].second - records[i].first)),
          &parsed);
      if (parsed.error != QJsonParseError::NoError) {
        source.issues.push_back({Problem::kNotParsed, where, parsed.errorString().toStdString()});
      } else {
        ReadEntry(record.object(), where, journal);
      }
    }
  }

 private:
  const QTimeZone& Zone(const QString& id) {
    auto found = zones.find(id);
    if (found == zones.end()) {
      QTimeZone zone(id.toUtf8());
      // Entries of old versions keep no zone: they were written where the diary is read.
      found = zones.emplace(id, zone.isValid() ? zone : QTimeZone::systemTimeZone()).first;
    }
    return found->second;
  }

  void ReadEntry(const QJsonObject& record, std::string where, const std::string& journal) {
    const QString uuid = record.value(QLatin1String("uuid")).toString();
    if (!uuid.isEmpty()) where += " (" + uuid.toStdString() + ")";
    const QString created = record.value(QLatin1String("creationDate")).toString();
    QDateTime when = QDateTime::fromString(created, Qt::ISODate);
    if (!when.isValid()) {
      source.issues.push_back({Problem::kBadDate, where,
                               created.isEmpty() ? "no creationDate" : created.toStdString()});
      return;
    }
    when = when.toTimeZone(Zone(record.value(QLatin1String("timeZone")).toString()));
    Entry entry;
    entry.date = when.date();
    entry.time = QTime(when.time().hour(), when.time().minute());
    entry.journal = journal;
    std::string text = NormalBreaks(Text(record.value(QLatin1String("text"))));
    // The first line of a Day One entry is its title, as a Markdown heading.
    if (text.rfind("# ", 0) == 0) {
      const size_t end = text.find('\n');
      entry.title = text.substr(2, end == std::string::npos ? std::string::npos : end - 2);
      const size_t body =
          end == std::string::npos ? text.size() : text.find_first_not_of('\n', end);
      text.erase(0, body == std::string::npos ? text.size() : body);
    }
    entry.text = source.texts.Keep(text);
    for (const QJsonValue tag : record.value(QLatin1String("tags")).toArray()) {
      if (!tag.toString().isEmpty()) entry.tags.push_back(Text(tag));
    }
    entry.starred = record.value(QLatin1String("starred")).toBool();
    entry.place = PlaceLine(record.value(QLatin1String("location")).toObject(), source);
    entry.weather = WeatherLine(record.value(QLatin1String("weather")).toObject());
    if (record.contains(QLatin1String("richText"))) source.Note(Unplaced::kRichText);
    const std::pair<const char*, const char*> kinds[] = {{"photos", "photos"},
                                                         {"videos", "videos"},
                                                         {"audios", "audios"},
                                                         {"pdfAttachments", "pdfs"}};
    for (const auto& [key, folder] : kinds) {
      for (const QJsonValue item : record.value(QLatin1String(key)).toArray()) {
        AddMedia(entry, item.toObject(), folder, where);
      }
    }
    source.entries.push_back(std::move(entry));
  }

  void AddMedia(Entry& entry, const QJsonObject& item, const char* folder,
                const std::string& where) {
    const std::string md5 = Text(item.value(QLatin1String("md5")));
    const std::string identifier = Text(item.value(QLatin1String("identifier")));
    const auto found = md5.empty() ? media.end() : media.find(std::string(folder) + '/' + md5);
    if (found == media.end()) {
      // The text keeps its link to the moment; the report says which file was missing.
      source.issues.push_back({Problem::kMissingAttachment, where,
                               std::string(folder) + '/' + (md5.empty() ? identifier : md5)});
      return;
    }
    entry.attachments.push_back({found->second, BaseName(found->second), identifier});
  }

  Source& source;
  std::string name;
  std::unordered_map<std::string, std::string> media;  // "photos/<md5>" → its member
  std::map<QString, QTimeZone> zones;
};

}  // namespace

void ReadDayOne(Source& source) {
  for (const std::string& name : source.files->Names()) {
    if (name.find('/') != std::string::npos || name.size() <= 5 ||
        name.compare(name.size() - 5, 5, ".json") != 0) {
      continue;
    }
    Journal(source, name).Read();
  }
}

}  // namespace marrowleaf::import
