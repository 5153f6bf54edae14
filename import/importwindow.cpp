// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/importwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "config/settings.h"
#include "diary/diary.h"
#include "diary/longwork.h"
#include "widgets/announcer.h"
#include "widgets/progress.h"
#include "widgets/prompts.h"
#include "widgets/windows.h"

namespace {

using namespace marrowleaf::import;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// A date never breaks across lines: Russian's "10 декабря 2026 г." would leave "г." alone.
QString LongDate(const QDate& date) {
  return QLocale().toString(date, QLocale::LongFormat).replace(QLatin1Char(' '), QChar(0x00A0));
}

}  // namespace

TImportWindow::TImportWindow(TPrompts& p, TDiary& d, const Engine& e, QWidget* parent)
    : QDialog(parent), prompts(p), diary(d), engine(e), saveDir(d.SaveDir()) {
  setObjectName(QStringLiteral("ImportWindow"));
  setWindowTitle(tr("Import"));
  examining = new TLongWork(this);
  importing = new TLongWork(this);
  CreateLayout();
  ReturnToOwnerWhenHidden(this);
}

TImportWindow::~TImportWindow() {
  // A read is dropped; an import ends with the day it is writing.
  examining->Cancel();
  importing->RequestStop();
  examining->Wait();
  importing->Wait();
}

bool TImportWindow::Busy() const { return examining->Busy() || importing->Busy(); }

void TImportWindow::Cancel() { importing->RequestStop(); }

