#include "app/list_window.h"

#include <chrono>
#include <cmath>

#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/new_years.h"
#include "app/self_test.h"
#include "common/strproc.h"

namespace vemla {

// The window as the listings see it.
class ListWindow::Output : public ListOutput {
  public:
    explicit Output(ListWindow& window) : w_(window) {}

    void Write(std::string_view text) override {
        w_.view_.text += text;
        if (w_.text_written) w_.text_written(text);
    }
    void Add(const ListRow& row) override {
        w_.rows_.push_back(row);
        if (w_.row_added) w_.row_added(row);
    }
    bool StopRequested() override {
        w_.ui_.DoPendingEvents();
        return w_.stop_;
    }
    void RequestStop() override { w_.stop_ = true; }
    void LongListingStarted() override {
        w_.view_.years_caption = kCalculatingCaption;
        w_.view_.busy = true;
        w_.view_.close_caption = kListStopCaption;
        w_.long_listing_ = true;
    }
    void ListingEnded() override {
        w_.view_.years_caption = w_.texts_.years_listed;
        w_.view_.busy = false;
        w_.view_.close_caption = w_.texts_.close;
        w_.long_listing_ = false;
        w_.FocusClose();
    }
    void ShowMessage(std::string_view text) override {
        w_.ui_.ShowMessage("", std::string(text), MessageIcon::kNone, MessageButtons::kOk);
    }

  private:
    ListWindow& w_;
};

namespace {

// Ends a run however the listing leaves.
class RunGuard {
  public:
    explicit RunGuard(bool& running) : running_(running) {}
    ~RunGuard() { running_ = false; }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

