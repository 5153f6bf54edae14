// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/encryption/conversion.h"

#include <QDir>
#include <QFile>
#include <climits>
#include <cstdio>

#include "crypto/keyfile.h"
#include "crypto/sealedfiles.h"
#include "entries/drafts.h"
#include "entries/entryfiles.h"
#include "entries/entrykey.h"

namespace marrowleaf {
namespace {

constexpr std::string_view kSaving = ".saving";
constexpr char kEncryptWord[] = "encrypt";
constexpr char kDecryptWord[] = "decrypt";

// A file to convert, and the entry that is held while it is: its versions are written only by a
// save that holds it.
struct Target {
  std::string path;
  std::string holder;  // empty: nobody else writes it
  bool stale = false;  // what a killed save left: removed, never converted
  bool large = false;  // an attachment: converted in pieces
};

bool EndsWith(std::string_view name, std::string_view end) {
  return name.size() >= end.size() && name.substr(name.size() - end.size()) == end;
}

// ".NAME.saving": the atomic writer's temporary for NAME; NAME when it is one.
std::optional<std::string> TemporaryOf(std::string_view name) {
  if (name.size() <= kSaving.size() + 1 || name.front() != '.' || !EndsWith(name, kSaving)) {
    return std::nullopt;
  }
  return std::string(name.substr(1, name.size() - 1 - kSaving.size()));
}

std::string AbsoluteFolder(const std::string& saveDir) {
  const std::string canonical = CanonicalPath(saveDir);
  if (!canonical.empty()) return canonical;
  return QFile::encodeName(QDir::cleanPath(QDir::current().absoluteFilePath(
                               QFile::decodeName(QByteArray::fromStdString(saveDir)))))
      .toStdString();
}

std::string NotePath(const std::string& noteDir, const std::string& saveDir) {
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx",
                static_cast<unsigned long long>(HashBytes(AbsoluteFolder(saveDir))));
  return noteDir + "/conversion-" + hash;
}

// The month folders of the entries and of their versions: an entry removed since may have left
// versions where no entry is.
std::vector<std::pair<uint16_t, uint16_t>> ConvertedMonths(const std::string& saveDir) {
  auto months = DiaryMonths(saveDir, Order::kOldestFirst);
  for (const auto& month : DiaryMonths(saveDir + "/.history", Order::kOldestFirst)) {
    if (std::find(months.begin(), months.end(), month) == months.end()) months.push_back(month);
  }
  std::sort(months.begin(), months.end());
  return months;
}

void ListTree(const std::string& folder, std::vector<Target>& targets) {
  std::vector<std::string> folders;
  ListFolder(
      folder, [](std::string_view) { return true; },
      [&](std::string_view name, bool regular) {
        const std::string path = folder + '/' + std::string(name);
        if (regular) {
          targets.push_back({path, {}, TemporaryOf(name).has_value(), true});
        } else if (IsDirectory(path) && !IsSymlink(path)) {
          folders.push_back(path);
        }
      });
  for (const std::string& inner : folders) ListTree(inner, targets);
}

std::vector<Target> ListTargets(const std::string& saveDir) {
  std::vector<Target> targets;
  for (const auto& [year, month] : ConvertedMonths(saveDir)) {
    const std::string folder = MonthDirectory(saveDir, year, month);
    ListFolder(
        folder, [](std::string_view) { return true; },
        [&](std::string_view name, bool regular) {
          if (!regular) return;
          const std::string path = folder + '/' + std::string(name);
          if (const std::optional<std::string> of = TemporaryOf(name)) {
            if (ParseEntryName(*of, INT_MAX)) targets.push_back({path, folder + '/' + *of, true});
            return;
          }
          const std::optional<EntryName> entry = ParseEntryName(name, INT_MAX);
          if (!entry) return;  // a file of the user's own: no part of the diary's text
          targets.push_back({path, entry->conflict ? std::string() : path});
        });
    const std::string versions =
        saveDir + "/.history/" + std::to_string(year) + '/' + std::to_string(month);
    ListFolder(
        versions, [](std::string_view) { return true; },
        [&](std::string_view name, bool regular) {
          const std::optional<EntryName> entry =
              ParseEntryName(std::string(name) + ".txt", INT_MAX);
          if (regular || !entry || entry->conflict) return;
          const std::string stem = versions + '/' + std::string(name);
          const std::string holder = folder + '/' + std::string(name) + ".txt";
          ListFolder(
              stem, [](std::string_view) { return true; },
              [&](std::string_view file, bool isFile) {
                if (!isFile) return;
                targets.push_back(
                    {stem + '/' + std::string(file), holder, TemporaryOf(file).has_value()});
              });
        });
  }
  ListTree(saveDir + "/attachments", targets);
  return targets;
}

struct Converter {
  Conversion way;
  DiarySealing sealing;
  const DiaryKey* sealWith = nullptr;

