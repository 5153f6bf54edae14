// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail: a full disk and a vanished entry keep the text in a recovery file.
#include "windowtest.h"

using namespace windowtest;

class FaultsTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // Runs on a 64 KiB tmpfs that the test command mounts (window_fulldisk); skipped elsewhere.
  void a_save_on_a_full_disk_reaches_the_recovery_file_or_says_it_could_not_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("recoveryDiskFull");
    QTest::newRow("1 byte") << 1 << false;
    QTest::newRow("10 KiB") << 10240 << false;
    QTest::newRow("1 MiB") << (1 << 20) << false;
    QTest::newRow("10 KiB, recovery disk full too") << 10240 << true;
  }
  void a_save_on_a_full_disk_reaches_the_recovery_file_or_says_it_could_not() {
    QFETCH(int, size);
    QFETCH(bool, recoveryDiskFull);
    const QString full = qEnvironmentVariable("MARROWLEAF_FULL_DISK");
    if (full.isEmpty()) QSKIP("full-disk case: runs on a small tmpfs in window_fulldisk");
    const QString work = full + QStringLiteral("/window");
    QDir(work).removeRecursively();
    QVERIFY(QDir().mkpath(work));
    QDir::setCurrent(work);
    const QByteArray oldHome = qgetenv("HOME");
    if (recoveryDiskFull) qputenv("HOME", (work + QStringLiteral("/home")).toLocal8Bit());
    const QDate today = kToday;
    WriteBytes(Path(today, 0), QByteArray("old text\0", 9));
    {
      auto form = Start();
      QFile filler(QStringLiteral("filler"));
      QVERIFY(filler.open(QIODevice::WriteOnly));
      const QByteArray block(4096, 'f');
      while (filler.write(block) == block.size() && filler.flush()) {
      }
      while (filler.write("f", 1) == 1 && filler.flush()) {
      }
      filler.close();
      const QString typed(size, QLatin1Char('t'));
      Type(*form, typed);
      prompts.answers = {true, false};
      Click(*form, "Button_today");
      QCOMPARE(ReadBytes(Path(today, 0)), QByteArray("old text\0", 9));
      QCOMPARE(prompts.warnings.size(), 1);
      const QString warning = prompts.warnings.first();
      if (recoveryDiskFull) {
        QVERIFY2(warning.contains(QStringLiteral("could not be kept")), qPrintable(warning));
      } else {
        const QString recovery = warning.section(QLatin1Char('\n'), -1);
        QCOMPARE(ReadBytes(recovery), (QStringLiteral("old text") + typed).toUtf8());
        QFile::remove(recovery);
      }
    }
    qputenv("HOME", oldHome);
    QDir::setCurrent(oldCwd);
    QDir(work).removeRecursively();
  }

  // Both questions of a date refresh come; Yes to both fails twice on the same text, which is
  // kept and reported once.
  void a_failed_save_keeps_the_text_in_a_recovery_file() {
    const QDate today = kToday;
    WriteBytes(Path(today, 0), "file");
    auto form = Start();
    // Gone behind the program's back, and no way to make it again: its folder is now a file.
    QVERIFY(QDir(QFileInfo(Path(today, 0)).path()).removeRecursively());
    WriteBytes(QFileInfo(Path(today, 0)).path(), "not a folder");
    const QDir recovered(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/recovered"));
    const qsizetype kept = recovered.entryList(QDir::Files).size();
    Type(*form, QStringLiteral(" precious"));
    prompts.answers = {true, true};
    Click(*form, "Button_today");
    QCOMPARE(prompts.questions, 2);
    QCOMPARE(prompts.warnings.size(), 1);
    const QString warning = prompts.warnings.first();
    QVERIFY2(warning.contains(QStringLiteral("tab \"Diary\"")), qPrintable(warning));
    const QString recovery = warning.section(QLatin1Char('\n'), -1);
    QVERIFY2(recovery.contains(QStringLiteral("/recovered/")), qPrintable(recovery));
    QCOMPARE(ReadBytes(recovery), QByteArray("file precious"));
    QCOMPARE(QFileInfo(recovery).dir().entryList(QDir::Files).size(), kept + 1);
    QVERIFY(!QFile::exists(Path(today, 0)));
  }
};

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
