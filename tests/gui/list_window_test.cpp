// The list window frmData, opened from the main window's buttons.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <ctime>

#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/new_years.h"
#include "app/year_data.h"
#include "gui/data_window.h"
#include "gui_harness.h"

namespace vemla::test {
namespace {

QString Caption(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

class ListWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void yearDataAndItsOptions() {
        Harness h;
        DataWindow* lists = h.window->Lists();
        QVERIFY(!lists->isVisible());
        h.Click("cmdDisplayYearData");
        QVERIFY(lists->isVisible());
        QCOMPARE(lists->windowTitle(), Caption(kYearDataCaption));
        auto* text = lists->findChild<QPlainTextEdit*>("txbText");
        QVERIFY(text->toPlainText().startsWith("Dates, times and chronological Julian dates of dark moons"));
        QCOMPARE(LogTextFromBox(text->toPlainText()), h.app->Lists().View().text);
        QVERIFY(!text->toPlainText().contains(" J1"));  // the minor terms start excluded
        QVERIFY(text->toPlainText().contains(" Z1"));
        QVERIFY(lists->findChild<QWidget*>("chkIncludeMinorSolarTerms")->isVisible());
        QVERIFY(!lists->findChild<QWidget*>("cmdList")->isVisible());
        QCOMPARE(lists->focusWidget(), lists->findChild<QWidget*>("cmdClose"));

        // With the minor terms the listing is written again with them.
        auto* minor = lists->findChild<QCheckBox*>("chkIncludeMinorSolarTerms");
        QVERIFY(!minor->isChecked());
        h.Click(minor);
        QVERIFY(text->toPlainText().contains(" J1"));

        // Copy with nothing selected takes all of it.
        h.Click(lists->findChild<QWidget*>("cmdCopyToClipboard"));
        QCOMPARE(ClipboardText().toStdString(), h.app->Lists().View().text);

        h.Click(lists->findChild<QWidget*>("cmdClose"));
        QVERIFY(!lists->isVisible());
    }

    void eachListFromItsButton() {
        Harness h;
        DataWindow* lists = h.window->Lists();
        auto* text = lists->findChild<QPlainTextEdit*>("txbText");
        auto* years = lists->findChild<QLineEdit*>("txbNumYears");

        h.Click("cmdListLunarNewYears");
        QVERIFY(lists->isVisible());
        QCOMPARE(lists->windowTitle(), Caption(kLunarNewYearsCaption));
        QCOMPARE(years->text(), QString("20"));
        QVERIFY(text->blockCount() > 20);
        QVERIFY(lists->findChild<QWidget*>("chkOmitInvalidDates")->isVisible());
        QCOMPARE(lists->findChild<QLabel*>("lblYears")->text(), QString("years listed"));
        QCOMPARE(lists->findChild<QPushButton*>("cmdClose")->text(), QString("Close"));

        h.Click("cmdListLeapMonths");
        QCOMPARE(lists->windowTitle(), Caption(kMonthStartsCaption));
        QCOMPARE(years->text(), QString("3"));
        QVERIFY(lists->findChild<QWidget*>("chkLeapMonthsOnly")->isVisible());
        QVERIFY(!lists->findChild<QWidget*>("chkOmitInvalidDates")->isVisible());
        // Leap months only, the years box emptied, Enter: the default for leap months.
        h.Click(lists->findChild<QWidget*>("chkLeapMonthsOnly"));
        years->setFocus();
        years->selectAll();
        QTest::keyClick(years, Qt::Key_Delete);
        QTest::keyClick(years, Qt::Key_Return);
        QCOMPARE(years->text(), QString("30"));

        h.Click("cmdListJulianCENewYears");
        QCOMPARE(lists->windowTitle(), Caption(kNewYearsCaption));
        QCOMPARE(text->textCursor().position(), 0);
        QVERIFY(!text->toPlainText().isEmpty());
        QVERIFY(h.messages.empty());
    }

    // A long list runs inside the click, letting events in: Stop (the Close
    // button while it runs) ends it early and leaves the window open.
    void longListStops() {
        Harness h;
        DataWindow* lists = h.window->Lists();
        h.Click("cmdListLunarNewYears");
        auto* years = lists->findChild<QLineEdit*>("txbNumYears");
        auto* close = lists->findChild<QPushButton*>("cmdClose");
        years->setFocus();
        years->selectAll();
        QTest::keyClicks(years, "5000");

        QString caption_while_running;
        QTimer::singleShot(50, lists, [&] {
            caption_while_running = close->text();
            close->click();
        });
        h.Click(lists->findChild<QWidget*>("cmdList"));
        QCOMPARE(caption_while_running, QString("Stop"));
        QVERIFY(lists->isVisible());
        const int lines = lists->findChild<QPlainTextEdit*>("txbText")->blockCount();
        QVERIFY2(lines < 4000, qPrintable(QString::number(lines)));
        QCOMPARE(close->text(), QString("Close"));
        QCOMPARE(lists->findChild<QLabel*>("lblYears")->text(), QString("years listed"));

        h.Click(close);
        QVERIFY(!lists->isVisible());
    }

    // The self-test: one typed date, by Enter in its box.
    void selfTestOfOneDate() {
        Harness h;
        DataWindow* lists = h.window->Lists();
        h.window->findChild<QPushButton*>("cmdTest")->click();
        QVERIFY(lists->isVisible());
        auto* start = lists->findChild<QLineEdit*>("txbStart");
        QVERIFY(start->isVisible());
        QVERIFY(lists->findChild<QWidget*>("cmdStop")->isVisible());
        auto* text = lists->findChild<QPlainTextEdit*>("txbText");
        QVERIFY(text->toPlainText().startsWith("Doing 1000 random"));

        QTest::keyClicks(start, "2024-02-10 CE");
        QTest::keyClick(start, Qt::Key_Return);
        QVERIFY(text->toPlainText().endsWith("11"));
        QVERIFY(h.messages.empty());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::ListWindowTest)
#include "list_window_test.moc"
