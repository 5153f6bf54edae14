// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The module's side: the engine over the readers and the writer.
#include "engines/import/engine.h"

namespace marrowleaf::import {
namespace {

class ModuleEngine : public Engine {
 public:
  const std::vector<const SourceFormat*>& Formats() const override { return import::Formats(); }
  Source ReadSource(const std::string& path) const override { return import::ReadSource(path); }
  Plan MakePlan(const std::string& saveDir, const Source& source,
                const std::vector<QString>& tabNames, int chosenTab) const override {
    return import::MakePlan(saveDir, source, tabNames, chosenTab);
  }
  Applied ApplyPlan(const std::string& saveDir, const Source& source, const Plan& plan,
                    const std::function<bool(size_t, size_t)>& progress,
                    const std::function<bool(const EntryKey&)>& shownModified) const override {
    return import::ApplyPlan(saveDir, source, plan, progress, shownModified);
  }
};

}  // namespace
}  // namespace marrowleaf::import

extern "C" Q_DECL_EXPORT const marrowleaf::import::Engine* marrowleaf_import_engine() {
  static const marrowleaf::import::ModuleEngine engine;
  return &engine;
}

extern "C" Q_DECL_EXPORT void marrowleaf_import_use_keys(marrowleaf::KeyTable* program) {
  marrowleaf::UseKeyTable(program);
}
