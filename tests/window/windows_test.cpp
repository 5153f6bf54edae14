// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the diary's own windows do alike: Escape closes each from any of its controls, the diary
// window is the active one again afterwards, and a screen reader hears each as a window.
#include "widgets/windows.h"

#include <QAccessible>
#include <QApplication>
#include <QStackedWidget>

#include "windowtest.h"

using namespace windowtest;

namespace {

// Brings `control` into view where it lies on a page of a tab widget that is not shown.
void Reveal(QWidget* control) {
  for (QWidget* w = control; w->parentWidget() != nullptr; w = w->parentWidget()) {
    if (auto* pages = qobject_cast<QStackedWidget*>(w->parentWidget())) pages->setCurrentWidget(w);
  }
}

// Shown and active. (A window opened from another counts as active with it for the toolkit's
// own wait.)
bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitFor([&] { return window.isActiveWindow(); });
}

}  // namespace

class WindowsTest : public WindowTest {
  Q_OBJECT

  // Escape in each control of `window` that takes the keyboard closes it, and leaves the diary
  // window active; the names of the controls tried.
  static QStringList EscapeFromEveryControl(QWidget& window, TForm1& form) {
    QStringList tried;
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
      if ((control->focusPolicy() & Qt::TabFocus) == 0 || !control->isEnabled()) continue;
      Reveal(control);
      if (!control->isVisibleTo(&window) || control->window() != &window) continue;
      if (!ShowActive(window)) return {QStringLiteral("not active")};
      control->setFocus(Qt::TabFocusReason);
      if (!control->hasFocus()) continue;  // a part of another control (a scroll bar's)
      QTest::keyClick(control, Qt::Key_Escape);
      const QString name = control->objectName().isEmpty()
                               ? QString::fromLatin1(control->metaObject()->className())
                               : control->objectName();
      if (window.isVisible()) return {name + QStringLiteral(" kept the window open")};
      if (!QTest::qWaitFor([&] { return form.isActiveWindow(); })) {
        return {name + QStringLiteral(" left the diary window inactive")};
      }
      tried << name;
    }
    return tried;
  }

 private Q_SLOTS:
  void escape_closes_every_window_from_any_control_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("role");
    QTest::addColumn<QStringList>("controls");  // some of those tried
    QTest::newRow("Find") << "Find1"
                          << "FindWindow" << int(QAccessible::Window)
                          << QStringList{QStringLiteral("FindQuery"),
                                         QStringLiteral("FindResults")};
    QTest::newRow("Tags") << "Tags1"
                          << "TagsWindow" << int(QAccessible::Window)
                          << QStringList{QStringLiteral("TagsFilter"), QStringLiteral("TagsList"),
                                         QStringLiteral("FindResults")};
    QTest::newRow("Look Back") << "Look1"
                               << "LookBackWindow" << int(QAccessible::Window)
                               << QStringList{
                                      QStringLiteral("OnThisDayRows"), QStringLiteral("StatWords"),
                                      QStringLiteral("LookBackYear"), QStringLiteral("Heatmap"),
                                      QStringLiteral("MonthChart")};
    QTest::newRow("Templates") << "Tmpl1"
                               << "TemplatesWindow" << int(QAccessible::Dialog)
                               << QStringList{QStringLiteral("TemplatesList"),
                                              QStringLiteral("TemplatesText"),
                                              QStringLiteral("TemplatesSave")};
    QTest::newRow("Import") << "Impo1"
                            << "ImportWindow" << int(QAccessible::Dialog)
                            << QStringList{QStringLiteral("ImportSource"),
                                           QStringLiteral("ImportSummary")};
  }
  void escape_closes_every_window_from_any_control() {
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(int, role);
    QFETCH(QStringList, controls);
    WriteBytes(Path(QDate(2025, 12, 8), 0), "a year ago, #river");
    auto form = Start();
    QVERIFY(ShowActive(*form));
    QStringList tried;
    const auto work = [&](QWidget& shown) {
      QCOMPARE(QAccessible::queryAccessibleInterface(&shown)->role(), QAccessible::Role(role));
      tried = EscapeFromEveryControl(shown, *form);
    };
    prompts.onDialog = [&](QDialog& dialog) { work(dialog); };
    form->findChild<QAction*>(action)->trigger();
    if (prompts.dialogs == 0) work(*form->findChild<QWidget*>(window));
    for (const QString& control : controls) {
      QVERIFY2(tried.contains(control), qPrintable(tried.join(QLatin1Char(' '))));
    }
  }

  // A window of the diary's own opens beside the diary window, right or left, narrowed to the
  // room there if it can be; only where neither side has room does it cover the diary window.
  void a_window_opens_beside_the_diary_window_where_there_is_room_data() {
    QTest::addColumn<int>("left");     // of the 300-pixel diary window, on an 800-pixel screen
    QTest::addColumn<int>("width");    // of the window opened
    QTest::addColumn<int>("minimum");  // the least it needs; it takes no less than 2/3 either
    QTest::addColumn<QString>("side");
    QTest::addColumn<bool>("narrowed");
    QTest::newRow("room on the right") << 0 << 300 << 150 << "right" << false;
    QTest::newRow("room on the left") << 450 << 300 << 150 << "left" << false;
    QTest::newRow("narrowed to the wider side") << 200 << 400 << 150 << "right" << true;
    QTest::newRow("no room at its least") << 250 << 400 << 300 << "over" << false;
    QTest::newRow("no room at two thirds of its width") << 200 << 480 << 150 << "over" << false;
  }
  void a_window_opens_beside_the_diary_window_where_there_is_room() {
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(int, minimum);
    QFETCH(QString, side);
    QFETCH(bool, narrowed);
    QWidget diary;
    diary.setGeometry(left, 0, 300, 300);
    diary.show();
    QVERIFY(QTest::qWaitForWindowExposed(&diary));
    QWidget window(&diary, Qt::Window);
    window.setMinimumWidth(minimum);
    window.resize(width, 200);
    PlaceBeside(window, diary);
    QCOMPARE(window.width() < width, narrowed);
    QVERIFY(window.width() >= minimum);
    const QRect placed(window.pos(), window.size());
    const QRect main = diary.frameGeometry();
    QCOMPARE(placed.left() > main.right()   ? QStringLiteral("right")
             : placed.right() < main.left() ? QStringLiteral("left")
                                            : QStringLiteral("over"),
             side);
  }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
