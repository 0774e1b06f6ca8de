// The list window without the window: which of its five listings it shows,
// its text, the captions and visibility of its controls, its options, the
// stop flag that Stop and Close set while a listing runs, and copying to the
// clipboard.
//
// A listing runs inside the call that starts it (List, DoTest, the main
// window's buttons). Between lines it lets pending events run through the
// UserInterface, so the window's Stop and Close, forwarded here, end it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/calendar_export.h"
#include "app/main_state.h"
#include "app/self_test.h"
#include "app/user_interface.h"
#include "app/year_data.h"
#include "common/program_text.h"

namespace vemla {

enum class ListKind : int {
    kNone = 0,           // nothing listed yet
    kLunarNewYears = 1,  // lunar new years and Chinese anniversaries
    kMonthStarts = 2,    // month starts and leap months
    kYearData = 3,       // dark moons and solar terms of three sui
    kSelfTest = 4,
    kNewYears = 5,  // Julian and CE new years
};

inline constexpr std::string_view kListCopyCaption = "Copy to clipboard";
inline constexpr std::string_view kListCloseCaption = "Close";
inline constexpr std::string_view kListStopCaption = "Stop";
inline constexpr std::string_view kYearsCaption = "years";
inline constexpr std::string_view kCalculatingCaption = "years     Calculating ...";

// Default numbers of years when the years box holds none.
inline constexpr int kDefaultLunarNewYears = 20;
inline constexpr int kDefaultMonthStartYears = 3;
inline constexpr int kDefaultLeapMonthYears = 30;
inline constexpr int kDefaultNewYears = 20;
inline constexpr int kMaxListYears = 32767;

// "Large window" enlarges the window's width and height by these factors.
inline constexpr double kLargeWidthFactor = 1.3;
inline constexpr double kLargeHeightFactor = 1.1;

// The captions of the window kept with the program texts.
struct ListWindowTexts {
    std::string copy_selection;  // copy button while text is selected (text 10)
    std::string copy_all;        // copy button while nothing is selected (text 11)
    std::string years_listed;    // years label once a list has ended (text 17)
    std::string close;           // Close button once a list has ended (text 18)

    static ListWindowTexts From(const ProgramTextStore& store);
};

// The number of years a list uses: a positive number typed into the years box
// (at most kMaxListYears), otherwise `default_years`.
int NormaliseYears(std::string_view typed, int default_years);

struct ListWindowView {
    bool visible = false;
    std::string caption;          // the window's caption
    std::string text;             // txbText; lines end in "\r\n"
    bool caret_at_start = false;  // where the caret goes once the text is written
    bool busy = false;            // the hourglass pointer over the text
    bool close_has_focus = false;
    bool large = false;  // the enlarged window size is applied

    std::string copy_caption{"Copy selected text to clipboard"};
    std::string close_caption{kListCloseCaption};
    std::string years_caption{kYearsCaption};  // lblYears
    std::string years_text;                    // txbNumYears
    std::string start_text, end_text;          // txbStart, txbEnd

    // The options' values.
    SolarTermOptions terms;
    bool leap_months_only = false;    // "Leap months only"
    bool omit_invalid_dates = false;  // "Omit invalid dates"
    bool large_window = false;        // "Large window"
    bool jc = false;                  // optJC rather than optCE

    // Which controls are shown.
    bool terms_visible = false;  // the three solar-term check boxes
    bool leap_months_only_visible = false;
    bool omit_invalid_dates_visible = false;
    bool list_visible = false;       // List, the years box and its label
    bool start_end_visible = false;  // txbStart and txbEnd
    bool stop_visible = false;
    // "Export to calendar...": a finished listing of dates or moments.
    bool export_enabled = false;
};

class ListWindow {
  public:
    ListWindow(UserInterface& ui, MainState& main, ListWindowTexts texts);
    ListWindow(const ListWindow&) = delete;
    ListWindow& operator=(const ListWindow&) = delete;

    const ListWindowView& View() const { return view_; }
    ListKind Kind() const { return kind_; }
    bool Running() const { return running_; }

