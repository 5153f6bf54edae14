// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Day One's JSON export: one "<Journal>.json" per journal ({"metadata": {...}, "entries": [...]}),
// each entry's creationDate in UTC with the IANA time zone it was written in, its Markdown text,
// tags, star, place and weather, and its media beside the JSON as photos/<md5>.<type>, videos/,
// audios/ and pdfs/, which the text calls dayone-moment://<identifier>. The export is a zip or
// its unpacked folder, with the journals at the top or one folder down, or one journal's .json
// chosen alone, whose folder holds its media.
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QTimeZone>
#include <algorithm>
#include <functional>
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

// The records of the export's "entries" list, each told to `each` as [begin, end) in the file,
// found by their brackets alone: each is then parsed on its own. A whole export parsed at once
// would hold the file, its parse and the entries read from it together, several times the file's
// size; and one damaged record would lose the journal. Nothing is kept per record, so that ten
// million empty ones take no memory. False where the file is not an object with that list (found
// before `each` hears of any record when `each` is left out).
bool EntryRecords(std::string_view json, const std::function<void(size_t, size_t)>& each) {
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
        if (each) each(begin, i);
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

// Day One's export writes its text as Markdown and puts a backslash before punctuation that
// Markdown could take for markup ("state\!", "snow\-topped"): the entry holds the text as written.
std::string WithoutEscapes(std::string_view text) {
  constexpr std::string_view kPunctuation = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() &&
        kPunctuation.find(text[i + 1]) != std::string_view::npos) {
      ++i;
    }
    out.push_back(text[i]);
  }
  return out;
}

// The folders of the media, with the key each item's record names them by.
constexpr std::pair<const char*, const char*> kMediaKinds[] = {
    {"photos", "photos"}, {"videos", "videos"}, {"audios", "audios"}, {"pdfAttachments", "pdfs"}};

// The journals of an export: its .json files at the top, or (an export zipped with its folder,
// the folder above it chosen) one folder down.
std::vector<std::string> JournalFiles(const SourceFiles& files) {
  std::vector<std::string> top;
  std::vector<std::string> down;
  for (const std::string& name : files.Names()) {
    if (name.size() <= 5 || name.compare(name.size() - 5, 5, ".json") != 0) continue;
    const size_t slashes = static_cast<size_t>(std::count(name.begin(), name.end(), '/'));
    if (slashes == 0) top.push_back(name);
    if (slashes == 1 && top.empty()) {
      const std::string key = FirstJsonKey(files, name);
      if (key == "metadata" || key == "entries") down.push_back(name);
    }
  }
  return top.empty() ? down : top;
}

Fit Fits(const SourceFiles& files) {
  for (const std::string& name : files.Names()) {
    // Any JSON at the top but jrnl's export, which starts with its "tags".
    if (name.find('/') == std::string::npos && name.size() > 5 &&
        name.compare(name.size() - 5, 5, ".json") == 0) {
      return FirstJsonKey(files, name) == "tags" ? Fit::kNone : Fit::kStrong;
    }
  }
  return JournalFiles(files).empty() ? Fit::kNone : Fit::kWeak;
}

class Journal {
 public:
  Journal(Source& s, std::string file, const std::unordered_map<std::string, std::string>& m)
      : source(s),
        name(std::move(file)),
        folder(name.substr(0, name.size() - BaseName(name).size())),
        media(m) {}

