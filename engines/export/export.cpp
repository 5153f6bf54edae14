// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/export/export.h"

#include <QDir>
#include <algorithm>
#include <cstring>

#include "entries/entrykey.h"
#include "entries/entrytext.h"
#include "entries/monthlisting.h"
#include "platform/files.h"
#include "text/dates.h"
#include "text/links.h"

namespace marrowleaf {
namespace {

int MonthIndex(int year, int month) { return year * 12 + month - 1; }

}  // namespace

bool ForEachExportDay(const std::string& saveDir, const ExportRange& range,
                      const std::function<bool(const ExportDay&)>& each,
                      const std::function<void(const std::string& path)>& unreadable) {
  const int tabCount = static_cast<int>(range.tabs.size());
  if (!range.from.isValid() || !range.to.isValid() || range.from > range.to) return true;
  const int first = MonthIndex(range.from.year(), range.from.month());
  const int last = MonthIndex(range.to.year(), range.to.month());
  const auto lost = [&](const std::string& path) {
    if (unreadable) unreadable(path);
  };
  // A folder that cannot be listed may hold days of the range: the save folder, or a year's
  // folder within the range.
  const auto unlisted = [&](uint16_t year) {
    if (year == 0) {
      lost(saveDir);
    } else if (year >= range.from.year() && year <= range.to.year()) {
      lost(YearDirectory(saveDir, year));
    }
  };
  for (const auto& folder : DiaryMonths(saveDir, Order::kOldestFirst, unlisted)) {
    const uint16_t year = folder.first;  // named, for the lambda below to take
    const uint16_t month = folder.second;
    const int index = MonthIndex(year, month);
    if (index < first || index > last) continue;
    std::vector<std::pair<int, int>> entries;  // (day, tab)
    const bool listed =
        ListMonthEntries(saveDir, year, month, tabCount, [&](const EntryName& name, bool regular) {
          const QDate date(year, month, name.day);
          if (regular && !name.conflict && range.tabs[static_cast<size_t>(name.tab)] &&
              date.isValid() && date >= range.from && date <= range.to) {
            entries.emplace_back(name.day, name.tab);
          }
        });
    const std::string monthDir = MonthDirectory(saveDir, year, month);
    if (!listed && IsDirectory(monthDir)) lost(monthDir);
    std::sort(entries.begin(), entries.end());
    FolderReader reader(monthDir);
    ExportDay day;
    const auto flush = [&] {
      const bool go = day.entries.empty() || each(day);
      day.entries.clear();
      return go;
    };
    for (const auto& [number, tab] : entries) {
      const QDate date(year, month, number);
      if (date != day.date && !flush()) return false;
      day.date = date;
      std::string_view bytes;
      const std::string name = EntryFileName(static_cast<uint16_t>(number), tab);
      if (!reader.Read(name, bytes)) {
        lost(monthDir + '/' + name);
        continue;
      }
      if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
        bytes = bytes.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()));
      }
      if (bytes.empty()) continue;  // an empty entry is no page of the book
      day.entries.push_back({tab, EntryBytesToText(bytes).text});
    }
    if (!flush()) return false;
  }
  return true;
}

QString ExportTargetPath(const QString& typed, const QString& home, const QString& folder) {
  QString path = typed;
  if (path == QStringLiteral("~") || path.startsWith(QStringLiteral("~/"))) {
    path.replace(0, 1, home);
  }
  return QDir::cleanPath(QDir(folder).absoluteFilePath(path));
}

bool DiaryExtent(const std::string& saveDir, int tabCount, QDate& first, QDate& last) {
  const auto find = [&](Order order, QDate& found) {
    for (const auto& [year, month] : DiaryMonths(saveDir, order)) {
      const uint32_t days = ListMonth(saveDir, year, month, tabCount).entries;
      if (days == 0) continue;
      const int day = order == Order::kOldestFirst ? __builtin_ctz(days) : 31 - __builtin_clz(days);
      found = QDate(year, month, day);
      return found.isValid();
    }
    return false;
  };
  return find(Order::kOldestFirst, first) && find(Order::kNewestFirst, last);
}

