// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "widgets/prompts.h"

class QMessageBox;

// A message box sizes itself to its text alone; a window manager then cuts a longer caption
// ("text ... dified"). This widens the box to what its caption needs, with room for the frame's
// buttons.
void FitToCaption(QMessageBox& box);

// The "save?" question as it is asked: caption "text modified", buttons Yes (the default) and No.
std::unique_ptr<QMessageBox> SaveQuestion(QWidget* owner);

// The real message boxes. The exception display belongs to the application object, which hands
// it in.
class MessageBoxPrompts : public TPrompts {
 public:
  explicit MessageBoxPrompts(std::function<void(const QString&)> display);
  bool AskSave(QWidget* owner) override;
  void ShowException(const QString& message) override;
  void ShowWarning(QWidget* owner, const QString& text) override;
  void ShowInformation(QWidget* owner, const QString& text) override;
  bool Confirm(QWidget* owner, const QString& text) override;
  void ShowDialog(QDialog& dialog) override;
  QString ChooseFile(QWidget* owner, const QString& title, const QString& filter) override;
  std::optional<TPasswordAnswer> AskPassword(QWidget* owner, const QString& text,
                                             bool offerRemember) override;

 private:
  std::function<void(const QString&)> exceptionDisplay;
};
