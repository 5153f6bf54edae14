// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/sealing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "crypto/sealedfiles.h"
#include "testutil.h"

namespace {

using namespace marrowleaf;
using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

const std::string kData = MARROWLEAF_TEST_DATA "/crypto/";

DiaryKeys KeysOf(std::vector<std::string_view> secrets) {
  DiaryKeys keys;
  for (std::string_view secret : secrets) keys.Add(DiaryKey::FromBytes(secret));
  return keys;
}

constexpr std::string_view kOurs = "Marrowleaf golden key, test only";
constexpr std::string_view kTheirs = "another diary's key, 32 bytes...";

std::string Text(size_t size) {
  std::string text;
  for (size_t i = 0; text.size() < size; ++i) text += "line " + std::to_string(i) + '\n';
  text.resize(size);
  return text;
}

// Opened by the stream reader in pieces of `piece` bytes, as a large file is.
Opened OpenInPieces(const DiaryKeys& keys, std::string_view sealed, size_t piece) {
  Opened opened;
  OpeningStream stream(keys);
  for (size_t at = 0; at < sealed.size(); at += piece) {
    if (!stream.Add(sealed.substr(at, piece), opened.bytes)) break;
  }
  opened.result = stream.Finish(opened.bytes);
  return opened;
}

// Each row: a text and the chunk size it is sealed in, around the chunks' edges.
TEST(Sealing, EveryTextOpensAsItWasWholeOrInPieces) {
  const DiaryKeys keys = KeysOf({kOurs});
  const struct {
    size_t size;
    int chunkBits;
  } rows[] = {{0, 16},    {1, 16},    {41, 16},   {1023, 10},           {1024, 10},
              {1025, 10}, {3072, 10}, {3077, 10}, {(1u << 16) + 1, 16}, {200000, 16}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.size);
    const std::string text = Text(row.size);
    const std::string sealed = SealBytes(*keys.Sealing(), text, row.chunkBits);
    EXPECT_TRUE(LooksSealed(sealed));
    EXPECT_EQ(SealedKeyId(sealed), keys.Sealing()->Id());
    if (text.size() >= 16) {
      EXPECT_EQ(sealed.find(text.substr(0, 16)), std::string::npos);
    }
    const Opened opened = OpenBytes(keys, sealed);
    EXPECT_EQ(opened.result, Opening::kOpened);
    EXPECT_EQ(opened.bytes, text);
    for (size_t piece : {size_t{1}, size_t{7}, size_t{1041}}) {
      if (piece == 1 && row.size > 5000) continue;
      const Opened pieces = OpenInPieces(keys, sealed, piece);
      EXPECT_EQ(pieces.result, Opening::kOpened) << piece;
      EXPECT_EQ(pieces.bytes, text) << piece;
    }
    // Sealed in pieces, the text is the same file's text.
    SealingStream stream(*keys.Sealing(), row.chunkBits);
    std::string inPieces;
    for (size_t at = 0; at < text.size(); at += 333) stream.Add(text.substr(at, 333), inPieces);
    stream.Finish(inPieces);
    EXPECT_EQ(inPieces.size(), sealed.size());
    EXPECT_EQ(OpenBytes(keys, inPieces).bytes, text);
  }
  EXPECT_NE(SealBytes(*keys.Sealing(), "same"), SealBytes(*keys.Sealing(), "same"));
}

TEST(Sealing, FilesWrittenByTheFirstVersionStillOpen) {
  const DiaryKeys keys = KeysOf({kOurs});
  for (const char* name : {"entry", "chunks"}) {
    const Opened opened = OpenBytes(keys, ReadFile(kData + name + ".sealed"));
    EXPECT_EQ(opened.result, Opening::kOpened) << name;
    EXPECT_EQ(opened.bytes, ReadFile(kData + name + ".plain")) << name;
  }
  EXPECT_EQ(OpenBytes(keys, ReadFile(kData + "empty.sealed")).result, Opening::kOpened);
}

