// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures in the text area: shown where linked without a change of the text, added by paste,
// drop and menu, placeholders for what cannot be shown, hostile files, screen readers, opening,
// the import's photos and the export.
#include "engines/pictures/pictures.h"

#include <sys/stat.h>

#include <QAccessible>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDirIterator>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <fstream>

#include "engines/import/writer.h"
#include "export/exportwindow.h"
#include "pictures/picturetextedit.h"
#include "spelling/spellchecker.h"
#include "widgets/picturereader.h"
#include "windowtest.h"

using namespace windowtest;
using State = TPictureCache::State;

namespace {

// A picture whose pixels differ, so that a copy proves itself by its pixels.
QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) line[x] = qRgb(x % 256, y % 256, (x * y) % 256);
  }
  return image;
}

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  image.save(&out, format);
  return bytes;
}

quint32 Crc32(const QByteArray& bytes) {
  quint32 crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<quint8>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

QByteArray Chunk(const char* type, const QByteArray& data) {
  QByteArray chunk;
  QDataStream out(&chunk, QIODevice::WriteOnly);
  out << static_cast<quint32>(data.size());
  const QByteArray body = QByteArray(type) + data;
  out.writeRawData(body.constData(), static_cast<int>(body.size()));
  out << Crc32(body);
  return chunk;
}

// A decompression bomb: a PNG that says it is 50,000 x 50,000 grey pixels (2.5 GB decoded),
// made of a few kilobytes of rows of zeros.
QByteArray Bomb() {
  QByteArray header;
  QDataStream out(&header, QIODevice::WriteOnly);
  out << quint32(50000) << quint32(50000) << quint8(8) << quint8(0) << quint8(0) << quint8(0)
      << quint8(0);
  const QByteArray rows(200 * 50001, '\0');
  const QByteArray zlib = qCompress(rows, 9).mid(4);  // without the toolkit's length prefix
  return QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", zlib) +
         Chunk("IEND", {});
}

long PeakKib() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// Hears what the text area asks the desktop to open.
class Viewer : public QObject {
  Q_OBJECT

 public Q_SLOTS:
  void Open(const QUrl& url) { opened << url; }

 public:
  QList<QUrl> opened;
};

}  // namespace

class PicturesTest : public WindowTest {
  Q_OBJECT

  static TPictureTextEdit* Area(TForm1& form) { return Child<TPictureTextEdit>(form, "inputarea"); }

