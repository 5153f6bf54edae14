// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/words.h"

#include <QLocale>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "entries/entrytext.h"
#include "text/links.h"

namespace marrowleaf {
namespace {

// Scripts written without spaces between words: a word finder cannot cut them, and the word
// lists of spell checkers do not cover them.
bool UnspacedScript(QChar::Script script) {
  switch (script) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Myanmar:
    case QChar::Script_Tibetan:
    case QChar::Script_Yi:
      return true;
    default:
      return false;
  }
}

bool Blank(QChar c) { return c.isSpace(); }

constexpr char16_t kApostrophe = u'\'';
constexpr char16_t kTypographicApostrophe = u'\u2019';

bool Apostrophe(char32_t c) { return c == kApostrophe || c == kTypographicApostrophe; }

// A run of text between blanks that is a web or e-mail address.
bool IsAddress(QStringView run) {
  if (run.contains(u"://") || run.startsWith(u"www.", Qt::CaseInsensitive)) return true;
  const qsizetype at = run.indexOf(u'@');
  return at > 0 && run.indexOf(u'.', at) > at + 1;
}

// The character at `at` (a surrogate pair read as one) and how many units it takes.
char32_t CodePointAt(QStringView text, qsizetype at, qsizetype& units) {
  if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
    units = 2;
    return QChar::surrogateToUcs4(text[at], text[at + 1]);
  }
  units = 1;
  return text[at].unicode();
}

// The units of the character that ends before `end`.
qsizetype UnitsBefore(QStringView text, qsizetype end) {
  return end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate() ? 2 : 1;
}

// Whether a word is one a dictionary can judge: a letter of some script (not only the marks all
// scripts share, like the Japanese "ー"), not in capitals alone, no digit.
bool IsCheckable(QStringView word) {
  bool letter = false;
  bool lower = false;
  for (qsizetype i = 0, units = 1; i < word.size(); i += units) {
    const char32_t c = CodePointAt(word, i, units);
    if (QChar::isDigit(c)) return false;
    const QChar::Script script = QChar::script(c);
    if (QChar::isLetter(c) && script != QChar::Script_Common && script != QChar::Script_Inherited) {
      letter = true;
      lower = lower || !QChar::isUpper(c);
    }
  }
  return letter && lower;  // no letter, or capitals alone: nothing to judge
}

}  // namespace

bool WordCharacters::InWord(char32_t c, WordPlace place) const {
  if (Apostrophe(c)) return place != WordPlace::kEnd;
  switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
    case QChar::Punctuation_Connector:
      return true;
    case QChar::Punctuation_Dash:
      return place == WordPlace::kMiddle;
    default:
      return false;
  }
}

std::vector<WordSpan> CheckedWords(const QString& text, qsizetype from, qsizetype to,
                                   const WordCharacters& characters) {
  std::vector<WordSpan> words;
  if (to < 0 || to > text.size()) to = text.size();
  from = std::clamp<qsizetype>(from, 0, text.size());
  // Start and end at blanks, so that a word or an address cut by [from, to) is taken whole.
  while (from > 0 && !Blank(text[from - 1])) --from;
  while (to < text.size() && !Blank(text[to])) ++to;
  const QStringView all(text);
  // A script without spaces is no part of any word: "日記diary" holds the word "diary".
  const auto in = [&](char32_t c, WordPlace place) {
    return !UnspacedScript(QChar::script(c)) && characters.InWord(c, place);
  };
  qsizetype runStart = from;
  while (runStart < to) {
    while (runStart < to && Blank(text[runStart])) ++runStart;
    qsizetype runEnd = runStart;
    while (runEnd < to && !Blank(text[runEnd])) ++runEnd;
    if (runEnd > runStart && IsAddress(all.mid(runStart, runEnd - runStart))) {
      runStart = runEnd;
      continue;
    }
    qsizetype at = runStart;
    while (at < runEnd) {
      qsizetype units = 1;
      char32_t c = CodePointAt(all, at, units);
      // An apostrophe before a word is a quotation mark.
      if (Apostrophe(c) || !in(c, WordPlace::kStart)) {
        at += units;
        continue;
      }
      const qsizetype start = at;
      while (at < runEnd && in(c, WordPlace::kMiddle)) {
        at += units;
        if (at < runEnd) c = CodePointAt(all, at, units);
      }
      if (at == start) at += units;  // it may start a word but not go on in one
      qsizetype end = at;
      while (end > start) {
        qsizetype last = 1;
        const qsizetype step = UnitsBefore(all, end);
        c = CodePointAt(all, end - step, last);
        if (in(c, WordPlace::kEnd)) break;
        end -= step;
      }
      if (end > start && IsCheckable(all.mid(start, end - start))) {
        words.push_back({start, end - start});
      }
    }
    runStart = runEnd;
  }
  return words;
}

namespace {

// Scripts written without blanks in which every character counts as a word: Chinese and
// Japanese (with the kana's prolonged sound mark, which belongs to no script of its own).
bool CountedByCharacter(char32_t c) {
  switch (QChar::script(c)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
      return true;
    default:
      return c == 0x30FC || c == 0xFF70;
  }
}

}  // namespace