  enum class Done { kConverted, kAlready, kFailed };

  // `path` holds `bytes`: written anew in the form asked, or said why not.
  Done Bytes(const std::string& path, std::string_view bytes, std::string& error) const {
    if (bytes.empty()) return Done::kAlready;
    const bool sealed = LooksSealed(bytes);
    if (way == Conversion::kEncrypt && sealed && SealedKeyId(bytes) == sealWith->Id()) {
      return Done::kAlready;
    }
    if (way == Conversion::kDecrypt && !sealed) return Done::kAlready;
    Opened opened;
    if (sealed) {
      opened = OpenBytes(*sealing.keys, bytes);
      if (opened.result != Opening::kOpened) {
        error = WhyNotOpened(opened.result);
        return Done::kFailed;
      }
    }
    const std::string_view plain = sealed ? std::string_view(opened.bytes) : bytes;
    const SaveOutcome written = way == Conversion::kEncrypt
                                    ? ReplaceFileContents(path, SealBytes(*sealWith, plain))
                                    : ReplaceFileContents(path, plain);
    if (!written.ok) {
      error = written.error;
      return Done::kFailed;
    }
    return Done::kConverted;
  }

  Done File(const std::string& path, std::string& error) const {
    const WholeFile file = ReadWholeFile(path);
    if (!file.complete) {
      if (file.missing) return Done::kAlready;  // gone since the listing
      error = file.error;
      return Done::kFailed;
    }
    return Bytes(path, std::string_view(file.bytes.get(), file.size), error);
  }

  // An attachment may be large: looked at by its head, and converted in pieces.
  Done Large(const std::string& path, std::string& error) const {
    std::string head;
    if (!ReadFileHead(path, kSealedHeaderSize, head)) {
      if (!NameIsTaken(path)) return Done::kAlready;
      error = "cannot be read";
      return Done::kFailed;
    }
    if (head.empty()) return Done::kAlready;
    const bool sealed = LooksSealed(head);
    if (way == Conversion::kDecrypt && !sealed) return Done::kAlready;
    if (way == Conversion::kEncrypt && sealed) {
      // Sealed under another of the keys: small enough to seal anew whole, as pictures are.
      return SealedKeyId(head) == sealWith->Id() ? Done::kAlready : File(path, error);
    }
    if (way == Conversion::kEncrypt) {
      const SaveOutcome sealedNow = SealFile(*sealWith, path, path, NewFileAccess::kPrivate);
      if (sealedNow.ok) return Done::kConverted;
      error = sealedNow.error;
      return Done::kFailed;
    }
    const FileOpening opened = OpenFileTo(*sealing.keys, path, path, NewFileAccess::kPrivate);
    if (opened.outcome.ok) return Done::kConverted;
    error = opened.result != Opening::kOpened && opened.result != Opening::kPlain
                ? WhyNotOpened(opened.result)
                : opened.outcome.error;
    return Done::kFailed;
  }

  Done Convert(const Target& target, std::string& error) const {
    if (target.stale) {
      RemoveFile(target.path);
      return Done::kAlready;
    }
    return target.large ? Large(target.path, error) : File(target.path, error);
  }
};

}  // namespace

SaveOutcome NoteConversion(const std::string& noteDir, const std::string& saveDir, Conversion way) {
  if (!MakePrivateDirectories(noteDir))
    return {false, "cannot make the folder \"" + noteDir + "\""};
  const std::string text = std::string(way == Conversion::kEncrypt ? kEncryptWord : kDecryptWord) +
                           '\n' + AbsoluteFolder(saveDir) + '\n';
  return ReplaceFileContents(NotePath(noteDir, saveDir), text, NewFileAccess::kPrivate);
}

std::optional<Conversion> PendingConversion(const std::string& noteDir,
                                            const std::string& saveDir) {
  const WholeFile note = ReadWholeFile(NotePath(noteDir, saveDir));
  if (!note.complete) return std::nullopt;
  const std::string_view text(note.bytes.get(), note.size);
  const std::string folder = '\n' + AbsoluteFolder(saveDir) + '\n';
  // Named by a hash of the folder: the folder it names must be this one.
  if (text.find(folder) == std::string_view::npos) return std::nullopt;
  if (text.substr(0, sizeof kEncryptWord - 1) == kEncryptWord) return Conversion::kEncrypt;
  if (text.substr(0, sizeof kDecryptWord - 1) == kDecryptWord) return Conversion::kDecrypt;
  return std::nullopt;
}

void ClearConversion(const std::string& noteDir, const std::string& saveDir) {
  RemoveFile(NotePath(noteDir, saveDir));
}

