// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The one home of the tag rule. A tag is '#' and a name of letters, digits, '_', '-' and '/'
// holding at least one letter, at the start of the text or after a blank or punctuation:
// "#river", "#trip/kyoto", "#日記". Not tags: a Markdown heading ("# Notes", "## Notes"), a
// colour ("#fff", "#a1b2c3": three or six hex digits alone), a number ("#1", "#2024"), a '#'
// inside a word or a web address ("C#", "page.html#top", "https://example.org/#top").
// Nor is a '#' in the path of a picture's link ("![](trip #2.jpg)", text/links.h).
// A '/' nests a tag under another: "#trip/kyoto" belongs to "#trip". Tags compare by their key,
// the name case-folded: "#River" is "#river".
//
// The text area's colours, the tag list, Find and the importers all take tags from here.
namespace marrowleaf {

struct TagSpan {
  qsizetype start = 0;   // of the '#'
  qsizetype length = 0;  // the '#' and the name
  bool operator==(const TagSpan& o) const { return start == o.start && length == o.length; }
};

// Every tag of the text, in order. Line breaks (LF, CR LF, or any other blank) end a tag, so a
// line of a text gives the tags the whole text has there.
std::vector<TagSpan> FindTags(QStringView text);

// Whether `text` is one tag and nothing else ("#river"; not "river", "#fff" or "#river,").
bool IsTag(QStringView text);

// The key a tag compares by: its name (the '#' left off, if given) case-folded. "#River" and
// "river" give "river".
QString TagKey(QStringView tag);

// Whether the tag of `key` is the tag of `wanted` or nested under it: "trip/kyoto" belongs to
// "trip", "tripod" does not. Both are keys.
bool TagBelongsTo(QStringView key, QStringView wanted);

// The text with every tag of `key`, and every tag nested under it, renamed to `to` (a name, no
// '#'); nothing else of the text changes. `shown` is the form the tag list shows (the one used
// most): a tag written so becomes `to` as it is; one written otherwise keeps its own case where
// that is all small letters, all capitals or a capital first ("#River" becomes "#Stream" when
// "river" is renamed to "stream"), so that renaming back gives the text it had. A change of case
// alone ("river" to "River") writes `to` as it is everywhere. `renamed`, when given, counts the
// tags renamed.
QString RenameTag(const QString& text, QStringView key, QStringView shown, QStringView to,
                  int* renamed = nullptr);

// A tag name from another program ("my trip", "Work", "home" of "@home", "2024") as this
// program's tag text: "#my_trip", "#Work", "#home". Every run of blanks and of characters a tag
// cannot hold becomes one '_' between the parts around it (none at either end); '/' nests as
// here, empty levels left out. A name that would be a number or a colour on its own ("2024",
// "fff") gets "tag_" before it ("#tag_2024"), so that it stays a tag. Empty when nothing usable
// remains ("", "!!!", "/"). The result is a tag: IsTag holds for every one that is not empty.
QString TagTextFromName(const QString& name);

}  // namespace marrowleaf