void TImportWindow::CreateLayout() {
  auto* form = new QFormLayout;
  ImportSource = new QLineEdit(this);
  ImportSource->setObjectName(QStringLiteral("ImportSource"));
  ImportSource->setAccessibleName(tr("Source"));
  ImportSource->setMinimumWidth(ImportSource->fontMetrics().averageCharWidth() * 44);
  ImportBrowse = new QPushButton(tr("&Browse…"), this);
  ImportBrowse->setObjectName(QStringLiteral("ImportBrowse"));
  ImportBrowse->setAccessibleName(tr("Browse…"));
  // A file (a journal, an export, a backup) or a folder (an unpacked export, a data folder).
  auto* choices = new QMenu(ImportBrowse);
  connect(choices->addAction(tr("A &file…")), &QAction::triggered, this, [this] { Browse(false); });
  connect(choices->addAction(tr("A f&older…")), &QAction::triggered, this,
          [this] { Browse(true); });
  // Opened by the button itself: a menu button's arrow would take room its caption needs.
  connect(ImportBrowse, &QPushButton::clicked, this, [this, choices] {
    choices->exec(ImportBrowse->mapToGlobal(QPoint(0, ImportBrowse->height())));
  });
  auto* sourceRow = new QHBoxLayout;
  sourceRow->addWidget(ImportSource, 1);
  sourceRow->addWidget(ImportBrowse);
  auto* sourceLabel = new QLabel(tr("&Source"), this);
  sourceLabel->setBuddy(ImportSource);
  form->addRow(sourceLabel, sourceRow);
  ImportTab = new QComboBox(this);
  ImportTab->setObjectName(QStringLiteral("ImportTab"));
  ImportTab->addItems(diary.TabTitles());
  ImportTab->setAccessibleName(tr("Tab"));
  form->addRow(tr("&Tab"), ImportTab);
  ImportSummary = new QPlainTextEdit(this);
  ImportSummary->setObjectName(QStringLiteral("ImportSummary"));
  ImportSummary->setReadOnly(true);
  // Read by its caret, line by line, as a screen reader's user reads any text.
  ImportSummary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  ImportSummary->setTabChangesFocus(true);
  ImportSummary->setAccessibleName(tr("What the import will do"));
  QStringList formats;
  for (const SourceFormat* format : engine.Formats()) {
    formats << QCoreApplication::translate("ImportFormat", format->choose);
  }
  ImportSummary->setPlaceholderText(
      tr("Choose a diary to import: %1.").arg(QLocale().createSeparatedList(formats)));
  ImportSummary->setMinimumSize(ImportSummary->fontMetrics().averageCharWidth() * 64,
                                ImportSummary->fontMetrics().lineSpacing() * 18);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  ImportGo = buttons->addButton(tr("&Import"), QDialogButtonBox::ActionRole);
  ImportGo->setObjectName(QStringLiteral("ImportGo"));
  ImportGo->setAccessibleName(tr("Import"));
  ImportGo->setDefault(true);
  ImportGo->setEnabled(false);
  announcer = new TAnnouncer(this);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(ImportSummary, 1);
  column->addWidget(buttons);

  connect(ImportSource, &QLineEdit::editingFinished, this,
          [this] { SetSource(ImportSource->text()); });
  connect(ImportTab, &QComboBox::currentIndexChanged, this, [this] {
    if (!examinedPath.isEmpty()) Examine();
  });
  connect(ImportGo, &QPushButton::clicked, this, &TImportWindow::Import);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TImportWindow::Browse(bool folder) {
  const QString chosen =
      folder ? QFileDialog::getExistingDirectory(this, tr("Import"), ImportSource->text())
             : QFileDialog::getOpenFileName(this, tr("Import"), ImportSource->text());
  if (!chosen.isEmpty()) SetSource(chosen);
}

void TImportWindow::SetSource(const QString& path) {
  if (ImportSource->text() != path) ImportSource->setText(path);
  if (path.trimmed().isEmpty() || (path == examinedPath && examined.source)) return;
  examinedPath = path;
  examined = {};
  Examine();
}

std::vector<QString> TImportWindow::TabList() const {
  return std::vector<QString>(diary.TabTitles().begin(), diary.TabTitles().end());
}

void TImportWindow::Examine() {
  if (importing->Busy()) return;
  ImportGo->setEnabled(false);
  ImportSummary->setPlainText(tr("Reading %1…").arg(examinedPath));
  // A source read once is planned again for another tab without reading it again. A read under
  // way for another source or tab is dropped.
  std::shared_ptr<const Source> known = examined.source;
  const std::string path = QFile::encodeName(examinedPath).toStdString();
  examining->Start<Examined>(
      [known, path, dir = saveDir, tabs = TabList(), tab = std::max(0, ImportTab->currentIndex()),
       engine = &engine](TLongWork::Run&) {
        Examined result;
        result.source = known ? known : std::make_shared<const Source>(engine->ReadSource(path));
        result.plan = engine->MakePlan(dir, *result.source, tabs, tab);
        return result;
      },
      [this](Examined& result) {
        examined = std::move(result);
        ShowPlan();
      });
}

QString TImportWindow::IssueLines(const Source& source) const {
  QStringList lines;
  std::array<size_t, static_cast<size_t>(Problem::kCount)> shown{};
  for (const Issue& issue : source.issues) {
    const QString where = Utf8(issue.where);
    const QString detail = Utf8(issue.detail);
    switch (issue.problem) {
      case Problem::kUnknownFormat:
        lines << tr("%1: not a diary that can be imported here").arg(where);
        break;
      case Problem::kEncrypted:
        lines << tr("%1: an encrypted backup, which cannot be read; Diaro can write a backup "
                    "without encryption (.zip) to import instead")
                     .arg(where);
        break;
      case Problem::kUnreadable:
        lines << tr("%1: cannot be read (%2)").arg(where, detail);
        break;
      case Problem::kNotParsed:
        lines << tr("%1: does not parse (%2)").arg(where, detail);
        break;
      case Problem::kBadRecord:
        lines << tr("%1: not an entry (%2)").arg(where, detail);
        break;
      case Problem::kBadDate:
        lines << tr("%1: a date that does not exist (%2)").arg(where, detail);
        break;
      case Problem::kNoEntryStart:
        lines << tr("%1: no entry starts with a date and time of the form [2024-05-05 06:30 PM] "
                    "or 2024-05-05 18:30; the line found there: %2")
                     .arg(where, detail);
        break;
      case Problem::kMissingAttachment:
        lines << tr("%1: the attachment %2 is missing; its link is kept").arg(where, detail);
        break;
      case Problem::kBadAttachmentName:
        lines << tr("%1: the attachment %2 has a name no file can have here; left out")
                     .arg(where, detail);
        break;
      case Problem::kLinkLeadsOut:
        lines << tr("%1: a link to a place outside the chosen folder; left out").arg(where);
        break;
      case Problem::kNotRegularFile:
        lines << tr("%1: not a regular file (a pipe, a device or a socket); left out").arg(where);
        break;
      case Problem::kNotJournalDay:
        lines << tr("%1: not a day of a jrnl folder journal (YEAR/MONTH/DAY.txt); left out")
                     .arg(where);
        break;
      case Problem::kEntityDropped:
        lines << tr("%1: the XML entity %2 cannot be read; the text is imported without it")
                     .arg(where, detail);
        break;
      case Problem::kCount:
        break;
    }
    // A kind with more issues than kept: its count, after the last one shown.
    const size_t kind = static_cast<size_t>(issue.problem);
    if (++shown[kind] == Source::kIssuesKept && source.issueCounts[kind] > Source::kIssuesKept) {
      lines << tr("…and %n more of this kind", nullptr,
                  static_cast<int>(source.issueCounts[kind] - Source::kIssuesKept));
    }
  }
  QStringList unplaced;
  const auto count = [&](Unplaced what) { return source.unplaced[static_cast<size_t>(what)]; };
  if (count(Unplaced::kCoordinates) > 0) {
    unplaced << tr("Coordinates of places: %n (the places' names are kept)", nullptr,
                   count(Unplaced::kCoordinates));
  }
  if (count(Unplaced::kRichText) > 0) {
    unplaced << tr("Day One's formatting of entries: %n (their Markdown text is kept)", nullptr,
                   count(Unplaced::kRichText));
  }
  if (count(Unplaced::kMood) > 0) {
    unplaced << tr("Moods of entries: %n", nullptr, count(Unplaced::kMood));
  }
  if (count(Unplaced::kFolder) > 0) {
    unplaced << tr("Folders of entries: %n (all go to the chosen tab)", nullptr,
                   count(Unplaced::kFolder));
  }
  QString text;
  if (!unplaced.isEmpty()) {
    text += QLatin1Char('\n') + tr("No place in a plain entry:") + QLatin1Char('\n') +
            unplaced.join(QLatin1Char('\n')) + QLatin1Char('\n');
  }
  if (!lines.isEmpty()) {
    text += QLatin1Char('\n') + tr("Could not be read:") + QLatin1Char('\n') +
            lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
  }
  return text;
}

void TImportWindow::ShowPlan() {
  const Source& source = *examined.source;
  const Plan& plan = examined.plan;
  QStringList lines;
  if (source.format != nullptr) {
    lines << QCoreApplication::translate("ImportFormat", source.format->description);
  }
  if (plan.days.empty()) {
    lines << tr("Nothing to import.");
  } else {
    lines << tr("Entries: %n", nullptr, static_cast<int>(plan.entries));
    lines << tr("Days: %n", nullptr, static_cast<int>(plan.days.size()));
    lines << tr("From %1 to %2").arg(LongDate(plan.first), LongDate(plan.last));
    if (plan.daysHoldingEntry > plan.daysImported) {
      lines << tr(
          "Days that already hold an entry: %n (kept; the imported text is added after "
          "it)",
          nullptr, static_cast<int>(plan.daysHoldingEntry - plan.daysImported));
    }
    if (plan.daysImported > 0) {
      lines << tr("Days that hold this import already: %n (left as they are)", nullptr,
                  static_cast<int>(plan.daysImported));
    }
    for (const auto& [tab, entries] : plan.inOtherTabs) {
      lines << tr("Entries the diary holds already in the tab %1: %n (imported into this tab "
                  "as well)",
                  nullptr, static_cast<int>(entries))
                   .arg(diary.TabTitles().value(tab, QString::number(tab)));
    }
    lines << tr("Attachments: %n (%1, copied into the diary folder)", nullptr,
                static_cast<int>(plan.attachments))
                 .arg(QLocale().formattedDataSize(static_cast<qint64>(plan.attachmentBytes)));
    if (!plan.newTabs.empty()) {
      QStringList journals;
      for (const std::string& name : plan.newTabs) journals << Utf8(name);
      lines << tr("Journals without a tab of their name: %1")
                   .arg(journals.join(QStringLiteral(", ")));
    }
  }
  ImportSummary->setPlainText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                              IssueLines(source));
  ImportGo->setEnabled(!plan.days.empty() && plan.daysImported < plan.days.size());
  ImportSummary->setAccessibleName(tr("What the import will do"));
  announcer->Announce(ImportSummary->toPlainText());
}

