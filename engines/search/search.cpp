// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/search/search.h"

#include <string>
#include <string_view>

#include "entries/entrytext.h"

namespace marrowleaf {
namespace {

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

// The terms as bytes, where every one is plain ASCII: then the quick look at the bytes of ASCII
// entries serves; empty otherwise.
std::vector<std::string> AsciiTerms(const SearchQuery& query) {
  std::vector<std::string> terms;
  for (const QString& term : query.terms) {
    const QByteArray bytes = term.toUtf8();
    if (!AsciiOnly(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))) {
      return {};
    }
    terms.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
  }
  return terms;
}

}  // namespace

void SearchDiary(const DiaryWalk& walk, const SearchQuery& query,
                 const std::function<void(const SearchHit&)>& found) {
  if (query.terms.empty()) return;
  const std::vector<std::string> asciiTerms = AsciiTerms(query);
  // Each month's hits are found on the walk's pool and handed on month by month in order, so the
  // newest come first.
  walk.Map<std::vector<SearchHit>>(
      [&](const Month& month) {
        std::vector<SearchHit> hits;
        std::string lowered;  // an ASCII entry folded
        walk.ReadMonth(month, [&](const WalkedEntry& entry) {
          if (entry.unsaved == nullptr) {
            // A quick test first (on the bytes of an ASCII entry, else on the decoded text);
            // only a hit pays for the text area's form.
            if (!asciiTerms.empty() && AsciiOnly(entry.text)) {
              if (!AsciiContainsAll(entry.text, asciiTerms, lowered)) return;
            } else if (!FoldedContainsAll(DecodeText(entry.text).toCaseFolded(), query)) {
              return;
            }
          }
          const QString shown = entry.Shown();
          TextMatch match = MatchText(shown, query);
          if (!match.found) return;
          hits.push_back({entry.key, shown.mid(match.lineStart, match.lineLength),
                          std::move(match.marks), match.start, match.length,
                          entry.unsaved != nullptr});
        });
        return hits;
      },
      [&](std::vector<SearchHit>& hits) {
        for (const SearchHit& hit : hits) {
          if (walk.Cancelled()) return false;
          found(hit);
        }
        return true;
      });
}

}  // namespace marrowleaf
