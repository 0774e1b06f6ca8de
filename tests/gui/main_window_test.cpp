// The main window's wiring: start-up, the date entry with Enter, clickable
// dates, the settings and the keys, a window that keeps its shape and stays
// on the screen, help and credits, saved states, the Chinese characters line,
// the borderline marks, a repeated move paced by the window's Clock during
// which nothing in the window moves, and searches; the real message box and
// the Moon pictures.
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <map>

#include "app/help_text.h"
#include "engine/hanzi_names.h"
#include "gui/widgets.h"
#include "gui_harness.h"

namespace vemla::test {
namespace {

// Where every shown, named widget of the window stands.
std::map<QString, QRect> Geometry(QWidget* window) {
    std::map<QString, QRect> where;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
            !w->isVisibleTo(window))
            continue;
        where[w->objectName()] = QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    }
    where["frmMain"] = window->rect();
    return where;
}

void CompareShared(const std::map<QString, QRect>& a, const std::map<QString, QRect>& b,
                   const char* when) {
    for (const auto& [name, rect] : a) {
        const auto other = b.find(name);
        if (other != b.end())
            QVERIFY2(other->second == rect, qPrintable(QString("%1 moved %2").arg(name, when)));
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A first start: the view model's defaults and the present moment reach
    // the widgets, the lunar row is highlighted, the focus is on Now.
    void startsWithDefaultsWithoutStateFile() {
        Harness h;
        QCOMPARE(h.Text("lblChineseLunarDate_1"), QString("79-41-01-01 CHL 08:00 CCT"));
        QCOMPARE(h.Main("lblChineseLunarDate_0")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));
        QCOMPARE(h.Main("lblCommonEraDate_0")->palette().color(QPalette::Window),
                 QColor(200, 200, 200));
        QCOMPARE(h.window->focusWidget(), h.Main("cmdNow"));
        // Every text shown is shown whole.
        for (QLabel* label : h.window->findChildren<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty())
                QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                         qPrintable(label->objectName()));
    }

    void typedDateConvertsOnEnter() {
        Harness h;
        h.Enter("2000-01-01 ce");
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2000-01-01 CE 12:00 GMT Saturday"));
        QCOMPARE(h.window->focusWidget(), h.Main("txbDate"));
        QCOMPARE(h.Main<QLineEdit>("txbDate")->cursorPosition(), 13);

        // A refused entry: the time box is already empty when its message opens.
        QString time_under_message = "unset";
        h.on_message = [&] { time_under_message = h.Main<QLineEdit>("txbTime")->text(); };
        h.Enter("2000/01/01 CE");
        QCOMPARE(h.TakeMessage().text, std::string("Date separator must be a dash, '-'."));
        QCOMPARE(time_under_message, QString());

        // Enter in the days box converts with a date and a number of days.
        auto* days = h.Main<QLineEdit>("txbPlusMinus");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(h.Main("txbDate"), "2000-01-01 CE");
        QTest::keyClicks(days, "1.5");
        h.Click("optMinus");
        QTest::keyClick(days, Qt::Key_Return);
        QCOMPARE(h.Text("lblAstronomicalJulianDate_1"), QString("2,451,543.5000 AJD"));

        // A click on a caption copies its date and highlights the row; a click
        // on a date copies it into the entry boxes.
        h.Click("lblCommonEraDate_0");  // the caption: clipboard and highlight only
        QCOMPARE(ClipboardText(), h.Text("lblCommonEraDate_1"));
        QCOMPARE(h.Main("lblCommonEraDate_0")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));

        h.Click("lblCommonEraDate_1");
        QCOMPARE(h.Main<QLineEdit>("txbDate")->text(), QString("1999-12-31 CE"));
        QCOMPARE(h.Main<QLineEdit>("txbTime")->text(), QString("00:00"));
    }

    // The element-animal targets open the element and animal boxes, a choice
    // is written into the target's item, and Search finds the day. A "?"
    // position opens them too; a choice moves the focus to Convert.
    void elementAndAnimalBoxes() {
        Harness h;
        auto* target = h.Main<QComboBox>("cboTarget");
        auto* element = h.Main<QComboBox>("cboElement");
        Choose(target, 15);  // element-animal day
        QVERIFY(element->isEnabled());
        Choose(h.Main<QComboBox>("cboAnimal"), 0);  // rat
        QCOMPARE(target->currentText(), QString("Element-rat (-zi) day"));
        const QString before = h.Text("lblCommonEraDate_1");
        h.Click("cmdSearch");
        QVERIFY(h.messages.empty() && h.Text("lblCommonEraDate_1") != before);
        Choose(target, 0);
        QVERIFY(!element->isEnabled());
        QCOMPARE(target->itemText(15), QString("Element-animal day"));

        QTest::keyClicks(h.Main("txbDate"), "70-?-12-30 chl");
        QVERIFY(element->isEnabled());
        Choose(element, 0);
        QCOMPARE(h.window->focusWidget(), h.Main("cmdCompute"));
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Backspace);  // "... ch": no lunar date any more
        QVERIFY(!element->isEnabled());
        QCOMPARE(element->currentText(), QString());
    }

    // Enter presses the focused button, F1 opens the help; the web labels
    // open their pages.
    void keysAndLinks() {
        Harness h;
        h.now += 1.0;
        QTest::keyClick(h.Main("cmdNow"), Qt::Key_Return);
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-11 CE 00:00 GMT Sunday"));
        QTest::keyRelease(h.Main("txbDate"), Qt::Key_F1);
        QVERIFY(h.window->Help()->isVisible());

        // The project has no page of its own: its label is hidden.
        QVERIFY(h.Main("lblTarvolinSystems")->isHidden());
        h.app->Main().manual_file = "/usr/share/doc/vemla/vemla-manual.html";
        h.Click("lblOnlineDocumentation");
        QCOMPARE(h.opened_links,
                 std::vector<std::string>{"file:///usr/share/doc/vemla/vemla-manual.html"});

        h.Click("cmdQuit");
        QVERIFY(!h.window->isVisible());
        QVERIFY(!h.window->Help()->isVisible());
    }

    // The log and the log configuration open beside the main window, their
    // frames placed and kept inside the screen's available area.
    void windowsStayOnTheScreen() {
        Harness h;
        const QRect area = h.window->screen()->availableGeometry();
        h.window->move(area.topLeft());
        h.Click("cmdAddToLog");
        h.Click("cmdViewLog");
        const QRect main = h.window->frameGeometry(), log = h.window->Log()->frameGeometry();
        QVERIFY2(area.contains(log),
                 qPrintable(QString("%1 %2").arg(log.right()).arg(log.bottom())));
        QCOMPARE(log.top(), main.top());

        h.Click("cmdLogPreferences");
        const QRect preferences = h.window->Preferences()->frameGeometry();
        // Wider than this small screen, it keeps its left and its bottom on it.
        QVERIFY(preferences.left() >= area.left() && preferences.top() >= area.top());
        QCOMPARE(preferences.bottom(), std::min(main.bottom() - 5, area.bottom()));
    }

    void helpAndCredits() {
        Harness h;
        HelpWindow* help = h.window->Help();
        h.Click("cmdHelp");
        QCOMPARE(help->focusWidget(), Harness::In(help, "cmdClose"));
        // Every heading stands alone on its line, no-break space included.
        const QString text = Harness::In<QTextEdit>(help, "txbHelpScreen")->document()->toRawText();
        for (int n = 1; n <= 14; ++n) {
            const QString heading = QString::fromStdString(HelpSectionHeading(n));
            QVERIFY2(text.contains(QChar::ParagraphSeparator + heading + QChar::ParagraphSeparator),
                     qPrintable(heading));
        }
        h.Click(Harness::In(help, "cmdCredit"));
        QWidget* credits = Harness::In(help, "frmCredits");
        QVERIFY(Harness::In<QPlainTextEdit>(credits, "txbMsg")->toPlainText().contains("VSOP87"));
        h.Click(Harness::In(credits, "cmdClose"));
        QVERIFY(!credits->isVisible());
        // Releasing F1 on Close closes the help, as Close does.
        QTest::keyRelease(Harness::In(help, "cmdClose"), Qt::Key_F1);
        QVERIFY(!help->isVisible());
    }

    // Steps come from the Clock; Pause stops it, Resume starts it again, Stop
    // ends the run. Hidden controls keep their places: every widget shown
    // before, during and after the run stands where it stood.
    void repeatedMoveStandsStill() {
        Harness h;
        auto* clock = h.window->findChild<QTimer*>("Clock");
        Choose(h.Main<QComboBox>("cboRefreshPeriod"), 0);  // 0.2 s
        h.Click("chkRepeatedly");
        const std::map<QString, QRect> before = Geometry(h.window.get());
        h.Click("cmdMove");
        QCOMPARE(h.window->focusWidget(), h.Main("cmdStop"));
        QCOMPARE(clock->interval(), 200);
        QTRY_COMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-14 CE 00:00 GMT Wednesday"));
        CompareShared(Geometry(h.window.get()), before, "during the run");

        h.Click("cmdPauseResume");
        QCOMPARE(h.Main<QPushButton>("cmdPauseResume")->text(), QString("Resume"));
        QVERIFY(!clock->isActive());
        const QString paused_at = h.Text("lblCommonEraDate_1");
        Choose(h.Main<QComboBox>("cboRefreshPeriod"), 1);  // 0.5 s, taken at Resume
        h.Click("cmdPauseResume");
        QCOMPARE(clock->interval(), 500);
        QTRY_VERIFY(h.Text("lblCommonEraDate_1") != paused_at);

        h.Click("cmdStop");
        QVERIFY(!clock->isActive());
        QCOMPARE(h.window->focusWidget(), h.Main("cmdMove"));
        const std::map<QString, QRect> after = Geometry(h.window.get());
        CompareShared(after, before, "after the run");
        QCOMPARE(after.size(), before.size());
    }

    // A run that passes the earliest date stops with its message, which
    // opens over the moment that passed the bound.
    void runStopsAtTheBound() {
        Harness h;
        h.Enter("-2950-06-01 CE");
        Choose(h.Main<QComboBox>("cboMoveStep"), 5);  // CE century
        h.Click("optMoveDirection_1");
        h.Click("chkRepeatedly");
        QString shown_under_message;
        h.on_message = [&] { shown_under_message = h.Text("lblCommonEraDate_1"); };
        h.Click("cmdMove");
        QCOMPARE(h.TakeMessage().text, std::string("Earliest date exceeded."));
        QVERIFY2(shown_under_message.startsWith("-3050-06-01 CE"), qPrintable(shown_under_message));
        QVERIFY(!h.window->findChild<QTimer*>("Clock")->isActive());
    }

    // The settings reach the rows; rows that come and go leave the window
    // as large as it was; Restore state brings the saved window back.
    void settingsAndRestore() {
        Harness h;
        const QSize size = h.window->size();
        h.Click("cmdSaveState");
        Choose(h.Main<QComboBox>("cboLongitude"), 16);
        QVERIFY(h.Text("lblChineseLunarDate_1").endsWith("BEI"));
        h.Click("chkShowCJDs");
        QVERIFY(h.Main("lblChronologicalJulianDateBeijing_1")->isVisible());
        QVERIFY(h.window->height() > size.height());

        h.answer = MessageAnswer::kNo;
        h.Click("cmdRestoreState");
        QCOMPARE(h.TakeMessage().text, std::string("Restore previous log configuration also?"));
        QVERIFY(h.Text("lblChineseLunarDate_1").endsWith("CCT"));
        QVERIFY(!h.Main("lblChronologicalJulianDateBeijing_1")->isVisible());
        QCOMPARE(h.window->size(), size);
        QVERIFY(!h.Main("cmdSaveState")->isEnabled());
    }

    // The option shows the dates in characters, in a font with a glyph for
    // every character the line can hold.
    void chineseCharactersInAFontWithEveryGlyph() {
        Harness h;
        h.Click("chkChineseCharacters");
        auto* line = h.Main<QLabel>("lblChineseCharacters");
        const QString chl = QString::fromUtf8("甲辰年正月初一 丙寅月 甲辰日 龙年");  // at kTestNow
        QVERIFY(line->isVisible() && line->text().startsWith(chl));
        QVERIFY(h.Main("lblChineseLunarDate_1")->toolTip().endsWith("\n" + chl));
        h.Click("chkChineseCharacters");
        QVERIFY(!line->isVisible());

        if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
            QSKIP(
                "no font for Simplified Chinese installed (scripts/install-deps installs "
                "fonts-noto-cjk)");
        const QString family = QFontInfo(line->font()).family();  // what fontconfig resolved
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese),
                 qPrintable(family));
        const std::string_view words[] = {"\u3000",  // the ideographic space between the dates
                                          kNianHanzi,      kSuiHanzi,    kMonthSuffixHanzi,
                                          kDaySuffixHanzi, kOrdinalHanzi};
        const std::span<const std::string_view> tables[] = {
            words,       kStemHanzi,      kBranchHanzi, kAnimalHanzi, kSolarTermHanzi,
            kMonthHanzi, kLeapMonthHanzi, kDayHanzi,    kNumeralHanzi};
        QString all;
        for (auto table : tables)
            for (std::string_view name : table) all += ToQString(name);
        for (char32_t c : all.toUcs4())
            QVERIFY2(QFontMetrics(line->font()).inFontUcs4(c),
                     qPrintable(QString::number(c, 16) + " in " + family));
    }

    // The borderline marks stand right after the CHL and CHS dates: published
    // tables disagree on 1914-11-18 (a dark moon minutes after midnight at
    // 120 degrees East); the December solstice of 2021 came at 23:59 there;
    // 2024-02-10 is certain.
    void borderlineMarksFollowTheDisplayedDate() {
        Harness h;
        const struct {
            const char* date;
            bool chl, chs;
        } cases[] = {{"1914-11-18 CE", true, false},
                     {"2021-12-21 CE", false, true},
                     {"2024-02-10 CE", false, false}};
        for (const auto& c : cases) {
            h.Enter(c.date);
            QLabel* marks[] = {h.Main<QLabel>("lblBorderline_0"),
                               h.Main<QLabel>("lblBorderline_1")};
            QCOMPARE(marks[0]->isVisible(), c.chl);
            QCOMPARE(marks[1]->isVisible(), c.chs);
            if (!c.chl && !c.chs) continue;
            QLabel* mark = marks[c.chl ? 0 : 1];
            QVERIFY(mark->toolTip().startsWith("Borderline: "));
            const QRect value =
                h.Main(c.chl ? "lblChineseLunarDate_1" : "lblChineseSolarDate_1")->geometry();
            const QRect at = mark->geometry();
            QVERIFY(at.left() > value.right() && at.left() - value.right() < 40);
            QVERIFY(at.top() < value.bottom() && at.bottom() > value.top());
        }
    }

    // Without a hook the box is a real modal QMessageBox with the title,
    // text, icon and buttons asked for; its answer comes back.
    void messageBoxShowsWhatItIsAsked() {
        QtUserInterface ui;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::No)->click();  // the box closes when this returns
            QCOMPARE(box->windowTitle(), QString("Restore state"));
            QCOMPARE(box->text(), QString("Restore log also?"));
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        });
        QCOMPARE(ui.ShowMessage("Restore state", "Restore log also?", MessageIcon::kQuestion,
                                MessageButtons::kYesNo),
                 MessageAnswer::kNo);
    }

    // The Moon drawn at the device resolution: 90 logical pixels of as many
    // device pixels as the ratio asks; a waxing half Moon's left half exactly
    // the shadow colour, its right half lit.
    void moonPictureAtTheDeviceRatio() {
        Pictures pictures;
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        const QRgb shadow = 0xFF000000u | kMoonShadowColour;
        for (const qreal ratio : {1.0, 1.25, 1.5}) {
            const QPixmap pixmap = pictures.Moon(MoonDrawingOf(0.5, true), ratio);
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(90, 90));
            const QImage moon = pixmap.toImage();
            QCOMPARE(moon.width(), qRound(90 * ratio));
            QCOMPARE(moon.pixel(moon.width() / 4, moon.height() / 2), shadow);
            QVERIFY(moon.pixel(moon.width() * 3 / 4, moon.height() / 2) != shadow);
        }
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::MainWindowTest)
#include "main_window_test.moc"
