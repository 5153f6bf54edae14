// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/tags.h"

#include <algorithm>

#include "text/links.h"

namespace marrowleaf {
namespace {

constexpr char16_t kHash = u'#';
constexpr char16_t kNest = u'/';

// The code point at `at` and how many UTF-16 units it takes.
char32_t CodePointAt(QStringView text, qsizetype at, qsizetype& width) {
  const QChar c = text[at];
  if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
    width = 2;
    return QChar::surrogateToUcs4(c, text[at + 1]);
  }
  width = 1;
  return c.unicode();
}

char32_t CodePointBefore(QStringView text, qsizetype at) {
  const QChar c = text[at - 1];
  if (c.isLowSurrogate() && at >= 2 && text[at - 2].isHighSurrogate()) {
    return QChar::surrogateToUcs4(text[at - 2], c);
  }
  return c.unicode();
}

bool IsAsciiLetter(char32_t c) { return (c | 0x20) >= U'a' && (c | 0x20) <= U'z'; }
bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

bool IsLetter(char32_t c) { return c < 0x80 ? IsAsciiLetter(c) : QChar::isLetter(c); }

// What a tag's name holds: letters (with their combining marks), decimal digits, '_', '-', '/'.
bool IsNameChar(char32_t c) {
  if (c < 0x80) return IsAsciiLetter(c) || IsAsciiDigit(c) || c == U'_' || c == U'-' || c == U'/';
  return QChar::isLetter(c) || QChar::isMark(c) || QChar::category(c) == QChar::Number_DecimalDigit;
}

// What may stand before a tag's '#': a blank, punctuation or a symbol; not a part of a word
// ("C#"), of a name ("trip/#kyoto"), another '#' ("##Notes") or an HTML character reference's
// '&' ("&#x2F;").
bool MayPrecede(char32_t c) {
  if (c == U'#' || c == U'&') return false;
  return !IsNameChar(c) && !QChar::isNumber(c);
}

bool IsSpaceOrControl(char16_t c) { return c <= u' ' || QChar::isSpace(c); }

// A colour: three or six hex digits alone.
bool IsColour(QStringView name) {
  if (name.size() != 3 && name.size() != 6) return false;
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    if (!IsAsciiDigit(u) && !((u | 0x20) >= u'a' && (u | 0x20) <= u'f')) return false;
  }
  return true;
}

// Whether the run of non-blank characters that ends at `at` holds "://": a '#' there belongs to
// a web address. The runs are looked at from one '#' to the next, so each character once.
class AddressRuns {
 public:
  explicit AddressRuns(QStringView of) : text(of) {}
  bool InAddress(qsizetype at) {
    qsizetype k = at;
    while (k > known && !IsSpaceOrControl(text[k - 1].unicode())) --k;
    bool address = false;
    if (k > known) {
      address = HasScheme(k, at);  // a blank after the last look: a new run
    } else {
      address = knownAddress || HasScheme(std::max<qsizetype>(0, known - 2), at);
    }
    known = at;
    knownAddress = address;
    return address;
  }

 private:
  bool HasScheme(qsizetype from, qsizetype to) const {
    return text.sliced(from, to - from).contains(QLatin1String("://"));
  }
  QStringView text;
  qsizetype known = 0;  // up to here the run is known
  bool knownAddress = false;
};

// The name that follows the '#' at `hash`, as [hash + 1, end), and whether it makes a tag; `next`
// is where the look for the next '#' goes on.
bool NameAfter(QStringView text, qsizetype hash, qsizetype& end, qsizetype& next) {
  const qsizetype n = text.size();
  qsizetype at = hash + 1;
  bool letter = false;
  while (at < n) {
    qsizetype width = 1;
    const char32_t c = CodePointAt(text, at, width);
    if (!IsNameChar(c)) break;
    letter = letter || IsLetter(c);
    at += width;
  }
  next = at;
  end = at;
  // A '/' at the end nests nothing: "#trip/" is "#trip" before a slash.
  while (end > hash + 1 && text[end - 1] == kNest) --end;
  if (!letter) return false;  // nothing, a number, a heading's '#'
  const QStringView name = text.sliced(hash + 1, end - hash - 1);
  // Every level of a nested tag has a name.
  if (name.front() == kNest || name.contains(QLatin1String("//"))) return false;
  return !IsColour(name);
}

}  // namespace

