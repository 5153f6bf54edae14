// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An encrypted diary in the window: File, Encryption…, the password at the next start, the
// external editor's plain copy, a damaged entry and its history.
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "crypto/keyfile.h"
#include "crypto/sealing.h"
#include "encryption/encryptionwindow.h"
#include "entries/history.h"
#include "windowtest.h"

using namespace windowtest;

namespace {

const QString kPassword = QStringLiteral("a long enough password");

// Every file under the current folder, by path, with its bytes.
QMap<QString, QByteArray> Files() {
  QMap<QString, QByteArray> files;
  QDirIterator it(QStringLiteral("."), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    files.insert(path, ReadBytes(path));
  }
  return files;
}

QStringList FilesHolding(const QByteArray& text) {
  QStringList found;
  const QMap<QString, QByteArray> files = Files();
  for (auto it = files.begin(); it != files.end(); ++it) {
    if (it.value().contains(text)) found << it.key();
  }
  return found;
}

// A diary encrypted by the core at a cost that unlocks at once, for the tests that start there.
marrowleaf::DiaryKey EncryptedDiary() {
  marrowleaf::NewKeyFile made = marrowleaf::CreateKeyFile(".", kPassword, {1, 8192});
  if (!made.outcome.ok) qFatal("no key file");
  return std::move(made.key);
}

}  // namespace

class EncryptionTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void the_menu_offers_encryption_above_exit() {
    auto form = Start();
    const QList<QAction*> items = Child<QMenu>(*form, "N1")->actions();
    QCOMPARE(items.size() >= 2, true);
    QCOMPARE(items[items.size() - 2]->objectName(), QStringLiteral("Encr1"));
    QCOMPARE(items.last()->objectName(), QStringLiteral("Exi1"));
  }

  void encrypting_then_restarting_asks_the_password_and_shows_every_entry_with_its_history() {
    const QString today = Path(kToday, 0);
    {
      auto form = Start();
      Child<QCheckBox>(*form, "CheckBox_autosave")->setChecked(true);
      Click(*form, "Button_create");
      Type(*form, QStringLiteral("first words"));
      SetDate(*form, kToday.addDays(-1));  // saved
      SetDate(*form, kToday);
      Type(*form, QStringLiteral(", then more"));
      SetDate(*form, kToday.addDays(-1));  // saved again: "first words" goes into the history
      SetDate(*form, kToday);
      WriteBytes(Path(kToday.addDays(1), 0), QByteArray("tomorrow's words\0", 17));

      prompts.onDialog = [&](QDialog& dialog) {
        auto& window = static_cast<TEncryptionWindow&>(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Encryption"));
        // Too short, then two that differ: said so, nothing made.
        dialog.findChild<QLineEdit*>(QStringLiteral("EncryptionPassword"))
            ->setText(QStringLiteral("short"));
        dialog.findChild<QLineEdit*>(QStringLiteral("EncryptionRepeat"))
            ->setText(QStringLiteral("short"));
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("EncryptionStrength"))
                    ->text()
                    .startsWith(QStringLiteral("Too short")));
        window.Encrypt();
        dialog.findChild<QLineEdit*>(QStringLiteral("EncryptionPassword"))->setText(kPassword);
        window.Encrypt();
        QCOMPARE(prompts.warnings.size(), 2);
        QVERIFY(!QFile::exists(QStringLiteral("marrowleaf.key")));
        dialog.findChild<QLineEdit*>(QStringLiteral("EncryptionRepeat"))->setText(kPassword);
        // Enter in the fields encrypts, as the button does.
        dialog.show();
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("EncryptionRepeat")),
                        Qt::Key_Return);
        QTRY_VERIFY2_WITH_TIMEOUT(
            !window.Busy() && window.Report().contains(QStringLiteral("is encrypted")),
            qPrintable(window.Report() + prompts.warnings.join(QLatin1Char('\n'))), 60000);
      };
      form->findChild<QAction*>(QStringLiteral("Encr1"))->trigger();
      QCOMPARE(prompts.dialogs, 1);
      QVERIFY(QFile::exists(QStringLiteral("marrowleaf.key")));
      // No file of the diary holds a word of any entry in plain.
      for (const char* words : {"first words", "then more", "tomorrow"}) {
        QCOMPARE(FilesHolding(words), QStringList());
      }
      // The window goes on with what it shows, and saves it sealed.
      Type(*form, QStringLiteral(" and later"));
      SetDate(*form, kToday.addDays(-1));
      QCOMPARE(FilesHolding("later"), QStringList());
      QVERIFY(prompts.exceptions.isEmpty());
    }
    // A wrong password says so and writes nothing; Cancel then ends without reading.
    const QMap<QString, QByteArray> before = Files();
    prompts = ScriptedPrompts();
    prompts.passwords = {QStringLiteral("not the password")};
    {
      auto form = Start();
      QVERIFY(!form->Unlocked());
      QCOMPARE(prompts.passwordQuestions.size(), 2);
      QVERIFY(prompts.passwordQuestions[1].contains(QStringLiteral("wrong")));
      QCOMPARE(Text(*form), QString());
    }
    QCOMPARE(Files(), before);
    // The right one shows every entry as before, with its history.
    prompts = ScriptedPrompts();
    prompts.passwords = {kPassword};
    auto form = Start();
    QVERIFY(form->Unlocked());
    QCOMPARE(Text(*form), QStringLiteral("first words, then more and later"));
    SetDate(*form, kToday.addDays(1));
    QCOMPARE(Text(*form), QStringLiteral("tomorrow's words"));
    SetDate(*form, kToday);
    QStringList versions;
    prompts.onDialog = [&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("HistoryList"));
      for (int row = 0; row < list->count(); ++row) versions << list->item(row)->text();
    };
    form->findChild<QAction*>(QStringLiteral("Hist1"))->trigger();
    QVERIFY2(versions.filter(QStringLiteral("first words, then more")).size() >= 1,
             qPrintable(versions.join(QLatin1Char('\n'))));
    QVERIFY(versions.filter(QStringLiteral("· first words")).size() >= 1);
    // A version's size is its text's, not that of the sealed file on disk.
    QVERIFY2(versions.filter(QStringLiteral("12 bytes · first words")).size() >= 1,
             qPrintable(versions.join(QLatin1Char('\n'))));
    QVERIFY(prompts.warnings.isEmpty());
  }

  void the_editor_gets_a_private_plain_copy_that_is_gone_when_it_returns() {
    const marrowleaf::DiaryKey key = EncryptedDiary();
    WriteBytes(Path(kToday, 0), QByteArray::fromStdString(
                                    marrowleaf::SealBytes(key, std::string("sealed words\0", 13))));
    const QString script = dir->filePath(QStringLiteral("fakeed"));
    WriteBytes(script,
               "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/args.txt\"\n"
               "stat -c %a \"$(dirname \"$1\")\" > \"$(dirname \"$0\")/mode.txt\"\n"
               "printf ' from the editor' >> \"$1\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR=" + script.toUtf8() + "\n");
    prompts.passwords = {kPassword};
    auto form = Start();
    QCOMPARE(Text(*form), QStringLiteral("sealed words"));
    Click(*form, "Button_launch_editor");
    const QString copy = QString::fromUtf8(ReadBytes(dir->filePath(QStringLiteral("args.txt"))));
    QVERIFY2(copy.startsWith(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)),
             qPrintable(copy));
    QCOMPARE(ReadBytes(dir->filePath(QStringLiteral("mode.txt"))), QByteArray("700\n"));
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!QFileInfo::exists(QFileInfo(copy).path()));
    QCOMPARE(Text(*form), QStringLiteral("sealed words from the editor"));
    QCOMPARE(FilesHolding("words from the"), QStringList());
    QVERIFY(prompts.warnings.isEmpty());
  }

  void a_damaged_entry_says_so_writes_nothing_and_its_history_restores_it() {
    const marrowleaf::DiaryKey key = EncryptedDiary();
    std::string damaged = marrowleaf::SealBytes(key, std::string("lost words\0", 11));
    damaged[60] ^= 1;
    WriteBytes(Path(kToday, 0), QByteArray::fromStdString(damaged));
    const std::string history = marrowleaf::HistoryFolder(
        ".", {static_cast<uint16_t>(kToday.year()), static_cast<uint16_t>(kToday.month()),
              static_cast<uint16_t>(kToday.day()), 0});
    WriteBytes(
        QString::fromStdString(history + "/" + marrowleaf::VersionName(1000000)),
        QByteArray::fromStdString(marrowleaf::SealBytes(key, std::string("earlier words\0", 14))));
    prompts.passwords = {kPassword};
    auto form = Start();
    QVERIFY(Text(*form).contains(QStringLiteral("damaged")));
    QVERIFY(Child<QPlainTextEdit>(*form, "inputarea")->isReadOnly());
    Click(*form, "Button_create");  // never over a file that is there
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray::fromStdString(damaged));
    prompts.onDialog = [&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("HistoryList"));
      QCOMPARE(list->count(), 1);
      list->setCurrentRow(0);
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("HistoryRestore")),
                        Qt::LeftButton);
    };
    form->findChild<QAction*>(QStringLiteral("Hist1"))->trigger();
    QCOMPARE(Text(*form), QStringLiteral("earlier words"));
    Child<QCheckBox>(*form, "CheckBox_autosave")->setChecked(true);
    SetDate(*form, kToday.addDays(-1));
    SetDate(*form, kToday);
    QCOMPARE(Text(*form), QStringLiteral("earlier words"));
    // The damaged bytes are not lost: they are the newest version now.
    const std::vector<marrowleaf::Version> versions = marrowleaf::ListVersions(
        ".", {static_cast<uint16_t>(kToday.year()), static_cast<uint16_t>(kToday.month()),
              static_cast<uint16_t>(kToday.day()), 0});
    QCOMPARE(ReadBytes(QString::fromStdString(versions.front().path)),
             QByteArray::fromStdString(damaged));
  }

  void export_of_an_encrypted_diary_says_first_that_it_is_plain() {
    const marrowleaf::DiaryKey key = EncryptedDiary();
    WriteBytes(Path(kToday, 0),
               QByteArray::fromStdString(marrowleaf::SealBytes(key, std::string("words\0", 6))));
    prompts.passwords = {kPassword};
    auto form = Start();
    prompts.onDialog = [&](QDialog& dialog) {
      dialog.findChild<QLineEdit*>(QStringLiteral("ExportFile"))
          ->setText(dir->filePath(QStringLiteral("out.txt")));
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ExportGo")), Qt::LeftButton);
    };
    form->findChild<QAction*>(QStringLiteral("Expo1"))->trigger();
    QVERIFY2(prompts.confirmations.filter(QStringLiteral("plain")).size() == 1,
             qPrintable(prompts.confirmations.join(QLatin1Char('\n'))));
    QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("out.txt"))));  // No was the answer
  }
};

QTEST_MAIN(EncryptionTest)
#include "encryption_test.moc"
