// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/templateswindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSyntaxHighlighter>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/announcer.h"
#include "widgets/itemviews.h"
#include "widgets/prompts.h"
#include "widgets/windows.h"

namespace {

// Up to this many tabs, the window says for each what a new entry of the day starts from.
constexpr qsizetype kEveryTabUpTo = 6;

QString FromPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// The placeholders in the link colour, as the text area colours tags; the braces that stay as
// written underlined, as a misspelt word is.
class TBraceMarks : public QSyntaxHighlighter {
 public:
  TBraceMarks(QTextDocument* document, const QColor& known)
      : QSyntaxHighlighter(document), placeholder(known) {}

 protected:
  void highlightBlock(const QString& text) override {
    QTextCharFormat filled;
    filled.setForeground(placeholder);
    for (const QString& name : marrowleaf::TemplatePlaceholders()) {
      for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1)) {
        setFormat(static_cast<int>(at), static_cast<int>(name.size()), filled);
      }
    }
    QTextCharFormat kept;
    kept.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    kept.setUnderlineColor(Qt::red);
    for (const auto& [start, length] : marrowleaf::UnfilledBraces(text)) {
      setFormat(static_cast<int>(start), static_cast<int>(length), kept);
    }
  }

 private:
  QColor placeholder;
};

}  // namespace

TTemplatesWindow::TTemplatesWindow(std::string dir, QStringList titles, const QDate& shownDay,
                                   int tab, TPrompts& p, QWidget* parent)
    : QDialog(parent),
      saveDir(std::move(dir)),
      tabTitles(std::move(titles)),
      day(shownDay),
      shownTab(tab),
      prompts(p),
      slots(marrowleaf::AllTemplateSlots(static_cast<int>(tabTitles.size()))) {
  setObjectName(QStringLiteral("TemplatesWindow"));
  setWindowTitle(tr("Templates"));
  CreateLayout();
  ReturnToOwnerWhenHidden(this);
  // The template a new entry of the shown day and tab would start from, else the general one.
  const marrowleaf::TemplateChoice applying = marrowleaf::ApplyingTemplate(saveDir, day, shownTab);
  int row = 0;
  for (size_t i = 0; i < slots.size(); ++i) {
    if (applying.found && slots[i] == applying.slot) row = static_cast<int>(i);
  }
  TemplatesList->setCurrentRow(row);
}