// A plain file that arrives in an encrypted diary (another program, a phone's editor) is read as
// it is, whatever it begins with.
TEST(Sealing, PlainBytesAreReadAsTheyAreWithOrWithoutAKey) {
  const std::string rows[] = {"",
                              std::string("\0", 1),
                              "A day.\n",
                              std::string("\x89MLE\r\n\x1a", 7),
                              std::string("\x89MLE\r\n\x1a!", 8) + Text(60),
                              "\x89PNG\r\n\x1a\n" + Text(100),
                              "caf\xe9 latin-1 text",
                              Text(49),
                              Text(70000)};
  for (const DiaryKeys& keys : {DiaryKeys(), KeysOf({kOurs})}) {
    for (const std::string& bytes : rows) {
      EXPECT_FALSE(LooksSealed(bytes));
      const Opened opened = OpenBytes(keys, bytes);
      EXPECT_EQ(opened.result, Opening::kPlain) << bytes.substr(0, 20);
      EXPECT_EQ(opened.bytes, bytes);
      EXPECT_EQ(OpenInPieces(keys, bytes, 13).bytes, bytes);
    }
  }
}

// Each row: the keys a reader holds, and what a file sealed with our key is to it.
TEST(Sealing, AFileOfAnotherKeyIsToldFromADamagedOne) {
  const std::string sealed = SealBytes(*KeysOf({kOurs}).Sealing(), Text(3000), 10);
  std::string newer = sealed;
  newer[8] = 2;
  const struct {
    const char* what;
    std::vector<std::string_view> keys;
    std::string bytes;
    Opening result;
  } rows[] = {
      {"a locked diary", {}, sealed, Opening::kNeedsKey},
      {"another diary's key", {kTheirs}, sealed, Opening::kOtherKey},
      {"both devices' keys", {kTheirs, kOurs}, sealed, Opening::kOpened},
      {"a newer format, locked", {}, newer, Opening::kUnknownVersion},
      {"a newer format", {kOurs}, newer, Opening::kUnknownVersion},
      {"another key's file cut short", {kTheirs}, sealed.substr(0, 60), Opening::kOtherKey},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const Opened opened = OpenBytes(KeysOf(row.keys), row.bytes);
    EXPECT_EQ(opened.result, row.result);
    EXPECT_EQ(opened.bytes.empty(), row.result != Opening::kOpened);
    EXPECT_EQ(OpenInPieces(KeysOf(row.keys), row.bytes, 100).result, row.result);
  }
}

// Nothing of a changed file is ever taken for its text: one byte changed anywhere (header,
// key id, stream header, any chunk), the file cut short anywhere, bytes added, chunks moved.
TEST(Sealing, AChangedOrCutFileIsDamagedWherever) {
  const DiaryKeys keys = KeysOf({kOurs});
  const std::string sealed = SealBytes(*keys.Sealing(), Text(2500), 10);
  const size_t chunk = 1024 + 17;
  std::vector<std::pair<std::string, std::string>> rows;  // what, bytes
  for (size_t at = 0; at < sealed.size(); ++at) {
    if (at == 8) continue;  // the version: a newer format's file, above
    for (const char flip : {'\x01', '\x80'}) {
      std::string changed = sealed;
      changed[at] = static_cast<char>(changed[at] ^ flip);
      rows.emplace_back("byte " + std::to_string(at), changed);
    }
  }
  for (size_t size = 8; size < sealed.size(); ++size) {
    rows.emplace_back("cut to " + std::to_string(size), sealed.substr(0, size));
  }
  rows.emplace_back("a byte added", sealed + 'x');
  rows.emplace_back("a chunk added", sealed + sealed.substr(50, chunk));
  rows.emplace_back("a chunk dropped",
                    sealed.substr(0, 50 + chunk) + sealed.substr(50 + 2 * chunk));
  rows.emplace_back("two chunks swapped", sealed.substr(0, 50) + sealed.substr(50 + chunk, chunk) +
                                              sealed.substr(50, chunk) +
                                              sealed.substr(50 + 2 * chunk));
  for (const auto& [what, bytes] : rows) {
    const Opened opened = OpenBytes(keys, bytes);
    ASSERT_EQ(opened.result, Opening::kDamaged) << what;
    ASSERT_TRUE(opened.bytes.empty()) << what;
    ASSERT_EQ(OpenInPieces(keys, bytes, 500).result, Opening::kDamaged) << what;
  }
}

