#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The editor's command line split the way the user sees it: at blanks, runs of blanks counting
// as one, leading blanks dropped. The first word names the program (searched on PATH), the rest
// are its arguments. No shell ever sees the line, so quotes, ";" or "$()" are plain characters.
QStringList SplitCommandLine(const QString& commandLine);

struct EditorRun {
  bool started = false;
  QString error;  // why the program could not be started
};

// Starts the program of the command line with the process's environment and current directory,
// standard input and output shared and no other descriptor, and waits until it ends. Meanwhile
// `window` keeps painting but takes no input: no clicks, no keys, no close.
EditorRun RunAndWait(const QString& commandLine, QWidget* window);
