// MainState: the date entry (Convert, Clear, the Enter keys, the element and
// animal boxes), the clickable dates, Now and the web links.
#include <cmath>

#include "app/clickable_dates.h"
#include "app/main_state.h"
#include "common/strproc.h"
#include "common/web_links.h"
#include "engine/european.h"

namespace vemla {
namespace {

// The moment of the clock, cut to whole seconds.
double WholeSeconds(double ajd) {
    const double cjdl = AJDToCJDL(ajd);
    const double day = std::floor(cjdl);
    // A clock reading a hair below a whole second counts as that second.
    const double seconds = std::floor((cjdl - day) * 86400.0 + 1e-6);
    return CJDLToAJD(day + seconds / 86400.0);
}

// A typed date closer than this to the displayed moment (a minute) is the
// displayed moment itself, shown rounded.
constexpr double kSameMomentDays = 0.0007;

}  // namespace

void MainState::ShowMessage(std::string_view title, std::string_view text) {
    ui_.ShowMessage(std::string(title), std::string(text), MessageIcon::kExclamation,
                    MessageButtons::kOk);
}

EntryBoxes MainState::Boxes() const {
    return {view_.date_text, view_.time_text, settings_.time_zone_index, settings_.element_index,
            settings_.animal_index};
}

void MainState::SetBoxes(const EntryBoxes& boxes) {
    SetDateText(boxes.date);
    view_.time_text = boxes.time;
    settings_.time_zone_index = boxes.zone;
    SetElementAnimal(boxes.element, boxes.animal);
}

// --- Element and animal boxes ---------------------------------------------

void MainState::SetDateText(std::string text) {
    view_.date_text = std::move(text);
    ApplyElementAnimalAvailability();
}

void MainState::ApplyElementAnimalAvailability() {
    const bool enabled = ElementAnimalBoxesEnabled(view_.date_text, settings_.target_index);
    view_.control(Control::kElement).enabled = enabled;
    view_.control(Control::kAnimal).enabled = enabled;
    if (!enabled) SetElementAnimal(kNoElement, kNoAnimal);
}

void MainState::SetElementAnimal(int element, int animal) {
    settings_.element_index = element >= 0 && element <= kNoElement ? element : kNoElement;
    settings_.animal_index = animal >= 0 && animal <= kNoAnimal ? animal : kNoAnimal;
    const int target = settings_.target_index;
    if (IsElementAnimalTarget(target))
        view_.target_items[target] = ElementAnimalTargetText(
            target - kFirstElementAnimalTarget, settings_.element_index, settings_.animal_index);
}

void MainState::SelectElement(int index) {
    if (index < 0 || index > kNoElement) return;
    SetElementAnimal(index, settings_.animal_index);
    FocusAfterElementAnimalChoice();
}

void MainState::SelectAnimal(int index) {
    if (index < 0 || index > kNoAnimal) return;
    SetElementAnimal(settings_.element_index, index);
    FocusAfterElementAnimalChoice();
}

// Search for the element-animal target just described, or convert the date
// whose position it names; Now when that button is disabled.
void MainState::FocusAfterElementAnimalChoice() {
    const bool searching = IsElementAnimalTarget(settings_.target_index);
    if (view_.control(searching ? Control::kSearch : Control::kCompute).enabled)
        view_.focus = searching ? Focus::kSearch : Focus::kCompute;
    else
        view_.focus = Focus::kNow;
}

// --- Parsing and Convert --------------------------------------------------

ParsedDate MainState::ParseDate() {
    EntryBoxes boxes = Boxes();
    const EntryContext context{view_.plus_minus_text, calendar_, LocalOffsetMinutes()};
    // Only a number of days typed: the displayed date of the current calendar
    // is copied into the boxes as a click on its value would.
    auto copy_displayed_date = [this](EntryBoxes& b) {
        ui_.SetClipboardText(view_.rows[calendar_].value.caption);
        ApplyRowEntry(calendar_, b);
    };
    const ParsedDate parsed = vemla::ParseDate(boxes, context, engine_, copy_displayed_date);
    SetBoxes(boxes);
    if (parsed.error == kParseOk) {
        calendar_ = parsed.calendar;
        HighlightCalendar();
    }
    return parsed;
}

void MainState::ReportParseError(int error) {
    view_.time_text.clear();
    ShowMessage(kParseErrorTitle, ParseErrorText(error));
}

bool MainState::CheckDateRange(double ajd) {
    const std::string_view message = RangeMessage(ajd);
    if (message.empty()) return false;
    ShowMessage(kRangeTitle, message);
    return true;
}

void MainState::Convert() {
    const std::string ce_before = view_.rows[kCalCE].value.caption;
    view_.plus_minus_text = Trim(view_.plus_minus_text);
    const std::string& plus_minus = view_.plus_minus_text;
    ParsedDate parsed;
    if (plus_minus.empty() || IsValidPlusMinus(plus_minus))
        parsed = ParseDate();
    else
        parsed.error = kBadPlusMinus;
    if (parsed.error != kParseOk) {
        ReportParseError(parsed.error);
        SetTheFocus();
        return;
    }

    double ajd = parsed.ajd;
    if (!plus_minus.empty()) {
        const double days = PlusMinusDays(plus_minus);
        ajd += settings_.plus ? days : -days;
    } else if (ajd == current_ajd_) {
        ShowMessage(kConvertTitle, kUnchangedText);
        return;
    }
    if (CheckDateRange(ajd)) return;

    current_ajd_ = ajd;
    DisplayDatesAndTimes();
    if (view_.rows[kCalCE].value.caption == ce_before) {
        ShowMessage(kConvertTitle, kUnchangedText);
        return;
    }
    DisplayMoonData();
    ShowDeltaT();
    AutoLog(kAutoLogConvert);
    CmdSaveStateEnabled(true);
}

void MainState::Clear() {
    SetDateText("");
    view_.time_text.clear();
    settings_.time_zone_index = -1;
    SetTheFocus();
}

void MainState::DateEnter() {
    if (!view_.date_text.empty()) Convert();
}

void MainState::PlusMinusEnter() {
    if (!view_.date_text.empty() && !view_.plus_minus_text.empty()) Convert();
}

// --- Clickable dates ------------------------------------------------------

void MainState::ApplyRowEntry(int calendar, EntryBoxes& boxes) const {
    RowEntry entry = EntryFromRowValue(calendar, view_.rows[calendar].value.caption);
    boxes.date = std::move(entry.date);
    if (entry.time) boxes.time = std::move(*entry.time);
    boxes.zone = entry.zone;
    boxes.element = entry.element;
    boxes.animal = entry.animal;
}

void MainState::ClickDateRow(int calendar, int element) {
    if (calendar < 0 || calendar >= kCalendarCount) return;
    ui_.SetClipboardText(view_.rows[calendar].value.caption);
    calendar_ = calendar;
    if (element == 1) {
        EntryBoxes boxes = Boxes();
        ApplyRowEntry(calendar, boxes);
        SetBoxes(boxes);
    }
    HighlightCalendar();
    SetTheFocus();
}

void MainState::ClickMoonPhase() {
    ui_.SetClipboardText(view_.moon_phase.caption);
}

void MainState::ClickMoonAge() {
    ui_.SetClipboardText(view_.moon_age.caption);
}

void MainState::CopyDisplayedDate() {
    ClickDateRow(calendar_, 1);
}

// --- Now and the web links ------------------------------------------------

void MainState::ShowNow() {
    SetDateText("");
    view_.time_text.clear();
    settings_.time_zone_index = -1;
    SetElementAnimal(kNoElement, kNoAnimal);
    ShowLocalOffset();
    const double now = ui_.CurrentAJD();
    if (!std::isfinite(now)) return;  // a clock that cannot be read changes nothing
    current_ajd_ = WholeSeconds(now);
    DisplayAll();
    AutoLog(kAutoLogNow);
    CmdSaveStateEnabled(true);
}

void MainState::OpenWebLink(std::string_view address) {
    if (auto failure = WebLinkFailureMessage(ui_.OpenWebLink(std::string(address))))
        ShowMessage(failure->title, failure->text);
}

void MainState::OpenHomePage() {
    if (!kMakerHomePage.empty()) OpenWebLink(kMakerHomePage);
}

void MainState::OpenOnlineDocumentation() {
    if (!manual_file) {
        ShowMessage(kNoManualTitle, kNoManualText);
    } else if (auto failure = WebLinkFailureMessage(ui_.OpenWebLink(FileAddress(*manual_file)))) {
        // Without a browser the manual can still be read: say where it is.
        ShowMessage(failure->title, std::string(failure->text) +
                                        "\n\nThe user manual is the file " + manual_file->string() +
                                        ".");
    }
    SetTheFocus();
}

bool MainState::TakeOverTypedDate() {
    const std::string typed = Trim(View().date_text);
    SetDateText(typed);
    if (!typed.empty()) {
        const ParsedDate parsed = ParseDate();
        if (parsed.error != kParseOk) {
            ReportParseError(parsed.error);
            SetTheFocus();
            return false;
        }
        if (CheckDateRange(parsed.ajd)) {
            SetTheFocus();
            return false;
        }
        if (std::abs(parsed.ajd - current_ajd_) >= kSameMomentDays) {
            SetCurrentAJD(parsed.ajd);
            // The Chinese steps read the displayed dates, so they must show
            // the moment taken over.
            DisplayDatesAndTimes();
        }
    }
    SetDateText("");
    SetTimeText("");
    MutableSettings().time_zone_index = -1;
    return true;
}

void MainState::RedisplayAndLog(int op) {
    DisplayAll();
    AutoLog(op);
    CmdSaveStateEnabled(true);
}

}  // namespace vemla
