// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX implementation of the core's door to the operating system.
#include <dirent.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/codepage.h"
#include "platform/files.h"

namespace marrowleaf {
namespace {

constexpr mode_t kPrivateDirMode = 0700;
constexpr mode_t kPrivateFileMode = 0600;

std::string ErrnoText(int err) { return std::strerror(err); }

FileState StateOf(const struct stat& st) {
  return {true,
          static_cast<uint64_t>(st.st_dev),
          static_cast<uint64_t>(st.st_ino),
          static_cast<int64_t>(st.st_size),
          static_cast<int64_t>(st.st_mtim.tv_sec),
          static_cast<int64_t>(st.st_mtim.tv_nsec)};
}

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Every write of a save goes through here: a short write goes on, a zero-byte one counts as a
// full disk.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Reads until the end of the file or `limit` bytes; false on a read error.
bool ReadUpTo(int fd, char* into, size_t limit, size_t& used) {
  used = 0;
  while (used < limit) {
    const ssize_t n = ::read(fd, into + used, limit - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    used += static_cast<size_t>(n);
  }
  return true;
}

// One conversion descriptor per direction and thread, opened on first use: opening one costs as
// much as converting a short entry.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd(::iconv_open(to, from)) {}
  ~Converter() {
    if (Usable()) ::iconv_close(cd);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Usable() const { return cd != reinterpret_cast<iconv_t>(-1); }

  // A whole buffer; false on any byte or character it cannot convert.
  bool Convert(const char* in, size_t inSize, std::string& out) {
    if (!Usable()) return false;
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    out.resize(inSize * 2 + 16);
    char* inPtr = const_cast<char*>(in);
    size_t inLeft = inSize;
    size_t done = 0;
    for (;;) {
      char* outPtr = out.data() + done;
      size_t outLeft = out.size() - done;
      const size_t result = inLeft == 0 ? ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                        : ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
      done = out.size() - outLeft;
      if (result != static_cast<size_t>(-1)) {
        if (inLeft == 0) break;
        continue;
      }
      if (errno != E2BIG) {  // EILSEQ or EINVAL: not this encoding
        out.clear();
        return false;
      }
      out.resize(out.size() * 2);
    }
    out.resize(done);
    return true;
  }

 private:
  iconv_t cd;
};

const char* Utf16Name() {
  const uint16_t probe = 1;
  unsigned char first = 0;
  std::memcpy(&first, &probe, 1);
  return first == 1 ? "UTF-16LE" : "UTF-16BE";
}

constexpr const char* kShiftJisName = "CP932";

}  // namespace

FileState RegularFileState(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  return StateOf(st);
}

bool IsFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FreeSpace(const std::string& path, uint64_t& bytes) {
  struct statvfs fs {};
  if (::statvfs(path.c_str(), &fs) != 0) return false;
  bytes = static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize;
  return true;
}

bool NameIsTaken(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

void MakePrivateDirectory(const std::string& path) {
  if (::mkdir(path.c_str(), kPrivateDirMode) == 0) ::chmod(path.c_str(), kPrivateDirMode);
}

bool MakePrivateDirectories(const std::string& path) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string level = path.substr(0, slash);
    if (!level.empty() && !IsDirectory(level)) MakePrivateDirectory(level);
    if (slash == std::string::npos) break;
  }
  return IsDirectory(path);
}

bool CreateEmptyPrivateFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFileMode);
  if (fd < 0) return false;
  ::fchmod(fd, kPrivateFileMode);
  ::close(fd);
  return true;
}

void RemoveFile(const std::string& path) { ::unlink(path.c_str()); }

bool LinkFile(const std::string& existing, const std::string& newName) {
  return ::link(existing.c_str(), newName.c_str()) == 0;
}

void MakeFilePrivate(const std::string& path) { ::chmod(path.c_str(), kPrivateFileMode); }

