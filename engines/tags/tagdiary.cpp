// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/tags/tagdiary.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>

#include "entries/entryfiles.h"
#include "entries/entrytext.h"
#include "text/tags.h"

namespace marrowleaf {
namespace {

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

// The tags of one month's entries.
TagTallies TallyMonth(const DiaryWalk& walk, const Month& month) {
  TagTallies tallies;
  walk.ReadMonth(month, [&](const WalkedEntry& entry) {
    if (entry.unsaved != nullptr) {
      TallyTags(*entry.unsaved, tallies);
      return;
    }
    const std::string_view bytes = entry.text;
    // '#' is one byte in every encoding an entry may have (no Shift-JIS character's second byte
    // is one): an entry without it holds no tag, and is not decoded.
    if (std::memchr(bytes.data(), '#', bytes.size()) == nullptr) return;
    const qsizetype size = static_cast<qsizetype>(bytes.size());
    TallyTags(AsciiOnly(bytes) ? QString::fromLatin1(bytes.data(), size) : DecodeText(bytes),
              tallies);
  });
  return tallies;
}

TagTallies TallyMonths(const DiaryWalk& walk, const std::vector<Month>& months) {
  TagTallies all;
  walk.Map<TagTallies>([&](const Month& month) { return TallyMonth(walk, month); },
                       [&](TagTallies& month) {
                         AddTallies(all, month);
                         return true;
                       },
                       &months);
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

TagTallies ListDiaryTags(const DiaryWalk& walk,
                         const std::function<void(const TagTallies&)>& early) {
  const std::vector<Month>& months = walk.Months();
  // The newest three months first, on their own, when their tags are wanted before the rest: a
  // season of writing, read in a few milliseconds even in a diary written every day.
  const size_t first = early ? std::min<size_t>(months.size(), 3) : 0;
  TagTallies all = TallyMonths(walk, {months.begin(), months.begin() + first});
  if (early && !walk.Cancelled()) early(all);
  AddTallies(all, TallyMonths(walk, {months.begin() + first, months.end()}));
  return all;
}

TagRenamePlan PlanTagRename(const DiaryWalk& walk, const QString& key, const QString& shown,
                            const QString& to) {
  TagRenamePlan all;
  walk.Map<TagRenamePlan>(
      [&](const Month& month) {
        TagRenamePlan plan;
        walk.ReadMonth(month, [&](const WalkedEntry& entry) {
          if (entry.unsaved != nullptr) return;  // a rename reads files only
          const std::string_view bytes = entry.text;
          if (std::memchr(bytes.data(), '#', bytes.size()) == nullptr) return;
          EntryText shownText = EntryBytesToText(bytes);
          int renamed = 0;
          const QString text = RenameTag(shownText.text, key, shown, to, &renamed);
          if (renamed == 0) return;
          // Only the tag's characters may change: the entry stays in its encoding, and its new
          // bytes read back as the new text, so that renaming back gives the bytes it had.
          EntryFormat format = shownText.format;
          std::string out = EntryTextToBytes(text, format);
          const EntryText again = EntryBytesToText(out);
          if (format.encoding != shownText.format.encoding ||
              again.format.encoding != format.encoding || again.text != text) {
            plan.encoding.push_back(entry.key);
            return;
          }
          plan.entries.push_back({entry.key, true, HashBytes(entry.disk), std::move(out),
                                  std::string(entry.file.substr(bytes.size()))});
        });
        return plan;
      },
      [&](TagRenamePlan& month) {
        std::move(month.entries.begin(), month.entries.end(), std::back_inserter(all.entries));
        all.encoding.insert(all.encoding.end(), month.encoding.begin(), month.encoding.end());
        return true;
      });
  return all;
}

}  // namespace marrowleaf
