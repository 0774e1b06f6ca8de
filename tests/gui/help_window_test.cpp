// The help and credits windows.
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/help_text.h"
#include "gui_harness.h"

namespace vemla::test {

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void helpAndCredits() {
        Harness h;
        HelpWindow* help = h.window->Help();
        h.Click("cmdHelp");
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Help screen for Vemla"));
        QCOMPARE(help->focusWidget(), h.InHelp("cmdClose"));

        // Every heading stands alone on its line, no-break space included.
        const QString text = h.InHelp<QTextEdit>("txbHelpScreen")->document()->toRawText();
        for (int n = 1; n <= 14; ++n) {
            const QString heading = QString::fromStdString(HelpSectionHeading(n));
            QVERIFY2(text.contains(QChar::ParagraphSeparator + heading + QChar::ParagraphSeparator),
                     qPrintable(heading));
        }
        QVERIFY(h.InHelp<QTextEdit>("txbHelpScreen")->isReadOnly());

        h.Click(h.InHelp("cmdCredit"));
        QWidget* credits = help->findChild<QWidget*>("frmCredits");
        QVERIFY(credits && credits->isVisible());
        QCOMPARE(credits->windowTitle(), QString("Credits"));
        const QString credit_text = credits->findChild<QPlainTextEdit*>("txbMsg")->toPlainText();
        QVERIFY(credit_text.contains("The Vemla developers"));
        QVERIFY(credit_text.contains("VSOP87"));
        h.Click(credits->findChild<QWidget*>("cmdClose"));
        QVERIFY(!credits->isVisible());

        // Releasing F1 on Close closes the help, as Close does.
        QTest::keyRelease(h.InHelp("cmdClose"), Qt::Key_F1);
        QVERIFY(!help->isVisible());
        h.Click("cmdHelp");
        h.Click(h.InHelp("cmdClose"));
        QVERIFY(!help->isVisible());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::HelpWindowTest)
#include "help_window_test.moc"