    // Called with every piece of text as a listing appends it (a front end
    // that streams the listing); the window's text holds it too.
    std::function<void(std::string_view)> text_written;
    // Called with every row as a listing adds it (a front end that streams
    // the rows); Rows() holds it too.
    std::function<void(const ListRow&)> row_added;

    // --- The main window's buttons ----------------------------------------
    // "Dates/times/CJDs of dark moons & solar terms".
    void ShowYearData();
    // "List lunar new years ...", "List lunar month starts ..." and "List
    // Julian & Common Era new years": the list kind, then List. The years
    // box shows the number last used for that kind, or `years_text` when
    // one is given (the command line's number of years).
    void OpenList(ListKind kind, std::string_view years_text = {});
    // "Test": the window set up for the self-test, then a random run; the
    // seed defaults to one from the clock.
    void OpenSelfTest(std::optional<uint64_t> seed = {});

    // --- The window's own controls -----------------------------------------
    // The window becomes the active one.
    void Activate();
    // The year data of the displayed moment.
    void DisplayYearData();
    // List, or Enter in the years box.
    void List();
    // Enter in the start or end box: the date in the start box, or a random run.
    void DoTest(std::optional<uint64_t> seed = {});
    void Stop();
    // Close: ends a running listing; when no long listing runs, also hides the
    // window. Closing from the title bar does the same.
    void Close();
    void CloseFromTitleBar() { Close(); }

    void SetYearsText(std::string text) { view_.years_text = std::move(text); }
    void SetStartText(std::string text) { view_.start_text = std::move(text); }
    void SetEndText(std::string text) { view_.end_text = std::move(text); }
    // The solar-term boxes and the calendar options redraw the year data
    // while it is shown.
    void SetIncludeMajorTerms(bool checked);
    void SetIncludeMinorTerms(bool checked);
    void SetDisplayTermNames(bool checked);
    void SetJulianCalendar(bool jc);
    void SetLeapMonthsOnly(bool checked) { view_.leap_months_only = checked; }
    void SetOmitInvalidDates(bool checked) { view_.omit_invalid_dates = checked; }
    void SetLargeWindow(bool checked);

    // The rows of the listing shown, for the calendar export.
    const std::vector<ListRow>& Rows() const { return rows_; }
    // What the last self-test counted.
    const SelfTestTally& SelfTestResult() const { return self_test_; }
    // The suggested name of the calendar file: "lunar-new-years.ics".
    std::string ExportFileName() const;
    // The calendar of the listing shown, or the message why there is none.
    std::variant<CalendarFile, std::string> Calendar();
    // "Export to calendar...": writes the listing shown as a calendar file;
    // false, after a message, when nothing could be written. A successful
    // export that had to leave dates out says so.
    bool ExportToCalendar(const std::filesystem::path& path);

    // The mouse button is released in the text.
    void SelectionMade(bool has_selection);
    // Copies the selection, or the whole text when nothing is selected; an
    // empty text copies nothing. True when the clipboard was written.
    bool CopyToClipboard(std::string_view selected_text);

  private:
    class Output;

    ListContext Context();
    void SetWindowSize() { view_.large = view_.large_window; }
    void Show() { view_.visible = true; }
    void FocusClose() { view_.close_has_focus = view_.visible; }
    // Shows the controls of the lists with a number of years.
    void ShowListControls();
    // Shows the year data's solar-term boxes (`terms`) or the self test's start, end and Stop
    // (`self_test`), and hides the other optional controls.
    void ShowOnly(bool terms, bool self_test);
    int YearsFor(ListKind kind) const;
    // Starts a run: false while one is running already.
    bool BeginRun();
    // Whether the finished listing can be exported.
    void UpdateExport();

    UserInterface& ui_;
    MainState& main_;
    ListWindowTexts texts_;
    ListWindowView view_;
    ListKind kind_ = ListKind::kNone;
    std::array<int, 6> years_{};  // the last number used, by list kind
    bool stop_ = false;
    bool running_ = false;
    bool long_listing_ = false;       // Close reads "Stop"
    std::vector<ListRow> rows_;       // of the listing shown
    ExportSettings export_settings_;  // under which it was reckoned
    SelfTestTally self_test_;
};

}  // namespace vemla
