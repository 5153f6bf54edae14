// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

#include "engines/templates/templates.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TAnnouncer;
class TPrompts;

// The templates new entries start from: the general one, one per weekday and one per tab, each
// written and saved here (through the atomic writer), with which one applies to the day chosen on
// the calendar in each tab, and the placeholders a template may hold; braces that will not be
// filled are marked in the text and named below it.
class TTemplatesWindow : public QDialog {
  Q_OBJECT

 public:
  // `day` is the calendar's day and `tab` the tab shown: the window opens on the template that
  // applies to them.
  TTemplatesWindow(std::string saveDir, QStringList tabTitles, const QDate& day, int tab,
                   TPrompts& prompts, QWidget* parent = nullptr);

  // Saves the chosen template's text; false when it failed (and the user was told why).
  bool SaveChosen();
  // Closing with unsaved changes asks "save?", as the main window does.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateLayout();
  QWidget* CreatePlaceholders();
  void ShowState();  // the rows, what applies on the day, the chosen template's state
  void Choose(int row);
  bool LeaveChosen();  // false: the user stays on the chosen template
  void RemoveChosen();
  QString EditedText() const;
  void ShowUnfilled();

  std::string saveDir;
  QStringList tabTitles;
  QDate day;
  int shownTab = 0;
  TPrompts& prompts;
  std::vector<marrowleaf::TemplateSlot> slots;
  int chosen = -1;
  bool readable = false;  // the chosen template's file could be read (or is not there yet)

  QLabel* TemplatesApplies = nullptr;
  QListWidget* TemplatesList = nullptr;
  QLabel* TemplatesStatus = nullptr;
  QPlainTextEdit* TemplatesText = nullptr;
  QLabel* TemplatesUnfilled = nullptr;
  TAnnouncer* announcer = nullptr;
  QPushButton* TemplatesSave = nullptr;
  QPushButton* TemplatesRemove = nullptr;
};
