// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "widgets/prompts.h"

class QCheckBox;
class QLabel;
class QLineEdit;

// The password of an encrypted diary, asked before anything of it is read: a window titled with
// the program's name, what it is for, the field "Password", and where offered, "Remember the
// password on this device".
class TPasswordDialog : public QDialog {
  Q_OBJECT

 public:
  TPasswordDialog(const QString& text, bool offerRemember, QWidget* parent = nullptr);
  TPasswordAnswer Answer() const;

 private:
  QLabel* PasswordText = nullptr;
  QLineEdit* PasswordField = nullptr;
  QCheckBox* PasswordRemember = nullptr;
};
