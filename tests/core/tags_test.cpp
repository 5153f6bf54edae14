// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/tags.h"

#include <gtest/gtest.h>

#include "entries/entrytext.h"

namespace {

using namespace marrowleaf;
using V = std::vector<std::string>;

V Tags(const QString& text) {
  V out;
  for (const TagSpan& t : FindTags(text)) out.push_back(text.mid(t.start, t.length).toStdString());
  return out;
}

// Each row: an entry's bytes and the tags its text holds, whether the text comes as the text
// area shows it (CR LF made LF, Shift-JIS decoded) or as the bytes decode (CR LF kept).
TEST(Tags, ATagIsAHashAndANameWithALetterAfterABlankOrPunctuation) {
  const struct {
    const char* bytes;
    V tags;
  } rows[] = {
      {"#river", {"#river"}},
      {"went to #trip/kyoto today", {"#trip/kyoto"}},
      {"#日記 #Anna #a-b_c #1st", {"#日記", "#Anna", "#a-b_c", "#1st"}},
      {"# Heading\n## Notes\n##Notes\n#", {}},                   // Markdown headings
      {"#fff #a1b2c3 #FFF", {}},                                 // colours
      {"#fade #a1b2c3d #bad_", {"#fade", "#a1b2c3d", "#bad_"}},  // no colour's length or digits
      {"#1 #2024 #2024-05 #_-", {}},                             // numbers: no letter
      {"C# and F#, C#minor", {}},                                // inside a word
      {"page.html#top https://example.org/#top www #ok", {"#ok"}},
      {"(#river), \"#Anna\". *#bold* 😀#happy", {"#river", "#Anna", "#bold", "#happy"}},
      {"「#日記」、#旅行。今日は#散歩", {"#日記", "#旅行"}},  // CJK punctuation; in a word no tag
      {"#river.\r\n#stream\r\n#end", {"#river", "#stream", "#end"}},  // CR LF
      {"#trip/ #a//b #/x trip/#kyoto foo_#bar &#x2F; a-#b", {"#trip"}},
      {"#cafe\xcc\x81 #\xf0\xa0\xae\xb7野家", {"#cafe\xcc\x81", "#\xf0\xa0\xae\xb7野家"}},
      {"\x81u#\x97\xb7\x8ds\x81v #\x93\xfa\x8bL", {"#旅行", "#日記"}},  // Shift-JIS
      {"![#dusk](trip #kyoto.png) #after", {"#dusk", "#after"}},        // none in a picture's path
      {"", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.bytes);
    EXPECT_EQ(Tags(EntryBytesToText(row.bytes).text), row.tags);
    EXPECT_EQ(Tags(DecodeText(row.bytes)), row.tags);
  }
  EXPECT_TRUE(IsTag(u"#trip/kyoto"));
  for (const char16_t* no : {u"river", u"#fff", u"#river,", u"#", u"# a", u"#1"}) {
    EXPECT_FALSE(IsTag(no)) << QString::fromUtf16(no).toStdString();
  }
}

TEST(Tags, TagsCompareByTheirKeyAndANestedTagBelongsToItsParent) {
  EXPECT_EQ(TagKey(u"#River"), QStringLiteral("river"));
  EXPECT_EQ(TagKey(u"river"), QStringLiteral("river"));
  EXPECT_EQ(TagKey(u"#ÄRGER/Büro"), QString::fromUtf8("ärger/büro"));
  const struct {
    const char16_t* key;
    const char16_t* wanted;
    bool belongs;
  } rows[] = {
      {u"trip", u"trip", true},
      {u"trip/kyoto", u"trip", true},
      {u"trip/kyoto/gion", u"trip", true},
      {u"tripod", u"trip", false},
      {u"trip", u"trip/kyoto", false},
      {u"trip-kyoto", u"trip", false},
  };
  for (const auto& row : rows) EXPECT_EQ(TagBelongsTo(row.key, row.wanted), row.belongs);
}

TEST(Tags, ANameFromAnotherProgramBecomesATagOrNothing) {
  const struct {
    const char* name;
    const char* tag;
  } rows[] = {
      {"my trip", "#my_trip"},
      {"Work", "#Work"},
      {"home", "#home"},
      {"  spaced   out ", "#spaced_out"},
      {"Mom & Dad", "#Mom_Dad"},
      {"C++", "#C"},
      {"rock'n'roll", "#rock_n_roll"},
      {"/trip//kyoto/", "#trip/kyoto"},
      {"日記", "#日記"},
      {"#work", "#work"},
      {"-draft", "#draft"},
      {"well-being", "#well-being"},
      {"_private", "#_private"},
      {"2024/kyoto", "#2024/kyoto"},
      {"2024", "#tag_2024"},
      {"fff", "#tag_fff"},
      {"a1b2c3", "#tag_a1b2c3"},
      {"20 24", "#tag_20_24"},
      {"", ""},
      {"!!!", ""},
      {"/", ""},
      {"___", ""},
      {" - ", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const QString tag = TagTextFromName(QString::fromUtf8(row.name));
    EXPECT_EQ(tag.toStdString(), row.tag);
    EXPECT_TRUE(tag.isEmpty() || IsTag(tag));
  }
}

}  // namespace
