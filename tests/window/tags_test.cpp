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
#include "tags/tagswindow.h"
#include "text/dates.h"
#include "windowtest.h"

using namespace windowtest;

class TagsTest : public WindowTest {
  Q_OBJECT

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
    QTRY_COMPARE(prompts.warnings.value(0),
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
    QVERIFY2(prompts.warnings.value(1).contains(QStringLiteral("in 1 entries")) ||
                 prompts.warnings.value(1).contains(QStringLiteral("in 1 entry")),
             qPrintable(prompts.warnings.value(1)));
    QVERIFY(prompts.warnings.value(1).contains(QStringLiteral("not saved")));
    QCOMPARE(ReadBytes(Path(QDate(2026, 12, 2), 0)), second);  // renaming back: the same bytes
  }
};

QTEST_MAIN(TagsTest)
#include "tags_test.moc"