void TImportWindow::Import() {
  if (Busy() || !examined.source || examined.plan.days.empty()) return;
  std::vector<QString> tabs = TabList();
  if (!examined.plan.newTabs.empty()) {
    QStringList journals;
    for (const std::string& name : examined.plan.newTabs) journals << Utf8(name);
    // A new tab is the user's choice; without it the journal goes to the chosen tab.
    if (prompts.Confirm(this, tr("No tab is named after the journals %1. Add a tab of that "
                                 "name for each to the diary?")
                                  .arg(journals.join(QStringLiteral(", "))))) {
      // Through the settings layer, into the diary's own config.ini; every window hears of it.
      if (diary.AddTabs(journals)) {
        tabs = TabList();
        ImportTab->addItems(journals);
      } else {
        prompts.ShowWarning(this, tr("The new tabs could not be written to config.ini; those "
                                     "journals go to the chosen tab."));
      }
    }
  }
  ImportGo->setEnabled(false);
  const std::shared_ptr<const Source> source = examined.source;
  const int tab = std::max(0, ImportTab->currentIndex());
  importing->Start<Applied>(
      [source, tabs, tab, dir = saveDir, diary = &diary, engine = &engine](TLongWork::Run& run) {
        // Planned again: the diary may have changed since the summary.
        const Plan plan = engine->MakePlan(dir, *source, tabs, tab);
        return engine->ApplyPlan(
            dir, *source, plan,
            [&run](size_t done, size_t total) {
              run.Progress(static_cast<qint64>(done), static_cast<qint64>(total));
              return !run.Stopped();
            },
            [diary](const marrowleaf::EntryKey& key) { return diary->ShownModified(key); });
      },
      [this](Applied& applied) { Finished(applied); });
  FollowProgress(this, *importing, tr("Importing…"))
      ->setObjectName(QStringLiteral("ImportProgress"));
}