QString DayHeading(const QDate& date, const QLocale& locale) { return LongDate(date, locale); }

TextExport::TextExport(ExportFormat f, ExportTexts t, PictureAddress p)
    : format(f), texts(std::move(t)), pictures(std::move(p)) {
  switch (format) {
    case ExportFormat::kHtml:
      out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"") +
            HtmlEscape(texts.locale.bcp47Name()) +
            QStringLiteral("\">\n<head>\n<meta charset=\"utf-8\">\n<title>") +
            HtmlEscape(texts.title) +
            QStringLiteral(
                "</title>\n<style>\n"
                "body { font-family: sans-serif; max-width: 42em; margin: 2em auto; "
                "padding: 0 1em; line-height: 1.45; }\n"
                "h2 { margin-top: 2em; border-bottom: 1px solid #999; }\n"
                ".entry { white-space: pre-wrap; overflow-wrap: break-word; }\n"
                ".entry img { max-width: 100%; height: auto; vertical-align: top; }\n"
                "</style>\n</head>\n<body>\n<h1>") +
            HtmlEscape(texts.title) + QStringLiteral("</h1>\n<p>") + HtmlEscape(texts.range) +
            QStringLiteral("</p>\n");
      break;
    case ExportFormat::kMarkdown:  // "#" is a day's heading: the title is a line of its own
      out = MarkdownLine(texts.title) + QStringLiteral("\\\n") + MarkdownLine(texts.range) +
            QLatin1Char('\n');
      break;
    case ExportFormat::kPlainText:
    case ExportFormat::kPdf:
      out = texts.title + QLatin1Char('\n') + QString(texts.title.size(), QLatin1Char('=')) +
            QLatin1Char('\n') + texts.range + QLatin1Char('\n');
      break;
  }
}

void TextExport::Day(const ExportDay& day) {
  const QString heading = DayHeading(day.date, texts.locale);
  switch (format) {
    case ExportFormat::kHtml:
      out += QStringLiteral("<h2>") + HtmlEscape(heading) + QStringLiteral("</h2>\n");
      for (const ExportEntry& entry : day.entries) {
        if (texts.tabHeadings) {
          out += QStringLiteral("<h3>") + HtmlEscape(texts.tabNames.value(entry.tab)) +
                 QStringLiteral("</h3>\n");
        }
        out += QStringLiteral("<div class=\"entry\">") + HtmlText(entry.text) +
               QStringLiteral("</div>\n");
      }
      break;
    case ExportFormat::kMarkdown:
      out += QStringLiteral("\n# ") + MarkdownLine(heading) + QLatin1Char('\n');
      for (const ExportEntry& entry : day.entries) {
        if (texts.tabHeadings) {
          out += QStringLiteral("\n## ") + MarkdownLine(texts.tabNames.value(entry.tab)) +
                 QLatin1Char('\n');
        }
        out += QLatin1Char('\n');
        // A line followed by another of the same paragraph ends in a hard break, so that the
        // lines stay lines. Before a blank line or the end the break would show as a backslash.
        const QList<QStringView> lines = QStringView(entry.text).split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
          if (!lines[i].isEmpty()) out += MarkdownText(lines[i]);
          if (!lines[i].isEmpty() && i + 1 < lines.size() && !lines[i + 1].isEmpty()) {
            out += QLatin1Char('\\');
          }
          out += QLatin1Char('\n');
        }
      }
      break;
    case ExportFormat::kPlainText:
    case ExportFormat::kPdf:
      out += QLatin1Char('\n') + heading + QLatin1Char('\n') +
             QString(heading.size(), QLatin1Char('=')) + QLatin1Char('\n');
      for (const ExportEntry& entry : day.entries) {
        if (texts.tabHeadings) {
          const QString& name = texts.tabNames.value(entry.tab);
          out += QLatin1Char('\n') + name + QLatin1Char('\n') +
                 QString(name.size(), QLatin1Char('-')) + QLatin1Char('\n');
        }
        out += QLatin1Char('\n') + entry.text + QLatin1Char('\n');
      }
      break;
  }
}

