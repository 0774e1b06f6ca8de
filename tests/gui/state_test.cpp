// Save state and Restore state from the main window, and a start with a
// saved state.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "gui_harness.h"

namespace vemla::test {

class StateTest : public QObject {
    Q_OBJECT

private slots:
    void saveThenRestore() {
        Harness h;
        h.Click("cmdSaveState");
        QVERIFY(h.messages.empty());
        QVERIFY(QFile::exists(h.StateFile()));
        QVERIFY(!h.Main("cmdRestoreState")->isEnabled());

        Choose(h.Main<QComboBox>("cboEpoch"), 1);
        Choose(h.Main<QComboBox>("cboLongitude"), 10);
        h.Click("chkShowCJDs");
        QTest::keyClicks(h.Main("txbDate"), "2000-01-01 CE");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
        QVERIFY(h.Main("cmdRestoreState")->isEnabled());

        h.answer = MessageAnswer::kNo;
        h.Click("cmdRestoreState");
        const ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Restore state"));
        QCOMPARE(m.text, std::string("Restore previous log configuration also?"));
        QCOMPARE(m.buttons, MessageButtons::kYesNo);
        QCOMPARE(h.Main<QComboBox>("cboEpoch")->currentIndex(), 0);
        QCOMPARE(h.Main<QComboBox>("cboLongitude")->currentText(), QString("120"));
        QVERIFY(!h.Main("lblChronologicalJulianDateLondon_1")->isVisible());
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-10 CE 00:00 GMT Saturday"));
        QVERIFY(!h.Main("cmdSaveState")->isEnabled());
    }

    // The next start shows the saved moment, not the present one.
    void startWithSavedState() {
        QTemporaryDir config;
        {
            Harness first(config.path());
            QTest::keyClicks(first.Main("txbDate"), "2000-01-01 CE");
            QTest::keyClick(first.Main("txbDate"), Qt::Key_Return);
            first.Click("chkShowCJDs");
            first.Click("cmdSaveState");
        }
        Harness second(config.path());
        QCOMPARE(second.Text("lblCommonEraDate_1"), QString("2000-01-01 CE 12:00 GMT Saturday"));
        QVERIFY(second.Main<QCheckBox>("chkShowCJDs")->isChecked());
        QVERIFY(second.Main("lblChronologicalJulianDateLondon_1")->isVisible());
    }

    void failuresAreReported() {
        Harness h;
        h.Click("cmdRestoreState");  // nothing saved yet
        ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Restore state"));
        QCOMPARE(m.text, std::string("Unable to restore the saved state."));

        // A folder where the file should be: saving fails and says why.
        QVERIFY(QDir().mkpath(h.StateFile()));
        h.Click("cmdSaveState");
        m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Save state"));
        QVERIFY(QString::fromStdString(m.text).startsWith("Error when attempting to save the state: "));
        QCOMPARE(m.icon, MessageIcon::kExclamation);
        QVERIFY(h.Main("cmdSaveState")->isEnabled());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::StateTest)
#include "state_test.moc"
