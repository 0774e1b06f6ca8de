// MainState: construction, start-up, the settings and the window's rules for
// the Save/Restore state buttons, the highlight and the focus.
#include "app/main_state.h"

#include "app/clickable_dates.h"
#include "app/display.h"
#include "common/program_identity.h"
#include "common/strproc.h"
#include "engine/solar_terms.h"

namespace vemla {
namespace {

constexpr std::string_view kRowCaptions[kCalendarCount] = {
    "Common Era date:",           // CE
    "Julian Calendar date:",      // JC
    "Chinese Lunar:",             // CHL
    "Chinese Solar:",             // CHS
    "Astronomical Julian date:",  // AJD
    "",                           // CJDC: set with the longitude
    "Chronological JD London:",   // CJDL
    "Chronological JD local:",    // CJDX
    "Common Era date local:",     // CEX
};

// The first n characters of a UTF-8 text, padded with blanks to n characters.
std::string FirstCharactersPadded(std::string_view text, int n) {
    std::string out;
    int count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts_character && count++ == n) break;
        out += text[i];
    }
    for (; count < n; ++count) out += ' ';
    return out;
}

// The text without what the abbreviation box cannot show and the state
// file cannot keep: bytes that are not well-formed UTF-8 and control
// characters. The window's own box never yields such text, but a pasted
// text or the command line's --abbreviation can.
std::string ShowableCharacters(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        char32_t c = 0;
        const size_t length = DecodeUtf8(text, c);
        if (length > 0 && !IsControlCharacter(c)) out.append(text.substr(0, length));
        text.remove_prefix(length > 0 ? length : 1);
    }
    return out;
}

bool InRange(int index, size_t count) {
    return index >= 0 && static_cast<size_t>(index) < count;
}

}  // namespace

MainState::MainState(UserInterface& ui, std::string program_name)
    : ui_(ui), abbreviations_(DefaultAbbreviations()), program_name_(std::move(program_name)) {
    for (int i = 0; i < kCalendarCount; ++i) view_.rows[i].caption.caption = kRowCaptions[i];
    for (size_t i = 0; i < kTargetItems.size(); ++i) view_.target_items[i] = kTargetItems[i];
    ApplySettings();
    ApplyRowVisibility();
    view_.control(Control::kTest).visible = false;
    view_.control(Control::kCompareSuns).visible = false;
    ApplyElementAnimalAvailability();
    HighlightCalendar();
}

void MainState::Startup(const std::function<bool(MainState&)>& restore) {
    startup_completed_ = false;
    view_.window_caption = program_name_ + " " + std::string(kVersion);

    // Defaults of a first start.
    settings_ = Settings{};
    abbreviations_ = DefaultAbbreviations();
    ApplySettings();
    log_preferences_ = LogPreferences::Defaults(settings_.show_cjds);
    for (size_t i = 0; i < kTargetItems.size(); ++i) view_.target_items[i] = kTargetItems[i];
    view_.searching.caption.clear();

    initializing_ = true;
    calendar_ = kCalCHL;
    ShowLocalOffset();
    view_.control(Control::kClearLog).visible = false;
    EnableDisableFunctions();
    CmdSaveStateEnabled(true);

    const bool restored = restore && restore(*this);
    if (restored)
        ApplySettings();
    else
        Reset();
    view_.clock_enabled = false;

    DisplayDatesAndTimes();  // nothing yet: still initialising
    DisplayMoonData();
    ShowDeltaT();
    SetTheFocus();
    SetShowLocal(settings_.show_local);  // also sets the Julian-date rows' visibility
    initializing_ = false;

    if (restored) {
        DisplayAll();
        CmdSaveStateEnabled(false);
    } else {
        ShowNow();
    }
    // A restored current calendar does not survive start-up.
    calendar_ = kCalCHL;
    HighlightCalendar();
    SetTheFocus();
    startup_completed_ = true;
}

void MainState::SetCalendar(int calendar) {
    if (InRange(calendar, kCalendarCodes.size())) calendar_ = calendar;
}

void MainState::ApplySettings() {
    // A setting outside its list (from a damaged saved state) takes its default.
    const Settings defaults;
    auto keep_in_list = [](int& index, size_t count, int fallback) {
        if (!InRange(index, count)) index = fallback;
    };
    keep_in_list(settings_.epoch_index, kEpochItems.size(), defaults.epoch_index);
    keep_in_list(settings_.method_index, kMethodItems.size(), defaults.method_index);
    keep_in_list(settings_.longitude_index, kLongitudeItemCount, defaults.longitude_index);
    engine_.SetLongitude(settings_.Longitude());
    engine_.SetEpoch(settings_.Epoch());
    engine_.SetMethod(settings_.method_index == 0 ? kTrueSun : kMeanSun);
    SetAbbreviation(abbreviations_[settings_.longitude_index]);
}

void MainState::SetAbbreviation(const std::string& abbreviation) {
    settings_.abbreviation = abbreviation;
    view_.cct_text = abbreviation;
    view_.time_zone_items[kZoneMeridian] = abbreviation;
}

std::string MainState::EpochMethod(bool capital_e) const {
    return std::string(capital_e ? "Epoch" : "epoch") + " = " + std::to_string(Epoch()) +
           ", method = " + (settings_.method_index == 0 ? "true sun" : "mean sun");
}

void MainState::AutoLog(int kind) {
    if (settings_.auto_log && auto_log) auto_log(kind);
}

// --- Settings -------------------------------------------------------------

