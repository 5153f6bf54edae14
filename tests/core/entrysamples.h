// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <string>

namespace entrysamples {

// Kana, kanji, half-width katakana and two characters whose second byte is a backslash.
inline const std::string kShiftJis =
    "\x93\xfa\x8b\x4c\x81\x46\x82\xa9\x82\xc8\x81\x41\x83\x4a\x83\x5e\x83\x4a\x83\x69\x81\x41\xb6"
    "\xc0\xb6\xc5\x81\x41\x8a\xbf\x8e\x9a\x81\x42\x95\x5c\x8e\xa6\x83\x5c\x0d\x0a\x93\xf1\x8d\x73"
    "\x96\xda";

// Emoji, CJK and a byte-order mark.
inline const std::string kUtf8 =
    "\xef\xbb\xbf\xe6\x97\xa5\xe8\xa8\x98 \xf0\x9f\x98\x80\r\n\xed\x95\x9c";

// U+2029, U+2028, U+FDD0, U+FDD1, a no-break space, U+FFFC, the control pictures of LF and CR,
// and a lone LF and CR in a CR LF entry.
inline const std::string kUtf8BreakLike =
    "a\xe2\x80\xa9"
    "b\xe2\x80\xa8"
    "c\xef\xb7\x90\xef\xb7\x91\xc2\xa0\xef\xbf\xbc\xe2\x90\x8a\xe2\x90\x8d\r\n\n\r";

inline std::string EveryByteButNul() {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  std::mt19937 random(7);
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>(1 + random() % 255);
  return bytes;
}

}  // namespace entrysamples
