// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <vector>

// The one home of the picture link's syntax: "![alt](path)", as Markdown writes a picture, on
// one line. The text area draws the picture where the link stands, export turns it into the
// format's picture, a word count takes the link as no words, and its path holds no tags. Which
// file a path names, and whether it is shown, is the pictures engine's (engines/pictures/).
//
// The alt text runs to the first ']' that no '\' escapes; the path follows at once in
// parentheses, blanks around it left off. Unlike Markdown, the path may hold blanks and
// parentheses that pair up ("my photo (2).jpg"), since people name their files so; it may also be
// written in angle brackets, and a title in quotes after it ("x.png "Dusk"") is no part of it. A
// '!' escaped by '\' starts no link, and an empty path makes none.
namespace marrowleaf {

struct PictureLink {
  qsizetype start = 0;   // of the '!'
  qsizetype length = 0;  // up to and with the ')'
  qsizetype altStart = 0;
  qsizetype altLength = 0;
  qsizetype pathStart = 0;
  qsizetype pathLength = 0;
  bool operator==(const PictureLink& o) const {
    return start == o.start && length == o.length && altStart == o.altStart &&
           altLength == o.altLength && pathStart == o.pathStart && pathLength == o.pathLength;
  }
};

// Every picture link of the text, in order. A line break ends any link that has not ended.
std::vector<PictureLink> FindPictureLinks(QStringView text);

// Whether `at` lies inside the path of one of `links` (sorted, as FindPictureLinks gives them).
bool InLinkPath(const std::vector<PictureLink>& links, qsizetype at);

}  // namespace marrowleaf
