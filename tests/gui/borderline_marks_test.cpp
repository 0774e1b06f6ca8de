// The mark beside the CHL row of a borderline date, driven through the real
// window: typed 1914-11-18 (a dark moon minutes after midnight, on which
// published tables disagree), it appears right after the lunar date with the
// explanation as its tooltip; typed 2024-02-10, it is gone.
#include <QLineEdit>

#include "gui_harness.h"

namespace vemla::test {

class BorderlineMarksTest : public QObject {
    Q_OBJECT

  private:
    static void Type(Harness& h, const char* date) {
        QTest::keyClick(h.Main("txbDate"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(h.Main("txbDate"), date);
        QTest::keyClick(h.Main("txbDate"), Qt::Key_Return);
    }

  private slots:
    void markFollowsTheDisplayedDate() {
        Harness h;
        QLabel* chl = h.Main<QLabel>("lblBorderline_0");
        QLabel* chs = h.Main<QLabel>("lblBorderline_1");
        QVERIFY(!chl->isVisible() && !chs->isVisible());

        Type(h, "1914-11-18 CE");
        QVERIFY(chl->isVisible());
        QVERIFY(!chs->isVisible());
        QVERIFY(!chl->text().isEmpty());
        QVERIFY(chl->toolTip().contains("dark moon"));
        QVERIFY(chl->toolTip().contains("77-51-10-02 CHL"));
        // Right after the lunar date, on its line.
        const QLabel* value = h.Main<QLabel>("lblChineseLunarDate_1");
        const QRect date = value->geometry(), mark = chl->geometry();
        QVERIFY(mark.left() >= date.right() && mark.left() - date.right() < 40);
        QVERIFY(mark.top() < date.bottom() && mark.bottom() > date.top());

        Type(h, "2024-02-10 CE");
        QVERIFY(!chl->isVisible() && !chs->isVisible());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::BorderlineMarksTest)
#include "borderline_marks_test.moc"
