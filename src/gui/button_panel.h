// The buttons at the main window's right, in groups that stand level with
// the panels at the left: Now and Help beside the settings, the saved state
// beside the date entry, the lists and the web links beside the displayed
// moment, the log beside the move panel, and Quit beside the search.
//
// Every button keeps its place while hidden (a run hides Now and the list
// buttons, an empty log hides View log and Clear log), so nothing moves.
#pragma once

#include <array>

#include "gui/panel.h"

class QPushButton;

namespace vemla {

class Application;
class ClickableLabel;

class ButtonPanel {
  public:
    enum Group {
        kBesideSettings,
        kBesideEntry,
        kBesideDates,
        kBesideMove,
        kBesideSearch,
        kGroupCount
    };

    // The groups, each to be laid out beside its panel.
    std::array<QWidget*, kGroupCount> Build(QWidget* parent);
    // View log and Help need the window besides the application: `view_log`
    // brings the log window to the front, `help` opens the help.
    void Connect(Application& app, const Act& act, const std::function<void()>& view_log,
                 const std::function<void()>& help);
    void Register(ControlTable& controls) const;

    QPushButton* now = nullptr;
    QPushButton* display_year_data = nullptr;
    QPushButton* list_lunar_new_years = nullptr;
    QPushButton* list_leap_months = nullptr;
    QPushButton* list_julian_ce_new_years = nullptr;
    QPushButton* test = nullptr;
    QPushButton* compare_suns = nullptr;
    QPushButton* add_to_log = nullptr;
    QPushButton* view_log = nullptr;
    QPushButton* clear_log = nullptr;
    QPushButton* log_preferences = nullptr;
    QPushButton* save_state = nullptr;
    QPushButton* restore_state = nullptr;
    QPushButton* help = nullptr;
    QPushButton* quit = nullptr;
    ClickableLabel* home_page = nullptr;
    ClickableLabel* online_documentation = nullptr;
};

}  // namespace vemla
