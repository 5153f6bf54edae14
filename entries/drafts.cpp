// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/drafts.h"

#include <algorithm>
#include <cstdio>

#include "crypto/sealedfiles.h"
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
  draft.entryPath = std::string(all.substr(0, lf));
  const std::string_view bytes = all.substr(lf + 1);
  if (LooksSealed(bytes)) {
    // The draft of an encrypted diary's entry opens with that diary's keys, or is no draft to
    // this process: left where it is, for a run that unlocks the diary.
    Opened opened = OpenBytes(*SealingFor(draft.entryPath).keys, bytes);
    if (opened.result != Opening::kOpened) return Draft();
    draft.bytes = std::move(opened.bytes);
  } else {
    draft.bytes = std::string(bytes);
  }
  draft.path = path;
  draft.microsUtc = file.state.mtimeSec * 1000000 + file.state.mtimeNsec / 1000;
  return draft;
}

std::string_view BaseName(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// "NAME-<16 hex digits>.draft" for the entry file NAME: drafts of this version and of earlier ones,
// whose names took another hash of the same path.
bool DraftNameFor(std::string_view name, std::string_view entryPath) {
  const std::string_view base = BaseName(entryPath);
  constexpr size_t kHexLength = 16;
  if (name.size() != base.size() + 1 + kHexLength + kDraftSuffix.size() ||
      name.substr(0, base.size()) != base || name[base.size()] != '-' ||
      name.substr(name.size() - kDraftSuffix.size()) != kDraftSuffix) {
    return false;
  }
  const std::string_view hex = name.substr(base.size() + 1, kHexLength);
  return hex.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// Drafts of the entry under a name an earlier version gave them: found by their first line.
std::vector<std::string> OtherDraftsOf(const std::string& dir, const std::string& entryPath) {
  const std::string current = DraftName(entryPath);
  std::vector<std::string> found;
  ListFolder(
      dir, [&](std::string_view name) { return name != current && DraftNameFor(name, entryPath); },
      [&](std::string_view name, bool regular) {
        const std::string path = dir + '/' + std::string(name);
        if (regular && ReadDraft(path).entryPath == entryPath) found.push_back(path);
      });
  return found;
}

}  // namespace

std::string DraftName(std::string_view entryPath) {
  const std::string_view name = BaseName(entryPath);
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
  // The entry's path stays readable (its name tells no more than the entry file's own); the text
  // of an encrypted diary's entry is sealed.
  const DiaryKey* key = SealingFor(entryPath).Sealing();
  content.append(entryPath).append(1, '\n').append(key != nullptr ? SealBytes(*key, bytes) : bytes);
  SaveOutcome written =
      ReplaceFileContents(dir + '/' + DraftName(entryPath), content, NewFileAccess::kPrivate);
  // This draft replaces one an earlier version kept under its own name.
  if (written.ok) {
    for (const std::string& other : OtherDraftsOf(dir, entryPath)) RemoveFile(other);
  }
  return written;
}

void RemoveDraft(const std::string& dir, const std::string& entryPath) {
  RemoveFile(dir + '/' + DraftName(entryPath));
  for (const std::string& other : OtherDraftsOf(dir, entryPath)) RemoveFile(other);
}

SaveOutcome UpdateDraft(const std::string& dir, const std::string& entryPath,
                        std::string_view bytes, uint64_t entryTextHash) {
  if (HashBytes(bytes) == entryTextHash) {
    RemoveDraft(dir, entryPath);
    return {true, {}};
  }
  return WriteDraft(dir, entryPath, bytes);
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
        // Only a file under a name its own entry gives is a draft.
        if (!draft.path.empty() && DraftNameFor(name, draft.entryPath)) {
          drafts.push_back(std::move(draft));
        }
      });
  std::sort(drafts.begin(), drafts.end(),
            [](const Draft& a, const Draft& b) { return a.microsUtc < b.microsUtc; });
  return drafts;
}

Draft FindDraft(const std::string& dir, const std::string& entryPath) {
  Draft draft = ReadDraft(dir + '/' + DraftName(entryPath));
  if (draft.entryPath == entryPath) return draft;
  const std::vector<std::string> others = OtherDraftsOf(dir, entryPath);
  return others.empty() ? Draft() : ReadDraft(others.front());
}

}  // namespace marrowleaf
