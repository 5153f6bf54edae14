// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/export/export.h"

#include <QDir>
#include <algorithm>

#include "entries/diarywalk.h"
#include "entries/entrykey.h"
#include "entries/entrytext.h"
#include "platform/files.h"
#include "text/dates.h"
#include "text/links.h"

namespace marrowleaf {
bool ForEachExportDay(const std::string& saveDir, const ExportRange& range,
                      const std::function<bool(const ExportDay&)>& each,
                      const std::function<void(const std::string& path)>& unreadable) {
  if (!range.from.isValid() || !range.to.isValid() || range.from > range.to) return true;
  WalkScope scope;
  scope.tabCount = static_cast<int>(range.tabs.size());
  scope.order = Order::kOldestFirst;
  scope.from = {static_cast<uint16_t>(range.from.year()),
                static_cast<uint16_t>(range.from.month())};
  scope.to = {static_cast<uint16_t>(range.to.year()), static_cast<uint16_t>(range.to.month())};
  scope.wanted = [&range](const EntryKey& key) {
    const QDate date(key.year, key.month, key.day);
    return range.tabs[static_cast<size_t>(key.tab)] && date >= range.from && date <= range.to;
  };
  const std::atomic<bool> never{false};
  const DiaryWalk walk(saveDir, std::move(scope), never);
  bool completed = true;
  walk.Map<std::vector<ExportDay>>(
      [&](const Month& month) {
        std::vector<ExportDay> days;
        walk.ReadMonth(month, [&](const WalkedEntry& entry) {
          if (entry.text.empty()) return;  // an empty entry is no page of the book
          const QDate date(entry.key.year, entry.key.month, entry.key.day);
          if (days.empty() || days.back().date != date) days.push_back({date, {}});
          days.back().entries.push_back({entry.key.tab, entry.Shown()});
        });
        return days;
      },
      [&](std::vector<ExportDay>& days) {
        for (const ExportDay& day : days) {
          if (!each(day)) {
            completed = false;
            return false;
          }
        }
        return true;
      });
  if (unreadable) {
    for (const Skipped& skipped : walk.Skips()) unreadable(skipped.path);
  }
  return completed;
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