void TTemplatesWindow::CreateLayout() {
  auto* layout = new QVBoxLayout(this);
  TemplatesApplies = new QLabel(this);
  TemplatesApplies->setObjectName(QStringLiteral("TemplatesApplies"));
  TemplatesApplies->setWordWrap(true);
  TemplatesApplies->setTextInteractionFlags(Qt::TextSelectableByMouse);

  TemplatesList = new TQuietView<QListWidget>(this);
  TemplatesList->setObjectName(QStringLiteral("TemplatesList"));
  TemplatesList->setAccessibleName(tr("Templates"));
  TemplatesList->setAccessibleDescription(
      tr("The general template, one for each day of the week and one for each tab; the most "
         "specific one that exists applies"));
  for (const marrowleaf::TemplateSlot& slot : slots) {
    QString name;
    switch (slot.kind) {
      case marrowleaf::TemplateKind::kGeneral:
        name = tr("Every new entry");
        break;
      case marrowleaf::TemplateKind::kWeekday:
        name = QLocale().dayName(slot.number, QLocale::LongFormat);
        break;
      case marrowleaf::TemplateKind::kTab:
        name = tr("Tab \"%1\"").arg(tabTitles.value(slot.number));
        break;
    }
    new QListWidgetItem(
        name + QStringLiteral(" · ") + QString::fromStdString(marrowleaf::TemplateFileName(slot)),
        TemplatesList);
  }
  TemplatesList->setMinimumWidth(TemplatesList->sizeHintForColumn(0) + 24);

  TemplatesStatus = new QLabel(this);
  TemplatesStatus->setObjectName(QStringLiteral("TemplatesStatus"));
  TemplatesStatus->setWordWrap(true);
  TemplatesStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
  TemplatesText = new QPlainTextEdit(this);
  TemplatesText->setObjectName(QStringLiteral("TemplatesText"));
  TemplatesText->setAccessibleName(tr("Template text"));
  TemplatesText->setTabChangesFocus(true);
  new TBraceMarks(TemplatesText->document(), TemplatesText->palette().color(QPalette::Link));
  TemplatesUnfilled = new QLabel(this);
  TemplatesUnfilled->setObjectName(QStringLiteral("TemplatesUnfilled"));
  TemplatesUnfilled->setWordWrap(true);
  TemplatesUnfilled->setTextInteractionFlags(Qt::TextSelectableByMouse);
  TemplatesUnfilled->hide();
  announcer = new TAnnouncer(this);

  auto* editor = new QVBoxLayout;
  editor->addWidget(TemplatesStatus);
  editor->addWidget(TemplatesText, 1);
  editor->addWidget(TemplatesUnfilled);
  auto* row = new QHBoxLayout;
  row->addWidget(TemplatesList);
  row->addLayout(editor, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->setObjectName(QStringLiteral("TemplatesButtons"));
  TemplatesSave = buttons->addButton(tr("&Save"), QDialogButtonBox::ActionRole);
  TemplatesSave->setObjectName(QStringLiteral("TemplatesSave"));
  TemplatesSave->setAccessibleDescription(tr("Save the chosen template's text"));
  TemplatesRemove = buttons->addButton(tr("&Remove"), QDialogButtonBox::ActionRole);
  TemplatesRemove->setObjectName(QStringLiteral("TemplatesRemove"));
  TemplatesRemove->setAccessibleDescription(
      tr("Remove the chosen template's file, so that the next less specific one applies"));
  // Enter alone never writes a file: Close is the button it presses, and Enter in the list goes
  // to the template's text.
  buttons->button(QDialogButtonBox::Close)->setDefault(true);
  TemplatesList->installEventFilter(this);

  layout->addWidget(TemplatesApplies);
  layout->addLayout(row, 1);
  layout->addWidget(CreatePlaceholders());
  layout->addWidget(buttons);
  // Room for the rows and a few lines of text, but never more than the screen has.
  QSize size(680, 520);
  if (const QScreen* shown = parentWidget() ? parentWidget()->screen() : screen()) {
    size = size.boundedTo(shown->availableSize() * 9 / 10);
  }
  resize(size);

  connect(TemplatesList, &QListWidget::currentRowChanged, this, [this](int current) {
    if (current == chosen) return;
    if (!LeaveChosen()) {
      const QSignalBlocker quiet(TemplatesList);
      TemplatesList->setCurrentRow(chosen);
      return;
    }
    Choose(current);
  });
  connect(TemplatesText, &QPlainTextEdit::textChanged, this, &TTemplatesWindow::ShowUnfilled);
  connect(TemplatesSave, &QPushButton::clicked, this, [this] { SaveChosen(); });
  connect(TemplatesRemove, &QPushButton::clicked, this, [this] { RemoveChosen(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &TTemplatesWindow::reject);
}

QWidget* TTemplatesWindow::CreatePlaceholders() {
  auto* box = new QGroupBox(tr("Placeholders"), this);
  box->setObjectName(QStringLiteral("TemplatesPlaceholders"));
  auto* grid = new QGridLayout(box);
  const marrowleaf::TemplateValues values =
      marrowleaf::TemplateValuesFor(day, tabTitles.value(shownTab), QLocale());
  const QString meanings[] = {
      tr("the new entry's date, long: %1").arg(values.date),
      tr("the new entry's date, short: %1").arg(values.dateShort),
      tr("its day of the week: %1").arg(values.weekday),
      tr("the name of its tab: %1").arg(values.tab),
  };
  const std::vector<QString>& names = marrowleaf::TemplatePlaceholders();
  for (size_t i = 0; i < names.size(); ++i) {
    auto* name = new QLabel(names[i], box);
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* meaning = new QLabel(meanings[i], box);
    grid->addWidget(name, static_cast<int>(i), 0);
    grid->addWidget(meaning, static_cast<int>(i), 1);
  }
  auto* note = new QLabel(tr("The dates are always the new entry's own, whatever day it is "
                             "made on. Anything else in braces stays as written."),
                          box);
  note->setWordWrap(true);
  grid->addWidget(note, static_cast<int>(names.size()), 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return box;
}

void TTemplatesWindow::ShowState() {
  // Which template each tab's new entry starts from on the calendar's day; of a long row of tabs,
  // the shown tab's alone.
  // The day written as a template's {date} would write it: one home for the dates' formats.
  const QString date = marrowleaf::TemplateValuesFor(day, QString(), QLocale()).date;
  QStringList lines{tr("New entries of %1:").arg(date)};
  std::vector<marrowleaf::TemplateSlot> applying;
  for (qsizetype tab = 0; tab < tabTitles.size(); ++tab) {
    if (tabTitles.size() > kEveryTabUpTo && tab != shownTab) continue;
    const marrowleaf::TemplateChoice choice =
        marrowleaf::ApplyingTemplate(saveDir, day, static_cast<int>(tab));
    if (!choice.found) {
      lines << tr("tab \"%1\" starts empty: no template applies").arg(tabTitles[tab]);
      continue;
    }
    applying.push_back(choice.slot);
    const QString file = QString::fromStdString(marrowleaf::TemplateFileName(choice.slot));
    lines << (marrowleaf::ReadTemplate(saveDir, choice.path).ok
                  ? tr("tab \"%1\" starts from %2").arg(tabTitles[tab], file)
                  : tr("tab \"%1\" starts empty: %2 cannot be read").arg(tabTitles[tab], file));
  }
  TemplatesApplies->setText(lines.join(QLatin1Char('\n')));

  // The rows: bold where a template applies on that day, italic where there is no file yet.
  for (int i = 0; i < TemplatesList->count(); ++i) {
    const marrowleaf::TemplateSlot& slot = slots[static_cast<size_t>(i)];
    QListWidgetItem* item = TemplatesList->item(i);
    const bool applies = std::find(applying.begin(), applying.end(), slot) != applying.end();
    const bool there = marrowleaf::NameIsTaken(marrowleaf::TemplatePath(saveDir, slot));
    QFont font = TemplatesList->font();
    font.setBold(applies);
    font.setItalic(!there);
    item->setFont(font);
    QString said = item->text();
    if (applies) said += QStringLiteral(", ") + tr("applies on %1").arg(date);
    if (!there) said += QStringLiteral(", ") + tr("not written yet");
    item->setData(Qt::AccessibleTextRole, said);
  }

  if (chosen < 0) return;
  const marrowleaf::TemplateSlot& slot = slots[static_cast<size_t>(chosen)];
  const std::string path = marrowleaf::TemplatePath(saveDir, slot);
  const marrowleaf::TemplateText read = marrowleaf::ReadTemplate(saveDir, path);
  if (read.ok) {
    TemplatesStatus->setText(tr("In %1").arg(FromPath(path)));
  } else if (read.missing && !marrowleaf::NameIsTaken(path)) {
    TemplatesStatus->setText(tr("%1 does not exist yet: saving makes it.").arg(FromPath(path)));
  } else {
    TemplatesStatus->setText(tr("This template cannot be used, and is not written over here:\n%1")
                                 .arg(QString::fromStdString(read.error)));
  }
  TemplatesRemove->setEnabled(marrowleaf::NameIsTaken(path));
}

void TTemplatesWindow::Choose(int row) {
  chosen = row;
  if (row < 0 || row >= static_cast<int>(slots.size())) return;
  const std::string path = marrowleaf::TemplatePath(saveDir, slots[static_cast<size_t>(row)]);
  const marrowleaf::TemplateText read = marrowleaf::ReadTemplate(saveDir, path);
  // A file that is there but cannot be read is the user's: it is shown as it cannot be used and
  // never saved over from here.
  readable = read.ok || (read.missing && !marrowleaf::NameIsTaken(path));
  TemplatesText->setPlainText(read.text);
  TemplatesText->setReadOnly(!readable);
  TemplatesText->document()->setModified(false);
  TemplatesSave->setEnabled(readable);
  ShowState();
}

QString TTemplatesWindow::EditedText() const {
  // As the main window's text: every character kept, only the line breaks marked.
  QString text = TemplatesText->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text;
}

bool TTemplatesWindow::SaveChosen() {
  if (chosen < 0 || !readable) return false;
  const marrowleaf::TemplateSlot& slot = slots[static_cast<size_t>(chosen)];
  const marrowleaf::SaveOutcome saved = marrowleaf::SaveTemplate(saveDir, slot, EditedText());
  if (!saved.ok) {
    prompts.ShowWarning(this, tr("Could not save the template %1:\n%2")
                                  .arg(QString::fromStdString(marrowleaf::TemplateFileName(slot)),
                                       QString::fromStdString(saved.error)));
    return false;
  }
  TemplatesText->document()->setModified(false);
  ShowState();
  announcer->Announce(
      tr("%1 is saved.").arg(QString::fromStdString(marrowleaf::TemplateFileName(slot))));
  return true;
}

void TTemplatesWindow::ShowUnfilled() {
  // Each text that stays as written once, in the order of the template.
  QStringList kept;
  const QString text = TemplatesText->toPlainText();
  for (const auto& [start, length] : marrowleaf::UnfilledBraces(text)) {
    const QString written = text.mid(start, length);
    if (!kept.contains(written)) kept << written;
    if (kept.size() > 8) break;
  }
  if (kept.size() > 8) kept.last() = QString(QChar(0x2026));
  TemplatesUnfilled->setText(
      tr("Not filled in, kept as written: %1").arg(kept.join(QStringLiteral("  "))));
  TemplatesUnfilled->setVisible(!kept.isEmpty());
}

bool TTemplatesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TemplatesList && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      TemplatesText->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TTemplatesWindow::RemoveChosen() {
  if (chosen < 0) return;
  const marrowleaf::TemplateSlot& slot = slots[static_cast<size_t>(chosen)];
  const marrowleaf::SaveOutcome removed = marrowleaf::RemoveTemplate(saveDir, slot);
  if (!removed.ok) {
    prompts.ShowWarning(this, tr("Could not remove the template %1:\n%2")
                                  .arg(QString::fromStdString(marrowleaf::TemplateFileName(slot)),
                                       QString::fromStdString(removed.error)));
  }
  // The text stays in the window, so that a Save brings the file back.
  readable = readable || !marrowleaf::NameIsTaken(marrowleaf::TemplatePath(saveDir, slot));
  TemplatesText->setReadOnly(!readable);
  TemplatesSave->setEnabled(readable);
  ShowState();
}

bool TTemplatesWindow::LeaveChosen() {
  if (chosen < 0 || !readable || !TemplatesText->document()->isModified()) return true;
  if (!prompts.AskSave(this)) return true;  // No: the changes are given up
  return SaveChosen();
}

void TTemplatesWindow::reject() {
  if (!LeaveChosen()) return;
  QDialog::reject();
}
