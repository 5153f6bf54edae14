// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encryption/encryptionwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "crypto/keyfile.h"
#include "diary/diary.h"
#include "diary/longwork.h"
#include "encryption/keyring.h"
#include "widgets/prompts.h"

namespace {

using marrowleaf::Conversion;

QString Native(const std::string& path) {
  return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

// A key file written on this device, at the cost measured here: off the window's thread, as the
// measuring alone takes about a second.
struct MadeKey {
  marrowleaf::SaveOutcome outcome;
  std::shared_ptr<marrowleaf::DiaryKeys> keys;
};

// The thumbnails of the diary's pictures were kept on disk while it was plain; which of the
// cache's are its own is not worth guessing: the cache goes, and is made again for plain diaries.
void ForgetThumbnails() {
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (!cache.isEmpty()) QDir(cache + QStringLiteral("/pictures")).removeRecursively();
}

}  // namespace

TEncryptionWindow::TEncryptionWindow(TPrompts& p, TDiary& d, std::string notes, std::string drafts,
                                     QWidget* parent)
    : QDialog(parent),
      prompts(p),
      diary(d),
      saveDir(d.SaveDir()),
      noteDir(std::move(notes)),
      draftDir(std::move(drafts)) {
  setObjectName(QStringLiteral("EncryptionWindow"));
  setWindowTitle(tr("Encryption"));
  work = new TLongWork(this);
  counts = new TLongWork(this);
  CreateLayout();
  connect(work, &TLongWork::progress, this, [this](qint64 done, qint64 total) {
    EncryptionProgress->setMaximum(static_cast<int>(std::max<qint64>(total, 1)));
    EncryptionProgress->setValue(static_cast<int>(done));
  });
  ShowState();
  Census();
}

TEncryptionWindow::~TEncryptionWindow() = default;

void TEncryptionWindow::CreateLayout() {
  auto* layout = new QVBoxLayout(this);
  EncryptionStatus = new QLabel(this);
  EncryptionStatus->setObjectName(QStringLiteral("EncryptionStatus"));
  EncryptionStatus->setWordWrap(true);
  layout->addWidget(EncryptionStatus);

  EncryptionFields = new QWidget(this);
  EncryptionFields->setObjectName(QStringLiteral("EncryptionFields"));
  auto* form = new QFormLayout(EncryptionFields);
  form->setContentsMargins(0, 0, 0, 0);
  EncryptionPassword = new QLineEdit(EncryptionFields);
  EncryptionPassword->setObjectName(QStringLiteral("EncryptionPassword"));
  EncryptionPassword->setEchoMode(QLineEdit::Password);
  EncryptionPasswordLabel = new QLabel(EncryptionFields);
  EncryptionPasswordLabel->setBuddy(EncryptionPassword);
  form->addRow(EncryptionPasswordLabel, EncryptionPassword);
  EncryptionRepeat = new QLineEdit(EncryptionFields);
  EncryptionRepeat->setObjectName(QStringLiteral("EncryptionRepeat"));
  EncryptionRepeat->setEchoMode(QLineEdit::Password);
  form->addRow(tr("&Repeat password:"), EncryptionRepeat);
  EncryptionStrength = new QLabel(EncryptionFields);
  EncryptionStrength->setObjectName(QStringLiteral("EncryptionStrength"));
  EncryptionStrength->setWordWrap(true);
  form->addRow(QString(), EncryptionStrength);
  layout->addWidget(EncryptionFields);

  auto* buttons = new QHBoxLayout;
  EncryptionEncrypt = new QPushButton(tr("&Encrypt"), this);
  EncryptionEncrypt->setObjectName(QStringLiteral("EncryptionEncrypt"));
  EncryptionChange = new QPushButton(tr("&Change password…"), this);
  EncryptionChange->setObjectName(QStringLiteral("EncryptionChange"));
  EncryptionDecrypt = new QPushButton(tr("&Decrypt…"), this);
  EncryptionDecrypt->setObjectName(QStringLiteral("EncryptionDecrypt"));
  EncryptionPlain = new QPushButton(tr("Encrypt the &plain entries"), this);
  EncryptionPlain->setObjectName(QStringLiteral("EncryptionPlain"));
  for (QPushButton* button :
       {EncryptionEncrypt, EncryptionChange, EncryptionPlain, EncryptionDecrypt}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  layout->addLayout(buttons);

  EncryptionRemember = new QCheckBox(tr("Re&member the password on this device"), this);
  EncryptionRemember->setObjectName(QStringLiteral("EncryptionRemember"));
  EncryptionRemember->setToolTip(tr("Kept in the desktop's keyring, for this diary"));
  layout->addWidget(EncryptionRemember);

  auto* progress = new QHBoxLayout;
  EncryptionProgress = new QProgressBar(this);
  EncryptionProgress->setObjectName(QStringLiteral("EncryptionProgress"));
  EncryptionCancel = new QPushButton(tr("Cancel"), this);
  EncryptionCancel->setObjectName(QStringLiteral("EncryptionCancel"));
  EncryptionCancel->setAutoDefault(false);
  progress->addWidget(EncryptionProgress, 1);
  progress->addWidget(EncryptionCancel);
  layout->addLayout(progress);

  EncryptionReport = new QPlainTextEdit(this);
  EncryptionReport->setObjectName(QStringLiteral("EncryptionReport"));
  EncryptionReport->setReadOnly(true);
  EncryptionReport->setAccessibleName(tr("Report"));
  layout->addWidget(EncryptionReport, 1);

  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  close->setObjectName(QStringLiteral("EncryptionButtons"));
  layout->addWidget(close);
  resize(560, 420);

  // Enter in the password fields does what the fields are for (Encrypt, or Change password…),
  // never Close: typed twice and confirmed, a password must not be dropped with the window.
  close->button(QDialogButtonBox::Close)->setAutoDefault(false);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(EncryptionPassword, &QLineEdit::textChanged, this,
          [this](const QString& text) { EncryptionStrength->setText(StrengthHint(text)); });
  connect(EncryptionEncrypt, &QPushButton::clicked, this, &TEncryptionWindow::Encrypt);
  connect(EncryptionChange, &QPushButton::clicked, this, &TEncryptionWindow::ChangePassword);
  connect(EncryptionDecrypt, &QPushButton::clicked, this, &TEncryptionWindow::Decrypt);
  connect(EncryptionPlain, &QPushButton::clicked, this, [this] { Convert(Conversion::kEncrypt); });
  connect(EncryptionCancel, &QPushButton::clicked, this, &TEncryptionWindow::Cancel);
  connect(EncryptionRemember, &QCheckBox::clicked, this, &TEncryptionWindow::RememberChanged);
}

QString TEncryptionWindow::StrengthHint(const QString& password) {
  if (password.isEmpty()) return {};
  if (password.size() < kMinimumLength) {
    return tr("Too short: a password needs at least %1 characters.").arg(kMinimumLength);
  }
  // A rough guess at what guessing it would take: the kinds of characters it uses, to the power
  // of its length, less for characters repeated.
  bool lower = false, upper = false, digit = false, other = false, wide = false;
  QList<QChar> seen;
  for (const QChar c : password) {
    lower = lower || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
    upper = upper || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    digit = digit || c.isDigit();
    wide = wide || c.unicode() > 127;
    other = other || (!c.isLetterOrNumber() && c.unicode() <= 127);
    if (!seen.contains(c)) seen.append(c);
  }
  const int pool =
      (lower ? 26 : 0) + (upper ? 26 : 0) + (digit ? 10 : 0) + (other ? 33 : 0) + (wide ? 100 : 0);
  const double bits = std::log2(std::max(pool, 2)) *
                      (static_cast<double>(seen.size()) + static_cast<double>(password.size())) / 2;
  if (bits < 40)
    return tr("Weak: a longer password, or a few unrelated words, is far harder to guess.");
  if (bits < 64) return tr("Fair: a few more characters or words make it strong.");
  return tr("Strong.");
}

void TEncryptionWindow::ShowState() {
  const bool encrypted = !marrowleaf::FindKeyFiles(saveDir).empty();
  const bool busy = Busy();
  QString status;
  if (!encrypted) {
    status =
        tr("This diary is not encrypted: anyone who has its folder can read its entries. "
           "Encrypting keeps every entry, its history, its drafts and its pictures readable "
           "only with the password; sync tools and the history go on working.");
  } else {
    status =
        tr("This diary is encrypted: its entries, their history, drafts and pictures open "
           "only with its password.");
    if (diary.Keys() && diary.Keys()->Size() > 1) {
      status += QLatin1Char(' ') +
                tr("Two devices encrypted it, each with a key of its own: the files of both "
                   "open. \"Encrypt the plain entries\" seals them all anew under this device's "
                   "key.");
    }
  }
  EncryptionStatus->setText(status);
  EncryptionPasswordLabel->setText(encrypted ? tr("&New password:") : tr("&Password:"));
  EncryptionEncrypt->setVisible(!encrypted);
  EncryptionChange->setVisible(encrypted);
  EncryptionEncrypt->setDefault(!encrypted);
  EncryptionChange->setDefault(encrypted);
  EncryptionDecrypt->setVisible(encrypted);
  EncryptionPlain->setVisible(encrypted);
  EncryptionPlain->setEnabled(!busy && diary.Encrypted() && (plainFiles > 0 || stopped));
  EncryptionRemember->setVisible(encrypted);
  EncryptionRemember->setChecked(
      marrowleaf::ReadChosenSetting(diary.Settings(), "ENCRYPTION", "KEYRING") == "1");
  for (QWidget* control :
       {static_cast<QWidget*>(EncryptionFields), static_cast<QWidget*>(EncryptionEncrypt),
        static_cast<QWidget*>(EncryptionChange), static_cast<QWidget*>(EncryptionDecrypt),
        static_cast<QWidget*>(EncryptionRemember)}) {
    control->setEnabled(!busy && (!encrypted || diary.Encrypted()));
  }
  EncryptionProgress->setVisible(busy);
  EncryptionCancel->setVisible(busy);
}

bool TEncryptionWindow::Busy() const { return work->Busy(); }

QString TEncryptionWindow::Report() const { return EncryptionReport->toPlainText(); }

void TEncryptionWindow::Census() {
  if (!diary.Encrypted()) return;
  counts->Start<marrowleaf::DiaryCensus>(
      [dir = saveDir](TLongWork::Run& run) {
        return marrowleaf::CountDiaryFiles(dir, run.Cancelled());
      },
      [this](marrowleaf::DiaryCensus& census) {
        plainFiles = static_cast<int>(census.plain);
        QStringList lines;
        if (census.plain > 0) {
          lines << tr(
              "%n files of the diary are plain: written by another program or device, or "
              "before it was encrypted. They are encrypted when they are saved, or by "
              "\"Encrypt the plain entries\".",
              nullptr, plainFiles);
        }
        if (!census.unreadable.empty()) {
          lines << tr("%n files are encrypted with a key that this password does not open:",
                      nullptr, static_cast<int>(census.unreadable.size()));
          for (const auto& file : census.unreadable) lines << Native(file.path);
        }
        // After what the last conversion said, if anything.
        if (!lines.isEmpty()) {
          EncryptionReport->appendPlainText(lines.join(QLatin1Char('\n')));
        }
        ShowState();
      });
}

bool TEncryptionWindow::NewPasswordIsFit() {
  if (EncryptionPassword->text().size() < kMinimumLength) {
    prompts.ShowWarning(
        this, tr("Too short: a password needs at least %1 characters.").arg(kMinimumLength));
    return false;
  }
  if (EncryptionPassword->text() != EncryptionRepeat->text()) {
    prompts.ShowWarning(this, tr("The two passwords differ. Type the same password twice."));
    return false;
  }
  return true;
}

void TEncryptionWindow::Encrypt() {
  if (Busy() || !NewPasswordIsFit()) return;
  const QString password = EncryptionPassword->text();
  EncryptionPassword->clear();
  EncryptionRepeat->clear();
  EncryptionReport->setPlainText(tr("Making the diary's key…"));
  work->Start<MadeKey>(
      [dir = saveDir, password](TLongWork::Run&) {
        marrowleaf::NewKeyFile made =
            marrowleaf::CreateKeyFile(dir, password, marrowleaf::MeasureKeyCost());
        MadeKey result{made.outcome, std::make_shared<marrowleaf::DiaryKeys>()};
        result.keys->Add(std::move(made.key));
        return result;
      },
      [this, password](MadeKey& made) {
        if (!made.outcome.ok || made.keys->Empty()) {
          EncryptionReport->clear();
          prompts.ShowWarning(this, tr("The diary could not be encrypted:\n%1")
                                        .arg(QString::fromStdString(made.outcome.error)));
          ShowState();
          return;
        }
        diary.SetKeys(made.keys, true);
        marrowleaf::NoteConversion(noteDir, saveDir, Conversion::kEncrypt);
        ForgetThumbnails();
        if (EncryptionRemember->isChecked()) Remember(password);
        Convert(Conversion::kEncrypt);
      });
  ShowState();
}

QString TEncryptionWindow::CurrentPassword(const QString& why) {
  const std::optional<TPasswordAnswer> answer = prompts.AskPassword(this, why, false);
  if (!answer) return {};
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const marrowleaf::UnlockedKey unlocked =
      marrowleaf::UnlockKeyFile(marrowleaf::KeyFilePath(saveDir), answer->password);
  QApplication::restoreOverrideCursor();
  if (unlocked.result != marrowleaf::Unlocking::kUnlocked) {
    prompts.ShowWarning(this, tr("The password is wrong. Nothing was changed."));
    return {};
  }
  return answer->password;
}

void TEncryptionWindow::ChangePassword() {
  if (Busy() || !NewPasswordIsFit()) return;
  const QString old = CurrentPassword(tr("Enter the diary's current password."));
  if (old.isEmpty()) return;
  const QString fresh = EncryptionPassword->text();
  EncryptionPassword->clear();
  EncryptionRepeat->clear();
  EncryptionReport->setPlainText(tr("Changing the password…"));
  work->Start<marrowleaf::PasswordChange>(
      [file = marrowleaf::KeyFilePath(saveDir), old, fresh](TLongWork::Run&) {
        return marrowleaf::ChangePassword(file, old, fresh, marrowleaf::MeasureKeyCost());
      },
      [this, fresh](marrowleaf::PasswordChange& change) {
        EncryptionReport->clear();
        if (!change.outcome.ok) {
          prompts.ShowWarning(this, tr("The password could not be changed:\n%1")
                                        .arg(QString::fromStdString(change.outcome.error)));
        } else {
          if (EncryptionRemember->isChecked()) Remember(fresh);
          EncryptionReport->setPlainText(
              tr("The password is changed. Other devices use the new one as soon as the key file "
                 "reaches them."));
        }
        ShowState();
      });
  ShowState();
}

void TEncryptionWindow::Decrypt() {
  if (Busy()) return;
  const QString password =
      CurrentPassword(tr("Decrypting writes every entry, its history and its pictures as plain "
                         "files again, readable by anyone who has the folder. Enter the diary's "
                         "password to decrypt it."));
  if (password.isEmpty()) return;
  diary.SetKeys(diary.Keys(), false);
  marrowleaf::NoteConversion(noteDir, saveDir, Conversion::kDecrypt);
  Convert(Conversion::kDecrypt);
}

void TEncryptionWindow::Convert(Conversion way) {
  if (work->Busy()) return;
  stopped = false;
  counts->Cancel();
  if (way == Conversion::kEncrypt) marrowleaf::NoteConversion(noteDir, saveDir, way);
  EncryptionReport->setPlainText(way == Conversion::kEncrypt ? tr("Encrypting the diary…")
                                                             : tr("Decrypting the diary…"));
  EncryptionProgress->setValue(0);
  work->Start<marrowleaf::ConversionReport>(
      [dir = saveDir, way, drafts = draftDir](TLongWork::Run& run) {
        return marrowleaf::ConvertDiary(
            dir, way, drafts, run.Cancelled(), [&run](size_t done, size_t total) {
              // A step the eye can see: every file would flood the
              // window's thread.
              if (done % 64 == 0 || done == total) {
                run.Progress(static_cast<qint64>(done), static_cast<qint64>(total));
              }
            });
      },
      [this, way](marrowleaf::ConversionReport& report) { Finished(report, way); });
  ShowState();
}

void TEncryptionWindow::Cancel() {
  if (!work->Busy()) return;
  work->Cancel();
  stopped = true;
  EncryptionReport->setPlainText(
      tr("Stopped. The diary works as it is, with some files converted and some not; the "
         "conversion goes on at the next start."));
  diary.NoteFilesRewritten();
  ShowState();
}

void TEncryptionWindow::Finished(const marrowleaf::ConversionReport& report, Conversion way) {
  QStringList lines;
  if (way == Conversion::kEncrypt) {
    lines << tr("The diary is encrypted.");
  } else if (report.complete) {
    diary.SetKeys(nullptr);
    keyring::Forget(saveDir);
    lines << tr("The diary is decrypted: its files are plain again.");
  } else {
    // What could not be opened keeps its key: the diary stays encrypted.
    diary.SetKeys(diary.Keys(), true);
    lines << tr("The diary stays encrypted: some files could not be decrypted.");
  }
  if (!report.failures.empty()) {
    lines << tr("These files were left as they are:");
    for (const auto& failure : report.failures) {
      lines << Native(failure.path) + QStringLiteral(": ") + QString::fromStdString(failure.error);
    }
  }
  marrowleaf::ClearConversion(noteDir, saveDir);
  EncryptionReport->setPlainText(lines.join(QLatin1Char('\n')));
  plainFiles = 0;
  diary.NoteFilesRewritten();
  ShowState();
  if (diary.Encrypted()) Census();
}

void TEncryptionWindow::Remember(const QString& password) {
  QString why;
  if (!keyring::Store(saveDir, password, &why)) {
    prompts.ShowWarning(
        this, tr("The password could not be kept in the desktop's keyring:\n%1").arg(why));
    EncryptionRemember->setChecked(false);
    return;
  }
  marrowleaf::WriteChosenSetting(diary.Settings(), "ENCRYPTION", "KEYRING", "1");
}

void TEncryptionWindow::RememberChanged(bool remember) {
  if (!remember) {
    keyring::Forget(saveDir);
    marrowleaf::WriteChosenSetting(diary.Settings(), "ENCRYPTION", "KEYRING", "0");
    return;
  }
  const QString password =
      CurrentPassword(tr("Enter the diary's password to keep it in the desktop's keyring."));
  if (password.isEmpty()) {
    EncryptionRemember->setChecked(false);
    return;
  }
  Remember(password);
}
