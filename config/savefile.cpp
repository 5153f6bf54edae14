#include "config/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace marrowleaf {
namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

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

std::string SaveTemporaryName(const std::string& target) {
  const auto slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return dir + '.' + name + ".saving";
}

SaveOutcome ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveSymlinks(path);
  const auto failed = [&path](const std::string& what, int err) {
    return SaveOutcome{false, "cannot write \"" + path + "\": " + what + ": " + std::strerror(err)};
  };
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) {
    return {false, "\"" + path + "\" is not a regular file"};
  }
  // A file the user may not write stays as it is, although its folder would allow the rename.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return failed("the file is read-only", errno);
  }

  // One temporary name per target: a save killed half-way leaves at most this file, and the
  // next save removes it. O_EXCL never follows a link or opens a FIFO left under that name.
  const std::string temporary = SaveTemporaryName(target);
  ::unlink(temporary.c_str());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        exists ? 0600 : 0666);
  if (fd < 0) return failed("cannot create a temporary file", errno);
  const auto abandon = [&](const std::string& what) {
    const int err = errno;
    ::unlink(temporary.c_str());
    return failed(what, err);
  };
  if (exists && ::fchmod(fd, st.st_mode & 07777) != 0) {
    const SaveOutcome outcome = abandon("cannot keep the permissions");
    ::close(fd);
    return outcome;
  }
  // Every write, the flush to disk and the close are checked: a full disk or a failing device
  // is seen here, before the rename, while the old file is still whole.
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      const SaveOutcome outcome = abandon("write failed");
      ::close(fd);
      return outcome;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) {
    const SaveOutcome outcome = abandon("flush to disk failed");
    ::close(fd);
    return outcome;
  }
  if (::close(fd) != 0) return abandon("close failed");
  if (::rename(temporary.c_str(), target.c_str()) != 0) return abandon("rename failed");

  // The new content is in place. The directory entry must reach the disk too, or a crash can
  // bring back the old file; a failure here is reported although nothing can be undone.
  const int dirFd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0)
    return failed("the new content is in place, but its folder cannot be opened", errno);
  if (::fsync(dirFd) != 0) {
    const int err = errno;
    ::close(dirFd);
    return failed("the new content is in place, but its folder did not reach the disk", err);
  }
  if (::close(dirFd) != 0) {
    return failed("the new content is in place, but closing its folder failed", errno);
  }
  return {true, {}};
}

}  // namespace marrowleaf
