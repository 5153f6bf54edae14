// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Export… and Print…: a range of days into a file of each format, whole or not at all.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QSemaphore>
#include <QThreadPool>

#include "export/exportwindow.h"
#include "windowtest.h"

using namespace windowtest;

class ExportTest : public WindowTest {
  Q_OBJECT

  // Fills the export window in as a user would and runs it to its end.
  void ExportRange(TForm1& form, int format, const QString& file, bool cancel = false) {
    prompts.onDialog = [&](QDialog& dialog) {
      auto& window = static_cast<TExportWindow&>(dialog);
      dialog.findChild<QDateEdit*>(QStringLiteral("ExportFrom"))->setDate(QDate(2026, 12, 7));
      dialog.findChild<QDateEdit*>(QStringLiteral("ExportTo"))->setDate(QDate(2026, 12, 8));
      dialog.findChild<QComboBox*>(QStringLiteral("ExportFormat"))->setCurrentIndex(format);
      dialog.findChild<QLineEdit*>(QStringLiteral("ExportFile"))->setText(file);
      // A label's shortcut reaches its field, which a screen reader names by the label.
      for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().contains(QLatin1Char('&'))) continue;
        QVERIFY2(label->buddy(), qPrintable(label->text()));
        QCOMPARE(label->buddy()->accessibleName(), QString(label->text()).remove(QLatin1Char('&')));
      }
      QSemaphore hold;
      if (cancel) {  // the pool is busy: the export is cancelled before it starts
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        QThreadPool::globalInstance()->start([&hold] { hold.acquire(); });
      }
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ExportGo")), Qt::LeftButton);
      if (cancel) {
        window.Cancel();
        hold.release();
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

  void a_cancelled_or_failed_export_leaves_no_file() {
    WriteBytes(Path(QDate(2026, 12, 7), 0), "a day");
    auto form = Start();
    const QString file = dir->filePath(QStringLiteral("cancelled.txt"));
    ExportRange(*form, 3, file, true);
    QVERIFY(!QFile::exists(file));
    QVERIFY(prompts.warnings.isEmpty());
    const QString nowhere = dir->filePath(QStringLiteral("no folder/book.txt"));
    ExportRange(*form, 3, nowhere);
    QCOMPARE(prompts.warnings.size(), 1);
    QVERIFY2(prompts.warnings[0].contains(nowhere), qPrintable(prompts.warnings[0]));
    QVERIFY(!QFileInfo::exists(QFileInfo(nowhere).path()));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("config.ini")});
  }

  void print_lays_out_the_same_range() {
    WriteBytes(Path(QDate(2026, 12, 8), 0), "printed day");
    auto form = Start();
    bool checked = false;
    prompts.onDialog = [&](QDialog& dialog) {
      QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("ExportGo"))->text(),
               QStringLiteral("&Print"));
      QVERIFY(!dialog.findChild<QLineEdit*>(QStringLiteral("ExportFile"))->isVisibleTo(&dialog));
      QPrinter printer;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(dir->filePath(QStringLiteral("printed.pdf")));
      static_cast<TExportWindow&>(dialog).PrintTo(printer);
      checked = true;
    };
    form->findChild<QAction*>(QStringLiteral("Prin1"))->trigger();
    QVERIFY(checked);
    QVERIFY(Run(QStringLiteral("pdftotext"),
                {dir->filePath(QStringLiteral("printed.pdf")), QStringLiteral("-")})
                .contains(QStringLiteral("printed day")));
    QCOMPARE(form->findChild<QAction*>(QStringLiteral("Prin1"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_P));
  }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
