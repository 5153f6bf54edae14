// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, built in code at their design places and sizes (pixels at 96 dpi, no
// rescaling). Every control carries its name as objectName.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "mainwindow/diarycalendar.h"
#include "mainwindow/tform1.h"
#include "pictures/picturetextedit.h"

namespace {

// The design font and its stand-ins are Japanese: they set Chinese in Japanese glyph forms,
// have no Hangul, and set Cyrillic full-width, too wide for every caption of the left panel. In
// those languages a face made for the language comes first, the design font after it: the
// small TrueType faces before Noto Sans CJK's large collection, less to load at start-up. The
// calendar takes the same face as the rest, so that start-up loads one face for the language
// and not two; the Chinese and Korean faces at the design size stand a pixel taller than the
// design font, which the calendar's rows still hold.
// Proportional faces with Latin and Cyrillic letters.
QStringList ProportionalFaces() {
  return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
          QStringLiteral("DejaVu Sans")};
}

QStringList LanguageFaces(const QLocale& locale) {
  if (locale.script() == QLocale::CyrillicScript) return ProportionalFaces();
  if (locale.language() == QLocale::Chinese) {
    if (locale.script() == QLocale::TraditionalHanScript) {
      return {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("AR PL UMing TW")};
    }
    return {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("WenQuanYi Zen Hei")};
  }
  if (locale.language() == QLocale::Korean) {
    return {QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR"),
            QStringLiteral("UnDotum")};
  }
  return {};
}

// The design font's families in `locale`: the language's faces, then the design font, with a
// metric-compatible stand-in where it is missing.
QStringList DesignFamilies(const QLocale& locale) {
  static const QString kFamily = QString::fromUtf8("ＭＳ Ｐゴシック");
  static const bool substituted = [] {
    QFont::insertSubstitutions(kFamily,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    return true;
  }();
  (void)substituted;
  return LanguageFaces(locale) + QStringList{kFamily};
}

QFont DesignFont(int pixelSize) {
  QFont font;
  font.setFamilies(DesignFamilies(QLocale()));
  font.setPixelSize(pixelSize);
  return font;
}

// The text area's face. What the user writes may be in any language, whatever the desktop's: a
// Russian line in an English desktop's entry would take the design font's full-width Cyrillic.
// Latin and Cyrillic letters take a proportional face in every language, as in Russian, and the
// language's face and the design font the rest (kana, kanji, hangul).
QFont TextFont(int pixelSize) {
  QFont font;
  QStringList families = ProportionalFaces() + DesignFamilies(QLocale());
  families.removeDuplicates();
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width, int height) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, top, width, height);
  button->setAutoDefault(false);
  return button;
}

// The room a caption has inside a fixed-size button or check box, as the style draws it, less a
// little air on either side.
int CaptionRoom(QAbstractButton* control) {
  QStyle* style = control->style();
  if (auto* box = qobject_cast<QCheckBox*>(control)) {
    QStyleOptionButton option;
    option.initFrom(box);
    return style->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width() - 2;
  }
  QStyleOptionButton option;
  option.initFrom(control);
  option.features = QStyleOptionButton::None;
  return style->subElementRect(QStyle::SE_PushButtonContents, &option, control).width() - 6;
}

}  // namespace

void TForm1::FitCaptions() {
  // The left panel's controls keep their places and sizes whatever the desktop's style and
  // font: a caption that would touch its frame is set a pixel smaller until it fits.
  for (QAbstractButton* control :
       Panel1->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    QFont font = this->font();
    const int room = CaptionRoom(control);
    while (font.pixelSize() > 7 &&
           QFontMetrics(font).size(Qt::TextShowMnemonic, control->text()).width() > room) {
      font.setPixelSize(font.pixelSize() - 1);
    }
    control->setFont(font);
  }
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::StyleChange && Panel1 != nullptr) FitCaptions();
}

void TForm1::CreateLayout() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(tr("Marrowleaf v0.02a"));
  // Menus, message boxes and the program's other windows take the application's font. In
  // Chinese, Japanese and Korean the desktop's default face is a second large face of the same
  // script (Noto Sans CJK's collection, IPAex Gothic): there they take the design font's faces
  // instead, so that start-up loads one face for the language and the program reads alike.
  const QLocale locale;
  if (locale.language() == QLocale::Chinese || locale.language() == QLocale::Japanese ||
      locale.language() == QLocale::Korean) {
    QFont application = QApplication::font();
    const QStringList families = DesignFamilies(locale);
    if (application.families().value(0) != families.first()) {
      application.setFamilies(families + QStringList{application.family()});
      QApplication::setFont(application);
    }
  }
  setFont(DesignFont(12));
  CreateMenu();

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  auto* row = new QHBoxLayout(client);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  setCentralWidget(client);
  CreateLeftPanel();
  CreateRightPanel();
  row->addWidget(Panel1);
  row->addWidget(Panel2, 1);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setFixedHeight(19);
  setStatusBar(StatusBar1);

  // Keyboard focus order: the left panel's controls, then the text area and the tab strip.
  QWidget* order[] = {
      Button_prev_year, Button_prev_month,    Button_today,  Button_next_month, Button_next_year,
      calender,         Button_launch_editor, Button_create, CheckBox_autosave, inputarea,
      tabheader};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  FitCaptions();
  // The design's client area is 635 x 435 below the menu bar.
  resize(635, 435 + menuBar()->sizeHint().height());
}

