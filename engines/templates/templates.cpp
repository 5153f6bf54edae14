// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/templates/templates.h"

#include <QByteArray>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <string>

#include "entries/entryfiles.h"
#include "text/dates.h"

namespace marrowleaf {
namespace {

// Monday first, as QDate::dayOfWeek counts.
constexpr const char* kWeekdayFiles[7] = {"monday", "tuesday",  "wednesday", "thursday",
                                          "friday", "saturday", "sunday"};

const std::string kTooLarge = "it is larger than 64 KiB: a template is a page, not a book";

// Whether `path`, every link followed, names something inside the diary's folder.
bool LiesInDiary(const std::string& saveDir, const std::string& path) {
  const std::string diary = CanonicalPath(saveDir);
  const std::string target = CanonicalPath(path);
  return !diary.empty() && target.compare(0, diary.size() + 1, diary + '/') == 0;
}

// Why the file `path` of the diary is not to be read or written as a template; empty if it is.
std::string OutsideTheDiary(const std::string& saveDir, const std::string& path) {
  if (IsSymlink(TemplateFolder(saveDir))) {
    return "the folder \"" + TemplateFolder(saveDir) + "\" is a link, not the diary's own";
  }
  if (!LiesInDiary(saveDir, path)) return "it is a link to a file outside the diary";
  return {};
}

// The placeholder written at `open` (a '{'): its index among TemplatePlaceholders(), or -1. Only
// the few characters a placeholder can have are looked at (each name ends with its '}', so none
// is the start of another).
int PlaceholderAt(QStringView text, qsizetype open) {
  const std::vector<QString>& names = TemplatePlaceholders();
  // The letters a placeholder's name may start with: a brace before anything else is no
  // placeholder at a glance.
  static const std::u16string firsts = [&names] {
    std::u16string letters;
    for (const QString& name : names) {
      if (letters.find(name[1].unicode()) == std::u16string::npos) letters += name[1].unicode();
    }
    return letters;
  }();
  if (open + 1 >= text.size() || firsts.find(text[open + 1].unicode()) == std::u16string::npos) {
    return -1;
  }
  const QStringView rest = text.sliced(open);
  for (size_t i = 0; i < names.size(); ++i) {
    if (rest.startsWith(names[i])) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::string TemplateFolder(const std::string& saveDir) { return saveDir + "/templates"; }

std::string TemplateFileName(const TemplateSlot& slot) {
  switch (slot.kind) {
    case TemplateKind::kTab:
      return "tab-" + std::to_string(slot.number) + ".txt";
    case TemplateKind::kWeekday:
      if (slot.number >= 1 && slot.number <= 7) {
        return std::string(kWeekdayFiles[slot.number - 1]) + ".txt";
      }
      break;
    case TemplateKind::kGeneral:
      break;
  }
  return "all.txt";
}

std::string TemplatePath(const std::string& saveDir, const TemplateSlot& slot) {
  return TemplateFolder(saveDir) + '/' + TemplateFileName(slot);
}

std::vector<TemplateSlot> TemplateSlotsFor(const QDate& date, int tab) {
  std::vector<TemplateSlot> slots;
  if (tab >= 0) slots.push_back({TemplateKind::kTab, tab});
  if (date.isValid()) slots.push_back({TemplateKind::kWeekday, date.dayOfWeek()});
  slots.push_back({TemplateKind::kGeneral, 0});
  return slots;
}

std::vector<TemplateSlot> AllTemplateSlots(int tabCount) {
  std::vector<TemplateSlot> slots{{TemplateKind::kGeneral, 0}};
  for (int day = 1; day <= 7; ++day) slots.push_back({TemplateKind::kWeekday, day});
  for (int tab = 0; tab < tabCount; ++tab) slots.push_back({TemplateKind::kTab, tab});
  return slots;
}

TemplateChoice ApplyingTemplate(const std::string& saveDir, const QDate& date, int tab) {
  for (const TemplateSlot& slot : TemplateSlotsFor(date, tab)) {
    const std::string path = TemplatePath(saveDir, slot);
    if (NameIsTaken(path)) return {true, slot, path};
  }
  return {};
}

TemplateText TemplateBytesToText(std::string_view bytes) {
  // The closing NUL of the entry format ends the text, as it ends an entry's.
  bytes = EntryTextOf(bytes);
  // Without ConvertInitialBom, a byte order mark that some editors write is dropped: it would
  // otherwise start every new entry unseen.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return {false, {}, "it is not UTF-8 text"};
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return {true, std::move(text), {}};
}

TemplateText ReadTemplate(const std::string& saveDir, const std::string& path) {
  const auto refused = [&](const std::string& why) {
    return TemplateText{false, {}, "cannot use \"" + path + "\": " + why};
  };
  if (NameIsTaken(path)) {
    if (const std::string why = OutsideTheDiary(saveDir, path); !why.empty()) return refused(why);
    // Not read at all when it is too large: a template of a hundred megabytes would be read whole.
    const FileState state = RegularFileState(path);
    if (state.known && static_cast<uint64_t>(state.size) > kTemplateLimit) {
      return refused(kTooLarge);
    }
  }
  const WholeFile file = ReadWholeFile(path);
  if (!file.complete) {
    return {false, {}, "cannot read \"" + path + "\": " + file.error, file.missing};
  }
  if (file.size > kTemplateLimit) return refused(kTooLarge);  // it grew meanwhile
  TemplateText read = TemplateBytesToText(std::string_view(file.bytes.get(), file.size));
  if (!read.ok) read.error = "cannot use \"" + path + "\": " + read.error;
  return read;
}

// The one place where a template's dates are written out: in the locale's own formats.
TemplateValues TemplateValuesFor(const QDate& date, const QString& tabName, const QLocale& locale) {
  return {LongDate(date, locale), ShortDate(date, locale),
          date.isValid() ? locale.dayName(date.dayOfWeek(), QLocale::LongFormat) : QString(),
          tabName};
}

const std::vector<QString>& TemplatePlaceholders() {
  static const std::vector<QString> names{QStringLiteral("{date}"), QStringLiteral("{date-short}"),
                                          QStringLiteral("{weekday}"), QStringLiteral("{tab}")};
  return names;
}

QString FillTemplate(const QString& text, const TemplateValues& values) {
  const QString* byName[] = {&values.date, &values.dateShort, &values.weekday, &values.tab};
  const std::vector<QString>& names = TemplatePlaceholders();
  QString filled;
  filled.reserve(text.size());
  qsizetype from = 0;  // the text is copied up to here
  for (qsizetype open = text.indexOf(QLatin1Char('{')); open >= 0;) {
    const int known = PlaceholderAt(text, open);
    if (known < 0) {  // not a placeholder: it stays as written
      open = text.indexOf(QLatin1Char('{'), open + 1);
      continue;
    }
    filled += QStringView(text).mid(from, open - from);
    filled += *byName[known];
    from = open + names[static_cast<size_t>(known)].size();
    open = text.indexOf(QLatin1Char('{'), from);
  }
  filled += QStringView(text).mid(from);
  return filled;
}

std::vector<std::pair<qsizetype, qsizetype>> UnfilledBraces(QStringView text) {
  std::vector<std::pair<qsizetype, qsizetype>> left;
  const std::vector<QString>& names = TemplatePlaceholders();
  for (qsizetype at = 0; at < text.size();) {
    if (text[at] == QLatin1Char('}')) {
      left.emplace_back(at++, 1);
      continue;
    }
    if (text[at] != QLatin1Char('{')) {
      ++at;
      continue;
    }
    if (const int known = PlaceholderAt(text, at); known >= 0) {
      at += names[static_cast<size_t>(known)].size();
      continue;
    }
    // Each character is looked at once: the name runs at most to the next brace or line end.
    qsizetype end = at + 1;
    while (end < text.size() && text[end] != QLatin1Char('{') && text[end] != QLatin1Char('}') &&
           text[end] != QLatin1Char('\n')) {
      ++end;
    }
    if (end < text.size() && text[end] == QLatin1Char('}')) ++end;
    left.emplace_back(at, end - at);
    at = end;
  }
  return left;
}

SaveOutcome SaveTemplate(const std::string& saveDir, const TemplateSlot& slot,
                         const QString& text) {
  const std::string folder = TemplateFolder(saveDir);
  const std::string path = TemplatePath(saveDir, slot);
  const QByteArray bytes = text.toUtf8();
  if (static_cast<size_t>(bytes.size()) > kTemplateLimit) {
    return {false, "cannot save \"" + path + "\": " + kTooLarge};
  }
  // One level, as for a year folder: a missing save directory is not made here either.
  if (!IsDirectory(folder) && !IsSymlink(folder)) MakePrivateDirectory(folder);
  if (!IsDirectory(folder)) {
    return {false, "cannot make the folder \"" + folder + "\""};
  }
  if (const std::string why = OutsideTheDiary(saveDir, path); !why.empty()) {
    return {false, "cannot save \"" + path + "\": " + why};
  }
  return ReplaceFileContents(path, std::string_view(bytes.constData(), bytes.size()),
                             NewFileAccess::kPrivate);
}

SaveOutcome RemoveTemplate(const std::string& saveDir, const TemplateSlot& slot) {
  const std::string path = TemplatePath(saveDir, slot);
  RemoveFile(path);
  if (NameIsTaken(path)) return {false, "cannot remove \"" + path + "\""};
  return {true, {}};
}

NewEntryTemplate TemplateForNewEntry(const std::string& saveDir, const QDate& date, int tab,
                                     const QString& tabName, const QLocale& locale) {
  NewEntryTemplate start;
  start.choice = ApplyingTemplate(saveDir, date, tab);
  if (!start.choice.found) return start;
  start.text = ReadTemplate(saveDir, start.choice.path);
  if (start.text.ok) {
    start.text.text = FillTemplate(start.text.text, TemplateValuesFor(date, tabName, locale));
  }
  return start;
}

}  // namespace marrowleaf
