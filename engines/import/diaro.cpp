// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Diaro's backup: a zip holding DiaroBackup.xml, whose tables (<table name="diaro_entries"> of
// rows <r> of fields) hold the entries (date in milliseconds since 1970 with the writer's
// tz_offset, title, text, tags as ",uid,uid,", folder_uid, location_uid, weather, mood), the tags,
// folders, locations and attachments (entry_uid, type, filename), and media/<type>/<filename>.
// An encrypted backup (.denc) cannot be read: Diaro writes an unencrypted one on request.
#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>
#include <QXmlStreamReader>
#include <algorithm>
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

// A row's entities that could not be expanded, kept under a name no XML element can have.
constexpr const char* kDropped = "";

// A field's text, its child elements' included. An entity the reader does not expand (an external
// one: nothing is fetched) is left out of it, and named in `dropped`.
std::string FieldText(QXmlStreamReader& xml, std::string& dropped) {
  QString text;
  for (int depth = 1; depth > 0 && !xml.atEnd();) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement:
        ++depth;
        break;
      case QXmlStreamReader::EndElement:
        --depth;
        break;
      case QXmlStreamReader::Characters:
        text += xml.text();
        break;
      case QXmlStreamReader::EntityReference:
        dropped += (dropped.empty() ? "&" : " &") + xml.name().toString().toStdString() + ';';
        break;
      default:
        break;
    }
  }
  return text.toStdString();
}

bool IsBackup(const std::string& member) { return BaseName(member) == "DiaroBackup.xml"; }

bool IsEncrypted(const std::string& member) {
  return member.size() > 5 &&
         QString::fromStdString(member).endsWith(QLatin1String(".denc"), Qt::CaseInsensitive);
}

Fit Fits(const SourceFiles& files) {
  const std::vector<std::string>& names = files.Names();
  return std::any_of(names.begin(), names.end(),
                     [](const std::string& n) { return IsBackup(n) || IsEncrypted(n); })
             ? Fit::kStrong
             : Fit::kNone;
}

void ReadDiaro(Source& source) {
  std::string name;
  std::string encrypted;
  for (const std::string& member : source.files->Names()) {
    if (IsBackup(member)) name = member;
    if (IsEncrypted(member)) encrypted = member;
  }
  if (name.empty()) {
    source.Report({Problem::kEncrypted, encrypted, {}});
    return;
  }
  const std::string mediaRoot = name.substr(0, name.size() - BaseName(name).size()) + "media/";
  std::string bytes;
  std::string error;
  if (!source.files->Read(name, bytes, error)) {
    source.Report({Problem::kUnreadable, name, error});
    return;
  }
  std::map<std::string, std::vector<Row>> tables;
  QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
  std::vector<Row>* table = nullptr;
  Row* row = nullptr;
  int depth = 0;  // 1 the document's element, 2 a table, 3 a row, 4 a field
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::DTD) {
      // An external entity is never fetched, and the reader leaves it out without a word: the
      // report names each one the backup uses.
      for (const QXmlStreamEntityDeclaration& entity : xml.entityDeclarations()) {
        const std::string used = '&' + entity.name().toString().toStdString() + ';';
        if ((!entity.systemId().isEmpty() || !entity.publicId().isEmpty()) &&
            bytes.find(used) != std::string::npos) {
          source.Report({Problem::kEntityDropped, name, used});
        }
      }
    } else if (token == QXmlStreamReader::StartElement) {
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
        std::string dropped = Field(*row, kDropped);
        (*row)[field] = FieldText(xml, dropped);
        if (!dropped.empty()) (*row)[kDropped] = dropped;
        --depth;  // FieldText read the end element
      }
    } else if (token == QXmlStreamReader::EndElement) {
      if (depth == 3) row = nullptr;
      if (depth == 2) table = nullptr;
      --depth;
    }
  }
  if (xml.hasError()) {
    // What came before the damage is read, but not the record it cut: half a record imported
    // would stay beside the whole one when the intact backup is imported. The report says where
    // it stopped.
    if (row != nullptr && table != nullptr) table->pop_back();
    source.Report(
        {Problem::kNotParsed, name,
         xml.errorString().toStdString() + " at line " + std::to_string(xml.lineNumber())});
  }
  std::string().swap(bytes);
  for (const auto& [title, rows] : tables) {
    if (title == "diaro_entries") continue;  // with the entry's own place, below
    for (size_t i = 0; i < rows.size(); ++i) {
      const std::string dropped = Field(rows[i], kDropped);
      if (!dropped.empty()) {
        source.Report(
            {Problem::kEntityDropped, name + ", " + title + " " + std::to_string(i + 1), dropped});
      }
    }
  }

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
      source.Report({Problem::kBadDate, where, Field(record, "date")});
      continue;
    }
    if (!Field(record, kDropped).empty()) {
      source.Report({Problem::kEntityDropped, where, Field(record, kDropped)});
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
    // An entry without weather holds a temperature of 0 with no icon and no description: Diaro
    // shows weather only where both are set.
    const std::string temperature = Field(record, "weather_temperature");
    const std::string conditions = Field(record, "weather_description");
    if (!Field(record, "weather_icon").empty() && !conditions.empty()) {
      entry.weather = (temperature.empty() ? "" : temperature + " °C, ") + conditions;
    }
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
      if (!filename.empty() && !UsableFileName(filename)) {
        source.Report({Problem::kBadAttachmentName, where, member});
        continue;
      }
      if (filename.empty() || !source.files->Has(member)) {
        source.Report({Problem::kMissingAttachment, where, member});
        continue;
      }
      entry.attachments.push_back({member, filename, {}});
    }
    source.entries.push_back(std::move(entry));
  }
}

}  // namespace

const SourceFormat kDiaroFormat{"Diaro",
                                QT_TRANSLATE_NOOP("ImportFormat", "A Diaro backup"),
                                QT_TRANSLATE_NOOP("ImportFormat", "a Diaro backup (.zip)"),
                                Fits,
                                ReadDiaro,
                                {}};

}  // namespace marrowleaf::import
