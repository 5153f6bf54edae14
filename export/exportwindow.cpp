// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/exportwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <string_view>

#include "crypto/unlocked.h"
#include "engines/pictures/pictures.h"
#include "export/bookpages.h"
#include "text/dates.h"
#include "widgets/prompts.h"

namespace {

using marrowleaf::ExportFormat;

struct FormatChoice {
  ExportFormat format;
  const char* name;
  const char* suffix;
};
const FormatChoice kFormats[] = {
    {ExportFormat::kPdf, QT_TRANSLATE_NOOP("TExportWindow", "PDF"), "pdf"},
    {ExportFormat::kHtml, QT_TRANSLATE_NOOP("TExportWindow", "HTML"), "html"},
    {ExportFormat::kMarkdown, QT_TRANSLATE_NOOP("TExportWindow", "Markdown"), "md"},
    {ExportFormat::kPlainText, QT_TRANSLATE_NOOP("TExportWindow", "Plain text"), "txt"}};

// The export's many small writes (the PDF writer's, a text form's days), handed to the file in
// pieces of a useful size.
class PieceDevice : public QIODevice {
 public:
  explicit PieceDevice(marrowleaf::ReplacingFile& f) : file(f) { open(QIODevice::WriteOnly); }
  void Put(std::string_view bytes) { writeData(bytes.data(), static_cast<qint64>(bytes.size())); }
  bool Flush() {
    const bool written = file.Write(pending);
    pending.clear();
    return written;
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    pending.append(data, static_cast<size_t>(size));
    if (pending.size() >= kPiece && !Flush()) return -1;
    return size;
  }

 private:
  static constexpr size_t kPiece = 256 * 1024;
  marrowleaf::ReplacingFile& file;
  std::string pending;
};

}  // namespace

TExportOutcome RunExportJob(const TExportJob& job,
                            const std::function<bool(int done, int total)>& progress) {
  using Result = TExportOutcome::Result;
  marrowleaf::ReplacingFile file(job.target, marrowleaf::NewFileAccess::kPrivate);
  if (!file.Ok()) return {Result::kFailed, file.Commit().error, {}};
  TExportOutcome outcome;
  const int total = static_cast<int>(job.range.from.daysTo(job.range.to)) + 1;
  bool going = progress(0, total);
  int days = 0;
  // Each day goes to the file as it is laid out; a file that cannot be written ends the walk.
  const auto next = [&](const marrowleaf::ExportDay& day) {
    ++days;
    going = going && file.Ok() &&
            progress(static_cast<int>(job.range.from.daysTo(day.date)) + 1, total);
    return going;
  };
  const auto lost = [&](const std::string& path) { outcome.unreadable.push_back(path); };
  // HTML and Markdown show the pictures the entries link from copies beside the exported file;
  // what an export that ends without its file copied goes again.
  marrowleaf::ExportPictures pictures(job.saveDir, job.target);
  struct Copies {
    marrowleaf::ExportPictures& pictures;
    bool keep = false;
    ~Copies() {
      if (!keep) pictures.Discard();
    }
  } copies{pictures};
  PieceDevice device(file);
  if (job.format == ExportFormat::kPdf) {
    QPdfWriter writer(&device);
    writer.setPageSize(PageSizeFor(job.texts.locale));
    writer.setTitle(job.texts.title + QStringLiteral(", ") + job.texts.range);
    writer.setCreator(ProgramName());
    TBookPages pages(writer, job.texts, job.dayPerPage, job.saveDir);
    if (!pages.Begin()) return {Result::kFailed, "the PDF could not be started", {}};
    marrowleaf::ForEachExportDay(
        job.saveDir, job.range,
        [&](const marrowleaf::ExportDay& day) {
          pages.Day(day);
          return next(day);
        },
        lost);
    pages.End();
  } else {
    marrowleaf::TextExport text(job.format, job.texts,
                                [&pictures](QStringView path) { return pictures.Copy(path); });
    marrowleaf::ForEachExportDay(
        job.saveDir, job.range,
        [&](const marrowleaf::ExportDay& day) {
          text.Day(day);
          device.Put(text.Take());
          return next(day);
        },
        lost);
    device.Put(text.Finish());
  }
  device.Flush();
  // Whatever ends here without a commit leaves the old file as it was and no new one.
  if (!file.Ok()) return {Result::kFailed, file.Commit().error, {}};
  if (!pictures.Error().empty()) return {Result::kFailed, pictures.Error(), {}};
  if (!going) return {Result::kCancelled, {}, {}};
  if (!outcome.unreadable.empty() && !job.withoutUnreadable) {
    outcome.result = Result::kUnreadable;
    return outcome;
  }
  if (days == 0) return {Result::kEmpty, {}, {}};
  const marrowleaf::SaveOutcome saved = file.Commit();
  if (!saved.ok) return {Result::kFailed, saved.error, {}};
  copies.keep = true;
  return {Result::kWritten, {}, {}};
}

