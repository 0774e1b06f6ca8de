#include "engine/lunar_months.h"

#include <algorithm>

#include "engine/european.h"
#include "engine/lunar_phases.h"

namespace vemla {

std::string MonthLabel(int month, bool leap) {
    std::string number = std::to_string(month);
    if (leap) return number + "*";
    return number.size() < 2 ? "0" + number : number;
}

std::string MonthLabelText(const MonthLabelValue& label) {
    switch (label.kind) {
        case MonthLabelValue::kMonth:
            return MonthLabel(label.month, label.leap);
        case MonthLabelValue::kStartOfSui:
            return "start of sui";
        case MonthLabelValue::kLeapMonth:
            return "leap month";
        case MonthLabelValue::kStopHere:
            return "stop here";
        case MonthLabelValue::kEmpty:
            break;
    }
    return "";
}

int CalendarTables::MonthOfDay(int32_t day) const {
    if (MonthCount < 2) return -1;
    // The first month starting after the day; the one before it holds the day.
    const auto begin = MonthStartDays.begin(), end = begin + MonthCount;
    const int next = static_cast<int>(std::upper_bound(begin, end, day) - begin);
    if (next == 0 || next == MonthCount)
        return -1;  // before the table, or in its open-ended last month
    return next - 1;
}

void ComputeMonthStarts(CalendarTables& t) {
    int32_t k = LunationOf(CJDCToAJD(t.TermMoments[0], t.Longitude));
    t.FirstLunation = k;
    int64_t last_day = static_cast<int64_t>(t.TermDays[kTermCount - 1]) + 40;
    int n = 0;
    while (n < kMaxMonths) {
        double moment = AJDToCJDC(SyzygyUT(k, kDarkMoon), t.Longitude);
        int32_t day = DayNumberOf(moment);
        if (day > last_day) break;
        t.MonthStartMoments[n] = moment;
        t.MonthStartDays[n] = day;
        ++k;
        ++n;
    }
    t.MonthCount = n;
}

namespace {

MonthLabelValue OrdinaryMonth(int month) {
    return {MonthLabelValue::kMonth, static_cast<int8_t>(month), false};
}

}  // namespace

void LabelMonths(CalendarTables& t) {
    t.PrincipalCount.fill(0);
    t.MonthLabels.fill(MonthLabelValue{});
    const int count = t.MonthCount;

    // Count the principal terms (even indexes) that fall in each month whose
    // end is known, and mark the months holding a December solstice.
    for (int m = 0; m + 1 < count; ++m) {
        for (int term = 0; term < kTermCount - 1; term += 2) {
            if (t.TermDays[term] >= t.MonthStartDays[m + 1]) break;
            if (t.MonthStartDays[m] <= t.TermDays[term]) {
                ++t.PrincipalCount[m];
                if (term % 24 == 0) t.MonthLabels[m].kind = MonthLabelValue::kStartOfSui;
            }
        }
    }

    auto starts_sui = [&](int m) {
        return m < count && t.MonthLabels[m].kind == MonthLabelValue::kStartOfSui;
    };
    int i = 0;
    while (i < count) {
        int j = 1;
        while (i + j < count && !starts_sui(i + j)) ++j;
        if (!starts_sui(i + j)) {
            t.MonthLabels[i].kind = MonthLabelValue::kStopHere;
            return;
        }
        if (j == 12) {
            // Twelve months: 11, 12, 1, 2, ..., 10.
            for (int k = 0; k < 12; ++k) t.MonthLabels[i + k] = OrdinaryMonth((k + 10) % 12 + 1);
            i += 12;
            continue;
        }
        // Thirteen months are numbered; the first without a principal term is
        // the leap month and repeats the number of the month before it.
        int last = i + 12 < count ? 12 : count - 1 - i;
        for (int k = 0; k <= last; ++k) {
            if (t.PrincipalCount[i + k] == 0) {
                t.MonthLabels[i + k].kind = MonthLabelValue::kLeapMonth;
                break;
            }
        }
        int n = 11;
        for (int k = 0; k <= last; ++k) {
            MonthLabelValue& label = t.MonthLabels[i + k];
            if (label.kind != MonthLabelValue::kLeapMonth) {
                label = OrdinaryMonth((n - 1) % 12 + 1);
                ++n;
            } else if (k > 0) {
                label = {MonthLabelValue::kMonth, t.MonthLabels[i + k - 1].month, true};
            } else {
                label = {MonthLabelValue::kMonth, 10, true};
            }
        }
        i += 13;
    }
}

void MarkNianYears(CalendarTables& t) {
    int32_t year = CalendarTables::kNoNianYear;
    for (int m = 0; m < kMaxMonths; ++m) {
        if (m < t.MonthCount && t.MonthLabels[m].IsNewYear())
            year = GregorianYearOf(t.MonthStartDays[m]);
        t.NianYear[m] = year;
    }
}

CalendarTables BuildTablesForSolarYear(int32_t solar_year, int method, int longitude) {
    CalendarTables t;
    static_cast<SolarTermTable&>(t) = ComputeSolarTerms(solar_year, method, longitude);
    t.Method = method;
    t.Longitude = longitude;
    ComputeMonthStarts(t);
    LabelMonths(t);
    MarkNianYears(t);
    return t;
}

}  // namespace vemla
