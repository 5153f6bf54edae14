// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/pictures/pictures.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "engines/export/export.h"
#include "testutil.h"
#include "text/links.h"

namespace {

using namespace marrowleaf;

// Each row: a text, and the alt text and path of every link it holds.
TEST(PictureLinks, ALinkIsBangAltAndAPathInParenthesesOnOneLine) {
  using Link = std::pair<std::string, std::string>;
  const struct {
    const char* text;
    std::vector<Link> links;
  } rows[] = {
      {"![](attachments/2024/5/5_0/a.jpeg)", {{"", "attachments/2024/5/5_0/a.jpeg"}}},
      {"before ![a harbour](x.png) after", {{"a harbour", "x.png"}}},
      {"![](my photo (2).jpg)", {{"", "my photo (2).jpg"}}},  // blanks, paired parentheses
      {"![](<a b.png>) ![]( spaced.png )", {{"", "a b.png"}, {"", "spaced.png"}}},
      {"![dusk](x.png \"Dusk\")", {{"dusk", "x.png"}}},  // a title is no part of the path
      {"![日記](写真/夕方.png)", {{"日記", "写真/夕方.png"}}},
      {"![a \\] b](x.png)", {{"a \\] b", "x.png"}}},
      {"\\![](x.png) ![]() ![](x.png ![x](", {}},  // escaped, empty, unclosed
      {"![](x\n.png) ![a\n](x.png)", {}},          // a line break ends every link
      {"[](x.png) ! [](x.png) ![] (x.png)", {}},
      {"![](https://example.org/a.png)", {{"", "https://example.org/a.png"}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const QString text = QString::fromUtf8(row.text);
    std::vector<Link> found;
    for (const PictureLink& link : FindPictureLinks(text)) {
      EXPECT_EQ(text[link.start], u'!');
      EXPECT_EQ(text[link.start + link.length - 1], u')');
      found.emplace_back(text.mid(link.altStart, link.altLength).toStdString(),
                         text.mid(link.pathStart, link.pathLength).toStdString());
    }
    EXPECT_EQ(found, row.links);
  }
}

class Pictures : public ::testing::Test {
 protected:
  testutil::TempDir dir;
  std::string diary = dir / "diary";
  void File(const std::string& name, const std::string& bytes = "bytes") {
    std::filesystem::create_directories(std::filesystem::path(diary + "/" + name).parent_path());
    testutil::WriteFile(diary + "/" + name, bytes);
  }
  void SetUp() override { std::filesystem::create_directories(diary); }
};

TEST_F(Pictures, APathNamesAPictureOnlyInsideTheSaveDirectory) {
  File("attachments/a.png");
  File("my photos/夏 (1).JPG");
  File("notes.txt");
  testutil::WriteFile(dir / "outside.png", "x");
  std::filesystem::create_directory_symlink(dir.path(), diary + "/linked");
  const struct {
    const char* path;
    PicturePlaceKind kind;
    const char* name;
  } rows[] = {
      {"attachments/a.png", PicturePlaceKind::kInDiary, "a.png"},
      {"my photos/夏 (1).JPG", PicturePlaceKind::kInDiary, "夏 (1).JPG"},  // blanks, any case
      {"attachments/missing.webp", PicturePlaceKind::kInDiary, "missing.webp"},
      {"attachments/../attachments/a.png", PicturePlaceKind::kInDiary, "a.png"},
      {"../outside.png", PicturePlaceKind::kOutside, "outside.png"},
      {"attachments/../../outside.png", PicturePlaceKind::kOutside, "outside.png"},
      {"linked/outside.png", PicturePlaceKind::kOutside, "outside.png"},  // a link leads out
      {"/etc/outside.png", PicturePlaceKind::kOutside, "outside.png"},
      {"~/outside.png", PicturePlaceKind::kOutside, "outside.png"},
      {"https://example.org/a.png", PicturePlaceKind::kAddress, "a.png"},
      {"dayone-moment://7C3A2E5D", PicturePlaceKind::kAddress, "7C3A2E5D"},
      {"file:attachments/a.png", PicturePlaceKind::kAddress, "a.png"},
      {"notes.txt", PicturePlaceKind::kNotPicture, "notes.txt"},
      {"a.svg", PicturePlaceKind::kNotPicture, "a.svg"},
      {"attachments", PicturePlaceKind::kNotPicture, "attachments"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path);
    const PicturePlace place = LocatePicture(diary, QString::fromUtf8(row.path));
    EXPECT_EQ(place.kind, row.kind);
    EXPECT_EQ(place.name.toStdString(), row.name);
    EXPECT_EQ(place.file.empty(), row.kind != PicturePlaceKind::kInDiary);
  }
  EXPECT_EQ(testutil::ReadFile(LocatePicture(diary, u"my photos/夏 (1).JPG").file), "bytes");
}

TEST_F(Pictures, OnlyARegularFileOfAFewMegabytesIsRead) {
  File("a.png", "picture");
  ASSERT_EQ(::mkfifo((diary + "/fifo.png").c_str(), 0600), 0);
  File("large.png");
  std::filesystem::resize_file(diary + "/large.png", kMaxPictureBytes + 1);
  const PictureFile read = ReadPictureFile(diary + "/a.png");
  EXPECT_TRUE(read.ok);
  EXPECT_EQ(read.Bytes(), "picture");
  const PictureFile fifo = ReadPictureFile(diary + "/fifo.png");  // returns: no reader waits
  EXPECT_FALSE(fifo.ok);
  EXPECT_FALSE(fifo.missing);
  EXPECT_TRUE(ReadPictureFile(diary + "/large.png").tooLarge);
  EXPECT_TRUE(ReadPictureFile(diary + "/none.png").missing);
}

TEST(PictureNames, TheNameIsTheContentsHashAndTheExtensionInSmallLetters) {
  const std::string name = PictureFileName("abc", "JPEG");
  EXPECT_EQ(name.size(), 32u + 5u);
  EXPECT_EQ(name.substr(32), ".jpeg");
  EXPECT_EQ(name.find_first_not_of("0123456789abcdef"), 32u);
  EXPECT_EQ(PictureFileName("abc", "jpeg"), name);
  EXPECT_NE(PictureFileName("abd", "jpeg"), name);
  EXPECT_EQ(ContentKey("abc"), name.substr(0, 32));
  EXPECT_EQ(PictureFolder({2024, 5, 7, 1}), "attachments/2024/5/7_1");
  EXPECT_EQ(PictureLinkText("attachments/2024/5/7_1/x.png"),
            QStringLiteral("![](attachments/2024/5/7_1/x.png)"));
  EXPECT_EQ(PictureLinkText("a b.png"), QStringLiteral("![](<a b.png>)"));
}

TEST_F(Pictures, AnAddedPictureIsAPrivateFileNamedByItsContentAndAddedOnce) {
  const std::string bytes("\x89PNG\r\n\x1a\n\0pixels", 15);
  const AddedPicture first = AddPicture(diary, {2024, 5, 7, 1}, bytes, "PNG");
  ASSERT_TRUE(first.outcome.ok) << first.outcome.error;
  EXPECT_EQ(first.path, "attachments/2024/5/7_1/" + PictureFileName(bytes, "png"));
  EXPECT_EQ(testutil::ReadFile(diary + "/" + first.path), bytes);
  EXPECT_EQ(testutil::Mode(diary + "/" + first.path), 0600u);
  for (const char* folder :
       {"attachments", "attachments/2024", "attachments/2024/5", "attachments/2024/5/7_1"}) {
    EXPECT_EQ(testutil::Mode(diary + "/" + folder), 0700u) << folder;
  }
  // The same picture again: the same file, untouched; a damaged copy of it is made whole.
  struct stat before {};
  ::stat((diary + "/" + first.path).c_str(), &before);
  const AddedPicture again = AddPicture(diary, {2024, 5, 7, 1}, bytes, "png");
  EXPECT_EQ(again.path, first.path);
  struct stat after {};
  ::stat((diary + "/" + first.path).c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(testutil::EntryCount(diary + "/attachments/2024/5/7_1"), 1u);
  testutil::WriteFile(diary + "/" + first.path, "damaged");
  EXPECT_TRUE(AddPicture(diary, {2024, 5, 7, 1}, bytes, "png").outcome.ok);
  EXPECT_EQ(testutil::ReadFile(diary + "/" + first.path), bytes);

  EXPECT_FALSE(AddPicture(diary, {2024, 5, 7, 1}, bytes, "txt").outcome.ok);
  EXPECT_FALSE(AddPicture(dir / "none", {2024, 5, 7, 1}, bytes, "png").outcome.ok);
  EXPECT_FALSE(testutil::Exists(dir / "none"));
}

TEST_F(Pictures, AnExportLinksCopiesBesideItsFileAndACancelTakesThemAway) {
  File("attachments/a.jpeg", "jpeg bytes");
  testutil::WriteFile(dir / "diary.html", "an earlier export");
  ExportPictures copies(diary, dir / "diary.html");
  const QString address = copies.Copy(u"attachments/a.jpeg");
  const std::string name = PictureFileName("jpeg bytes", "jpeg");
  EXPECT_EQ(address.toStdString(), "diary-pictures/" + name);
  EXPECT_EQ(copies.Copy(u"attachments/../attachments/a.jpeg"), address);  // copied once
  EXPECT_EQ(testutil::ReadFile(dir / ("diary-pictures/" + name)), "jpeg bytes");
  EXPECT_TRUE(copies.Copy(u"attachments/missing.png").isEmpty());
  EXPECT_TRUE(copies.Copy(u"../diary.html").isEmpty());
  EXPECT_TRUE(copies.Error().empty());

  // HTML shows the copy, Markdown links it, plain text keeps the link as written.
  ExportTexts texts{QStringLiteral("T"), QStringLiteral("R"), QLocale::c(), {}, false};
  const PictureAddress pictures = [&](QStringView path) { return copies.Copy(path); };
  const ExportDay day{QDate(2026, 12, 8),
                      {{0, QStringLiteral("Dusk <3\n![the \"harbour\"](attachments/a.jpeg) *!*\n"
                                          "![](attachments/missing.png)")}}};
  const auto form = [&](ExportFormat format) {
    TextExport text(format, texts, pictures);
    text.Day(day);
    return text.Finish();
  };
  const std::string html = form(ExportFormat::kHtml);
  EXPECT_NE(html.find("Dusk &lt;3\n<img src=\"diary-pictures/" + name +
                      "\" alt=\"the &quot;harbour&quot;\"> *!*\n![](attachments/missing.png)"),
            std::string::npos)
      << html;
  const std::string markdown = form(ExportFormat::kMarkdown);
  EXPECT_NE(markdown.find("Dusk \\<3\\\n![the \"harbour\"](diary-pictures/" + name +
                          ") \\*\\!\\*\\\n\\!\\[\\](attachments/missing.png)\n"),
            std::string::npos)
      << markdown;
  EXPECT_NE(form(ExportFormat::kPlainText).find(day.entries[0].text.toStdString()),
            std::string::npos);

  // A cancelled export takes away what it copied, never what was there before it.
  ExportPictures second(diary, dir / "diary.html");
  File("attachments/b.png", "png bytes");
  EXPECT_FALSE(second.Copy(u"attachments/a.jpeg").isEmpty());
  EXPECT_FALSE(second.Copy(u"attachments/b.png").isEmpty());
  second.Discard();
  EXPECT_TRUE(testutil::Exists(dir / ("diary-pictures/" + name)));
  EXPECT_FALSE(testutil::Exists(dir / ("diary-pictures/" + PictureFileName("png bytes", "png"))));
}

}  // namespace
