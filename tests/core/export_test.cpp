// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/export/export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "entrysamples.h"
#include "platform/files.h"
#include "testutil.h"

namespace {

using namespace marrowleaf;

class Export : public ::testing::Test {
 protected:
  testutil::TempDir dir;
  void Entry(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(dir / name).parent_path());
    testutil::WriteFile(dir / name, bytes);
  }
  void SetUp() override {
    Entry("2026/12/8_0.txt", std::string("A walk.\r\n\r\n  indented\0remains", 29));
    Entry("2026/12/8_1.txt", "Work");
    Entry("2026/12/8_2.txt", "tab beyond the count");
    Entry("2026/12/7_0.txt", std::string("\0old", 4));  // empty: no page
    Entry("2026/12/6_1.txt", entrysamples::kShiftJis);
    Entry("2026/12/9_0.sync-conflict-20261209-101530-ABCDEFG.txt", "copy");
    Entry(".history/2026/12/8_0/20261208-101530.000000Z-abcdefghij.txt", "old version");
    Entry("2026/11/30_0.txt", "before the range");
    Entry("2027/1/1_0.txt", "after the range");
  }
  std::vector<std::string> Days(const ExportRange& range) {
    std::vector<std::string> out;
    ForEachExportDay(dir.path(), range, [&](const ExportDay& day) {
      std::string text = day.date.toString(Qt::ISODate).toStdString();
      for (const ExportEntry& e : day.entries)
        text += " " + std::to_string(e.tab) + ":" + e.text.toStdString();
      out.push_back(text);
      return true;
    });
    return out;
  }
};

TEST_F(Export, TheRangeGivesItsDaysWithEntriesOldestFirst) {
  const ExportRange december{QDate(2026, 12, 1), QDate(2026, 12, 31), {true, true}};
  EXPECT_EQ(Days(december), (std::vector<std::string>{
                                "2026-12-06 1:日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ\n二行目",
                                "2026-12-08 0:A walk.\n\n  indented 1:Work"}));
  EXPECT_EQ(
      Days({QDate(2026, 12, 1), QDate(2026, 12, 31), {false, true}}),
      (std::vector<std::string>{"2026-12-06 1:日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ\n二行目",
                                "2026-12-08 1:Work"}));
  EXPECT_EQ(Days({QDate(2026, 11, 30), QDate(2026, 12, 6), {true, false}}),
            std::vector<std::string>{"2026-11-30 0:before the range"});
  QDate first;
  QDate last;
  ASSERT_TRUE(DiaryExtent(dir.path(), 2, first, last));
  EXPECT_EQ(first, QDate(2026, 11, 30));
  EXPECT_EQ(last, QDate(2027, 1, 1));
  testutil::TempDir empty;
  EXPECT_FALSE(DiaryExtent(empty.path(), 2, first, last));
}

// What cannot be read is named, and the walk goes on without it: a month folder that cannot be
// listed, an entry that cannot be read. A folder outside the range is no loss.
TEST_F(Export, WhatCannotBeReadIsNamedAndTheRestIsWalked) {
  REQUIRE_UNPRIVILEGED();
  Entry("2026/10/3_0.txt", "unlisted month");
  Entry("2025/1/1_0.txt", "outside the range");
  ::chmod((dir / "2026/10").c_str(), 0);
  ::chmod((dir / "2026/12/6_1.txt").c_str(), 0);
  ::chmod((dir / "2025").c_str(), 0);
  std::vector<std::string> lost;
  std::vector<std::string> days;
  ForEachExportDay(
      dir.path(), {QDate(2026, 10, 1), QDate(2026, 12, 31), {true, true}},
      [&](const ExportDay& day) {
        days.push_back(day.date.toString(Qt::ISODate).toStdString());
        return true;
      },
      [&](const std::string& path) { lost.push_back(path); });
  EXPECT_EQ(lost,
            (std::vector<std::string>{dir.path() + "/2026/10", dir.path() + "/2026/12/6_1.txt"}));
  EXPECT_EQ(days, (std::vector<std::string>{"2026-11-30", "2026-12-08"}));
}

