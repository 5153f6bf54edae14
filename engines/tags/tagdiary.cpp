// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/tags/tagdiary.h"

#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstring>
#include <functional>

#include "entries/entrytext.h"
#include "text/tags.h"

namespace marrowleaf {
namespace {

using Month = std::pair<uint16_t, uint16_t>;

std::vector<Month> MonthsOf(const std::string& saveDir, const UnsavedEntry* unsaved) {
  std::vector<Month> months = DiaryMonths(saveDir, Order::kNewestFirst);
  if (unsaved != nullptr) {
    const Month month(unsaved->key.year, unsaved->key.month);
    if (std::find(months.begin(), months.end(), month) == months.end()) {
      months.insert(std::upper_bound(months.begin(), months.end(), month, std::greater<>()), month);
    }
  }
  return months;
}

// `months` of the diary, newest first, as SearchDiary takes them, on the pool of threads: `visit`
// hears of each entry with its whole file (`typed` null) or the unsaved text standing for it.
template <typename R>
std::vector<R> EachMonth(const std::string& saveDir, const std::vector<Month>& months, int tabCount,
                         const std::atomic<bool>& cancelled, const UnsavedEntry* unsaved,
                         const std::function<void(R&, const EntryKey&, std::string_view file,
                                                  const QString* typed)>& visit) {
  if (tabCount <= 0) return {};
  return QtConcurrent::blockingMapped<std::vector<R>>(months, [&](const Month& month) {
    R result{};
    std::vector<std::pair<int, int>> entries;  // (day, tab)
    ListMonthEntries(saveDir, month.first, month.second, tabCount,
                     [&](const EntryName& name, bool) {
                       if (!name.conflict) entries.emplace_back(name.day, name.tab);
                     });
    const bool here = unsaved != nullptr && unsaved->key.year == month.first &&
                      unsaved->key.month == month.second && unsaved->key.tab < tabCount;
    const std::pair<int, int> typedAt(here ? unsaved->key.day : 0, here ? unsaved->key.tab : 0);
    if (here && std::find(entries.begin(), entries.end(), typedAt) == entries.end()) {
      entries.push_back(typedAt);
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
      return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    FolderReader reader(MonthDirectory(saveDir, month.first, month.second));
    for (const auto& [day, tab] : entries) {
      if (cancelled.load(std::memory_order_relaxed)) break;
      const EntryKey key{month.first, month.second, static_cast<uint16_t>(day), tab};
      if (here && std::pair(day, tab) == typedAt) {
        visit(result, key, {}, &unsaved->text);
        continue;
      }
      std::string_view bytes;
      if (reader.Read(EntryFileName(key.day, tab), bytes)) visit(result, key, bytes, nullptr);
    }
    return result;
  });
}

std::string_view TextOf(std::string_view file) {
  const void* nul = std::memchr(file.data(), '\0', file.size());
  return nul == nullptr
             ? file
             : file.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - file.data()));
}

bool Ascii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void AddTallies(TagTallies& all, const TagTallies& more) {
  for (auto it = more.begin(); it != more.end(); ++it) {
    TagTally& tally = all[it.key()];
    tally.entries += it->entries;
    tally.listed += it->listed;
    for (auto form = it->forms.begin(); form != it->forms.end(); ++form) {
      tally.forms[form.key()] += form.value();
    }
  }
}

TagTallies TallyMonths(const std::string& saveDir, const std::vector<Month>& months, int tabCount,
                       const std::atomic<bool>& cancelled, const UnsavedEntry* unsaved) {
  const std::vector<TagTallies> tallied = EachMonth<TagTallies>(
      saveDir, months, tabCount, cancelled, unsaved,
      [](TagTallies& tallies, const EntryKey&, std::string_view file, const QString* typed) {
        if (typed != nullptr) {
          TallyTags(*typed, tallies);
          return;
        }
        const std::string_view bytes = TextOf(file);
        // '#' is one byte in every encoding an entry may have (no Shift-JIS character's second
        // byte is one): an entry without it holds no tag, and is not decoded.
        if (std::memchr(bytes.data(), '#', bytes.size()) == nullptr) return;
        const qsizetype size = static_cast<qsizetype>(bytes.size());
        TallyTags(Ascii(bytes) ? QString::fromLatin1(bytes.data(), size) : DecodeText(bytes),
                  tallies);
      });
  TagTallies all;
  for (const TagTallies& month : tallied) AddTallies(all, month);
  return all;
}

}  // namespace

