// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/search.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "entries/entrytext.h"
#include "entries/monthlisting.h"

namespace marrowleaf {
namespace {

// The numbers a folder's names stand for (decimal, no leading zeros, 1 to `limit`), newest first.
std::vector<int> NumberedFolders(const std::string& path, int limit) {
  std::vector<int> numbers;
  ListFolder(
      path,
      [&](std::string_view name) {
        if (name.empty() || name.size() > 4 || name[0] == '0') return false;
        int value = 0;
        for (const char c : name) {
          if (c < '0' || c > '9') return false;
          value = value * 10 + (c - '0');
        }
        if (value < 1 || value > limit) return false;
        numbers.push_back(value);
        return false;  // the name says all; no need to look at the item
      },
      [](std::string_view, bool) {});
  std::sort(numbers.begin(), numbers.end(), std::greater<>());
  return numbers;
}

bool AsciiOnly(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// For text that is plain ASCII (most diaries), folding is ASCII folding: the terms are looked
// for in the bytes themselves, and only entries that hold them all are decoded.
bool AsciiContainsAll(std::string_view bytes, const std::vector<std::string>& terms,
                      std::string& lowered) {
  lowered.assign(bytes);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  for (const std::string& term : terms) {
    if (lowered.find(term) == std::string::npos) return false;
  }
  return true;
}

bool FoldedContainsAll(const QString& folded, const SearchQuery& query) {
  for (const QString& term : query.terms) {
    if (!folded.contains(term)) return false;
  }
  return true;
}

}  // namespace

SearchQuery ParseQuery(const QString& text) {
  SearchQuery query;
  QString word;
  bool quoted = false;
  const auto flush = [&] {
    if (!word.isEmpty()) query.terms.push_back(word.toCaseFolded());
    word.clear();
  };
  for (const QChar c : text) {
    if (c == QLatin1Char('"')) {
      flush();
      quoted = !quoted;
    } else if (!quoted && c.isSpace()) {
      flush();
    } else {
      word.append(c);
    }
  }
  flush();  // an unclosed quote runs to the end
  // Equal terms count once.
  std::sort(query.terms.begin(), query.terms.end());
  query.terms.erase(std::unique(query.terms.begin(), query.terms.end()), query.terms.end());
  return query;
}

TextMatch MatchText(const QString& text, const SearchQuery& query) {
  TextMatch match;
  if (query.terms.empty()) return match;
  // Simple case folding keeps every character's length, so positions in the folded text are
  // positions in the text.
  const QString folded = text.toCaseFolded();
  for (const QString& term : query.terms) {
    const qsizetype at = folded.indexOf(term);
    if (at < 0) return match;
    if (match.start < 0 || at < match.start) {
      match.start = at;
      match.length = term.size();
    }
  }
  match.found = true;
  // The line holding the match's first character (a phrase may begin with a line break).
  match.lineStart = match.start == 0 ? 0 : text.lastIndexOf(QLatin1Char('\n'), match.start - 1) + 1;
  const qsizetype end = text.indexOf(QLatin1Char('\n'), match.start);
  match.lineLength = (end < 0 ? text.size() : end) - match.lineStart;
  const QString line = folded.mid(match.lineStart, match.lineLength);
  for (const QString& term : query.terms) {
    for (qsizetype at = line.indexOf(term); at >= 0; at = line.indexOf(term, at + term.size())) {
      match.marks.emplace_back(at, term.size());
    }
  }
  std::sort(match.marks.begin(), match.marks.end());
  return match;
}

namespace {

struct Scan {
  const std::string& saveDir;
  int tabCount;
  const SearchQuery& query;
  std::vector<std::string> asciiTerms;  // empty unless every term is plain ASCII
  const std::atomic<bool>& cancelled;
};

// One month's hits, days newest first and tabs in order. `buffer` and `lowered` are the
// scanner's own, reused from month to month.
std::vector<SearchHit> ScanMonth(const Scan& scan, int year, int month, std::string& buffer,
                                 std::string& lowered) {
  std::vector<SearchHit> hits;
  const std::string monthDir =
      scan.saveDir + '/' + std::to_string(year) + '/' + std::to_string(month);
  std::vector<std::pair<int, int>> entries;  // (day, tab)
  ListFolder(
      monthDir,
      [&](std::string_view name) {
        const int day = EntryDay(name, scan.tabCount);
        if (day == 0) return false;
        const size_t underscore = name.find('_');
        entries.emplace_back(day, std::atoi(std::string(name.substr(underscore + 1)).c_str()));
        return false;
      },
      [](std::string_view, bool) {});
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  FolderReader reader(monthDir);
  for (const auto& [day, tab] : entries) {
    if (scan.cancelled.load(std::memory_order_relaxed)) break;
    const EntryKey key{static_cast<uint16_t>(year), static_cast<uint16_t>(month),
                       static_cast<uint16_t>(day), tab};
    if (!reader.Read(std::to_string(day) + '_' + std::to_string(tab) + ".txt", buffer)) continue;
    std::string_view bytes(buffer);
    if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
      bytes = bytes.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()));
    }
    // A quick test first (on the bytes of an ASCII entry, else on the decoded text); only a
    // hit pays for the text area's form.
    if (!scan.asciiTerms.empty() && AsciiOnly(bytes)) {
      if (!AsciiContainsAll(bytes, scan.asciiTerms, lowered)) continue;
    } else if (!FoldedContainsAll(DecodeText(bytes).toCaseFolded(), scan.query)) {
      continue;
    }
    const QString shown = EntryBytesToText(bytes).text;
    TextMatch match = MatchText(shown, scan.query);
    if (!match.found) continue;
    hits.push_back({key, shown.mid(match.lineStart, match.lineLength), std::move(match.marks),
                    match.start, match.length});
  }
  return hits;
}

}  // namespace

