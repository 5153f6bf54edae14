// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/spelldictionary.h"

#include <enchant.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <algorithm>

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

bool TSpellDictionary::Misspelt(const QString& word) {
  const auto found = known.constFind(word);
  if (found != known.constEnd()) return *found;
  const QByteArray utf8 = word.toUtf8();
  // Negative: the checker failed on the word. A word that cannot be judged is not marked.
  const bool misspelt = enchant_dict_check(dict, utf8.constData(), utf8.size()) > 0;
  known.insert(word, misspelt);
  return misspelt;
}

std::vector<marrowleaf::WordSpan> TSpellDictionary::MisspeltWords(const QString& text,
                                                                  qsizetype from, qsizetype to) {
  std::vector<marrowleaf::WordSpan> misspelt;
  for (const marrowleaf::WordSpan& word : marrowleaf::CheckedWords(text, from, to)) {
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
  known.insert(word, false);
  return added;
}

void TSpellDictionary::Ignore(const QString& word) {
  const QByteArray utf8 = word.toUtf8();
  enchant_dict_add_to_session(dict, utf8.constData(), utf8.size());
  known.insert(word, false);
}
