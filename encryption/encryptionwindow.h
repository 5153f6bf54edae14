// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

#include "engines/encryption/conversion.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;
class TDiary;
class TLongWork;
class TPrompts;

// File, Encryption…: for a plain diary "Password", "Repeat password", a strength hint and
// "Encrypt"; for an encrypted one "Change password…" (the fields then take the new one),
// "Decrypt…", "Encrypt the plain entries" where files arrived in plain, and whether this device
// remembers the password in the desktop's keyring. A conversion runs file by file off the
// window's thread, with its progress and Cancel; stopped anywhere, the diary works as it is, and
// the conversion goes on at the next start or when chosen again.
class TEncryptionWindow : public QDialog {
  Q_OBJECT

 public:
  // `noteDir`: where this device notes a conversion under way; `draftDir`: its drafts.
  TEncryptionWindow(TPrompts& prompts, TDiary& diary, std::string noteDir, std::string draftDir,
                    QWidget* parent = nullptr);
  ~TEncryptionWindow() override;

  // What the controls do, also for tests.
  void Encrypt();
  void ChangePassword();
  void Decrypt();
  // Goes on with a conversion an earlier run began (or runs one again).
  void Convert(marrowleaf::Conversion way);
  void Cancel();
  bool Busy() const;
  QString Report() const;

  // The minimum length of a password; no other rule.
  static constexpr int kMinimumLength = 8;
  // The strength hint for a password, in one sentence.
  static QString StrengthHint(const QString& password);

 private:
  void CreateLayout();
  void ShowState();
  void Census();
  void Finished(const marrowleaf::ConversionReport& report, marrowleaf::Conversion way);
  bool NewPasswordIsFit();
  // Asks the diary's password and checks it against the key file; empty when cancelled.
  QString CurrentPassword(const QString& why);
  void RememberChanged(bool remember);
  void Remember(const QString& password);

  TPrompts& prompts;
  TDiary& diary;
  std::string saveDir;
  std::string noteDir;
  std::string draftDir;
  TLongWork* work = nullptr;    // the key made, a conversion
  TLongWork* counts = nullptr;  // what the diary's files are
  bool stopped = false;         // the last conversion was cancelled
  int plainFiles = 0;

  QLabel* EncryptionStatus = nullptr;
  QWidget* EncryptionFields = nullptr;
  QLabel* EncryptionPasswordLabel = nullptr;
  QLineEdit* EncryptionPassword = nullptr;
  QLineEdit* EncryptionRepeat = nullptr;
  QLabel* EncryptionStrength = nullptr;
  QPushButton* EncryptionEncrypt = nullptr;
  QPushButton* EncryptionChange = nullptr;
  QPushButton* EncryptionDecrypt = nullptr;
  QPushButton* EncryptionPlain = nullptr;
  QCheckBox* EncryptionRemember = nullptr;
  QProgressBar* EncryptionProgress = nullptr;
  QPushButton* EncryptionCancel = nullptr;
  QPlainTextEdit* EncryptionReport = nullptr;
};
