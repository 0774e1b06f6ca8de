// The main window's wiring: start-up, the date entry with Enter, clickable
// dates, the settings and the keys.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <ctime>

#include "gui_harness.h"

namespace vemla::test {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    // A first start: the defaults, the present moment, the lunar date
    // highlighted, the focus on Now.
    void startsWithDefaultsWithoutStateFile() {
        Harness h;
        QVERIFY(!QFile::exists(h.StateFile()));
        QVERIFY(h.messages.empty());
        QCOMPARE(h.window->windowTitle(), QString::fromStdString(h.app->Main().WindowCaption()));
        QVERIFY(h.window->windowTitle().startsWith("Vemla "));

        QCOMPARE(h.Main<QComboBox>("cboEpoch")->currentText(), QString("-2696 = 2697 BC"));
        QCOMPARE(h.Main<QComboBox>("cboMethod")->currentText(), QString("true sun"));
        QCOMPARE(h.Main<QComboBox>("cboLongitude")->currentText(), QString("120"));
        QCOMPARE(h.Main<QComboBox>("cboLongitude")->count(), 46);
        QCOMPARE(h.Main<QLineEdit>("txbCCT")->text(), QString("CCT"));
        QCOMPARE(h.Main<QComboBox>("cboTimeZone")->currentIndex(), -1);
        QCOMPARE(h.Main<QComboBox>("cboTimeZone")->itemText(1), QString("CCT"));
        QVERIFY(h.Main<QCheckBox>("chkShowLocal")->isChecked());
        QVERIFY(!h.Main<QCheckBox>("chkShowCJDs")->isChecked());
        QVERIFY(!h.Main<QCheckBox>("chkAutoLog")->isChecked());
        QCOMPARE(h.Main<QComboBox>("cboElement")->currentText(), QString());
        QVERIFY(!h.Main("cboElement")->isEnabled());

        // The present moment of the (fixed) clock, in every row.
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-10 CE 00:00 GMT Saturday"));
        QCOMPARE(h.Text("lblChineseLunarDate_1"), QString("79-41-01-01 CHL 08:00 CCT"));
        QCOMPARE(h.Text("lblAstronomicalJulianDate_1"), QString("2,460,350.5000 AJD"));
        QCOMPARE(h.Text("lblYear"), QString("Year 4722"));
        QVERIFY(h.Main("lblCommonEraDateLocal_1")->isVisible());
        QVERIFY(!h.Main("lblChronologicalJulianDateLondon_1")->isVisible());
        QVERIFY(h.Main("lblElementAnimalOfYear")->isVisible());
        QVERIFY(!h.Text("lblPhaseOfMoon_1").isEmpty());
        QVERIFY(!h.Text("lblDeltaT_1").isEmpty());
        QCOMPARE(h.Text("lblLocalTime_1"), QString("GMT"));

        // Highlight on the lunar row's caption only.
        const QColor highlight(255, 255, 255), dehighlight(200, 200, 200);
        QCOMPARE(h.Main("lblChineseLunarDate_0")->palette().color(QPalette::Window), highlight);
        QCOMPARE(h.Main("lblCommonEraDate_0")->palette().color(QPalette::Window), dehighlight);

        // Pictures: the moon and the stems and branches of day and year.
        const QPixmap moon = h.Main<QLabel>("picMoon")->pixmap();
        QCOMPARE(moon.size(), QSize(90, 90));
        for (const char* name : {"picStem_0", "picStem_1", "picBranch_0", "picBranch_1"})
            QCOMPARE(h.Main<QLabel>(name)->pixmap().size(), QSize(25, 25));

        QVERIFY(h.Main("cmdSaveState")->isEnabled());
        QVERIFY(h.Main("cmdRestoreState")->isEnabled());
        QVERIFY(!h.Main("cmdViewLog")->isVisible());
        QVERIFY(!h.Main("cmdClearLog")->isVisible());
        QVERIFY(!h.Main("cmdTest")->isVisible());
        QCOMPARE(h.window->focusWidget(), h.Main("cmdNow"));
    }