  private:
    bool& running_;
};

uint64_t ClockSeed() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

ListWindowTexts ListWindowTexts::From(const ProgramTextStore& store) {
    return {store.GetText(10), store.GetText(11), store.GetText(17), store.GetText(18)};
}

int NormaliseYears(std::string_view typed, int default_years) {
    const double value = std::nearbyint(NumericValue(Trim(typed)));
    if (!(value >= 1.0)) return default_years;
    return value > kMaxListYears ? kMaxListYears : static_cast<int>(value);
}

ListWindow::ListWindow(UserInterface& ui, MainState& main, ListWindowTexts texts)
    : ui_(ui), main_(main), texts_(std::move(texts)) {}

ListContext ListWindow::Context() {
    return {main_.Engine(), main_.CurrentAJD(), main_.CCT(), main_.EpochMethod(false), view_.jc};
}

bool ListWindow::BeginRun() {
    // A listing started from the events another one lets run would
    // interleave with it; the first one finishes alone.
    if (running_) return false;
    running_ = true;
    stop_ = false;
    view_.caret_at_start = false;
    view_.export_enabled = false;
    rows_.clear();
    export_settings_ = ExportSettingsOf(main_.Engine(), "", main_.CCT());
    return true;
}

void ListWindow::UpdateExport() {
    view_.export_enabled =
        !rows_.empty() && (kind_ == ListKind::kLunarNewYears || kind_ == ListKind::kMonthStarts ||
                           kind_ == ListKind::kYearData);
}

std::string ListWindow::ExportFileName() const {
    switch (kind_) {
        case ListKind::kLunarNewYears:
            return !rows_.empty() && std::get_if<LunarDateRow>(&rows_.front()) &&
                           !std::get<LunarDateRow>(rows_.front()).new_year
                       ? "anniversaries.ics"
                       : "lunar-new-years.ics";
        case ListKind::kMonthStarts:
            return view_.leap_months_only ? "leap-months.ics" : "month-starts.ics";
        default:
            return "dark-moons-and-solar-terms.ics";
    }
}

std::variant<CalendarFile, std::string> ListWindow::Calendar() {
    if (running_ || !view_.export_enabled)
        return std::string("This list cannot be exported to a calendar.");
    ExportSettings settings = export_settings_;
    settings.name = "Vemla: " + view_.caption;
    return MakeCalendar(rows_, settings, ui_.CurrentAJD());
}

bool ListWindow::ExportToCalendar(const std::filesystem::path& path) {
    if (running_ || !view_.export_enabled) return false;
    const auto made = Calendar();
    const std::string title(kExportTitle);
    if (const auto* message = std::get_if<std::string>(&made)) {
        ui_.ShowMessage(title, *message, MessageIcon::kExclamation, MessageButtons::kOk);
        return false;
    }
    const CalendarFile& file = std::get<CalendarFile>(made);
    if (auto error = WriteCalendarFile(path, file.text)) {
        ui_.ShowMessage(title, *error, MessageIcon::kCritical, MessageButtons::kOk);
        return false;
    }
    if (file.left_out > 0)
        ui_.ShowMessage(title, LeftOutMessage(file.left_out), MessageIcon::kInformation,
                        MessageButtons::kOk);
    return true;
}

int ListWindow::YearsFor(ListKind kind) const {
    switch (kind) {
        case ListKind::kLunarNewYears:
            return kDefaultLunarNewYears;
        case ListKind::kMonthStarts:
            return view_.leap_months_only ? kDefaultLeapMonthYears : kDefaultMonthStartYears;
        case ListKind::kNewYears:
            return kDefaultNewYears;
        default:
            return 0;
    }
}

void ListWindow::ShowListControls() {
    view_.terms_visible = false;
    view_.start_end_visible = false;
    view_.stop_visible = false;
    view_.list_visible = true;
}

void ListWindow::ShowOnly(bool terms, bool self_test) {
    view_.terms_visible = terms;
    view_.start_end_visible = self_test;
    view_.stop_visible = self_test;
    view_.list_visible = false;
    view_.leap_months_only_visible = false;
    view_.omit_invalid_dates_visible = false;
}

// --- The main window's buttons -------------------------------------------

void ListWindow::ShowYearData() {
    if (running_) return;
    kind_ = ListKind::kYearData;
    Show();
    Activate();
    DisplayYearData();
}

void ListWindow::OpenList(ListKind kind, std::string_view years_text) {
    if (running_) return;
    if (kind != ListKind::kLunarNewYears && kind != ListKind::kMonthStarts &&
        kind != ListKind::kNewYears)
        return;
    kind_ = kind;
    const int years = years_[static_cast<int>(kind)];
    view_.years_text = !years_text.empty() ? std::string(years_text)
                       : years > 0         ? std::to_string(years)
                                           : "";
    ShowListControls();
    Show();
    Activate();
    List();
}

void ListWindow::OpenSelfTest(std::optional<uint64_t> seed) {
    if (running_) return;
    kind_ = ListKind::kSelfTest;
    SetWindowSize();
    view_.caption = kSelfTestCaption;
    ShowOnly(false, true);
    view_.caption = kSecondTestCaption;
    view_.text.clear();
    Show();
    Activate();
    DoTest(seed);
}

// --- The window's own controls -------------------------------------------

void ListWindow::Activate() {
    stop_ = false;
    view_.start_text.clear();
    view_.end_text.clear();
    view_.busy = false;
    if (static_cast<int>(kind_) < static_cast<int>(ListKind::kYearData)) view_.large_window = false;
    SetWindowSize();
    FocusClose();
}

void ListWindow::DisplayYearData() {
    if (!BeginRun()) return;
    RunGuard guard(running_);
    SetWindowSize();
    view_.text.clear();
    view_.copy_caption = kListCopyCaption;
    ShowOnly(true, false);
    Show();
    view_.caption = kYearDataCaption;
    Output out(*this);
    WriteYearData(Context(), view_.terms, out);
    UpdateExport();
    FocusClose();
}

void ListWindow::List() {
    if (kind_ != ListKind::kLunarNewYears && kind_ != ListKind::kMonthStarts &&
        kind_ != ListKind::kNewYears)
        return;
    if (!BeginRun()) return;
    RunGuard guard(running_);
    const int years = NormaliseYears(view_.years_text, YearsFor(kind_));
    years_[static_cast<int>(kind_)] = years;
    view_.years_text = std::to_string(years);
    view_.text.clear();
    view_.copy_caption = kListCopyCaption;
    view_.close_caption = kListCloseCaption;
    Show();

    Output out(*this);
    ListContext context = Context();
    switch (kind_) {
        case ListKind::kLunarNewYears:
            view_.caption = kLunarNewYearsCaption;
            view_.omit_invalid_dates_visible = true;
            view_.leap_months_only_visible = false;
            ListLunarNewYears(context, main_.ValueCaption(kCalCHL), years, view_.omit_invalid_dates,
                              out);
            break;
        case ListKind::kMonthStarts:
            view_.caption = kMonthStartsCaption;
            view_.leap_months_only_visible = true;
            view_.omit_invalid_dates_visible = false;
            ListMonthStarts(context, static_cast<int64_t>(NumericValue(main_.ValueCaption(kCalCE))),
                            years, view_.leap_months_only, out);
            break;
        default:
            view_.caption = kNewYearsCaption;
            view_.omit_invalid_dates_visible = false;
            view_.leap_months_only_visible = false;
            ListNewYears(context, years, out);
            view_.caret_at_start = true;
            break;
    }
    UpdateExport();
}

void ListWindow::DoTest(std::optional<uint64_t> seed) {
    if (!BeginRun()) return;
    RunGuard guard(running_);
    Output out(*this);
    self_test_ = {};
    if (Trim(view_.start_text).empty()) {
        view_.text.clear();
        view_.busy = true;
        RunRandomSelfTest(main_.Engine(), seed ? *seed : ClockSeed(), out, &self_test_);
        view_.busy = false;
    } else {
        main_.SetDateText(view_.start_text);
        RunSingleDateSelfTest(main_.Engine(), main_.ParseDate(), out, &self_test_);
    }
}

void ListWindow::Stop() {
    stop_ = true;
}

void ListWindow::Close() {
    stop_ = true;
    if (!long_listing_) {
        view_.visible = false;
        view_.close_has_focus = false;
        main_.SetTheFocus();
    }
    view_.busy = false;
}

void ListWindow::SetIncludeMajorTerms(bool checked) {
    view_.terms.major = checked;
    if (kind_ == ListKind::kYearData && !main_.Initializing()) DisplayYearData();
}

void ListWindow::SetIncludeMinorTerms(bool checked) {
    view_.terms.minor = checked;
    if (kind_ == ListKind::kYearData && !main_.Initializing()) DisplayYearData();
}

void ListWindow::SetDisplayTermNames(bool checked) {
    view_.terms.names = checked;
    if (kind_ == ListKind::kYearData && !main_.Initializing()) DisplayYearData();
}

void ListWindow::SetJulianCalendar(bool jc) {
    view_.jc = jc;
    if (kind_ == ListKind::kYearData) DisplayYearData();
}

void ListWindow::SetLargeWindow(bool checked) {
    view_.large_window = checked;
    SetWindowSize();
}

void ListWindow::SelectionMade(bool has_selection) {
    view_.copy_caption = has_selection ? texts_.copy_selection : texts_.copy_all;
}

bool ListWindow::CopyToClipboard(std::string_view selected_text) {
    view_.copy_caption = kListCopyCaption;
    FocusClose();
    if (view_.text.empty()) return false;
    ui_.SetClipboardText(selected_text.empty() ? view_.text : std::string(selected_text));
    return true;
}

}  // namespace vemla
