// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tags: their colour in the text area, the Tags window, Find with a tag and a tag's rename.
#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeView>

#include "entries/history.h"
#include "find/findwindow.h"
#include "heard.h"
#include "tags/tagswindow.h"
#include "text/dates.h"
#include "widgets/windows.h"
#include "windowtest.h"

using namespace windowtest;

class TagsTest : public WindowTest {
  Q_OBJECT

  // A diary of nested tags, a tag and its plural, and the Tags window open over it.
  TTagsWindow* OpenTags(TForm1& form) {
    WriteBytes(Path(QDate(2026, 12, 1), 0), "#river #trip");
    WriteBytes(Path(QDate(2026, 12, 2), 0), "#trip/kyoto by the #River");
    WriteBytes(Path(QDate(2026, 12, 3), 0), "#books and #Trip/Lisbon");
    WriteBytes(Path(QDate(2026, 12, 4), 0), "#book");
    form.findChild<QAction*>(QStringLiteral("Tags1"))->trigger();
    auto* window = form.findChild<TTagsWindow*>(QStringLiteral("TagsWindow"));
    if (!QTest::qWaitFor([&] { return !window->Reading() && Rows(*window).size() == 6; })) {
      return nullptr;
    }
    return window;
  }
  static QStringList Rows(TTagsWindow& window) {
    auto* list = window.findChild<QTreeView*>(QStringLiteral("TagsList"));
    QStringList out;
    for (int i = 0; i < list->model()->rowCount(); ++i) {
      out << list->model()->index(i, 0).data().toString() + QLatin1Char(' ') +
                 list->model()->index(i, 1).data().toString();
    }
    return out;
  }
  static QAbstractItemView* Entries(TTagsWindow& window) {
    return window.findChild<QListView*>(QStringLiteral("FindResults"));
  }
  static bool Active(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitFor([&] { return window.isActiveWindow(); });
  }

 private Q_SLOTS:
  void tags_are_coloured_without_a_change_or_an_undo_step() {
    WriteBytes(Path(kToday, 0), QByteArray("a #river walk, C# and #fff\0", 27));
    auto form = Start();
    form->show();
    auto* area = Child<QPlainTextEdit>(*form, "inputarea");
    const auto coloured = [&] {
      QStringList out;
      const QTextBlock block = area->document()->firstBlock();
      for (const QTextLayout::FormatRange& r : block.layout()->formats()) {
        if (r.format.foreground().color() == area->palette().color(QPalette::Link)) {
          out << block.text().mid(r.start, r.length);
        }
      }
      return out;
    };
    QTRY_COMPARE(coloured(), QStringList{QStringLiteral("#river")});
    Type(*form, QStringLiteral(" #Trip"));
    QTRY_COMPARE(coloured(), (QStringList{QStringLiteral("#river"), QStringLiteral("#Trip")}));
    area->undo();
    QTRY_COMPARE(coloured(), QStringList{QStringLiteral("#river")});
    QVERIFY(!area->document()->isUndoAvailable());
    QVERIFY(!area->document()->isModified());
  }

