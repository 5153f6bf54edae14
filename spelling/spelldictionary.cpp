// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/spelldictionary.h"

#include <enchant.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Enchant does not say when its personal word list could not be written, so the list is read
// back: it lives where Enchant keeps it, ENCHANT_CONFIG_DIR or the user's configuration folder.
QString PersonalListPath(const QString& tag) {
  QString folder = qEnvironmentVariable("ENCHANT_CONFIG_DIR");
  if (folder.isEmpty()) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    folder = (config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : config) +
             QStringLiteral("/enchant");
  }
  return folder + QLatin1Char('/') + tag + QStringLiteral(".dic");
}

bool PersonalListHolds(const QString& tag, const QByteArray& word) {
  QFile list(PersonalListPath(tag));
  if (!list.open(QIODevice::ReadOnly)) return false;
  while (!list.atEnd()) {
    if (list.readLine().trimmed() == word) return true;
  }
  return false;
}

}  // namespace

// The dictionary's own word characters, as Enchant tells them for each place in a word. Asked
// once per character of the Basic Multilingual Plane and remembered; other planes are asked
// each time.
class TSpellDictionary::Characters : public marrowleaf::WordCharacters {
 public:
  explicit Characters(EnchantDict* d) : dict(d) {}
  bool InWord(char32_t c, marrowleaf::WordPlace place) const override {
    const auto bit = static_cast<uint8_t>(1u << static_cast<unsigned>(place));
    if (c > 0xFFFF) return Ask(c, place);
    uint8_t& known = places[c];
    if (known == 0) {
      known = kKnown;
      for (const auto at : {marrowleaf::WordPlace::kStart, marrowleaf::WordPlace::kMiddle,
                            marrowleaf::WordPlace::kEnd}) {
        if (Ask(c, at)) known |= static_cast<uint8_t>(1u << static_cast<unsigned>(at));
      }
    }
    return (known & bit) != 0;
  }

 private:
  static constexpr uint8_t kKnown = 0x80;
  bool Ask(char32_t c, marrowleaf::WordPlace place) const {
    return enchant_dict_is_word_character(dict, c, static_cast<size_t>(place)) != 0;
  }
  EnchantDict* dict;
  mutable std::vector<uint8_t> places = std::vector<uint8_t>(0x10000, 0);
};

TSpellDictionary::TSpellDictionary() = default;

TSpellDictionary::~TSpellDictionary() {
  if (dict != nullptr) enchant_broker_free_dict(broker, dict);
  if (broker != nullptr) enchant_broker_free(broker);
}

QStringList TSpellDictionary::Installed() {
  EnchantBroker* broker = enchant_broker_init();
  if (broker == nullptr) return {};
  QStringList tags;
  enchant_broker_list_dicts(
      broker,
      [](const char* const tag, const char* const, const char* const, const char* const,
         void* data) {
        auto* list = static_cast<QStringList*>(data);
        const QString name = QString::fromUtf8(tag);
        if (!list->contains(name)) list->append(name);
      },
      &tags);
  enchant_broker_free(broker);
  tags.sort();
  return tags;
}

std::unique_ptr<TSpellDictionary> TSpellDictionary::Load(const QString& tag, QString& error) {
  std::unique_ptr<TSpellDictionary> loaded(new TSpellDictionary);
  loaded->tag = tag;
  loaded->broker = enchant_broker_init();
  if (loaded->broker == nullptr) {
    error = QStringLiteral("no spell checker could be started");
    return nullptr;
  }
  loaded->dict = enchant_broker_request_dict(loaded->broker, tag.toUtf8().constData());
  if (loaded->dict == nullptr) {
    const char* why = enchant_broker_get_error(loaded->broker);
    error = why != nullptr ? QString::fromUtf8(why) : QStringLiteral("it is not installed");
    return nullptr;
  }
  loaded->characters = std::make_unique<Characters>(loaded->dict);
  // Enchant goes on without a word list it cannot read: the user's own words would be marked.
  QFile personal(PersonalListPath(tag));
  if (personal.exists() && !personal.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("the personal word list %1 cannot be read: %2")
                .arg(personal.fileName(), personal.errorString());
    return nullptr;
  }
  // A damaged dictionary loads without complaint and then knows no word at all.
  const QStringList sample = marrowleaf::LanguageSampleWords(tag);
  if (!sample.isEmpty() && std::all_of(sample.begin(), sample.end(), [&](const QString& word) {
        return loaded->Misspelt(word);
      })) {
    error = QStringLiteral("it knows none of its language's day and month names (is it damaged?)");
    return nullptr;
  }
  return loaded;
}

bool TSpellDictionary::MisspeltAsWritten(const QString& word) {
  const QByteArray utf8 = word.toUtf8();
  // Negative: the checker failed on the word. A word that cannot be judged is not marked.
  return enchant_dict_check(dict, utf8.constData(), utf8.size()) > 0;
}

bool TSpellDictionary::Misspelt(const QString& word) {
  const auto found = known.constFind(word);
  if (found != known.constEnd()) return *found;
  bool misspelt = MisspeltAsWritten(word);
  if (misspelt) {
    // A word added or ignored with one apostrophe is right with the other, and so is a word the
    // dictionary holds with only one of them.
    const auto [ascii, typographic] = marrowleaf::ApostropheForms(word);
    misspelt = (ascii == word || MisspeltAsWritten(ascii)) &&
               (typographic == word || MisspeltAsWritten(typographic));
  }
  known.insert(word, misspelt);
  return misspelt;
}

std::vector<marrowleaf::WordSpan> TSpellDictionary::MisspeltWords(const QString& text,
                                                                  qsizetype from, qsizetype to) {
  std::vector<marrowleaf::WordSpan> misspelt;
  for (const marrowleaf::WordSpan& word : marrowleaf::CheckedWords(text, from, to, *characters)) {
    if (Misspelt(text.mid(word.start, word.length))) misspelt.push_back(word);
  }
  return misspelt;
}

QStringList TSpellDictionary::Suggestions(const QString& word, int most) {
  const QByteArray utf8 = word.toUtf8();
  size_t count = 0;
  char** found = enchant_dict_suggest(dict, utf8.constData(), utf8.size(), &count);
  QStringList out;
  for (size_t i = 0; i < count && out.size() < most; ++i) out.append(QString::fromUtf8(found[i]));
  if (found != nullptr) enchant_dict_free_string_list(dict, found);
  return out;
}

bool TSpellDictionary::Add(const QString& word) {
  const QByteArray utf8 = word.toUtf8();
  enchant_dict_add(dict, utf8.constData(), utf8.size());
  const bool added = enchant_dict_get_error(dict) == nullptr && PersonalListHolds(tag, utf8);
  if (!added) Ignore(word);
  Known(word);
  return added;
}

void TSpellDictionary::Ignore(const QString& word) {
  const QByteArray utf8 = word.toUtf8();
  enchant_dict_add_to_session(dict, utf8.constData(), utf8.size());
  Known(word);
}

void TSpellDictionary::Known(const QString& word) {
  const auto [ascii, typographic] = marrowleaf::ApostropheForms(word);
  for (const QString& form : {word, ascii, typographic}) known.insert(form, false);
}
