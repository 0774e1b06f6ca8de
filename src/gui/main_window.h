// The main window frmMain: the settings, the date entry, the nine date rows
// with the element-animal names, the Moon and delta T, the move and search
// panels, and the buttons that reach the log, the saved state, the lists and
// the help.
//
// It holds no state of its own: every action is forwarded to the
// application, and Refresh() then binds every widget to the view model.
// Each panel builds, connects and binds its own widgets; the window arranges
// them, keeps the focus and redraws after every action.
#pragma once

#include <QWidget>
#include <optional>

#include "gui/borderline_marks.h"
#include "gui/button_panel.h"
#include "gui/display_panel.h"
#include "gui/entry_panel.h"
#include "gui/move_panel.h"
#include "gui/search_panel.h"
#include "gui/settings_panel.h"

namespace vemla {

class Application;
class DataWindow;
class HelpWindow;
class LogPreferencesWindow;
class LogWindow;
class Pictures;
class QtUserInterface;

class MainWindow : public QWidget {
  public:
    // Every message box of the program opens only after this window shows
    // the state it speaks of: `ui` redraws the window first.
    MainWindow(Application& app, QtUserInterface& ui, const Pictures& pictures);
    ~MainWindow() override;

    // Binds every widget of this window and of the log windows to the
    // application's state. With `apply_focus`, the keyboard focus goes where
    // the view model puts it.
    void Refresh(bool apply_focus = true);

    LogWindow* Log() const { return log_; }
    LogPreferencesWindow* Preferences() const { return preferences_; }
    HelpWindow* Help() const { return help_; }
    DataWindow* Lists() const { return data_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Arrange();
    void Connect();
    void SetTabOrder();
    void BindWindow();
    void BindControls();
    void KeepSizeToRows(QSize slack);
    void ApplyFocus(Focus focus);

    Application& app_;
    QtUserInterface& ui_;

    SettingsPanel settings_;
    EntryPanel entry_;
    DisplayPanel display_;
    MovePanel move_;
    SearchPanel search_;
    ButtonPanel buttons_;
    ControlTable controls_{};

    LogWindow* log_ = nullptr;
    LogPreferencesWindow* preferences_ = nullptr;
    HelpWindow* help_ = nullptr;
    DataWindow* data_ = nullptr;
    std::optional<BorderlineMarks> borderline_marks_;

    bool refreshing_ = false;
    bool refresh_again_ = false;
    bool focus_again_ = false;
    int shown_rows_ = -1;  // which date rows were shown at the last redraw, one bit each
};

}  // namespace vemla
