#pragma once

#include <QString>
#include <string>

// The one place where entry bytes become the text area's text and back. The file holds UTF-8
// with CR LF line breaks; the text area works with LF.
QString EntryBytesToText(const std::string& bytes);
std::string EntryTextToBytes(const QString& text);