void TallyTags(const QString& text, TagTallies& tallies) {
  std::vector<QString> seen;    // each tag counts one entry; an entry holds a few
  std::vector<QString> listed;  // and each tag it or a nested one lists it under
  for (const TagSpan& t : FindTags(text)) {
    const QString form = text.mid(t.start + 1, t.length - 1);
    QString key = TagKey(form);
    TagTally& tally = tallies[key];
    ++tally.forms[form];
    // "trip/kyoto/gion" lists its entry under "trip/kyoto" and "trip" too.
    for (qsizetype end = key.size(); end > 0; end = key.lastIndexOf(QLatin1Char('/'), end - 1)) {
      QString under = key.left(end);
      if (std::find(listed.begin(), listed.end(), under) != listed.end()) continue;
      ++tallies[under].listed;
      listed.push_back(std::move(under));
    }
    if (std::find(seen.begin(), seen.end(), key) == seen.end()) {
      seen.push_back(std::move(key));
      ++tally.entries;
    }
  }
}

std::vector<DiaryTag> TagRows(const TagTallies& tallies) {
  std::vector<DiaryTag> rows;
  rows.reserve(static_cast<size_t>(tallies.size()));
  for (auto it = tallies.begin(); it != tallies.end(); ++it) {
    if (it->forms.isEmpty()) continue;  // never written itself
    QString shown;
    int most = -1;
    for (auto form = it->forms.begin(); form != it->forms.end(); ++form) {
      const bool small = form.key() == form.key().toLower();
      const bool shownSmall = shown == shown.toLower();
      if (form.value() > most ||
          (form.value() == most && (small != shownSmall ? small : form.key() < shown))) {
        shown = form.key();
        most = form.value();
      }
    }
    rows.push_back({it.key(), shown, it->entries, it->listed});
  }
  std::sort(rows.begin(), rows.end(),
            [](const DiaryTag& a, const DiaryTag& b) { return a.key < b.key; });
  return rows;
}

TagTallies ListDiaryTags(const std::string& saveDir, int tabCount,
                         const std::atomic<bool>& cancelled, const UnsavedEntry* unsaved,
                         const std::function<void(const TagTallies&)>& early) {
  const std::vector<Month> months = MonthsOf(saveDir, unsaved);
  // The newest three months first, on their own, when their tags are wanted before the rest: a
  // season of writing, read in a few milliseconds even in a diary written every day.
  const size_t first = early ? std::min<size_t>(months.size(), 3) : 0;
  TagTallies all =
      TallyMonths(saveDir, {months.begin(), months.begin() + first}, tabCount, cancelled, unsaved);
  if (early && !cancelled.load()) early(all);
  AddTallies(all, TallyMonths(saveDir, {months.begin() + first, months.end()}, tabCount, cancelled,
                              unsaved));
  return all;
}

TagRenamePlan PlanTagRename(const std::string& saveDir, int tabCount, const QString& key,
                            const QString& shown, const QString& to,
                            const std::atomic<bool>& cancelled, const EntryKey* modified) {
  const std::vector<TagRenamePlan> months = EachMonth<TagRenamePlan>(
      saveDir, MonthsOf(saveDir, nullptr), tabCount, cancelled, nullptr,
      [&](TagRenamePlan& plan, const EntryKey& entry, std::string_view file, const QString*) {
        const std::string_view bytes = TextOf(file);
        if (std::memchr(bytes.data(), '#', bytes.size()) == nullptr) return;
        EntryText shownText = EntryBytesToText(bytes);
        int renamed = 0;
        const QString text = RenameTag(shownText.text, key, shown, to, &renamed);
        if (renamed == 0) return;
        if (modified != nullptr && *modified == entry) {
          plan.skipped.emplace_back(entry, RenameSkip::kModifiedInWindow);
          return;
        }
        // Only the tag's characters may change: the entry stays in its encoding, and its new
        // bytes read back as the new text, so that renaming back gives the bytes it had.
        EntryFormat format = shownText.format;
        std::string out = EntryTextToBytes(text, format);
        const EntryText again = EntryBytesToText(out);
        if (format.encoding != shownText.format.encoding ||
            again.format.encoding != format.encoding || again.text != text) {
          plan.skipped.emplace_back(entry, RenameSkip::kEncoding);
          return;
        }
        plan.entries.push_back(
            {entry, HashBytes(file), std::move(out), std::string(file.substr(bytes.size()))});
      });
  TagRenamePlan all;
  for (const TagRenamePlan& month : months) {
    all.entries.insert(all.entries.end(), month.entries.begin(), month.entries.end());
    all.skipped.insert(all.skipped.end(), month.skipped.begin(), month.skipped.end());
  }
  return all;
}

EntrySave ApplyTagRename(const std::string& saveDir, const PlannedRename& entry) {
  const EntryState read{{}, entry.readHash};
  const InPlace inPlace{entry.end};
  return SaveEntryKeepingHistory(saveDir, entry.key, entry.text, &read, &inPlace);
}

}  // namespace marrowleaf
