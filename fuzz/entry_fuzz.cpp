// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as an entry file. Besides not crashing: the text is the bytes up to the first
// NUL; shown and turned back into bytes it is the same text; saved and read again it is too. The
// text is also taken as a query and as an entry's name, its words and characters counted, and its
// picture links found.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "crypto/sealing.h"
#include "engines/lookback/lookback.h"
#include "engines/search/search.h"
#include "entries/entryfiles.h"
#include "entries/entrytext.h"
#include "fuzzfile.h"
#include "text/links.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzDir() + "/8_0.txt";
  WriteFuzzFile(path, data, size);
  const marrowleaf::EntryRead read = marrowleaf::ReadEntryFile(path);
  // Bytes that start as a sealed file do not open in a diary without a key, and say so.
  if (marrowleaf::LooksSealed(std::string_view(reinterpret_cast<const char*>(data), size))) {
    FUZZ_CHECK(!read.ok && !read.error.empty() && read.text.empty());
    return 0;
  }
  FUZZ_CHECK(read.ok);
  const void* nul = std::memchr(data, 0, size);
  const size_t length = nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - data) : size;
  FUZZ_CHECK(read.text == std::string(reinterpret_cast<const char*>(data), length));

  const marrowleaf::EntryText shown = marrowleaf::EntryBytesToText(read.text);
  marrowleaf::EntryFormat format = shown.format;
  const std::string back = marrowleaf::EntryTextToBytes(shown.text, format);
  FUZZ_CHECK(back == read.text);
  FUZZ_CHECK(format.encoding == shown.format.encoding);

  // The same bytes as a search query: parsing and matching never fail, and a match holds every
  // term of the query.
  const marrowleaf::SearchQuery query = marrowleaf::ParseQuery(marrowleaf::DecodeText(read.text));
  const marrowleaf::TextMatch match = marrowleaf::MatchText(shown.text, query);
  if (match.found) {
    const QString folded = shown.text.toCaseFolded();
    for (const QString& term : query.terms) FUZZ_CHECK(!term.isEmpty() && folded.contains(term));
    FUZZ_CHECK(match.lineStart <= match.start && match.start + match.length <= shown.text.size());
  }

  // Counted for the look back: every word holds a character, and only text that holds more than
  // blanks holds words.
  const marrowleaf::TextCount count = marrowleaf::CountText(read.text);
  FUZZ_CHECK(count.words >= 0 && count.words <= count.characters);
  FUZZ_CHECK(count.written || count.words == 0);

  // Picture links: in order, apart, each on one line, its alt text and path inside it.
  qsizetype end = 0;
  for (const marrowleaf::PictureLink& link : marrowleaf::FindPictureLinks(shown.text)) {
    FUZZ_CHECK(link.start >= end && link.start + link.length <= shown.text.size());
    FUZZ_CHECK(link.altStart > link.start && link.pathStart > link.altStart + link.altLength);
    FUZZ_CHECK(link.pathLength > 0 && link.pathStart + link.pathLength < link.start + link.length);
    FUZZ_CHECK(!shown.text.mid(link.start, link.length).contains(QLatin1Char('\n')));
    end = link.start + link.length;
  }

  // The same bytes as a name a diary folder may hold: a name taken as an entry's is the name its
  // key is written as.
  const std::string_view name(read.text);
  if (const auto key = marrowleaf::ParseEntryPath(name)) {
    const std::string built = marrowleaf::EntryRelativePath(*key);
    FUZZ_CHECK(name.size() >= built.size() && name.substr(name.size() - built.size()) == built);
  }
  if (const auto entry = marrowleaf::ParseEntryName(name, 1000)) {
    const std::string built =
        marrowleaf::EntryFileName(static_cast<uint16_t>(entry->day), entry->tab);
    FUZZ_CHECK(entry->conflict || name == built);
  }

  FUZZ_CHECK(marrowleaf::WriteEntryFile(path, back).ok);
  const marrowleaf::EntryRead again = marrowleaf::ReadEntryFile(path);
  FUZZ_CHECK(again.ok && again.text == read.text);
  return 0;
}
