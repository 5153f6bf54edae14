// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encryption/passworddialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TPasswordDialog::TPasswordDialog(const QString& text, bool offerRemember, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("PasswordDialog"));
  setWindowTitle(ProgramName());
  auto* layout = new QVBoxLayout(this);
  PasswordText = new QLabel(text, this);
  PasswordText->setObjectName(QStringLiteral("PasswordText"));
  PasswordText->setWordWrap(true);
  layout->addWidget(PasswordText);
  auto* form = new QFormLayout;
  PasswordField = new QLineEdit(this);
  PasswordField->setObjectName(QStringLiteral("PasswordField"));
  PasswordField->setEchoMode(QLineEdit::Password);
  form->addRow(tr("&Password:"), PasswordField);
  layout->addLayout(form);
  PasswordRemember = new QCheckBox(tr("&Remember the password on this device"), this);
  PasswordRemember->setObjectName(QStringLiteral("PasswordRemember"));
  PasswordRemember->setToolTip(tr("Kept in the desktop's keyring, for this diary"));
  PasswordRemember->setVisible(offerRemember);
  layout->addWidget(PasswordRemember);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("PasswordButtons"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  PasswordField->setFocus();
  setMinimumWidth(360);
}

TPasswordAnswer TPasswordDialog::Answer() const {
  return {PasswordField->text(), !PasswordRemember->isHidden() && PasswordRemember->isChecked()};
}
