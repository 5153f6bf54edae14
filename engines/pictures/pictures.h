// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "entries/entrykey.h"
#include "platform/files.h"

// The diary's pictures, as files: which file a link's path names (text/links.h has the link's
// syntax), the name a picture is kept under, its copy into the entry's folder of attachments and
// the copies an export puts beside its file. Decoding is the windows' (Qt Gui); nothing here
// looks into a picture's bytes.
//
// A picture lives in the diary, so that a synced diary shows it on every machine: a link's path is
// taken relative to the save directory and names a picture only when the file it leads to, links
// followed, lies inside the save directory and its name ends in the extension of a raster format
// the diary shows (PNG, JPEG, GIF, BMP, WebP). Absolute paths, "~", paths that climb out with
// "..", and addresses ("https://...", "dayone-moment://...") name no picture of the diary.
namespace marrowleaf {

// The largest picture file that is read or added: a photo of a camera is a tenth of it.
inline constexpr int64_t kMaxPictureBytes = 64 * 1024 * 1024;

// Whether `name` ends in ".png", ".jpg", ".jpeg", ".gif", ".bmp" or ".webp", in any case.
bool IsPictureName(std::string_view name);

enum class PicturePlaceKind {
  kInDiary,     // a picture's name inside the save directory (the file may still be missing)
  kOutside,     // an absolute path, or one that leads out of the save directory
  kAddress,     // a web or other address
  kNotPicture,  // inside, but not named as a picture
};

struct PicturePlace {
  PicturePlaceKind kind = PicturePlaceKind::kNotPicture;
  std::string file;  // kInDiary: the file to read, under the save directory as given
  QString name;      // the path's last part, for what the window says about it
};

// Where the path of a link leads. Looks at the file system only to follow links.
PicturePlace LocatePicture(const std::string& saveDir, QStringView path);

// A picture file's bytes, read only from a regular file (never a FIFO or a device, which could
// hang or never end) of at most kMaxPictureBytes. An encrypted diary's picture is opened with the
// keys the process holds for it; one that does not open is no picture (`error` says why).
struct PictureFile {
  bool ok = false;
  bool missing = false;
  bool tooLarge = false;
  std::string error;  // why not, in words for the user
  WholeFile file;
  std::string opened;  // a sealed file's bytes, opened
  bool sealed = false;
  std::string_view Bytes() const {
    return sealed ? std::string_view(opened) : std::string_view(file.bytes.get(), file.size);
  }
};
PictureFile ReadPictureFile(const std::string& path);

// 32 hexadecimal digits hashed from the bytes (XXH3, 128 bits): the same bytes always give the same
// key, other bytes in practice never. Thumbnails are kept by it.
std::string ContentKey(std::string_view bytes);

// The name a picture is kept under: its content key, '.', and its extension in small letters
// ("3f…9a.jpeg"), so that the same picture added twice, or on two machines, is one file.
std::string PictureFileName(std::string_view bytes, std::string_view extension);

// "attachments/YEAR/MONTH/DAY_TAB", relative to the save directory: an entry's own pictures, where
// the import puts its attachments too.
std::string PictureFolder(const EntryKey& key);

// A picture added to an entry: its bytes written under PictureFolder(key) by the atomic writer
// (sealed, in an encrypted diary), a private file (0600) in private folders (0700). A file of the
// same name that holds the same bytes is left as it is; one that holds others (damaged) is
// replaced.
struct AddedPicture {
  SaveOutcome outcome;
  std::string path;  // relative to the save directory, '/' between its parts
};
AddedPicture AddPicture(const std::string& saveDir, const EntryKey& key, std::string_view bytes,
                        std::string_view extension);

// The link text for a picture at `path` (relative to the save directory): "![](path)".
QString PictureLinkText(const std::string& path);

// The pictures an export of the diary links, copied into a folder beside the exported file, each
// once, named by its content. What a cancelled or failed export copied goes again with Discard();
// a copy that was there before the export stays.
class ExportPictures {
 public:
  // `target`: the exported file; the copies go to its name without the extension and
  // "-pictures" ("diary.html" → "diary-pictures/").
  ExportPictures(std::string saveDir, const std::string& target);
  // The address of the copy of the picture that `path` names, relative to the exported file and
  // percent-encoded as a URL's path; empty when the path names no picture of the diary that can be
  // read (the link then stays as written) or the copy failed (Error() says why).
  QString Copy(QStringView path);
  const std::string& Error() const { return error; }
  void Discard();

 private:
  std::string saveDir;
  std::string folder;                     // where the copies go
  QString href;                           // the folder's name as an address
  std::map<std::string, QString> copied;  // by the file linked
  std::vector<std::string> made;          // copies that were not there before
  std::string error;
};

}  // namespace marrowleaf
