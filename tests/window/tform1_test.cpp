#include "mainwindow/tform1.h"

#include <sys/stat.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <deque>
#include <memory>

#include "app/application.h"
#include "entrysamples.h"
#include "mainwindow/editorlaunch.h"
#include "mainwindow/prompts.h"

namespace {

// Answers the questions from a script and records everything the window said.
class ScriptedPrompts : public TPrompts {
 public:
  bool AskSave(QWidget*) override {
    ++questions;
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void ShowException(const QString& message) override { exceptions.append(message); }
  void ShowWarning(QWidget*, const QString& text) override { warnings.append(text); }

  std::deque<bool> answers;
  int questions = 0;
  QStringList exceptions;
  QStringList warnings;
};

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// Children of this process that have exited but were never waited for.
int ZombieChildren() {
  int zombies = 0;
  const QString self = QString::number(QCoreApplication::applicationPid());
  const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
  for (const QString& pid : pids) {
    QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly)) continue;
    // pid (name) state ppid ...: the name may hold blanks, so read after its closing parenthesis.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() > 1 && fields[0] == "Z" && QString::fromLatin1(fields[1]) == self) ++zombies;
  }
  return zombies;
}

QString Path(const QDate& d, int tab) {
  return QStringLiteral("%1/%2/%3_%4.txt").arg(d.year()).arg(d.month()).arg(d.day()).arg(tab);
}

}  // namespace