namespace {

int64_t CountWordsOf(QStringView all) {
  int64_t count = 0;
  const WordCharacters characters;
  qsizetype at = 0;
  while (at < all.size()) {
    while (at < all.size() && Blank(all[at])) ++at;
    qsizetype runEnd = at;
    while (runEnd < all.size() && !Blank(all[runEnd])) ++runEnd;
    if (runEnd > at && IsAddress(all.mid(at, runEnd - at))) {
      ++count;
      at = runEnd;
      continue;
    }
    bool inWord = false;
    bool counted = false;  // the last character was a word of its own
    for (qsizetype units = 1; at < runEnd; at += units) {
      const char32_t c = CodePointAt(all, at, units);
      if (c == 0xFF9E || c == 0xFF9F) continue;  // half-width voiced marks: part of the kana before
      if (CountedByCharacter(c)) {
        ++count;
        inWord = false;
        counted = true;
        continue;
      }
      // A combining mark after such a character is part of it (a decomposed が, an accent): the
      // character and its marks are one character and one word.
      if (counted && QChar::isMark(c)) continue;
      counted = false;
      // An apostrophe before a word is a quotation mark, as for the checker.
      const bool in = inWord ? characters.InWord(c, WordPlace::kMiddle)
                             : !Apostrophe(c) && characters.InWord(c, WordPlace::kStart);
      if (in && !inWord) ++count;
      inWord = in;
    }
  }
  return count;
}

}  // namespace

int64_t CountWords(const QString& text) {
  if (!text.contains(u"![")) return CountWordsOf(text);
  // A picture's link is no writing: its alt text and path count as no words.
  int64_t count = 0;
  qsizetype from = 0;
  for (const PictureLink& link : FindPictureLinks(text)) {
    count += CountWordsOf(QStringView(text).sliced(from, link.start - from));
    from = link.start + link.length;
  }
  return count + CountWordsOf(QStringView(text).sliced(from));
}

std::pair<QString, QString> ApostropheForms(const QString& word) {
  QString ascii = word;
  QString typographic = word;
  ascii.replace(QChar(kTypographicApostrophe), QChar(kApostrophe));
  typographic.replace(QChar(kApostrophe), QChar(kTypographicApostrophe));
  return {ascii, typographic};
}

QString ChooseSpellLanguage(const QString& localeName, const QStringList& installed) {
  const QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  if (installed.contains(name)) return name;
  const QString language = name.section(QLatin1Char('_'), 0, 0);
  if (installed.contains(language)) return language;
  for (const QString& tag : installed) {
    if (tag.section(QLatin1Char('_'), 0, 0) == language) return tag;
  }
  if (installed.contains(QStringLiteral("en_US"))) return QStringLiteral("en_US");
  return {};
}

QString SpellLanguageName(const QString& tag) {
  const QLocale locale(tag);
  if (locale.language() == QLocale::C || tag.isEmpty()) return tag;
  // The language's own name without a country's flavour ("English", not "American English"):
  // the world's form of it where there is one.
  const QLocale world(locale.language(), QLocale::World);
  QString language = (world.territory() == QLocale::World ? world : QLocale(locale.language()))
                         .nativeLanguageName();
  if (!language.isEmpty()) language[0] = language[0].toUpper();
  if (!tag.contains(QLatin1Char('_'))) return language;
  return language + QStringLiteral(" (") + locale.nativeTerritoryName() + QLatin1Char(')');
}

QStringList LanguageSampleWords(const QString& tag) {
  const QLocale locale(tag);
  if (locale.language() == QLocale::C || tag.isEmpty()) return {};
  QStringList words;
  const auto add = [&words](const QString& name) {
    for (const WordSpan& span : CheckedWords(name)) {
      const QString word = name.mid(span.start, span.length);
      if (!words.contains(word)) words.append(word);
    }
  };
  for (int day = 1; day <= 7; ++day) {
    add(locale.dayName(day));
    add(locale.standaloneDayName(day));
  }
  for (int month = 1; month <= 12; ++month) {
    add(locale.monthName(month));
    add(locale.standaloneMonthName(month));
  }
  return words;
}

namespace {

bool LineBreak(QStringView cluster) {
  return cluster == u"\r\n" || cluster == u"\n" || cluster == u"\r" || cluster == u"\u2028" ||
         cluster == u"\u2029";
}

}  // namespace

TextCount CountText(std::string_view bytes) {
  TextCount count;
  if (AsciiOnly(bytes)) {
    // One byte is one character; the word count still takes the one rule.
    for (const char c : bytes) {
      if (c == '\r' || c == '\n') continue;
      ++count.characters;
      count.written = count.written || !QChar::isSpace(static_cast<unsigned char>(c));
    }
    if (count.written) count.words = CountWords(QString::fromLatin1(bytes.data(), bytes.size()));
    return count;
  }
  const QString text = DecodeText(bytes);
  count.written = std::any_of(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
  if (!count.written) return count;
  count.words = CountWords(text);
  QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype at = 0, next; (next = clusters.toNextBoundary()) > 0; at = next) {
    if (!LineBreak(QStringView(text).mid(at, next - at))) ++count.characters;
  }
  return count;
}

}  // namespace marrowleaf