  // Today's entry holding `text`, shown in a window on screen.
  std::unique_ptr<TForm1> Shown(const QByteArray& text) {
    WriteBytes(Path(kToday, 0), text + '\0');
    auto form = Start();
    form->show();
    return form;
  }
  // Every picture on screen decoded (each decode lays the text out again, which may ask for more).
  static bool Decoded(TForm1& form) {
    if (!QTest::qWaitForWindowExposed(&form)) return false;
    return QTest::qWaitFor(
        [&] {
          QCoreApplication::processEvents();
          return Area(form)->PendingPictures() == 0;
        },
        20000);
  }
  static QString Kept(const QString& text) {
    const QRegularExpressionMatch link =
        QRegularExpression(QStringLiteral("!\\[\\]\\((attachments/[^)]+)\\)")).match(text);
    return link.hasMatch() ? link.captured(1) : QString();
  }
  static QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden);
  }
  static unsigned Mode(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777u;
  }

 private Q_SLOTS:
  void a_shown_picture_leaves_the_text_the_modified_flag_and_the_undo_steps_as_they_were() {
    WriteBytes(QStringLiteral("attachments/wide.png"), Encoded(Pattern(1600, 1200), "PNG"));
    WriteBytes(QStringLiteral("attachments/small.jpg"), Encoded(Pattern(40, 30), "JPEG"));
    const QByteArray entry =
        "Dusk.\r\n![harbour](attachments/wide.png)\r\nthen ![](attachments/"
        "small.jpg) tea";
    auto form = Shown(entry);
    QVERIFY(Decoded(*form));
    TPictureTextEdit* area = Area(*form);
    QCOMPARE(area->PictureState(QStringLiteral("attachments/wide.png")), State::kShown);
    QCOMPARE(Text(*form),
             QString::fromLatin1(entry).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(!form->TextModified());
    QVERIFY(!area->document()->isUndoAvailable());
    QCOMPARE(area->document()->availableUndoSteps(), 0);
    QCOMPARE(area->document()->blockCount(), 3);  // no line of the text was added
    // As wide as the text area at most, its aspect kept; the small one never enlarged.
    const QRect wide = area->PictureRect(QStringLiteral("attachments/wide.png"));
    QVERIFY2(wide.width() > 100 && wide.width() <= area->viewport()->width(),
             qPrintable(QString::number(wide.width())));
    QVERIFY(qAbs(wide.height() * 4 - wide.width() * 3) <= 8);
    QCOMPARE(area->PictureRect(QStringLiteral("attachments/small.jpg")).size(), QSize(40, 30));
    // Under the line of its link, above the next line.
    QVERIFY(wide.top() >=
            area->cursorRect(QTextCursor(area->document()->findBlockByNumber(1))).bottom());
    QVERIFY(wide.bottom() <=
            area->cursorRect(QTextCursor(area->document()->findBlockByNumber(2))).top());
    // Copying the picture copies its link.
    area->selectAll();
    area->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), Text(*form));
    QVERIFY(!form->TextModified());
    form->findChild<QAction*>(QStringLiteral("Exi1"))->trigger();
    form.reset();
    QCOMPARE(prompts.questions, 0);
    QCOMPARE(ReadBytes(Path(kToday, 0)), entry + '\0');
  }

  void thumbnails_are_kept_by_content_outside_the_diary_and_shown_from_there_next_time() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                          QStringLiteral("/pictures");
    QDir(cache).removeRecursively();
    const QByteArray bytes = Encoded(Pattern(900, 600), "PNG");
    WriteBytes(QStringLiteral("attachments/a.png"), bytes);
    const QString key = QString::fromStdString(marrowleaf::ContentKey(bytes.toStdString()));
    {
      auto form = Shown("![](attachments/a.png)");
      QVERIFY(Decoded(*form));
      QCOMPARE(Area(*form)->PictureState(QStringLiteral("attachments/a.png")), State::kShown);
    }
    const QStringList kept = QDir(cache).entryList({key + QStringLiteral("-*")}, QDir::Files);
    QVERIFY2(kept.size() == 1, qPrintable(kept.join(QLatin1Char(' '))));
    // The diary holds what it held, and the settings: no cache.
    QStringList diary;
    QDirIterator all(QStringLiteral("."), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (all.hasNext()) diary << all.next();
    diary.sort();
    QCOMPARE(diary,
             (QStringList{QStringLiteral("./2026/12/8_0.txt"),
                          QStringLiteral("./attachments/a.png"), QStringLiteral("./config.ini")}));
    // Next time the thumbnail is taken as it is kept (here made all red), not decoded again.
    QImage red(QImage(cache + QLatin1Char('/') + kept[0]).size(), QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(cache + QLatin1Char('/') + kept[0]));
    auto form = Shown("![](attachments/a.png)");
    QVERIFY(Decoded(*form));
    TPictureTextEdit* area = Area(*form);
    const QRect shown = area->PictureRect(QStringLiteral("attachments/a.png"));
    const QColor seen = area->viewport()->grab().toImage().pixelColor(shown.center());
    QVERIFY2(seen.red() > 240 && seen.green() < 16 && seen.blue() < 16, qPrintable(seen.name()));
  }

  void a_pasted_picture_is_kept_once_as_a_private_png_and_linked_at_the_cursor() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nAUTOSAVE=1\n");
    auto form = Shown("x");
    QVERIFY(Decoded(*form));
    TPictureTextEdit* area = Area(*form);
    area->moveCursor(QTextCursor::End);
    const QImage picture = Pattern(64, 48);
    QGuiApplication::clipboard()->setImage(picture);
    area->paste();
    const QString path = Kept(Text(*form));
    QVERIFY2(path.startsWith(QStringLiteral("attachments/2026/12/8_0/")), qPrintable(Text(*form)));
    QCOMPARE(Text(*form), QStringLiteral("x![](") + path + QLatin1Char(')'));
    QVERIFY(form->TextModified());
    QVERIFY(area->document()->isUndoAvailable());
    QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), picture);
    QVERIFY(path.endsWith(QStringLiteral(".png")));
    QCOMPARE(Mode(path), 0600u);
    QCOMPARE(Mode(QStringLiteral("attachments/2026/12/8_0")), 0700u);
    QCOMPARE(Mode(QStringLiteral("attachments")), 0700u);
    // The same picture again: a second link, still one file.
    area->paste();
    QCOMPARE(Text(*form).count(path), 2);
    QCOMPARE(Files(QStringLiteral("attachments/2026/12/8_0")).size(), 1);
    QTRY_COMPARE(area->PictureState(path), State::kShown);
    // Saved with the entry, by a path relative to the diary; undone as typing is, the file kept.
    form->SaveEntryIfModified();
    QCOMPARE(ReadBytes(Path(kToday, 0)), (Text(*form) + QLatin1Char('\0')).toUtf8());
    area->undo();
    QCOMPARE(Text(*form), QStringLiteral("x"));
    QVERIFY(QFile::exists(path));
  }

  void a_dropped_picture_file_is_copied_with_its_own_bytes_and_a_fifo_or_text_is_not() {
    auto form = Shown("");
    QVERIFY(Decoded(*form));
    TPictureTextEdit* area = Area(*form);
    QTemporaryDir elsewhere;
    const QString photo = elsewhere.filePath(QStringLiteral("Photo 1.JPG"));
    const QByteArray bytes = Encoded(Pattern(120, 80), "JPEG");
    WriteBytes(photo, bytes);
    const QString fifo = elsewhere.filePath(QStringLiteral("pipe.png"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString notes = elsewhere.filePath(QStringLiteral("notes.png"));
    WriteBytes(notes, "not a picture");
    const auto drop = [&](const QString& file) {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(file)});
      const QPoint at = area->cursorRect().center();
      QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(area->viewport(), &enter);
      QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(area->viewport(), &dropped);
    };
    drop(photo);
    const QString path = Kept(Text(*form));
    QCOMPARE(path,
             QStringLiteral("attachments/2026/12/8_0/") +
                 QString::fromStdString(marrowleaf::PictureFileName(bytes.toStdString(), "jpg")));
    QCOMPARE(ReadBytes(path), bytes);
    QVERIFY(prompts.warnings.isEmpty());
    const QString before = Text(*form);
    drop(fifo);  // returns: nothing waits for a writer
    drop(notes);
    QCOMPARE(Text(*form), before);
    QCOMPARE(prompts.warnings.size(), 2);
    QVERIFY2(prompts.warnings[0].contains(QStringLiteral("pipe.png")),
             qPrintable(prompts.warnings[0]));
    QVERIFY(prompts.warnings[1].contains(QStringLiteral("not a picture")));
    QCOMPARE(Files(QStringLiteral("attachments/2026/12/8_0")).size(), 1);
  }

  void insert_picture_chooses_a_file_from_the_file_menu_or_the_context_menu() {
    QTemporaryDir elsewhere;
    const QString photo = elsewhere.filePath(QStringLiteral("夏.png"));
    WriteBytes(photo, Encoded(Pattern(30, 20), "PNG"));
    auto form = Start();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* insert = form->findChild<QAction*>(QStringLiteral("Pict1"));
    QVERIFY(!insert->isEnabled());  // no entry yet: nowhere to keep a picture
    Click(*form, "Button_create");
    QVERIFY(insert->isEnabled());
    // In the File menu above Exit.
    const QList<QAction*> items = Child<QMenu>(*form, "N1")->actions();
    QVERIFY(items.indexOf(insert) >= 0);
    QVERIFY(items.indexOf(insert) <
            items.indexOf(form->findChild<QAction*>(QStringLiteral("Exi1"))));
    prompts.chosenFile = photo;
    insert->trigger();
    QCOMPARE(prompts.chooserTitles, QStringList{QStringLiteral("Insert Picture")});
    const QString path = Kept(Text(*form));
    QVERIFY2(path.endsWith(QStringLiteral(".png")), qPrintable(Text(*form)));
    QCOMPARE(ReadBytes(path), ReadBytes(photo));
    // The context menu offers the same, and opens the picture its link names.
    TPictureTextEdit* area = Area(*form);
    QTRY_COMPARE(area->PictureState(path), State::kShown);
    QTextCursor inLink = area->textCursor();
    inLink.setPosition(3);
    area->setTextCursor(inLink);
    auto* spelling = form->findChild<TSpellChecker*>(QStringLiteral("Spelling"));
    QContextMenuEvent request(QContextMenuEvent::Keyboard, area->cursorRect().center(),
                              area->viewport()->mapToGlobal(area->cursorRect().center()));
    std::unique_ptr<QMenu> menu(spelling->CreateContextMenu(request));
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("InsertPicture")));
    QAction* open = menu->findChild<QAction*>(QStringLiteral("OpenPicture"));
    QVERIFY(open);
    Viewer viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "Open");
    open->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(viewer.opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())});
  }

  void
  double_click_or_enter_inside_the_link_opens_the_picture_and_enter_elsewhere_breaks_the_line() {
    WriteBytes(QStringLiteral("a.png"), Encoded(Pattern(200, 100), "PNG"));
    auto form = Shown("![](a.png)");
    QVERIFY(Decoded(*form));
    TPictureTextEdit* area = Area(*form);
    Viewer viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "Open");
    QTest::mouseDClick(area->viewport(), Qt::LeftButton, {},
                       area->PictureRect(QStringLiteral("a.png")).center());
    QTextCursor inside = area->textCursor();
    inside.setPosition(4);
    area->setTextCursor(inside);
    QTest::keyClick(area, Qt::Key_Return);
    QCOMPARE(Text(*form), QStringLiteral("![](a.png)"));
    area->moveCursor(QTextCursor::End);
    QTest::keyClick(area, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    const QUrl file = QUrl::fromLocalFile(QFileInfo(QStringLiteral("a.png")).absoluteFilePath());
    QCOMPARE(viewer.opened, (QList<QUrl>{file, file}));
    QCOMPARE(Text(*form), QStringLiteral("![](a.png)\n"));
  }

  void a_picture_that_cannot_be_shown_is_a_line_naming_its_file_and_no_message() {
    WriteBytes(QStringLiteral("../outside.png"), Encoded(Pattern(10, 10), "PNG"));
    WriteBytes(QStringLiteral("notes.png"), "plain text");
    WriteBytes(QStringLiteral("damaged.png"), Encoded(Pattern(50, 50), "PNG").left(60));
    WriteBytes(QStringLiteral("drawing.svg"), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    const struct {
      const char* path;
      State state;
      const char* heard;
    } rows[] = {
        {"missing.png", State::kMissing, "Picture not found: missing.png"},
        {"../outside.png", State::kOutside, "Picture outside the diary: outside.png"},
        {"https://example.org/a.png", State::kOutside, "Picture outside the diary: a.png"},
        {"notes.png", State::kNotPicture, "Not a picture: notes.png"},
        {"drawing.svg", State::kNotPicture, "Not a picture: drawing.svg"},
        {"damaged.png", State::kUnreadable, "Picture cannot be shown: damaged.png"},
    };
    QByteArray entry;
    for (const auto& row : rows) entry += QByteArray("![](") + row.path + ")\r\n";
    auto form = Shown(entry);
    QVERIFY(Decoded(*form));
    TPictureTextEdit* area = Area(*form);
    QStringList heard;
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(area);
    for (int i = 0; i < access->childCount(); ++i) {
      if (access->child(i)->role() == QAccessible::Graphic)
        heard << access->child(i)->text(QAccessible::Name);
    }
    for (size_t i = 0; i < std::size(rows); ++i) {
      const QString path = QString::fromLatin1(rows[i].path);
      QCOMPARE(area->PictureState(path), rows[i].state);
      QVERIFY2(area->PictureRect(path).height() < 2 * area->fontMetrics().lineSpacing(),
               rows[i].path);
      QCOMPARE(heard.value(static_cast<int>(i)), QString::fromLatin1(rows[i].heard));
    }
    QVERIFY(prompts.warnings.isEmpty());
    QCOMPARE(prompts.exceptions, QStringList());
  }

  void a_decompression_bomb_and_a_fifo_neither_hang_nor_grow_memory_past_the_limit() {
    WriteBytes(QStringLiteral("attachments/bomb.png"), Bomb());
    QCOMPARE(::mkfifo("attachments/fifo.png", 0600), 0);
    WriteBytes(QStringLiteral("attachments/fine.png"), Encoded(Pattern(20, 20), "PNG"));
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
    const long before = PeakKib();
    auto form = Shown(
        "![](attachments/bomb.png)\r\n![](attachments/fifo.png)\r\n"
        "![](attachments/fine.png)");
    QVERIFY(Decoded(*form));
    TPictureTextEdit* area = Area(*form);
    QCOMPARE(area->PictureState(QStringLiteral("attachments/bomb.png")), State::kUnreadable);
    QCOMPARE(area->PictureState(QStringLiteral("attachments/fifo.png")), State::kUnreadable);
    QCOMPARE(area->PictureState(QStringLiteral("attachments/fine.png")), State::kShown);
    const long grown = PeakKib() - before;
    QVERIFY2(grown < kPictureMemoryLimitMiB * 1024, qPrintable(QString::number(grown)));
  }

  void a_screen_reader_hears_picture_and_the_alt_text_or_the_file_name() {
    WriteBytes(QStringLiteral("a.png"), Encoded(Pattern(20, 20), "PNG"));
    WriteBytes(QStringLiteral("photos/b.jpeg"), Encoded(Pattern(20, 20), "JPEG"));
    auto form = Shown("![a harbour at dusk](a.png) and ![](photos/b.jpeg)");
    QVERIFY(Decoded(*form));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(Area(*form));
    QStringList heard;
    for (int i = 0; i < access->childCount(); ++i) {
      QAccessibleInterface* child = access->child(i);
      if (child->role() != QAccessible::Graphic) continue;
      heard << child->text(QAccessible::Name);
      QCOMPARE(access->indexOfChild(child), i);
      QVERIFY(!child->rect().isEmpty());
    }
    QCOMPARE(heard, (QStringList{QStringLiteral("Picture: a harbour at dusk"),
                                 QStringLiteral("Picture: b.jpeg")}));
  }

  void a_sync_tools_conflict_copy_shows_the_same_pictures_in_the_history() {
    WriteBytes(QStringLiteral("attachments/a.png"), Encoded(Pattern(80, 60), "PNG"));
    WriteBytes(Path(kToday, 0), QByteArray("mine\0", 5));
    WriteBytes(QStringLiteral("2026/12/8_0.sync-conflict-20261208-101530-ABCDEFG.txt"),
               "theirs\r\n![](attachments/a.png)");
    auto form = Start();
    bool seen = false;
    prompts.onDialog = [&](QDialog& dialog) {
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("HistoryList"));
      auto* preview = dialog.findChild<TPictureTextEdit*>(QStringLiteral("HistoryPreview"));
      for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        if (!preview->toPlainText().startsWith(QStringLiteral("theirs"))) continue;
        QTRY_COMPARE(preview->PictureState(QStringLiteral("attachments/a.png")), State::kShown);
        QTRY_COMPARE(preview->PictureRect(QStringLiteral("attachments/a.png")).size(),
                     QSize(80, 60));
        seen = true;
      }
    };
    form->findChild<QAction*>(QStringLiteral("Hist1"))->trigger();
    QVERIFY(seen);
  }

  void the_photos_of_an_imported_day_one_export_show_in_their_entries() {
    // Day One's export: its journal, and each photo named by its MD5 in photos/.
    const QByteArray photo = Encoded(Pattern(300, 200), "JPEG");
    const QString md5 =
        QString::fromLatin1(QCryptographicHash::hash(photo, QCryptographicHash::Md5).toHex());
    QTemporaryDir source;
    WriteBytes(source.filePath(QStringLiteral("photos/") + md5 + QStringLiteral(".jpeg")), photo);
    WriteBytes(source.filePath(QStringLiteral("Journal.json")),
               "{\"metadata\": {\"version\": \"1.0\"}, \"entries\": [{\"uuid\": \"A1\", "
               "\"creationDate\": \"2026-12-08T09:00:00Z\", \"timeZone\": \"UTC\", "
               "\"text\": \"Harbour\\n\\n![](dayone-moment://P1)\", "
               "\"photos\": [{\"identifier\": \"P1\", \"md5\": \"" +
                   md5.toLatin1() + "\", \"type\": \"jpeg\"}]}]}");
    const marrowleaf::import::Source diary =
        marrowleaf::import::ReadSource(source.path().toStdString());
    const marrowleaf::import::Plan plan =
        marrowleaf::import::MakePlan(".", diary, {QStringLiteral("Diary")}, 0);
    QCOMPARE(marrowleaf::import::ApplyPlan(".", diary, plan).written, size_t(1));
    auto form = Start();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QString path = Kept(Text(*form));
    QVERIFY2(!path.isEmpty(), qPrintable(Text(*form)));
    QTRY_COMPARE(Area(*form)->PictureState(path), State::kShown);
    QTRY_VERIFY(Area(*form)->PictureRect(path).width() == 300);
  }

  void an_export_leads_html_to_the_pictures_bytes_and_draws_them_in_a_pdf() {
    const QByteArray bytes = Encoded(Pattern(64, 64), "PNG");
    WriteBytes(QStringLiteral("attachments/a.png"), bytes);
    WriteBytes(Path(kToday, 0), "Harbour\r\n![dusk](attachments/a.png)");
    QTemporaryDir out;
    const auto run = [&](marrowleaf::ExportFormat format, const QString& name) {
      const TExportJob job{
          ".",    {kToday, kToday, {true}},
          format, {QStringLiteral("T"), QStringLiteral("R"), QLocale::c(), {}, false},
          false,  QFile::encodeName(out.filePath(name)).toStdString(),
          false};
      const bool written = RunExportJob(job, [](int, int) { return true; }).result ==
                           TExportOutcome::Result::kWritten;
      return written ? ReadBytes(out.filePath(name)) : QByteArray();
    };
    const QByteArray html = run(marrowleaf::ExportFormat::kHtml, QStringLiteral("diary.html"));
    const QRegularExpressionMatch image =
        QRegularExpression(QStringLiteral("<img src=\"([^\"]+)\" alt=\"dusk\">"))
            .match(QString::fromUtf8(html));
    QVERIFY2(image.hasMatch(), html.constData());
    QCOMPARE(ReadBytes(out.filePath(image.captured(1))), bytes);
    const QByteArray pdf = run(marrowleaf::ExportFormat::kPdf, QStringLiteral("diary.pdf"));
    QVERIFY(pdf.contains("/Subtype /Image"));
    const QByteArray text = run(marrowleaf::ExportFormat::kPlainText, QStringLiteral("diary.txt"));
    QVERIFY(text.contains("![dusk](attachments/a.png)"));
  }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