void SearchDiary(const std::string& saveDir, int tabCount, const SearchQuery& query,
                 const std::atomic<bool>& cancelled,
                 const std::function<void(const SearchHit&)>& found) {
  if (query.terms.empty() || tabCount <= 0) return;
  Scan scan{saveDir, tabCount, query, {}, cancelled};
  // Terms that are plain ASCII allow the quick look at the bytes of ASCII entries.
  for (const QString& term : query.terms) {
    const QByteArray bytes = term.toUtf8();
    if (!AsciiOnly(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))) {
      scan.asciiTerms.clear();
      break;
    }
    scan.asciiTerms.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
  }
  std::vector<std::pair<int, int>> months;  // newest first
  for (const int year : NumberedFolders(saveDir, 9999)) {
    for (const int month : NumberedFolders(saveDir + '/' + std::to_string(year), 12)) {
      months.emplace_back(year, month);
    }
  }
  if (months.empty()) return;

  // The months are shared out between this thread and the helpers, each taking the next one in
  // turn: the files' opening and reading, which is most of the work, happens on every core.
  // Only this thread calls `found`, month by month in order, so the newest hits come first. No
  // scanner runs more than kAhead months ahead of those handed on, which bounds the hits held.
  constexpr size_t kAhead = 16;
  std::mutex lock;
  std::condition_variable progress;
  std::vector<std::optional<std::vector<SearchHit>>> done(months.size());
  size_t next = 0;    // the next month to take
  size_t handed = 0;  // months before this one are handed on
  // Takes the next month, or false when none is left or the search is cancelled.
  const auto take = [&](size_t& index, bool wait) {
    std::unique_lock<std::mutex> held(lock);
    if (wait) {
      progress.wait(held, [&] {
        return next >= months.size() || next < handed + kAhead ||
               cancelled.load(std::memory_order_relaxed);
      });
    }
    if (next >= months.size() || cancelled.load(std::memory_order_relaxed)) return false;
    index = next++;
    return true;
  };
  const auto scanInto = [&](size_t index, std::string& buffer, std::string& lowered) {
    std::vector<SearchHit> hits =
        ScanMonth(scan, months[index].first, months[index].second, buffer, lowered);
    const std::lock_guard<std::mutex> held(lock);
    done[index] = std::move(hits);
    progress.notify_all();
  };
  const auto handOn = [&] {
    for (;;) {
      std::vector<SearchHit> hits;
      {
        const std::lock_guard<std::mutex> held(lock);
        if (handed >= done.size() || !done[handed]) return;
        hits = std::move(*done[handed]);
        done[handed].reset();
        ++handed;
        progress.notify_all();
      }
      for (const SearchHit& hit : hits) {
        if (cancelled.load(std::memory_order_relaxed)) return;
        found(hit);
      }
    }
  };

  const unsigned cores = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
  std::vector<std::thread> helpers;
  helpers.reserve(cores);
  for (unsigned i = 1; i < cores && i < months.size(); ++i) {
    try {
      helpers.emplace_back([&] {
        std::string buffer;
        std::string lowered;
        for (size_t index = 0; take(index, true);) scanInto(index, buffer, lowered);
      });
    } catch (const std::system_error&) {
      break;  // no thread to be had: the months left are this thread's
    }
  }
  std::string buffer;
  std::string lowered;
  for (size_t index = 0; take(index, false);) {
    scanInto(index, buffer, lowered);
    handOn();
  }
  // The helpers' last months.
  for (;;) {
    handOn();
    std::unique_lock<std::mutex> held(lock);
    if (handed >= done.size() || cancelled.load(std::memory_order_relaxed)) break;
    progress.wait(held, [&] {
      return done[handed].has_value() || cancelled.load(std::memory_order_relaxed);
    });
  }
  {
    const std::lock_guard<std::mutex> held(lock);
    progress.notify_all();
  }
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace marrowleaf
