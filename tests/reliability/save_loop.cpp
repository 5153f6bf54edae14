// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves one file over and over until it is killed: the victim of the kill tests. After its first
// complete save it writes one byte to standard output, so the test knows the loop is running.
//   save_loop entry|history|ini|naive PATH   (history: PATH is a save folder; its entry
//   2004/3/7_1.txt must exist)
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "config/inifile.h"
#include "entries/entryfiles.h"
#include "entries/history.h"
#include "killtexts.h"

namespace {

// What a careless program would do: truncate the file and write it in place.
void NaiveWrite(const std::string& path, const std::string& text) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CREAT, 0600);
  if (fd < 0) return;
  const std::string bytes = text + '\0';
  for (size_t at = 0; at < bytes.size(); at += 4096) {
    if (::write(fd, bytes.data() + at, std::min<size_t>(4096, bytes.size() - at)) < 0) break;
  }
  ::close(fd);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: save_loop entry|history|ini|naive PATH\n", stderr);
    return 2;
  }
  const std::string mode = argv[1];
  const std::string path = argv[2];
  TINIFile ini;
  if (mode == "ini") ini.Load(path);
  for (unsigned long round = 0;; ++round) {
    const bool large = round % 2 == 0;
    if (mode == "entry") {
      marrowleaf::WriteEntryFile(path, large ? killtexts::LargeEntry() : killtexts::SmallEntry());
    } else if (mode == "history") {
      marrowleaf::SaveEntryKeepingHistory(
          path, {2004, 3, 7, 1}, large ? killtexts::LargeEntry() : killtexts::SmallEntry());
    } else if (mode == "ini") {
      ini.LoadFromBytes(large ? killtexts::LargeIni() : killtexts::SmallIni());
      ini.Save();
    } else if (mode == "naive") {
      NaiveWrite(path, large ? killtexts::LargeEntry() : killtexts::SmallEntry());
    } else {
      return 2;
    }
    if (round == 0 && ::write(1, "r", 1) != 1) return 1;
  }
}
