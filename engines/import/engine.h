// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "crypto/unlocked.h"
#include "engines/import/source.h"
#include "engines/import/writer.h"

// The import's readers and writer as the window reaches them: a module of their own
// (libmarrowleaf_import.so, with the zip and YAML libraries it needs), loaded the first time the
// user imports, so that a start of the diary loads none of it.
namespace marrowleaf::import {

class Engine {
 public:
  virtual ~Engine() = default;
  virtual const std::vector<const SourceFormat*>& Formats() const = 0;
  virtual Source ReadSource(const std::string& path) const = 0;
  virtual Plan MakePlan(const std::string& saveDir, const Source& source,
                        const std::vector<QString>& tabNames, int chosenTab) const = 0;
  virtual Applied ApplyPlan(const std::string& saveDir, const Source& source, const Plan& plan,
                            const std::function<bool(size_t done, size_t total)>& progress,
                            const std::function<bool(const EntryKey&)>& shownModified) const = 0;
};

// The module's engine, loaded on the first call and kept for the rest of the run: from the
// program's own folder (a build), the folder above it (the tests), else the folder the
// installation puts it in. Nothing where it cannot be loaded, with `error` saying why.
const Engine* LoadEngine(std::string& error);

}  // namespace marrowleaf::import

// What the module exports: its one engine, and the way its copy of the core comes to read and
// write an encrypted diary with the keys the program holds (crypto/unlocked.h).
extern "C" const marrowleaf::import::Engine* marrowleaf_import_engine();
extern "C" void marrowleaf_import_use_keys(marrowleaf::KeyTable* program);
