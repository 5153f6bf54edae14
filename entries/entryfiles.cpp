#include "entries/entryfiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace marrowleaf {
namespace {

constexpr mode_t kPrivateDirMode = 0700;
constexpr mode_t kPrivateFileMode = 0600;

std::string ErrnoText(int err) { return std::strerror(err); }

// Closes the descriptor, and with it the advisory lock, when the operation ends.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

// Opens an existing entry the way every entry operation must: no hanging on a FIFO, no writing
// into anything but a regular file, and an exclusive advisory lock so that two copies of the
// program never interleave a load and a save of one file.
int OpenEntryExclusive(const std::string& path, int access, std::string& error) {
  const int fd = ::open(path.c_str(), access | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = ErrnoText(errno);
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = "not a regular file";
    ::close(fd);
    return -1;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error = errno == EWOULDBLOCK ? "the file is in use by another program" : ErrnoText(errno);
    ::close(fd);
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::string YearDirectory(const std::string& saveDir, uint16_t year) {
  return saveDir + '/' + std::to_string(year);
}

std::string MonthDirectory(const std::string& saveDir, uint16_t year, uint16_t month) {
  return YearDirectory(saveDir, year) + '/' + std::to_string(month);
}

std::string EntryPath(const std::string& saveDir, const EntryKey& key) {
  return MonthDirectory(saveDir, key.year, key.month) + '/' + std::to_string(key.day) + '_' +
         std::to_string(key.tab) + ".txt";
}

bool IsFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void MakePrivateDirectory(const std::string& path) {
  if (::mkdir(path.c_str(), kPrivateDirMode) == 0) ::chmod(path.c_str(), kPrivateDirMode);
}

void CreateEmptyEntryFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFileMode);
  if (fd < 0) return;
  ::fchmod(fd, kPrivateFileMode);
  ::close(fd);
}

EntryRead ReadEntryFile(const std::string& path) {
  EntryRead result;
  Fd fd(OpenEntryExclusive(path, O_RDWR, result.error));
  if (fd.get() < 0) return result;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    result.error = ErrnoText(errno);
    return result;
  }
  std::string bytes(static_cast<size_t>(st.st_size), '\0');
  size_t used = 0;
  while (used < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + used, bytes.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.error = ErrnoText(errno);
      return result;
    }
    if (n == 0) break;  // the file shrank meanwhile
    used += static_cast<size_t>(n);
  }
  bytes.resize(used);
  // The text ends at the first NUL: bytes after it are remains of an older, longer text.
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
    bytes.resize(static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()));
  }
  result.ok = true;
  result.text = std::move(bytes);
  return result;
}

SaveOutcome WriteEntryFile(const std::string& path, std::string_view text) {
  const std::string target = ResolveSymlinks(path);
  std::string error;
  // The entry must already exist and be writable by us: the lock is held on the old file while
  // the new content replaces it.
  Fd fd(OpenEntryExclusive(target, O_WRONLY, error));
  if (fd.get() < 0) return {false, "cannot write \"" + path + "\": " + error};
  std::string bytes;
  bytes.reserve(text.size() + 1);
  bytes.append(text);
  bytes.push_back('\0');
  SaveOutcome outcome = ReplaceFileContents(target, bytes);
  // Closing releases the lock; like every call of a save, its failure is not kept quiet.
  if (::close(fd.release()) != 0 && outcome.ok) {
    outcome = {false,
               "cannot write \"" + path + "\": closing the entry failed: " + ErrnoText(errno)};
  }
  return outcome;
}

SaveOutcome WriteRecoveryFile(const std::string& dir, const std::string& name,
                              std::string_view text) {
  // Create the missing levels of the folder, each private.
  for (size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
    const std::string level = dir.substr(0, slash);
    if (!IsDirectory(level)) MakePrivateDirectory(level);
    if (slash == std::string::npos) break;
  }
  const std::string path = dir + '/' + name;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFileMode);
  if (fd < 0) return {false, "cannot create \"" + path + "\": " + ErrnoText(errno)};
  ::fchmod(fd, kPrivateFileMode);
  const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
  const int err = errno;
  if (::close(fd) != 0 || !written) {
    ::unlink(path.c_str());
    return {false, "cannot write \"" + path + "\": " + ErrnoText(written ? errno : err)};
  }
  return {true, {}};
}

}  // namespace marrowleaf
