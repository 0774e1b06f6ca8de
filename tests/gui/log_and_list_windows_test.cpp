// The log window with its preferences dialog, and the list window frmData
// with "Export to calendar...", reached from the main window's buttons.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/new_years.h"
#include "app/year_data.h"
#include "gui/data_window.h"
#include "gui/widgets.h"
#include "gui_harness.h"

namespace vemla::test {

class LogAndListWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    // View log opens the log; Copy takes all of it or the selection; the
    // title bar's close keeps the log, Clear empties it.
    void logViewCopyCloseAndClear() {
        Harness h;
        h.Click("cmdAddToLog");
        LogWindow* log = h.window->Log();
        h.Click("cmdViewLog");
        QVERIFY(log->isVisible());
        auto* text = Harness::In<QPlainTextEdit>(log, "txbText");
        QCOMPARE(LogTextFromBox(text->toPlainText()), h.app->Log().Text());
        QCOMPARE(log->focusWidget(), Harness::In(log, "cmdClose"));

        // Nothing selected: the whole log, with its own line ends.
        auto* copy = Harness::In<QPushButton>(log, "cmdCopyToClipboard");
        h.Click(copy);
        QCOMPARE(ClipboardText().toStdString(), h.app->Log().Text());

        // A selection made with the mouse changes the button, and only it is copied.
        QTextCursor cursor = text->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        text->setTextCursor(cursor);
        QTest::mouseRelease(text->viewport(), Qt::LeftButton);
        QCOMPARE(copy->text(), QString("Copy selected text to clipboard"));
        h.Click(copy);
        QCOMPARE(ClipboardText(), text->toPlainText().left(5));
        QCOMPARE(copy->text(), QString("Copy to clipboard"));

        QVERIFY(log->close());
        QVERIFY(h.Main("cmdViewLog")->isVisible());

        h.Click("cmdViewLog");
        h.Click(Harness::In(log, "cmdClear"));
        QCOMPARE(h.TakeMessage().text, std::string("Erase all data in the log?"));
        QVERIFY(!log->isVisible() && !h.Main("cmdViewLog")->isVisible());
    }

    // With auto log on, every entry is appended to the log's box, also the
    // ones made while the window was closed: the box is never written anew
    // (its first line keeps a mark), and after the user's edits it still
    // shows the whole log. "View log after adding an entry" opens the log on
    // Add to log; the dialog's title bar close does what Close does.
    void autoLogAndItsPreferences() {
        Harness h;
        h.Click("chkAutoLog");
        h.Click("cmdNow");
        h.Click("cmdViewLog");
        auto* box = Harness::In<QPlainTextEdit>(h.window->Log(), "txbText");
        box->document()->firstBlock().setUserState(7);
        h.Click("cmdMoveOneDay");
        h.Click(Harness::In(h.window->Log(), "cmdClose"));
        for (int i = 0; i < 3; ++i) h.Click("cmdMoveOneDay");
        h.Click("cmdViewLog");
        QCOMPARE(LogTextFromBox(box->toPlainText()), h.app->Log().Text());
        QCOMPARE(box->document()->firstBlock().userState(), 7);

        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, "my note");
        h.Click("cmdMoveOneDay");
        QVERIFY(h.app->Log().Text().find("my note") != std::string::npos);
        QCOMPARE(LogTextFromBox(box->toPlainText()), h.app->Log().Text());

        h.Click(Harness::In(h.window->Log(), "cmdClose"));
        LogPreferencesWindow* dialog = h.window->Preferences();
        h.Click("cmdLogPreferences");
        QCOMPARE(dialog->focusWidget(), Harness::In(dialog, "cmdClose"));
        h.Click(Harness::In(dialog, "chkViewLogWhenAdd"));
        QVERIFY(dialog->close());
        h.Click("cmdAddToLog");
        QVERIFY(h.window->Log()->isVisible());
    }

    // Each button opens its listing as the application wrote it. Export takes
    // the listings of dates only; the file asked for, with ".ics" added,
    // holds the listing.
    void eachListFromItsButtonAndItsExport() {
        Harness h;
        QTemporaryDir folder;
        DataWindow* lists = h.window->Lists();
        QString offered;
        lists->choose_export_file = [&](const QString& suggested) {
            offered = suggested;
            return folder.filePath("new-years");
        };
        auto* button = Harness::In<QPushButton>(lists, "cmdExportToCalendar");
        auto* text = Harness::In<QPlainTextEdit>(lists, "txbText");
        const std::pair<const char*, std::string_view> buttons[] = {
            {"cmdListLunarNewYears", kLunarNewYearsCaption},
            {"cmdListLeapMonths", kMonthStartsCaption},
            {"cmdDisplayYearData", kYearDataCaption},
            {"cmdListJulianCENewYears", kNewYearsCaption}};
        for (const auto& [name, caption] : buttons) {
            h.Click(name);
            QCOMPARE(lists->windowTitle(), ToQString(caption));
            QCOMPARE(LogTextFromBox(text->toPlainText()), h.app->Lists().View().text);
        }
        QCOMPARE(text->textCursor().position(), 0);
        QCOMPARE(lists->focusWidget(), Harness::In(lists, "cmdClose"));
        QVERIFY(!button->isEnabled());

        // The box for the minor terms writes the year data again; Copy with
        // nothing selected takes all of it.
        h.Click("cmdDisplayYearData");
        h.Click(Harness::In(lists, "chkIncludeMinorSolarTerms"));
        QVERIFY(text->toPlainText().contains(" J1"));
        h.Click(Harness::In(lists, "cmdCopyToClipboard"));
        QCOMPARE(ClipboardText().toStdString(), h.app->Lists().View().text);

        h.Click("cmdListLunarNewYears");  // the displayed moment is 79-41's new year
        QCOMPARE(button->text(), QString("Export to calendar..."));
        h.Click(button);
        QVERIFY(h.messages.empty());
        QCOMPARE(offered, QDir::home().filePath("lunar-new-years.ics"));
        QFile file(folder.filePath("new-years.ics"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString ics = QString::fromUtf8(file.readAll());
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20240210\r\n"));
    }

    // A long list runs inside the click, letting events in: Stop (the Close
    // button while it runs) ends it early and leaves the window open.
    void longListStops() {
        Harness h;
        DataWindow* lists = h.window->Lists();
        h.Click("cmdListLunarNewYears");
        auto* years = Harness::In<QLineEdit>(lists, "txbNumYears");
        auto* close = Harness::In<QPushButton>(lists, "cmdClose");
        years->setFocus();
        years->selectAll();
        QTest::keyClicks(years, "5000");

        QString caption_while_running;
        QTimer::singleShot(50, lists, [&] {
            caption_while_running = close->text();
            close->click();
        });
        h.Click(Harness::In(lists, "cmdList"));
        QCOMPARE(caption_while_running, QString("Stop"));
        QVERIFY(lists->isVisible());
        const int lines = Harness::In<QPlainTextEdit>(lists, "txbText")->blockCount();
        QVERIFY2(lines < 4000, qPrintable(QString::number(lines)));
        QCOMPARE(close->text(), QString("Close"));
        h.Click(close);
        QVERIFY(!lists->isVisible());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::LogAndListWindowsTest)
#include "log_and_list_windows_test.moc"
