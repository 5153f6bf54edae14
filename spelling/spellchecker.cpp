// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/spellchecker.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstdio>

#include "config/settings.h"
#include "text/links.h"
#include "text/tags.h"
#include "text/words.h"

using marrowleaf::WordSpan;

namespace {

constexpr int kMostSuggestions = 7;
// In a paragraph longer than this, only the marks near the screen are drawn: every mark is a
// format the text's layout itemizes, and a key in a long paragraph lays all of it out again.
constexpr qsizetype kLongBlock = 8192;
constexpr qsizetype kDrawnAround = 2048;
constexpr int kIdleSliceMs = 8;  // idle checking gives the event loop back this often

// What a block's words came to: its misspelt words, valid for the text of `length` characters.
struct BlockMarks : QTextBlockUserData {
  std::vector<WordSpan> misspelt;
  qsizetype length = 0;
  qsizetype typedAt = -1;   // where the last key in this block went, while its word is typed
  qsizetype drawnFrom = 0;  // the marks drawn: all, or those of a long block near the screen
  qsizetype drawnTo = 0;
};

}  // namespace

struct TSpellChecker::LoadResult {
  QStringList installed;
  bool off = false;
  std::unique_ptr<TSpellDictionary> dictionary;
};

// Draws the marks. A block is checked when it is shown or when the event loop is idle; an edit
// within a checked block re-checks the words around it and moves the other marks along.
class TSpellHighlighter : public QSyntaxHighlighter {
 public:
  TSpellHighlighter(QPlainTextEdit* text, TSpellChecker* owner)
      : QSyntaxHighlighter(static_cast<QObject*>(nullptr)), edit(text), checker(owner) {
    mark.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    mark.setUnderlineColor(Qt::red);
    ColourTags();
    idle.setSingleShot(true);
    idle.setInterval(0);
    QObject::connect(&idle, &QTimer::timeout, checker, [this] { CheckIdle(); });
    // The highlighter reformats a block when told here, not on every change of the document:
    // on its own it would format every block of a new text at once, which for a long entry
    // costs as much as setting the text.
    setDocument(edit->document());
    // The toolkit offers no way to turn that off but its private slot, named here as a string.
    // Should a version of it name the slot otherwise, nothing is lost but speed: every change
    // then reformats its blocks first, and the marks made after it are the same.
    if (!QObject::disconnect(edit->document(), SIGNAL(contentsChange(int, int, int)), this,
                             SLOT(_q_reformatBlocks(int, int, int)))) {
      static bool told = false;
      if (!told) {
        told = true;
        std::fputs(
            "marrowleaf: spelling: the toolkit reformats the text on every change; spelling "
            "marks may be slower in long entries\n",
            stderr);
      }
    }
    QObject::connect(edit->document(), &QTextDocument::contentsChange, checker,
                     [this](int position, int removed, int added) {
                       if (Working()) Edited(position, removed, added);
                     });
    QObject::connect(edit, &QPlainTextEdit::cursorPositionChanged, checker, [this] {
      const QTextCursor cursor = edit->textCursor();
      // The word being typed is marked once the cursor leaves it.
      if (typing.isValid()) {
        const int at = cursor.position() - typing.position();
        if (cursor.block() != typing || at < typingSpan.start ||
            at > typingSpan.start + typingSpan.length) {
          const QTextBlock block = typing;
          typing = QTextBlock();
          Rehighlight(block);
        }
      }
      // In a long block, the marks drawn follow the cursor.
      const auto* marks = static_cast<const BlockMarks*>(cursor.block().userData());
      const qsizetype at = cursor.position() - cursor.block().position();
      if (marks != nullptr && (at < marks->drawnFrom || at > marks->drawnTo)) {
        Rehighlight(cursor.block());
      }
    });
    QObject::connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, checker, [this] {
      Measure();
      Schedule();
    });
    checker->viewport = edit->viewport();
    checker->viewport->installEventFilter(checker);
  }

  // An edit within one block re-checks the words around it now; a larger one (a paste, a new
  // text) leaves its blocks to the idle checking, those on screen first.
  void Edited(int position, int removed, int added) {
    const QTextBlock first = document()->findBlock(position);
    const QTextBlock last = document()->findBlock(position + added);
    if (first == last) {
      change = {position, removed, added};
      // A key in a long paragraph: the marks are moved on the block's layout directly, which
      // costs what the marks cost, where a reformat would go over every character of it.
      auto* marks = static_cast<BlockMarks*>(first.userData());
      if (marks != nullptr && first.length() > kLongBlock &&
          UpdateMarksForEdit(*marks, first.text(), position - first.position())) {
        QList<QTextLayout::FormatRange> ranges;
        for (const WordSpan& s : MarksToDraw(*marks, first)) {
          ranges.append({static_cast<int>(s.start), static_cast<int>(s.length), mark});
        }
        for (const marrowleaf::TagSpan& t : DrawnTags(*marks, first.text())) {
          ranges.append({static_cast<int>(t.start), static_cast<int>(t.length), tag});
        }
        first.layout()->setFormats(ranges);
      } else {
        rehighlightBlock(first);
      }
      change.position = -1;
      return;
    }
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
      const auto* marks = static_cast<const BlockMarks*>(b.userData());
      const bool drawn = marks != nullptr && (!marks->misspelt.empty() || Tagged(b));
      if (marks != nullptr) b.setUserData(nullptr);
      if (drawn) Rehighlight(b);  // its old marks are in the wrong places
      if (b == last) break;
    }
    Schedule();
  }

  // Every block's marks are dropped, and made again where marks are wanted: those on screen
  // at once, the rest in idle time.
  void Reset() {
    typing = QTextBlock();
    next = QTextBlock();
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
      const auto* marks = static_cast<const BlockMarks*>(b.userData());
      if (marks == nullptr) continue;
      const bool drawn = !marks->misspelt.empty() || Tagged(b);
      b.setUserData(nullptr);
      if (drawn) Rehighlight(b);
    }
    Schedule();
  }
  // Which blocks and characters the screen shows: looked up when it scrolls or changes size,
  // never while a block is being formatted. A long block whose drawn marks no longer cover the
  // screen is drawn again.
  void Measure() {
    const QTextCursor top = edit->cursorForPosition(QPoint(0, 0));
    const QTextCursor bottom = edit->cursorForPosition(
        QPoint(edit->viewport()->width() - 1, edit->viewport()->height() - 1));
    firstShown = std::max(0, top.blockNumber());
    linesShown =
        std::max(1, edit->viewport()->height() / std::max(1, edit->fontMetrics().height()));
    shownFrom = top.position();
    shownTo = bottom.position();
    for (QTextBlock b = top.block(); b.isValid() && b.blockNumber() <= bottom.blockNumber();
         b = b.next()) {
      const auto* marks = static_cast<const BlockMarks*>(b.userData());
      if (marks == nullptr || marks->length <= kLongBlock) continue;
      const qsizetype from = shownFrom - b.position();
      const qsizetype to = shownTo - b.position();
      if ((from < marks->drawnFrom && marks->drawnFrom > 0) ||
          (to > marks->drawnTo && marks->drawnTo < marks->length)) {
        Rehighlight(b);
      }
    }
  }
  void Rehighlight(const QTextBlock& block) {
    const OwnReformat own(*this);
    rehighlightBlock(block);
  }
  void Schedule() {
    if (Working()) idle.start();
  }
  // Tags take the palette's link colour, which each theme makes legible on the text's background.
  void ColourTags() { tag.setForeground(edit->palette().color(QPalette::Link)); }
  // Spelling marks or tag colours are drawn.
  bool Working() const { return checker->Marking() || checker->tags; }
  // Drops the marks of `word` everywhere: it is right now.
  void Forget(const QString& word) {
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
      auto* marks = static_cast<BlockMarks*>(b.userData());
      if (marks == nullptr) continue;
      const QString text = b.text();
      // Right with either apostrophe.
      const QString form = marrowleaf::ApostropheForms(word).first;
      const auto same = [&](const WordSpan& s) {
        return marrowleaf::ApostropheForms(text.mid(s.start, s.length)).first == form;
      };
      if (std::any_of(marks->misspelt.begin(), marks->misspelt.end(), same)) {
        marks->misspelt.erase(std::remove_if(marks->misspelt.begin(), marks->misspelt.end(), same),
                              marks->misspelt.end());
        Rehighlight(b);
      }
    }
  }

 protected:
  void highlightBlock(const QString& text) override {
    const QTextBlock block = currentBlock();
    if (!Working()) {
      if (currentBlockUserData() != nullptr) setCurrentBlockUserData(nullptr);
      return;
    }
    auto* marks = static_cast<BlockMarks*>(currentBlockUserData());
    const qsizetype local = change.position - block.position();
    const bool edited = change.position >= 0 && local >= 0 && local <= text.size();
    if (marks != nullptr && edited && UpdateMarksForEdit(*marks, text, local)) {
      change.position = -1;
    } else if (marks == nullptr || marks->length != text.size() || edited) {
      if (edited) change.position = -1;
      if (!Shown(block)) {  // the idle checking comes to it
        if (marks != nullptr) setCurrentBlockUserData(nullptr);
        idle.start();
        return;
      }
      marks = new BlockMarks;
      marks->misspelt = Misspelt(text);
      marks->length = text.size();
      setCurrentBlockUserData(marks);
    }
    for (const WordSpan& s : MarksToDraw(*marks, block)) {
      setFormat(static_cast<int>(s.start), static_cast<int>(s.length), mark);
    }
    for (const marrowleaf::TagSpan& t : DrawnTags(*marks, text)) {
      setFormat(static_cast<int>(t.start), static_cast<int>(t.length), tag);
    }
  }

 private:
  // One edit within the block's text as last checked: marks after it move along, the words
  // around it are checked again. False for an edit that is not of that text.
  bool UpdateMarksForEdit(BlockMarks& marks, const QString& text, qsizetype local) {
    if (local + change.removed > marks.length ||
        text.size() != marks.length + change.added - change.removed) {
      return false;
    }
    std::vector<WordSpan> kept;
    for (WordSpan s : marks.misspelt) {
      if (s.start + s.length < local) {
        kept.push_back(s);
      } else if (s.start > local + change.removed) {
        s.start += change.added - change.removed;
        kept.push_back(s);
      }
    }
    for (const WordSpan& w : Misspelt(text, local, local + change.added)) {
      if (std::find(kept.begin(), kept.end(), w) == kept.end()) kept.push_back(w);
    }
    std::sort(kept.begin(), kept.end(),
              [](const WordSpan& a, const WordSpan& b) { return a.start < b.start; });
    DropTagged(kept, text);  // a '#' typed before a word makes it a tag
    marks.misspelt = std::move(kept);
    marks.length = text.size();
    marks.typedAt = local + change.added;
    return true;
  }

  // The misspelt words of text[from, to), none of them in a tag or a picture's path: a tag is a
  // name and a path names a file, no words.
  std::vector<WordSpan> Misspelt(const QString& text, qsizetype from = 0, qsizetype to = -1) {
    if (!checker->Marking()) return {};
    std::vector<WordSpan> words = checker->dictionary->MisspeltWords(text, from, to);
    DropTagged(words, text);
    return words;
  }
  static void DropTagged(std::vector<WordSpan>& words, const QString& text) {
    if (!words.empty() && text.contains(u"![")) {
      const std::vector<marrowleaf::PictureLink> links = marrowleaf::FindPictureLinks(text);
      words.erase(
          std::remove_if(words.begin(), words.end(),
                         [&](const WordSpan& w) { return marrowleaf::InLinkPath(links, w.start); }),
          words.end());
    }
    if (words.empty() || !text.contains(QLatin1Char('#'))) return;
    const std::vector<marrowleaf::TagSpan> tags = marrowleaf::FindTags(text);
    words.erase(std::remove_if(words.begin(), words.end(),
                               [&](const WordSpan& w) {
                                 return std::any_of(tags.begin(), tags.end(), [&](const auto& t) {
                                   return w.start < t.start + t.length &&
                                          t.start < w.start + w.length;
                                 });
                               }),
                words.end());
  }
  static bool Tagged(const QTextBlock& block) { return block.text().contains(QLatin1Char('#')); }
  // The tags to colour: those of the marks drawn (in a long block, near the screen).
  std::vector<marrowleaf::TagSpan> DrawnTags(const BlockMarks& marks, const QString& text) const {
    std::vector<marrowleaf::TagSpan> drawn;
    if (!checker->tags) return drawn;
    for (const marrowleaf::TagSpan& t : marrowleaf::FindTags(text)) {
      if (t.start + t.length >= marks.drawnFrom && t.start <= marks.drawnTo) drawn.push_back(t);
    }
    return drawn;
  }

  // The marks to draw: all, or in a long block those near the screen and the cursor; the word
  // under a key just typed waits until the cursor leaves it.
  std::vector<WordSpan> MarksToDraw(BlockMarks& marks, const QTextBlock& block) {
    const QTextCursor cursor = edit->textCursor();
    const qsizetype at = cursor.block() == block ? cursor.position() - block.position() : -1;
    marks.drawnFrom = 0;
    marks.drawnTo = marks.length;
    if (marks.length > kLongBlock) {
      const qsizetype around = at >= 0 ? at : (shownFrom + shownTo) / 2 - block.position();
      marks.drawnFrom = std::max<qsizetype>(
          0, std::min<qsizetype>(around, shownFrom - block.position()) - kDrawnAround);
      marks.drawnTo = std::min<qsizetype>(
          marks.length, std::max<qsizetype>(around, shownTo - block.position()) + kDrawnAround);
    }
    std::vector<WordSpan> drawn;
    for (const WordSpan& s : marks.misspelt) {
      if (s.start + s.length < marks.drawnFrom || s.start > marks.drawnTo) continue;
      if (at >= s.start && at <= s.start + s.length && marks.typedAt >= s.start &&
          marks.typedAt <= s.start + s.length) {
        typing = block;
        typingSpan = s;
        continue;
      }
      drawn.push_back(s);
    }
    marks.typedAt = -1;
    return drawn;
  }

  struct Change {
    int position = -1;
    int removed = 0;
    int added = 0;
  };
  // Reformatting of our own: no edit to note.
  struct OwnReformat {
    explicit OwnReformat(TSpellHighlighter& h) : owner(h) { owner.change.position = -1; }
    ~OwnReformat() { owner.change.position = -1; }
    TSpellHighlighter& owner;
  };

  // On screen (with a screen's worth around it), or the cursor's block.
  bool Shown(const QTextBlock& block) const {
    if (block == edit->textCursor().block()) return true;
    return block.blockNumber() >= firstShown - linesShown &&
           block.blockNumber() <= firstShown + 2 * linesShown;
  }

  void CheckIdle() {
    if (!Working()) return;
    QElapsedTimer slice;
    slice.start();
    Measure();
    // The blocks on screen first, then the rest in order, a slice at a time.
    for (QTextBlock b = document()->findBlockByNumber(std::max(0, firstShown - linesShown));
         b.isValid() && Shown(b); b = b.next()) {
      CheckBlock(b);
    }
    if (!next.isValid()) next = document()->begin();
    while (next.isValid() && slice.elapsed() < kIdleSliceMs) {
      CheckBlock(next);
      next = next.next();
    }
    if (next.isValid()) {
      idle.start();
    } else {
      next = document()->begin();
      for (QTextBlock b = next; b.isValid(); b = b.next()) {
        if (b.userData() == nullptr) {  // an edit meanwhile left one unchecked
          idle.start();
          break;
        }
      }
    }
  }
  void CheckBlock(const QTextBlock& block) {
    auto* marks = static_cast<BlockMarks*>(block.userData());
    if (marks != nullptr && marks->length == block.length() - 1) return;
    auto* fresh = new BlockMarks;
    fresh->misspelt = Misspelt(block.text());
    fresh->length = block.length() - 1;
    QTextBlock(block).setUserData(fresh);
    if (!fresh->misspelt.empty() || Tagged(block)) Rehighlight(block);
  }

  QPlainTextEdit* edit;
  TSpellChecker* checker;
  QTextCharFormat mark;
  QTextCharFormat tag;
  QTimer idle;
  QTextBlock next;  // where the idle checking goes on
  Change change;
  QTextBlock typing;  // the block whose word under the cursor waits
  WordSpan typingSpan;
  int firstShown = 0;
  int linesShown = 40;
  int shownFrom = 0;  // the characters on screen
  int shownTo = 0;

  friend class TSpellChecker;
};

