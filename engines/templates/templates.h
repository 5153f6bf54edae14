// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/files.h"

// The one home of the templates a new entry starts from: plain UTF-8 files in the folder
// "templates" beside the year folders, so that they travel with the diary. "tab-N.txt" serves the
// tab N, "monday.txt" ... "sunday.txt" a weekday and "all.txt" every new entry; the most specific
// one that is there applies. Its placeholders are filled with the entry's own date, never today's.
namespace marrowleaf {

enum class TemplateKind { kTab, kWeekday, kGeneral };

struct TemplateSlot {
  TemplateKind kind = TemplateKind::kGeneral;
  int number = 0;  // the tab index, or the weekday from 1 (Monday) to 7 (Sunday)
  bool operator==(const TemplateSlot& o) const { return kind == o.kind && number == o.number; }
  bool operator!=(const TemplateSlot& o) const { return !(*this == o); }
};

// SAVE_DIR/templates. No year is ever named so, so the walks over the diary's months pass it by.
std::string TemplateFolder(const std::string& saveDir);
// "tab-0.txt", "wednesday.txt" (English whatever the locale, so that one diary serves every
// desktop), "all.txt".
std::string TemplateFileName(const TemplateSlot& slot);
std::string TemplatePath(const std::string& saveDir, const TemplateSlot& slot);
// The slots a new entry of `date` and `tab` looks at, the most specific first.
std::vector<TemplateSlot> TemplateSlotsFor(const QDate& date, int tab);
// Every slot the templates window offers: the general one, the seven weekdays, each tab.
std::vector<TemplateSlot> AllTemplateSlots(int tabCount);

struct TemplateChoice {
  bool found = false;  // false: no template applies and the entry starts empty
  TemplateSlot slot;
  std::string path;
};
// The template that applies: the first slot whose name is taken by anything at all, so that a
// damaged one is reported rather than passed over for a less specific one.
TemplateChoice ApplyingTemplate(const std::string& saveDir, const QDate& date, int tab);

struct TemplateText {
  bool ok = false;
  QString text;          // line breaks as '\n'; without a byte order mark or the closing NUL
  std::string error;     // why it cannot be used, in words for the user
  bool missing = false;  // nothing of that name
};
// A template is a page, not a book: a larger one is not used, and none is saved.
constexpr size_t kTemplateLimit = 64 * 1024;

// A template's bytes: UTF-8 up to a first NUL (the closing NUL of the entry format, or none);
// CR LF and LF both end a line. Bytes that are not UTF-8 make no text.
TemplateText TemplateBytesToText(std::string_view bytes);
// The template file of the diary `saveDir`: a regular file of at most kTemplateLimit bytes that
// can be read and holds UTF-8, inside the diary. A link is followed only where it stays inside
// the diary, and the folder of templates is the diary's own, not a link: someone who can write
// into a shared diary cannot make every new entry copy a file from elsewhere (a key, a password
// file).
TemplateText ReadTemplate(const std::string& saveDir, const std::string& path);

// The placeholders' values for an entry of `date` in the tab `tabName`, as `locale` writes them.
struct TemplateValues {
  QString date;       // {date}, the locale's long date
  QString dateShort;  // {date-short}, the locale's short date
  QString weekday;    // {weekday}, the locale's name of the day
  QString tab;        // {tab}
};
TemplateValues TemplateValuesFor(const QDate& date, const QString& tabName, const QLocale& locale);
// The placeholders as written in a template, in the order the templates window lists them.
const std::vector<QString>& TemplatePlaceholders();
// Every known placeholder replaced by its value, in one pass: a value is never read as a template
// again, and an unknown "{name}" stays as it is written. Its time grows with the text's length
// alone, whatever braces it holds.
QString FillTemplate(const QString& text, const TemplateValues& values);
// The braces FillTemplate leaves as they are written, as (start, length): an unknown "{name}"
// (to the next '}' on its line, where no '{' comes first), a '{' that starts nothing, a '}' that
// ends nothing. "{{date}}" leaves its outer two.
std::vector<std::pair<qsizetype, qsizetype>> UnfilledBraces(QStringView text);

// What a new entry of `date` in the tab `tab` (named `tabName`) starts from: the template that
// applies, read, with its placeholders filled. `text.ok` false with `choice.found`: the template
// cannot be used, and `text.error` says why.
struct NewEntryTemplate {
  TemplateChoice choice;
  TemplateText text;
};
NewEntryTemplate TemplateForNewEntry(const std::string& saveDir, const QDate& date, int tab,
                                     const QString& tabName, const QLocale& locale);

// Writes the template's text (UTF-8, LF line breaks, no NUL, so any editor takes it) through the
// atomic writer, making the folder (private) where missing. A template that is a link out of the
// diary is not written through, nor a folder of templates that is a link; a text larger than
// kTemplateLimit is not saved.
SaveOutcome SaveTemplate(const std::string& saveDir, const TemplateSlot& slot, const QString& text);
// Removes the template file, so that the next less specific one applies again.
SaveOutcome RemoveTemplate(const std::string& saveDir, const TemplateSlot& slot);

}  // namespace marrowleaf
