// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window test shares: a scripted answerer for the questions, a fresh diary folder as
// the current directory, a fixed today, and ways to reach the window's children.
#include <sys/stat.h>

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "app/application.h"
#include "app/translations.h"
#include "entrysamples.h"
#include "mainwindow/editorlaunch.h"
#include "mainwindow/tform1.h"
#include "widgets/prompts.h"

namespace windowtest {

// Answers the questions from a script and records everything the window said.
class ScriptedPrompts : public TPrompts {
 public:
  bool AskSave(QWidget*) override {
    ++questions;
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void ShowException(const QString& message) override { exceptions.append(message); }
  void ShowWarning(QWidget*, const QString& text) override {
    warnings.append(text);
    if (onWarning) onWarning(text);
  }
  void ShowInformation(QWidget*, const QString& text) override { informations.append(text); }
  // No, unless the test answers otherwise.
  bool Confirm(QWidget*, const QString& text) override {
    confirmations.append(text);
    return onConfirm && onConfirm(text);
  }
  // The test works the window as the user would, then the call returns as when it is closed.
  void ShowDialog(QDialog& dialog) override {
    ++dialogs;
    if (onDialog) onDialog(dialog);
  }
  // The passwords the test gives, in order; then Cancel.
  std::optional<TPasswordAnswer> AskPassword(QWidget*, const QString& text, bool) override {
    passwordQuestions.append(text);
    if (passwords.empty()) return std::nullopt;
    TPasswordAnswer answer{passwords.front(), false};
    passwords.pop_front();
    return answer;
  }
  // The file the test has chosen, once.
  QString ChooseFile(QWidget*, const QString& title, const QString&) override {
    chooserTitles.append(title);
    return std::exchange(chosenFile, QString());
  }

  std::deque<bool> answers;
  int questions = 0;
  QStringList exceptions;
  QStringList warnings;
  QStringList informations;
  QStringList confirmations;
  int dialogs = 0;
  std::function<void(QDialog&)> onDialog;
  std::function<void(const QString&)> onWarning;  // what the window shows as a warning comes
  std::function<bool(const QString&)> onConfirm;
  QString chosenFile;
  QStringList chooserTitles;
  std::deque<QString> passwords;
  QStringList passwordQuestions;
};

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// Children of this process that have exited but were never waited for.
inline int ZombieChildren() {
  int zombies = 0;
  const QString self = QString::number(QCoreApplication::applicationPid());
  const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
  for (const QString& pid : pids) {
    QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly)) continue;
    // pid (name) state ppid ...: the name may hold blanks, so read after its closing parenthesis.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() > 1 && fields[0] == "Z" && QString::fromLatin1(fields[1]) == self) ++zombies;
  }
  return zombies;
}

inline QString Path(const QDate& d, int tab) {
  return QString::fromStdString(marrowleaf::EntryRelativePath(
      {static_cast<uint16_t>(d.year()), static_cast<uint16_t>(d.month()),
       static_cast<uint16_t>(d.day()), tab}));
}

// Every test runs on this day, whatever the clock says: a run across midnight cannot fail.
inline const QDate kToday(2026, 12, 8);

}  // namespace windowtest

namespace windowtest {

class WindowTest : public QObject {
  Q_OBJECT

 protected:
  std::unique_ptr<QTemporaryDir> dir;
  ScriptedPrompts prompts;
  QString oldCwd;

  std::unique_ptr<TForm1> Start() {
    return std::make_unique<TForm1>(prompts, [] { return kToday; });
  }
  template <typename T>
  static T* Child(TForm1& form, const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
  }
  static QStringList Captions(TForm1& form) {
    QStringList out;
    auto* tabs = Child<QTabBar>(form, "tabheader");
    for (int i = 0; i < tabs->count(); ++i) out << tabs->tabText(i);
    return out;
  }
  static QString Text(TForm1& form) {
    return Child<QPlainTextEdit>(form, "inputarea")->toPlainText();
  }
  static void Type(TForm1& form, const QString& text) {
    auto* area = Child<QPlainTextEdit>(form, "inputarea");
    area->moveCursor(QTextCursor::End);
    area->insertPlainText(text);
  }
  static void SetDate(TForm1& form, const QDate& date) {
    Child<QCalendarWidget>(form, "calender")->setSelectedDate(date);  // as the keyboard would
  }
  static void Click(TForm1& form, const char* button) {
    QTest::mouseClick(Child<QPushButton>(form, button), Qt::LeftButton);
  }
  // The two answers to "save?", as rows of a data-driven test.
  static void AnswerRows() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
  }
  static QDate Shown(TForm1& form) {
    return Child<QCalendarWidget>(form, "calender")->selectedDate();
  }
  // The days the calendar draws in bold, in date order.
  static QList<QDate> Marked(TForm1& form) {
    QList<QDate> out;
    const auto formats = Child<QCalendarWidget>(form, "calender")->dateTextFormat();
    for (auto it = formats.begin(); it != formats.end(); ++it) {
      if (it.value().fontWeight() == QFont::Bold) out << it.key();
    }
    return out;
  }

 private Q_SLOTS:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallTranslations(QLocale::c());  // the program's English, with its plural forms
  }
  void init() {
    dir = std::make_unique<QTemporaryDir>();
    oldCwd = QDir::currentPath();
    QDir::setCurrent(dir->path());
    prompts = ScriptedPrompts();
  }
  void cleanup() {
    QDir::setCurrent(oldCwd);
    dir.reset();
  }
};

}  // namespace windowtest