TEST(ExportTarget, ATypedPathIsResolvedFromHomeOrTheDefaultFolder) {
  const struct {
    const char* typed;
    const char* file;
  } rows[] = {
      {"~/x.pdf", "/home/u/x.pdf"},
      {"~", "/home/u"},
      {"rel.pdf", "/home/u/Documents/rel.pdf"},
      {"sub/../rel.pdf", "/home/u/Documents/rel.pdf"},
      {"/tmp/abs.pdf", "/tmp/abs.pdf"},
      {"~other/x.pdf", "/home/u/Documents/~other/x.pdf"},  // another user's home is not looked up
      {"a~/x.pdf", "/home/u/Documents/a~/x.pdf"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    EXPECT_EQ(ExportTargetPath(QString::fromUtf8(row.typed), QStringLiteral("/home/u"),
                               QStringLiteral("/home/u/Documents"))
                  .toStdString(),
              row.file);
  }
}

// A long export goes to its file in pieces; the old file stays whole until the commit, and an
// export that ends without one leaves no trace.
TEST(ExportFile, PiecesReplaceTheFileOnlyOnCommit) {
  testutil::TempDir dir;
  const std::string path = dir / "book.txt";
  const std::string temporary = SaveTemporaryName(path);
  testutil::WriteFile(path, "old");
  {
    ReplacingFile file(path, NewFileAccess::kPrivate);
    EXPECT_TRUE(file.Write("new "));
    EXPECT_TRUE(file.Write("book"));
    EXPECT_EQ(testutil::ReadFile(path), "old");
  }
  EXPECT_EQ(testutil::ReadFile(path), "old");
  EXPECT_FALSE(std::filesystem::exists(temporary));
  ReplacingFile fresh(dir / "fresh.txt", NewFileAccess::kPrivate);
  fresh.Write("new book");
  ASSERT_TRUE(fresh.Commit().ok);
  EXPECT_EQ(testutil::ReadFile(dir / "fresh.txt"), "new book");
  EXPECT_EQ(std::filesystem::status(dir / "fresh.txt").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ReplacingFile nowhere(dir / "no folder/book.txt");
  EXPECT_FALSE(nowhere.Ok());
  EXPECT_FALSE(nowhere.Write("x"));
  EXPECT_NE(nowhere.Commit().error.find("no folder/book.txt"), std::string::npos);
}

// What the page shows is what the entry holds, whatever markup its lines look like.
TEST(ExportEscaping, HostileLinesAreShownAsWritten) {
  const struct {
    const char* line;
    const char* html;
    const char* markdown;
  } rows[] = {
      {"<script>alert('x')</script>", "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;",
       "\\<script\\>alert('x')\\</script\\>"},
      {"Tom & \"Jerry\"", "Tom &amp; &quot;Jerry&quot;", "Tom \\& \"Jerry\""},
      {"# not a heading", "# not a heading", "\\# not a heading"},
      {"> not a quote", "&gt; not a quote", "\\> not a quote"},
      {"- not", "- not", "\\- not"},
      {"* not", "* not", "\\* not"},
      {"+ not", "+ not", "\\+ not"},
      {"12. not", "12. not", "12\\. not"},
      {"3) not", "3) not", "3\\) not"},
      {"    code?", "    code?", "&#32;&#32;&#32;&#32;code?"},
      {"a *b* _c_ `d` [e](f) \\", "a *b* _c_ `d` [e](f) \\",
       "a \\*b\\* \\_c\\_ \\`d\\` \\[e\\](f) \\\\"},
      {"2026 was a year", "2026 was a year", "2026 was a year"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(HtmlEscape(QString::fromUtf8(row.line)).toStdString(), row.html);
    EXPECT_EQ(MarkdownLine(QString::fromUtf8(row.line)).toStdString(), row.markdown);
  }
}

// The plain-text and Markdown forms, byte for byte.
TEST_F(Export, TheTextFormsAreTheGoldenFiles) {
  ExportTexts texts{QStringLiteral("Marrowleaf diary"),
                    QStringLiteral("1 December 2026 – 31 December 2026"),
                    QLocale(QLocale::English, QLocale::UnitedKingdom),
                    {QStringLiteral("Diary"), QStringLiteral("Work")},
                    true};
  for (const auto& [format, golden] : {std::pair{ExportFormat::kPlainText, "export.txt"},
                                       std::pair{ExportFormat::kMarkdown, "export.md"}}) {
    SCOPED_TRACE(golden);
    TextExport text(format, texts);
    ForEachExportDay(dir.path(), {QDate(2026, 12, 1), QDate(2026, 12, 31), {true, true}},
                     [&](const ExportDay& day) {
                       text.Day(day);
                       return true;
                     });
    EXPECT_EQ(text.Finish(), testutil::ReadFile(std::string(MARROWLEAF_TEST_DATA) + "/" + golden));
  }
}

}  // namespace
