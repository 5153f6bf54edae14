#include "mainwindow/editorlaunch.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProcess>
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

QStringList SplitCommandLine(const QString& commandLine) {
  QStringList words;
  QString word;
  for (const QChar c : commandLine) {
    if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
      if (!word.isEmpty()) words.append(word);
      word.clear();
    } else {
      word.append(c);
    }
  }
  if (!word.isEmpty()) words.append(word);
  return words;
}

EditorRun RunAndWait(const QString& commandLine, QWidget* window) {
  const QStringList words = SplitCommandLine(commandLine);
  if (words.isEmpty()) return {false, QStringLiteral("the command line is empty")};
  QProcess process;
  process.setProgram(words.first());
  process.setArguments(words.mid(1));
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.setInputChannelMode(QProcess::ForwardedInputChannel);
  // The editor inherits nothing but standard input, output and error. Marking the rest
  // close-on-exec (rather than closing them) keeps the pipe QProcess uses to learn of a failed
  // exec working.
  process.setChildProcessModifier([] {
    const long max = ::sysconf(_SC_OPEN_MAX);
    for (int fd = 3; fd < (max > 0 ? max : 1024) && fd < 65536; ++fd) {
      const int flags = ::fcntl(fd, F_GETFD);
      if (flags >= 0) ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
  });

  InputBlocker blocker(window);
  QEventLoop loop;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) loop.quit();
  });
  process.start();
  if (process.state() == QProcess::NotRunning && process.error() == QProcess::FailedToStart) {
    return {false, process.errorString()};
  }
  if (process.state() != QProcess::NotRunning) loop.exec();
  if (process.error() == QProcess::FailedToStart) return {false, process.errorString()};
  return {true, {}};
}
