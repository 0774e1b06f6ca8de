// MainState: writing the displayed moment into the labels.
#include "app/borderline_text.h"
#include "app/display.h"
#include "app/main_state.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "engine/moon_data.h"

namespace vemla {

void MainState::DisplayDatesAndTimes() {
    if (initializing_) return;
    view_.rows[kCalAJD].value.caption = JulianDateNumberText(current_ajd_) + " AJD";
    ShowWesternDates();
    ShowChineseDates();
    SetTheFocus();
}

void MainState::ShowWesternDates() {
    if (initializing_) return;
    WesternDatesText w = WesternDatesOf(current_ajd_, LocalOffsetMinutes());
    auto set = [this](int calendar, std::string& caption, std::string& tooltip) {
        view_.rows[calendar].value.caption = std::move(caption);
        view_.rows[calendar].value.tooltip = std::move(tooltip);
    };
    view_.rows[kCalCJDL].value.caption = std::move(w.cjdl);
    set(kCalCE, w.ce, w.ce_tooltip);
    set(kCalJC, w.jc, w.jc_tooltip);
    view_.rows[kCalCJDX].value.caption = std::move(w.cjdx);
    set(kCalCEX, w.cex, w.cex_tooltip);
}

void MainState::ShowChineseDates() {
    if (initializing_) return;
    ChineseDatesText c = ChineseDatesOf(engine_, current_ajd_, CCT());
    view_.rows[kCalCJDC].caption.caption = std::move(c.cjdc_caption);
    view_.rows[kCalCJDC].value.caption = std::move(c.cjdc);
    // Beyond the engine's years (never within the admissible range) the
    // Chinese labels are emptied rather than left showing another moment.
    view_.rows[kCalCHS].value = {std::move(c.chs_text), std::move(c.chs_tooltip),
                                 view_.rows[kCalCHS].value.visible, false};
    view_.rows[kCalCHL].value = {std::move(c.chl_text), std::move(c.chl_tooltip),
                                 view_.rows[kCalCHL].value.visible, false};
    view_.day_stem = c.day_stem;
    view_.day_branch = c.day_branch;
    view_.day_stem_branch.caption = std::move(c.day_stem_branch);
    view_.day_element_animal.caption = std::move(c.day_element_animal);
    if (!repeat_ && update_keep_30th) update_keep_30th();
    view_.year_stem = c.year_stem;
    view_.year_branch = c.year_branch;
    view_.year_element_animal.visible = !settings_.show_cjds;
    if (!settings_.show_cjds) view_.year_element_animal.caption = std::move(c.year_text);
    view_.month_element_animal.visible = !settings_.show_cjds;
    if (!settings_.show_cjds) view_.month_element_animal.caption = std::move(c.month_text);
    view_.year_count.caption = std::move(c.year_count);
    const double cjdc = AJDToCJDC(current_ajd_, engine_.Settings().Longitude);
    BorderlineMarkViews marks =
        BorderlineMarksOf(AssessDay(engine_, DayNumberOf(cjdc)).value_or({}), CCT());
    view_.chl_borderline = std::move(marks.chl);
    view_.chs_borderline = std::move(marks.chs);
    ShowChineseCharacters(c);
}

void MainState::DisplayMoonData() {
    MoonDisplayData moon = ComputeMoonData(current_ajd_);
    view_.moon_age.caption = std::move(moon.age_label);
    if (!moon.view) {
        ShowMessage(kMoonPhaseErrorTitle, MoonPhaseErrorText(moon.view.error()));
        return;
    }
    view_.moon_phase.caption = std::move(moon.view->label);
    view_.moon_drawing = moon.view->drawing;
}

void MainState::ShowDeltaT() {
    view_.delta_t.caption = DeltaTText(DeltaTForMoment(current_ajd_));
}

int MainState::ShowLocalOffset() {
    const int offset = LocalOffsetMinutes();
    view_.local_offset.caption = LocalOffsetText(offset);
    return offset;
}

void MainState::DisplayAll() {
    DisplayDatesAndTimes();
    DisplayMoonData();
    ShowDeltaT();
}

}  // namespace vemla
