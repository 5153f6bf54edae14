// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/drafts.h"

#include <algorithm>
#include <cstdio>

#include "entries/entryfiles.h"

namespace marrowleaf {
namespace {

constexpr std::string_view kDraftSuffix = ".draft";

Draft ReadDraft(const std::string& path) {
  Draft draft;
  const WholeFile file = ReadWholeFile(path);
  if (!file.complete) return draft;
  const std::string_view all(file.bytes.get(), file.size);
  const size_t lf = all.find('\n');
  if (lf == std::string_view::npos) return draft;
  draft.path = path;
  draft.entryPath = std::string(all.substr(0, lf));
  draft.bytes = std::string(all.substr(lf + 1));
  draft.microsUtc = file.state.mtimeSec * 1000000 + file.state.mtimeNsec / 1000;
  return draft;
}

}  // namespace

std::string DraftName(std::string_view entryPath) {
  const size_t slash = entryPath.rfind('/');
  const std::string_view name =
      slash == std::string_view::npos ? entryPath : entryPath.substr(slash + 1);
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx",
                static_cast<unsigned long long>(HashBytes(entryPath)));
  return std::string(name) + '-' + hash + std::string(kDraftSuffix);
}

SaveOutcome WriteDraft(const std::string& dir, const std::string& entryPath,
                       std::string_view bytes) {
  if (!MakePrivateDirectories(dir)) return {false, "cannot make the folder \"" + dir + "\""};
  std::string content;
  content.reserve(entryPath.size() + 1 + bytes.size());
  content.append(entryPath).append(1, '\n').append(bytes);
  return ReplaceFileContents(dir + '/' + DraftName(entryPath), content, NewFileAccess::kPrivate);
}

void RemoveDraft(const std::string& dir, const std::string& entryPath) {
  RemoveFile(dir + '/' + DraftName(entryPath));
}

std::vector<Draft> ListDrafts(const std::string& dir) {
  std::vector<Draft> drafts;
  ListFolder(
      dir,
      [](std::string_view name) {
        return name.size() > kDraftSuffix.size() && name.front() != '.' &&
               name.substr(name.size() - kDraftSuffix.size()) == kDraftSuffix;
      },
      [&](std::string_view name, bool regular) {
        if (!regular) return;
        Draft draft = ReadDraft(dir + '/' + std::string(name));
        // Only a file under the name its own entry gives is a draft.
        if (!draft.path.empty() && DraftName(draft.entryPath) == name) {
          drafts.push_back(std::move(draft));
        }
      });
  std::sort(drafts.begin(), drafts.end(),
            [](const Draft& a, const Draft& b) { return a.microsUtc < b.microsUtc; });
  return drafts;
}

Draft FindDraft(const std::string& dir, const std::string& entryPath) {
  Draft draft = ReadDraft(dir + '/' + DraftName(entryPath));
  if (draft.entryPath != entryPath) return {};
  return draft;
}

}  // namespace marrowleaf
