// The move and search panels: single steps, the one-day move, a repeated
// move paced by the window's Clock with Pause, Resume and Stop, during which
// nothing in the window moves, and searches with their messages.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <map>

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

class MoveTest : public QObject {
    Q_OBJECT

  private slots:
    void singleStepsAndOneDay() {
        Harness h;
        Choose(h.Main<QComboBox>("cboMoveStep"), 3);  // CE month
        QCOMPARE(h.window->focusWidget(), h.Main("cmdMove"));
        h.Click("cmdMove");
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-03-10 CE 00:00 GMT Sunday"));
        h.Click("cmdMoveOneDay");
        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-03-11 CE 00:00 GMT Monday"));
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

        QCOMPARE(h.Text("lblCommonEraDate_1"), QString("2024-02-11 CE 00:00 GMT Sunday"));
        QVERIFY(h.Main("fraStopPauseResume")->isVisible());
        QVERIFY(!h.Main("fraMove")->isEnabled());
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
        QVERIFY(!h.Main<QCheckBox>("chkRepeatedly")->isChecked());
        QCOMPARE(h.window->focusWidget(), h.Main("cmdMove"));
        const std::map<QString, QRect> after = Geometry(h.window.get());
        CompareShared(after, before, "after the run");
        QCOMPARE(after.size(), before.size());
        QVERIFY(h.messages.empty());
    }

    // A run that passes the earliest date stops with its message, which
    // opens over the moment that passed the bound.
    void runStopsAtTheBound() {
        Harness h;
        QTest::keyClicks(h.Main("txbDate"), "-2950-06-01 CE");
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
        Choose(h.Main<QComboBox>("cboMoveStep"), 5);  // CE century
        h.Click("optMoveDirection_1");
        h.Click("chkRepeatedly");
        QString shown_under_message;
        h.on_message = [&] { shown_under_message = h.Text("lblCommonEraDate_1"); };
        h.Click("cmdMove");
        const ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Out of range"));
        QCOMPARE(m.text, std::string("Earliest date exceeded."));
        QVERIFY2(shown_under_message.startsWith("-3050-06-01 CE"), qPrintable(shown_under_message));
        QVERIFY(!h.window->findChild<QTimer*>("Clock")->isActive());
    }

    void searchNextAndPrevious() {
        Harness h;
        auto* target = h.Main<QComboBox>("cboTarget");
        QCOMPARE(target->currentText(), QString("Full moon"));
        h.Click("cmdSearch");
        QVERIFY(h.Text("lblCommonEraDate_1").startsWith("2024-02-24 CE 12:"));
        QVERIFY(h.messages.empty());
    }

    // The element and animal boxes open for the element-animal targets, and
    // a choice is written into the target's item.
    void elementAnimalTargets() {
        Harness h;
        auto* target = h.Main<QComboBox>("cboTarget");
        Choose(target, 15);  // element-animal day
        QVERIFY(h.Main("cboElement")->isEnabled());
        h.Click("cmdSearch");
        QCOMPARE(h.TakeMessage().text,
                 std::string("You must specify an element, an animal or both."));
        Choose(h.Main<QComboBox>("cboAnimal"), 0);  // rat
        QCOMPARE(target->currentText(), QString("Element-rat (-zi) day"));
        h.Click("cmdSearch");
        Choose(target, 0);
        QVERIFY(!h.Main("cboElement")->isEnabled());
        QCOMPARE(target->itemText(15), QString("Element-animal day"));
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::MoveTest)
#include "move_test.moc"