  // The diary of the issue: File, Tags… lists river (2), trip/kyoto and 日記; a row shows its
  // day; Find takes the tag; a rename keeps history and renaming back gives the earlier bytes.
  void the_tags_window_lists_filters_opens_and_renames() {
    const QByteArray first("#river in the morning\r\n# Heading\0", 33);
    const QByteArray second("By the #River, #trip/kyoto\r\n#fff C#\0", 36);
    WriteBytes(Path(QDate(2026, 12, 1), 0), first);
    WriteBytes(Path(QDate(2026, 12, 2), 0), second);
    WriteBytes(Path(QDate(2019, 3, 3), 0), QByteArray("#日記 #riverside\0", 19));
    for (int month : {9, 10, 11}) WriteBytes(Path(QDate(2026, month, 1), 0), "newer, untagged");
    auto form = Start();
    form->findChild<QAction*>(QStringLiteral("Tags1"))->trigger();
    auto* window = form->findChild<TTagsWindow*>(QStringLiteral("TagsWindow"));
    QVERIFY(window && window->isVisible());
    auto* list = window->findChild<QTreeView*>(QStringLiteral("TagsList"));
    const auto rows = [&] {
      QStringList out;
      for (int i = 0; i < list->model()->rowCount(); ++i) {
        out << list->model()->index(i, 0).data().toString() + QLatin1Char(' ') +
                   list->model()->index(i, 1).data().toString();
      }
      return out;
    };
    QTRY_COMPARE(rows(),
                 (QStringList{QStringLiteral("#river 2"), QStringLiteral("#riverside 1"),
                              QStringLiteral("#trip/kyoto 1"), QString::fromUtf8("#日記 1")}));
    QCOMPARE(list->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("#river, 2 entries"));
    window->findChild<QLineEdit*>(QStringLiteral("TagsFilter"))->setText(QStringLiteral("TRIP"));
    QCOMPARE(rows(), QStringList{QStringLiteral("#trip/kyoto 1")});
    window->findChild<QLineEdit*>(QStringLiteral("TagsFilter"))->clear();
    // Another program writes an entry of years ago in place: the list follows at once.
    WriteBytes(Path(QDate(2019, 3, 3), 0), QByteArray("#日記 #riverside #Anna\0", 25));
    QTRY_COMPARE_WITH_TIMEOUT(rows().value(1), QStringLiteral("#Anna 1"), 1000);
    WriteBytes(Path(QDate(2019, 3, 3), 0), QByteArray("#日記 #riverside\0", 19));
    QTRY_COMPARE_WITH_TIMEOUT(rows().size(), 4, 1000);
    QVERIFY(window->ChooseTag(QStringLiteral("river")));
    auto* entries = window->findChild<QListView*>(QStringLiteral("FindResults"));
    QTRY_COMPARE(entries->model()->rowCount(), 2);
    QVERIFY(entries->model()->index(0, 0).data().toString().startsWith(
        marrowleaf::LongDate(QDate(2026, 12, 2), QLocale())));
    QTest::keyClick(entries, Qt::Key_Return);
    QCOMPARE(Shown(*form), QDate(2026, 12, 2));
    QCOMPARE(Child<QPlainTextEdit>(*form, "inputarea")->textCursor().selectedText(),
             QStringLiteral("#River"));

    // Rename river to stream through its dialog.
    prompts.onDialog = [](QDialog& dialog) {
      dialog.findChild<QLineEdit*>(QStringLiteral("TagNewName"))->setText(QStringLiteral("stream"));
      dialog.accept();
    };
    window->findChild<QPushButton*>(QStringLiteral("TagsRename"))->click();
    QTRY_COMPARE(prompts.informations.value(0),
                 QStringLiteral("#river was renamed to #stream in 2 entries."));
    QCOMPARE(ReadBytes(Path(QDate(2026, 12, 1), 0)),
             QByteArray("#stream in the morning\r\n# Heading\0", 34));
    QTRY_COMPARE(Text(*form), QStringLiteral("By the #Stream, #trip/kyoto\n#fff C#"));  // reloaded
    QCOMPARE(marrowleaf::ListVersions(".", {2026, 12, 2, 0}).size(), size_t{1});
    QTRY_COMPARE(rows().value(0), QStringLiteral("#stream 2"));
    // Find takes the tag, not the longer one.
    form->findChild<QAction*>(QStringLiteral("Find1"))->trigger();
    auto* find = form->findChild<TFindWindow*>(QStringLiteral("FindWindow"));
    find->SearchNow(QStringLiteral("#STREAM"));
    QTRY_VERIFY(!find->Searching());
    QTRY_COMPARE(find->findChild<QListView*>(QStringLiteral("FindResults"))->model()->rowCount(),
                 2);
    // An entry typed over in the window is not renamed, and the report says so.
    SetDate(*form, QDate(2026, 12, 1));
    Type(*form, QStringLiteral(" typed"));
    window->RenameChosen(QStringLiteral("river"));
    QTRY_VERIFY(!window->Renaming());
    QVERIFY2(prompts.warnings.value(0).contains(QStringLiteral("in 1 entries")) ||
                 prompts.warnings.value(0).contains(QStringLiteral("in 1 entry")),
             qPrintable(prompts.warnings.value(0)));
    QVERIFY(prompts.warnings.value(0).contains(QStringLiteral("not saved")));
    QCOMPARE(ReadBytes(Path(QDate(2026, 12, 2), 0)), second);  // renaming back: the same bytes
  }

  // The lists of a window behind the one the user types in are not heard; moving in the tag list
  // is heard as its rows, not as the entries below. A parent tag counts what its list shows.
  void the_lists_are_heard_only_with_the_focus() {
    auto form = Start();
    form->show();
    TTagsWindow* window = OpenTags(*form);
    QVERIFY(window);
    QCOMPARE(Rows(*window).mid(0, 2),
             (QStringList{QStringLiteral("#trip 3"), QStringLiteral("#river 2")}));
    QVERIFY(Active(*form));
    Child<QPlainTextEdit>(*form, "inputarea")->setFocus();
    Heard heard;
    QVERIFY(window->ChooseTag(QStringLiteral("river")));
    QTRY_COMPARE(Entries(*window)->model()->rowCount(), 2);
    QCOMPARE(heard.Focus(window), QStringList());
    QVERIFY(Active(*window));
    auto* list = window->findChild<QTreeView*>(QStringLiteral("TagsList"));
    list->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(heard.Focus(list).value(heard.Focus(list).size() - 1),
                 QStringLiteral("#river, 2 entries"));  // tabbing in: its row, not only "list"
    heard.Clear();
    QTest::keyClick(list, Qt::Key_Down);
    QTRY_COMPARE(Entries(*window)->model()->rowCount(), 1);
    QCOMPARE(heard.Focus(window), QStringList{QStringLiteral("#book, 1 entry")});
    // The entries' list below keeps its rows to itself until it has the focus.
    QCOMPARE(heard.Focus(Entries(*window)), QStringList());
  }

