// "Export to calendar..." in the list window: which listings it takes, the
// file it writes and the message when it cannot write.
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "gui/data_window.h"
#include "gui_harness.h"

namespace vemla::test {

class CalendarExportTest : public QObject {
    Q_OBJECT

  private slots:
    void exportsTheListingShown() {
        Harness h;
        QTemporaryDir folder;
        DataWindow* lists = h.window->Lists();
        QString offered;
        QString answer = folder.filePath("new-years");
        lists->choose_export_file = [&](const QString& suggested) {
            offered = suggested;
            return answer;
        };
        auto* button = lists->findChild<QPushButton*>("cmdExportToCalendar");
        QVERIFY(button);
        QCOMPARE(button->text(), QString("Export to calendar..."));

        h.Click("cmdListJulianCENewYears");
        QVERIFY(!button->isEnabled());

        h.Click("cmdListLunarNewYears");  // the displayed moment is 79-41's new year
        QVERIFY(button->isEnabled());
        h.Click(button);
        QVERIFY(offered.endsWith("/lunar-new-years.ics"));
        QFile file(answer + ".ics");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QCOMPARE(text.count("BEGIN:VEVENT"), 20);
        QVERIFY(text.contains("SUMMARY:Lunar new year 4722 jia-chen (wood-dragon)\r\n"));
        QVERIFY(text.contains("DTSTART;VALUE=DATE:20240210\r\n"));

        // A folder that is not there: a message, and no file.
        answer = folder.filePath("missing/dates.ics");
        h.Click("cmdDisplayYearData");
        QVERIFY(button->isEnabled());
        h.Click(button);
        const ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Export to calendar"));
        QVERIFY(m.text.rfind("Unable to write the calendar file ", 0) == 0);
        QVERIFY(!QFile::exists(answer));
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::CalendarExportTest)
#include "calendar_export_test.moc"
