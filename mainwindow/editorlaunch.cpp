// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/editorlaunch.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QWidget>

namespace {

// Swallows the user's input to one window while the editor runs. Input is dropped, not deferred,
// so nothing typed into the waiting window acts after the editor has exited.
class InputBlocker : public QObject {
 public:
  explicit InputBlocker(QWidget* window) : blocked(window) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~InputBlocker() override { QCoreApplication::instance()->removeEventFilter(this); }
  InputBlocker(const InputBlocker&) = delete;
  InputBlocker& operator=(const InputBlocker&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::InputMethod:
      case QEvent::Close: {
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget &&
               (widget == blocked || blocked->isAncestorOf(widget) || widget->window() == blocked);
      }
      default:
        return false;
    }
  }

 private:
  QWidget* blocked;
};

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view command) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : command) {
    if (c == ' ' || c == '\t') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word.push_back(c);
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

EditorRun RunAndWait(const std::vector<std::string>& argv, QWidget* window) {
  if (argv.empty()) return {false, false, QStringLiteral("the command line is empty")};
  // QProcess takes its arguments as text, which cannot carry every byte of a path. The child
  // therefore starts the program itself with the exact bytes; only if that fails does QProcess's
  // own start run, fail the same way and report it.
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  QProcess process;
  process.setProgram(QFile::decodeName(QByteArray::fromStdString(argv.front())));
  QStringList shown;
  for (size_t i = 1; i < argv.size(); ++i) {
    shown.append(QFile::decodeName(QByteArray::fromStdString(argv[i])));
  }
  process.setArguments(shown);
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.setInputChannelMode(QProcess::ForwardedInputChannel);
  // The editor inherits nothing but standard input, output and error. Marking the rest
  // close-on-exec (rather than closing them) keeps the pipe QProcess uses to learn of a failed
  // exec working.
  process.setChildProcessModifier([&args] {
    const long max = ::sysconf(_SC_OPEN_MAX);
    for (int fd = 3; fd < (max > 0 ? max : 1024) && fd < 65536; ++fd) {
      const int flags = ::fcntl(fd, F_GETFD);
      if (flags >= 0) ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
    ::execvp(args[0], args.data());
  });

  InputBlocker blocker(window);
  QEventLoop loop;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) loop.quit();
  });
  process.start();
  if (process.state() != QProcess::NotRunning) loop.exec();
  if (process.error() == QProcess::FailedToStart) {
    // "No such file" from the start means no program of that name was found anywhere.
    const bool named = argv.front().find('/') != std::string::npos;
    const bool notFound = named ? !QFile::exists(process.program())
                                : QStandardPaths::findExecutable(process.program()).isEmpty();
    return {false, notFound, process.errorString()};
  }
  EditorRun run{true, false, {}};
  run.crashed = process.exitStatus() == QProcess::CrashExit;
  run.exitCode = run.crashed ? 0 : process.exitCode();
  return run;
}
