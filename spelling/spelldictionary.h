// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "text/words.h"

struct str_enchant_broker;
struct str_enchant_dict;

// One dictionary of the system's spell checkers, through Enchant: every dictionary installed for
// hunspell or aspell, and the personal word list other desktop programs share
// (~/.config/enchant/LANG.dic). Loading one takes tens of milliseconds, so it is done off the
// window's thread; afterwards it is used on one thread at a time. Answers are remembered: a
// diary uses the same words again and again. A text is cut into words as Enchant's own checker
// (enchant-2 -l) cuts it with the same dictionary, and ' and ’ are one apostrophe for the
// dictionary and for the personal word list.
class TSpellDictionary {
 public:
  ~TSpellDictionary();
  TSpellDictionary(const TSpellDictionary&) = delete;
  TSpellDictionary& operator=(const TSpellDictionary&) = delete;

  // The tags of the installed dictionaries ("de_DE", "en_US"), sorted.
  static QStringList Installed();
  // The dictionary of `tag`, or nothing (with `error` saying why).
  static std::unique_ptr<TSpellDictionary> Load(const QString& tag, QString& error);

  const QString& Tag() const { return tag; }
  // A word written with either apostrophe is right when it is right with either.
  bool Misspelt(const QString& word);
  // The misspelt words of text[from, to), by the rules of CheckedWords.
  std::vector<marrowleaf::WordSpan> MisspeltWords(const QString& text, qsizetype from = 0,
                                                  qsizetype to = -1);
  QStringList Suggestions(const QString& word, int most);
  // Into the personal word list; false when that could not be written (the word then counts as
  // right for this run only).
  bool Add(const QString& word);
  // Right for this run.
  void Ignore(const QString& word);

 private:
  class Characters;
  TSpellDictionary();
  bool MisspeltAsWritten(const QString& word);  // false where it cannot be judged
  void Known(const QString& word);              // right from now on, in either form
  str_enchant_broker* broker = nullptr;
  str_enchant_dict* dict = nullptr;
  QString tag;
  QHash<QString, bool> known;              // word: misspelt
  std::unique_ptr<Characters> characters;  // the dictionary's word characters, once looked up
};
