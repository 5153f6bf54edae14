// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Templates: a new entry starts from the one that applies; File, Templates… edits them.
#include <QCalendarWidget>
#include <QFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "diary/diary.h"
#include "engines/templates/templates.h"
#include "mainwindow/diarycalendar.h"
#include "mainwindow/tform1.h"
#include "pictures/picturetextedit.h"
#include "templates/templateswindow.h"
#include "widgets/prompts.h"

TForm1::TemplateStart TForm1::CreateFromTemplate(const marrowleaf::EntryKey& key) {
  if (marrowleaf::IsFile(marrowleaf::EntryPath(saveDir, key))) return TemplateStart::kNoTemplate;
  const QString tabName =
      key.tab >= 0 && key.tab < diary->TabCount() ? diary->TabTitle(key.tab) : QString();
  const marrowleaf::NewEntryTemplate start = marrowleaf::TemplateForNewEntry(
      saveDir, QDate(key.year, key.month, key.day), key.tab, tabName, QLocale());
  if (!start.choice.found) return TemplateStart::kNoTemplate;
  if (!start.text.ok) {
    prompts.ShowWarning(this,
                        tr("The template %1 cannot be used:\n%2\n\nThe new entry starts empty.")
                            .arg(QFile::decodeName(QByteArray::fromStdString(start.choice.path)),
                                 QString::fromStdString(start.text.error)));
    return TemplateStart::kNoTemplate;
  }
  marrowleaf::EntryFormat format;  // a new entry is written in UTF-8
  const marrowleaf::NewEntry made = marrowleaf::CreateEntryWithText(
      saveDir, key, marrowleaf::EntryTextToBytes(start.text.text, format));
  if (!made.created) return TemplateStart::kExisted;
  if (made.text.ok) return TemplateStart::kWritten;
  prompts.ShowWarning(this,
                      tr("The template %1 could not be written into the new entry:\n%2\n\nThe new "
                         "entry starts empty.")
                          .arg(QFile::decodeName(QByteArray::fromStdString(start.choice.path)),
                               QString::fromStdString(made.text.error)));
  return TemplateStart::kEmpty;
}

void TForm1::PlaceCursorAtFirstEmptyLine() {
  // A template's empty lines are where the answers go; without one, typing goes on at its end.
  QTextDocument* document = inputarea->document();
  QTextCursor at(document);
  at.movePosition(QTextCursor::End);
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.length() == 1) {  // its text is empty: only the line's end remains
      at.setPosition(block.position());
      break;
    }
  }
  inputarea->setTextCursor(at);
  inputarea->ensureCursorVisible();
  if (!inputarea->isReadOnly()) inputarea->setFocus();
}

void TForm1::Tmpl1Click() {
  TTemplatesWindow window(saveDir, diary->TabTitles(), calender->selectedDate(),
                          tabheader->currentIndex(), prompts, this);
  prompts.ShowDialog(window);
}
