// The list window frmData, opened from the main window's buttons.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/new_years.h"
#include "app/year_data.h"
#include "gui/data_window.h"
#include "gui/widgets.h"
#include "gui_harness.h"

namespace vemla::test {

class ListWindowTest : public QObject {
    Q_OBJECT

private slots:
    void yearDataAndItsOptions() {
        Harness h;
        DataWindow* lists = h.window->Lists();
        QVERIFY(!lists->isVisible());
        h.Click("cmdDisplayYearData");
        QCOMPARE(lists->windowTitle(), ToQString(kYearDataCaption));
        auto* text = lists->findChild<QPlainTextEdit*>("txbText");
        QCOMPARE(LogTextFromBox(text->toPlainText()), h.app->Lists().View().text);
        QVERIFY(!lists->findChild<QWidget*>("cmdList")->isVisible());
        QCOMPARE(lists->focusWidget(), lists->findChild<QWidget*>("cmdClose"));

        // The box for the minor terms writes the listing again.
        auto* minor = lists->findChild<QCheckBox*>("chkIncludeMinorSolarTerms");
        h.Click(minor);
        QCOMPARE(text->toPlainText().contains(" J1"), minor->isChecked());
        QCOMPARE(LogTextFromBox(text->toPlainText()), h.app->Lists().View().text);

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
        QCOMPARE(lists->windowTitle(), ToQString(kLunarNewYearsCaption));
        QCOMPARE(years->text(), QString("20"));
        QVERIFY(lists->findChild<QWidget*>("chkOmitInvalidDates")->isVisible());

        h.Click("cmdListLeapMonths");
        QCOMPARE(lists->windowTitle(), ToQString(kMonthStartsCaption));
        QCOMPARE(years->text(), QString("3"));
        QVERIFY(!lists->findChild<QWidget*>("chkOmitInvalidDates")->isVisible());

        h.Click("cmdListJulianCENewYears");
        QCOMPARE(lists->windowTitle(), ToQString(kNewYearsCaption));
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
        h.Click(close);
        QVERIFY(!lists->isVisible());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::ListWindowTest)
#include "list_window_test.moc"
