// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// The core's one door to the operating system. Every file, folder, lock and listing call of the
// core goes through this header, in the program's own words; platform/posix.cpp implements it
// (with platform/codepage.h) for POSIX systems, so another system needs one more implementation
// file and nothing else.
//
// Why the atomic writer is our own and not QSaveFile:
// - QSaveFile writes into an unnamed temporary and links it under a random name just before the
//   rename. A kill between the two leaves that randomly named file beside the target, and no
//   later save ever finds it again. Ours uses one fixed temporary name per target
//   (".name.saving"), which the next save removes.
// - In Qt 6.4, QSaveFile::commit() does not check the final flush and close of the temporary, so
//   a full disk or an I/O error there can be reported as success. Every write, flush, close and
//   rename here is checked, and the folder is flushed after the rename.
namespace marrowleaf {

struct SaveOutcome {
  bool ok = false;
  std::string error;  // why the save failed, in words for the user; empty on success
};

// What a regular file was when looked at, to tell later whether anything replaced or changed it.
struct FileState {
  bool known = false;  // false: missing, unreadable, or not a regular file
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t mtimeSec = 0;
  int64_t mtimeNsec = 0;
  bool operator==(const FileState& o) const {
    return known == o.known && device == o.device && inode == o.inode && size == o.size &&
           mtimeSec == o.mtimeSec && mtimeNsec == o.mtimeNsec;
  }
  bool operator!=(const FileState& o) const { return !(*this == o); }
};

// The state of the regular file at `path` (links followed); unknown for anything else.
FileState RegularFileState(const std::string& path);

bool IsFile(const std::string& path);  // a regular file; directories and devices do not count
bool IsDirectory(const std::string& path);
// The bytes the user may still write on the file system of `path`; false where it cannot be told.
bool FreeSpace(const std::string& path, uint64_t& bytes);
// Whether anything at all has this name (a folder, a device, a link that leads nowhere). A name
// that cannot be looked at (its folder may not be searched) counts as taken: only "no such name"
// is its absence.
bool NameIsTaken(const std::string& path);

// One level, private to the user whatever the process's default permissions; failures ignored.
void MakePrivateDirectory(const std::string& path);
// Every missing level of `path`, each private. True when the folder exists afterwards.
bool MakePrivateDirectories(const std::string& path);
// A new empty private file; never replaces an existing name. False when nothing was made.
bool CreateEmptyPrivateFile(const std::string& path);
void RemoveFile(const std::string& path);
// A second name for an existing file (a hard link): the same bytes, not a copy. False where the
// file system has no such links or the two names lie on different file systems.
bool LinkFile(const std::string& existing, const std::string& newName);
// Makes a file private to the user (0600).
void MakeFilePrivate(const std::string& path);
// Flushes a folder's names to disk, so that a name just made survives a power cut.
bool SyncFolder(const std::string& path);

// The whole content of a regular file, opened shared: other programs may read and write it
// meanwhile. A FIFO, a device or a folder counts as a file that cannot be opened, since reading
// it could hang or never end. `bytes` gets one spare byte past `size`. A read error ends the
// content; `complete` tells whether all of it was read. `state` is the file as opened.
struct WholeFile {
  bool opened = false;
  bool missing = false;  // nothing of that name: the only failure that is no loss to write over
  bool complete = false;
  std::unique_ptr<char[]> bytes;
  size_t size = 0;
  FileState state;
  std::string error;  // why it could not be opened or read in full
};
WholeFile ReadWholeFile(const std::string& path);
// The first `size` bytes of a regular file (fewer where it is shorter), opened shared; false
// where it is no regular file or cannot be read.
bool ReadFileHead(const std::string& path, size_t size, std::string& head);

// An existing regular file held against the program's other copies while this object lives (an
// advisory lock that the close releases): to write, it is held alone; to read only, readers
// share it, and only a writer turns them away. Opening never hangs on a FIFO.
class ExclusiveFile {
 public:
  enum class Access { kRead, kWrite, kReadWrite };
  ExclusiveFile(const std::string& path, Access access);
  ~ExclusiveFile();
  ExclusiveFile(const ExclusiveFile&) = delete;
  ExclusiveFile& operator=(const ExclusiveFile&) = delete;

