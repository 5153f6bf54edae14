// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/entrytext.h"

#include <gtest/gtest.h>

#include <string>

#include "entrysamples.h"

namespace {

using marrowleaf::EntryBreakLike;
using marrowleaf::EntryBytesToText;
using marrowleaf::EntryEncoding;
using marrowleaf::EntryFormat;
using marrowleaf::EntryText;
using marrowleaf::EntryTextToBytes;

struct RoundTrip {
  const char* name;
  std::string bytes;
  EntryEncoding encoding;
};

class LoadingAndSavingBack : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(LoadingAndSavingBack, GivesTheSameBytes) {
  const RoundTrip& c = GetParam();
  const EntryText shown = EntryBytesToText(c.bytes);
  EXPECT_EQ(shown.format.encoding, c.encoding);
  for (char16_t ch : EntryBreakLike()) {
    if (ch != u'\n') {
      EXPECT_FALSE(shown.text.contains(QChar(ch))) << "the text area would split here";
    }
  }
  if (!shown.format.lfBreaks) {
    EXPECT_EQ(shown.text.count(QLatin1Char('\n')),
              static_cast<qsizetype>(QByteArray::fromStdString(c.bytes).count("\r\n")));
  }
  EntryFormat format = shown.format;
  EXPECT_EQ(EntryTextToBytes(shown.text, format), c.bytes);
  EXPECT_EQ(format.encoding, c.encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LoadingAndSavingBack,
    ::testing::Values(
        RoundTrip{"empty", "", EntryEncoding::kUtf8},
        RoundTrip{"crlf_lines", "one\r\ntwo\r\n", EntryEncoding::kUtf8},
        RoundTrip{"lf_lines", "one\ntwo\n", EntryEncoding::kUtf8},
        RoundTrip{"crlf_with_a_lone_lf_and_cr", "a\r\nb\nc\rd\r\r\n", EntryEncoding::kUtf8},
        RoundTrip{"lone_crs", "a\rb\r", EntryEncoding::kUtf8},
        RoundTrip{"shift_jis", entrysamples::kShiftJis, EntryEncoding::kShiftJis},
        // FA 54 reads as the same character as 81 CA, and would be written as that.
        RoundTrip{"shift_jis_with_a_second_spelling", "\x81\xca\xfa\x54", EntryEncoding::kLatin1},
        RoundTrip{"utf8_with_emoji_cjk_and_a_bom", entrysamples::kUtf8, EntryEncoding::kUtf8},
        RoundTrip{"utf8_with_characters_the_text_area_takes_as_breaks",
                  entrysamples::kUtf8BreakLike, EntryEncoding::kUtf8},
        RoundTrip{"every_byte_but_nul", entrysamples::EveryByteButNul(), EntryEncoding::kLatin1}),
    [](const ::testing::TestParamInfo<RoundTrip>& row) { return std::string(row.param.name); });

TEST(EntryText, ShiftJisShowsItsCharacters) {
  EXPECT_EQ(EntryBytesToText(entrysamples::kShiftJis).text,
            QStringLiteral("日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ\n二行目"));
}

TEST(EntryText, ACharacterTheEncodingCannotHoldTurnsTheEntryIntoUtf8) {
  const EntryText shown = EntryBytesToText(entrysamples::kShiftJis);
  EntryFormat format = shown.format;
  const std::string bytes = EntryTextToBytes(shown.text + QStringLiteral("\n\U0001F600"), format);
  EXPECT_EQ(format.encoding, EntryEncoding::kUtf8);
  EXPECT_EQ(QString::fromStdString(bytes),
            QStringLiteral("日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ\r\n二行目\r\n\U0001F600"));
  EXPECT_EQ(EntryBytesToText(bytes).format.encoding, EntryEncoding::kUtf8);
  // Shift-JIS would write a wave dash with the bytes of a fullwidth tilde.
  format = shown.format;
  EXPECT_EQ(EntryTextToBytes(QStringLiteral("〜"), format), std::string("\xe3\x80\x9c"));
  EXPECT_EQ(format.encoding, EntryEncoding::kUtf8);
  // Latin-1 falls back the same way; a character it holds keeps it Latin-1.
  format = EntryBytesToText("caf\xe9").format;
  EXPECT_EQ(EntryTextToBytes(QStringLiteral("café!"), format), std::string("caf\xe9!"));
  EXPECT_EQ(format.encoding, EntryEncoding::kLatin1);
  EXPECT_EQ(EntryTextToBytes(QStringLiteral("café €"), format),
            std::string("caf\xc3\xa9 \xe2\x82\xac"));
  EXPECT_EQ(format.encoding, EntryEncoding::kUtf8);
}

// The texts of config.ini (tab names, the editor) are read by the same detection.
TEST(EntryText, ConfigTextsInEachEncodingDecodeToTheirCharacters) {
  const struct {
    std::string bytes;
    QString text;
  } rows[] = {{"\xe6\x97\xa5\xe8\xa8\x98", QStringLiteral("日記")},
              {"\x93\xfa\x8b\x4c", QStringLiteral("日記")},
              {"Tageb\xfc"
               "cher",
               QStringLiteral("Tagebücher")},
              {"", QString()}};
  for (const auto& row : rows) EXPECT_EQ(marrowleaf::DecodeText(row.bytes), row.text) << row.bytes;
}

TEST(EntryText, NewLinesFollowTheEntry) {
  EntryFormat crlf;
  EXPECT_EQ(EntryTextToBytes(QStringLiteral("a\nb"), crlf), std::string("a\r\nb"));
  EntryFormat lf = EntryBytesToText("x\n").format;
  EXPECT_TRUE(lf.lfBreaks);
  EXPECT_EQ(EntryTextToBytes(QStringLiteral("a\nb"), lf), std::string("a\nb"));
}

}  // namespace