  void Read() {
    std::string bytes;
    std::string error;
    if (!source.files->Read(name, bytes, error)) {
      source.Report({Problem::kUnreadable, name, error});
      return;
    }
    const std::string journal = JournalName(name);
    if (!EntryRecords(bytes, nullptr)) {
      // Not the shape of an export: the whole file parsed once says why.
      QJsonParseError parsed;
      const QJsonDocument document = QJsonDocument::fromJson(
          QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), &parsed);
      source.Report(
          {parsed.error != QJsonParseError::NoError ? Problem::kNotParsed : Problem::kBadRecord,
           name,
           parsed.error != QJsonParseError::NoError
               ? parsed.errorString().toStdString() + " at byte " + std::to_string(parsed.offset)
           : document.isObject() ? "no \"entries\" list"
                                 : "not a JSON object"});
      return;
    }
    size_t number = 0;
    EntryRecords(bytes, [&](size_t begin, size_t end) {
      const std::string where = name + ", entry " + std::to_string(++number);
      if (bytes[begin] != '{') {
        source.Report({Problem::kBadRecord, where, "not a JSON object"});
        return;
      }
      QJsonParseError parsed;
      const QJsonDocument record = QJsonDocument::fromJson(
          QByteArray::fromRawData(bytes.data() + begin, static_cast<qsizetype>(end - begin)),
          &parsed);
      if (parsed.error != QJsonParseError::NoError) {
        source.Report({Problem::kNotParsed, where, parsed.errorString().toStdString()});
      } else {
        ReadEntry(record.object(), where, journal);
      }
    });
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
      source.Report({Problem::kBadDate, where,
                     created.isEmpty() ? "no creationDate" : created.toStdString()});
      return;
    }
    const QJsonValue written = record.value(QLatin1String("text"));
    if (!written.isString() && !written.isUndefined() && !written.isNull()) {
      source.Report({Problem::kBadRecord, where, "its text is not a string"});
      return;
    }
    when = when.toTimeZone(Zone(record.value(QLatin1String("timeZone")).toString()));
    Entry entry;
    entry.date = when.date();
    entry.time = QTime(when.time().hour(), when.time().minute());
    entry.journal = journal;
    std::string text = NormalBreaks(Text(written));
    // The first line of a Day One entry is its title, as a Markdown heading.
    if (text.rfind("# ", 0) == 0) {
      const size_t end = text.find('\n');
      entry.title = WithoutEscapes(
          std::string_view(text).substr(2, end == std::string::npos ? std::string::npos : end - 2));
      const size_t body =
          end == std::string::npos ? text.size() : text.find_first_not_of('\n', end);
      text.erase(0, body == std::string::npos ? text.size() : body);
    }
    entry.text = source.texts.Keep(WithoutEscapes(text));
    for (const QJsonValue tag : record.value(QLatin1String("tags")).toArray()) {
      if (!tag.toString().isEmpty()) entry.tags.push_back(Text(tag));
    }
    entry.starred = record.value(QLatin1String("starred")).toBool();
    entry.place = PlaceLine(record.value(QLatin1String("location")).toObject(), source);
    entry.weather = WeatherLine(record.value(QLatin1String("weather")).toObject());
    if (record.contains(QLatin1String("richText"))) source.Note(Unplaced::kRichText);
    for (const auto& [key, kind] : kMediaKinds) {
      for (const QJsonValue item : record.value(QLatin1String(key)).toArray()) {
        AddMedia(entry, item.toObject(), kind, where);
      }
    }
    source.entries.push_back(std::move(entry));
  }

  void AddMedia(Entry& entry, const QJsonObject& item, const std::string& kind,
                const std::string& where) {
    const std::string md5 = Text(item.value(QLatin1String("md5")));
    const std::string identifier = Text(item.value(QLatin1String("identifier")));
    const auto found = md5.empty() ? media.end() : media.find(folder + kind + '/' + md5);
    if (found == media.end()) {
      // The text keeps its link to the moment; the report says which file was missing.
      source.Report({Problem::kMissingAttachment, where,
                     folder + kind + '/' + (md5.empty() ? identifier : md5)});
      return;
    }
    const std::string stored = BaseName(found->second);
    if (!UsableFileName(stored)) {
      source.Report({Problem::kBadAttachmentName, where, found->second});
      return;
    }
    entry.attachments.push_back({found->second, CopyName(item, kind, stored), identifier});
  }

  // A PDF's or a recording's own name ("My PDF File.pdf"), where the export gives one, with the
  // stored file's extension; every other file keeps the export's name, its checksum.
  static std::string CopyName(const QJsonObject& item, const std::string& kind,
                              const std::string& stored) {
    const char* field = kind == "pdfs" ? "pdfName" : kind == "audios" ? "title" : nullptr;
    if (field == nullptr) return stored;
    QString given = item.value(QLatin1String(field)).toString().trimmed();
    given = given.mid(given.lastIndexOf(QLatin1Char('/')) + 1);
    if (given.isEmpty()) return stored;
    for (const QChar c : given) {
      if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
          c.category() == QChar::Separator_Paragraph) {
        return stored;
      }
    }
    const size_t dot = stored.rfind('.');
    const QString extension =
        dot == std::string::npos ? QString() : QString::fromStdString(stored.substr(dot));
    if (!extension.isEmpty() && !given.endsWith(extension, Qt::CaseInsensitive)) {
      given += extension;
    }
    const std::string name = given.toStdString();
    return UsableFileName(name) ? name : stored;
  }

  Source& source;
  std::string name;
  std::string folder;  // of the journal's file: its media lie beside it
  const std::unordered_map<std::string, std::string>& media;
  std::map<QString, QTimeZone> zones;
};

void ReadDayOne(Source& source) {
  // The media, found by folder and checksum whatever their extension: "photos/<md5>" (or
  // "<export>/photos/<md5>") → its member.
  std::unordered_map<std::string, std::string> media;
  for (const std::string& member : source.files->Names()) {
    const size_t slash = member.rfind('/');
    const size_t dot = member.rfind('.');
    if (slash == std::string::npos || dot == std::string::npos || dot < slash) continue;
    media.emplace(member.substr(0, dot), member);
  }
  for (const std::string& name : JournalFiles(*source.files)) {
    Journal(source, name, media).Read();
  }
}

}  // namespace

const SourceFormat kDayOneFormat{
    "Day One",
    QT_TRANSLATE_NOOP("ImportFormat", "A Day One export"),
    QT_TRANSLATE_NOOP("ImportFormat", "a Day One export (.zip, folder or .json)"),
    Fits,
    ReadDayOne,
    {"photos", "videos", "audios", "pdfs"}};

}  // namespace marrowleaf::import