TSpellChecker::TSpellChecker(QPlainTextEdit* text, const QString& language, QObject* parent)
    : QObject(parent), edit(text), choice(language) {
  enabled = choice != QLatin1String(marrowleaf::kSpellingOff);
  highlighter = new TSpellHighlighter(edit, this);
  highlighter->setParent(this);
  loading = new QFutureWatcher<std::shared_ptr<LoadResult>>(this);
  connect(loading, &QFutureWatcher<std::shared_ptr<LoadResult>>::finished, this, [this] {
    const std::shared_ptr<LoadResult> loaded = loading->result();
    installed = loaded->installed;
    dictionary = std::move(loaded->dictionary);
    Remark();
    Q_EMIT ready();
  });
  edit->installEventFilter(this);
  InstallAccess();
}

TSpellChecker::~TSpellChecker() {
  loading->waitForFinished();
  if (edit != nullptr) {
    edit->removeEventFilter(this);
    RemoveAccess();
  }
}

void TSpellChecker::Start() { Load(choice); }

void TSpellChecker::Load(const QString& wanted) {
  loading->waitForFinished();
  loading->setFuture(QtConcurrent::run([wanted, locale = QLocale::system().name()] {
    auto loaded = std::make_shared<LoadResult>();
    loaded->installed = TSpellDictionary::Installed();
    if (wanted == QLatin1String(marrowleaf::kSpellingOff)) return loaded;
    // A language the user chose and then removed: its text is not checked in another.
    if (!wanted.isEmpty() && !loaded->installed.contains(wanted)) {
      std::fprintf(stderr, "marrowleaf: spelling: the chosen dictionary %s is not installed\n",
                   qPrintable(wanted));
      return loaded;
    }
    const QString tag =
        wanted.isEmpty() ? marrowleaf::ChooseSpellLanguage(locale, loaded->installed) : wanted;
    if (tag.isEmpty()) return loaded;  // no dictionary at all: no marks, nothing to say
    QString error;
    loaded->dictionary = TSpellDictionary::Load(tag, error);
    if (!loaded->dictionary) {
      std::fprintf(stderr, "marrowleaf: spelling: the dictionary %s cannot be loaded: %s\n",
                   qPrintable(tag), qPrintable(error));
    }
    return loaded;
  }));
}

