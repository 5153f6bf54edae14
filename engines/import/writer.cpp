// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/import/writer.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <map>
#include <numeric>
#include <set>
#include <tuple>

#include "crypto/sealedfiles.h"
#include "engines/pictures/pictures.h"
#include "entries/bulkwrite.h"
#include "entries/diarywalk.h"
#include "entries/entryfiles.h"
#include "entries/entrytext.h"
#include "entries/history.h"
#include "platform/files.h"

namespace marrowleaf::import {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The copies of a day's attachments: attachments/YEAR/MONTH/DAY_TAB/NAME, the names made unique
// within the day from the source alone, so that a second import finds the same names.
struct Copy {
  const Attachment* from = nullptr;
  std::string link;  // relative to the save directory
};

std::string AttachmentFolder(const EntryKey& key) { return PictureFolder(key); }

std::vector<std::vector<Copy>> DayCopies(const Source& source, const PlannedDay& day) {
  std::vector<std::vector<Copy>> copies;
  std::map<std::string, std::string> taken;  // name → the member that has it
  const std::string folder = AttachmentFolder(day.key) + '/';
  for (const size_t index : day.entries) {
    std::vector<Copy>& own = copies.emplace_back();
    for (const Attachment& file : source.entries[index].attachments) {
      // The readers give usable names; a copy must never name a place outside its folder.
      std::string name = UsableFileName(file.name) ? file.name : "attachment";
      const std::string wanted = name;
      for (int n = 2; taken.count(name) != 0 && taken[name] != file.member; ++n) {
        const size_t dot = wanted.rfind('.');
        name = dot == std::string::npos || dot == 0
                   ? wanted + '-' + std::to_string(n)
                   : wanted.substr(0, dot) + '-' + std::to_string(n) + wanted.substr(dot);
      }
      taken[name] = file.member;
      own.push_back({&file, folder + name});
    }
  }
  return copies;
}

QString Section(const Entry& entry, const std::vector<Copy>& copies) {
  QString section;
  const QString title = Utf8(entry.title);
  if (entry.time.isValid() || !title.isEmpty()) {
    QString head = entry.time.isValid() ? entry.time.toString(QStringLiteral("HH:mm")) : QString();
    if (!title.isEmpty()) {
      if (!head.isEmpty()) head += QLatin1Char(' ');
      head += title;
    }
    section = head + QLatin1Char('\n');
  }
  QString text = Utf8(entry.text);
  // The links of the source's own kind to each attachment now lead to its copy.
  std::vector<bool> linked(copies.size(), false);
  if (text.contains(QLatin1String("dayone-moment:"))) {
    static const QRegularExpression moment(
        QStringLiteral(R"(dayone-moment:/{1,2}(?:[A-Za-z]+/)?([0-9A-Za-z-]+))"));
    QString replaced;
    qsizetype done = 0;
    auto it = moment.globalMatch(text);
    while (it.hasNext()) {
      const QRegularExpressionMatch m = it.next();
      const std::string identifier = m.captured(1).toStdString();
      for (size_t i = 0; i < copies.size(); ++i) {
        if (copies[i].from->identifier != identifier) continue;
        replaced += text.mid(done, m.capturedStart() - done) + Utf8(copies[i].link);
        done = m.capturedEnd();
        linked[i] = true;
        break;
      }
    }
    text = replaced + text.mid(done);
  }
  QStringList lines;
  if (!text.isEmpty()) lines << text;
  if (!entry.tagsInText && !entry.tags.empty()) {
    // A name that no tag can hold whole ("C++") is written as the source wrote it, not cut short.
    QStringList tags;
    for (const std::string& name : entry.tags) {
      const QString tag = WholeTag(Utf8(name));
      tags << (tag.isEmpty() ? Utf8(name).trimmed() : tag);
    }
    tags.removeAll(QString());
    if (!tags.isEmpty()) lines << tags.join(QLatin1Char(' '));
  }
  QStringList facts;
  if (entry.starred) facts << QStringLiteral("★");
  if (!entry.place.empty()) facts << Utf8(entry.place);
  if (!entry.weather.empty()) facts << Utf8(entry.weather);
  if (!facts.isEmpty()) lines << facts.join(QStringLiteral(" · "));
  for (const std::string& note : entry.notes) lines << Utf8(note);
  // An attachment the text does not link is linked after it: a picture so that the text area
  // shows it, any other file by its path.
  for (size_t i = 0; i < copies.size(); ++i) {
    if (linked[i]) continue;
    lines << (IsPictureName(copies[i].link) ? PictureLinkText(copies[i].link)
                                            : Utf8(copies[i].link));
  }
  // The text as written, its last line break kept where nothing follows it.
  if (lines.size() > 1) {
    while (lines.front().endsWith(QLatin1Char('\n'))) lines.front().chop(1);
  }
  // An entry's text ends at its first NUL: one in the source would cut off what follows it, and
  // that text would be imported again every time. It is shown as the symbol for NUL. A CR in a
  // title, a place or a category is a line break, as in the texts.
  section += lines.join(QLatin1Char('\n'));
  return section.replace(QChar(u'\0'), QChar(0x2400))
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Sections and the text before them are a blank line apart.
void Join(QString& text, const QString& section) {
  if (!text.isEmpty()) {
    text += text.endsWith(QLatin1Char('\n')) ? QStringLiteral("\n") : QStringLiteral("\n\n");
  }
  text += section;
}

struct Existing {
  bool exists = false;
  bool readable = false;
  uint64_t hash = 0;  // the whole file, as read
  QString text;
  EntryFormat format;
  std::string error;
};

Existing ReadExisting(const std::string& saveDir, const EntryKey& key) {
  Existing existing;
  const EntryBytes read = ReadOneEntry(saveDir, key);
  existing.exists = read.exists;
  if (!read.read) {
    existing.error = read.skipped.error;
    return existing;
  }
  EntryText shown = EntryBytesToText(read.Text());
  existing.readable = true;
  existing.hash = read.diskHash;
  existing.text = std::move(shown.text);
  existing.format = shown.format;
  return existing;
}

// A text as it was written: an entry shows each character the text area would take as a line
// break although it is none (U+2029, a CR or LF that is not the entry's break) as a stand-in.
QString Written(QString text, const EntryFormat& format) {
  const auto& specials = EntryBreakLike();
  for (size_t k = 0; k < specials.size(); ++k) {
    if (format.standIns[k] != 0) text.replace(QChar(format.standIns[k]), QChar(specials[k]));
  }
  return text;
}

// A text as the import compares it: every link to an attachment, as the import writes it
// (attachments/…) or as the source wrote it (dayone-moment:…), is one mark, and a line holding
// nothing but such a link (a path, or a picture's "![](…)") after a line of text goes. An entry is
// the same entry wherever its attachments are: copied, missing from the source it came from, or
// named otherwise by an earlier import.
QString Comparable(QString text) {
  static const QRegularExpression link(QStringLiteral(
      R"(dayone-moment:/{1,2}(?:[A-Za-z]+/)?[0-9A-Za-z-]+|attachments/\d+/\d+/\d+_\d+/[^\n)]*)"));
  // A link line alone, as a path or as a picture ("![](…)", as this version writes a picture).
  static const QRegularExpression linkLine(
      QStringLiteral("(?<=[^\n])\n(?:!\\[\\]\\()?\uFFFC\\)?(?=\n|$)"));
  if (!text.contains(QLatin1String("dayone-moment:")) &&
      !text.contains(QLatin1String("attachments/"))) {
    return text;
  }
  return text.replace(link, QString(QChar(0xFFFC))).remove(linkLine);
}

// Whether `text` holds `section` whole: from the start of the text or of a paragraph to the end
// of the text or of a paragraph, as Join puts it there. An entry holding "Lunch at 12:00" holds
// no section "12:00".
bool HoldsWhole(const QString& text, const QString& section) {
  for (qsizetype at = text.indexOf(section); at >= 0; at = text.indexOf(section, at + 1)) {
    const bool starts = at == 0 || (at >= 2 && text[at - 1] == QLatin1Char('\n') &&
                                    text[at - 2] == QLatin1Char('\n'));
    const qsizetype end = at + section.size();
    const bool ends =
        end == text.size() || (text[end] == QLatin1Char('\n') &&
                               (section.endsWith(QLatin1Char('\n')) || end + 1 == text.size() ||
                                text[end + 1] == QLatin1Char('\n')));
    if (starts && ends) return true;
  }
  return false;
}

// The sections the entry does not hold yet, by their positions.
std::vector<size_t> Missing(const Existing& existing, const std::vector<QString>& sections) {
  std::vector<size_t> missing;
  const QString text =
      existing.exists ? Comparable(Written(existing.text, existing.format)) : QString();
  for (size_t i = 0; i < sections.size(); ++i) {
    if (!existing.exists || !HoldsWhole(text, Comparable(sections[i]))) missing.push_back(i);
  }
  return missing;
}

// One copy in place: a file of that name with the same bytes counts as copied.
bool CopyAttachment(const std::string& saveDir, const Source& source, const Copy& copy,
                    bool& copied, std::string& error) {
  std::string bytes;
  if (!source.files->Read(copy.from->member, bytes, error)) {
    error = copy.from->member + ": " + error;
    return false;
  }
  const std::string target = saveDir + '/' + copy.link;
  if (IsFile(target)) {
    const DiaryFileRead there = ReadDiaryFile(target);
    const bool readable =
        there.read && (there.result == Opening::kOpened || there.result == Opening::kPlain);
    if (readable && there.bytes == bytes) return true;
    error = copy.link + ": another file of that name is there already";
    return false;
  }
  if (!MakePrivateDirectories(target.substr(0, target.rfind('/')))) {
    error = copy.link + ": its folder cannot be made";
    return false;
  }
  const SaveOutcome saved = WriteDiaryFile(saveDir, target, bytes, NewFileAccess::kPrivate);
  if (!saved.ok) {
    error = copy.link + ": " + saved.error;
    return false;
  }
  copied = true;
  return true;
}

}  // namespace

std::vector<QString> DaySections(const Source& source, const PlannedDay& day) {
  const std::vector<std::vector<Copy>> copies = DayCopies(source, day);
  std::vector<QString> sections;
  sections.reserve(day.entries.size());
  for (size_t i = 0; i < day.entries.size(); ++i) {
    sections.push_back(Section(source.entries[day.entries[i]], copies[i]));
  }
  return sections;
}

Plan MakePlan(const std::string& saveDir, const Source& source,
              const std::vector<QString>& tabNames, int chosenTab) {
  Plan plan;
  std::map<std::tuple<int, int, int, int>, std::vector<size_t>> days;
  std::map<std::string, int> journalTabs;
  for (size_t i = 0; i < source.entries.size(); ++i) {
    const Entry& entry = source.entries[i];
    if (!entry.date.isValid() || entry.date.year() < 1 || entry.date.year() > 9999) continue;
    int tab = chosenTab;
    if (!entry.journal.empty()) {
      auto found = journalTabs.find(entry.journal);
      if (found == journalTabs.end()) {
        const auto named = std::find(tabNames.begin(), tabNames.end(), Utf8(entry.journal));
        const int index = named == tabNames.end() ? -1 : static_cast<int>(named - tabNames.begin());
        if (index < 0) plan.newTabs.push_back(entry.journal);
        found = journalTabs.emplace(entry.journal, index).first;
      }
      if (found->second >= 0) tab = found->second;
    }
    days[{entry.date.year(), entry.date.month(), entry.date.day(), tab}].push_back(i);
    ++plan.entries;
    plan.attachments += entry.attachments.size();
    for (const Attachment& file : entry.attachments) {
      plan.attachmentBytes += source.files->Size(file.member);
    }
    if (!plan.first.isValid() || entry.date < plan.first) plan.first = entry.date;
    if (!plan.last.isValid() || entry.date > plan.last) plan.last = entry.date;
  }
  plan.days.reserve(days.size());
  for (auto& [key, entries] : days) {
    // In time order; entries without a time keep their place in the source, first.
    std::stable_sort(entries.begin(), entries.end(), [&](size_t a, size_t b) {
      const QTime& ta = source.entries[a].time;
      const QTime& tb = source.entries[b].time;
      return ta.isValid() != tb.isValid() ? !ta.isValid() : ta.isValid() && ta < tb;
    });
    PlannedDay day{
        {static_cast<uint16_t>(std::get<0>(key)), static_cast<uint16_t>(std::get<1>(key)),
         static_cast<uint16_t>(std::get<2>(key)), std::get<3>(key)},
        std::move(entries)};
    std::vector<QString> sections;  // made only for a day that holds an entry in some tab
    std::vector<size_t> missing(day.entries.size());
    std::iota(missing.begin(), missing.end(), 0);
    const Existing existing = ReadExisting(saveDir, day.key);
    if (existing.exists) {
      ++plan.daysHoldingEntry;
      sections = DaySections(source, day);
      if (existing.readable) missing = Missing(existing, sections);
      if (existing.readable && missing.empty()) ++plan.daysImported;
    }
    // The entries not in their tab may be in another: the source imported into another tab.
    for (int tab = 0; tab < static_cast<int>(tabNames.size()) && !missing.empty(); ++tab) {
      EntryKey other = day.key;
      other.tab = tab;
      if (tab == day.key.tab) continue;
      const Existing there = ReadExisting(saveDir, other);
      if (!there.readable) continue;
      if (sections.empty()) sections = DaySections(source, day);
      const std::vector<size_t> notThere = Missing(there, sections);
      const size_t found =
          static_cast<size_t>(std::count_if(missing.begin(), missing.end(), [&](size_t i) {
            return std::find(notThere.begin(), notThere.end(), i) == notThere.end();
          }));
      if (found > 0) plan.inOtherTabs[tab] += found;
      std::vector<size_t> still;
      std::set_intersection(missing.begin(), missing.end(), notThere.begin(), notThere.end(),
                            std::back_inserter(still));
      missing = std::move(still);
    }
    plan.days.push_back(std::move(day));
  }
  return plan;
}

Applied ApplyPlan(const std::string& saveDir, const Source& source, const Plan& plan,
                  const std::function<bool(size_t done, size_t total)>& progress,
                  const std::function<bool(const EntryKey&)>& shownModified) {
  Applied applied;
  const size_t total = plan.days.size();
  // The room the import needs: the attachments not copied yet and the entries' texts. A disk
  // that lacks it is found now, not after half the diary is written (a 3 MB zip may hold three
  // gigabytes of "photos").
  for (const PlannedDay& day : plan.days) {
    const std::vector<std::vector<Copy>> copies = DayCopies(source, day);
    for (size_t i = 0; i < day.entries.size(); ++i) {
      const Entry& entry = source.entries[day.entries[i]];
      applied.bytesNeeded += entry.text.size() + entry.title.size();
      for (const Copy& copy : copies[i]) {
        if (!IsFile(saveDir + '/' + copy.link)) {
          applied.bytesNeeded += source.files->Size(copy.from->member);
        }
      }
    }
  }
  if (FreeSpace(saveDir, applied.bytesFree) && applied.bytesFree < applied.bytesNeeded) {
    applied.noRoom = true;
    return applied;
  }
  for (size_t d = 0; d < total; ++d) {
    if (progress && !progress(d, total)) {
      applied.cancelled = true;
      applied.notReached = total - d;
      const EntryKey& key = plan.days[d].key;
      applied.stoppedBefore = QDate(key.year, key.month, key.day);
      return applied;
    }
    const PlannedDay& day = plan.days[d];
    const std::vector<std::vector<Copy>> copies = DayCopies(source, day);
    std::vector<QString> sections;
    for (size_t i = 0; i < day.entries.size(); ++i) {
      sections.push_back(Section(source.entries[day.entries[i]], copies[i]));
    }
    // The files first: an entry never links to a copy that is not there. A day that is not
    // written takes back the copies it made, so that no file is left that no entry links to.
    std::vector<std::string> made;
    const auto takeBack = [&] {
      for (const std::string& link : made) RemoveFile(saveDir + '/' + link);
      made.clear();
    };
    const auto fail = [&](const std::string& why) {
      takeBack();
      applied.failures.push_back({day.key, why});
    };
    // The day as it is now; another program that writes it meanwhile (a sync tool) keeps its
    // text, and the import is added after that.
    for (int attempt = 1;; ++attempt) {
      const Existing existing = ReadExisting(saveDir, day.key);
      if (existing.exists && !existing.readable) {
        fail(existing.error);
        break;
      }
      const std::vector<size_t> missing = Missing(existing, sections);
      if (missing.empty()) {
        takeBack();
        ++applied.unchanged;
        break;
      }
      std::string error;
      bool ok = true;
      for (const size_t i : missing) {
        for (const Copy& copy : copies[i]) {
          bool copied = false;
          ok = CopyAttachment(saveDir, source, copy, copied, error);
          if (!ok) break;
          if (copied) made.push_back(copy.link);
        }
        if (!ok) break;
      }
      if (!ok) {
        fail(error);
        break;
      }
      QString text = existing.exists ? existing.text : QString();
      for (const size_t i : missing) Join(text, sections[i]);
      // A new entry in UTF-8; one that was there keeps its encoding where it can.
      EntryFormat format = existing.exists ? existing.format : EntryFormat();
      BulkChange change;
      change.key = day.key;
      change.existed = existing.exists;
      change.readHash = existing.hash;
      change.text = EntryTextToBytes(text, format);
      // Every missing level, private: an import may be the first to write the diary.
      if (!existing.exists)
        MakePrivateDirectories(MonthDirectory(saveDir, day.key.year, day.key.month));
      const BulkOutcome written = WriteInBulk(saveDir, change, shownModified);
      if (written.result == BulkResult::kChangedMeanwhile && attempt < 3) continue;
      switch (written.result) {
        case BulkResult::kCreated:
          ++applied.written;
          applied.attachments += made.size();
          break;
        case BulkResult::kChanged:
          ++applied.added;
          applied.attachments += made.size();
          if (!written.historyError.empty()) {
            applied.historyFailures.push_back({day.key, written.historyError});
          }
          break;
        case BulkResult::kLeftShown:
          takeBack();
          applied.leftShown.push_back(day.key);
          break;
        case BulkResult::kChangedMeanwhile:
          fail("another program kept writing it");
          break;
        case BulkResult::kFailed:
          fail(written.error);
          break;
      }
      break;
    }
  }
  if (progress) progress(total, total);
  return applied;
}

}  // namespace marrowleaf::import
