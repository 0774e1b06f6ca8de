// The main window without the window: its settings, the displayed moment and
// the public state the other windows read, every label's text, the entry
// boxes, and the operations behind the window's controls (start-up, Reset,
// setting changes, Convert, Clear, Now, the clickable dates and web links).
//
// The window binds its widgets to View() and forwards each user action to
// the operation of the same meaning. Messages, the clipboard, the browser
// and the clock go through the UserInterface.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/date_entry.h"
#include "app/log_preferences.h"
#include "app/settings.h"
#include "app/user_interface.h"
#include "app/view_model.h"
#include "common/web_links.h"
#include "engine/chinese_dates.h"

namespace vemla {

struct ChineseDatesText;

// Kinds of automatic log entry.
inline constexpr int kAutoLogNow = 1;
inline constexpr int kAutoLogConvert = 2;

class MainState {
  public:
    // `program_name` begins the window caption, followed by the version.
    explicit MainState(UserInterface& ui, std::string program_name = "Vemla");
    MainState(const MainState&) = delete;
    MainState& operator=(const MainState&) = delete;

    // Hooks to the parts of the program built around this one. Each has a
    // harmless default.
    std::function<bool()> log_is_empty;      // whether the log holds no text (default: empty)
    std::function<void(int kind)> auto_log;  // called after Now and Convert when auto log is on
    std::function<void()> update_keep_30th;  // after each Chinese redisplay outside repeated moves

    // Start-up of the window: defaults, the restored state or Reset, the
    // first display (the present moment unless a state was restored).
    // `restore` applies a saved state through the setters and answers
    // whether it did; it runs while Initializing() is true.
    void Startup(const std::function<bool(MainState&)>& restore = {});

    // --- The public state -------------------------------------------------
    const MainView& View() const { return view_; }
    double CurrentAJD() const { return current_ajd_; }  // dblCurrentAJDate
    // Sets the displayed moment; the caller redisplays (DisplayAll).
    void SetCurrentAJD(double ajd) { current_ajd_ = ajd; }
    int Calendar() const { return calendar_; }  // intCalendar
    void SetCalendar(int calendar);
    const std::string& CCT() const { return settings_.abbreviation; }  // strCCT
    bool Initializing() const { return initializing_; }
    bool StartupCompleted() const { return startup_completed_; }
    bool Repeat() const { return repeat_; }  // a repeated move is running
    void SetRepeat(bool repeat) { repeat_ = repeat; }

    const Settings& CurrentSettings() const { return settings_; }
    // For restoring a state: change freely, then ApplySettings and redisplay.
    Settings& MutableSettings() { return settings_; }
    const AbbreviationTable& Abbreviations() const { return abbreviations_; }
    AbbreviationTable& MutableAbbreviations() { return abbreviations_; }
    // Gives the engine the meridian, epoch and method of the settings, and
    // the abbreviation box and the middle time-zone item the name of the
    // selected meridian.
    void ApplySettings();
    CalendarEngine& Engine() { return engine_; }
    LogPreferences& LogPrefs() { return log_preferences_; }

    int Epoch() const { return settings_.Epoch(); }
    int Longitude() const { return settings_.Longitude(); }
    // The offset of local time from UTC in minutes east, as the platform says.
    int LocalOffsetMinutes() const { return ui_.LocalOffsetMinutes(); }
    // "Epoch = -2696, method = true sun" ("epoch" without the capital).
    std::string EpochMethod(bool capital_e) const;
    const std::string& ValueCaption(int calendar) const {
        return view_.rows[calendar].value.caption;
    }
    const std::string& PhaseCaption() const { return view_.moon_phase.caption; }
    const std::string& AgeCaption() const { return view_.moon_age.caption; }
    const std::string& WindowCaption() const { return view_.window_caption; }
    const std::string& PlusMinusText() const { return view_.plus_minus_text; }
    bool Plus() const { return settings_.plus; }

    void SetControlEnabled(Control control, bool enabled) {
        view_.control(control).enabled = enabled;
    }
    void SetControlVisible(Control control, bool visible) {
        view_.control(control).visible = visible;
    }
    void SetClockEnabled(bool enabled) { view_.clock_enabled = enabled; }
    void SetFocus(Focus focus) { view_.focus = focus; }
    void SetPauseResumeCaption(std::string_view caption) { view_.pause_resume_caption = caption; }
    // An automatic log entry of a kind (1 Now .. 5 one-day move) when auto log is on.
    void AutoLog(int kind);
    bool LogIsEmpty() const { return !log_is_empty || log_is_empty(); }

