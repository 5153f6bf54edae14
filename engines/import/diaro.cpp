// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Diaro's backup: a zip holding DiaroBackup.xml, whose tables (<table name="diaro_entries"> of
// rows <r> of fields) hold the entries (date in milliseconds since 1970 with the writer's
// tz_offset, title, text, tags as ",uid,uid,", folder_uid, location_uid, weather, mood), the tags,
// folders, locations and attachments (entry_uid, type, filename), and media/<type>/<filename>.
#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>
#include <QXmlStreamReader>
#include <map>

#include "engines/import/source.h"

namespace marrowleaf::import {
namespace {

using Row = std::map<std::string, std::string>;

// "+02:00", "-0530", "GMT+2": the offset from UTC in seconds; false for anything else.
bool ParseOffset(const std::string& text, int& seconds) {
  static const QRegularExpression offset(
      QStringLiteral(R"(^(?:UTC|GMT)?([+-])(\d{1,2}):?(\d{2})?$)"));
  const QRegularExpressionMatch m = offset.match(QString::fromStdString(text).trimmed());
  if (!m.hasMatch()) return false;
  const int hours = m.captured(2).toInt();
  const int minutes = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
  if (hours > 14 || minutes > 59) return false;
  seconds = (hours * 3600 + minutes * 60) * (m.captured(1) == QLatin1String("-") ? -1 : 1);
  return true;
}

std::string Field(const Row& row, const char* name) {
  const auto found = row.find(name);
  return found == row.end() ? std::string() : found->second;
}

}  // namespace

void ReadDiaro(Source& source) {
  std::string name;
  for (const std::string& member : source.files->Names()) {
    if (BaseName(member) == "DiaroBackup.xml") name = member;
  }
  const std::string mediaRoot = name.substr(0, name.size() - BaseName(name).size()) + "media/";
  std::string bytes;
  std::string error;
  if (!source.files->Read(name, bytes, error)) {
    source.issues.push_back({Problem::kUnreadable, name, error});
    return;
  }
  std::map<std::string, std::vector<Row>> tables;
  QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
  std::vector<Row>* table = nullptr;
  Row* row = nullptr;
  int depth = 0;  // 1 the document's element, 2 a table, 3 a row, 4 a field
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::StartElement) {
      ++depth;
      if (depth == 2) {
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString title = attributes.hasAttribute(QLatin1String("name"))
                                  ? attributes.value(QLatin1String("name")).toString()
                                  : attributes.value(QLatin1String("title")).toString();
        table = &tables[title.toStdString()];
      } else if (depth == 3 && table != nullptr) {
        row = &table->emplace_back();
      } else if (depth == 4 && row != nullptr) {
        const std::string field = xml.name().toString().toStdString();
        (*row)[field] = xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
        --depth;  // readElementText consumed the end element
      }
    } else if (token == QXmlStreamReader::EndElement) {
      if (depth == 3) row = nullptr;
      if (depth == 2) table = nullptr;
      --depth;
    }
  }
  if (xml.hasError()) {
    // What came before the damage is read; the report says where it stopped.
    source.issues.push_back(
        {Problem::kNotParsed, name,
         xml.errorString().toStdString() + " at line " + std::to_string(xml.lineNumber())});
  }
  std::string().swap(bytes);

  std::map<std::string, std::string> tagNames;
  for (const Row& tag : tables["diaro_tags"]) tagNames[Field(tag, "uid")] = Field(tag, "title");
  std::map<std::string, const Row*> places;
  for (const Row& place : tables["diaro_locations"]) places[Field(place, "uid")] = &place;
  std::multimap<std::string, const Row*> attached;
  for (const Row& file : tables["diaro_attachments"])
    attached.emplace(Field(file, "entry_uid"), &file);

  const std::vector<Row>& rows = tables["diaro_entries"];
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& record = rows[i];
    const std::string uid = Field(record, "uid");
    const std::string where =
        name + ", entry " + std::to_string(i + 1) + (uid.empty() ? "" : " (" + uid + ")");
    bool number = false;
    const qint64 millis = QString::fromStdString(Field(record, "date")).toLongLong(&number);
    int offset = 0;
    const bool zoned = ParseOffset(Field(record, "tz_offset"), offset);
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(
        millis, zoned ? QTimeZone(offset) : QTimeZone::systemTimeZone());
    if (!number || !when.isValid() || when.date().year() < 1 || when.date().year() > 9999) {
      source.issues.push_back({Problem::kBadDate, where, Field(record, "date")});
      continue;
    }
    Entry entry;
    entry.date = when.date();
    entry.time = QTime(when.time().hour(), when.time().minute());
    entry.title = NormalBreaks(Field(record, "title"));
    entry.text = source.texts.Keep(NormalBreaks(Field(record, "text")));
    // ",uid1,uid2,": each a tag of the tags table.
    const std::string tags = Field(record, "tags");
    for (size_t start = 0; start < tags.size();) {
      size_t end = tags.find(',', start);
      if (end == std::string::npos) end = tags.size();
      const std::string tag = tags.substr(start, end - start);
      start = end + 1;
      if (tag.empty()) continue;
      const auto found = tagNames.find(tag);
      if (found != tagNames.end() && !found->second.empty()) entry.tags.push_back(found->second);
    }
    const auto place = places.find(Field(record, "location_uid"));
    if (place != places.end()) {
      const std::string title = Field(*place->second, "title");
      const std::string address = Field(*place->second, "address");
      entry.place = title.empty()                         ? address
                    : address.empty() || address == title ? title
                                                          : title + ", " + address;
      if (!Field(*place->second, "lat").empty()) source.Note(Unplaced::kCoordinates);
    }
    const std::string temperature = Field(record, "weather_temperature");
    const std::string conditions = Field(record, "weather_description");
    if (!temperature.empty()) entry.weather = temperature + " °C";
    if (!conditions.empty()) entry.weather += (entry.weather.empty() ? "" : ", ") + conditions;
    const std::string mood = Field(record, "mood");
    if (!mood.empty() && mood != "0") source.Note(Unplaced::kMood);
    if (!Field(record, "folder_uid").empty()) source.Note(Unplaced::kFolder);
    // The entry's files in their order.
    std::vector<const Row*> files;
    for (auto [it, end] = attached.equal_range(uid); it != end; ++it) files.push_back(it->second);
    std::stable_sort(files.begin(), files.end(), [](const Row* a, const Row* b) {
      return QString::fromStdString(Field(*a, "position")).toInt() <
             QString::fromStdString(Field(*b, "position")).toInt();
    });
    for (const Row* file : files) {
      const std::string filename = BaseName(Field(*file, "filename"));
      const std::string member = mediaRoot + Field(*file, "type") + '/' + filename;
      if (filename.empty() || !source.files->Has(member)) {
        source.issues.push_back({Problem::kMissingAttachment, where, member});
        continue;
      }
      entry.attachments.push_back({member, filename, {}});
    }
    source.entries.push_back(std::move(entry));
  }
}

}  // namespace marrowleaf::import