void MainState::Reset() {
    calendar_ = kCalCHL;
    HighlightCalendar();
    // Each box runs its own click handler when its value changes.
    if (!settings_.show_local) SetShowLocal(true);
    if (settings_.show_cjds) SetShowCJDs(false);
    if (settings_.auto_log) SetAutoLog(false);
    settings_.next = true;
    settings_.plus = true;
    settings_.move_forward = true;
    settings_.repeatedly = false;
    MoveSetFocus();
    settings_.move_step_index = 2;       // "day"
    settings_.refresh_period_index = 2;  // "1"
    SetTargetIndex(0);                   // "Full moon"
    CmdSaveStateEnabled(true);
}

void MainState::SetEpochIndex(int index) {
    if (!InRange(index, kEpochItems.size())) return;
    settings_.epoch_index = index;
    engine_.SetEpoch(settings_.Epoch());
    ShowChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainState::SetMethodIndex(int index) {
    if (!InRange(index, kMethodItems.size())) return;
    settings_.method_index = index;
    engine_.SetMethod(index == 0 ? kTrueSun : kMeanSun);
    ShowChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainState::SetLongitudeIndex(int index) {
    if (!InRange(index, kLongitudeItemCount)) return;
    settings_.longitude_index = index;
    engine_.SetLongitude(settings_.Longitude());
    SetAbbreviation(abbreviations_[index]);
    settings_.time_zone_index = -1;
    SetDateText("");
    view_.time_text.clear();
    ShowChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainState::CommitAbbreviation(std::string_view typed) {
    const int index = settings_.longitude_index;
    const std::string old = abbreviations_[index];
    const std::string trimmed = Trim(ShowableCharacters(typed));
    std::string entry;
    if (!trimmed.empty()) {
        entry = FirstCharactersPadded(trimmed, 3);
    } else {
        entry = "L" + std::string(1, static_cast<char>('0' + index / 10)) +
                static_cast<char>('0' + index % 10);
    }
    abbreviations_[index] = entry;
    SetAbbreviation(entry);
    if (entry != old) {
        ShowChineseDates();
        CmdSaveStateEnabled(true);
    }
    SetTheFocus();
}

void MainState::SetTimeZoneIndex(int index) {
    if (index < -1 || index > kZoneLocal) return;
    settings_.time_zone_index = index;
    SetTheFocus();
}

void MainState::SetShowLocal(bool checked) {
    settings_.show_local = checked;
    ApplyRowVisibility();
    if (!initializing_) CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainState::SetShowCJDs(bool checked) {
    settings_.show_cjds = checked;
    view_.rows[kCalCJDC].caption.caption = CJDCCaption(Longitude());
    ApplyRowVisibility();
    if (!checked) ShowChineseDates();  // the month and year labels come back
    if (!initializing_) CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainState::SetAutoLog(bool checked) {
    settings_.auto_log = checked;
    if (!initializing_) CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainState::SetTargetIndex(int index) {
    if (!InRange(index, kTargetItems.size())) return;
    settings_.target_index = index;
    ApplyElementAnimalAvailability();
    for (int i = kFirstElementAnimalTarget; i <= kFirstElementAnimalTarget + 2; ++i)
        view_.target_items[i] = kTargetItems[i];
    if (IsElementAnimalTarget(index))
        view_.target_items[index] = ElementAnimalTargetText(
            index - kFirstElementAnimalTarget, settings_.element_index, settings_.animal_index);
}

void MainState::ApplyRowVisibility() {
    auto show_row = [this](int calendar, bool visible) {
        view_.rows[calendar].caption.visible = visible;
        view_.rows[calendar].value.visible = visible;
    };
    show_row(kCalCEX, settings_.show_local);
    show_row(kCalCJDC, settings_.show_cjds);
    show_row(kCalCJDL, settings_.show_cjds);
    show_row(kCalCJDX, settings_.show_cjds && settings_.show_local);
    view_.month_element_animal.visible = !settings_.show_cjds;
    view_.year_element_animal.visible = !settings_.show_cjds;
}

// --- Window rules ---------------------------------------------------------

void MainState::CmdSaveStateEnabled(bool enabled) {
    ControlView& save = view_.control(Control::kSaveState);
    if (repeat_) {
        save.enabled = false;
    } else {
        save.enabled = enabled;
        save.visible = true;
    }
    view_.control(Control::kRestoreState) = save;
}

void MainState::HighlightCalendar() {
    for (int i = 0; i < kCalendarCount; ++i) view_.rows[i].caption.highlighted = i == calendar_;
}

void MainState::SetTheFocus() {
    if (view_.control(Control::kDate).enabled && !view_.date_text.empty())
        view_.focus = Focus::kDate;  // the window puts the caret after the last character
    else if (view_.control(Control::kNow).enabled && view_.control(Control::kNow).visible)
        view_.focus = Focus::kNow;  // hidden while a repeated move runs
    const bool has_log = !LogIsEmpty();
    for (Control c : {Control::kViewLog, Control::kClearLog}) {
        view_.control(c).visible = has_log;
        view_.control(c).enabled = !repeat_;
    }
}

void MainState::MoveSetFocus() {
    if (view_.control(Control::kMove).enabled)
        view_.focus = Focus::kMove;
    else if (view_.control(Control::kQuit).visible && view_.control(Control::kQuit).enabled)
        view_.focus = Focus::kQuit;
}

void MainState::EnableDisableFunctions() {
    for (Control c :
         {Control::kMove, Control::kCompute, Control::kClearDate, Control::kReset, Control::kSearch,
          Control::kDate, Control::kPlusMinus, Control::kTime, Control::kTimeZone,
          Control::kAddToLog, Control::kLogPreferences, Control::kAutoLog, Control::kListLeapMonths,
          Control::kListLunarNewYears, Control::kDisplayYearData})
        view_.control(c).enabled = true;
    MoveSetFocus();
}

}  // namespace vemla