namespace {

// On the pool, with the progress and the cancelling of the window's watcher.
void RunExport(QPromise<TExportOutcome>& promise, const TExportJob& job) {
  const TExportOutcome outcome = RunExportJob(job, [&](int done, int total) {
    if (done == 0) promise.setProgressRange(0, total);
    promise.setProgressValue(done);
    return !promise.isCanceled();
  });
  if (!promise.isCanceled()) promise.addResult(outcome);
}

}  // namespace

TExportWindow::TExportWindow(Mode m, TPrompts& p, std::string dir, QStringList titles,
                             const QDate& from, const QDate& to, QWidget* parent)
    : QDialog(parent), mode(m), prompts(p), saveDir(std::move(dir)), tabTitles(std::move(titles)) {
  setObjectName(QStringLiteral("ExportWindow"));
  setWindowTitle(mode == Mode::kExport ? tr("Export") : tr("Print"));
  CreateLayout();
  ExportFrom->setDate(from);
  ExportTo->setDate(to);
  FormatChanged();
  connect(&running, &QFutureWatcher<TExportOutcome>::finished, this, &TExportWindow::Finished);
}

TExportWindow::~TExportWindow() {
  running.cancel();
  running.waitForFinished();
}

void TExportWindow::CreateLayout() {
  auto* form = new QFormLayout;
  // The "o" of "To", kerned under the "T", lost its right side at a scale of 1.5 (the mnemonic's
  // underline sets the two letters as separate runs): the labels are set without kerning.
  const auto label = [this](const QString& text, QWidget* buddy) {
    auto* made = new QLabel(text, this);
    made->setBuddy(buddy);
    QFont font = made->font();
    font.setKerning(false);
    made->setFont(font);
    return made;
  };
  const auto labelled = [&](QWidget* field, const QString& text) {
    field->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    form->addRow(label(text, field), field);
  };
  ExportFrom = new QDateEdit(this);
  ExportTo = new QDateEdit(this);
  for (QDateEdit* edit : {ExportFrom, ExportTo}) {
    edit->setCalendarPopup(true);
    edit->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    edit->setDisplayFormat(marrowleaf::ShortDateFormat(QLocale()));
  }
  ExportFrom->setObjectName(QStringLiteral("ExportFrom"));
  ExportTo->setObjectName(QStringLiteral("ExportTo"));
  labelled(ExportFrom, tr("&From"));
  labelled(ExportTo, tr("&To"));
  ExportWhole = new QPushButton(tr("&Whole diary"), this);
  ExportWhole->setObjectName(QStringLiteral("ExportWhole"));
  ExportWhole->setAccessibleName(tr("Whole diary"));
  form->addRow(QString(), ExportWhole);
  auto* tabs = new QWidget(this);
  auto* tabColumn = new QVBoxLayout(tabs);
  tabColumn->setContentsMargins(0, 0, 0, 0);
  for (const QString& title : tabTitles) {
    auto* box = new QCheckBox(title, tabs);
    box->setChecked(true);
    box->setAccessibleName(title);
    tabColumn->addWidget(box);
    ExportTabs.push_back(box);
  }
  tabs->setObjectName(QStringLiteral("ExportTabs"));
  labelled(tabs, tr("Tabs"));
  ExportFormat = new QComboBox(this);
  ExportFormat->setObjectName(QStringLiteral("ExportFormat"));
  for (const FormatChoice& choice : kFormats) ExportFormat->addItem(tr(choice.name));
  ExportFile = new QLineEdit(this);
  ExportFile->setObjectName(QStringLiteral("ExportFile"));
  ExportBrowse = new QPushButton(tr("&Browse…"), this);
  ExportBrowse->setObjectName(QStringLiteral("ExportBrowse"));
  ExportBrowse->setAccessibleName(tr("Browse…"));
  ExportFile->setMinimumWidth(ExportFile->fontMetrics().averageCharWidth() * 44);
  if (mode == Mode::kExport) {
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(ExportFile, 1);
    fileRow->addWidget(ExportBrowse);
    labelled(ExportFormat, tr("F&ormat"));
    ExportFile->setAccessibleName(tr("File"));
    // A row of two widgets has no field for the label's shortcut to find: it goes to the path.
    form->addRow(label(tr("F&ile"), ExportFile), fileRow);
    ExportFile->setText(QDir(DefaultFolder()).filePath(tr("diary") + QStringLiteral(".pdf")));
  } else {
    ExportFormat->hide();
    ExportFile->hide();
    ExportBrowse->hide();
  }
  ExportDayPerPage = new QCheckBox(tr("One &day per page"), this);
  ExportDayPerPage->setObjectName(QStringLiteral("ExportDayPerPage"));
  ExportDayPerPage->setAccessibleName(tr("One day per page"));
  form->addRow(QString(), ExportDayPerPage);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  // A print goes on to the system's print dialog, or to a preview first.
  ExportGo = buttons->addButton(mode == Mode::kExport ? tr("&Export") : tr("&Print…"),
                                QDialogButtonBox::ActionRole);
  ExportGo->setObjectName(QStringLiteral("ExportGo"));
  ExportGo->setAccessibleName(mode == Mode::kExport ? tr("Export") : tr("Print…"));
  ExportGo->setDefault(true);
  if (mode == Mode::kPrint) {
    ExportPreview = buttons->addButton(tr("Pre&view…"), QDialogButtonBox::ActionRole);
    ExportPreview->setObjectName(QStringLiteral("ExportPreview"));
    ExportPreview->setAccessibleName(tr("Preview…"));
    connect(ExportPreview, &QPushButton::clicked, this, &TExportWindow::Preview);
  }
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(buttons);

  connect(ExportWhole, &QPushButton::clicked, this, &TExportWindow::WholeDiary);
  connect(ExportBrowse, &QPushButton::clicked, this, &TExportWindow::Browse);
  connect(ExportFormat, &QComboBox::currentIndexChanged, this, &TExportWindow::FormatChanged);
  connect(ExportGo, &QPushButton::clicked, this,
          [this] { mode == Mode::kExport ? Export() : Print(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TExportWindow::WholeDiary() {
  QDate first;
  QDate last;
  if (!marrowleaf::DiaryExtent(saveDir, static_cast<int>(tabTitles.size()), first, last)) return;
  ExportFrom->setDate(first);
  ExportTo->setDate(last);
}

void TExportWindow::FormatChanged() {
  const FormatChoice& choice = kFormats[std::max(0, ExportFormat->currentIndex())];
  ExportDayPerPage->setEnabled(mode == Mode::kPrint || choice.format == ExportFormat::kPdf);
  // The file's name follows the format; its folder stays as written.
  const QString path = ExportFile->text();
  if (!path.isEmpty()) {
    const qsizetype folder = path.lastIndexOf(QLatin1Char('/')) + 1;
    ExportFile->setText(path.left(folder) + QFileInfo(path.mid(folder)).completeBaseName() +
                        QLatin1Char('.') + QLatin1String(choice.suffix));
  }
}

QString TExportWindow::DefaultFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString TExportWindow::TargetFile() const {
  return marrowleaf::ExportTargetPath(ExportFile->text(), QDir::homePath(), DefaultFolder());
}

TExportChoices TExportWindow::Choices() const {
  return {ExportFile->text(), ExportFormat->currentIndex(), ExportDayPerPage->isChecked()};
}

void TExportWindow::SetChoices(const TExportChoices& choices) {
  ExportFormat->setCurrentIndex(choices.format);
  if (!choices.file.isEmpty()) ExportFile->setText(choices.file);
  ExportDayPerPage->setChecked(choices.dayPerPage);
}

void TExportWindow::Browse() {
  // Whether a file is replaced is asked once, on "Export", however the path came.
  const QString chosen = QFileDialog::getSaveFileName(this, tr("Export"), TargetFile(), QString(),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
  if (!chosen.isEmpty()) ExportFile->setText(chosen);
}

marrowleaf::ExportRange TExportWindow::Range() const {
  marrowleaf::ExportRange range{ExportFrom->date(), ExportTo->date(), {}};
  if (range.from > range.to) std::swap(range.from, range.to);
  for (const QCheckBox* box : ExportTabs) range.tabs.push_back(box->isChecked());
  return range;
}

marrowleaf::ExportTexts TExportWindow::Texts() const {
  const marrowleaf::ExportRange range = Range();
  const QLocale locale;
  int tabs = 0;
  for (const bool on : range.tabs) tabs += on ? 1 : 0;
  return {tr("Marrowleaf diary"),
          tr("%1 – %2").arg(marrowleaf::LongDate(range.from, locale),
                            marrowleaf::LongDate(range.to, locale)),
          locale, tabTitles, tabs > 1};
}

void TExportWindow::Export() {
  if (Busy()) return;
  if (ExportFile->text().trimmed().isEmpty()) {
    prompts.ShowWarning(this, tr("Choose a file to export to."));
    return;
  }
  // The field shows the file that is written, and the next export starts from it.
  ExportFile->setText(TargetFile());
  if (QFileInfo(ExportFile->text()).isFile() &&
      !prompts.Confirm(this, tr("%1 already exists.\nDo you want to replace it?")
                                 .arg(QDir::toNativeSeparators(ExportFile->text())))) {
    return;
  }
  // Exporting is how the diary's text leaves it on purpose: in plain, which is said first.
  if (!marrowleaf::SealingFor(saveDir).keys->Empty() &&
      !prompts.Confirm(this, tr("This diary is encrypted, and the export is not: %1 (and its "
                                "pictures) will be plain files that anyone who has them can "
                                "read.\nExport anyway?")
                                 .arg(QDir::toNativeSeparators(ExportFile->text())))) {
    return;
  }
  Start(false);
}

void TExportWindow::Start(bool withoutUnreadable) {
  const TExportJob job{saveDir,
                       Range(),
                       kFormats[std::max(0, ExportFormat->currentIndex())].format,
                       Texts(),
                       ExportDayPerPage->isChecked(),
                       QFile::encodeName(ExportFile->text()).toStdString(),
                       withoutUnreadable};
  ExportGo->setEnabled(false);
  running.setFuture(QtConcurrent::run(&RunExport, job));
  // A progress window for an export that takes its time; Cancel leaves the file as it was.
  progress = new QProgressDialog(tr("Exporting…"), tr("Cancel"), 0, 0, this);
  progress->setObjectName(QStringLiteral("ExportProgress"));
  progress->setWindowTitle(ProgramName());
  progress->setAttribute(Qt::WA_DeleteOnClose);
  progress->setWindowModality(Qt::WindowModal);
  // Shown after half a second, also while the export still waits for a thread of the pool.
  progress->setMinimumDuration(500);
  progress->setValue(0);
  connect(&running, &QFutureWatcher<TExportOutcome>::progressRangeChanged, progress,
          &QProgressDialog::setRange);
  connect(&running, &QFutureWatcher<TExportOutcome>::progressValueChanged, progress,
          &QProgressDialog::setValue);
  connect(progress, &QProgressDialog::canceled, this, [this] { running.cancel(); });
}

void TExportWindow::Finished() {
  // The progress window goes before anything is said: left open, it would stand over the message
  // and keep its keys. Its close is no cancel.
  if (progress != nullptr) {
    progress->disconnect(this);
    progress->close();
    progress = nullptr;
  }
  ExportGo->setEnabled(true);
  if (running.isCanceled() || running.future().resultCount() == 0) return;  // as it was
  const TExportOutcome outcome = running.result();
  switch (outcome.result) {
    case TExportOutcome::Result::kWritten:
      accept();
      break;
    case TExportOutcome::Result::kCancelled:
      break;
    case TExportOutcome::Result::kEmpty:
      prompts.ShowWarning(this, NothingInRange());
      break;
    case TExportOutcome::Result::kUnreadable:
      if (prompts.Confirm(this, UnreadableQuestion(outcome.unreadable))) Start(true);
      break;
    case TExportOutcome::Result::kFailed:
      prompts.ShowWarning(this, tr("Could not export to %1:\n%2")
                                    .arg(QDir::toNativeSeparators(ExportFile->text()),
                                         QString::fromStdString(outcome.error)));
      break;
  }
}

QString TExportWindow::NothingInRange() const {
  const marrowleaf::ExportRange range = Range();
  const QLocale locale;
  const QString from = marrowleaf::LongDate(range.from, locale);
  const QString to = marrowleaf::LongDate(range.to, locale);
  return mode == Mode::kExport
             ? tr("No day from %1 to %2 holds an entry of the chosen tabs: nothing was exported.")
                   .arg(from, to)
             : tr("No day from %1 to %2 holds an entry of the chosen tabs: nothing was printed.")
                   .arg(from, to);
}

QString TExportWindow::UnreadableQuestion(const std::vector<std::string>& paths) const {
  constexpr size_t kShown = 10;
  QStringList lines;
  for (size_t i = 0; i < paths.size() && i < kShown; ++i) {
    lines << QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(paths[i])));
  }
  if (paths.size() > kShown)
    lines << tr("and %n more", nullptr, static_cast<int>(paths.size() - kShown));
  const QString list = lines.join(QLatin1Char('\n'));
  return mode == Mode::kExport
             ? tr("These could not be read:\n%1\n\nExport without them?").arg(list)
             : tr("These could not be read:\n%1\n\nPrint without them?").arg(list);
}

bool TExportWindow::ReadyToPrint() {
  bool any = false;
  std::vector<std::string> lost;
  marrowleaf::ForEachExportDay(
      saveDir, Range(),
      [&](const marrowleaf::ExportDay&) {
        any = true;
        return true;
      },
      [&](const std::string& path) { lost.push_back(path); });
  if (!lost.empty() && !prompts.Confirm(this, UnreadableQuestion(lost))) return false;
  if (!any) {
    prompts.ShowWarning(this, NothingInRange());
    return false;
  }
  return true;
}

namespace {

// A printer of the system's default queue. Without a queue it prints to a PDF file, on the
// paper of the user's country as an export would.
void SetUpPrinter(QPrinter& printer, const QString& title) {
  if (printer.outputFormat() == QPrinter::PdfFormat) printer.setPageSize(PageSizeFor(QLocale()));
  printer.setDocName(title);
}

}  // namespace

bool TExportWindow::PrintTo(QPrinter& printer) {
  TBookPages pages(printer, Texts(), ExportDayPerPage->isChecked(), saveDir);
  if (!pages.Begin()) return false;
  marrowleaf::ForEachExportDay(saveDir, Range(), [&](const marrowleaf::ExportDay& day) {
    pages.Day(day);
    return true;
  });
  pages.End();
  return true;
}

void TExportWindow::Print() {
  if (!ReadyToPrint()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, Texts().title);
  // The printer and the paper chosen here lay the pages out.
  QPrintDialog dialog(&printer, this);
  prompts.ShowDialog(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  if (!PrintTo(printer)) {
    prompts.ShowWarning(this, tr("Could not print on %1.")
                                  .arg(printer.printerName().isEmpty() ? printer.outputFileName()
                                                                       : printer.printerName()));
    return;
  }
  accept();
}

void TExportWindow::Preview() {
  if (!ReadyToPrint()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, Texts().title);
  // The preview lays the pages out on the printer's paper; its print button leads to the print
  // dialog, and a paper chosen there lays them out again.
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintTo(*target); });
  prompts.ShowDialog(preview);
  if (preview.result() == QDialog::Accepted) accept();
}
