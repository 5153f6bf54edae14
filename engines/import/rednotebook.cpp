// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// RedNotebook's data folder: one YAML file per month, "YEAR-MONTH.txt", mapping each day of the
// month to its record ({text: "..."}; any other key is a category, mapping its entries to null).
// Old versions tagged their strings "!!python/unicode"; the text is txt2tags markup, kept as
// written. Its backups (*.CONFLICT_BACKUP*, .old, .new) are no month files and are left out.
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>

#include "engines/import/source.h"

namespace marrowleaf::import {
namespace {

std::string Scalar(const YAML::Node& node) {
  return node.IsScalar() ? node.Scalar() : std::string();
}

void ReadDay(Source& source, const std::string& name, int year, int month, const YAML::Node& key,
             const YAML::Node& record) {
  const std::string day = Scalar(key);
  const std::string where = name + ", day " + day;
  const bool number =
      !day.empty() && day.size() <= 2 &&
      std::all_of(day.begin(), day.end(), [](char c) { return std::isdigit(c) != 0; });
  Entry entry;
  entry.date = number ? QDate(year, month, std::stoi(day)) : QDate();
  if (!entry.date.isValid()) {
    source.Report({Problem::kBadDate, where, "no such day"});
    return;
  }
  if (!record.IsMap()) {
    source.Report({Problem::kBadRecord, where, "not a mapping"});
    return;
  }
  for (const auto& item : record) {
    const std::string field = Scalar(item.first);
    if (field == "text") {
      if (!item.second.IsScalar() && !item.second.IsNull()) {
        source.Report({Problem::kBadRecord, where, "its text is not a string"});
        return;
      }
      entry.text = source.texts.Keep(NormalBreaks(Scalar(item.second)));
      continue;
    }
    // A category: its entries, each once, on a line of its own after the text; the old
    // "Tags" category holds tags.
    std::vector<std::string> values;
    if (item.second.IsMap()) {
      for (const auto& value : item.second) values.push_back(Scalar(value.first));
    } else if (item.second.IsScalar()) {
      values.push_back(Scalar(item.second));
    }
    if (field == "Tags" || field == "tags") {
      for (const std::string& tag : values) {
        if (!tag.empty()) entry.tags.push_back(tag);
      }
      continue;
    }
    std::string line = field;
    for (size_t i = 0; i < values.size(); ++i) line += (i == 0 ? ": " : ", ") + values[i];
    entry.notes.push_back(line);
  }
  if (entry.text.empty() && entry.notes.empty() && entry.tags.empty()) return;  // an empty day
  source.entries.push_back(std::move(entry));
}

}  // namespace

bool RedNotebookMonthFile(const std::string& name) {
  return name.size() == 11 && name[4] == '-' && name.compare(7, 4, ".txt") == 0 &&
         std::all_of(name.begin(), name.begin() + 4, [](char c) { return std::isdigit(c) != 0; }) &&
         std::isdigit(name[5]) != 0 && std::isdigit(name[6]) != 0;
}

namespace {

Fit Fits(const SourceFiles& files) {
  const std::vector<std::string>& names = files.Names();
  const bool months = std::any_of(names.begin(), names.end(), [](const std::string& n) {
    return n.find('/') == std::string::npos && RedNotebookMonthFile(n);
  });
  if (!months) return Fit::kNone;
  if (names.size() != 1) return Fit::kStrong;
  // A lone "2024-05.txt" may be a jrnl journal: an entry of its starts with '['.
  std::string bytes;
  std::string error;
  files.Read(names.front(), bytes, error);
  const size_t first = bytes.find_first_not_of(" \r\n\t");
  return first != std::string::npos && bytes[first] == '[' ? Fit::kNone : Fit::kStrong;
}

void ReadRedNotebook(Source& source) {
  for (const std::string& name : source.files->Names()) {
    if (!RedNotebookMonthFile(name)) continue;
    const int year = std::stoi(name.substr(0, 4));
    const int month = std::stoi(name.substr(5, 2));
    std::string bytes;
    std::string error;
    if (!source.files->Read(name, bytes, error)) {
      source.Report({Problem::kUnreadable, name, error});
      continue;
    }
    if (month < 1 || month > 12 || year < 1) {
      source.Report({Problem::kBadDate, name, "no such month"});
      continue;
    }
    try {
      const YAML::Node root = YAML::Load(bytes);
      if (root.IsNull()) continue;  // a month without entries
      if (!root.IsMap()) {
        source.Report({Problem::kBadRecord, name, "not a mapping of days"});
        continue;
      }
      for (const auto& day : root) {
        try {
          ReadDay(source, name, year, month, day.first, day.second);
        } catch (const YAML::Exception& e) {
          source.Report({Problem::kBadRecord, name + ", day " + Scalar(day.first), e.what()});
        }
      }
    } catch (const YAML::Exception& e) {
      source.Report({Problem::kNotParsed, name, e.what()});
    }
  }
}

}  // namespace

const SourceFormat kRedNotebookFormat{
    "RedNotebook",
    QT_TRANSLATE_NOOP("ImportFormat", "A RedNotebook journal"),
    QT_TRANSLATE_NOOP("ImportFormat", "RedNotebook's data folder"),
    Fits,
    ReadRedNotebook,
    {}};

}  // namespace marrowleaf::import
