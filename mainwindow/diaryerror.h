// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>
#include <string>

// The program's own exception type: it carries the message that the exception display shows.
class EDiaryError : public std::runtime_error {
 public:
  explicit EDiaryError(const std::string& message) : std::runtime_error(message) {}
};

// The one place where an exception meets the exception display: runs `work`; an EDiaryError it
// raises is shown with its message, any other exception as an empty message. True when `work`
// ran to its end. A template, since the application object runs every event through it.
template <typename Work, typename Show>
bool RunShowingExceptions(Work&& work, Show&& show) {
  try {
    work();
    return true;
  } catch (const EDiaryError& e) {
    show(QString::fromStdString(e.what()));
  } catch (...) {
    show(QString());
  }
  return false;
}
