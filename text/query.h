// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <utility>
#include <vector>

// What a query asks for and where a text holds it. Every word of the query must occur, in any
// order; quotation marks make a phrase one word: "ASCII", „German“, “English”, «French»,
// 「Japanese」 and their single forms. Case is ignored by Unicode simple case folding; text
// without spaces (Japanese) matches as substrings. A word that is a tag ("#trip") finds that tag
// and the tags nested under it ("#Trip", "#trip/kyoto"), never a longer one ("#tripod").
namespace marrowleaf {

struct SearchQuery {
  std::vector<QString> terms;  // case-folded, none empty
  std::vector<QString> tags;   // those of the terms that are tags, as written there ("#trip")
};

SearchQuery ParseQuery(const QString& text);
// The query as typed, without the quotation marks around it when it is one phrase alone: what a
// message that quotes the query shows inside its own marks.
QString WithoutOuterQuotes(const QString& text);

struct TextMatch {
  bool found = false;
  qsizetype start = -1;  // the first occurrence of any term
  qsizetype length = 0;
  qsizetype lineStart = 0;  // the line that holds it
  qsizetype lineLength = 0;
  std::vector<std::pair<qsizetype, qsizetype>> marks;  // every term's occurrences in that line
};

// Matches a text as the text area shows it (lines end in '\n').
TextMatch MatchText(const QString& text, const SearchQuery& query);

}  // namespace marrowleaf
