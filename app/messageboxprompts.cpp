// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messageboxprompts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStandardPaths>

#include "encryption/passworddialog.h"
#include "widgets/windows.h"

void FitToCaption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  const int needed = TitleWidth(box.windowTitle());
  grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

MessageBoxPrompts::MessageBoxPrompts(std::function<void(const QString&)> display)
    : exceptionDisplay(std::move(display)) {}

std::unique_ptr<QMessageBox> SaveQuestion(QWidget* owner) {
  auto box = std::make_unique<QMessageBox>(
      QMessageBox::NoIcon, QCoreApplication::translate("TPrompts", "text modified"),
      QCoreApplication::translate("TPrompts", "save?"), QMessageBox::Yes | QMessageBox::No, owner);
  box->setDefaultButton(QMessageBox::Yes);
  // Closing the box with Escape or its close button counts as No, the only other answer.
  box->setEscapeButton(QMessageBox::No);
  FitToCaption(*box);
  return box;
}

bool MessageBoxPrompts::AskSave(QWidget* owner) {
  return SaveQuestion(owner)->exec() == QMessageBox::Yes;
}

void MessageBoxPrompts::ShowException(const QString& message) { exceptionDisplay(message); }

void MessageBoxPrompts::ShowWarning(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Warning, ProgramName(), text, QMessageBox::Ok, owner);
  FitToCaption(box);
  box.exec();
}

void MessageBoxPrompts::ShowInformation(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Information, ProgramName(), text, QMessageBox::Ok, owner);
  FitToCaption(box);
  box.exec();
}

bool MessageBoxPrompts::Confirm(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Question, ProgramName(), text, QMessageBox::Yes | QMessageBox::No,
                  owner);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  FitToCaption(box);
  return box.exec() == QMessageBox::Yes;
}

void MessageBoxPrompts::ShowDialog(QDialog& dialog) { dialog.exec(); }

QString MessageBoxPrompts::ChooseFile(QWidget* owner, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(
      owner, title, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), filter);
}

std::optional<TPasswordAnswer> MessageBoxPrompts::AskPassword(QWidget* owner, const QString& text,
                                                              bool offerRemember) {
  TPasswordDialog dialog(text, offerRemember, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Answer();
}
