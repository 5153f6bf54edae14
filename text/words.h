// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// The rules of spell checking that need no window and no dictionary: which words of a text are
// looked up, and which installed dictionary a user gets by default.
namespace marrowleaf {

struct WordSpan {
  qsizetype start = 0;
  qsizetype length = 0;
  bool operator==(const WordSpan& o) const { return start == o.start && length == o.length; }
};

// Where a character stands in a word, as a spell checker cuts a text into words.
enum class WordPlace { kStart, kMiddle, kEnd };

// Which characters a dictionary takes as part of a word: each dictionary has its own (a German
// one takes "-" and "." but no apostrophe, an English one the apostrophe and the digits). This
// base is the rule of dictionaries that have none: letters, marks, digits and connectors
// anywhere, an apostrophe anywhere but at the end, a dash only inside.
class WordCharacters {
 public:
  virtual ~WordCharacters() = default;
  virtual bool InWord(char32_t c, WordPlace place) const;
};

// The words of text[from, to) that a dictionary should judge, in order, cut as its own spell
// checker cuts them: a word starts at a character that may start one, takes every character
// that may stand inside one, and ends at the last that may end one. An apostrophe or quotation
// mark before a word opens a quotation and is no part of it. Left out are words holding digits,
// words in capitals alone (acronyms), web and e-mail addresses, and scripts written without
// spaces (Japanese, Chinese, Thai...), which no word list covers. A word that runs over `from`
// or `to` is taken whole.
std::vector<WordSpan> CheckedWords(const QString& text, qsizetype from = 0, qsizetype to = -1,
                                   const WordCharacters& characters = WordCharacters());

// The words of a text, the one word count of the diary. In scripts written without blanks
// between words, Chinese and Japanese (Han, Hiragana, Katakana), each character is a word:
// "一二三四五 six seven eight" is 8 words. Elsewhere a word is what the spell checker takes as one
// (CheckedWords, by the rule of dictionaries that have none), with numbers, words in capitals
// and other scripts (Korean is written with blanks) counted as well, and a web or e-mail address
// as one word. Punctuation is no word, and neither is a picture's link (text/links.h), alt text
// and all.
int64_t CountWords(const QString& text);

// What an entry's text holds: its words (CountWords), its characters as the user sees them (a
// letter with its accent is one, an emoji is one) without line breaks, and whether anything but
// blanks is there.
struct TextCount {
  int64_t words = 0;
  int64_t characters = 0;
  bool written = false;
};
TextCount CountText(std::string_view bytes);

// The apostrophe is one character for the checker whichever way it is written: a word in its
// two forms, with every ' and ’ as ' (first) and as ’ (second).
std::pair<QString, QString> ApostropheForms(const QString& word);

// The dictionary for a locale ("de_DE"): the one of that name, else one of the same language
// (its language alone first, then other countries in order), else "en_US", else none (empty).
QString ChooseSpellLanguage(const QString& localeName, const QStringList& installed);

// How a dictionary's tag ("de_DE") reads in its own language: "Deutsch (Deutschland)".
QString SpellLanguageName(const QString& tag);

// Words that any dictionary of the tag's language holds: the locale's names of the days and
// months, as they are checked. Empty where the locale does not know the language or writes it
// without spaces. A dictionary that knows none of them is damaged.
QStringList LanguageSampleWords(const QString& tag);

}  // namespace marrowleaf
