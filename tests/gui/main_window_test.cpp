// The main window's wiring: start-up, the date entry with Enter, clickable
// dates, the settings and the keys, a window that keeps its shape, and the
// help and credits windows.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>

#include "app/help_text.h"
#include "gui_harness.h"

namespace vemla::test {

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A first start: the view model's defaults and the present moment reach
    // the widgets, the lunar row is highlighted, the focus is on Now.
    void startsWithDefaultsWithoutStateFile() {
        Harness h;
        QVERIFY(!QFile::exists(h.StateFile()));
        QVERIFY(h.messages.empty());
        QCOMPARE(h.window->windowTitle(), QString::fromStdString(h.app->Main().WindowCaption()));
        QVERIFY(h.Main<QCheckBox>("chkShowLocal")->isChecked());

        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-10 CE 00:00 GMT Saturday"));
        QCOMPARE(h.Text("lblChineseLunarDate_1"), QString("79-41-01-01 CHL 08:00 CCT"));
        QVERIFY(!h.Main("lblChronologicalJulianDateLondon_1")->isVisible());
        QCOMPARE(h.Main("lblChineseLunarDate_0")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));
        QCOMPARE(h.Main("lblCommonEraDate_0")->palette().color(QPalette::Window),
                 QColor(200, 200, 200));
        QCOMPARE(h.Main<QLabel>("picMoon")->pixmap().deviceIndependentSize(), QSizeF(90, 90));
        QVERIFY(!h.Main("cmdViewLog")->isVisible());
        QCOMPARE(h.window->focusWidget(), h.Main("cmdNow"));
        // Every text shown is shown whole.
        for (QLabel* label : h.window->findChildren<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty())
                QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                         qPrintable(label->objectName()));
    }

    void typedDateConvertsOnEnter() {
        Harness h;
        QTest::keyClicks(h.Main("txbDate"), "2000-01-01 ce");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
        QVERIFY(h.messages.empty());
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2000-01-01 CE 12:00 GMT Saturday"));
        QCOMPARE(h.window->focusWidget(), h.Main("txbDate"));
        QCOMPARE(h.Main<QLineEdit>("txbDate")->cursorPosition(), 13);

        // A refused entry: the time box is already empty when its message
        // opens, and the moment stays.
        QString time_under_message = "unset";
        h.on_message = [&] { time_under_message = h.Main<QLineEdit>("txbTime")->text(); };
        QTest::keyClick(h.Main("txbDate"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(h.Main("txbDate"), "2000/01/01 CE");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
        const ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Invalid date or time entry"));
        QCOMPARE(m.text, std::string("Date separator must be a dash, '-'."));
        QCOMPARE(time_under_message, QString());
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2000-01-01 CE 12:00 GMT Saturday"));

        // Enter in the days box converts with a date and a number of days.
        auto* days = h.Main<QLineEdit>("txbPlusMinus");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(h.Main("txbDate"), "2000-01-01 CE");
        QTest::keyClicks(days, "1.5");
        h.Click("optMinus");
        QTest::keyClick(days, Qt::Key_Return);
        QCOMPARE(h.Text("lblAstronomicalJulianDate_1"), QString("2,451,543.5000 AJD"));
    }

    // A click on a date copies it into the entry boxes; converting it again
    // changes nothing.
    void clickedDateConvertsUnchanged() {
        Harness h;
        h.Click("lblCommonEraDate_0");  // the caption: clipboard and highlight only
        QCOMPARE(ClipboardText(), h.Text("lblCommonEraDate_1"));
        QCOMPARE(h.Main("lblCommonEraDate_0")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));

        h.Click("lblCommonEraDate_1");
        QCOMPARE(h.Main<QLineEdit>("txbDate")->text(), QString("2024-02-10 CE"));
        QCOMPARE(h.Main<QLineEdit>("txbTime")->text(), QString("00:00"));
        h.Click("cmdCompute");
        QCOMPARE(h.TakeMessage().text, std::string("Calendar dates unchanged."));

    }

    // A "?" position opens the element and animal boxes; a choice moves the
    // focus to Convert.
    void unknownPositionEnablesElementAndAnimal() {
        Harness h;
        QTest::keyClicks(h.Main("txbDate"), "70-?-12-30 chl");
        QVERIFY(h.Main("cboAnimal")->isEnabled());
        QVERIFY(h.Main("lblElement")->isEnabled());
        auto* element = h.Main<QComboBox>("cboElement");
        Choose(element, 0);
        QCOMPARE(h.window->focusWidget(), h.Main("cmdCompute"));
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Backspace);  // "... ch": no lunar date any more
        QVERIFY(!h.Main("cboElement")->isEnabled());
        QCOMPARE(element->currentText(), QString());
    }

    // The settings reach the rows; rows that come and go leave the window
    // as large as it was.
    void settingsReachTheRows() {
        Harness h;
        Choose(h.Main<QComboBox>("cboLongitude"), 16);
        QVERIFY(h.Text("lblChineseLunarDate_1").endsWith("BEI"));

        const QSize size = h.window->size();
        h.Click("chkShowCJDs");
        QVERIFY(h.Main("lblChronologicalJulianDateBeijing_1")->isVisible());
        QVERIFY(h.window->height() > size.height());
        h.Click("chkShowCJDs");
        QVERIFY(!h.Main("lblChronologicalJulianDateBeijing_1")->isVisible());
        QCOMPARE(h.window->size(), size);
    }

    // Enter presses the focused button, F1 opens the help; the web labels
    // open their pages, and a browser that fails says so.
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
        QCOMPARE(h.opened_links, std::vector<std::string>{"file:///usr/share/doc/vemla/vemla-manual.html"});
        h.browser_works = false;
        h.Click("lblOnlineDocumentation");
        QCOMPARE(h.TakeMessage().icon, MessageIcon::kExclamation);

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
        QCOMPARE(help->windowTitle(), QString("Help screen for Vemla"));
        QCOMPARE(help->focusWidget(), h.InHelp("cmdClose"));
        // Every heading stands alone on its line, no-break space included.
        const QString text = h.InHelp<QTextEdit>("txbHelpScreen")->document()->toRawText();
        for (int n = 1; n <= 14; ++n) {
            const QString heading = QString::fromStdString(HelpSectionHeading(n));
            QVERIFY2(text.contains(QChar::ParagraphSeparator + heading + QChar::ParagraphSeparator),
                     qPrintable(heading));
        }
        h.Click(h.InHelp("cmdCredit"));
        QWidget* credits = help->findChild<QWidget*>("frmCredits");
        QVERIFY(credits->findChild<QPlainTextEdit*>("txbMsg")->toPlainText().contains("VSOP87"));
        h.Click(credits->findChild<QWidget*>("cmdClose"));
        QVERIFY(!credits->isVisible());
        // Releasing F1 on Close closes the help, as Close does.
        QTest::keyRelease(h.InHelp("cmdClose"), Qt::Key_F1);
        QVERIFY(!help->isVisible());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::MainWindowTest)
#include "main_window_test.moc"
