// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail: a full disk and a vanished entry keep the text in a recovery file.
#include <sys/stat.h>

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

  // An entry that is a link or a special file: only a link that stays in the diary is written.
  void links_and_special_files_as_entries_are_never_written_through_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"link out of the diary", "link inside the diary", "device", "pipe"}) {
      QTest::newRow(kind) << QString::fromLatin1(kind);
    }
  }
  void links_and_special_files_as_entries_are_never_written_through() {
    QFETCH(QString, kind);
    const QString entry = Path(kToday, 0);
    QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("outside.txt"));
    const QString inside = QFileInfo(entry).path() + QStringLiteral("/kept.txt");
    WriteBytes(outside, QByteArray("outside\0", 8));
    WriteBytes(inside, QByteArray("inside\0", 7));
    // The diary itself is reached through a link: that alone changes nothing.
    QVERIFY(QFile::link(dir->path(), dir->filePath(QStringLiteral("../")) +
                                         QFileInfo(dir->path()).fileName() +
                                         QStringLiteral("-link")));
    if (kind == QStringLiteral("link out of the diary")) QVERIFY(QFile::link(outside, entry));
    if (kind == QStringLiteral("link inside the diary")) {
      QVERIFY(QFile::link(QStringLiteral("kept.txt"), entry));
    }
    if (kind == QStringLiteral("device")) QVERIFY(QFile::link(QStringLiteral("/dev/zero"), entry));
    if (kind == QStringLiteral("pipe"))
      QCOMPARE(::mkfifo(entry.toLocal8Bit().constData(), 0600), 0);
    QDir::setCurrent(dir->path() + QStringLiteral("-link"));
    auto form = Start();
    auto* area = Child<QPlainTextEdit>(*form, "inputarea");
    if (kind == QStringLiteral("link out of the diary")) {
      QCOMPARE(Text(*form), QStringLiteral("outside"));
      QVERIFY(area->isReadOnly());
      QVERIFY2(area->accessibleName().contains(QStringLiteral("outside the diary")),
               qPrintable(area->accessibleName()));
    }
    Click(*form, "Button_create");
    area->moveCursor(QTextCursor::End);
    QTest::keyClicks(area, QStringLiteral(" more"));
    prompts.answers = {true};
    Click(*form, "Button_next_month");
    Click(*form, "Button_launch_editor");
    QCOMPARE(ReadBytes(outside), QByteArray("outside\0", 8));
    QCOMPARE(QFileInfo(entry).isSymLink(),
             kind.startsWith(QStringLiteral("link")) || kind == QStringLiteral("device"));
    if (kind == QStringLiteral("link inside the diary")) {
      QCOMPARE(ReadBytes(inside), QByteArray("inside more\0", 12));
    } else {
      QCOMPARE(ReadBytes(inside), QByteArray("inside\0", 7));
    }
    if (kind == QStringLiteral("device") || kind == QStringLiteral("pipe")) {
      // Shown as missing; "create" cannot make a file there, so the typed text is recovered.
      QVERIFY2(prompts.warnings.first().contains(QStringLiteral("/recovered/")),
               qPrintable(prompts.warnings.join(QLatin1Char('|'))));
      QCOMPARE(QFileInfo(entry).isFile(), false);
    }
    QDir::setCurrent(dir->path());
    QFile::remove(dir->path() + QStringLiteral("-link"));
  }
};

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
