// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <string>
#include <string_view>

// The one place where entry bytes become the text area's text and back. An entry is bytes: most
// are UTF-8, diaries brought from elsewhere are often Shift-JIS, and anything else is shown byte
// for byte. Whatever was loaded is written back exactly as it was unless the text changed.
namespace marrowleaf {

enum class EntryEncoding { kUtf8, kShiftJis, kLatin1 };

// How the shown entry's bytes were turned into text, so that its save can turn the text back.
struct EntryFormat {
  EntryEncoding encoding = EntryEncoding::kUtf8;
  // Line breaks are LF alone: an entry written without a single CR LF but with LFs.
  bool lfBreaks = false;
  // Characters the text area would take as line breaks although they are none (a CR or LF that
  // is not the entry's line break, U+2029, U+FDD0, U+FDD1) are shown as stand-ins that the text
  // did not hold; 0 where none was needed. In the order of EntryBreakLike().
  std::array<char16_t, 5> standIns{};
};

// The characters the text area turns into line breaks.
const std::array<char16_t, 5>& EntryBreakLike();

struct EntryText {
  QString text;  // line breaks as '\n'
  EntryFormat format;
};

// Bytes that are all below 0x80: the same text in every encoding an entry may have.
bool AsciiOnly(std::string_view bytes);

// A text in the detection below, without the entry's line-break rules: for the texts of
// config.ini (tab names, the editor command), which may come from another system too.
QString DecodeText(std::string_view bytes);

// Valid UTF-8 is taken as UTF-8; else bytes that are Shift-JIS (code page 932) and come back
// unchanged from it as that; else each byte is one character (Latin-1). CR LF pairs are the line
// breaks, or LF where the entry has no CR LF at all.
EntryText EntryBytesToText(std::string_view bytes);

// The text in the format's encoding and line breaks. Where the encoding cannot hold a character,
// the whole text is written as UTF-8 and format.encoding says so afterwards.
std::string EntryTextToBytes(const QString& text, EntryFormat& format);

}  // namespace marrowleaf
