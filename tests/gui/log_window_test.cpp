// The log window and its preferences dialog, reached from the main window.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

#include "gui_harness.h"

namespace vemla::test {

class LogWindowTest : public QObject {
    Q_OBJECT

private slots:
    void addViewCopyAndClose() {
        Harness h;
        h.Click("cmdAddToLog");
        QVERIFY(h.Main("cmdViewLog")->isVisible());
        LogWindow* log = h.window->Log();
        QVERIFY(!log->isVisible());

        h.Click("cmdViewLog");
        QVERIFY(log->isVisible());
        auto* text = h.InLog<QPlainTextEdit>("txbText");
        QCOMPARE(LogTextFromBox(text->toPlainText()), h.app->Log().Text());
        QCOMPARE(log->focusWidget(), h.InLog("cmdClose"));

        // Nothing selected: the whole log, with its own line ends.
        h.Click(h.InLog("cmdCopyToClipboard"));
        QCOMPARE(ClipboardText().toStdString(), h.app->Log().Text());

        // A selection made with the mouse changes the button, and only it is copied.
        QTextCursor cursor = text->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        text->setTextCursor(cursor);
        QTest::mouseRelease(text->viewport(), Qt::LeftButton);
        QCOMPARE(h.InLog<QPushButton>("cmdCopyToClipboard")->text(), QString("Copy selected text to clipboard"));
        h.Click(h.InLog("cmdCopyToClipboard"));
        QCOMPARE(ClipboardText(), text->toPlainText().left(5));
        QCOMPARE(h.InLog<QPushButton>("cmdCopyToClipboard")->text(), QString("Copy to clipboard"));

        // Closing from the title bar keeps the log.
        QVERIFY(log->close());
    }

    void clearAsksFirst() {
        Harness h;
        h.Click("cmdAddToLog");
        h.Click("cmdViewLog");

        h.answer = MessageAnswer::kCancel;
        h.Click(h.InLog("cmdClear"));
        ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Clear log"));
        QCOMPARE(m.text, std::string("Erase all data in the log?"));
        QCOMPARE(m.buttons, MessageButtons::kOkCancel);
        QVERIFY(h.window->Log()->isVisible());

        h.answer = MessageAnswer::kOk;
        h.Click(h.InLog("cmdClear"));
        QCOMPARE(h.TakeMessage().title, std::string("Clear log"));
        QVERIFY(!h.window->Log()->isVisible());
        QVERIFY(!h.Main("cmdViewLog")->isVisible());

        // The main window's own Clear log asks the same.
        h.Click("cmdAddToLog");
        h.Click("cmdClearLog");
        QCOMPARE(h.TakeMessage().text, std::string("Erase all data in the log?"));
        QVERIFY(h.app->Log().Text().empty());
    }

    // With auto log on, every entry is appended to the log's box, also the
    // ones made while the window was closed: the box is never written anew
    // (its first line keeps a mark), and after the user's edits it still
    // shows the whole log.
    void autoLogAppendsToTheBox() {
        Harness h;
        h.Click("chkAutoLog");
        h.Click("cmdNow");
        h.Click("cmdViewLog");
        auto* box = h.InLog<QPlainTextEdit>("txbText");
        box->document()->firstBlock().setUserState(7);
        h.Click("cmdMoveOneDay");
        h.Click(h.InLog("cmdClose"));
        for (int i = 0; i < 3; ++i) h.Click("cmdMoveOneDay");
        h.Click("cmdViewLog");
        QCOMPARE(LogTextFromBox(box->toPlainText()), h.app->Log().Text());
        QCOMPARE(box->document()->firstBlock().userState(), 7);

        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, "my note");
        h.Click("cmdMoveOneDay");
        QVERIFY(h.app->Log().Text().find("my note") != std::string::npos);
        QCOMPARE(LogTextFromBox(box->toPlainText()), h.app->Log().Text());

        // "View log after adding an entry" opens the window on Add to log.
        h.Click(h.InLog("cmdClose"));
        h.Click("cmdLogPreferences");
        h.Click(h.InPreferences("chkViewLogWhenAdd"));
        h.Click(h.InPreferences("cmdClose"));
        h.Click("cmdAddToLog");
        QVERIFY(h.window->Log()->isVisible());
    }

    void preferencesDialog() {
        Harness h;
        LogPreferencesWindow* dialog = h.window->Preferences();
        h.Click("cmdSaveState");
        h.Click("cmdLogPreferences");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("Configure log entries"));
        QCOMPARE(dialog->focusWidget(), h.InPreferences("cmdClose"));

        h.Click(h.InPreferences("chkVerbose"));
        h.Click(h.InPreferences("cmdSetClear_0"));
        const QList<QCheckBox*> boxes = dialog->findChildren<QCheckBox*>();
        for (QCheckBox* box : boxes) QVERIFY2(box->isChecked(), qPrintable(box->objectName()));

        // The title bar's close does what Close does; either counts as a change.
        QVERIFY(dialog->close());
        QVERIFY(h.Main("cmdSaveState")->isEnabled());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::LogWindowTest)
#include "log_window_test.moc"
