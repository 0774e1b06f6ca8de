// The main window frmMain: the settings, the date entry, the nine date rows
// with the element-animal names, the Moon and delta T, and the buttons that
// reach the log, the saved state, the lists and the help.
//
// It holds no state of its own: every action is forwarded to the
// application, and Refresh() then binds every widget to the view model.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "app/view_model.h"
#include "engine/moon_data.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vemla {

class Application;
class ChineseCharactersLine;
class ClickableLabel;
class DataWindow;
class HelpWindow;
class LogPreferencesWindow;
class LogWindow;
class Pictures;
class UserInterface;

class MainWindow : public QWidget {
public:
    MainWindow(Application& app, UserInterface& ui, const Pictures& pictures);
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
    struct DateRow {
        QLabel* caption = nullptr;
        ClickableLabel* value = nullptr;
    };

    QGroupBox* MakeSettings();
    QGroupBox* MakeEntry();
    QGroupBox* MakeDates();
    QWidget* MakeMove();
    QGroupBox* MakeSearch();
    QWidget* MakeButtons();
    void Connect();
    void SetTabOrder();

    // Runs an action of the application, then redraws.
    template <class F>
    void Act(F&& action, bool apply_focus = true);

    void BindLabel(QLabel* label, const LabelView& view);
    void BindControls();
    void BindMoonPicture(const std::optional<MoonDrawing>& drawing);
    void BindClock();
    void ApplyFocus(Focus focus);
    void OpenHelp();

    Application& app_;
    UserInterface& ui_;
    const Pictures& pictures_;

    // Settings
    QComboBox* epoch_ = nullptr;
    QComboBox* method_ = nullptr;
    QComboBox* longitude_ = nullptr;
    QLineEdit* cct_ = nullptr;
    QCheckBox* show_local_ = nullptr;
    QCheckBox* show_cjds_ = nullptr;
    QCheckBox* auto_log_ = nullptr;
    // Date entry
    QLineEdit* date_ = nullptr;
    QLineEdit* time_ = nullptr;
    QComboBox* time_zone_ = nullptr;
    QLineEdit* plus_minus_ = nullptr;
    QRadioButton* plus_ = nullptr;
    QRadioButton* minus_ = nullptr;
    QLabel* element_caption_ = nullptr;
    QComboBox* element_ = nullptr;
    QLabel* animal_caption_ = nullptr;
    QComboBox* animal_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* clear_date_ = nullptr;
    QPushButton* reset_ = nullptr;
    // The displayed moment
    std::array<DateRow, kCalendarCount> rows_{};
    QLabel* day_stem_branch_ = nullptr;
    QLabel* day_element_animal_ = nullptr;
    QLabel* month_element_animal_ = nullptr;
    QLabel* year_element_animal_ = nullptr;
    QLabel* year_count_ = nullptr;
    std::unique_ptr<ChineseCharactersLine> chinese_characters_;
    std::array<QLabel*, 2> stem_pictures_{};    // picStem: 0 the year, 1 the day
    std::array<QLabel*, 2> branch_pictures_{};  // picBranch: 0 the year, 1 the day
    QLabel* local_offset_ = nullptr;
    QLabel* delta_t_ = nullptr;
    ClickableLabel* moon_phase_ = nullptr;
    ClickableLabel* moon_age_ = nullptr;
    QLabel* moon_picture_ = nullptr;
    std::optional<MoonDrawing> drawn_moon_;  // what moon_picture_ shows
    // Moves
    QGroupBox* convert_frame_ = nullptr;
    QGroupBox* move_frame_ = nullptr;
    std::array<QRadioButton*, 2> move_direction_{};  // forward, back
    QComboBox* move_step_ = nullptr;
    QCheckBox* repeatedly_ = nullptr;
    QCheckBox* keep_30th_ = nullptr;
    QCheckBox* keep_leap_ = nullptr;
    QPushButton* move_ = nullptr;
    QPushButton* move_one_day_ = nullptr;
    QLabel* refresh_period_caption_ = nullptr;
    QComboBox* refresh_period_ = nullptr;
    QWidget* stop_pause_resume_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* pause_resume_ = nullptr;
    QTimer* clock_ = nullptr;  // paces repeated moves
    uint64_t clock_starts_ = 0;
    // Searches
    QGroupBox* search_frame_ = nullptr;
    QRadioButton* next_ = nullptr;
    QRadioButton* previous_ = nullptr;
    QComboBox* target_ = nullptr;
    QPushButton* search_ = nullptr;
    QLabel* searching_ = nullptr;
    // Buttons
    QPushButton* now_ = nullptr;
    QPushButton* display_year_data_ = nullptr;
    QPushButton* list_lunar_new_years_ = nullptr;
    QPushButton* list_leap_months_ = nullptr;
    QPushButton* list_julian_ce_new_years_ = nullptr;
    QPushButton* test_ = nullptr;
    QPushButton* compare_suns_ = nullptr;
    QPushButton* add_to_log_ = nullptr;
    QPushButton* view_log_ = nullptr;
    QPushButton* clear_log_ = nullptr;
    QPushButton* log_preferences_ = nullptr;
    QPushButton* save_state_ = nullptr;
    QPushButton* restore_state_ = nullptr;
    QPushButton* help_button_ = nullptr;
    QPushButton* quit_ = nullptr;
    ClickableLabel* home_page_ = nullptr;
    ClickableLabel* online_documentation_ = nullptr;

    // The controls the view model enables and shows, by Control.
    std::array<QWidget*, kControlCount> controls_{};

    LogWindow* log_ = nullptr;
    LogPreferencesWindow* preferences_ = nullptr;
    HelpWindow* help_ = nullptr;
    DataWindow* data_ = nullptr;

    bool refreshing_ = false;
    bool refresh_again_ = false;
    bool focus_again_ = false;
};

}  // namespace vemla
