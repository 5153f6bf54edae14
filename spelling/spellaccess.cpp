// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of a spell-checked text area: its text, caret and selection as
// usual, and each misspelt word as a run with the attribute "invalid:spelling", which AT-SPI
// passes on and Orca announces. Qt's own interface for the text area cannot be extended (it is
// private to the toolkit), so this one answers for it, over the same document.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "spelling/spellchecker.h"
#include "widgets/accessiblecells.h"
#include "widgets/textgraphics.h"

namespace {

const char kCheckerProperty[] = "marrowleafSpellChecker";

// A picture the text area draws, heard as a graphic with its name.
class TTextGraphic : public TAccessibleLeaf {
 public:
  TTextGraphic(QPlainTextEdit* edit, QAccessibleInterface* owner, int index)
      : TAccessibleLeaf(owner), area(edit), graphicIndex(index) {}
  bool isValid() const override {
    return Graphics() != nullptr && graphicIndex < Graphics()->GraphicCount();
  }
  QAccessible::Role role() const override { return QAccessible::Graphic; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !isValid() || rect().isEmpty();
    s.offscreen = s.invisible;
    return s;
  }
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = Graphics()->GraphicRect(graphicIndex);
    if (local.isEmpty()) return {};
    return {area->viewport()->mapToGlobal(local.topLeft()), local.size()};
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    return Graphics()->GraphicName(graphicIndex);
  }
  void setText(QAccessible::Text, const QString&) override {}

 private:
  const TTextGraphics* Graphics() const {
    return area.isNull() ? nullptr : dynamic_cast<const TTextGraphics*>(area.data());
  }
  QPointer<QPlainTextEdit> area;
  int graphicIndex;
};

class TSpellTextAccess : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface {
 public:
  explicit TSpellTextAccess(QPlainTextEdit* edit)
      : QAccessibleWidget(edit, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.multiLine = true;
    s.selectableText = true;
    s.readOnly = Edit()->isReadOnly();
    s.editable = !s.readOnly;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Edit()->toPlainText();
    return QAccessibleWidget::text(t);
  }

  // The widgets in the text area (its scroll bars), then the pictures it draws.
  int childCount() const override { return QAccessibleWidget::childCount() + GraphicCount(); }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    if (index - widgets >= GraphicCount()) return nullptr;
    auto* self = const_cast<TSpellTextAccess*>(this);
    return graphics.At(index - widgets,
                       [&](int i) { return new TTextGraphic(self->Edit(), self, i); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const int graphic = graphics.IndexOf(child);
    if (graphic >= 0) return QAccessibleWidget::childCount() + graphic;
    return QAccessibleWidget::indexOfChild(child);
  }

  // The text.
  QString text(int start, int end) const override {
    return Edit()->toPlainText().mid(start, end - start);
  }
  int characterCount() const override { return Edit()->document()->characterCount() - 1; }
  QString attributes(int offset, int* start, int* end) const override {
    TSpellChecker* checker = Checker();
    if (checker != nullptr && checker->MarkRun(offset, *start, *end)) {
      return QStringLiteral("invalid:spelling;");
    }
    if (checker == nullptr) {
      *start = 0;
      *end = characterCount();
    }
    return {};
  }

  // The caret and the selection.
  int cursorPosition() const override { return Edit()->textCursor().position(); }
  void setCursorPosition(int position) override { Select(position, position); }
  int selectionCount() const override { return Edit()->textCursor().hasSelection() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    const QTextCursor cursor = Edit()->textCursor();
    if (index == 0 && cursor.hasSelection()) {
      *start = cursor.selectionStart();
      *end = cursor.selectionEnd();
    }
  }
  void addSelection(int start, int end) override { Select(start, end); }
  void removeSelection(int) override { Select(cursorPosition(), cursorPosition()); }
  void setSelection(int, int start, int end) override { Select(start, end); }

  // Where characters are.
  QRect characterRect(int offset) const override {
    QTextCursor cursor(Edit()->document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    QRect rect = Edit()->cursorRect(cursor);
    const QString character = text(offset, offset + 1);
    rect.setWidth(Edit()->fontMetrics().horizontalAdvance(character.isEmpty() ? QStringLiteral(" ")
                                                                              : character));
    return QRect(Edit()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Edit()->cursorForPosition(Edit()->viewport()->mapFromGlobal(point)).position();
  }
  void scrollToSubstring(int start, int end) override {
    Select(end, end);
    Edit()->ensureCursorVisible();
    Select(start, start);
    Edit()->ensureCursorVisible();
  }

  // Editing, as typing would.
  void deleteText(int start, int end) override { replaceText(start, end, QString()); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    if (Edit()->isReadOnly()) return;
    QTextCursor cursor(Edit()->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(text);
  }

 private:
  QPlainTextEdit* Edit() const { return static_cast<QPlainTextEdit*>(widget()); }
  int GraphicCount() const {
    const auto* drawn = dynamic_cast<const TTextGraphics*>(Edit());
    return drawn != nullptr ? drawn->GraphicCount() : 0;
  }
  mutable TAccessibleCells graphics;
  TSpellChecker* Checker() const {
    return qobject_cast<TSpellChecker*>(Edit()->property(kCheckerProperty).value<QObject*>());
  }
  void Select(int start, int end) {
    QTextCursor cursor(Edit()->document());
    cursor.setPosition(std::clamp(start, 0, characterCount()));
    cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
    Edit()->setTextCursor(cursor);
  }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* edit = qobject_cast<QPlainTextEdit*>(object);
  if (edit == nullptr || !edit->property(kCheckerProperty).isValid()) return nullptr;
  return new TSpellTextAccess(edit);
}

}  // namespace

void TSpellChecker::InstallAccess() {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)factoryInstalled;
  edit->setProperty(kCheckerProperty, QVariant::fromValue<QObject*>(this));
  // The toolkit's interface may be made already (setting the area's description makes it): it
  // goes, and the next question gets this one.
  QAccessibleInterface* current = QAccessible::queryAccessibleInterface(edit);
  if (current != nullptr && dynamic_cast<TSpellTextAccess*>(current) == nullptr) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
  }
}

void TSpellChecker::RemoveAccess() {
  edit->setProperty(kCheckerProperty, QVariant());
  if (QAccessibleInterface* current = QAccessible::queryAccessibleInterface(edit)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
  }
}
