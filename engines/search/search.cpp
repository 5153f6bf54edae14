// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/search/search.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstring>
#include <deque>
#include <string_view>
#include <tuple>

#include "entries/entrytext.h"
#include "text/tags.h"

namespace marrowleaf {
namespace {

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

namespace {

// The quotation marks that make a phrase, as the languages of the world write them: each opening
// mark with the marks that close it. Single marks double as apostrophes ("don’t", "geht‘s"), so
// they open only at a word's start and close only at its end.
struct QuotePair {
  char16_t open;
  std::u16string_view close;
  bool single;
};
constexpr QuotePair kQuotes[] = {
    {u'"', u"\"", false},
    {u'\u201E', u"\u201C\u201D", false},  // „…“ „…” German, Polish, Czech...
    {u'\u201C', u"\u201D\u201C", false},  // “…” English; “…“ typed in haste
    {u'\u201D', u"\u201D", false},        // ”…” Swedish, Finnish
    {u'\u00AB', u"\u00BB", false},        // «…» French, Russian...
    {u'\u00BB', u"\u00AB\u00BB", false},  // »…« German, Danish; »…» Swedish
    {u'\u300C', u"\u300D", false},        // 「…」 Japanese
    {u'\u300E', u"\u300F", false},        // 『…』 Japanese, a quote within a quote
    {u'\uFF02', u"\uFF02", false},        // ＂…＂ full-width
    {u'\u201A', u"\u2018\u2019", true},   // ‚…‘ German single
    {u'\u2018', u"\u2019", true},         // ‘…’ English single
    {u'\u2039', u"\u203A", true},         // ‹…› French single
    {u'\u203A', u"\u2039", true},         // ›…‹ German single
};

const QuotePair* Opening(QChar c) {
  for (const QuotePair& pair : kQuotes) {
    if (pair.open == c.unicode()) return &pair;
  }
  return nullptr;
}

bool AtWordEdge(const QString& text, qsizetype at) {
  return at < 0 || at >= text.size() || text[at].isSpace();
}

}  // namespace

SearchQuery ParseQuery(const QString& text) {
  SearchQuery query;
  QString word;
  const QuotePair* quote = nullptr;  // the phrase's opening mark, while in a phrase
  const auto flush = [&] {
    if (!word.isEmpty()) query.terms.push_back(word.toCaseFolded());
    word.clear();
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quote != nullptr) {
      if (quote->close.find(c.unicode()) != std::u16string_view::npos &&
          (!quote->single || AtWordEdge(text, i + 1))) {
        flush();
        quote = nullptr;
      } else {
        word.append(c);
      }
    } else if (const QuotePair* pair = Opening(c);
               pair != nullptr && (!pair->single || AtWordEdge(text, i - 1))) {
      flush();
      quote = pair;
    } else if (c.isSpace()) {
      flush();
    } else {
      word.append(c);
    }
  }
  flush();  // an unclosed quote runs to the end
  // Equal terms count once.
  std::sort(query.terms.begin(), query.terms.end());
  query.terms.erase(std::unique(query.terms.begin(), query.terms.end()), query.terms.end());
  for (const QString& term : query.terms) {
    if (IsTag(term)) query.tags.push_back(term);
  }
  return query;
}

QString WithoutOuterQuotes(const QString& text) {
  const QString query = text.trimmed();
  const QuotePair* pair = query.size() >= 2 ? Opening(query.front()) : nullptr;
  if (pair == nullptr || pair->close.find(query.back().unicode()) == std::u16string_view::npos) {
    return query;
  }
  // One phrase, nothing after it: the marks around it are all that is dropped.
  const QString inside = query.mid(1, query.size() - 2);
  const SearchQuery whole = ParseQuery(query);
  if (whole.terms.size() != 1 || whole.terms.front() != inside.toCaseFolded()) return query;
  return inside;
}

namespace {

// Where `term` occurs in the folded text: as a tag (the tag itself or one nested under it) when
// it is one, else anywhere. `tags` are the text's, found once.
std::vector<std::pair<qsizetype, qsizetype>> Occurrences(const QString& folded, const QString& term,
                                                         bool tag, const std::vector<TagSpan>& tags,
                                                         qsizetype from, qsizetype to) {
  std::vector<std::pair<qsizetype, qsizetype>> out;
  if (tag) {
    const QStringView wanted = QStringView(term).sliced(1);
    for (const TagSpan& t : tags) {
      if (t.start < from || t.start >= to) continue;
      if (TagBelongsTo(QStringView(folded).sliced(t.start + 1, t.length - 1), wanted)) {
        out.emplace_back(t.start, t.length);
      }
    }
    return out;
  }
  for (qsizetype at = folded.indexOf(term, from); at >= 0 && at + term.size() <= to;
       at = folded.indexOf(term, at + term.size())) {
    out.emplace_back(at, term.size());
  }
  return out;
}

}  // namespace

TextMatch MatchText(const QString& text, const SearchQuery& query) {
  TextMatch match;
  if (query.terms.empty()) return match;
  // Simple case folding keeps every character's length, so positions in the folded text are
  // positions in the text.
  const QString folded = text.toCaseFolded();
  const auto isTag = [&](const QString& term) {
    return std::find(query.tags.begin(), query.tags.end(), term) != query.tags.end();
  };
  const std::vector<TagSpan> tags = query.tags.empty() ? std::vector<TagSpan>() : FindTags(text);
  for (const QString& term : query.terms) {
    const bool tag = isTag(term);
    qsizetype at = -1;
    qsizetype length = term.size();
    if (tag) {
      const auto found = Occurrences(folded, term, true, tags, 0, folded.size());
      if (!found.empty()) std::tie(at, length) = found.front();
    } else {
      at = folded.indexOf(term);
    }
    if (at < 0) return match;
    if (match.start < 0 || at < match.start) {
      match.start = at;
      match.length = length;
    }
  }
  match.found = true;
  // The line holding the match's first character (a phrase may begin with a line break).
  match.lineStart = match.start == 0 ? 0 : text.lastIndexOf(QLatin1Char('\n'), match.start - 1) + 1;
  const qsizetype end = text.indexOf(QLatin1Char('\n'), match.start);
  match.lineLength = (end < 0 ? text.size() : end) - match.lineStart;
  for (const QString& term : query.terms) {
    for (const auto& [at, length] : Occurrences(folded, term, isTag(term), tags, match.lineStart,
                                                match.lineStart + match.lineLength)) {
      match.marks.emplace_back(at - match.lineStart, length);
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
  const UnsavedEntry* unsaved;
};

// One month's hits, days newest first and tabs in order.
std::vector<SearchHit> ScanMonth(const Scan& scan, uint16_t year, uint16_t month) {
  std::string lowered;  // an ASCII entry folded
  std::vector<SearchHit> hits;
  std::vector<std::pair<int, int>> entries;  // (day, tab)
  ListMonthEntries(scan.saveDir, year, month, scan.tabCount, [&](const EntryName& name, bool) {
    if (!name.conflict) entries.emplace_back(name.day, name.tab);
  });
  const UnsavedEntry* unsaved = scan.unsaved;
  const bool unsavedHere = unsaved != nullptr && unsaved->key.year == year &&
                           unsaved->key.month == month && unsaved->key.tab < scan.tabCount;
  const std::pair<int, int> unsavedAt =
      unsavedHere ? std::pair<int, int>(unsaved->key.day, unsaved->key.tab) : std::pair(0, 0);
  if (unsavedHere && std::find(entries.begin(), entries.end(), unsavedAt) == entries.end()) {
    entries.push_back(unsavedAt);  // typed text whose file is gone
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  FolderReader reader(MonthDirectory(scan.saveDir, year, month));
  for (const auto& [day, tab] : entries) {
    if (scan.cancelled.load(std::memory_order_relaxed)) break;
    const EntryKey key{year, month, static_cast<uint16_t>(day), tab};
    if (unsavedHere && std::pair(day, tab) == unsavedAt) {
      TextMatch match = MatchText(unsaved->text, scan.query);
      if (match.found) {
        hits.push_back({key, unsaved->text.mid(match.lineStart, match.lineLength),
                        std::move(match.marks), match.start, match.length, true});
      }
      continue;
    }
    std::string_view bytes;
    if (!reader.Read(EntryFileName(key.day, tab), bytes)) continue;
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
                    match.start, match.length, false});
  }
  return hits;
}

}  // namespace

void SearchDiary(const std::string& saveDir, int tabCount, const SearchQuery& query,
                 const std::atomic<bool>& cancelled,
                 const std::function<void(const SearchHit&)>& found, const UnsavedEntry* unsaved) {
  if (query.terms.empty() || tabCount <= 0) return;
  Scan scan{saveDir, tabCount, query, {}, cancelled, unsaved};
  // Terms that are plain ASCII allow the quick look at the bytes of ASCII entries.
  for (const QString& term : query.terms) {
    const QByteArray bytes = term.toUtf8();
    if (!AsciiOnly(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))) {
      scan.asciiTerms.clear();
      break;
    }
    scan.asciiTerms.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
  }
  std::vector<std::pair<uint16_t, uint16_t>> months = DiaryMonths(saveDir, Order::kNewestFirst);
  if (unsaved != nullptr) {
    const std::pair<uint16_t, uint16_t> month(unsaved->key.year, unsaved->key.month);
    const auto at = std::lower_bound(months.begin(), months.end(), month, std::greater<>());
    if (at == months.end() || *at != month) months.insert(at, month);  // its folder is gone
  }
  // The months are scanned on a pool of every core (opening and reading the files is most of
  // the work), at most kAhead months ahead of the one handed on; this thread hands the hits on
  // month by month in order, so the newest come first, and takes a month that no thread of the
  // pool has started yet when it waits for it.
  constexpr size_t kAhead = 16;
  QThreadPool pool;
  pool.setMaxThreadCount(std::max(1, std::min(4, QThread::idealThreadCount())));
  std::deque<QFuture<std::vector<SearchHit>>> ahead;
  size_t next = 0;
  const auto startNext = [&] {
    const auto [year, month] = months[next++];
    ahead.push_back(QtConcurrent::run(
        &pool, [&scan, year = year, month = month] { return ScanMonth(scan, year, month); }));
  };
  while (next < months.size() && ahead.size() < kAhead) startNext();
  while (!ahead.empty() && !cancelled.load(std::memory_order_relaxed)) {
    const std::vector<SearchHit> hits = ahead.front().result();
    ahead.pop_front();
    if (next < months.size()) startNext();
    for (const SearchHit& hit : hits) {
      if (cancelled.load(std::memory_order_relaxed)) break;
      found(hit);
    }
  }
  // Months not started are dropped; those under way see `cancelled` and end at their next entry,
  // and the pool waits for them.
  pool.clear();
}

}  // namespace marrowleaf