    void typedDateConvertsOnEnter() {
        Harness h;
        QTest::keyClicks(h.Main("txbDate"), "2000-01-01 ce");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
        QVERIFY(h.messages.empty());
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2000-01-01 CE 12:00 GMT Saturday"));
        QCOMPARE(h.Text("lblAstronomicalJulianDate_1"), QString("2,451,545.0000 AJD"));
        QCOMPARE(h.Text("lblChineseLunarDate_1").right(9), QString("20:00 CCT"));
        QCOMPARE(h.Main<QLineEdit>("txbDate")->text(), QString("2000-01-01 CE"));
        QCOMPARE(h.Main<QLineEdit>("txbTime")->text(), QString("12:00"));
        QCOMPARE(h.Main<QComboBox>("cboTimeZone")->currentText(), QString("GMT"));
        QCOMPARE(h.Main("lblCommonEraDate_0")->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(h.window->focusWidget(), h.Main("txbDate"));
        QCOMPARE(h.Main<QLineEdit>("txbDate")->cursorPosition(), 13);

        // A refused entry: its message, and the moment stays.
        QTest::keyClick(h.Main("txbDate"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(h.Main("txbDate"), "2000/01/01 CE");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
        const ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Invalid date or time entry"));
        QCOMPARE(m.text, std::string("Date separator must be a dash, '-'."));
        QCOMPARE(m.icon, MessageIcon::kExclamation);
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2000-01-01 CE 12:00 GMT Saturday"));
        QCOMPARE(h.Main<QLineEdit>("txbTime")->text(), QString());

        // Enter in the days box converts only with a date and a number of days.
        auto* days = h.Main<QLineEdit>("txbPlusMinus");
        QTest::keyClick(days, Qt::Key_Return);
        QVERIFY(h.messages.empty());
        QTest::keyClick(h.Main("txbDate"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(h.Main("txbDate"), "2000-01-01 CE");
        QTest::keyClicks(days, "1.5");
        h.Click("optMinus");
        QTest::keyClick(days, Qt::Key_Return);
        QVERIFY(h.messages.empty());
        QCOMPARE(h.Text("lblAstronomicalJulianDate_1"), QString("2,451,543.5000 AJD"));
    }

    // A click on a date copies it into the entry boxes; converting it again
    // changes nothing.
    void clickedDateConvertsUnchanged() {
        Harness h;
        h.Click("lblCommonEraDate_0");  // the caption: clipboard and highlight only
        QCOMPARE(ClipboardText(), h.Text("lblCommonEraDate_1"));
        QCOMPARE(h.Main<QLineEdit>("txbDate")->text(), QString());
        QCOMPARE(h.Main("lblCommonEraDate_0")->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(h.Main("lblChineseLunarDate_0")->palette().color(QPalette::Window), QColor(200, 200, 200));

        h.Click("lblCommonEraDate_1");
        QCOMPARE(h.Main<QLineEdit>("txbDate")->text(), QString("2024-02-10 CE"));
        QCOMPARE(h.Main<QLineEdit>("txbTime")->text(), QString("00:00"));
        QCOMPARE(h.Main<QComboBox>("cboTimeZone")->currentIndex(), 0);
        h.Click("cmdCompute");
        const ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Convert date"));
        QCOMPARE(m.text, std::string("Calendar dates unchanged."));

        // A lunar date fills the element and animal boxes from its caption.
        h.Click("lblChineseLunarDate_1");
        QCOMPARE(h.Main<QLineEdit>("txbDate")->text(), QString("79-41-01-01 CHL"));
        QCOMPARE(h.Main<QComboBox>("cboTimeZone")->currentText(), QString("CCT"));

        // Clear empties the date and time but not the days.
        h.Click("cmdClearDate");
        QCOMPARE(h.Main<QLineEdit>("txbDate")->text(), QString());
        QCOMPARE(h.Main<QLineEdit>("txbTime")->text(), QString());
        QCOMPARE(h.Main<QComboBox>("cboTimeZone")->currentIndex(), -1);

        // The moon labels copy themselves.
        h.Click("lblPhaseOfMoon_1");
        QCOMPARE(ClipboardText(), h.Text("lblPhaseOfMoon_1"));
        h.Click("lblAgeOfMoon_1");
        QCOMPARE(ClipboardText(), h.Text("lblAgeOfMoon_1"));
    }

    // A "?" position opens the element and animal boxes; a choice moves the
    // focus to Convert.
    void unknownPositionEnablesElementAndAnimal() {
        Harness h;
        QTest::keyClicks(h.Main("txbDate"), "70-?-12-30 chl");
        QVERIFY(h.Main("cboElement")->isEnabled());
        QVERIFY(h.Main("cboAnimal")->isEnabled());
        QVERIFY(h.Main("lblElement")->isEnabled());
        auto* element = h.Main<QComboBox>("cboElement");
        element->setCurrentIndex(0);
        emit element->activated(0);
        QCOMPARE(h.window->focusWidget(), h.Main("cmdCompute"));
        QCOMPARE(element->currentText(), QString("wood"));
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Backspace);  // "... ch": no lunar date any more
        QVERIFY(!h.Main("cboElement")->isEnabled());
        QCOMPARE(element->currentText(), QString());
    }

    void settingsReachTheRows() {
        Harness h;
        auto* longitude = h.Main<QComboBox>("cboLongitude");
        longitude->setCurrentIndex(16);
        emit longitude->activated(16);
        QCOMPARE(h.Main<QLineEdit>("txbCCT")->text(), QString("BEI"));
        QCOMPARE(h.Main<QComboBox>("cboTimeZone")->itemText(1), QString("BEI"));
        QVERIFY(h.Text("lblChineseLunarDate_1").endsWith("BEI"));

        auto* cct = h.Main<QLineEdit>("txbCCT");
        cct->setFocus();
        cct->selectAll();
        QTest::keyClicks(cct, "abcdef");
        QTest::keyClick(cct, Qt::Key_Return);
        QCOMPARE(cct->text(), QString("abc"));
        QCOMPARE(h.Main<QComboBox>("cboTimeZone")->itemText(1), QString("abc"));

        h.Click("chkShowCJDs");
        QVERIFY(h.Main("lblChronologicalJulianDateBeijing_1")->isVisible());
        QCOMPARE(h.Text("lblChronologicalJulianDateBeijing_0"), QString("Chronological JD 116º East"));
        QVERIFY(h.Main("lblChronologicalJulianDateLocal_0")->isVisible());
        QVERIFY(!h.Main("lblElementAnimalOfMonth")->isVisible());
        h.Click("chkShowLocal");
        QVERIFY(!h.Main("lblCommonEraDateLocal_1")->isVisible());
        QVERIFY(!h.Main("lblChronologicalJulianDateLocal_0")->isVisible());

        auto* epoch = h.Main<QComboBox>("cboEpoch");
        epoch->setCurrentIndex(1);
        emit epoch->activated(1);
        QVERIFY(h.Text("lblChineseLunarDate_1").startsWith("78-41-"));

        h.Click("cmdReset");
        QVERIFY(h.Main<QCheckBox>("chkShowLocal")->isChecked());
        QVERIFY(!h.Main<QCheckBox>("chkShowCJDs")->isChecked());
        QCOMPARE(epoch->currentIndex(), 1);  // Reset keeps the epoch
    }

    // Enter presses the focused button, F1 opens the help; the web labels
    // open their pages, and a browser that fails says so.
    void keysAndLinks() {
        Harness h;
        h.now += 1.0;
        QCOMPARE(h.window->focusWidget(), h.Main("cmdNow"));
        QTest::keyClick(h.Main("cmdNow"), Qt::Key_Return);
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-11 CE 00:00 GMT Sunday"));

        QVERIFY(!h.window->Help()->isVisible());
        QTest::keyRelease(h.Main("txbDate"), Qt::Key_F1);
        QVERIFY(h.window->Help()->isVisible());

        // The project has no page of its own: its label is hidden.
        QVERIFY(h.Main("lblTarvolinSystems")->isHidden());
        h.app->Main().manual_file = "/usr/share/doc/vemla/vemla-manual.html";
        h.Click("lblOnlineDocumentation");
        QCOMPARE(h.opened_links, std::vector<std::string>{"file:///usr/share/doc/vemla/vemla-manual.html"});
        QVERIFY(h.messages.empty());
        h.browser_works = false;
        h.Click("lblOnlineDocumentation");
        QCOMPARE(h.TakeMessage().icon, MessageIcon::kExclamation);
    }

    void quitClosesEveryWindow() {
        Harness h;
        h.Click("cmdHelp");
        QVERIFY(h.window->Help()->isVisible());
        h.Click("cmdQuit");
        QVERIFY(!h.window->isVisible());
        QVERIFY(!h.window->Help()->isVisible());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::MainWindowTest)
#include "main_window_test.moc"