bool TSpellChecker::Marking() const { return enabled && active && dictionary != nullptr; }

void TSpellChecker::SetActive(bool on) {
  if (on == active) return;
  active = on;
  highlighter->Reset();
}

void TSpellChecker::Remark() { highlighter->Reset(); }

void TSpellChecker::ShowTags(bool on) {
  if (on == tags) return;
  tags = on;
  highlighter->Reset();
}

bool TSpellChecker::MisspeltAt(int position, int& start, int& end) const {
  if (!Marking()) return false;
  const QTextBlock block = edit->document()->findBlock(position);
  const auto* marks = static_cast<const BlockMarks*>(block.userData());
  if (marks == nullptr) return false;
  const qsizetype at = position - block.position();
  for (const WordSpan& s : marks->misspelt) {
    if (at >= s.start && at <= s.start + s.length) {
      start = block.position() + static_cast<int>(s.start);
      end = start + static_cast<int>(s.length);
      return true;
    }
  }
  return false;
}

bool TSpellChecker::MarkRun(int position, int& start, int& end) const {
  const QTextBlock block = edit->document()->findBlock(position);
  const auto* marks = Marking() ? static_cast<const BlockMarks*>(block.userData()) : nullptr;
  const qsizetype at = position - block.position();
  qsizetype from = 0;
  qsizetype to = block.length();  // the line's break belongs to its run
  if (marks != nullptr) {
    for (const WordSpan& s : marks->misspelt) {
      if (at >= s.start && at < s.start + s.length) {
        start = block.position() + static_cast<int>(s.start);
        end = start + static_cast<int>(s.length);
        return true;
      }
      if (s.start + s.length <= at) from = s.start + s.length;
      if (s.start > at) {
        to = s.start;
        break;
      }
    }
  }
  start = block.position() + static_cast<int>(from);
  end = block.position() + static_cast<int>(to);
  return false;
}