bool SyncFolder(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

WholeFile ReadWholeFile(const std::string& path) {
  WholeFile file;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    file.missing = errno == ENOENT;
    file.error = ErrnoText(errno);
    return file;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    file.error = "not a regular file";
    ::close(fd);
    return file;
  }
  file.opened = true;
  file.state = StateOf(st);
  // One byte more than the size, so that the read that finds the end needs no second buffer.
  size_t capacity = (st.st_size > 0 ? static_cast<size_t>(st.st_size) : 4096) + 1;
  file.bytes.reset(new char[capacity]);
  for (;;) {
    if (file.size == capacity) {
      std::unique_ptr<char[]> bigger(new char[capacity * 2]);
      std::memcpy(bigger.get(), file.bytes.get(), file.size);
      file.bytes = std::move(bigger);
      capacity *= 2;
    }
    const ssize_t n = ::read(fd, file.bytes.get() + file.size, capacity - file.size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      file.error = ErrnoText(errno);
      break;
    }
    if (n == 0) {
      file.complete = true;
      break;
    }
    file.size += static_cast<size_t>(n);
  }
  ::close(fd);
  return file;
}

bool ReadFileHead(const std::string& path, size_t size, std::string& head) {
  head.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  head.resize(size);
  size_t got = 0;
  bool ok = true;
  while (got < size) {
    const ssize_t n = ::read(fd, head.data() + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  head.resize(got);
  return ok;
}

ExclusiveFile::ExclusiveFile(const std::string& path, Access access) {
  const int flags = access == Access::kRead    ? O_RDONLY
                    : access == Access::kWrite ? O_WRONLY
                                               : O_RDWR;
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    refused = errno == EACCES || errno == EROFS || errno == EPERM;
    error = ErrnoText(errno);
    return;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = "not a regular file";
    ::close(fd);
    return;
  }
  // An advisory lock, so that two copies of the program never interleave a load and a save of
  // one file: exclusive to write, shared to read only, so that two readers (two imports of one
  // source, two loads of a read-only entry) never turn each other away.
  if (::flock(fd, (access == Access::kRead ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
    busy = errno == EWOULDBLOCK;
    error = busy ? "the file is in use by another program" : ErrnoText(errno);
    ::close(fd);
    return;
  }
  handle = fd;
}

ExclusiveFile::~ExclusiveFile() {
  if (handle >= 0) ::close(handle);
}

bool ExclusiveFile::ReadAll(std::string& bytes,
                            const std::function<void(std::string_view piece)>& each) {
  struct stat st {};
  if (::fstat(handle, &st) != 0) {
    error = ErrnoText(errno);
    return false;
  }
  bytes.assign(static_cast<size_t>(st.st_size), '\0');
  if (::lseek(handle, 0, SEEK_SET) != 0) {
    error = ErrnoText(errno);
    return false;
  }
  // In pieces that fit the processor's cache, for `each` to take while they are there.
  constexpr size_t kPiece = 256 * 1024;
  size_t used = 0;
  while (used < bytes.size()) {
    size_t got = 0;
    if (!ReadUpTo(handle, bytes.data() + used, std::min(kPiece, bytes.size() - used), got)) {
      error = ErrnoText(errno);
      return false;
    }
    if (got == 0) break;
    if (each) each(std::string_view(bytes.data() + used, got));
    used += got;
  }
  bytes.resize(used);  // the file shrank meanwhile
  return true;
}

bool ExclusiveFile::ReadPieces(const std::function<bool(std::string_view piece)>& each) {
  if (::lseek(handle, 0, SEEK_SET) != 0) {
    error = ErrnoText(errno);
    return false;
  }
  constexpr size_t kPiece = 256 * 1024;
  const std::unique_ptr<char[]> buffer(new char[kPiece]);
  for (;;) {
    size_t got = 0;
    if (!ReadUpTo(handle, buffer.get(), kPiece, got)) {
      error = ErrnoText(errno);
      return false;
    }
    if (got == 0) return true;
    if (!each(std::string_view(buffer.get(), got))) return false;
  }
}

FileState ExclusiveFile::State() const {
  struct stat st {};
  if (handle < 0 || ::fstat(handle, &st) != 0) return {};
  return StateOf(st);
}

bool ExclusiveFile::Close() {
  const int fd = handle;
  handle = -1;
  if (fd >= 0 && ::close(fd) != 0) {
    error = ErrnoText(errno);
    return false;
  }
  return true;
}

bool ListFolder(const std::string& path, const std::function<bool(std::string_view name)>& wanted,
                const std::function<void(std::string_view name, bool regular)>& each) {
  DIR* dir = ::opendir(path.c_str());
  if (dir == nullptr) return false;
  while (const dirent* item = ::readdir(dir)) {
    const std::string_view name = item->d_name;
    if (name == "." || name == ".." || !wanted(name)) continue;
    bool regular = item->d_type == DT_REG;
    if (item->d_type == DT_LNK || item->d_type == DT_UNKNOWN) {
      struct stat st {};
      regular = ::fstatat(::dirfd(dir), item->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
    }
    each(name, regular);
  }
  ::closedir(dir);
  return true;
}

FolderReader::FolderReader(const std::string& path)
    : folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
      folderErrno(folder < 0 ? errno : 0) {}

FolderReader::~FolderReader() {
  if (folder >= 0) ::close(folder);
}

bool FolderReader::Fail(Failure why, std::string words) {
  failure = why;
  error = std::move(words);
  return false;
}

bool FolderReader::Read(std::string_view name, std::string_view& bytes, size_t limit) {
  bytes = {};
  failure = Failure::kNone;
  error.clear();
  if (folder < 0) {
    return Fail(folderErrno == ENOENT ? Failure::kMissing : Failure::kUnreadable,
                std::strerror(folderErrno));
  }
  const std::string file(name);
  // Non-blocking, so that a FIFO's open does not wait for a writer.
  const int fd = ::openat(folder, file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    return Fail(err == ENOENT ? Failure::kMissing : Failure::kUnreadable, std::strerror(err));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Fail(Failure::kNotAFile, "not a regular file");
  }
  const auto tooLarge = [&] {
    ::close(fd);
    return Fail(Failure::kTooLarge,
                "larger than " + std::to_string(limit >> 20) + " MiB, too large to be an entry");
  };
  if (static_cast<uint64_t>(st.st_size) > limit) return tooLarge();
  // Room for the whole file and one byte more, which tells at once that the end was reached.
  const size_t wanted = std::max<size_t>(65536, static_cast<size_t>(st.st_size) + 1);
  if (capacity < wanted) {
    capacity = wanted;
    buffer.reset(new char[capacity]);
  }
  size_t used = 0;
  for (;;) {
    const ssize_t n = ::read(fd, buffer.get() + used, capacity - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      ::close(fd);
      return Fail(Failure::kUnreadable, std::strerror(err));
    }
    used += static_cast<size_t>(n);
    // A read that leaves room ended at the end of the file: no second call to hear so.
    if (n == 0 || used < capacity) break;
    // The file grew while it was read.
    if (used > limit) return tooLarge();
    std::unique_ptr<char[]> bigger(new char[capacity * 2]);
    std::memcpy(bigger.get(), buffer.get(), used);
    buffer = std::move(bigger);
    capacity *= 2;
  }
  ::close(fd);
  if (used > limit) return Fail(Failure::kTooLarge, "too large to be an entry");
  bytes = std::string_view(buffer.get(), used);
  return true;
}

std::string ResolveSymlinks(const std::string& path) {
  std::string current = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n < 0) return current;
    target.resize(static_cast<size_t>(n));
    if (!target.empty() && target[0] != '/') target = DirectoryOf(current) + "/" + target;
    current = target;
  }
  return current;
}

std::string CanonicalPath(const std::string& path) {
  const auto resolved = [](const std::string& p) {
    char* real = ::realpath(p.c_str(), nullptr);
    if (real == nullptr) return std::string();
    std::string out(real);
    std::free(real);
    return out;
  };
  std::string real = resolved(path);
  if (!real.empty()) return real;
  const std::string target = ResolveSymlinks(path);
  const auto slash = target.rfind('/');
  const std::string folder = resolved(DirectoryOf(target));
  if (folder.empty()) return {};
  return (folder == "/" ? std::string() : folder) + '/' +
         (slash == std::string::npos ? target : target.substr(slash + 1));
}

bool IsSymlink(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

std::string SaveTemporaryName(const std::string& target) {
  const auto slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return dir + '.' + name + ".saving";
}

ReplacingFile::ReplacingFile(const std::string& given, NewFileAccess access)
    : path(given), target(ResolveSymlinks(given)) {
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) {
    failure = {false, "\"" + path + "\" is not a regular file"};
    return;
  }
  // A file the user may not write stays as it is, although its folder would allow the rename.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    Fail("the file is read-only", errno);
    return;
  }
  // One temporary name per target: a save killed half-way leaves at most this file, and the
  // next save removes it. O_EXCL never follows a link or opens a FIFO left under that name.
  temporary = SaveTemporaryName(target);
  ::unlink(temporary.c_str());
  const mode_t mode = exists || access == NewFileAccess::kPrivate ? kPrivateFileMode : 0666;
  handle = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (handle < 0) {
    const int err = errno;
    temporary.clear();  // not ours to remove
    Fail("cannot create a temporary file", err);
    return;
  }
  if (exists && ::fchmod(handle, st.st_mode & 07777) != 0)
    Fail("cannot keep the permissions", errno);
}

ReplacingFile::~ReplacingFile() {
  if (handle >= 0) ::close(handle);
  if (!temporary.empty()) ::unlink(temporary.c_str());
}

SaveOutcome ReplacingFile::Fail(const std::string& what, int err) {
  // The temporary goes at once; the old file was never touched.
  if (!temporary.empty()) ::unlink(temporary.c_str());
  temporary.clear();
  if (handle >= 0) ::close(handle);
  handle = -1;
  failure = {false, "cannot write \"" + path + "\": " + what + ": " + ErrnoText(err)};
  return failure;
}

bool ReplacingFile::Write(std::string_view bytes) {
  if (!failure.ok) return false;
  // Every write is checked: a full disk or a failing device is seen before the rename, while the
  // old file is still whole.
  if (!WriteAll(handle, bytes)) Fail("write failed", errno);
  return failure.ok;
}

SaveOutcome ReplacingFile::Commit() {
  if (!failure.ok) return failure;
  if (::fsync(handle) != 0) return Fail("flush to disk failed", errno);
  const int fd = handle;
  handle = -1;
  if (::close(fd) != 0) return Fail("close failed", errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return Fail("rename failed", errno);
  temporary.clear();

  // The new content is in place. The folder entry must reach the disk too, or a crash can bring
  // back the old file; a failure here is reported although nothing can be undone.
  const int dirFd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) {
    return Fail("the new content is in place, but its folder cannot be opened", errno);
  }
  if (::fsync(dirFd) != 0) {
    const int err = errno;
    ::close(dirFd);
    return Fail("the new content is in place, but its folder did not reach the disk", err);
  }
  if (::close(dirFd) != 0) {
    return Fail("the new content is in place, but closing its folder failed", errno);
  }
  return {true, {}};
}

SaveOutcome ReplaceFileContents(const std::string& path, std::string_view bytes,
                                NewFileAccess access) {
  ReplacingFile file(path, access);
  file.Write(bytes);
  return file.Commit();
}

SaveOutcome WriteNewPrivateFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFileMode);
  if (fd < 0) return {false, "cannot create \"" + path + "\": " + ErrnoText(errno)};
  ::fchmod(fd, kPrivateFileMode);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int err = errno;
  if (::close(fd) != 0 || !written) {
    const int why = written ? errno : err;
    ::unlink(path.c_str());
    return {false, "cannot write \"" + path + "\": " + ErrnoText(why)};
  }
  return {true, {}};
}

bool ShiftJisToUtf16(std::string_view bytes, std::u16string& text) {
  thread_local Converter converter(Utf16Name(), kShiftJisName);
  std::string utf16;
  if (!converter.Convert(bytes.data(), bytes.size(), utf16)) return false;
  text.assign(utf16.size() / 2, u'\0');
  std::memcpy(text.data(), utf16.data(), text.size() * 2);
  return true;
}

bool Utf16ToShiftJis(std::u16string_view text, std::string& bytes) {
  thread_local Converter converter(kShiftJisName, Utf16Name());
  return converter.Convert(reinterpret_cast<const char*>(text.data()), text.size() * 2, bytes);
}

}  // namespace marrowleaf
