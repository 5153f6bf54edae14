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
#include <unordered_map>

#include "entries/import/importsource.h"

namespace marrowleaf::import {
namespace {

std::string Text(const QJsonValue& value) { return value.toString().toStdString(); }

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
    QJsonParseError parsed;
    QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), &parsed);
    std::string().swap(bytes);  // the document holds its own copy
    if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
      source.issues.push_back(
          {Problem::kNotParsed, name,
           parsed.error != QJsonParseError::NoError
               ? parsed.errorString().toStdString() + " at byte " + std::to_string(parsed.offset)
               : "not a JSON object"});
      return;
    }
    const QJsonValue entries = document.object().value(QLatin1String("entries"));
    if (!entries.isArray()) {
      source.issues.push_back({Problem::kBadRecord, name, "no \"entries\" list"});
      return;
    }
    const std::string journal = name.substr(0, name.size() - 5);  // without ".json"
    const QJsonArray list = entries.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
      const std::string where = name + ", entry " + std::to_string(i + 1);
      if (!list[i].isObject()) {
        source.issues.push_back({Problem::kBadRecord, where, "not a JSON object"});
        continue;
      }
      ReadEntry(list[i].toObject(), where, journal);
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
    entry.where = where;
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
    entry.text = std::move(text);
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
