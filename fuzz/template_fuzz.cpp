// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as a template file and starts a new entry from it. Besides not crashing: the
// bytes are a template exactly when they are UTF-8 up to the first NUL; placeholders whose values
// are their own names give the text back unchanged; the new entry holds the filled text and its
// NUL, and nothing else.
#include <QDate>
#include <QLocale>
#include <cstdint>
#include <string>

#include "engines/templates/templates.h"
#include "entries/entryfiles.h"
#include "entries/entrytext.h"
#include "fuzzfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string diary = FuzzDir();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  marrowleaf::MakePrivateDirectory(marrowleaf::TemplateFolder(diary));
  WriteFuzzFile(marrowleaf::TemplatePath(diary, {}), data, size);
  const marrowleaf::TemplateText read =
      marrowleaf::ReadTemplate(diary, marrowleaf::TemplatePath(diary, {}));
  const QByteArray text = QByteArray::fromStdString(bytes.substr(0, bytes.find('\0')));
  FUZZ_CHECK(read.ok == (text.isValidUtf8() && size <= marrowleaf::kTemplateLimit));
  FUZZ_CHECK(read.ok == read.error.empty());
  if (!read.ok) return 0;
  // Nothing is lost but a byte order mark and the CR of each CR LF.
  QByteArray kept = text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
  kept.replace("\r\n", "\n");
  FUZZ_CHECK(read.text.toUtf8() == kept);

  const std::vector<QString>& names = marrowleaf::TemplatePlaceholders();
  FUZZ_CHECK(marrowleaf::FillTemplate(read.text, {names[0], names[1], names[2], names[3]}) ==
             read.text);
  // What stays unfilled lies in the text, in order, each a piece of braces that filling keeps.
  qsizetype after = 0;
  for (const auto& [start, length] : marrowleaf::UnfilledBraces(read.text)) {
    FUZZ_CHECK(start >= after && length > 0 && start + length <= read.text.size());
    FUZZ_CHECK(read.text[start] == QLatin1Char('{') || read.text[start] == QLatin1Char('}'));
    after = start + length;
  }

  const QDate date(2004, 2, 4);
  const marrowleaf::NewEntryTemplate start =
      marrowleaf::TemplateForNewEntry(diary, date, 0, QStringLiteral("Diary"), QLocale::c());
  FUZZ_CHECK(start.choice.found && start.text.ok);
  marrowleaf::EntryFormat format;
  const std::string entry = marrowleaf::EntryTextToBytes(start.text.text, format);
  const marrowleaf::EntryKey key{2004, 2, 4, 0};
  const marrowleaf::NewEntry made = marrowleaf::CreateEntryWithText(diary, key, entry);
  FUZZ_CHECK(made.created && made.text.ok);
  FUZZ_CHECK(ReadFuzzFile(marrowleaf::EntryPath(diary, key)) == entry + '\0');
  marrowleaf::RemoveFile(marrowleaf::EntryPath(diary, key));
  return 0;
}
