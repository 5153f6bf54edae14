// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editing cycle: the first start, tabs and their marks, create, the save step, autosave,
// encodings, and what the application object shows.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QMenu>
#include <QMessageBox>
#include <QStyleOptionButton>
#include <QTextDocument>

#include "app/messageboxprompts.h"
#include "app/translations.h"
#include "entries/drafts.h"
#include "text/dates.h"
#include "windowtest.h"

using namespace windowtest;

class EditingTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void first_start_shows_today_one_tab_and_the_placeholder() {
    {
      auto form = Start();
      QCOMPARE(form->windowTitle(), QStringLiteral("Marrowleaf v0.02a"));
      QCOMPARE(Captions(*form), QStringList{QStringLiteral("Diary")});
      QCOMPARE(Text(*form), QStringLiteral("File does not exist. push 'create' button."));
      QVERIFY(Child<QPlainTextEdit>(*form, "inputarea")->isReadOnly());
      const QDate today = kToday;
      QCOMPARE(Shown(*form), today);
      const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
      QCOMPARE(Child<QLabel>(*form, "Label_date")->text(),
               QStringLiteral("%1 %2/%3 (%4)")
                   .arg(today.year())
                   .arg(today.month())
                   .arg(today.day())
                   .arg(QLatin1String(names[today.dayOfWeek() % 7])));
      QVERIFY(Child<QStatusBar>(*form, "StatusBar1")->currentMessage().isEmpty());
      QCOMPARE(Child<QWidget>(*form, "Panel1")->width(), 193);
      // The fixed controls keep their places, and each shows its whole caption inside its frame.
      QCOMPARE(Child<QWidget>(*form, "Button_launch_editor")->geometry(), QRect(8, 232, 75, 25));
      for (QPushButton* button : Child<QWidget>(*form, "Panel1")->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < room,
                 qPrintable(button->text()));
      }
      for (const char* name :
           {"MainMenu1", "N1", "Exi1", "Panel2", "calender", "Button_prev_year", "Button_next_year",
            "Button_prev_month", "Button_next_month", "Button_today", "Button_launch_editor",
            "Button_create", "CheckBox_autosave"}) {
        QVERIFY2(form->findChild<QObject*>(QString::fromLatin1(name)), name);
      }
      Child<QCalendarWidget>(*form, "calender")->setSelectedDate(QDate(2004, 2, 4));
      QCOMPARE(Child<QLabel>(*form, "Label_date")->text().section(QLatin1Char(' '), 0, 0),
               QString::number(today.year()));  // the label shows today, not the calendar's date
    }
    QCOMPARE(prompts.questions, 0);
    QVERIFY(
        ReadBytes(QStringLiteral("config.ini"))
            .startsWith(QByteArray("[GENERAL]\r\nAUTOSAVE = 0\r\nEDITOR = notepad.exe\r\nN_TABS = "
                                   "0\r\nSAVE_DIR = .\r\n\r\n[WINDOW]\r\n")));
  }

  // Every control keeps its caption as its name and says what it does; "create" announces the
  // "+" it adds.
  void controls_are_named_and_described_for_screen_readers() {
    auto form = Start();
    const struct {
      const char* object;
      const char* name;
      const char* description;
    } rows[] = {{"Button_prev_year", "<<", "Previous year"},
                {"Button_next_year", ">>", "Next year"},
                {"Button_prev_month", "<", "Previous month"},
                {"Button_next_month", ">", "Next month"},
                {"Button_today", "today", "Show today"},
                {"Button_launch_editor", "launch editor", "Open this entry in the external editor"},
                {"Button_create", "create", "Create this day's entry"},
                {"CheckBox_autosave", "autosave without confirm", "Save without asking"},
                {"inputarea", "No entry yet for", "The text of the shown entry"}};
    for (const auto& row : rows) {
      QAccessibleInterface* control =
          QAccessible::queryAccessibleInterface(Child<QWidget>(*form, row.object));
      QVERIFY2(control, row.object);
      QVERIFY2(control->text(QAccessible::Name).startsWith(QString::fromUtf8(row.name)),
               qPrintable(control->text(QAccessible::Name)));
      QVERIFY2(
          control->text(QAccessible::Description).startsWith(QString::fromUtf8(row.description)),
          row.object);
    }
    // What a screen reader hears once "create" made the entry: the tab's new name ("+"), and
    // the text area's name. The offscreen platform's accessibility has no screen reader behind
    // it; switched on, it hands every event to the handler.
    static QList<QPair<QAccessible::Event, int>> heard;  // the handler is a plain function
    heard.clear();
    QPlatformAccessibility* bridge = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(bridge);
    const QAccessible::UpdateHandler before =
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
          if (qobject_cast<QTabBar*>(event->object()))
            heard.append({event->type(), event->child()});
        });
    bridge->setActive(true);
    Click(*form, "Button_create");
    bridge->setActive(false);
    QAccessible::installUpdateHandler(before);
    QVERIFY(heard.contains(qMakePair(QAccessible::NameChanged, 0)));
    QVERIFY2(Child<QWidget>(*form, "inputarea")
                 ->accessibleName()
                 .startsWith(QStringLiteral("Entry of ")),
             qPrintable(Child<QWidget>(*form, "inputarea")->accessibleName()));
    QCOMPARE(Captions(*form), QStringList{QStringLiteral("+Diary")});
  }

  void tab_captions_mark_existing_entries_and_keep_the_selection() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=3\nTAB0=A\nTAB1=B\nTAB2=C\n");
    const QDate today = kToday;
    WriteBytes(Path(today, 0), QByteArray("zero\0", 5));
    WriteBytes(Path(today, 2), "two");
    auto form = Start();
    QCOMPARE(Captions(*form),
             (QStringList{QStringLiteral("+A"), QStringLiteral("B"), QStringLiteral("+C")}));
    QCOMPARE(Text(*form), QStringLiteral("zero"));
    auto* tabs = Child<QTabBar>(*form, "tabheader");
    tabs->setCurrentIndex(2);  // as the user's click
    QCOMPARE(Text(*form), QStringLiteral("two"));
    form->RebuildTabCaptions();
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(prompts.questions, 0);
  }

  void create_type_and_exit_asks_once_and_saves_on_yes() {
    QFETCH(bool, yes);
    const QDate today = kToday;
    {
      auto form = Start();
      Click(*form, "Button_create");
      QCOMPARE(Captions(*form), QStringList{QStringLiteral("+Diary")});
      QCOMPARE(Text(*form), QString());
      QVERIFY(!Child<QPlainTextEdit>(*form, "inputarea")->isReadOnly());
      QVERIFY(form->EntryLoaded() && !form->TextModified());
      Type(*form, QStringLiteral("dear diary\nline two"));
      QVERIFY(form->TextModified());
      prompts.answers = {yes};
      form->close();
    }
    QCOMPARE(prompts.questions, 1);
    QCOMPARE(ReadBytes(Path(today, 0)),
             yes ? QByteArray("dear diary\r\nline two\0", 21) : QByteArray());
    QVERIFY(ReadBytes(QStringLiteral("config.ini")).contains("WIDTH = "));
    QCOMPARE(QFileInfo(Path(today, 0)).permissions() & 0x0077, QFile::Permissions());
  }
  void create_type_and_exit_asks_once_and_saves_on_yes_data() { AnswerRows(); }

  void autosave_saves_without_a_question_from_the_next_save_point_on() {
    const QDate today = kToday;
    WriteBytes(Path(today, 0), QByteArray("abcdef\0", 7));
    auto form = Start();
    QCOMPARE(Text(*form), QStringLiteral("abcdef"));
    Child<QPlainTextEdit>(*form, "inputarea")->setPlainText(QStringLiteral("ab"));
    Child<QCheckBox>(*form, "CheckBox_autosave")->setChecked(true);
    Click(*form, "Button_today");
    QCOMPARE(prompts.questions, 0);
    QCOMPARE(ReadBytes(Path(today, 0)), QByteArray("ab\0", 3));
    QCOMPARE(Text(*form), QStringLiteral("ab"));
    form.reset();
    QVERIFY(ReadBytes(QStringLiteral("config.ini")).contains("AUTOSAVE = 1"));
  }

  void changing_tabs_saves_into_the_entry_shown_until_now() {
    QFETCH(bool, yes);
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=2\n");
    const QDate today = kToday;
    WriteBytes(Path(today, 0), QByteArray("old\0", 4));
    auto form = Start();
    Type(*form, QStringLiteral(" new"));
    prompts.answers = {yes};
    Child<QTabBar>(*form, "tabheader")->setCurrentIndex(1);
    QCOMPARE(prompts.questions, 1);
    QCOMPARE(ReadBytes(Path(today, 0)), yes ? QByteArray("old new\0", 8) : QByteArray("old\0", 4));
    QCOMPARE(Text(*form), QStringLiteral("File does not exist. push 'create' button."));
    QVERIFY(!QFile::exists(Path(today, 1)));
    // Leaving a tab without an entry asks nothing and writes nothing.
    Child<QTabBar>(*form, "tabheader")->setCurrentIndex(0);
    QCOMPARE(prompts.questions, 1);
    QVERIFY(!QFile::exists(Path(today, 1)));
  }
  void changing_tabs_saves_into_the_entry_shown_until_now_data() { AnswerRows(); }

  // Five texts saved one after another: the history window lists every one, the newest first
  // (the entry file itself at the top), and Restore brings one back as a change, which the next
  // save writes while keeping the text it replaces.
  void every_saved_text_comes_back_from_the_history_window() {
    WriteBytes(Path(kToday, 0), QByteArray());
    auto form = Start();
    Child<QCheckBox>(*form, "CheckBox_autosave")->setChecked(true);
    const QStringList saved{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                            QStringLiteral("four"), QStringLiteral("five")};
    for (const QString& text : saved) {
      Child<QPlainTextEdit>(*form, "inputarea")->setPlainText(text);
      Click(*form, "Button_today");
    }
    QStringList listed;
    prompts.onDialog = [&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("HistoryList"));
      auto* preview = dialog.findChild<QPlainTextEdit*>(QStringLiteral("HistoryPreview"));
      for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        listed << preview->toPlainText();
        QVERIFY(!list->item(row)->data(Qt::AccessibleTextRole).toString().contains(QChar(0xB7)));
      }
      list->setCurrentRow(3);  // "two"
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("HistoryRestore")),
                        Qt::LeftButton);
    };
    form->findChild<QAction*>(QStringLiteral("Hist1"))->trigger();
    QCOMPARE(prompts.dialogs, 1);
    QCOMPARE(listed, (QStringList{saved[4], saved[3], saved[2], saved[1], saved[0]}));
    QCOMPARE(Text(*form), QStringLiteral("two"));
    QVERIFY(form->TextModified());
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("five\0", 5));  // nothing saved yet
    Click(*form, "Button_today");
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("two\0", 4));
    listed.clear();
    prompts.onDialog = [&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("HistoryList"));
      list->setCurrentRow(1);
      listed << dialog.findChild<QPlainTextEdit*>(QStringLiteral("HistoryPreview"))->toPlainText();
    };
    form->findChild<QAction*>(QStringLiteral("Hist1"))->trigger();
    QCOMPARE(listed, QStringList{saved[4]});  // the replaced text is the newest version
    QVERIFY(prompts.warnings.isEmpty());
    // With no entry shown the window says so.
    Child<QCalendarWidget>(*form, "calender")->setSelectedDate(kToday.addDays(1));
    prompts.onDialog = [&](QDialog& dialog) {
      listed = {dialog.findChild<QLabel*>(QStringLiteral("HistoryStatus"))->text()};
      QCOMPARE(dialog.findChild<QListWidget*>(QStringLiteral("HistoryList"))->count(), 0);
    };
    form->findChild<QAction*>(QStringLiteral("Hist1"))->trigger();
    QVERIFY2(listed.first().startsWith(QStringLiteral("No entry is shown")),
             qPrintable(listed.first()));
  }

  // A draft an earlier run left (it was killed, or the session ended without autosave): the
  // start names its entry, the history window offers it, and a save of it removes it.
  void a_draft_left_by_an_earlier_run_is_announced_and_restorable() {
    WriteBytes(Path(kToday, 0), QByteArray("saved\0", 6));
    // The path the program gives the entry: the diary folder "." under the current folder.
    const std::string entry =
        QString(QDir::currentPath() + QStringLiteral("/./") + Path(kToday, 0)).toStdString();
    const std::string drafts =
        QString(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                QStringLiteral("/drafts"))
            .toStdString();
    QVERIFY(marrowleaf::WriteDraft(drafts, entry, QByteArray("saved and typed\0", 16).toStdString())
                .ok);
    auto form = Start();
    QCoreApplication::sendPostedEvents();
    QVERIFY(prompts.warnings.isEmpty());  // told once the window is on screen, over it
    form->show();
    QTRY_COMPARE(prompts.warnings.size(), 1);
    QVERIFY2(prompts.warnings.first().contains(marrowleaf::ShortDate(kToday, QLocale()) +
                                               QStringLiteral(", tab \"Diary\"")),
             qPrintable(prompts.warnings.first()));
    QCOMPARE(Text(*form), QStringLiteral("saved"));  // nothing restored without the user
    QString offered;
    prompts.onDialog = [&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("HistoryList"));
      offered = list->item(1)->text();
      list->setCurrentRow(1);
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("HistoryRestore")),
                        Qt::LeftButton);
    };
    form->findChild<QAction*>(QStringLiteral("Hist1"))->trigger();
    QVERIFY2(offered.startsWith(QStringLiteral("unsaved text from")), qPrintable(offered));
    QCOMPARE(Text(*form), QStringLiteral("saved and typed"));
    prompts.answers = {true};
    Click(*form, "Button_today");
    QCOMPARE(ReadBytes(Path(kToday, 0)), QByteArray("saved and typed\0", 16));
    QVERIFY(marrowleaf::FindDraft(drafts, entry).path.empty());
  }

  void create_on_an_existing_entry_leaves_the_text_alone() {
    const QDate today = kToday;
    WriteBytes(Path(today, 0), "kept");
    auto form = Start();
    Type(*form, QStringLiteral("!"));
    Click(*form, "Button_create");
    QCOMPARE(Text(*form), QStringLiteral("kept!"));
    QVERIFY(form->TextModified());
    prompts.answers = {false};
  }

  void entries_in_any_encoding_survive_an_edit_byte_for_byte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("shift-jis") << QByteArray::fromStdString(entrysamples::kShiftJis);
    QTest::newRow("utf-8") << QByteArray::fromStdString(entrysamples::kUtf8);
    QTest::newRow("breaks") << QByteArray::fromStdString(entrysamples::kUtf8BreakLike);
    QTest::newRow("bytes") << QByteArray::fromStdString(entrysamples::EveryByteButNul());
    QTest::newRow("LF lines") << QByteArray("one\ntwo\n");
  }
  void entries_in_any_encoding_survive_an_edit_byte_for_byte() {
    QFETCH(QByteArray, bytes);
    const QDate today = kToday;
    WriteBytes(Path(today, 0), bytes + '\0');
    auto form = Start();
    Type(*form, QStringLiteral("x"));
    QTest::keyClick(Child<QPlainTextEdit>(*form, "inputarea"), Qt::Key_Backspace);
    QVERIFY(form->TextModified());
    prompts.answers = {true};
    Click(*form, "Button_today");
    QCOMPARE(prompts.questions, 1);
    QCOMPARE(ReadBytes(Path(today, 0)), bytes + '\0');
  }

  void a_shift_jis_entry_shows_its_characters_and_takes_new_ones_as_utf8() {
    const QDate today = kToday;
    WriteBytes(Path(today, 0), QByteArray::fromStdString(entrysamples::kShiftJis));
    auto form = Start();
    const QString expected = QStringLiteral("日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ\n二行目");
    QCOMPARE(Text(*form), expected);
    QCOMPARE(form->ShownFormat().encoding, marrowleaf::EntryEncoding::kShiftJis);
    Type(*form, QStringLiteral("\n\U0001F600"));
    prompts.answers = {true};
    Click(*form, "Button_today");
    QString saved = expected + QStringLiteral("\n\U0001F600");
    saved.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QCOMPARE(ReadBytes(Path(today, 0)), saved.toUtf8() + '\0');
    QCOMPARE(form->ShownFormat().encoding, marrowleaf::EntryEncoding::kUtf8);
  }

  void the_installed_icon_is_the_window_icon() {
    const QImage installed(
        QStringLiteral(MARROWLEAF_SOURCE_DIR "/packaging/icons/org.marrowleaf.Marrowleaf.png"));
    QCOMPARE(installed.size(), QSize(16, 16));
    const QImage painted = MarrowleafIcon().pixmap(16, 16).toImage();
    QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32),
             painted.convertToFormat(QImage::Format_ARGB32));
  }

  void the_exception_display_adds_a_full_stop_after_letters_digits_and_question_marks() {
    QCOMPARE(TApplication::ExceptionText(QStringLiteral("bad date")), QStringLiteral("bad date."));
    QCOMPARE(TApplication::ExceptionText(QStringLiteral("year 0")), QStringLiteral("year 0."));
    QCOMPARE(TApplication::ExceptionText(QStringLiteral("why?")), QStringLiteral("why?."));
    for (const char* kept : {"done.", "space ", "bang!", "(paren)", ""}) {
      QCOMPARE(TApplication::ExceptionText(QString::fromLatin1(kept)), QString::fromLatin1(kept));
    }
    // Every box is wide enough for its caption, set bold as window managers set it, and the
    // frame's icon and three buttons beside it, each about a line high.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("a caption far longer than its text"),
                    QStringLiteral("save?"), QMessageBox::Yes | QMessageBox::No);
    FitToCaption(box);
    box.show();
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    QVERIFY(box.width() >= metrics.horizontalAdvance(box.windowTitle()) + 4 * metrics.height());
  }

  // The window speaks the locale's language; under C it says exactly what it always said.
  void the_window_speaks_the_language_of_the_locale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("said");  // File, the placeholder, caption, question, Yes, No
    QTest::newRow("C") << QStringLiteral("C")
                       << QStringList{QStringLiteral("&File"),
                                      QStringLiteral("File does not exist. push 'create' button."),
                                      QStringLiteral("text modified"),
                                      QStringLiteral("save?"),
                                      QStringLiteral("&Yes"),
                                      QStringLiteral("&No")};
    QTest::newRow("ja_JP")
        << QStringLiteral("ja_JP")
        << QStringList{QStringLiteral("ファイル(&F)"),
                       QStringLiteral("ファイルがありません。「作成」ボタンを押してください。"),
                       QStringLiteral("テキストが変更されました"),
                       QStringLiteral("保存しますか?"),
                       QStringLiteral("はい(&Y)"),
                       QStringLiteral("いいえ(&N)")};
    QTest::newRow("de_DE")
        << QStringLiteral("de_DE")
        << QStringList{QStringLiteral("&Datei"),
                       QStringLiteral("Die Datei existiert nicht. Bitte „Anlegen“ drücken."),
                       QStringLiteral("Text geändert"),
                       QStringLiteral("Speichern?"),
                       QStringLiteral("&Ja"),
                       QStringLiteral("&Nein")};
    QTest::newRow("fr_FR")
        << QStringLiteral("fr_FR")
        << QStringList{QStringLiteral("&Fichier"),
                       QStringLiteral(
                           "Le fichier n'existe pas. Appuyez sur le bouton «\u00a0créer\u00a0»."),
                       QStringLiteral("Texte modifié"),
                       QStringLiteral("Enregistrer\u00a0?"),
                       QStringLiteral("&Oui"),
                       QStringLiteral("&Non")};
    QTest::newRow("es_ES") << QStringLiteral("es_ES")
                           << QStringList{
                                  QStringLiteral("&Archivo"),
                                  QStringLiteral("El archivo no existe. Pulse el botón «crear»."),
                                  QStringLiteral("Texto modificado"),
                                  QStringLiteral("¿Guardar?"),
                                  QStringLiteral("&Sí"),
                                  QStringLiteral("&No")};
    QTest::newRow("it_IT") << QStringLiteral("it_IT")
                           << QStringList{
                                  QStringLiteral("&File"),
                                  QStringLiteral("Il file non esiste. Premere il pulsante «crea»."),
                                  QStringLiteral("Testo modificato"),
                                  QStringLiteral("Salvare?"),
                                  QStringLiteral("&Sì"),
                                  QStringLiteral("&No")};
    QTest::newRow("pt_BR") << QStringLiteral("pt_BR")
                           << QStringList{
                                  QStringLiteral("&Arquivo"),
                                  QStringLiteral("O arquivo não existe. Clique no botão “criar”."),
                                  QStringLiteral("Texto modificado"),
                                  QStringLiteral("Salvar?"),
                                  QStringLiteral("&Sim"),
                                  QStringLiteral("&Não")};
    QTest::newRow("nl_NL") << QStringLiteral("nl_NL")
                           << QStringList{QStringLiteral("&Bestand"),
                                          QStringLiteral(
                                              "Het bestand bestaat niet. Klik op de knop ‘maken’."),
                                          QStringLiteral("Tekst gewijzigd"),
                                          QStringLiteral("Opslaan?"),
                                          QStringLiteral("&Ja"),
                                          QStringLiteral("&Nee")};
    QTest::newRow("ru_RU") << QStringLiteral("ru_RU")
                           << QStringList{
                                  QStringLiteral("&Файл"),
                                  QStringLiteral("Файл не существует. Нажмите кнопку «создать»."),
                                  QStringLiteral("Текст изменён"),
                                  QStringLiteral("Сохранить?"),
                                  QStringLiteral("&Да"),
                                  QStringLiteral("&Нет")};
    QTest::newRow("zh_CN") << QStringLiteral("zh_CN")
                           << QStringList{QStringLiteral("文件(&F)"),
                                          QStringLiteral("文件不存在。请按“创建”按钮。"),
                                          QStringLiteral("文本已修改"),
                                          QStringLiteral("是否保存？"),
                                          QStringLiteral("是(&Y)"),
                                          QStringLiteral("否(&N)")};
    QTest::newRow("ko_KR") << QStringLiteral("ko_KR")
                           << QStringList{
                                  QStringLiteral("파일(&F)"),
                                  QStringLiteral("파일이 없습니다. ‘만들기’ 버튼을 누르십시오."),
                                  QStringLiteral("텍스트 수정됨"),
                                  QStringLiteral("저장하시겠습니까?"),
                                  QStringLiteral("예(&Y)"),
                                  QStringLiteral("아니요(&N)")};
  }
  void the_window_speaks_the_language_of_the_locale() {
    QFETCH(QString, locale);
    QFETCH(QStringList, said);
    QLocale::setDefault(QLocale(locale));
    InstallTranslations(QLocale(locale));
    {
      auto form = Start();
      const std::unique_ptr<QMessageBox> question = SaveQuestion(form.get());
      // The text as shown: French keeps its no-break spaces, which plain text makes plain.
      const QStringList heard{form->findChild<QMenu*>(QStringLiteral("N1"))->title(),
                              Child<QPlainTextEdit>(*form, "inputarea")->document()->toRawText(),
                              question->windowTitle(),
                              question->text(),
                              question->button(QMessageBox::Yes)->text(),
                              question->button(QMessageBox::No)->text()};
      QLocale::setDefault(QLocale::c());
      InstallTranslations(QLocale::c());
      QCOMPARE(heard, said);
    }
  }

  // What the user writes may be Russian in any desktop's language: Cyrillic takes a proportional
  // face, as Latin does, not the design font's full-width letters (as wide as a kanji).
  void cyrillic_text_takes_a_proportional_face_in_every_language_data() {
    QTest::addColumn<QString>("locale");
    for (const char* name : {"C", "de_DE", "ja_JP", "ru_RU"}) {
      QTest::newRow(name) << QString::fromLatin1(name);
    }
  }
  void cyrillic_text_takes_a_proportional_face_in_every_language() {
    QFETCH(QString, locale);
    const QFont application = QApplication::font();
    QLocale::setDefault(QLocale(locale));
    auto form = Start();
    const QFontMetricsF text(Child<QPlainTextEdit>(*form, "inputarea")->font());
    QLocale::setDefault(QLocale::c());
    QApplication::setFont(application);  // Japanese sets the menus' face
    const qreal cyrillic = text.horizontalAdvance(QString::fromUtf8("Река"));
    const qreal latin = text.horizontalAdvance(QStringLiteral("Reka"));
    const qreal kanji = text.horizontalAdvance(QString::fromUtf8("日記日記"));
    QVERIFY2(cyrillic < kanji * 0.8 && cyrillic < latin * 1.4,
             qPrintable(QStringLiteral("%1 %2 %3").arg(cyrillic).arg(latin).arg(kanji)));
  }

  // Without a template "create" puts the cursor into the new entry: the keys typed next are its
  // first words, not lost on the button.
  void create_puts_the_keyboard_into_the_new_entry() {
    auto form = Start();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* create = Child<QPushButton>(*form, "Button_create");
    create->setFocus();
    QTest::keyClick(create, Qt::Key_Space);
    QVERIFY(Child<QPlainTextEdit>(*form, "inputarea")->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Dear"));
    QCOMPARE(Text(*form), QStringLiteral("Dear"));
  }

  void a_stored_rectangle_is_applied_unless_it_lies_off_every_screen() {
    WriteBytes(QStringLiteral("config.ini"), "[WINDOW]\nLEFT=30\nTOP=40\nWIDTH=500\nHEIGHT=400\n");
    {
      auto form = Start();
      QCOMPARE(form->pos(), QPoint(30, 40));
      QCOMPARE(form->size(), QSize(500, 400));
    }
    WriteBytes(QStringLiteral("config.ini"),
               "[WINDOW]\nLEFT=90000\nTOP=90000\nWIDTH=500\nHEIGHT=400\n");
    auto form = Start();
    QVERIFY(form->pos() != QPoint(90000, 90000));
  }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