void TSpellChecker::Replace(int start, int end, const QString& word) {
  // One edit, one undo step: an ordinary change of the entry.
  QTextCursor cursor(edit->document());
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.insertText(word);
  edit->setTextCursor(cursor);
}

void TSpellChecker::AddWord(const QString& word) {
  if (!dictionary) return;
  if (!dictionary->Add(word) && !toldAddFailed) {
    toldAddFailed = true;
    Q_EMIT warning(tr("The word \"%1\" could not be added to your personal word list. It counts "
                      "as right until the diary is closed.")
                       .arg(word));
  }
  highlighter->Forget(word);
}

void TSpellChecker::IgnoreWord(const QString& word) {
  if (!dictionary) return;
  dictionary->Ignore(word);
  highlighter->Forget(word);
}

void TSpellChecker::SetEnabled(bool on) {
  enabled = on;
  Q_EMIT languageChosen(on ? Language() : QString::fromLatin1(marrowleaf::kSpellingOff));
  if (on && !dictionary) {
    Load(QString());  // the locale's dictionary
    return;
  }
  Remark();
}

void TSpellChecker::ChooseLanguage(const QString& tag) {
  enabled = true;
  Q_EMIT languageChosen(tag);
  Load(tag);
}

QMenu* TSpellChecker::CreateContextMenu(const QContextMenuEvent& event) {
  QMenu* menu = edit->createStandardContextMenu(event.pos());
  const int position = event.reason() == QContextMenuEvent::Mouse
                           ? edit->cursorForPosition(event.pos()).position()
                           : edit->textCursor().position();
  int start = 0;
  int end = 0;
  if (MisspeltAt(position, start, end)) {
    QTextCursor word(edit->document());
    word.setPosition(start);
    word.setPosition(end, QTextCursor::KeepAnchor);
    const QString misspelt = word.selectedText();
    QAction* first = menu->actions().value(0);
    const QStringList suggestions = dictionary->Suggestions(misspelt, kMostSuggestions);
    for (const QString& suggestion : suggestions) {
      QAction* replace = new QAction(suggestion, menu);
      connect(replace, &QAction::triggered, this,
              [this, start, end, suggestion] { Replace(start, end, suggestion); });
      menu->insertAction(first, replace);
    }
    if (suggestions.isEmpty()) {
      QAction* none = new QAction(tr("No suggestions"), menu);
      none->setEnabled(false);
      menu->insertAction(first, none);
    }
    menu->insertSeparator(first);
    QAction* add = new QAction(tr("Add to Dictionary"), menu);
    connect(add, &QAction::triggered, this, [this, misspelt] { AddWord(misspelt); });
    QAction* ignore = new QAction(tr("Ignore All"), menu);
    connect(ignore, &QAction::triggered, this, [this, misspelt] { IgnoreWord(misspelt); });
    menu->insertAction(first, add);
    menu->insertAction(first, ignore);
    menu->insertSeparator(first);
  }
  menu->addSeparator();
  QAction* check = menu->addAction(tr("Check Spelling"));
  check->setObjectName(QStringLiteral("CheckSpelling"));
  check->setCheckable(true);
  check->setChecked(enabled);
  connect(check, &QAction::toggled, this, &TSpellChecker::SetEnabled);
  QMenu* languages = menu->addMenu(tr("Language"));
  languages->setObjectName(QStringLiteral("SpellLanguage"));
  if (installed.isEmpty()) {
    languages->addAction(tr("No dictionaries installed"))->setEnabled(false);
  }
  auto* group = new QActionGroup(languages);
  for (const QString& tag : installed) {
    QAction* language = languages->addAction(marrowleaf::SpellLanguageName(tag));
    language->setCheckable(true);
    language->setChecked(enabled && tag == Language());
    language->setData(tag);
    group->addAction(language);
    connect(language, &QAction::triggered, this, [this, tag] { ChooseLanguage(tag); });
  }
  Q_EMIT contextMenuMade(menu, position);
  return menu;
}

bool TSpellChecker::eventFilter(QObject* watched, QEvent* event) {
  // Only pointers are compared: the text area may be on its way out.
  if (watched == edit && event->type() == QEvent::PaletteChange) {
    highlighter->ColourTags();  // a change of theme: the tags' colour follows
    highlighter->Reset();
  }
  if (watched == viewport && event->type() == QEvent::Resize) {
    highlighter->Measure();
    highlighter->Schedule();
  }
  // A click reaches the text area's viewport, the menu key the text area itself.
  if ((watched == viewport || watched == edit) && event->type() == QEvent::ContextMenu) {
    auto* request = static_cast<QContextMenuEvent*>(event);
    QMenu* menu = CreateContextMenu(*request);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(request->globalPos());
    return true;
  }
  return QObject::eventFilter(watched, event);
}
