// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

// Drafts: the typed text of a modified entry, kept while nobody has said Yes to it, so that a
// crash, a kill or a power cut loses at most the last few seconds of typing. One private file per
// entry in a folder the caller gives (the application's data folder), named from the entry's
// absolute path; the file holds that path on its first line, then the entry's bytes (sealed, for
// an entry of an encrypted diary: a draft opens only where that diary is unlocked).
namespace marrowleaf {

// "8_0.txt-3f2a9c0d11e4b765.draft": the entry's own name for the reader, a hash of its whole path
// so that entries of different diaries never share a draft.
std::string DraftName(std::string_view entryPath);

// Writes the draft of the entry atomically (whole or absent), private, in `dir` (made if missing).
SaveOutcome WriteDraft(const std::string& dir, const std::string& entryPath,
                       std::string_view bytes);
void RemoveDraft(const std::string& dir, const std::string& entryPath);
// After a change of the text: its draft is written while the text differs from what the entry
// file holds (`entryTextHash`, HashBytes of the file's text up to its NUL), and removed once the
// text is that again. Nobody loses anything the entry does not hold.
SaveOutcome UpdateDraft(const std::string& dir, const std::string& entryPath,
                        std::string_view bytes, uint64_t entryTextHash);

struct Draft {
  std::string path;       // the draft file
  std::string entryPath;  // the entry it belongs to
  std::string bytes;      // the text, in the entry's format
  int64_t microsUtc = 0;  // when it was last written
};

// Every draft in `dir`, oldest first; files that are no drafts are left alone.
std::vector<Draft> ListDrafts(const std::string& dir);
// The draft of one entry; an empty path when there is none.
Draft FindDraft(const std::string& dir, const std::string& entryPath);

}  // namespace marrowleaf
