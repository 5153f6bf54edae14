// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/spellwords.h"

#include <QLocale>
#include <QTextBoundaryFinder>
#include <algorithm>

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

// A run of text between blanks that is a web or e-mail address.
bool IsAddress(QStringView run) {
  if (run.contains(u"://") || run.startsWith(u"www.", Qt::CaseInsensitive)) return true;
  const qsizetype at = run.indexOf(u'@');
  return at > 0 && run.indexOf(u'.', at) > at + 1;
}

bool Judged(QStringView word) {
  bool letter = false;
  bool lower = false;
  for (qsizetype i = 0; i < word.size(); ++i) {
    const char32_t c = word[i].isHighSurrogate() && i + 1 < word.size()
                           ? QChar::surrogateToUcs4(word[i], word[i + 1])
                           : word[i].unicode();
    if (c > 0xFFFF) ++i;
    if (QChar::isDigit(c)) return false;
    if (UnspacedScript(QChar::script(c))) return false;
    if (QChar::isLetter(c)) {
      letter = true;
      lower = lower || !QChar::isUpper(c);
    }
  }
  return letter && lower;  // no letter, or capitals alone: nothing to judge
}

}  // namespace

namespace {

// The words of text[from, to) as a spell checker finds them: runs between blanks, a run that is a
// web or e-mail address taken whole (`address`), every other run cut at Unicode's word
// boundaries. `each(start, end, address)` hears of every piece in order, words or not: what
// makes a piece a word is the caller's rule. A word that runs over `from` or `to` is taken whole.
template <typename Each>
void ForEachPiece(const QString& text, qsizetype from, qsizetype to, Each each) {
  if (to < 0 || to > text.size()) to = text.size();
  from = std::clamp<qsizetype>(from, 0, text.size());
  // Start and end at blanks, so that a word or an address cut by [from, to) is taken whole.
  while (from > 0 && !Blank(text[from - 1])) --from;
  while (to < text.size() && !Blank(text[to])) ++to;
  // The finder works out the boundaries of its whole text at once: only the part looked at.
  const QStringView part = QStringView(text).mid(from, to - from);
  QTextBoundaryFinder finder(QTextBoundaryFinder::Word, part);
  qsizetype runStart = from;
  while (runStart < to) {
    while (runStart < to && Blank(text[runStart])) ++runStart;
    qsizetype runEnd = runStart;
    while (runEnd < to && !Blank(text[runEnd])) ++runEnd;
    if (runEnd > runStart && IsAddress(QStringView(text).mid(runStart, runEnd - runStart))) {
      each(runStart, runEnd, true);
    } else if (runEnd > runStart) {
      finder.setPosition(runStart - from);
      for (qsizetype start = runStart; start < runEnd;) {
        qsizetype end = finder.toNextBoundary();
        end = end < 0 ? runEnd : std::min(end + from, runEnd);
        each(start, end, false);
        start = end;
      }
    }
    runStart = runEnd;
  }
}

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

std::vector<WordSpan> CheckedWords(const QString& text, qsizetype from, qsizetype to) {
  std::vector<WordSpan> words;
  ForEachPiece(text, from, to, [&](qsizetype start, qsizetype end, bool address) {
    if (!address && Judged(QStringView(text).mid(start, end - start))) {
      words.push_back({start, end - start});
    }
  });
  return words;
}

int64_t CountWords(const QString& text) {
  int64_t count = 0;
  ForEachPiece(text, 0, -1, [&](qsizetype start, qsizetype end, bool address) {
    if (address) {
      ++count;
      return;
    }
    bool word = false;  // a letter or a digit of a script written with blanks
    for (qsizetype i = start; i < end; ++i) {
      char32_t c = text[i].unicode();
      if (text[i].isHighSurrogate() && i + 1 < end && text[i + 1].isLowSurrogate()) {
        c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        ++i;
      }
      if (c == 0xFF9E || c == 0xFF9F) continue;  // half-width voiced marks: part of the kana before
      if (CountedByCharacter(c)) {
        ++count;
      } else if (QChar::isLetterOrNumber(c)) {
        word = true;
      }
    }
    if (word) ++count;
  });
  return count;
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

}  // namespace marrowleaf
