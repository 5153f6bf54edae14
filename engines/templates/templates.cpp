// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/templates/templates.h"

#include <QByteArray>
#include <QStringDecoder>
#include <cstring>

#include "entries/entryfiles.h"
#include "text/dates.h"

namespace marrowleaf {
namespace {

// Monday first, as QDate::dayOfWeek counts.
constexpr const char* kWeekdayFiles[7] = {"monday", "tuesday",  "wednesday", "thursday",
                                          "friday", "saturday", "sunday"};

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
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
    bytes = bytes.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()));
  }
  // Without ConvertInitialBom, a byte order mark that some editors write is dropped: it would
  // otherwise start every new entry unseen.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return {false, {}, "it is not UTF-8 text"};
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return {true, std::move(text), {}};
}

TemplateText ReadTemplate(const std::string& path) {
  const WholeFile file = ReadWholeFile(path);
  if (!file.complete) {
    return {false, {}, "cannot read \"" + path + "\": " + file.error, file.missing};
  }
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
  qsizetype from = 0;
  for (qsizetype open = text.indexOf(QLatin1Char('{')); open >= 0;
       open = text.indexOf(QLatin1Char('{'), from)) {
    filled += QStringView(text).mid(from, open - from);
    from = open + 1;
    const qsizetype close = text.indexOf(QLatin1Char('}'), open);
    const QStringView written =
        close < 0 ? QStringView() : QStringView(text).mid(open, close - open + 1);
    size_t known = 0;
    while (known < names.size() && names[known] != written) ++known;
    if (known < names.size()) {
      filled += *byName[known];
      from = close + 1;
    } else {
      filled += QLatin1Char('{');  // not a placeholder: it stays as written
    }
  }
  filled += QStringView(text).mid(from);
  return filled;
}

SaveOutcome SaveTemplate(const std::string& saveDir, const TemplateSlot& slot,
                         const QString& text) {
  const std::string folder = TemplateFolder(saveDir);
  // One level, as for a year folder: a missing save directory is not made here either.
  if (!IsDirectory(folder)) MakePrivateDirectory(folder);
  if (!IsDirectory(folder)) {
    return {false, "cannot make the folder \"" + folder + "\""};
  }
  const std::string path = TemplatePath(saveDir, slot);
  if (EntryLeavesDiary(saveDir, path)) {
    return {false, "\"" + path + "\" is a link to a file outside the diary"};
  }
  const QByteArray bytes = text.toUtf8();
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
  start.text = ReadTemplate(start.choice.path);
  if (start.text.ok) {
    start.text.text = FillTemplate(start.text.text, TemplateValuesFor(date, tabName, locale));
  }
  return start;
}

}  // namespace marrowleaf
