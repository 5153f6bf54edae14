// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loads any bytes as config.ini. Besides not crashing: loading, saving and loading again gives
// the same store, and saving twice gives the same bytes.
#include <cstdint>
#include <string>

#include "config/inifile.h"
#include "fuzzfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzDir() + "/config.ini";
  WriteFuzzFile(path, data, size);
  TINIFile first;
  first.Load(path);
  first.Save();
  const std::string saved = ReadFuzzFile(path);
  FUZZ_CHECK(saved == first.Serialize());
  TINIFile second;
  second.Load(path);
  FUZZ_CHECK(second.Sections() == first.Sections());
  second.Save();
  FUZZ_CHECK(ReadFuzzFile(path) == saved);
  first.Clear();  // detached: the destructors write nothing more
  second.Clear();
  return 0;
}