  // The filter's count, and a rename that the filter would hide: the renamed tag stays chosen
  // and shown with its entries.
  void the_count_follows_the_filter_and_a_renamed_tag_stays_in_view() {
    auto form = Start();
    TTagsWindow* window = OpenTags(*form);
    QVERIFY(window);
    auto* count = window->findChild<QLabel*>(QStringLiteral("TagsCount"));
    auto* filter = window->findChild<QLineEdit*>(QStringLiteral("TagsFilter"));
    QCOMPARE(count->text(), QStringLiteral("6 tags"));
    filter->setText(QStringLiteral("trip"));
    QCOMPARE(count->text(), QStringLiteral("3 of 6 tags"));
    QVERIFY(window->ChooseTag(QStringLiteral("trip")));
    QTRY_COMPARE(Entries(*window)->model()->rowCount(), 3);
    filter->setText(QStringLiteral("book"));  // the chosen tag hidden: its entries go too
    QTRY_COMPARE(Entries(*window)->model()->rowCount(), 0);
    filter->setText(QStringLiteral("trip"));
    QVERIFY(window->ChooseTag(QStringLiteral("trip")));
    window->RenameChosen(QStringLiteral("jog"));
    QTRY_COMPARE(prompts.informations.value(0),
                 QStringLiteral("#trip was renamed to #jog in 3 entries."));
    QTRY_COMPARE(Rows(*window).value(0), QStringLiteral("#jog 3"));
    QCOMPARE(filter->text(), QString());
    QCOMPARE(count->text(), QStringLiteral("6 tags"));
    auto* list = window->findChild<QTreeView*>(QStringLiteral("TagsList"));
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("#jog"));
    QTRY_COMPARE(Entries(*window)->model()->rowCount(), 3);
    QCOMPARE(ReadBytes(Path(QDate(2026, 12, 3), 0)), QByteArray("#books and #Jog/Lisbon"));
  }

  // Rename…: typing replaces the old name; the note says what else the rename does; a merge
  // into another tag is asked first, and told as a merge.
  void a_rename_replaces_the_name_says_what_it_does_and_asks_before_merging_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("report");    // empty: nothing renamed
    QTest::addColumn<QByteArray>("third");  // the entry of 3 December afterwards
    QTest::newRow("a new name, with its nested tags")
        << "trip"
        << "jog" << false << "The tags nested under it are renamed with it: "
        << "#trip was renamed to #jog in 3 entries." << QByteArray("#books and #Jog/Lisbon");
    QTest::newRow("into an existing tag: No") << "books"
                                              << "book" << false << "#book is a tag already"
                                              << QString() << QByteArray("#books and #Trip/Lisbon");
    QTest::newRow("into an existing tag: Yes")
        << "books"
        << "book" << true << "#book is a tag already"
        << "#books was merged into #book in 1 entry." << QByteArray("#book and #Trip/Lisbon");
    QTest::newRow("a change of case alone")
        << "trip"
        << "Trip" << false << "A change of case alone"
        << "#trip was renamed to #Trip in 3 entries." << QByteArray("#books and #Trip/Lisbon");
  }
  void a_rename_replaces_the_name_says_what_it_does_and_asks_before_merging() {
    QFETCH(QString, tag);
    QFETCH(QString, typed);
    QFETCH(bool, yes);
    QFETCH(QString, note);
    QFETCH(QString, report);
    QFETCH(QByteArray, third);
    auto form = Start();
    TTagsWindow* window = OpenTags(*form);
    QVERIFY(window);
    QVERIFY(window->ChooseTag(tag));
    QString noted;
    prompts.onDialog = [&](QDialog& dialog) {
      auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("TagNewName"));
      QCOMPARE(name->selectedText(), tag);
      QTest::keyClicks(name, typed);
      noted = dialog.findChild<QLabel*>(QStringLiteral("TagRenameNote"))->text();
      QVERIFY(dialog.minimumWidth() >= TitleWidth(dialog.windowTitle()));
      dialog.accept();
    };
    prompts.onConfirm = [&](const QString&) { return yes; };
    window->findChild<QPushButton*>(QStringLiteral("TagsRename"))->click();
    QVERIFY2(noted.contains(note), qPrintable(noted));
    QCOMPARE(prompts.confirmations.size(), note.startsWith(QLatin1Char('#')) ? 1 : 0);
    if (report.isEmpty()) {
      QVERIFY(!window->Renaming());
      QCOMPARE(prompts.informations, QStringList());
    } else {
      QTRY_COMPARE(prompts.informations.value(0), report);
    }
    QCOMPARE(ReadBytes(Path(QDate(2026, 12, 3), 0)), third);
  }
};

QTEST_MAIN(TagsTest)
#include "tags_test.moc"
