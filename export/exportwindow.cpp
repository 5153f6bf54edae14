// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/exportwindow.h"

#include <QBuffer>
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
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "entries/calendar.h"
#include "export/bookpages.h"

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

}  // namespace

marrowleaf::SaveOutcome RunExportJob(const TExportJob& job,
                                     const std::function<bool(int done, int total)>& progress) {
  const int total = static_cast<int>(job.range.from.daysTo(job.range.to)) + 1;
  bool going = progress(0, total);
  const auto next = [&](const marrowleaf::ExportDay& day) {
    going = going && progress(static_cast<int>(job.range.from.daysTo(day.date)) + 1, total);
    return going;
  };
  std::string bytes;
  if (job.format == ExportFormat::kPdf) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
      QPdfWriter writer(&buffer);
      writer.setPageSize(PageSizeFor(job.texts.locale));
      writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
      writer.setTitle(job.texts.title + QStringLiteral(", ") + job.texts.range);
      writer.setCreator(QStringLiteral("Marrowleaf"));
      TBookPages pages(writer, job.texts, job.dayPerPage);
      if (!pages.Begin()) return {false, "the PDF could not be started"};
      marrowleaf::ForEachExportDay(job.saveDir, job.range, [&](const marrowleaf::ExportDay& day) {
        pages.Day(day);
        return next(day);
      });
      pages.End();
    }
    bytes.assign(pdf.constData(), static_cast<size_t>(pdf.size()));
  } else {
    marrowleaf::TextExport text(job.format, job.texts);
    marrowleaf::ForEachExportDay(job.saveDir, job.range, [&](const marrowleaf::ExportDay& day) {
      text.Day(day);
      return next(day);
    });
    bytes = text.Finish();
  }
  if (!going) return {false, "cancelled"};
  return marrowleaf::ReplaceFileContents(job.target, bytes);
}

namespace {

// On the pool, with the progress and the cancelling of the window's watcher.
void RunExport(QPromise<marrowleaf::SaveOutcome>& promise, const TExportJob& job) {
  const marrowleaf::SaveOutcome outcome = RunExportJob(job, [&](int done, int total) {
    if (done == 0) promise.setProgressRange(0, total);
    promise.setProgressValue(done);
    return !promise.isCanceled();
  });
  if (!promise.isCanceled()) promise.addResult(outcome);
}

}  // namespace

TExportWindow::TExportWindow(Mode m, std::string dir, QStringList titles, const QDate& from,
                             const QDate& to, QWidget* parent)
    : QDialog(parent), mode(m), saveDir(std::move(dir)), tabTitles(std::move(titles)) {
  setObjectName(QStringLiteral("ExportWindow"));
  setWindowTitle(mode == Mode::kExport ? tr("Export") : tr("Print"));
  CreateLayout();
  ExportFrom->setDate(from);
  ExportTo->setDate(to);
  FormatChanged();
  connect(&running, &QFutureWatcher<marrowleaf::SaveOutcome>::finished, this, [this] {
    ExportGo->setEnabled(true);
    if (running.isCanceled() || running.future().resultCount() == 0) return;  // as it was
    const marrowleaf::SaveOutcome outcome = running.result();
    if (!outcome.ok) {
      Q_EMIT failed(tr("Could not export to %1:\n%2")
                        .arg(ExportFile->text(), QString::fromStdString(outcome.error)));
      return;
    }
    accept();
  });
}

TExportWindow::~TExportWindow() {
  running.cancel();
  running.waitForFinished();
}

void TExportWindow::CreateLayout() {
  auto* form = new QFormLayout;
  const auto labelled = [&](QWidget* field, const QString& label) {
    field->setAccessibleName(QString(label).remove(QLatin1Char('&')));
    form->addRow(label, field);
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
    auto* fileLabel = new QLabel(tr("F&ile"), this);
    fileLabel->setBuddy(ExportFile);
    form->addRow(fileLabel, fileRow);
    ExportFile->setText(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                            .filePath(tr("diary") + QStringLiteral(".pdf")));
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
  ExportGo = buttons->addButton(mode == Mode::kExport ? tr("&Export") : tr("&Print"),
                                QDialogButtonBox::ActionRole);
  ExportGo->setObjectName(QStringLiteral("ExportGo"));
  ExportGo->setAccessibleName(mode == Mode::kExport ? tr("Export") : tr("Print"));
  ExportGo->setDefault(true);
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
  // The file's name follows the format.
  const QFileInfo file(ExportFile->text());
  if (!ExportFile->text().isEmpty()) {
    ExportFile->setText(file.dir().filePath(file.completeBaseName() + QLatin1Char('.') +
                                            QLatin1String(choice.suffix)));
  }
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
  // The file dialog asks before a file is replaced.
  const QString chosen =
      QFileDialog::getSaveFileName(this, tr("Export"), ExportFile->text(), QString());
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
    Q_EMIT failed(tr("Choose a file to export to."));
    return;
  }
  const TExportJob job{saveDir,
                       Range(),
                       kFormats[std::max(0, ExportFormat->currentIndex())].format,
                       Texts(),
                       ExportDayPerPage->isChecked(),
                       QFile::encodeName(ExportFile->text()).toStdString()};
  ExportGo->setEnabled(false);
  running.setFuture(QtConcurrent::run(&RunExport, job));
  // A progress dialog for an export that takes its time; Cancel leaves the file as it was.
  auto* progress = new QProgressDialog(tr("Exporting…"), tr("Cancel"), 0, 0, this);
  progress->setObjectName(QStringLiteral("ExportProgress"));
  progress->setAttribute(Qt::WA_DeleteOnClose);
  progress->setWindowModality(Qt::WindowModal);
  progress->setMinimumDuration(500);
  connect(&running, &QFutureWatcher<marrowleaf::SaveOutcome>::progressRangeChanged, progress,
          &QProgressDialog::setRange);
  connect(&running, &QFutureWatcher<marrowleaf::SaveOutcome>::progressValueChanged, progress,
          &QProgressDialog::setValue);
  connect(&running, &QFutureWatcher<marrowleaf::SaveOutcome>::finished, progress,
          &QProgressDialog::close);
  connect(progress, &QProgressDialog::canceled, this, [this] { running.cancel(); });
}

void TExportWindow::PrintTo(QPrinter& printer) {
  TBookPages pages(printer, Texts(), ExportDayPerPage->isChecked());
  if (!pages.Begin()) return;
  marrowleaf::ForEachExportDay(saveDir, Range(), [&](const marrowleaf::ExportDay& day) {
    pages.Day(day);
    return true;
  });
  pages.End();
}

void TExportWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(PageSizeFor(QLocale()));
  printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  printer.setDocName(Texts().title);
  // The system's print dialog, behind a preview of the pages.
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintTo(*target); });
  if (preview.exec() == QDialog::Accepted) accept();
}
