// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messageboxprompts.h"

#include <QDialog>
#include <QMessageBox>

MessageBoxPrompts::MessageBoxPrompts(std::function<void(const QString&)> display)
    : exceptionDisplay(std::move(display)) {}

bool MessageBoxPrompts::AskSave(QWidget* owner) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("text modified"), QStringLiteral("save?"),
                  QMessageBox::Yes | QMessageBox::No, owner);
  box.setDefaultButton(QMessageBox::Yes);
  // Closing the box with Escape or its close button counts as No, the only other answer.
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void MessageBoxPrompts::ShowException(const QString& message) { exceptionDisplay(message); }

void MessageBoxPrompts::ShowWarning(QWidget* owner, const QString& text) {
  QMessageBox::warning(owner, QStringLiteral("marrowleaf"), text);
}

void MessageBoxPrompts::ShowDialog(QDialog& dialog) { dialog.exec(); }