class TForm1Test : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir;
  ScriptedPrompts prompts;
  QString oldCwd;

  std::unique_ptr<TForm1> Start() { return std::make_unique<TForm1>(prompts); }
  template <typename T>
  static T* Child(TForm1& form, const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
  }
  static QStringList Captions(TForm1& form) {
    QStringList out;
    auto* tabs = Child<QTabBar>(form, "tabheader");
    for (int i = 0; i < tabs->count(); ++i) out << tabs->tabText(i);
    return out;
  }
  static QString Text(TForm1& form) {
    return Child<QPlainTextEdit>(form, "inputarea")->toPlainText();
  }
  static void Type(TForm1& form, const QString& text) {
    auto* area = Child<QPlainTextEdit>(form, "inputarea");
    area->moveCursor(QTextCursor::End);
    area->insertPlainText(text);
  }
  static void SetDate(TForm1& form, const QDate& date) {
    Child<QCalendarWidget>(form, "calender")->setSelectedDate(date);  // as the keyboard would
  }
  static void Click(TForm1& form, const char* button) {
    QTest::mouseClick(Child<QPushButton>(form, button), Qt::LeftButton);
  }
  // The two answers to "save?", as rows of a data-driven test.
  static void AnswerRows() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
  }
  static QDate Shown(TForm1& form) {
    return Child<QCalendarWidget>(form, "calender")->selectedDate();
  }
  // The days the calendar draws in bold, in date order.
  static QList<QDate> Marked(TForm1& form) {
    QList<QDate> out;
    const auto formats = Child<QCalendarWidget>(form, "calender")->dateTextFormat();
    for (auto it = formats.begin(); it != formats.end(); ++it) {
      if (it.value().fontWeight() == QFont::Bold) out << it.key();
    }
    return out;
  }

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    dir = std::make_unique<QTemporaryDir>();
    oldCwd = QDir::currentPath();
    QDir::setCurrent(dir->path());
    prompts = ScriptedPrompts();
  }
  void cleanup() {
    QDir::setCurrent(oldCwd);
    dir.reset();
  }

  void first_start_shows_today_one_tab_and_the_placeholder() {
    {
      auto form = Start();
      QCOMPARE(form->windowTitle(), QStringLiteral("Marrowleaf v0.02a"));
      QCOMPARE(Captions(*form), QStringList{QStringLiteral("Diary")});
      QCOMPARE(Text(*form), QStringLiteral("File does not exist. push 'create' button."));
      QVERIFY(Child<QPlainTextEdit>(*form, "inputarea")->isReadOnly());
      const QDate today = QDate::currentDate();
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

  void weekday_rule_and_month_lengths() {
    QCOMPARE(TForm1::DayOfWeek(2004, 2, 4), 3);
    QCOMPARE(TForm1::DayOfWeek(2000, 1, 1), 6);
    QCOMPARE(TForm1::DaysInMonth(2000, 2), 29);
    QCOMPARE(TForm1::DaysInMonth(1900, 2), 28);
    QCOMPARE(TForm1::DaysInMonth(2100, 2), 28);
  }

  void tab_captions_mark_existing_entries_and_keep_the_selection() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=3\nTAB0=A\nTAB1=B\nTAB2=C\n");
    const QDate today = QDate::currentDate();
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
    const QDate today = QDate::currentDate();
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
    const QDate today = QDate::currentDate();
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
    const QDate today = QDate::currentDate();
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

  void create_on_an_existing_entry_leaves_the_text_alone() {
    const QDate today = QDate::currentDate();
    WriteBytes(Path(today, 0), "kept");
    auto form = Start();
    Type(*form, QStringLiteral("!"));
    Click(*form, "Button_create");
    QCOMPARE(Text(*form), QStringLiteral("kept!"));
    QVERIFY(form->TextModified());
    prompts.answers = {false};
  }

  void arrow_buttons_move_and_clamp_the_date() {
    QFETCH(QDate, start);
    QFETCH(QString, button);
    QFETCH(QDate, expected);
    auto form = Start();
    SetDate(*form, start);
    Click(*form, button.toLatin1().constData());
    QCOMPARE(Shown(*form), expected);
    QVERIFY(prompts.exceptions.isEmpty());
    QCOMPARE(form->EntryPathValue(), "./" + Path(expected, 0).toStdString());
  }
  void arrow_buttons_move_and_clamp_the_date_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("expected");
    const auto row = [](const char* name, QDate s, const char* b, QDate e) {
      QTest::newRow(name) << s << QString::fromLatin1(b) << e;
    };
    row("31 Jan back a month", QDate(2004, 1, 31), "Button_prev_month", QDate(2003, 12, 31));
    row("31 Jan 2004 forward", QDate(2004, 1, 31), "Button_next_month", QDate(2004, 2, 29));
    row("31 Jan 2003 forward", QDate(2003, 1, 31), "Button_next_month", QDate(2003, 2, 28));
    row("31 Mar 2004 back", QDate(2004, 3, 31), "Button_prev_month", QDate(2004, 2, 29));
    row("29 Feb 2004 back a year", QDate(2004, 2, 29), "Button_prev_year", QDate(2003, 2, 28));
    row("29 Feb 2004 forward a year", QDate(2004, 2, 29), "Button_next_year", QDate(2005, 2, 28));
    row("29 Feb 1996 to 2000", QDate(1999, 2, 28), "Button_next_year", QDate(2000, 2, 28));
    row("December to January", QDate(2004, 12, 15), "Button_next_month", QDate(2005, 1, 15));
    row("January to December", QDate(2005, 1, 15), "Button_prev_month", QDate(2004, 12, 15));
    row("today", QDate(1990, 5, 5), "Button_today", QDate::currentDate());
  }

  void dates_outside_the_years_1_to_9999_show_an_error_and_keep_the_date() {
    QFETCH(QDate, start);
    QFETCH(QString, button);
    auto form = Start();
    SetDate(*form, start);
    const std::string path = form->EntryPathValue();
    Click(*form, button.toLatin1().constData());
    QCOMPARE(Shown(*form), start);
    QCOMPARE(prompts.exceptions.size(), 1);
    QVERIFY(prompts.exceptions.first().startsWith(QStringLiteral("Invalid date")));
    QCOMPARE(form->EntryPathValue(), path);
  }
  void dates_outside_the_years_1_to_9999_show_an_error_and_keep_the_date_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("button");
    QTest::newRow("9999 forward a year") << QDate(9999, 6, 1) << QStringLiteral("Button_next_year");
    QTest::newRow("9999 forward a month")
        << QDate(9999, 12, 1) << QStringLiteral("Button_next_month");
    QTest::newRow("1 back a year") << QDate(1, 6, 1) << QStringLiteral("Button_prev_year");
    QTest::newRow("1 back a month") << QDate(1, 1, 1) << QStringLiteral("Button_prev_month");
  }

  void a_refresh_for_the_same_date_asks_twice_after_a_no() {
    const QDate today = QDate::currentDate();
    WriteBytes(Path(today, 0), "file");
    auto form = Start();
    Type(*form, QStringLiteral(" typed"));
    prompts.answers = {false, false};
    Click(*form, "Button_today");
    QCOMPARE(prompts.questions, 2);
    QCOMPARE(Text(*form), QStringLiteral("file"));  // reloaded from its file
    QCOMPARE(ReadBytes(Path(today, 0)), QByteArray("file"));
  }

  void calendar_clicks_and_keys_refresh_exactly_once() {
    const QDate day(2004, 3, 10);
    WriteBytes(Path(day, 0), "file");
    auto form = Start();
    SetDate(*form, day);  // a keyboard-like change refreshes on its own
    QCOMPARE(Text(*form), QStringLiteral("file"));
    auto* calendar = Child<QCalendarWidget>(*form, "calender");
    calendar->resize(300, 220);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Type(*form, QStringLiteral("!"));
    prompts.answers = {false, false};
    QWidget* view = calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(view);
    QWidget* viewport = view->findChildren<QWidget*>().value(0, view);
    // A click anywhere in the day grid counts, whether or not the date changes.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(prompts.questions, 2);
    QTest::qWait(50);
    QCOMPARE(prompts.questions, 2);
    // A key that moves the date refreshes once.
    Type(*form, QStringLiteral("?"));
    prompts.answers = {false, false};
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(prompts.questions, 4);
  }

  void the_calendar_marks_the_days_that_hold_entries() {
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=3\n");
    for (int day : {3, 17, 31}) {
      WriteBytes(Path(QDate(2004, 3, day), day == 17 ? 2 : 0), "x");
    }
    WriteBytes(QStringLiteral("2004/3/5_7.txt"), "a tab that is not configured");
    QVERIFY(QDir().mkpath(QStringLiteral("2004/3/9_0.txt")));
    WriteBytes(Path(QDate(2004, 4, 20), 1), "x");
    WriteBytes(Path(QDate(2004, 5, 2), 0), "x");  // April's page shows 2 May
    auto form = Start();
    Child<QCalendarWidget>(*form, "calender")->setFirstDayOfWeek(Qt::Sunday);
    SetDate(*form, QDate(2004, 3, 4));
    const QList<QDate> march{QDate(2004, 3, 3), QDate(2004, 3, 17), QDate(2004, 3, 31)};
    QCOMPARE(Marked(*form), march);
    Click(*form, "Button_create");
    QCOMPARE(Marked(*form), (QList<QDate>{QDate(2004, 3, 3), QDate(2004, 3, 4), QDate(2004, 3, 17),
                                          QDate(2004, 3, 31)}));
    Click(*form, "Button_next_month");
    QCOMPARE(Marked(*form),
             (QList<QDate>{QDate(2004, 3, 31), QDate(2004, 4, 20), QDate(2004, 5, 2)}));
    // The calendar's own page change, with no date refresh, shows files made meanwhile. August
    // 2004 starts on a Sunday, so its page starts a week early, on 25 July.
    WriteBytes(Path(QDate(2004, 7, 24), 0), "x");
    WriteBytes(Path(QDate(2004, 7, 25), 0), "x");
    WriteBytes(Path(QDate(2004, 8, 1), 0), "x");
    Child<QCalendarWidget>(*form, "calender")->setCurrentPage(2004, 8);
    QCOMPARE(Marked(*form), (QList<QDate>{QDate(2004, 7, 25), QDate(2004, 8, 1)}));
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
    const QDate today = QDate::currentDate();
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
    const QDate today = QDate::currentDate();
    WriteBytes(Path(today, 0), QByteArray::fromStdString(entrysamples::kShiftJis));
    auto form = Start();
    const QString expected = QStringLiteral("日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ\n二行目");
    QCOMPARE(Text(*form), expected);
    QCOMPARE(form->ShownFormat().encoding, EntryEncoding::kShiftJis);
    Type(*form, QStringLiteral("\n\U0001F600"));
    prompts.answers = {true};
    Click(*form, "Button_today");
    QString saved = expected + QStringLiteral("\n\U0001F600");
    saved.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QCOMPARE(ReadBytes(Path(today, 0)), saved.toUtf8() + '\0');
    QCOMPARE(form->ShownFormat().encoding, EntryEncoding::kUtf8);
  }

  void the_installed_icon_is_the_window_icon() {
    const QImage installed(
        QStringLiteral(MARROWLEAF_SOURCE_DIR "/packaging/icons/org.marrowleaf.Marrowleaf.png"));
    QCOMPARE(installed.size(), QSize(16, 16));
    const QImage painted = MarrowleafIcon().pixmap(16, 16).toImage();
    QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32),
             painted.convertToFormat(QImage::Format_ARGB32));
  }

  // Runs on a 64 KiB tmpfs that the test command mounts (window_fulldisk); skipped elsewhere.
  void a_save_on_a_full_disk_reaches_the_recovery_file_or_says_it_could_not_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("recoveryDiskFull");
    QTest::newRow("1 byte") << 1 << false;
    QTest::newRow("10 KiB") << 10240 << false;
    QTest::newRow("1 MiB") << (1 << 20) << false;
    QTest::newRow("10 KiB, recovery disk full too") << 10240 << true;
  }
  void a_save_on_a_full_disk_reaches_the_recovery_file_or_says_it_could_not() {
    QFETCH(int, size);
    QFETCH(bool, recoveryDiskFull);
    const QString full = qEnvironmentVariable("MARROWLEAF_FULL_DISK");
    if (full.isEmpty()) QSKIP("full-disk case: runs on a small tmpfs in window_fulldisk");
    const QString work = full + QStringLiteral("/window");
    QDir(work).removeRecursively();
    QVERIFY(QDir().mkpath(work));
    QDir::setCurrent(work);
    const QByteArray oldHome = qgetenv("HOME");
    if (recoveryDiskFull) qputenv("HOME", (work + QStringLiteral("/home")).toLocal8Bit());
    const QDate today = QDate::currentDate();
    WriteBytes(Path(today, 0), QByteArray("old text\0", 9));
    {
      auto form = Start();
      QFile filler(QStringLiteral("filler"));
      QVERIFY(filler.open(QIODevice::WriteOnly));
      const QByteArray block(4096, 'f');
      while (filler.write(block) == block.size() && filler.flush()) {
      }
      while (filler.write("f", 1) == 1 && filler.flush()) {
      }
      filler.close();
      const QString typed(size, QLatin1Char('t'));
      Type(*form, typed);
      prompts.answers = {true, false};
      Click(*form, "Button_today");
      QCOMPARE(ReadBytes(Path(today, 0)), QByteArray("old text\0", 9));
      QCOMPARE(prompts.warnings.size(), 1);
      const QString warning = prompts.warnings.first();
      if (recoveryDiskFull) {
        QVERIFY2(warning.contains(QStringLiteral("could not be kept")), qPrintable(warning));
      } else {
        const QString recovery = warning.section(QLatin1Char('\n'), -1);
        QCOMPARE(ReadBytes(recovery), (QStringLiteral("old text") + typed).toUtf8());
        QFile::remove(recovery);
      }
    }
    qputenv("HOME", oldHome);
    QDir::setCurrent(oldCwd);
    QDir(work).removeRecursively();
  }

  void a_failed_save_keeps_the_text_in_a_recovery_file() {
    const QDate today = QDate::currentDate();
    WriteBytes(Path(today, 0), "file");
    auto form = Start();
    QVERIFY(QFile::remove(Path(today, 0)));  // gone behind the program's back
    Type(*form, QStringLiteral(" precious"));
    prompts.answers = {true, false};
    Click(*form, "Button_today");
    QCOMPARE(prompts.warnings.size(), 1);
    const QString warning = prompts.warnings.first();
    QVERIFY2(warning.contains(QStringLiteral("tab \"Diary\"")), qPrintable(warning));
    const QString recovery = warning.section(QLatin1Char('\n'), -1);
    QVERIFY2(recovery.contains(QStringLiteral("/recovered/")), qPrintable(recovery));
    QCOMPARE(ReadBytes(recovery), QByteArray("file precious"));
    QVERIFY(!QFile::exists(Path(today, 0)));
  }

  void the_exception_display_adds_a_full_stop_after_letters_digits_and_question_marks() {
    QCOMPARE(TApplication::ExceptionText(QStringLiteral("bad date")), QStringLiteral("bad date."));
    QCOMPARE(TApplication::ExceptionText(QStringLiteral("year 0")), QStringLiteral("year 0."));
    QCOMPARE(TApplication::ExceptionText(QStringLiteral("why?")), QStringLiteral("why?."));
    for (const char* kept : {"done.", "space ", "bang!", "(paren)", ""}) {
      QCOMPARE(TApplication::ExceptionText(QString::fromLatin1(kept)), QString::fromLatin1(kept));
    }
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

  void command_lines_split_at_runs_of_blanks() {
    QCOMPARE(SplitCommandLine(QStringLiteral("  ed  --wait\t./2004/2/4_0.txt ")),
             (QStringList{QStringLiteral("ed"), QStringLiteral("--wait"),
                          QStringLiteral("./2004/2/4_0.txt")}));
    QCOMPARE(SplitCommandLine(QStringLiteral("a;b $(c) 'd|e'")),
             (QStringList{QStringLiteral("a;b"), QStringLiteral("$(c)"), QStringLiteral("'d|e'")}));
    QVERIFY(SplitCommandLine(QStringLiteral("   ")).isEmpty());
  }

  void the_editor_gets_the_entry_path_and_the_save_step_runs_after_it() {
    QFETCH(bool, modified);
    const QString script = dir->filePath(QStringLiteral("fake editor.sh"));
    WriteBytes(script,
               "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.txt\"\n"
               "printf 'from editor' > \"$1\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::rename(script, dir->filePath(QStringLiteral("fakeed")));
    WriteBytes(QStringLiteral("config.ini"),
               "[GENERAL]\nEDITOR=" + dir->filePath(QStringLiteral("fakeed")).toUtf8() + "\n");
    const QDate today = QDate::currentDate();
    auto form = Start();
    Child<QCheckBox>(*form, "CheckBox_autosave")->setChecked(true);
    if (modified) Type(*form, QStringLiteral("typed"));
    Click(*form, "Button_launch_editor");
    QVERIFY(prompts.warnings.isEmpty());
    QCOMPARE(Captions(*form), QStringList{QStringLiteral("+Diary")});
    QCOMPARE(ReadBytes(dir->filePath(QStringLiteral("args.txt"))),
             QByteArray("./") + Path(today, 0).toUtf8() + "\n");
    // Typing into the placeholder is impossible, so the text area is empty either way after
    // create; only a modified text would be written over the editor's work.
    QCOMPARE(Text(*form), QString());
    QCOMPARE(ReadBytes(Path(today, 0)), QByteArray("from editor"));
    Type(*form, QStringLiteral("later"));
    Click(*form, "Button_launch_editor");
    QCOMPARE(ReadBytes(Path(today, 0)),
             QByteArray("later\0", 6));  // written over the editor's text
  }
  void the_editor_gets_the_entry_path_and_the_save_step_runs_after_it_data() {
    QTest::addColumn<bool>("modified");
    QTest::newRow("fresh") << false;
    QTest::newRow("typed into placeholder") << true;
  }

  void no_shell_ever_sees_the_editor_command() {
    const QString marker = dir->filePath(QStringLiteral("shell-ran"));
    const QString script = dir->filePath(QStringLiteral("echoargs"));
    WriteBytes(script,
               "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$(dirname "
               "\"$0\")/args.txt\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR=" + script.toUtf8() + "  ;touch " +
                                                 marker.toUtf8() + " $(touch " + marker.toUtf8() +
                                                 ") |x \"q\"\n");
    auto form = Start();
    Click(*form, "Button_launch_editor");
    QVERIFY(!QFile::exists(marker));
    const QByteArray args = ReadBytes(dir->filePath(QStringLiteral("args.txt")));
    QVERIFY2(args.startsWith(QByteArray("[;touch][" + marker.toUtf8() + "][$(touch][" +
                                        marker.toUtf8() + ")][|x][\"q\"][./")),
             args.constData());
  }

  // Hostile editor settings and save folders: no shell ever runs, and the editor's arguments are
  // exactly the words of the command line split at blanks.
  void hostile_editor_settings_reach_no_shell_data() {
    QTest::addColumn<QByteArray>("editorTail");
    QTest::addColumn<QByteArray>("saveDir");
    const QByteArray c = "CANARY";
    QTest::newRow("semicolon") << ";touch " + c << QByteArray(".");
    QTest::newRow("command substitution") << "$(touch " + c + ")" << QByteArray(".");
    QTest::newRow("backticks") << "`touch " + c + "`" << QByteArray(".");
    QTest::newRow("pipe") << "| touch " + c << QByteArray(".");
    QTest::newRow("and, background") << "&& touch " + c + " &" << QByteArray(".");
    QTest::newRow("quotes") << QByteArray("\"a b\" 'c d' \"touch ") + c + "\"" << QByteArray(".");
    QTest::newRow("runs of blanks") << QByteArray("   x  \t  y   ") << QByteArray(".");
    QTest::newRow("leading dashes") << QByteArray("-rf --help -") << QByteArray(".");
    QTest::newRow("save folder with a semicolon") << QByteArray() << "d;touch " + c;
    QTest::newRow("save folder with substitution and blanks")
        << QByteArray("--") << "$(touch " + c + ") `x` |y";
  }
  void hostile_editor_settings_reach_no_shell() {
    QFETCH(QByteArray, editorTail);
    QFETCH(QByteArray, saveDir);
    const QString canary = dir->filePath(QStringLiteral("CANARY"));
    editorTail.replace("CANARY", canary.toUtf8());
    saveDir.replace("CANARY", canary.toUtf8());
    const QString script = dir->filePath(QStringLiteral("recordargs"));
    WriteBytes(script, "#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$(dirname \"$0\")/args.bin\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(QDir().mkpath(QString::fromUtf8(saveDir)));
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR=" + script.toUtf8() + " " +
                                                 editorTail + "\nSAVE_DIR=" + saveDir + "\n");
    auto form = Start();
    Click(*form, "Button_launch_editor");
    QVERIFY(prompts.warnings.isEmpty());
    QVERIFY(!QFile::exists(canary));
    QStringList expected = SplitCommandLine(QString::fromUtf8(editorTail) + QLatin1Char(' ') +
                                            QString::fromStdString(form->EntryPathValue()));
    QByteArray received = ReadBytes(dir->filePath(QStringLiteral("args.bin")));
    QVERIFY(received.endsWith('\0'));
    received.chop(1);
    QCOMPARE(QString::fromUtf8(received).split(QChar(0)), expected);
  }

  void an_editor_that_cannot_start_is_reported_and_the_window_goes_on() {
    QFETCH(QByteArray, editor);
    WriteBytes(QStringLiteral("config.ini"), "[GENERAL]\nEDITOR=" + editor + "\n");
    auto form = Start();
    QElapsedTimer clock;
    clock.start();
    Click(*form, "Button_launch_editor");
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ZombieChildren(), 0);
    QCOMPARE(prompts.warnings.size(), 1);
    QVERIFY2(prompts.warnings.first().startsWith(QStringLiteral("Could not start the editor")),
             qPrintable(prompts.warnings.first()));
    QCOMPARE(Captions(*form), QStringList{QStringLiteral("+Diary")});
    Type(*form, QStringLiteral("still usable"));
    QVERIFY(form->TextModified());
    prompts.answers = {false};
  }
  void an_editor_that_cannot_start_is_reported_and_the_window_goes_on_data() {
    QTest::addColumn<QByteArray>("editor");
    QTest::newRow("missing program") << QByteArray("no-such-editor-anywhere");
    QTest::newRow("empty setting: the entry itself is no program") << QByteArray("");
    QTest::newRow("default") << QByteArray("notepad.exe");
    QTest::newRow("a leading dash") << QByteArray("-rf");
    QTest::newRow("a folder") << QByteArray("/tmp");
  }
};

QTEST_MAIN(TForm1Test)
#include "tform1_test.moc"