  bool IsOpen() const { return handle >= 0; }
  // Why the open failed; `refused` is set when it failed for want of permission (a read-only
  // file or file system), `busy` when another copy holds the file.
  const std::string& Error() const { return error; }
  bool Refused() const { return refused; }
  bool Busy() const { return busy; }
  // Reads the whole file from its start; false on a read error (Error() says which). `each`,
  // when given, hears of every piece of `bytes` as it arrives, in order.
  bool ReadAll(std::string& bytes,
               const std::function<void(std::string_view piece)>& each = nullptr);
  // Reads the file from its start in pieces through one buffer, never holding it whole (a large
  // attachment); `each` stops the reading by saying false. False on a read error (Error() says
  // which) or when `each` stopped it.
  bool ReadPieces(const std::function<bool(std::string_view piece)>& each);
  FileState State() const;
  // Closes now and releases the lock; false if the close failed.
  bool Close();

 private:
  int handle = -1;
  std::string error;
  bool refused = false;
  bool busy = false;
};

// Calls `each` for every item of the folder (not "." or "..") whose name `wanted` accepts, with
// its name and whether it is a regular file, links followed. Only links (and file systems that
// do not tell an item's kind) cost a look at the item itself. False if the folder cannot be read.
bool ListFolder(const std::string& path, const std::function<bool(std::string_view name)>& wanted,
                const std::function<void(std::string_view name, bool regular)>& each);

// Reads many small files of one folder: the folder is opened once, each file by its name in it,
// into a buffer of its own that is reused (and never cleared first), in as few calls as the
// file's size allows. Only a regular file (links followed) of at most `limit` bytes is read: a
// FIFO could hang the reader, and a link to a device such as /dev/zero would never end.
class FolderReader {
 public:
  enum class Failure { kNone, kMissing, kNotAFile, kTooLarge, kUnreadable };
  explicit FolderReader(const std::string& folder);
  ~FolderReader();
  FolderReader(const FolderReader&) = delete;
  FolderReader& operator=(const FolderReader&) = delete;
  // The whole regular file `name` of the folder, valid until the next Read; false if it cannot
  // be read, with Why() and Error() (in words) saying why.
  bool Read(std::string_view name, std::string_view& bytes, size_t limit = SIZE_MAX);
  Failure Why() const { return failure; }
  const std::string& Error() const { return error; }

 private:
  bool Fail(Failure why, std::string words);
  int folder = -1;
  int folderErrno = 0;
  std::unique_ptr<char[]> buffer;
  size_t capacity = 0;
  Failure failure = Failure::kNone;
  std::string error;
};

// Follows a chain of symbolic links to the path that a write should really go to, so that a
// linked file is written through to its target instead of being replaced by a regular file.
// A dangling link yields its (missing) target. Loops end after a fixed depth.
std::string ResolveSymlinks(const std::string& path);

// The path with every link followed and every "." and ".." taken away, from the root. Where the
// last link leads nowhere, its (missing) target in the resolved folder. Empty when even the folder
// cannot be resolved.
std::string CanonicalPath(const std::string& path);
bool IsSymlink(const std::string& path);

// The one temporary file a save of `target` uses: ".name.saving" next to it.
std::string SaveTemporaryName(const std::string& target);

// Who may read a file that a save creates where none was.
enum class NewFileAccess { kDefault, kPrivate };

// Replaces the whole content of `path` with `bytes`, or leaves the old file exactly as it was.
// The bytes go to SaveTemporaryName(target) in the target's folder, are flushed to disk and then
// renamed over the target, which keeps its permission bits. A target that exists but is not a
// regular file (a FIFO, a device, a folder) is refused, so no device node ever turns into a file;
// so is one the user may not write. A missing target is created with `access`.
SaveOutcome ReplaceFileContents(const std::string& path, std::string_view bytes,
                                NewFileAccess access = NewFileAccess::kDefault);

// The same replacement for content that comes in pieces (a long export), so that it is never
// held whole in memory: the pieces go to the temporary file as they come, and Commit() puts
// them in place. Until then the old file stays exactly as it was; an object that ends without a
// successful Commit() removes its temporary file.
class ReplacingFile {
 public:
  ReplacingFile(const std::string& path, NewFileAccess access = NewFileAccess::kDefault);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False once anything failed, the start included; later pieces are not written.
  bool Ok() const { return failure.ok; }
  bool Write(std::string_view bytes);
  // The first failure, or the flush, close and rename that put the content in place.
  SaveOutcome Commit();

 private:
  SaveOutcome Fail(const std::string& what, int err);
  std::string path;  // as given, for the messages
  std::string target;
  std::string temporary;
  int handle = -1;
  SaveOutcome failure{true, {}};
};

// Writes `bytes` into a new private file `path`, flushed to disk; an existing name is never
// touched. A file that cannot be written in full is removed again.
SaveOutcome WriteNewPrivateFile(const std::string& path, std::string_view bytes);

}  // namespace marrowleaf
