#include "config/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSaveFile>
#include <QString>
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

// After the rename, the directory entry itself must reach the disk too, or a crash can bring
// back the old name.
void SyncDirectory(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
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

SaveOutcome ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveSymlinks(path);
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    return {false, "\"" + path + "\" is not a regular file"};
  }

  QSaveFile file(QString::fromLocal8Bit(target.data(), static_cast<qsizetype>(target.size())));
  if (!file.open(QIODevice::WriteOnly)) {
    return {false, "cannot write \"" + path + "\": " + file.errorString().toStdString()};
  }
  // QSaveFile::commit() does not notice a failed final flush (QTBUG-75077): a full disk would
  // then "succeed" with an empty file. So every write and the flush are checked here, and any
  // failure cancels the save before commit() can rename the temporary file over the target.
  const qint64 wanted = static_cast<qint64>(bytes.size());
  const qint64 written = bytes.empty() ? 0 : file.write(bytes.data(), wanted);
  // QSaveFile renames without syncing the data first, so the flush to disk is done here; without
  // it a crash soon after the rename can leave an empty file under the old name.
  if (written != wanted || !file.flush() || ::fsync(file.handle()) != 0) {
    std::string reason = written == wanted && file.error() == QFileDevice::NoError
                             ? std::string(std::strerror(errno))
                             : file.errorString().toStdString();
    file.cancelWriting();
    file.commit();  // discards the temporary file
    return {false, "cannot write \"" + path + "\": " + reason};
  }
  if (!file.commit()) {
    return {false, "cannot write \"" + path + "\": " + file.errorString().toStdString()};
  }
  SyncDirectory(DirectoryOf(target));
  return {true, {}};
}

}  // namespace marrowleaf