QString TextExport::HtmlText(const QString& text) const {
  if (!pictures || !text.contains(u"![")) return HtmlEscape(text);
  QString html;
  qsizetype from = 0;
  for (const PictureLink& link : FindPictureLinks(text)) {
    const QString address = pictures(QStringView(text).sliced(link.pathStart, link.pathLength));
    if (address.isEmpty()) continue;
    html += HtmlEscape(QStringView(text).sliced(from, link.start - from)) +
            QStringLiteral("<img src=\"") + HtmlEscape(address) + QStringLiteral("\" alt=\"") +
            HtmlEscape(QStringView(text).sliced(link.altStart, link.altLength)) +
            QStringLiteral("\">");
    from = link.start + link.length;
  }
  return html + HtmlEscape(QStringView(text).sliced(from));
}

QString TextExport::MarkdownText(QStringView line) const {
  if (!pictures || !line.contains(u"![")) return MarkdownLine(line);
  QString markdown;
  qsizetype from = 0;
  for (const PictureLink& link : FindPictureLinks(line)) {
    const QString address = pictures(line.sliced(link.pathStart, link.pathLength));
    if (address.isEmpty()) continue;
    const QStringView before = line.sliced(from, link.start - from);
    markdown += (from == 0 ? MarkdownLine(before) : MarkdownInline(before)) + QStringLiteral("![") +
                MarkdownInline(line.sliced(link.altStart, link.altLength)) + QStringLiteral("](") +
                address + QLatin1Char(')');
    from = link.start + link.length;
  }
  const QStringView rest = line.sliced(from);
  return markdown + (from == 0 ? MarkdownLine(rest) : MarkdownInline(rest));
}

std::string TextExport::Take() {
  std::string bytes = out.toUtf8().toStdString();
  out.clear();
  return bytes;
}

std::string TextExport::Finish() {
  if (format == ExportFormat::kHtml) out += QStringLiteral("</body>\n</html>\n");
  return Take();
}

QString HtmlEscape(QStringView text) {
  // The toolkit's escape leaves the apostrophe, which an attribute in single quotes would end.
  return text.toString().toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&#39;"));
}

QString MarkdownLine(QStringView line) {
  QString out;
  qsizetype at = 0;
  // Leading blanks would make an indented code block: they stay, as spaces that are no indent.
  while (at < line.size() && (line[at] == u' ' || line[at] == u'\t')) {
    out += line[at] == u'\t' ? QStringLiteral("&#9;") : QStringLiteral("&#32;");
    ++at;
  }
  // What a line may start with: a heading, a quote, a list item (also "1." or "1)").
  qsizetype digits = at;
  while (digits < line.size() && line[digits].isDigit()) ++digits;
  if (digits > at && digits < line.size() && (line[digits] == u'.' || line[digits] == u')')) {
    out += line.mid(at, digits - at) + QLatin1Char('\\') + line[digits];
    at = digits + 1;
  } else if (at < line.size() &&
             QStringView(u"#>-+=").contains(line[at])) {  // "=" under a line makes a heading
    out += QLatin1Char('\\') + line[at];
    ++at;
  }
  return out + MarkdownInline(line.sliced(at));
}

QString MarkdownInline(QStringView text) {
  // Anywhere: emphasis, code, links, HTML, tables, and the escape itself.
  QString out;
  for (const QChar c : text) {
    if (QStringView(u"\\`*_[]<>|~&!").contains(c)) out += QLatin1Char('\\');
    out += c;
  }
  return out;
}

}  // namespace marrowleaf
