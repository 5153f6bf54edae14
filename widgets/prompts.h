// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QDialog;
class QWidget;

// The program's name as users see it, the title of every window it raises besides the main one.
inline QString ProgramName() { return QStringLiteral("Marrowleaf"); }

// A password typed, and whether it is to be remembered on this device.
struct TPasswordAnswer {
  QString password;
  bool remember = false;
};

// Everything the window asks or tells the user goes through here, so that tests can answer.
class TPrompts {
 public:
  virtual ~TPrompts() = default;
  // The "save?" question; true for Yes.
  virtual bool AskSave(QWidget* owner) = 0;
  // The application's exception display, for an exception that escaped an event handler.
  virtual void ShowException(const QString& message) = 0;
  // A warning the program raises itself: a save that failed, an editor that did not start.
  virtual void ShowWarning(QWidget* owner, const QString& text) = 0;
  // News of work the user asked for that went as asked (a tag renamed in every entry).
  virtual void ShowInformation(QWidget* owner, const QString& text) = 0;
  // A question before a step the user may not want (a file replaced, an export without what
  // could not be read, a tab added for an import's journal); true for Yes. No is the default
  // answer.
  virtual bool Confirm(QWidget* owner, const QString& text) = 0;
  // One of the program's own windows (the history), until the user closes it.
  virtual void ShowDialog(QDialog& dialog) = 0;
  // A password, in a window titled with the program's name: `text` says what for, the field is
  // "Password", and where `offerRemember` a box offers to keep it in the desktop's keyring on this
  // device. Nothing when the user cancels.
  virtual std::optional<TPasswordAnswer> AskPassword(QWidget* owner, const QString& text,
                                                     bool offerRemember) {
    (void)owner;
    (void)text;
    (void)offerRemember;
    return std::nullopt;
  }
  // A file the user chooses to open, of the kinds `filter` names as a file dialog takes them;
  // empty when none is chosen.
  virtual QString ChooseFile(QWidget* owner, const QString& title, const QString& filter) {
    (void)owner;
    (void)title;
    (void)filter;
    return {};
  }
};
