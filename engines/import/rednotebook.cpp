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
    source.issues.push_back({Problem::kBadDate, where, "no such day"});
    return;
  }
  if (!record.IsMap()) {
    source.issues.push_back({Problem::kBadRecord, where, "not a mapping"});
    return;
  }
  for (const auto& item : record) {
    const std::string field = Scalar(item.first);
    if (field == "text") {
      if (!item.second.IsScalar() && !item.second.IsNull()) {
        source.issues.push_back({Problem::kBadRecord, where, "its text is not a string"});
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

void ReadRedNotebook(Source& source) {
  for (const std::string& name : source.files->Names()) {
    if (!RedNotebookMonthFile(name)) continue;
    const int year = std::stoi(name.substr(0, 4));
    const int month = std::stoi(name.substr(5, 2));
    std::string bytes;
    std::string error;
    if (!source.files->Read(name, bytes, error)) {
      source.issues.push_back({Problem::kUnreadable, name, error});
      continue;
    }
    if (month < 1 || month > 12 || year < 1) {
      source.issues.push_back({Problem::kBadDate, name, "no such month"});
      continue;
    }
    try {
      const YAML::Node root = YAML::Load(bytes);
      if (root.IsNull()) continue;  // a month without entries
      if (!root.IsMap()) {
        source.issues.push_back({Problem::kBadRecord, name, "not a mapping of days"});
        continue;
      }
      for (const auto& day : root) {
        try {
          ReadDay(source, name, year, month, day.first, day.second);
        } catch (const YAML::Exception& e) {
          source.issues.push_back(
              {Problem::kBadRecord, name + ", day " + Scalar(day.first), e.what()});
        }
      }
    } catch (const YAML::Exception& e) {
      source.issues.push_back({Problem::kNotParsed, name, e.what()});
    }
  }
}

}  // namespace marrowleaf::import
