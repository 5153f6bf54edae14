// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/entrytext.h"

#include <QByteArray>
#include <QStringDecoder>
#include <algorithm>
#include <vector>

#include "platform/codepage.h"

namespace marrowleaf {
namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

bool DecodeShiftJis(std::string_view bytes, QString& text) {
  std::u16string utf16;
  if (!ShiftJisToUtf16(bytes, utf16)) return false;
  text = QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
  return true;
}

// Only a text that the bytes read back as: the encoding writes some characters with the bytes
// of another (U+301C WAVE DASH as U+FF5E FULLWIDTH TILDE), which would change what was typed.
bool EncodeShiftJis(const QString& text, std::string& bytes) {
  const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.constData()),
                                  static_cast<size_t>(text.size()));
  std::u16string back;
  return Utf16ToShiftJis(utf16, bytes) && ShiftJisToUtf16(bytes, back) && back == utf16;
}

bool EncodeLatin1(const QString& text, std::string& bytes) {
  bytes.resize(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c > 0xFF) return false;
    bytes[static_cast<size_t>(i)] = static_cast<char>(c);
  }
  return true;
}

std::string EncodeUtf8(const QString& text) { return text.toUtf8().toStdString(); }

QString Decode(std::string_view bytes, EntryEncoding& encoding) {
  const auto size = static_cast<qsizetype>(bytes.size());
  // A byte-order mark at the start is part of the text, and is written back.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                  QStringConverter::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(bytes.data(), size));
  // The decoder flags every invalid, overlong or surrogate sequence, so valid UTF-8 comes back
  // unchanged from its text.
  if (!utf8.hasError()) {
    encoding = EntryEncoding::kUtf8;
    return text;
  }
  // Shift-JIS has characters with two spellings, so only bytes that come back unchanged count.
  std::string again;
  if (DecodeShiftJis(bytes, text) && EncodeShiftJis(text, again) && again == bytes) {
    encoding = EntryEncoding::kShiftJis;
    return text;
  }
  encoding = EntryEncoding::kLatin1;
  return QString::fromLatin1(bytes.data(), size);
}

// A character for `special` that the text does not hold and no other special uses.
char16_t PickStandIn(char16_t special, const std::vector<bool>& present,
                     const std::array<char16_t, 5>& taken) {
  const auto free = [&](char16_t c) {
    for (char16_t t : taken) {
      if (t == c) return false;
    }
    return !present[c];
  };
  // The control pictures say what they stand for; the private use area is the fallback.
  if (special == kCr && free(u'\u240D')) return u'\u240D';
  if (special == kLf && free(u'\u240A')) return u'\u240A';
  for (char16_t c = 0xE000; c < 0xF900; ++c) {
    if (free(c)) return c;
  }
  return 0;  // a text holding the whole private use area: the special stays as it is
}

}  // namespace

const std::array<char16_t, 5>& EntryBreakLike() {
  static const std::array<char16_t, 5> chars{kCr, kLf, u'\u2029', u'\uFDD0', u'\uFDD1'};
  return chars;
}

// Whether the text area could take c as a line break: a cheap test first, as almost no
// character is one.
inline bool MaybeBreakLike(char16_t c) { return c <= u'\r' || c >= u'\u2029'; }

bool AsciiOnly(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString DecodeText(std::string_view bytes) {
  EntryEncoding encoding = EntryEncoding::kUtf8;
  return Decode(bytes, encoding);
}

EntryText EntryBytesToText(std::string_view bytes) {
  EntryText out;
  const QString decoded = Decode(bytes, out.format.encoding);
  out.format.lfBreaks = !decoded.contains(QStringLiteral("\r\n")) && decoded.contains(kLf);
  const auto& specials = EntryBreakLike();
  std::vector<bool> present;  // built only if a stand-in is needed
  const qsizetype n = decoded.size();
  const char16_t* in = reinterpret_cast<const char16_t*>(decoded.constData());
  QString text(n, Qt::Uninitialized);
  char16_t* to = reinterpret_cast<char16_t*>(text.data());
  qsizetype used = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = in[i];
    if (!MaybeBreakLike(c)) {
      to[used++] = c;
      continue;
    }
    if (c == kCr && !out.format.lfBreaks && i + 1 < n && in[i + 1] == kLf) {
      to[used++] = kLf;  // CR LF: the line break
      ++i;
      continue;
    }
    size_t k = 0;
    while (k < specials.size() && specials[k] != c) ++k;
    if (k == specials.size() || (c == kLf && out.format.lfBreaks)) {
      to[used++] = c;
      continue;
    }
    char16_t& standIn = out.format.standIns[k];
    if (standIn == 0) {
      if (present.empty()) {
        present.assign(0x10000, false);
        for (qsizetype j = 0; j < n; ++j) present[in[j]] = true;
      }
      standIn = PickStandIn(c, present, out.format.standIns);
    }
    to[used++] = standIn == 0 ? c : standIn;
  }
  text.resize(used);
  out.text = std::move(text);
  return out;
}

std::string EntryTextToBytes(const QString& text, EntryFormat& format) {
  const auto& specials = EntryBreakLike();
  bool standIns = false;
  for (char16_t c : format.standIns) standIns = standIns || c != 0;
  const qsizetype n = text.size();
  const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
  QString raw(2 * n, Qt::Uninitialized);  // room for a CR before every LF
  char16_t* to = reinterpret_cast<char16_t*>(raw.data());
  qsizetype used = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = in[i];
    if (c == kLf) {
      if (!format.lfBreaks) to[used++] = kCr;
      to[used++] = kLf;
      continue;
    }
    size_t k = specials.size();
    if (standIns) {
      k = 0;
      while (k < specials.size() && (format.standIns[k] == 0 || format.standIns[k] != c)) ++k;
    }
    to[used++] = k < specials.size() ? specials[k] : c;
  }
  raw.resize(used);
  std::string bytes;
  switch (format.encoding) {
    case EntryEncoding::kShiftJis:
      if (EncodeShiftJis(raw, bytes)) return bytes;
      break;
    case EntryEncoding::kLatin1:
      if (EncodeLatin1(raw, bytes)) return bytes;
      break;
    case EntryEncoding::kUtf8:
      break;
  }
  format.encoding = EntryEncoding::kUtf8;  // nothing is replaced or dropped
  return EncodeUtf8(raw);
}

}  // namespace marrowleaf