    // --- Settings and their rules ----------------------------------------
    void Reset();
    void SetEpochIndex(int index);
    void SetMethodIndex(int index);
    void SetLongitudeIndex(int index);
    // The abbreviation box is left or Enter is released in it.
    void CommitAbbreviation(std::string_view typed);
    void SetTimeZoneIndex(int index);
    void SetShowLocal(bool checked);
    void SetShowCJDs(bool checked);
    void SetAutoLog(bool checked);
    // The option "Chinese characters": the CHL and CHS dates also in
    // characters, on a line of their own and in their tooltips.
    bool ChineseCharacters() const { return chinese_characters_; }
    void SetChineseCharacters(bool on);
    // The search target changes: the element and animal boxes follow it, and
    // only the selected element-animal target shows the boxes' choice.
    void SetTargetIndex(int index);

    // --- Search panel ------------------------------------------------------
    // The user picks a target in the list.
    void SelectTarget(int index);
    // The user picks "next" (true) or "previous".
    void SetNext(bool next);
    void SetSearchingText(std::string_view text) { view_.searching.caption = text; }

    // --- Date entry ------------------------------------------------------
    // The user edits a box.
    void SetDateText(std::string text);
    void SetTimeText(std::string text) { view_.time_text = std::move(text); }
    void SetPlusMinusText(std::string text) { view_.plus_minus_text = std::move(text); }
    void SetPlus(bool plus) { settings_.plus = plus; }
    // The user chooses an element or an animal (the empty last items included).
    void SelectElement(int index);
    void SelectAnimal(int index);

    void Convert();
    // Before a move or a search: a typed date becomes the displayed moment
    // (unless it is that moment, shown rounded) and the entry boxes empty.
    // False when the typed date is refused, with its message.
    bool TakeOverTypedDate();
    // After a move step or a search hit: the whole display, the automatic log
    // entry of kind `op`, and Save state enabled.
    void RedisplayAndLog(int op);
    void Clear();
    void DateEnter();       // Enter in the date box
    void PlusMinusEnter();  // Enter in the plus/minus box
    // Parses the date box; on success the current calendar is the one found.
    ParsedDate ParseDate();
    void ReportParseError(int error);
    // True (after the message) when a moment lies outside the admissible range.
    bool CheckDateRange(double ajd);

    // --- Display ---------------------------------------------------------
    void DisplayDatesAndTimes();
    void ShowWesternDates();
    void ShowChineseDates();
    void DisplayMoonData();
    void ShowDeltaT();
    // Minutes east of GMT, also written to the local-offset label.
    int ShowLocalOffset();
    // Dates, moon and delta T: what every change of the displayed moment needs.
    void DisplayAll();

    // --- Clickable dates, Now, web links -----------------------------------
    // A click on element 0 (caption) or 1 (value) of the row of a calendar.
    void ClickDateRow(int calendar, int element);
    void ClickMoonPhase();
    void ClickMoonAge();
    void CopyDisplayedDate();
    void ShowNow();
    // The maker label opens the project's page; it is hidden while there is
    // none, and then a click does nothing.
    void OpenHomePage();
    bool HasHomePage() const { return !kMakerHomePage.empty(); }
    // Opens the user manual in the browser.
    void OpenOnlineDocumentation();
    std::optional<std::filesystem::path> manual_file;  // from FindManual

    // --- Window rules ------------------------------------------------------
    void CmdSaveStateEnabled(bool enabled);
    void HighlightCalendar();
    void SetTheFocus();
    void MoveSetFocus();
    void SearchSetFocus();
    void EnableDisableFunctions();

  private:
    void ApplyRowVisibility();
    void ShowChineseCharacters(const ChineseDatesText& dates);
    void ApplyElementAnimalAvailability();
    void SetElementAnimal(int element, int animal);
    void FocusAfterElementAnimalChoice();
    void ApplyRowEntry(int calendar, EntryBoxes& boxes) const;
    void SetAbbreviation(const std::string& abbreviation);
    void ShowMessage(std::string_view title, std::string_view text);
    void OpenWebLink(std::string_view address);
    EntryBoxes Boxes() const;
    void SetBoxes(const EntryBoxes& boxes);

    UserInterface& ui_;
    CalendarEngine engine_;
    Settings settings_;
    AbbreviationTable abbreviations_;
    LogPreferences log_preferences_;
    MainView view_;
    std::string program_name_;

    double current_ajd_ = 2451545.0;  // replaced at start-up
    int calendar_ = kCalCHL;
    bool initializing_ = false;
    bool repeat_ = false;
    bool startup_completed_ = false;
    bool chinese_characters_ = false;
};

}  // namespace vemla
