// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

// The editor command split the way the user sees it: at blanks, runs of blanks counting as one,
// leading blanks dropped. The first word names the program (searched on PATH), the rest are its
// arguments. No shell ever sees the command, so quotes, ";" or "$()" are plain characters. Bytes
// stay bytes.
std::vector<std::string> SplitCommandLine(std::string_view command);

struct EditorRun {
  bool started = false;
  bool notFound = false;  // no program of that name exists (on PATH, or at that path)
  QString error;          // why the program could not be started
  bool crashed = false;   // it ran and was ended by a signal
  int exitCode = 0;       // it ran and ended with this status
};

// Starts argv[0] with the arguments argv[1...], exactly these bytes, with the process's
// environment and current directory, standard input and output shared and no other descriptor,
// and waits until it ends. Meanwhile `window` keeps painting but takes no input of any kind: no
// clicks, keys, drops, input-method text or close.
EditorRun RunAndWait(const std::vector<std::string>& argv, QWidget* window);
