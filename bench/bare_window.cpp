// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up floor: a bare Qt Widgets window with the same kinds of controls as the diary's
// (menu, status bar, calendar, buttons, tab bar, plain text edit), and nothing else.
#include <QApplication>
#include <QCalendarWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(635, 435);
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  auto* central = new QWidget(&window);
  window.setCentralWidget(central);
  (new QCalendarWidget(central))->setGeometry(8, 72, 177, 154);
  for (int i = 0; i < 7; ++i) (new QPushButton(QStringLiteral("b"), central))->move(8 + 25 * i, 48);
  auto* tabs = new QTabBar(central);
  tabs->addTab(QStringLiteral("Diary"));
  tabs->setGeometry(193, 0, 434, 20);
  (new QPlainTextEdit(central))->setGeometry(193, 20, 434, 360);
  window.statusBar();
  window.show();
  return QApplication::exec();
}
