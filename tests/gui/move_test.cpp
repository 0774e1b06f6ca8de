// The move panel: single steps, the one-day move, and a repeated move paced
// by the window's Clock with Pause, Resume and Stop.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <ctime>

#include "gui_harness.h"

namespace vemla::test {
namespace {

void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

class MoveTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void singleStepsAndOneDay() {
        Harness h;
        Choose(h.Main<QComboBox>("cboMoveStep"), 3);  // CE month
        QCOMPARE(h.window->focusWidget(), h.Main("cmdMove"));
        h.Click("cmdMove");
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-03-10 CE 00:00 GMT Sunday"));
        QCOMPARE(h.Main("lblCommonEraDate_0")->palette().color(QPalette::Window), QColor(255, 255, 255));
        QVERIFY(!h.Main("fraStopPauseResume")->isVisible());
        QVERIFY(h.Main("cmdMove")->isEnabled());

        h.Click("optMoveDirection_1");
        h.Click("cmdMove");
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-10 CE 00:00 GMT Saturday"));

        // "one day" always moves by a day, whatever the step.
        h.Click("cmdMoveOneDay");
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-09 CE 00:00 GMT Friday"));

        // A typed date is taken over before the step and the box emptied.
        QTest::keyClicks(h.Main("txbDate"), "2000-01-31 CE");
        h.Click("optMoveDirection_0");
        h.Click("cmdMove");
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2000-02-29 CE 12:00 GMT Tuesday"));
        QVERIFY(h.Main<QLineEdit>("txbDate")->text().isEmpty());
        QVERIFY(h.messages.empty());

        QTest::keyRelease(h.Main("cmdMove"), Qt::Key_F1);
        QVERIFY(h.window->Help()->isVisible());
    }

    // Steps come from the Clock; Pause stops it, Resume starts it again, Stop
    // ends the run and unlocks the window.
    void repeatedMovePauseResumeStop() {
        Harness h;
        auto* clock = h.window->findChild<QTimer*>("Clock");
        QVERIFY(clock);
        QVERIFY(!clock->isActive());
        Choose(h.Main<QComboBox>("cboRefreshPeriod"), 0);  // 0.2 s
        h.Click("chkRepeatedly");
        h.Click("cmdMove");

        // The first step at once, then the window locked for the run.
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-11 CE 00:00 GMT Sunday"));
        QVERIFY(h.Main("fraStopPauseResume")->isVisible());
        QVERIFY(!h.Main("cmdNow")->isVisible());
        QVERIFY(!h.Main("cmdMove")->isEnabled());
        QVERIFY(!h.Main("txbDate")->isEnabled());
        QVERIFY(!h.Main("cboEpoch")->isEnabled());
        QVERIFY(!h.Main("cmdSaveState")->isEnabled());
        QVERIFY(!h.Main("cboRefreshPeriod")->isEnabled());
        QCOMPARE(h.window->focusWidget(), h.Main("cmdStop"));
        QVERIFY(clock->isActive());
        QCOMPARE(clock->interval(), 200);
        QTRY_COMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-12 CE 00:00 GMT Monday"));

        h.Click("cmdPauseResume");
        QCOMPARE(h.Main<QPushButton>("cmdPauseResume")->text(), QString("Resume"));
        QVERIFY(!clock->isActive());
        QVERIFY(h.Main("cboRefreshPeriod")->isEnabled());
        QCOMPARE(h.window->focusWidget(), h.Main("cmdPauseResume"));
        const QString paused_at = h.Text("lblCommonEraDate_1");
        QTest::qWait(300);
        QCOMPARE(h.Text("lblCommonEraDate_1"), paused_at);

        Choose(h.Main<QComboBox>("cboRefreshPeriod"), 1);  // 0.5 s, taken at Resume
        h.Click("cmdPauseResume");
        QCOMPARE(h.Main<QPushButton>("cmdPauseResume")->text(), QString("Pause"));
        QVERIFY(clock->isActive());
        QCOMPARE(clock->interval(), 500);
        QTRY_VERIFY(h.Text("lblCommonEraDate_1") != paused_at);

        h.Click("cmdStop");
        QVERIFY(!clock->isActive());
        QVERIFY(!h.Main("fraStopPauseResume")->isVisible());
        QVERIFY(h.Main("cmdNow")->isVisible());
        QVERIFY(h.Main("cmdMove")->isEnabled());
        QVERIFY(h.Main("txbDate")->isEnabled());
        QVERIFY(h.Main("cboEpoch")->isEnabled());
        QVERIFY(h.Main("cmdSaveState")->isEnabled());
        QVERIFY(!h.Main<QCheckBox>("chkRepeatedly")->isChecked());
        QCOMPARE(h.window->focusWidget(), h.Main("cmdMove"));
        const QString stopped_at = h.Text("lblCommonEraDate_1");
        QTest::qWait(700);
        QCOMPARE(h.Text("lblCommonEraDate_1"), stopped_at);
        QVERIFY(h.messages.empty());
    }

    // A run that passes the earliest date stops with its message.
    void runStopsAtTheBound() {
        Harness h;
        QTest::keyClicks(h.Main("txbDate"), "-2950-06-01 CE");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
        Choose(h.Main<QComboBox>("cboMoveStep"), 5);  // CE century
        h.Click("optMoveDirection_1");
        h.Click("chkRepeatedly");
        h.Click("cmdMove");
        const ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Out of range"));
        QCOMPARE(m.text, std::string("Earliest date exceeded."));
        QVERIFY(!h.window->findChild<QTimer*>("Clock")->isActive());
        QVERIFY(h.Main("cmdMove")->isEnabled());
        QVERIFY(!h.Main("fraStopPauseResume")->isVisible());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::MoveTest)
#include "move_test.moc"
