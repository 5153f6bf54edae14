// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An encrypted diary in the main window: its password asked before anything is read, File,
// Encryption…, a conversion that an earlier run left unfinished, and the shown entry's file
// written anew by one.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <memory>

#include "crypto/keyfile.h"
#include "diary/diary.h"
#include "encryption/encryptionwindow.h"
#include "encryption/keyring.h"
#include "engines/encryption/conversion.h"
#include "mainwindow/tform1.h"
#include "widgets/prompts.h"

namespace {

QString Native(const std::string& path) {
  return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

// Why none of the key files could be used, one line for each.
QString KeyFileTrouble(const std::vector<marrowleaf::KeyFileTry>& tried) {
  QStringList lines;
  for (const marrowleaf::KeyFileTry& attempt : tried) {
    QString why;
    switch (attempt.result) {
      case marrowleaf::Unlocking::kUnreadable:
      case marrowleaf::Unlocking::kMissing:
        why = TForm1::tr("it cannot be read (%1)").arg(QString::fromStdString(attempt.error));
        break;
      case marrowleaf::Unlocking::kNotAKeyFile:
        why = TForm1::tr("it is no key file");
        break;
      case marrowleaf::Unlocking::kUnknownVersion:
        why = TForm1::tr("it was written by a newer version of the program");
        break;
      case marrowleaf::Unlocking::kOutOfMemory:
        why = TForm1::tr("this device lacks the memory its password needs");
        break;
      default:
        why = TForm1::tr("it is damaged");
        break;
    }
    lines << Native(attempt.path) + QStringLiteral(": ") + why;
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

std::string TForm1::ConversionNoteDir() const {
  if (draftDir.empty()) return {};
  const std::string::size_type slash = draftDir.rfind('/');
  return (slash == std::string::npos ? std::string(".") : draftDir.substr(0, slash)) +
         "/conversions";
}

bool TForm1::UnlockAtStart(const marrowleaf::Settings& settings) {
  if (marrowleaf::FindKeyFiles(saveDir).empty()) return true;
  const std::optional<marrowleaf::Conversion> pending =
      marrowleaf::PendingConversion(ConversionNoteDir(), saveDir);
  // A diary being decrypted is still opened with its key, and written plain.
  const bool seal = pending != marrowleaf::Conversion::kDecrypt;
  marrowleaf::DiaryKeys known;
  QString text = tr("This diary is encrypted. Enter its password to open it.");
  // A password this device keeps in the desktop's keyring is tried first, once.
  std::optional<QString> kept;
  if (settings.keyring == "1") kept = keyring::Lookup(saveDir);
  for (;;) {
    std::optional<TPasswordAnswer> answer;
    if (kept) {
      answer = TPasswordAnswer{*std::exchange(kept, std::nullopt), false};
    } else {
      answer = prompts.AskPassword(this, text, settings.keyring != "1");
    }
    if (!answer) {
      // Some keys open, another device's key stays locked: the diary opens with what opens.
      if (known.Empty()) return false;
      diary->SetKeys(std::make_shared<marrowleaf::DiaryKeys>(std::move(known)), seal);
      return true;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    marrowleaf::DiaryUnlock unlock =
        marrowleaf::UnlockDiary(saveDir, answer->password, std::move(known));
    QApplication::restoreOverrideCursor();
    known = std::move(unlock.keys);
    switch (unlock.result) {
      case marrowleaf::DiaryUnlocking::kNoKeyFile:
        return true;  // the key files went meanwhile: a plain diary
      case marrowleaf::DiaryUnlocking::kUnlocked:
        diary->SetKeys(std::make_shared<marrowleaf::DiaryKeys>(std::move(known)), seal);
        if (answer->remember) {
          QString why;
          if (keyring::Store(saveDir, answer->password, &why)) {
            marrowleaf::WriteChosenSetting(settingsFiles, "ENCRYPTION", "KEYRING", "1");
          } else {
            prompts.ShowWarning(
                this, tr("The password could not be kept in the desktop's keyring:\n%1").arg(why));
          }
        }
        return true;
      case marrowleaf::DiaryUnlocking::kWrongPassword:
        text = tr("The password is wrong. Enter the password of this diary.");
        break;
      case marrowleaf::DiaryUnlocking::kAnotherKeyLocked:
        text =
            tr("Two devices encrypted this diary, each with a password of its own, and a sync "
               "tool kept both key files. Enter the other device's password too, or Cancel "
               "to open only the entries that this password opens.");
        break;
      case marrowleaf::DiaryUnlocking::kNoUsableKeyFile:
        prompts.ShowWarning(this, tr("This diary is encrypted, but none of its key files can be "
                                     "used:\n%1\n\nNothing was read or written.")
                                      .arg(KeyFileTrouble(unlock.tried)));
        return false;
    }
  }
}

void TForm1::Encr1Click() {
  SaveEntryIfModified();  // the conversion then finds the text in the file
  TEncryptionWindow window(prompts, *diary, ConversionNoteDir(), draftDir, this);
  prompts.ShowDialog(window);
  window.Cancel();  // closed while converting: the rest waits for the next start
}

void TForm1::ResumeConversion() {
  if (conversionResumed) return;
  conversionResumed = true;
  const std::optional<marrowleaf::Conversion> pending =
      marrowleaf::PendingConversion(ConversionNoteDir(), saveDir);
  if (!pending) return;
  if (!diary->Encrypted()) {
    // Its key file is gone: a decryption that finished but for its note, or nothing to go on
    // with.
    marrowleaf::ClearConversion(ConversionNoteDir(), saveDir);
    return;
  }
  TEncryptionWindow window(prompts, *diary, ConversionNoteDir(), draftDir, this);
  window.Convert(*pending);
  prompts.ShowDialog(window);
  window.Cancel();
}

void TForm1::AdoptRewrittenEntry() {
  if (entryPath.empty()) return;
  const marrowleaf::EntryRead read = marrowleaf::ReadEntryFile(entryPath);
  // Only the bytes changed: the text the window loaded or saved is still what the file holds.
  if (read.ok && marrowleaf::HashBytes(read.text) == savedTextHash) entryState = read.state;
  CheckShownEntry();
}
