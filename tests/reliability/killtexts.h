// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The two texts the kill tests alternate, shared by the victim and the checker.
namespace killtexts {

inline std::string Text(size_t size, char seed) {
  std::string text;
  text.reserve(size);
  for (size_t i = 0; i < size; ++i) {
    text.push_back(i % 64 == 63 ? '\n' : static_cast<char>('a' + (seed + i / 64) % 26));
  }
  return text;
}

inline const std::string& LargeEntry() {
  static const std::string text = Text(200 * 1024, 0);
  return text;
}

inline const std::string& SmallEntry() {
  static const std::string text = Text(150 * 1024, 7);
  return text;
}

inline std::string Ini(int sections, char seed) {
  std::string text;
  for (int s = 0; s < sections; ++s) {
    text += "[SECTION" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < 10; ++k) {
      text +=
          "KEY" + std::to_string(k) + " = " + Text(40, static_cast<char>(seed + s + k)) + "\r\n";
    }
    text += "\r\n";
  }
  return text;
}

inline const std::string& LargeIni() {
  static const std::string text = Ini(400, 0);  // about 200 KB
  return text;
}

inline const std::string& SmallIni() {
  static const std::string text = Ini(3, 5);
  return text;
}

}  // namespace killtexts
