#pragma once

#include <string>
#include <string_view>

namespace marrowleaf {

struct SaveOutcome {
  bool ok = false;
  std::string error;  // why the save failed, in words for the user; empty on success
};

// Follows a chain of symbolic links to the path that a write should really go to, so that a
// linked file is written through to its target instead of being replaced by a regular file.
// A dangling link yields its (missing) target. Loops end after a fixed depth.
std::string ResolveSymlinks(const std::string& path);

// The one temporary file a save of `target` uses: ".name.saving" next to it.
std::string SaveTemporaryName(const std::string& target);

// Replaces the whole content of `path` with `bytes`, or leaves the old file exactly as it was.
// The bytes go to the temporary file SaveTemporaryName(target) in the target's directory, are
// flushed to disk and then renamed over the target, which keeps its permission bits. A target that
// exists but is not a regular file (a FIFO, a device, a directory) is refused, so no device node
// ever turns into a file. A missing target is created with the process's default permissions.
SaveOutcome ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace marrowleaf
