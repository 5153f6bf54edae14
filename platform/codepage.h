// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Conversions between UTF-16 and the one legacy code page diaries arrive in, Shift-JIS (code
// page 932), done by the system's converter. Each is all or nothing: false on any byte or
// character that has no counterpart.
namespace marrowleaf {

bool ShiftJisToUtf16(std::string_view bytes, std::u16string& text);
bool Utf16ToShiftJis(std::u16string_view text, std::string& bytes);

}  // namespace marrowleaf
