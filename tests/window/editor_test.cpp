// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The external editor: its command line, the save step around it, and no shell ever.
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTimer>
#include <filesystem>

#include "entries/history.h"
#include "windowtest.h"

using namespace windowtest;

class EditorTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void command_lines_split_at_runs_of_blanks() {
    using Words = std::vector<std::string>;
    QCOMPARE(SplitCommandLine("  ed  --wait\tx\xff "), (Words{"ed", "--wait", "x\xff"}));
    QCOMPARE(SplitCommandLine("a;b $(c) 'd|e'"), (Words{"a;b", "$(c)", "'d|e'"}));
    QVERIFY(SplitCommandLine("   ").empty());
  }

  void the_editor_gets_the_entry_path_and_the_save_step_runs_after_it() {
    QFETCH(bool, modified);
    const QString script = dir->filePath(QStringLiteral("fake editor.sh"));
    WriteBytes(script,
               "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.txt\"\n"
               "cat \"$1\" > \"$(dirname \"$0\")/handed.bin\"\n"
               "sleep 0.2\nprintf 'from editor' > \"$1\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::rename(script, dir->filePath(QStringLiteral("fakeed")));
    WriteBytes(QStringLiteral("config.ini"),
               "[GENERAL]\nEDITOR=" + dir->filePath(QStringLiteral("fakeed")).toUtf8() + "\n");
    const QDate today = kToday;
    auto form = Start();
    Child<QCheckBox>(*form, "CheckBox_autosave")->setChecked(true);
    if (modified) Type(*form, QStringLiteral("typed"));
    // Input of any kind while the editor runs reaches nothing: a key, an input method's text,
    // a drop.
    QStringList duringWait;
    QTimer::singleShot(0, form.get(), [&] {
      auto* area = Child<QPlainTextEdit>(*form, "inputarea");
      duringWait << Text(*form);
      QTest::keyClick(area, Qt::Key_K);
      QInputMethodEvent composed;
      composed.setCommitString(QStringLiteral("im"));
      QCoreApplication::sendEvent(area, &composed);
      QMimeData dragged;
      dragged.setText(QStringLiteral("dropped"));
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(area->viewport(), &enter);
      QDragMoveEvent move(QPoint(6, 6), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(area->viewport(), &move);
      QDropEvent drop(QPointF(6, 6), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(area->viewport(), &drop);
      duringWait << Text(*form);
    });
    Click(*form, "Button_launch_editor");
    QCOMPARE(duringWait.size(), 2);
    QCOMPARE(duringWait.last(), duringWait.first());
    QVERIFY(prompts.warnings.isEmpty());
    QCOMPARE(Captions(*form), QStringList{QStringLiteral("+Diary")});
    QCOMPARE(ReadBytes(dir->filePath(QStringLiteral("args.txt"))),
             QByteArray("./") + Path(today, 0).toUtf8() + "\n");
    // The entry is reloaded when the editor exits: the window shows what the editor wrote.
    QCOMPARE(Text(*form), QStringLiteral("from editor"));
    QVERIFY(!form->TextModified());
    QCOMPARE(ReadBytes(Path(today, 0)), QByteArray("from editor"));
    // Typed text is saved before the editor starts, and the bytes it is handed are kept.
    Type(*form, QStringLiteral(" later"));
    Click(*form, "Button_launch_editor");
    // Without the NUL of the save: editors take it for binary data.
    QCOMPARE(ReadBytes(dir->filePath(QStringLiteral("handed.bin"))),
             QByteArray("from editor later"));
    QCOMPARE(ReadBytes(Path(today, 0)), QByteArray("from editor"));
    QCOMPARE(Text(*form), QStringLiteral("from editor"));
    const std::vector<marrowleaf::Version> versions = marrowleaf::ListVersions(
        ".", {static_cast<uint16_t>(today.year()), static_cast<uint16_t>(today.month()),
              static_cast<uint16_t>(today.day()), 0});
    QVERIFY(!versions.empty());
    QCOMPARE(marrowleaf::ReadVersion(versions.front().path),
             std::string("from editor later\0", 18));
    QVERIFY(prompts.warnings.isEmpty());
  }
  void the_editor_gets_the_entry_path_and_the_save_step_runs_after_it_data() {
    QTest::addColumn<bool>("modified");
    QTest::newRow("fresh") << false;
    QTest::newRow("typed into placeholder") << true;
  }

  // An editor already open elsewhere takes the file over and returns at once, untouched.
  void an_editor_that_returns_at_once_is_told_of_once() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR=true\n");
    WriteBytes(Path(kToday, 0), QByteArray("text\0remains", 12));
    auto form = Start();
    Click(*form, "Button_launch_editor");
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("text"));
    Click(*form, "Button_launch_editor");
    QCOMPARE(prompts.warnings.size(), 1);
    QVERIFY2(prompts.warnings[0].contains(QStringLiteral("returned at once")),
             qPrintable(prompts.warnings[0]));
    // What it saves later reaches the window.
    WriteBytes(Path(kToday, 0), "saved in the other window");
    QTRY_COMPARE(Text(*form), QStringLiteral("saved in the other window"));
  }

  void no_shell_ever_sees_the_editor_command() {
    const QString marker = dir->filePath(QStringLiteral("shell-ran"));
    const QString script = dir->filePath(QStringLiteral("echoargs"));
    WriteBytes(script,
               "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$(dirname "
               "\"$0\")/args.txt\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR=" + script.toUtf8() + "  ;touch " +
                                                 marker.toUtf8() + " $(touch " + marker.toUtf8() +
                                                 ") |x \"q\"\n");
    auto form = Start();
    Click(*form, "Button_launch_editor");
    QVERIFY(!QFile::exists(marker));
    const QByteArray args = ReadBytes(dir->filePath(QStringLiteral("args.txt")));
    QVERIFY2(args.startsWith(QByteArray("[;touch][" + marker.toUtf8() + "][$(touch][" +
                                        marker.toUtf8() + ")][|x][\"q\"][./")),
             args.constData());
  }

  // Hostile editor settings and save folders: no shell ever runs, and the editor's arguments are
  // exactly the words of the command line split at blanks.
  void hostile_editor_settings_reach_no_shell_data() {
    QTest::addColumn<QByteArray>("editorTail");
    QTest::addColumn<QByteArray>("saveDir");
    const QByteArray c = "CANARY";
    QTest::newRow("semicolon") << ";touch " + c << QByteArray(".");
    QTest::newRow("command substitution") << "$(touch " + c + ")" << QByteArray(".");
    QTest::newRow("backticks") << "`touch " + c + "`" << QByteArray(".");
    QTest::newRow("pipe") << "| touch " + c << QByteArray(".");
    QTest::newRow("and, background") << "&& touch " + c + " &" << QByteArray(".");
    QTest::newRow("quotes") << QByteArray("\"a b\" 'c d' \"touch ") + c + "\"" << QByteArray(".");
    QTest::newRow("runs of blanks") << QByteArray("   x  \t  y   ") << QByteArray(".");
    QTest::newRow("leading dashes") << QByteArray("-rf --help -") << QByteArray(".");
    QTest::newRow("save folder with a semicolon") << QByteArray() << "d;touch " + c;
    QTest::newRow("save folder with substitution and blanks")
        << QByteArray("--") << "$(touch " + c + ") `x` |y";
    // The entry's path is one argument and keeps its bytes, whatever its folder's name holds.
    QTest::newRow("save folder with a blank") << QByteArray() << QByteArray("My Diary");
    QTest::newRow("save folder in Latin-1") << QByteArray("-") << QByteArray("Tagebuch \xe4");
  }
  void hostile_editor_settings_reach_no_shell() {
    QFETCH(QByteArray, editorTail);
    QFETCH(QByteArray, saveDir);
    const QString canary = dir->filePath(QStringLiteral("CANARY"));
    editorTail.replace("CANARY", canary.toUtf8());
    saveDir.replace("CANARY", canary.toUtf8());
    const QString script = dir->filePath(QStringLiteral("recordargs"));
    WriteBytes(script, "#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$(dirname \"$0\")/args.bin\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(QString::fromUtf8(saveDir));
    ::mkdir(saveDir.constData(), 0700);  // bytes, as the program's own paths are
    QVERIFY(marrowleaf::IsDirectory(saveDir.toStdString()));
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR=" + script.toUtf8() + " " +
                                                 editorTail + "\nSAVE_DIR=" + saveDir + "\n");
    auto form = Start();
    Click(*form, "Button_launch_editor");
    QCOMPARE(prompts.warnings.size(), 1);  // it returned at once, and was told of
    QVERIFY(prompts.warnings[0].contains(QStringLiteral("returned at once")));
    QVERIFY(!QFile::exists(canary));
    QByteArray expected;
    for (const std::string& word : SplitCommandLine(editorTail.toStdString())) {
      expected += QByteArray::fromStdString(word) + '\0';
    }
    expected += QByteArray::fromStdString(form->EntryPathValue()) + '\0';
    QVERIFY(form->EntryPathValue().rfind(saveDir.toStdString() + "/", 0) == 0);
    QCOMPARE(ReadBytes(dir->filePath(QStringLiteral("args.bin"))), expected);
    if (saveDir != ".") std::filesystem::remove_all(saveDir.toStdString());  // any bytes
  }

  void an_editor_that_cannot_start_is_reported_and_the_window_goes_on() {
    QFETCH(QByteArray, editor);
    QFETCH(QString, says);
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR=" + editor + "\n");
    auto form = Start();
    QElapsedTimer clock;
    clock.start();
    Click(*form, "Button_launch_editor");
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ZombieChildren(), 0);
    QCOMPARE(prompts.warnings.size(), 1);
    const QString warning = prompts.warnings.first();
    QVERIFY2(warning.startsWith(says), qPrintable(warning));
    // Where the setting lives and what kind of editor works, in the user's words.
    QVERIFY2(warning.contains(QDir::current().absoluteFilePath(QStringLiteral("config.ini"))) &&
                 warning.contains(QStringLiteral("EDITOR")) &&
                 warning.contains(QStringLiteral("gedit --wait")),
             qPrintable(warning));
    QCOMPARE(Captions(*form), QStringList{QStringLiteral("+Diary")});
    Type(*form, QStringLiteral("still usable"));
    QVERIFY(form->TextModified());
    prompts.answers = {false};
  }
  void an_editor_that_cannot_start_is_reported_and_the_window_goes_on_data() {
    QTest::addColumn<QByteArray>("editor");
    QTest::addColumn<QString>("says");
    const QString missing = QStringLiteral("No program named");
    QTest::newRow("missing program") << QByteArray("no-such-editor-anywhere") << missing;
    QTest::newRow("empty setting starts nothing") << QByteArray("") << QStringLiteral("No editor");
    QTest::newRow("blank setting starts nothing")
        << QByteArray(" \t ") << QStringLiteral("No editor");
    QTest::newRow("default") << QByteArray("notepad.exe") << missing;
    QTest::newRow("a leading dash") << QByteArray("-rf") << missing;
    QTest::newRow("a missing path") << QByteArray("/no/such/editor") << missing;
    QTest::newRow("a folder") << QByteArray("/tmp") << QStringLiteral("Could not start");
    // An editor for a terminal, started without one, fails at once and changes nothing.
    QTest::newRow("an editor that fails")
        << QByteArray("false") << QStringLiteral("The editor \"false\" ended with exit status 1");
  }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
