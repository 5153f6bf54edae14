// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/words.h"

#include <gtest/gtest.h>

#include "entries/entrytext.h"

namespace {

using namespace marrowleaf;

std::vector<std::string> Words(const char* text, qsizetype from = 0, qsizetype to = -1,
                               const WordCharacters& characters = WordCharacters()) {
  const QString s = QString::fromUtf8(text);
  std::vector<std::string> out;
  for (const WordSpan& w : CheckedWords(s, from, to, characters))
    out.push_back(s.mid(w.start, w.length).toStdString());
  return out;
}

// Word characters like those of Debian's German dictionary: letters, "-" and "." anywhere, and no
// apostrophe.
struct GermanCharacters : WordCharacters {
  bool InWord(char32_t c, WordPlace) const override {
    return QChar::isLetter(c) || c == U'-' || c == U'.';
  }
};

using V = std::vector<std::string>;

TEST(SpellWords, OnlyWordsADictionaryCanJudgeAreLookedUp) {
  const struct {
    const char* text;
    V words;
  } rows[] = {
      {"Teh rivr was hihg.", {"Teh", "rivr", "was", "hihg"}},
      {"It doesn't matter; l'eau, l\u2019eau.", {"It", "doesn't", "matter", "l'eau", "l\u2019eau"}},
      {"'quoted' words", {"quoted", "words"}},
      {"In 2026 on 3rd May at 10am", {"In", "on", "May", "at"}},
      {"NASA and the UN met I", {"and", "the", "met"}},
      {"see https://example.org/a_pag or www.exmple.com now", {"see", "or", "now"}},
      {"mail me@exmple.org, or (me@x.y) ok", {"mail", "or", "ok"}},
      {"日記：かな、カタカナ漢字。", {}},
      {"日記diary かなkana", {"diary", "kana"}},
      {"Stra\u00dfe \u00fcber na\u00efve", {"Stra\u00dfe", "\u00fcber", "na\u00efve"}},
      {"dogs' \u2019tis rock-'n'-roll -dash-", {"dogs", "tis", "rock-'n'-roll", "dash"}},
      {"\u30b3\u30fc\u30d2\u30fc coffee", {"coffee"}},  // a mark all scripts share
      {"", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(Words(row.text), row.words);
  }
  // A part of the text: the words it touches, each whole.
  EXPECT_EQ(Words("one two three four", 5, 9), (V{"two", "three"}));
  EXPECT_EQ(Words("see www.exmple.com now", 10, 11), V{});
  // Each dictionary cuts by its own word characters: a German one at every apostrophe.
  EXPECT_EQ(Words("Wie geht's? Gibt\u2019s z.B. Mutter-Kind.", 0, -1, GermanCharacters()),
            (V{"Wie", "geht", "s", "Gibt", "s", "z.B.", "Mutter-Kind."}));
}

TEST(SpellWords, BothApostrophesAreOne) {
  const auto forms = ApostropheForms(QString::fromUtf8("rock'n\u2019roll"));
  EXPECT_EQ(forms.first, QStringLiteral("rock'n'roll"));
  EXPECT_EQ(forms.second, QString::fromUtf8("rock\u2019n\u2019roll"));
  EXPECT_EQ(ApostropheForms(QStringLiteral("plain")).first, QStringLiteral("plain"));
}

// The diary's word count: each character of Chinese and Japanese a word, other words as the
// spell checker finds them, numbers and capitals included. Entries as bytes, decoded as the
// window decodes them.
TEST(SpellWords, WordsAreCountedAsTheSpellCheckerFindsThemAndCjkByCharacter) {
  const struct {
    const char* name;
    std::string bytes;
    int64_t words;
  } rows[] = {
      {"English", "It doesn't rain; we walked 3 miles.", 7},
      {"German", "Straße über Brücken, naïv!", 4},
      {"Japanese", "今日は晴れ。", 5},
      {"katakana and its long vowel", "ラーメン", 4},
      {"mixed", "一二三四五 six seven eight", 8},
      {"mixed without blanks", "日記diary", 3},
      {"Korean is written with blanks", "안녕 하세요", 2},
      {"CRLF", "one two\r\nthree\r\n\r\nfour", 4},
      {"Shift-JIS", "\x93\xfa\x8b\x4c entry", 3},
      {"half-width kana with voiced marks", "\xcc\xde\xd8\xdd", 3},                 // ﾌﾞﾘﾝ
      {"kana and han with combining marks", "\u304b\u3099\u304d \u3dfd\u07fd", 3},  // が き 㟽߽
      {"capitals, addresses", "NASA met me@example.org at www.example.com", 5},
      {"a picture's link, alt text and all", "we ![a harbour at dusk](a b/x.png) swam", 2},
      {"text that is no link", "![not] a link (photo)", 4},
      {"punctuation alone", "-- ... !!", 0},
      {"empty", "", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CountWords(DecodeText(row.bytes)), row.words);
  }
}

TEST(SpellWords, TheDictionaryFollowsTheLocale) {
  const QStringList installed{QStringLiteral("de_AT"), QStringLiteral("de_DE"),
                              QStringLiteral("en_GB"), QStringLiteral("en_US"),
                              QStringLiteral("fr")};
  const struct {
    const char* locale;
    const char* chosen;
  } rows[] = {{"de_DE.UTF-8", "de_DE"}, {"de_CH.UTF-8", "de_AT"}, {"fr_CA", "fr"},
              {"en_GB@euro", "en_GB"},  {"ja_JP.UTF-8", "en_US"}, {"C", "en_US"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.locale);
    EXPECT_EQ(ChooseSpellLanguage(QString::fromLatin1(row.locale), installed).toStdString(),
              row.chosen);
  }
  EXPECT_TRUE(ChooseSpellLanguage(QStringLiteral("ja_JP"), {QStringLiteral("de_DE")}).isEmpty());
  EXPECT_EQ(SpellLanguageName(QStringLiteral("en_US")), QStringLiteral("English (United States)"));
  EXPECT_EQ(SpellLanguageName(QStringLiteral("de_DE")), QStringLiteral("Deutsch (Deutschland)"));
  // What a working dictionary of the language must know; nothing where that is not known.
  const QStringList german = LanguageSampleWords(QStringLiteral("de_DE"));
  EXPECT_TRUE(german.contains(QStringLiteral("Montag")) && german.contains(QStringLiteral("März")))
      << german.join(QLatin1Char(' ')).toStdString();
  EXPECT_TRUE(LanguageSampleWords(QStringLiteral("en_US")).contains(QStringLiteral("January")));
  EXPECT_TRUE(LanguageSampleWords(QStringLiteral("ja_JP")).isEmpty());
  EXPECT_TRUE(LanguageSampleWords(QStringLiteral("xx_TEST")).isEmpty());
}

}  // namespace
