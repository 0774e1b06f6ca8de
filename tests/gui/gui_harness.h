// The desktop program as the GUI tests drive it: the application over a
// fresh per-user folder, the main window shown off screen, and a user
// interface whose message boxes, browser and clock are recorded or fixed, so
// that no test ever waits for an answer.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/extra_settings.h"
#include "common/folders.h"
#include "gui/help_window.h"
#include "gui/log_preferences_window.h"
#include "gui/log_window.h"
#include "gui/main_window.h"
#include "gui/pictures.h"
#include "gui/qt_user_interface.h"

namespace vemla::test {

struct ShownMessage {
    std::string title, text;
    MessageIcon icon;
};

// 2024-02-10 00:00 GMT, the lunar new year of 79-41 at the meridian of 120º.
inline constexpr double kTestNow = 2460350.5;

class Harness {
  public:
    // Starts the program over a fresh per-user configuration folder.
    Harness() {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        qputenv("TZ", "UTC");  // the local rows read GMT
        tzset();
        ui.message_hook = [this](const std::string& title, const std::string& text,
                                 MessageIcon icon, MessageButtons) {
            messages.push_back({title, text, icon});
            if (on_message) on_message();
            return answer;
        };
        ui.web_link_hook = [this](const std::string& url) {
            opened_links.push_back(url);
            return true;
        };
        ui.clock_hook = [this] { return now; };

        const StateFileLocation state = StateFilePath(kStateFileName, kStateFolderName);
        auto created = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, state.path});
        if (auto* error = std::get_if<std::string>(&created)) qFatal("%s", error->c_str());
        app = std::move(std::get<std::unique_ptr<Application>>(created));
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        app->SetSettingsFile(state.path.parent_path() / kExtraSettingsFileName);
        app->Startup();
        window = std::make_unique<MainWindow>(*app, ui, pictures);
        window->show();
        window->Refresh();
        if (!QTest::qWaitForWindowExposed(window.get())) qWarning("main window not exposed");
    }

    // A control of the main window, or of `window`, by name; fails the test
    // when missing.
    template <class W = QWidget>
    W* Main(const char* name) const {
        return In<W>(window.get(), name);
    }
    template <class W = QWidget>
    static W* In(QWidget* window, const char* name) {
        W* widget = window->findChild<W*>(QString::fromLatin1(name));
        if (!widget) qFatal("no control named %s in %s", name, qPrintable(window->objectName()));
        return widget;
    }

    QString Text(const char* label) const { return Main<QLabel>(label)->text(); }

    // A click near the left end, where a check box's box and a label's text are.
    void Click(QWidget* widget) const {
        QTest::mouseClick(widget, Qt::LeftButton, {},
                          QPoint(std::min(8, widget->width() / 2), widget->height() / 2));
    }
    void Click(const char* name) const { Click(Main(name)); }

    // Types `entry` over the date box's text and presses Enter.
    void Enter(const char* entry) const {
        QTest::keyClick(Main("txbDate"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Main("txbDate"), entry);
        QTest::keyClick(Main("txbDate"), Qt::Key_Return);
    }

    // The only message shown since the last call, forgotten afterwards;
    // fails when there was not exactly one.
    ShownMessage TakeMessage() {
        if (messages.size() != 1) {
            qWarning("%d messages shown", static_cast<int>(messages.size()));
            return {};
        }
        ShownMessage m = messages.front();
        messages.clear();
        return m;
    }

    QTemporaryDir config;  // first made, last removed
    QtUserInterface ui;
    std::unique_ptr<Application> app;
    Pictures pictures;
    std::unique_ptr<MainWindow> window;

    std::vector<ShownMessage> messages;
    std::function<void()> on_message;  // looks at the windows while a box is open
    MessageAnswer answer = MessageAnswer::kOk;
    std::vector<std::string> opened_links;
    double now = kTestNow;
};

inline QString ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

// Picks an item of a combo box as the user does.
inline void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace vemla::test
