// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/links.h"

#include <algorithm>

namespace marrowleaf {
namespace {

bool IsBreak(QChar c) {
  const char16_t u = c.unicode();
  return u == u'\n' || u == u'\r' || u == 0x2028 || u == 0x2029;
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Whether the character at `at` is escaped: an odd number of '\' stands right before it.
bool Escaped(QStringView text, qsizetype at) {
  qsizetype slashes = 0;
  while (at - slashes > 0 && text[at - slashes - 1] == u'\\') ++slashes;
  return slashes % 2 == 1;
}

// The end of the alt text that starts at `at`: its ']', or -1 where the line ends first.
qsizetype AltEnd(QStringView text, qsizetype at) {
  for (; at < text.size() && !IsBreak(text[at]); ++at) {
    if (text[at] == u'\\' && at + 1 < text.size() && !IsBreak(text[at + 1])) {
      ++at;
    } else if (text[at] == u']') {
      return at;
    }
  }
  return -1;
}

// The ')' that closes the parentheses opened before `at`, parentheses inside pairing up; -1 where
// the line ends first.
qsizetype ClosingParenthesis(QStringView text, qsizetype at) {
  int depth = 0;
  for (; at < text.size() && !IsBreak(text[at]); ++at) {
    const QChar c = text[at];
    if (c == u'\\' && at + 1 < text.size() && !IsBreak(text[at + 1])) {
      ++at;
    } else if (c == u'(') {
      ++depth;
    } else if (c == u')') {
      if (depth == 0) return at;
      --depth;
    }
  }
  return -1;
}

// [from, to) without the blanks at either end.
void Trim(QStringView text, qsizetype& from, qsizetype& to) {
  while (from < to && IsBlank(text[from])) ++from;
  while (to > from && IsBlank(text[to - 1])) --to;
}

// [from, to) without a title in quotes after a blank at its end ("x.png "Dusk"").
void DropTitle(QStringView text, qsizetype from, qsizetype& to) {
  if (to - from < 3) return;
  const QChar quote = text[to - 1];
  if (quote != u'"' && quote != u'\'') return;
  for (qsizetype open = to - 2; open > from; --open) {
    if (text[open] == quote && IsBlank(text[open - 1])) {
      qsizetype end = open;
      while (end > from && IsBlank(text[end - 1])) --end;
      to = end;
      return;
    }
  }
}

}  // namespace

std::vector<PictureLink> FindPictureLinks(QStringView text) {
  std::vector<PictureLink> links;
  qsizetype next = 0;
  for (qsizetype bang = text.indexOf(u"!["); bang >= 0; bang = text.indexOf(u"![", next)) {
    next = bang + 1;
    if (Escaped(text, bang)) continue;
    const qsizetype altStart = bang + 2;
    const qsizetype altEnd = AltEnd(text, altStart);
    if (altEnd < 0 || altEnd + 1 >= text.size() || text[altEnd + 1] != u'(') continue;
    const qsizetype open = altEnd + 1;
    qsizetype from = open + 1;
    while (from < text.size() && IsBlank(text[from])) ++from;
    qsizetype to = 0;
    qsizetype close = 0;
    if (from < text.size() && text[from] == u'<') {
      // <path>: anything but a line break and '>' inside, then the ')' after blanks or a title.
      qsizetype end = from + 1;
      while (end < text.size() && text[end] != u'>' && !IsBreak(text[end])) ++end;
      if (end >= text.size() || text[end] != u'>') continue;
      close = ClosingParenthesis(text, end + 1);
      if (close < 0) continue;
      ++from;
      to = end;
    } else {
      close = ClosingParenthesis(text, from);
      if (close < 0) continue;
      to = close;
      Trim(text, from, to);
      DropTitle(text, from, to);
    }
    if (to <= from) continue;  // "![]()" names nothing
    links.push_back({bang, close + 1 - bang, altStart, altEnd - altStart, from, to - from});
    next = close + 1;
  }
  return links;
}

bool InLinkPath(const std::vector<PictureLink>& links, qsizetype at) {
  const auto after = std::upper_bound(
      links.begin(), links.end(), at,
      [](qsizetype position, const PictureLink& link) { return position < link.start; });
  if (after == links.begin()) return false;
  const PictureLink& link = *(after - 1);
  return at >= link.pathStart && at < link.pathStart + link.pathLength;
}

}  // namespace marrowleaf
