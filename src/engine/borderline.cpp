#include "engine/borderline.h"

#include <algorithm>
#include <cmath>

#include "engine/european.h"
#include "engine/uncertainty.h"

namespace vemla {
namespace {

bool SameDate(const ChDate& a, const ChDate& b) {
    return a.Cycle == b.Cycle && a.Position == b.Position && a.MonthOrTerm == b.MonthOrTerm &&
           a.Day == b.Day && a.Leap == b.Leap;
}

// The layout with one event's day moved across the midnight it lies near
// (a day earlier when it lies just after midnight, a day later when just
// before), its months numbered again.
CalendarTables MovedAcrossMidnight(const CalendarTables& t, const DecidingEvent& e, int index) {
    CalendarTables moved = t;
    const int32_t step = e.distance.minutes >= 0 ? -1 : 1;
    if (e.kind == DecidingEventKind::kMonthStart)
        moved.MonthStartDays[index] += step;
    else
        moved.TermDays[index] += step;
    LabelMonths(moved);
    MarkNianYears(moved);
    return moved;
}

}  // namespace

MidnightDistance DistanceFromMidnight(double cjdc) {
    MidnightDistance d;
    d.day = DayNumberOf(cjdc);
    const double after = (cjdc - d.day) * 1440.0;
    const double before = 1440.0 - after;
    d.minutes = after <= before ? after : -before;
    const double year = YearOfMoment(cjdc);
    d.uncertainty_minutes = MomentUncertaintyMinutes(year);
    d.margin_minutes = BorderlineMarginMinutes(year);
    d.near_midnight = std::fabs(d.minutes) <= d.margin_minutes;
    return d;
}

bool DayCertainty::ChLBorderline() const {
    return std::any_of(events.begin(), events.end(),
                       [](const DecidingEvent& e) { return e.borderline && e.changes_chl; });
}

bool DayCertainty::ChSBorderline() const {
    return std::any_of(events.begin(), events.end(),
                       [](const DecidingEvent& e) { return e.borderline && e.changes_chs; });
}

Result<DayCertainty, ChDayError> AssessDay(CalendarEngine& engine, int32_t n) {
    const auto dates = engine.CJDateToChDates(n);
    if (!dates) return Fail(dates.error());
    DayCertainty result;
    result.day = n;
    result.chs = dates->chs;
    result.chl = dates->chl;
    const CalendarTables t = engine.Tables();  // a copy: the next conversion may replace it
    const int epoch = engine.Epoch();
    const int month = t.MonthOfDay(n);
    if (month < 0) return Fail(ChDayError::kNotInLayout);
    const int32_t month_start = t.MonthStartDays[month], month_end = t.MonthStartDays[month + 1];

    auto consider = [&](DecidingEventKind kind, int index, double moment, bool deciding) {
        DecidingEvent e;
        e.kind = kind;
        e.term = kind == DecidingEventKind::kTerm ? index % 24 + 1 : 0;
        e.moment = moment;
        e.distance = DistanceFromMidnight(moment);
        if (e.distance.near_midnight) {
            const CalendarTables moved = MovedAcrossMidnight(t, e, index);
            if (const auto alternative = ChDatesFromTables(moved, n, epoch)) {
                const auto& [chs, chl] = *alternative;
                e.changes_chl = !SameDate(chl, result.chl);
                e.changes_chs = !SameDate(chs, result.chs);
                e.borderline = e.changes_chl || e.changes_chs;
                if (e.borderline) {
                    e.chl_alternative = chl;
                    e.chs_alternative = chs;
                }
            }
        }
        if (deciding || e.borderline) result.events.push_back(e);
    };

    for (int m = 0; m < t.MonthCount; ++m)
        consider(DecidingEventKind::kMonthStart, m, t.MonthStartMoments[m], m == month);
    // The term that begins the day's solar month: the last one not after it.
    const auto term_begin = t.TermDays.begin();
    const int solar_month =
        static_cast<int>(std::upper_bound(term_begin, term_begin + kTermCount, n) - term_begin) - 1;
    for (int i = 0; i < kTermCount; ++i) {
        const bool names_month =
            i % 2 == 0 && month_start <= t.TermDays[i] && t.TermDays[i] < month_end;
        consider(DecidingEventKind::kTerm, i, t.TermMoments[i], names_month || i == solar_month);
    }
    std::sort(result.events.begin(), result.events.end(),
              [](const DecidingEvent& a, const DecidingEvent& b) { return a.moment < b.moment; });
    return result;
}

}  // namespace vemla