std::vector<TagSpan> FindTags(QStringView text) {
  std::vector<TagSpan> tags;
  AddressRuns runs(text);
  // A picture's path names a file: "![](trip #2/kyoto.jpg)" holds no tag.
  const std::vector<PictureLink> links =
      text.contains(u"![") ? FindPictureLinks(text) : std::vector<PictureLink>();
  qsizetype next = 0;
  for (qsizetype hash = text.indexOf(kHash); hash >= 0; hash = text.indexOf(kHash, next)) {
    next = hash + 1;
    if (hash > 0 && !MayPrecede(CodePointBefore(text, hash))) continue;
    if (!links.empty() && InLinkPath(links, hash)) continue;
    qsizetype end = 0;
    if (!NameAfter(text, hash, end, next)) continue;
    if (runs.InAddress(hash)) continue;
    tags.push_back({hash, end - hash});
  }
  return tags;
}

bool IsTag(QStringView text) {
  if (text.isEmpty() || text.front() != kHash) return false;
  qsizetype end = 0;
  qsizetype next = 0;
  return NameAfter(text, 0, end, next) && end == text.size();
}

QString TagKey(QStringView tag) {
  if (!tag.isEmpty() && tag.front() == kHash) tag = tag.sliced(1);
  return tag.toString().toCaseFolded();
}

bool TagBelongsTo(QStringView key, QStringView wanted) {
  return key.startsWith(wanted) && (key.size() == wanted.size() || key[wanted.size()] == kNest);
}

namespace {

// `to` in the case `written` has, where that is one of small letters, capitals or a capital first.
QString InCaseOf(QStringView written, QStringView to) {
  const QString lower = written.toString().toLower();
  const QString upper = written.toString().toUpper();
  if (lower == upper) return to.toString();  // no case: CJK, digits
  if (written == lower) return to.toString().toLower();
  if (written == upper) return to.toString().toUpper();
  if (written.sliced(0, 1) == upper.left(1) && written.sliced(1) == lower.mid(1)) {
    return to.sliced(0, 1).toString().toUpper() + to.sliced(1).toString();
  }
  return to.toString();
}

}  // namespace

QString RenameTag(const QString& text, QStringView key, QStringView shown, QStringView to,
                  int* renamed) {
  const bool caseOnly = TagKey(to) == key;
  QString out;
  qsizetype copied = 0;
  int count = 0;
  for (const TagSpan& t : FindTags(text)) {
    const QStringView name = QStringView(text).sliced(t.start + 1, t.length - 1);
    // Simple case folding keeps every character's length, so the key's length is the part's.
    if (name.size() < key.size() || !TagBelongsTo(TagKey(name), key)) continue;
    const QStringView part = name.sliced(0, key.size());
    out += QStringView(text).sliced(copied, t.start + 1 - copied);
    out += caseOnly || part == shown ? to.toString() : InCaseOf(part, to);
    copied = t.start + 1 + key.size();
    ++count;
  }
  if (renamed != nullptr) *renamed = count;
  if (count == 0) return text;
  out += QStringView(text).sliced(copied);
  return out;
}

QString TagTextFromName(const QString& name) {
  // Levels of nesting, each a run of usable characters joined by '_'.
  QString body;
  bool gap = false;    // characters left out since the last one taken, within this level
  bool level = false;  // the level under way has a character
  const qsizetype n = name.size();
  for (qsizetype at = 0; at < n;) {
    qsizetype width = 1;
    const char32_t c = CodePointAt(name, at, width);
    if (c == U'/') {
      if (level) body += QChar(kNest);
      level = false;
      gap = false;
    } else if (!IsNameChar(c) || (c == U'-' && !level)) {
      gap = level;
    } else if (!QChar::isMark(c) || level) {  // a mark with no letter to sit on is left out
      if (gap) body += QLatin1Char('_');
      body += name.mid(at, width);
      gap = false;
      level = true;
    }
    at += width;
  }
  while (body.endsWith(kNest)) body.chop(1);
  // Nothing but '_' and '-' (and '/') is no name at all.
  bool usable = false;
  for (qsizetype at = 0; at < body.size() && !usable; ++at) {
    usable = body[at] != QLatin1Char('_') && body[at] != QLatin1Char('-') && body[at] != kNest;
  }
  if (!usable) return {};
  QString tag = QChar(kHash) + body;
  if (IsTag(tag)) return tag;
  // A number, a colour, or a name of '_' and '-' alone.
  tag = QStringLiteral("#tag_") + body;
  return IsTag(tag) ? tag : QString();
}

}  // namespace marrowleaf
