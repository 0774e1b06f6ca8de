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
    MessageButtons buttons;
};

// 2024-02-10 00:00 GMT, the lunar new year of 79-41 at the meridian of 120º.
inline constexpr double kTestNow = 2460350.5;

class Harness {
public:
    // Starts the program over `config` (a fresh folder when none is given)
    // as the per-user configuration folder.
    explicit Harness(const QString& config = {}) {
        if (config.isEmpty()) {
            own_config_ = std::make_unique<QTemporaryDir>();
            config_ = own_config_->path();
        } else {
            config_ = config;
        }
        qputenv("XDG_CONFIG_HOME", config_.toUtf8());
        qputenv("TZ", "UTC");  // the local rows read GMT
        tzset();
        ui.message_hook = [this](const std::string& title, const std::string& text, MessageIcon icon,
                                 MessageButtons buttons) {
            messages.push_back({title, text, icon, buttons});
            if (on_message) on_message();
            return answer;
        };
        ui.web_link_hook = [this](const std::string& url) {
            opened_links.push_back(url);
            return browser_works;
        };
        ui.clock_hook = [this] { return now; };

        const StateFileLocation state = StateFilePath(kStateFileName, kStateFolderName);
        state_file_ = QString::fromStdString(state.path.string());
        auto created = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, state.path});
        if (auto* error = std::get_if<std::string>(&created)) qFatal("%s", error->c_str());
        app = std::move(std::get<std::unique_ptr<Application>>(created));
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        app->Startup();
        window = std::make_unique<MainWindow>(*app, ui, pictures);
        window->show();
        window->Refresh();
        if (!QTest::qWaitForWindowExposed(window.get())) qWarning("main window not exposed");
    }

    // A control of the main window by name; fails the test when missing.
    template <class W = QWidget>
    W* Main(const char* name) const {
        return Find<W>(window.get(), name);
    }
    template <class W = QWidget>
    W* InLog(const char* name) const {
        return Find<W>(window->Log(), name);
    }
    template <class W = QWidget>
    W* InPreferences(const char* name) const {
        return Find<W>(window->Preferences(), name);
    }
    template <class W = QWidget>
    W* InHelp(const char* name) const {
        return Find<W>(window->Help(), name);
    }

    QString Text(const char* label) const { return Main<QLabel>(label)->text(); }

    // A click near the left end, where a check box's box and a label's text are.
    void Click(QWidget* widget) const {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(std::min(8, widget->width() / 2), widget->height() / 2));
    }
    void Click(const char* name) const { Click(Main(name)); }

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

    QString StateFile() const { return state_file_; }

    QtUserInterface ui;
    std::unique_ptr<Application> app;
    Pictures pictures;
    std::unique_ptr<MainWindow> window;

    std::vector<ShownMessage> messages;
    std::function<void()> on_message;  // looks at the windows while a box is open
    MessageAnswer answer = MessageAnswer::kOk;
    std::vector<std::string> opened_links;
    bool browser_works = true;
    double now = kTestNow;

private:
    template <class W>
    static W* Find(QWidget* parent, const char* name) {
        W* widget = parent->findChild<W*>(QString::fromLatin1(name));
        if (!widget) qFatal("no control named %s in %s", name, qPrintable(parent->objectName()));
        return widget;
    }

    std::unique_ptr<QTemporaryDir> own_config_;
    QString config_;
    QString state_file_;
};

inline QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

// Picks an item of a combo box as the user does.
inline void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace vemla::test
