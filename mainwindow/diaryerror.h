// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <stdexcept>
#include <string>

// The program's own exception type: it carries the message that the exception display shows.
class EDiaryError : public std::runtime_error {
 public:
  explicit EDiaryError(const std::string& message) : std::runtime_error(message) {}
};

// The one place where an exception meets the exception display: runs `work`; an EDiaryError it
// raises is shown with its message, any other exception as an empty message. True when `work`
// ran to its end.
bool RunShowingExceptions(const std::function<void()>& work,
                          const std::function<void(const QString&)>& show);
