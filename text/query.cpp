// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/query.h"

#include <algorithm>
#include <string_view>

#include "text/tags.h"

namespace marrowleaf {

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

}  // namespace marrowleaf