ConversionReport ConvertDiary(const std::string& saveDir, Conversion way,
                              const std::string& draftDir, const std::atomic<bool>& cancelled,
                              const std::function<void(size_t, size_t)>& progress) {
  ConversionReport report;
  Converter convert{way, SealingFor(saveDir), nullptr};
  convert.sealWith = convert.sealing.Sealing();
  const bool ready = way == Conversion::kEncrypt
                         ? convert.sealWith != nullptr
                         : !convert.sealing.keys->Empty() && !convert.sealing.seal;
  if (!ready) {
    report.failures.push_back({saveDir, way == Conversion::kEncrypt
                                            ? "the diary is not unlocked"
                                            : "the diary is not unlocked for decrypting"});
    return report;
  }
  const std::vector<Target> targets = ListTargets(saveDir);
  const std::string absolute = AbsoluteFolder(saveDir) + '/';
  std::vector<Draft> drafts;
  if (!draftDir.empty()) {
    for (Draft& draft : ListDrafts(draftDir)) {
      if (draft.entryPath.compare(0, absolute.size(), absolute) == 0) {
        drafts.push_back(std::move(draft));
      }
    }
  }
  report.total = targets.size() + drafts.size();
  size_t done = 0;
  const auto count = [&](Converter::Done result, const std::string& path, std::string& error) {
    if (result == Converter::Done::kConverted) ++report.converted;
    if (result == Converter::Done::kAlready) ++report.already;
    if (result == Converter::Done::kFailed) report.failures.push_back({path, std::move(error)});
    if (progress) progress(++done, report.total);
  };
  for (const Target& target : targets) {
    if (cancelled.load(std::memory_order_relaxed)) {
      report.cancelled = true;
      return report;
    }
    std::string error;
    Converter::Done result = Converter::Done::kAlready;
    if (!target.holder.empty() && IsFile(target.holder)) {
      if (EntryLeavesDiary(saveDir, target.holder)) {
        error = "a link to a file outside the diary";
        result = Converter::Done::kFailed;
      } else {
        const SaveOutcome held = WithEntryHeld(target.holder, [&](const std::string& real) {
          result = convert.Convert(target.path == target.holder ? Target{real, {}} : target, error);
          return SaveOutcome{true, {}};
        });
        if (!held.ok) {
          error = held.error;
          result = Converter::Done::kFailed;
        }
      }
    } else {
      result = convert.Convert(target, error);
    }
    count(result, target.path, error);
  }
  // A draft is written anew in the form its diary now writes (WriteDraft seals or not).
  for (const Draft& draft : drafts) {
    if (cancelled.load(std::memory_order_relaxed)) {
      report.cancelled = true;
      return report;
    }
    std::string head;
    ReadFileHead(draft.path, 4096, head);
    const size_t lf = head.find('\n');
    const bool sealed =
        lf != std::string::npos && LooksSealed(std::string_view(head).substr(lf + 1));
    const bool wanted = sealed == (way == Conversion::kEncrypt);
    std::string error;
    Converter::Done result = Converter::Done::kAlready;
    if (!wanted && !draft.bytes.empty()) {
      const SaveOutcome written = WriteDraft(draftDir, draft.entryPath, draft.bytes);
      result = written.ok ? Converter::Done::kConverted : Converter::Done::kFailed;
      error = written.error;
    }
    count(result, draft.path, error);
  }
  report.complete = report.failures.empty();
  if (report.complete && way == Conversion::kDecrypt) {
    // Only now: until every file is plain, the key is what opens the rest.
    for (const std::string& keyFile : FindKeyFiles(saveDir)) RemoveFile(keyFile);
    if (!FindKeyFiles(saveDir).empty()) {
      report.complete = false;
      report.failures.push_back({KeyFilePath(saveDir), "the key file could not be removed"});
    } else {
      SyncFolder(saveDir);
    }
  }
  return report;
}

DiaryCensus CountDiaryFiles(const std::string& saveDir, const std::atomic<bool>& cancelled) {
  DiaryCensus census;
  const SharedKeys keys = SealingFor(saveDir).keys;
  std::string head;
  for (const Target& target : ListTargets(saveDir)) {
    if (cancelled.load(std::memory_order_relaxed)) {
      census.cancelled = true;
      break;
    }
    if (target.stale || !ReadFileHead(target.path, kSealedHeaderSize, head) || head.empty()) {
      continue;
    }
    if (!LooksSealed(head)) {
      ++census.plain;
      continue;
    }
    ++census.sealed;
    const std::optional<KeyId> id = SealedKeyId(head);
    if (!id || keys->Find(*id) == nullptr) {
      census.unreadable.push_back(
          {target.path, WhyNotOpened(keys->Empty() ? Opening::kNeedsKey : Opening::kOtherKey)});
    }
  }
  return census;
}

}  // namespace marrowleaf
