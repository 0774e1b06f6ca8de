// The borderline marks of the real window, right after the CHL and CHS dates:
// published tables disagree on 1914-11-18 (a dark moon minutes after midnight
// at 120 degrees East); the December solstice of 2021 came at 23:59 there;
// 2024-02-10 is certain.
#include "gui_harness.h"

namespace vemla::test {

class BorderlineMarksTest : public QObject {
    Q_OBJECT

  private slots:
    void marksFollowTheDisplayedDate() {
        Harness h;
        const struct {
            const char* date;
            bool chl, chs;
            const char* alternative;
        } cases[] = {{"1914-11-18 CE", true, false, "77-51-10-02 CHL"},
                     {"2021-12-21 CE", false, true, "79-38-24-15 CHS"},
                     {"2024-02-10 CE", false, false, ""}};
        for (const auto& c : cases) {
            QTest::keyClick(h.Main("txbDate"), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(h.Main("txbDate"), c.date);
            QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
            QLabel* marks[] = {h.Main<QLabel>("lblBorderline_0"),
                               h.Main<QLabel>("lblBorderline_1")};
            QCOMPARE(marks[0]->isVisible(), c.chl);
            QCOMPARE(marks[1]->isVisible(), c.chs);
            if (!c.chl && !c.chs) continue;
            QLabel* mark = marks[c.chl ? 0 : 1];
            QVERIFY(mark->toolTip().startsWith("Borderline: ") &&
                    mark->toolTip().contains(c.alternative));
            const QRect value =
                h.Main(c.chl ? "lblChineseLunarDate_1" : "lblChineseSolarDate_1")->geometry();
            QVERIFY(mark->geometry().left() > value.right() &&
                    mark->geometry().left() - value.right() < 40);
            QVERIFY(mark->geometry().top() < value.bottom() &&
                    mark->geometry().bottom() > value.top());
        }
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::BorderlineMarksTest)
#include "borderline_marks_test.moc"
