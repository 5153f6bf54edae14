// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

// The diary as a book: the days of a range that hold entries, read as the window shows them,
// and the text forms an export writes (HTML, Markdown, plain text). Nothing here writes a file.
namespace marrowleaf {

struct ExportEntry {
  int tab = 0;
  QString text;  // as the text area shows it, line breaks as '\n'
};

struct ExportDay {
  QDate date;
  std::vector<ExportEntry> entries;  // tabs in order
};

struct ExportRange {
  QDate from;
  QDate to;
  std::vector<bool> tabs;  // tabs[t]: tab t is exported
};

// Every day of the range holding a non-empty entry of an exported tab, oldest first, as the
// diary's walk reads them. `each` returns false to stop the walk; the result is false then.
// `unreadable`, when given, hears afterwards the path of what the walk passed over (a folder of
// the range that cannot be listed, an entry that cannot be read); the walk goes on without them.
bool ForEachExportDay(const std::string& saveDir, const ExportRange& range,
                      const std::function<bool(const ExportDay&)>& each,
                      const std::function<void(const std::string& path)>& unreadable = nullptr);

// The file a typed export path names: a leading "~" is the home folder, and a relative path lies
// in `folder` (the default file's), not in the program's current folder, which is the diary.
QString ExportTargetPath(const QString& typed, const QString& home, const QString& folder);

// The first and last day that hold an entry of a tab below tabCount; false when none does.
bool DiaryExtent(const std::string& saveDir, int tabCount, QDate& first, QDate& last);

enum class ExportFormat { kPdf, kHtml, kMarkdown, kPlainText };

// What heads the book and each day, in the user's language and locale.
struct ExportTexts {
  QString title;             // "Marrowleaf diary"
  QString range;             // "8 December 2026 – 9 December 2026"
  QLocale locale;            // the days' dates, the page's language
  QStringList tabNames;      // by tab index
  bool tabHeadings = false;  // more than one tab is exported
};

// The day's heading: its date written out in the locale ("Tuesday, 8 December 2026").
QString DayHeading(const QDate& date, const QLocale& locale);

// Where the picture a link's path names is found from the exported file: its address, or empty
// where the link stays as written (ExportPictures in engines/pictures/ copies them).
using PictureAddress = std::function<QString(QStringView path)>;

// Writes a text form day by day, UTF-8 with LF line ends. Take() gives what is written so far
// and forgets it, so that a long export goes to its file in pieces; Finish() gives the rest.
// With `pictures`, HTML shows each picture a link names as an image and Markdown links it where
// the address leads; the plain text keeps every link as written.
class TextExport {
 public:
  TextExport(ExportFormat format, ExportTexts texts, PictureAddress pictures = nullptr);
  void Day(const ExportDay& day);
  std::string Take();
  std::string Finish();

 private:
  QString HtmlText(const QString& text) const;
  QString MarkdownText(QStringView line) const;
  ExportFormat format;
  ExportTexts texts;
  PictureAddress pictures;
  QString out;
};

// Every character of the text as HTML shows it: & < > " ' escaped.
QString HtmlEscape(QStringView text);
// A line of an entry as Markdown shows it as written: what would start a heading, a quote, a
// list, a code block or HTML at its start is escaped, and so are the marks of emphasis, code and
// links anywhere.
QString MarkdownLine(QStringView line);
// Text inside a Markdown line, shown as written: the marks of emphasis, code and links escaped.
QString MarkdownInline(QStringView text);

}  // namespace marrowleaf
