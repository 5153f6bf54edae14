// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

#include "spelling/spelldictionary.h"

class QContextMenuEvent;
class QMenu;
class QPlainTextEdit;
class QTimer;
class TSpellHighlighter;

// Spelling checked as the user writes in a plain text area: misspelt words get the wavy spelling
// underline, the text area's context menu offers suggestions, "Add to Dictionary", "Ignore All",
// "Check Spelling" and the choice of the dictionary's language. The marks are formats of the
// text's layout, never part of the text: they set nothing modified and enter no undo step.
//
// The dictionary is loaded off the window's thread; until it is there, nothing is marked. Only
// the lines on screen are checked at once, the rest in idle time, and a key re-checks only the
// words around it.
class TSpellChecker : public QObject {
  Q_OBJECT

 public:
  // `language` is the user's stored choice: a dictionary's tag, "off", or empty for the
  // dictionary of the locale's language.
  TSpellChecker(QPlainTextEdit* edit, const QString& language, QObject* parent = nullptr);
  ~TSpellChecker() override;

  // Looks for the installed dictionaries and loads the chosen one, on a thread of the pool.
  void Start();
  // Whether the text shown is the user's (not a placeholder, not read-only): marks only then.
  void SetActive(bool active);

  bool Enabled() const { return enabled; }
  // Marks are drawn: spelling on, a dictionary loaded and the user's text shown.
  bool Marking() const;
  bool Loaded() const { return dictionary != nullptr; }
  bool Loading() const { return loading->isRunning(); }
  QString Language() const { return dictionary ? dictionary->Tag() : QString(); }
  // The misspelt word at `position` of the text, as [start, end); false where there is none.
  bool MisspeltAt(int position, int& start, int& end) const;
  // The run of the text around `position` as the screen shows it, for the accessible text: a
  // misspelt word (true), or the stretch of its line between misspelt words (false).
  bool MarkRun(int position, int& start, int& end) const;

  // The text area's context menu with the spelling items, for a point of its viewport (a mouse
  // click) or for the cursor (the keyboard).
  QMenu* CreateContextMenu(const QContextMenuEvent& event);
  // What the menu items do, also for tests.
  void Replace(int start, int end, const QString& word);
  void AddWord(const QString& word);
  void IgnoreWord(const QString& word);
  void SetEnabled(bool on);
  void ChooseLanguage(const QString& tag);
  // Tags are coloured as well (on at the start): one highlighter draws both, as a text takes
  // only one, and no misspelt word is marked inside a tag.
  void ShowTags(bool on);
  bool ShowingTags() const { return tags; }

 Q_SIGNALS:
  // A dictionary is loaded (or none could be) and the marks are being made.
  void ready();
  // The user chose a language or turned spelling off ("off"): to be kept in the settings.
  void languageChosen(const QString& choice);
  // Something the user must hear of, through the program's message boxes.
  void warning(const QString& text);
  // The context menu is made, for `position` of the text: the owner may add its own items.
  void contextMenuMade(QMenu* menu, int position);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class TSpellHighlighter;
  struct LoadResult;
  void InstallAccess();  // spellaccess.cpp
  void RemoveAccess();
  void Load(const QString& choice);
  void Remark();  // after a change of dictionary, words or switch: every block again

  QPointer<QPlainTextEdit> edit;
  QWidget* viewport = nullptr;  // the text area's, whose size decides what is on screen
  TSpellHighlighter* highlighter = nullptr;
  QString choice;  // the stored choice, or one made in the menu
  QStringList installed;
  std::unique_ptr<TSpellDictionary> dictionary;
  QFutureWatcher<std::shared_ptr<LoadResult>>* loading = nullptr;
  bool enabled = true;
  bool active = false;
  bool tags = true;
  bool toldAddFailed = false;
};
