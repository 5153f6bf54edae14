// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The rules of spell checking that need no window and no dictionary: which words of a text are
// looked up, and which installed dictionary a user gets by default. The diary's word count lives
// here too, so that it counts the words the spell checker finds.
namespace marrowleaf {

struct WordSpan {
  qsizetype start = 0;
  qsizetype length = 0;
  bool operator==(const WordSpan& o) const { return start == o.start && length == o.length; }
};

// The words of text[from, to) that a dictionary should judge, in order: words by Unicode's word
// boundaries, an apostrophe inside a word belonging to it ("doesn't", "l'eau"). Left out are
// numbers and words holding digits, words in capitals alone (acronyms), the pieces of a web
// address or an e-mail address, and words in scripts written without spaces (Japanese, Chinese,
// Thai...), which no word list covers. A word that runs over `from` or `to` is taken whole.
std::vector<WordSpan> CheckedWords(const QString& text, qsizetype from = 0, qsizetype to = -1);

// The words of a text, the one word count of the diary. In scripts written without blanks
// between words, Chinese and Japanese (Han, Hiragana, Katakana), each character is a word:
// "一二三四五 six seven eight" is 8 words. Elsewhere the words are those CheckedWords finds, by
// the same boundaries, with numbers, words in capitals and other scripts (Korean is written with
// blanks) counted as well, and a web or e-mail address as one word. Punctuation is no word.
int64_t CountWords(const QString& text);

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