void TImportWindow::Finished(const Applied& applied) {
  QStringList lines;
  if (applied.noRoom) {
    lines << tr("Nothing was imported: the import needs %1, and the disk of the diary folder has "
                "%2 free.")
                 .arg(QLocale().formattedDataSize(static_cast<qint64>(applied.bytesNeeded)),
                      QLocale().formattedDataSize(static_cast<qint64>(applied.bytesFree)));
    ImportSummary->setPlainText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                                IssueLines(*examined.source));
    // The plan holds: with room made, Import may be pressed again.
    ImportGo->setEnabled(true);
    return;
  }
  lines << (applied.cancelled ? tr("The import was cancelled.") : tr("The import is done."));
  lines << tr("New entries: %n", nullptr, static_cast<int>(applied.written));
  if (applied.added > 0) {
    lines << tr(
        "Entries kept, with the imported text added after them: %n (their earlier text "
        "is in their history)",
        nullptr, static_cast<int>(applied.added));
  }
  if (applied.unchanged > 0) {
    lines << tr("Entries that held the import already, left as they were: %n", nullptr,
                static_cast<int>(applied.unchanged));
  }
  lines << tr("Attachments copied: %n", nullptr, static_cast<int>(applied.attachments));
  if (applied.cancelled) {
    lines << tr("Days from %1 on, left as they were: %n", nullptr,
                static_cast<int>(applied.notReached))
                 .arg(LongDate(applied.stoppedBefore));
  }
  for (const Applied::Failure& failure : applied.failures) {
    lines << tr("Not imported, left as it was: %1 (%2)")
                 .arg(LongDate(QDate(failure.key.year, failure.key.month, failure.key.day)),
                      Utf8(failure.error));
  }
  for (const marrowleaf::EntryKey& key : applied.leftShown) {
    lines << tr("Not imported, its changes in the diary window are not saved: %1 (import again "
                "once they are)")
                 .arg(LongDate(QDate(key.year, key.month, key.day)));
  }
  for (const Applied::Failure& failure : applied.historyFailures) {
    lines << tr("Imported, but its earlier text could not be kept in its history: %1 (%2)")
                 .arg(LongDate(QDate(failure.key.year, failure.key.month, failure.key.day)),
                      Utf8(failure.error));
  }
  ImportSummary->setPlainText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                              IssueLines(*examined.source));
  // The diary changed: a plan made before it is stale.
  examined.plan.days.clear();
  // The report is heard, and the keyboard is on it (Import went grey), at its first line.
  ImportSummary->setAccessibleName(tr("What the import did"));
  ImportSummary->moveCursor(QTextCursor::Start);
  ImportSummary->setFocus();
  announcer->Announce(ImportSummary->toPlainText());
  diary.NoteEntriesChanged();
}

QString TImportWindow::Summary() const { return ImportSummary->toPlainText(); }
