// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Export… and Print…: a range of days into a file of each format, whole or not at all.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSemaphore>
#include <QThreadPool>

#include "export/exportwindow.h"
#include "windowtest.h"

using namespace windowtest;

class ExportTest : public WindowTest {
  Q_OBJECT

  // How the export ends: as it will, cancelled before it starts, or with its progress window up.
  enum class Pool { kFree, kCancel, kProgress };

  // Fills the export window in as a user would and runs it to its end. An empty file keeps the
  // path the window offers.
  void ExportRange(TForm1& form, int format, const QString& file, Pool pool = Pool::kFree,
                   bool yes = false, const QDate& from = QDate(2026, 12, 7),
                   const QDate& to = QDate(2026, 12, 8)) {
    // Whatever the window says, it says with no progress window over it to take the keys.
    const auto noProgress = [] {
      for (const QWidget* w : QApplication::topLevelWidgets()) {
        QVERIFY(w->objectName() != QStringLiteral("ExportProgress") || !w->isVisible());
      }
    };
    prompts.onWarning = [noProgress](const QString&) { noProgress(); };
    prompts.onConfirm = [noProgress, yes](const QString&) {
      noProgress();
      return yes;
    };
    prompts.onDialog = [&](QDialog& dialog) {
      auto& window = static_cast<TExportWindow&>(dialog);
      dialog.findChild<QDateEdit*>(QStringLiteral("ExportFrom"))->setDate(from);
      dialog.findChild<QDateEdit*>(QStringLiteral("ExportTo"))->setDate(to);
      dialog.findChild<QComboBox*>(QStringLiteral("ExportFormat"))->setCurrentIndex(format);
      if (!file.isEmpty())
        dialog.findChild<QLineEdit*>(QStringLiteral("ExportFile"))->setText(file);
      // A label's shortcut reaches its field, which a screen reader names by the label.
      for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().contains(QLatin1Char('&'))) continue;
        QVERIFY2(label->buddy(), qPrintable(label->text()));
        QCOMPARE(label->buddy()->accessibleName(), QString(label->text()).remove(QLatin1Char('&')));
      }
      QSemaphore hold;
      if (pool == Pool::kCancel) {  // the pool is busy: the export is cancelled before it starts
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        QThreadPool::globalInstance()->start([&hold] { hold.acquire(); });
      }
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ExportGo")), Qt::LeftButton);
      if (pool == Pool::kCancel) {
        window.Cancel();
        hold.release();
      }
      // The progress window up, as after its half second, before the export's end is heard.
      if (pool == Pool::kProgress) {
        auto* shown = window.findChild<QWidget*>(QStringLiteral("ExportProgress"));
        QVERIFY(shown);
        QCOMPARE(shown->windowTitle(), QStringLiteral("Marrowleaf"));
        shown->show();
      }
      QTRY_VERIFY(!window.Busy());
      QCoreApplication::processEvents();
    };
    form.findChild<QAction*>(QStringLiteral("Expo1"))->trigger();
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
  }
  static QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
  }
  // The files of the folder, hidden ones too: a temporary left behind shows here.
  static QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

 private Q_SLOTS:
  void each_format_holds_the_days_of_the_range_in_order_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("PDF") << 0 << QStringLiteral("pdf");
    QTest::newRow("HTML") << 1 << QStringLiteral("html");
    QTest::newRow("Markdown") << 2 << QStringLiteral("md");
    QTest::newRow("plain text") << 3 << QStringLiteral("txt");
  }
  void each_format_holds_the_days_of_the_range_in_order() {
    QFETCH(int, format);
    QFETCH(QString, suffix);
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=2\nTAB0=Diary\nTAB1=Work\n");
    WriteBytes(Path(QDate(2026, 12, 8), 0), QByteArray("second day <script>\r\nx\0", 23));
    WriteBytes(Path(QDate(2026, 12, 7), 1), "first day \xe6\x97\xa5\xe8\xa8\x98");
    WriteBytes(Path(QDate(2026, 12, 9), 0), "after the range");
    auto form = Start();
    const QString file = dir->filePath(QStringLiteral("book.") + suffix);
    ExportRange(*form, format, file);
    QVERIFY(prompts.warnings.isEmpty());
    const QString text = format == 0 ? Run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")})
                                     : QString::fromUtf8(ReadBytes(file));
    const qsizetype first = text.indexOf(QStringLiteral("first day 日記"));
    const qsizetype second = text.indexOf(QStringLiteral("second day "));
    QVERIFY2(first >= 0 && second > first, qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("after the range")));
    QVERIFY(text.contains(QLocale().toString(QDate(2026, 12, 7), QLocale::LongFormat)));
    // The diary's days are the user's alone, as the entries are.
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0600u);
    if (format == 0) {  // every font in the file, so that its text can be found anywhere
      const QStringList fonts = Run(QStringLiteral("pdffonts"), {file}).split(QLatin1Char('\n'));
      QVERIFY(fonts.size() > 3);
      for (const QString& font : fonts.mid(2, fonts.size() - 3)) {
        QVERIFY2(font.contains(QStringLiteral(" yes ")), qPrintable(font));
      }
    }
    if (format == 1) QVERIFY(text.contains(QStringLiteral("second day &lt;script&gt;")));
    // The next export of the run starts from this one's file and format.
    bool reopened = false;
    prompts.onDialog = [&](QDialog& dialog) {
      QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("ExportFormat"))->currentIndex(),
               format);
      QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("ExportFile"))->text(), file);
      reopened = true;
    };
    form->findChild<QAction*>(QStringLiteral("Expo1"))->trigger();
    QVERIFY(reopened);
    QCOMPARE(ReadBytes(Path(QDate(2026, 12, 8), 0)), QByteArray("second day <script>\r\nx\0", 23));
  }

  // Nothing is written, and the user hears why, with nothing standing over the message.
  void an_export_that_cannot_go_as_asked_writes_nothing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pool");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("question");
    const QDate day(2026, 12, 8);
    QTest::newRow("cancelled") << "cancelled.txt" << int(Pool::kCancel) << day << ""
                               << "";
    QTest::newRow("folder missing, failed with the progress shown")
        << "no folder/book.txt" << int(Pool::kProgress) << day << "no folder/book.txt"
        << "";
    QTest::newRow("range without an entry")
        << "empty.txt" << int(Pool::kFree) << QDate(2026, 12, 7) << "nothing was exported"
        << "";
    QTest::newRow("entry unreadable, not to go on") << "book.txt" << int(Pool::kFree) << day << ""
                                                    << "2026/12/7_0.txt";
    QTest::newRow("typed path over a file, not to replace")
        << "old.txt" << int(Pool::kFree) << day << ""
        << "old.txt already exists";
  }
  void an_export_that_cannot_go_as_asked_writes_nothing() {
    QFETCH(QString, file);
    QFETCH(int, pool);
    QFETCH(QDate, to);
    QFETCH(QString, warning);
    QFETCH(QString, question);
    WriteBytes(Path(QDate(2026, 12, 8), 0), "a day");
    // An entry whose read fails, even for root: this process's memory at address 0.
    if (question.contains(QStringLiteral("7_0"))) {
      QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), Path(QDate(2026, 12, 7), 0)));
    }
    WriteBytes(QStringLiteral("old.txt"), "kept");
    auto form = Start();
    const QStringList before = Files(dir->path());
    ExportRange(*form, 3, dir->filePath(file), Pool(pool), false, QDate(2026, 12, 6), to);
    QCOMPARE(Files(dir->path()), before);
    QCOMPARE(ReadBytes(QStringLiteral("old.txt")), QByteArray("kept"));
    QVERIFY(!QFileInfo::exists(QStringLiteral("no folder")));
    QCOMPARE(prompts.warnings.size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty())
      QVERIFY2(prompts.warnings[0].contains(warning), qPrintable(prompts.warnings[0]));
    QCOMPARE(prompts.confirmations.size(), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty()) {
      QVERIFY2(prompts.confirmations[0].contains(question), qPrintable(prompts.confirmations[0]));
    }
  }

  // "~" is the home folder; a relative path, like the offered one, lies in the documents folder,
  // or in the home folder where there is none; a file there is replaced once the user says so.
  void the_file_lands_where_the_path_points_data() {
    QTest::addColumn<bool>("documents");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("offered, documents folder") << true << ""
                                               << "home/Documents/diary.txt";
    QTest::newRow("offered, no documents folder") << false << ""
                                                  << "home/diary.txt";
    QTest::newRow("home") << true << "~/x.txt"
                          << "home/x.txt";
    QTest::newRow("relative") << true << "rel.txt"
                              << "home/Documents/rel.txt";
    QTest::newRow("relative, no documents folder") << false << "a/../rel.txt"
                                                   << "home/rel.txt";
    QTest::newRow("over a file, to replace") << true << "~/old.txt"
                                             << "home/old.txt";
  }
  void the_file_lands_where_the_path_points() {
    QFETCH(bool, documents);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(dir->filePath(QStringLiteral("home"))));
    QDir().mkpath(QStringLiteral("home"));
    if (documents) QDir().mkpath(QStringLiteral("home/Documents"));
    WriteBytes(QStringLiteral("home/old.txt"), "old");
    WriteBytes(Path(QDate(2026, 12, 7), 0), "a day");
    auto form = Start();
    ExportRange(*form, 3, typed, Pool::kFree, true);
    qputenv("HOME", home);
    QVERIFY2(ReadBytes(written).contains("a day"), qPrintable(prompts.warnings.join(u'\n')));
    QCOMPARE(prompts.confirmations.size(), written.endsWith(QStringLiteral("old.txt")) ? 1 : 0);
  }

  // A day after one that ran onto a second page starts a page of its own.
  void one_day_per_page_starts_every_day_on_a_page() {
    WriteBytes(Path(QDate(2026, 12, 6), 0), QByteArray("long day\n").repeated(60));
    WriteBytes(Path(QDate(2026, 12, 7), 0), "second day");
    WriteBytes(Path(QDate(2026, 12, 8), 0), "third day");
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=1\n");
    auto form = Start();
    prompts.onDialog = [&](QDialog& dialog) {
      dialog.findChild<QCheckBox*>(QStringLiteral("ExportDayPerPage"))->setChecked(true);
      QPrinter printer;  // a day per page, on a printer as in a file
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(dir->filePath(QStringLiteral("days.pdf")));
      QVERIFY(static_cast<TExportWindow&>(dialog).PrintTo(printer));
    };
    form->findChild<QAction*>(QStringLiteral("Prin1"))->trigger();
    const auto page = [&](int n) {
      return Run(
          QStringLiteral("pdftotext"),
          {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"), QString::number(n),
           dir->filePath(QStringLiteral("days.pdf")), QStringLiteral("-")});
    };
    QVERIFY2(page(2).contains(QStringLiteral("long day")), qPrintable(page(2)));
    QVERIFY2(page(3).startsWith(QLocale().toString(QDate(2026, 12, 7), QLocale::LongFormat)),
             qPrintable(page(3)));
    QVERIFY(page(4).contains(QStringLiteral("third day")));
  }

  // The print dialog's printer and paper lay the pages out, whatever the locale's paper is.
  void print_lays_out_the_range_on_the_paper_chosen_in_the_print_dialog() {
    WriteBytes(Path(QDate(2026, 12, 8), 0), "printed day");
    auto form = Start();
    const QString file = dir->filePath(QStringLiteral("printed.pdf"));
    QStringList seen;
    prompts.onDialog = [&](QDialog& dialog) {
      seen << QString::fromLatin1(dialog.metaObject()->className());
      if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(file);
        print->printer()->setPageSize(QPageSize(QPageSize::A5));
        print->done(QDialog::Accepted);
        return;
      }
      QVERIFY(!dialog.findChild<QLineEdit*>(QStringLiteral("ExportFile"))->isVisibleTo(&dialog));
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ExportGo")), Qt::LeftButton);
    };
    form->findChild<QAction*>(QStringLiteral("Prin1"))->trigger();
    QCOMPARE(seen, (QStringList{QStringLiteral("TExportWindow"), QStringLiteral("QPrintDialog")}));
    QVERIFY(Run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")})
                .contains(QStringLiteral("printed day")));
    QVERIFY(Run(QStringLiteral("pdfinfo"), {file}).contains(QStringLiteral("(A5)")));
    QCOMPARE(form->findChild<QAction*>(QStringLiteral("Prin1"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_P));
  }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