// What the diary's readers and writers call: a file read sealed or plain alike, and a save of
// the text a file holds already writes nothing.
TEST(SealedFiles, ASaveWritesOnlyWhenTheTextChanges) {
  const DiaryKeys keys = KeysOf({kOurs, kTheirs});
  const std::string text("text\0", 5);
  const struct {
    const char* what;
    std::string before;  // the file's bytes; empty: no file
    bool written;
    bool refused;  // the file is left as it was
  } rows[] = {
      {"no file yet", "", true, false},
      {"the same text sealed", SealBytes(*keys.Sealing(), text), false, false},
      {"another text sealed", SealBytes(*keys.Sealing(), "old\0"), true, false},
      {"the same text plain", text, true, false},
      {"the same text, the other device's key", SealBytes(keys.All()[1], text), true, false},
      {"a damaged file", SealBytes(*keys.Sealing(), text).substr(0, 60), false, true},
      {"a third key's file", SealBytes(DiaryKey::Generate(), text), false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    const std::string path = dir / "8_0.txt";
    if (!row.before.empty()) WriteFile(path, row.before);
    const FileState state = RegularFileState(path);
    const SealedSave save = SaveSealed(path, keys, text);
    EXPECT_EQ(save.written, row.written);
    EXPECT_EQ(RegularFileState(path) != state, row.written);
    EXPECT_EQ(save.outcome.ok, !row.refused) << save.outcome.error;
    if (row.refused) {
      EXPECT_EQ(ReadFile(path), row.before);
      continue;
    }
    const DiaryFileRead read = ReadDiaryFile(path, keys);
    EXPECT_TRUE(read.read);
    EXPECT_EQ(read.result, Opening::kOpened);
    EXPECT_EQ(read.bytes, text);
    EXPECT_EQ(SealedKeyId(ReadFile(path)), keys.Sealing()->Id());
    EXPECT_EQ(ReadDiaryFile(path, DiaryKeys()).result, Opening::kNeedsKey);
  }
  TempDir dir;
  WriteFile(dir / "plain.txt", "plain");
  EXPECT_FALSE(SaveSealed(dir / "plain.txt", DiaryKeys(), "new").outcome.ok);  // locked
  EXPECT_EQ(ReadFile(dir / "plain.txt"), "plain");
  EXPECT_TRUE(ReadDiaryFile(dir / "missing.txt", keys).missing);
}

// Large files go through in pieces; a target appears only once its whole source opened.
TEST(SealedFiles, AttachmentsSealAndOpenInPiecesAndADamagedOneLeavesNothing) {
  const DiaryKeys keys = KeysOf({kOurs});
  TempDir dir;
  const std::string picture = Text((3u << 20) + 5);
  WriteFile(dir / "picture.jpg", picture);
  ASSERT_TRUE(SealFile(*keys.Sealing(), dir / "picture.jpg", dir / "sealed.jpg").ok);
  EXPECT_EQ(OpenBytes(keys, ReadFile(dir / "sealed.jpg")).bytes, picture);
  EXPECT_EQ(testutil::Mode(dir / "sealed.jpg"), 0600u);

  MakePrivateDirectory(dir / "view");
  FileOpening opening = OpenFileTo(keys, dir / "sealed.jpg", dir / "view/picture.jpg");
  EXPECT_EQ(opening.result, Opening::kOpened);
  EXPECT_TRUE(opening.outcome.ok) << opening.outcome.error;
  EXPECT_EQ(ReadFile(dir / "view/picture.jpg"), picture);
  EXPECT_EQ(testutil::Mode(dir / "view/picture.jpg"), 0600u);

  std::string damaged = ReadFile(dir / "sealed.jpg");
  damaged[damaged.size() - 100] ^= 1;  // in the last chunk, after most of it came out
  WriteFile(dir / "damaged.jpg", damaged);
  opening = OpenFileTo(keys, dir / "damaged.jpg", dir / "view/damaged.jpg");
  EXPECT_EQ(opening.result, Opening::kDamaged);
  EXPECT_FALSE(opening.outcome.ok);
  EXPECT_EQ(testutil::EntryCount(dir / "view"), 1u);  // no target, no temporary file

  WriteFile(dir / "plain.jpg", "plain bytes");
  opening = OpenFileTo(keys, dir / "plain.jpg", dir / "view/plain.jpg");
  EXPECT_EQ(opening.result, Opening::kPlain);
  EXPECT_EQ(ReadFile(dir / "view/plain.jpg"), "plain bytes");
}

}  // namespace