void TForm1::CreateMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  N1 = bar->addMenu(tr("&File"));
  N1->setObjectName(QStringLiteral("N1"));
  // The program's own windows come above Exit; Alt+F, X still chooses Exit.
  Find1 = N1->addAction(tr("&Find…"));
  Find1->setObjectName(QStringLiteral("Find1"));
  Find1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  Tags1 = N1->addAction(tr("&Tags…"));
  Tags1->setObjectName(QStringLiteral("Tags1"));
  Hist1 = N1->addAction(tr("&History…"));
  Hist1->setObjectName(QStringLiteral("Hist1"));
  Hist1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  Expo1 = N1->addAction(tr("&Export…"));
  Expo1->setObjectName(QStringLiteral("Expo1"));
  Prin1 = N1->addAction(tr("&Print…"));
  Prin1->setObjectName(QStringLiteral("Prin1"));
  Prin1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  Tmpl1 = N1->addAction(tr("Te&mplates…"));
  Tmpl1->setObjectName(QStringLiteral("Tmpl1"));
  Look1 = N1->addAction(tr("&Look Back…"));
  Look1->setObjectName(QStringLiteral("Look1"));
  Impo1 = N1->addAction(tr("&Import…"));
  Impo1->setObjectName(QStringLiteral("Impo1"));
  Pict1 = N1->addAction(tr("I&nsert Picture…"));
  Pict1->setObjectName(QStringLiteral("Pict1"));
  Pict1->setEnabled(false);  // until an entry is shown
  Encr1 = N1->addAction(tr("En&cryption…"));
  Encr1->setObjectName(QStringLiteral("Encr1"));
  Exi1 = N1->addAction(tr("E&xit"));
  // Keys of the diary's own moves, on the window rather than in the menu.
  PrevEntryDay = new QAction(tr("Previous day with an entry"), this);
  PrevEntryDay->setObjectName(QStringLiteral("PrevEntryDay"));
  PrevEntryDay->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  NextEntryDay = new QAction(tr("Next day with an entry"), this);
  NextEntryDay->setObjectName(QStringLiteral("NextEntryDay"));
  NextEntryDay->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
  addAction(PrevEntryDay);
  addAction(NextEntryDay);
  Exi1->setObjectName(QStringLiteral("Exi1"));
}

void TForm1::CreateLeftPanel() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(1);
  Panel1->setFixedWidth(193);

  Label_date = new QLabel(Panel1);
  Label_date->setObjectName(QStringLiteral("Label_date"));
  Label_date->setGeometry(8, 16, 177, 16);
  Label_date->setFont(DesignFont(16));

  calender = new TDiaryCalendar(Panel1);
  calender->setFont(DesignFont(12));
  calender->setGeometry(8, 72, 177, 154);

  Button_prev_year = MakeButton(Panel1, "Button_prev_year", QStringLiteral("<<"), 8, 48, 25, 17);
  Button_next_year = MakeButton(Panel1, "Button_next_year", QStringLiteral(">>"), 160, 48, 25, 17);
  Button_prev_month = MakeButton(Panel1, "Button_prev_month", QStringLiteral("<"), 40, 48, 25, 17);
  Button_next_month = MakeButton(Panel1, "Button_next_month", QStringLiteral(">"), 128, 48, 25, 17);
  // A caption longer in another language than its fixed button allows is said shorter there.
  Button_today = MakeButton(Panel1, "Button_today", tr("today"), 72, 48, 49, 17);
  Button_launch_editor =
      MakeButton(Panel1, "Button_launch_editor", tr("launch editor"), 8, 232, 75, 25);
  Button_create = MakeButton(Panel1, "Button_create", tr("create"), 120, 232, 57, 25);

  CheckBox_autosave = new QCheckBox(tr("autosave without confirm"), Panel1);
  CheckBox_autosave->setObjectName(QStringLiteral("CheckBox_autosave"));
  CheckBox_autosave->setGeometry(8, 264, 161, 17);

  // For screen readers: the captions stay the names; each control says what it does.
  const std::pair<QWidget*, QString> described[] = {
      {Button_prev_year, tr("Previous year")},
      {Button_next_year, tr("Next year")},
      {Button_prev_month, tr("Previous month")},
      {Button_next_month, tr("Next month")},
      {Button_today, tr("Show today")},
      {Button_launch_editor, tr("Open this entry in the external editor")},
      {Button_create, tr("Create this day's entry")},
      {CheckBox_autosave, tr("Save without asking")},
      {Label_date, tr("Today's date")},
  };
  for (const auto& [widget, text] : described) widget->setAccessibleDescription(text);
}

void TForm1::CreateRightPanel() {
  Panel2 = new QWidget(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  auto* column = new QVBoxLayout(Panel2);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  tabheader = new QTabBar(Panel2);
  tabheader->setObjectName(QStringLiteral("tabheader"));
  tabheader->setFixedHeight(33);
  tabheader->setExpanding(false);
  tabheader->setUsesScrollButtons(true);
  tabheader->setFocusPolicy(Qt::StrongFocus);
  tabheader->setAccessibleDescription(
      tr("One tab per kind of entry; a plus sign marks a tab whose entry exists"));

  // A plain text area that shows the pictures its links name, the text left as it is.
  inputarea = new TPictureTextEdit(Panel2);
  inputarea->setObjectName(QStringLiteral("inputarea"));
  inputarea->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  inputarea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  inputarea->setTabChangesFocus(true);
  inputarea->setFont(TextFont(12));
  inputarea->setAccessibleDescription(tr("The text of the shown entry"));

  column->addWidget(tabheader);
  column->addWidget(inputarea, 1);
}
