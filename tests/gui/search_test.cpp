// The search panel: a search from the displayed moment, the element-animal
// targets and their messages.
#include <QComboBox>
#include <QLabel>

#include <ctime>

#include "gui_harness.h"

namespace vemla::test {
namespace {

void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void nextAndPreviousPhase() {
        Harness h;
        auto* target = h.Main<QComboBox>("cboTarget");
        QCOMPARE(target->count(), 19);
        QCOMPARE(target->currentText(), QString("Full moon"));
        h.Click("cmdSearch");
        QVERIFY(h.messages.empty());
        QVERIFY(h.Text("lblCommonEraDate_1").startsWith("2024-02-24 CE 12:"));
        QVERIFY(h.Text("lblPhaseOfMoon_1").startsWith("Full moon"));

        h.Click("optPrevious");
        QCOMPARE(h.window->focusWidget(), h.Main("cmdSearch"));
        Choose(target, 1);  // dark moon
        h.Click("cmdSearch");
        QVERIFY(h.Text("lblCommonEraDate_1").startsWith("2024-02-09 CE 2"));
        QVERIFY(h.Text("lblPhaseOfMoon_1").startsWith("Dark moon"));
        QVERIFY(h.Main("cmdSaveState")->isEnabled());
    }

    // The element and animal boxes open for the element-animal targets, and
    // a choice is written into the target's item.
    void elementAnimalTargets() {
        Harness h;
        auto* target = h.Main<QComboBox>("cboTarget");
        Choose(target, 15);  // element-animal day
        QVERIFY(h.Main("cboElement")->isEnabled());
        h.Click("cmdSearch");
        const ShownMessage m = h.TakeMessage();
        QCOMPARE(m.title, std::string("Error"));
        QCOMPARE(m.text, std::string("You must specify an element, an animal or both."));

        Choose(h.Main<QComboBox>("cboAnimal"), 0);  // rat
        QCOMPARE(target->currentText(), QString("Element-rat (-zi) day"));
        QCOMPARE(h.window->focusWidget(), h.Main("cmdSearch"));
        h.Click("cmdSearch");
        QVERIFY(h.messages.empty());
        QCOMPARE(h.Text("lblElementAnimalOfDay_1").section(' ', 0, 0).section('-', 1), QString("rat"));
        QVERIFY(h.Text("lblSearching").isEmpty());

        Choose(target, 0);
        QVERIFY(!h.Main("cboElement")->isEnabled());
        QCOMPARE(target->itemText(15), QString("Element-animal day"));
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::SearchTest)
#include "search_test.moc"
