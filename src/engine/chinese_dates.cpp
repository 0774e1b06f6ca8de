#include "engine/chinese_dates.h"

#include "engine/european.h"

namespace vemla {
namespace {

int64_t CacheKey(int32_t solar_year, int method, int longitude) {
    return static_cast<int64_t>(solar_year) * (1 << 24) + (method == kMeanSun ? 1 << 16 : 0) +
           (longitude & 0xffff);
}

bool YearInRange(int64_t year) { return year >= kMinChineseYear && year <= kMaxChineseYear; }

}  // namespace

CalendarEngine::CalendarEngine(CalendarSettings settings)
    : settings_(settings), current_(std::make_shared<CalendarTables>()) {}

std::shared_ptr<const CalendarTables> CalendarEngine::TablesFor(int32_t y) {
    int method = settings_.Method == kMeanSun ? kMeanSun : kTrueSun;
    int64_t key = CacheKey(y, method, settings_.Longitude);
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second.tables;
    if (cache_.size() >= kCacheCapacity) cache_.clear();
    auto tables = std::make_shared<const CalendarTables>(BuildTablesForSolarYear(y, method, settings_.Longitude));
    ++builds_;
    // Quarter points 4 and 8 (true sun) or 1 and 2 (mean sun) are the December
    // solstices of y - 1 and y by the quarter-point formula, whose days bound
    // solar year y.
    int first = method == kMeanSun ? 1 : 4;
    int end = method == kMeanSun ? 2 : 8;
    cache_[key] = {tables, DayNumberOf(tables->TermQuarters[first]),
                   DayNumberOf(tables->TermQuarters[end])};
    return tables;
}

int32_t CalendarEngine::SolarYearOfDay(int32_t day) {
    int32_t year = GregorianYearOf(day);
    int method = settings_.Method == kMeanSun ? kMeanSun : kTrueSun;
    // The solar year is the Gregorian year or the next; a cached layout whose
    // bounds hold the day settles it without the quarter-point formula.
    auto next = cache_.find(CacheKey(year + 1, method, settings_.Longitude));
    if (next != cache_.end() && day >= next->second.first_day) return year + 1;
    auto same = cache_.find(CacheKey(year, method, settings_.Longitude));
    if (same != cache_.end() && day < same->second.end_day) return year;
    return SolarYearOf(static_cast<double>(day), settings_.Longitude);
}

bool CalendarEngine::BuildAroundDay(int32_t day) {
    if (!YearInRange(GregorianYearOf(day))) return false;
    current_ = TablesFor(SolarYearOfDay(day));
    return true;
}

bool CalendarEngine::BuildCalendarTables(double cjdc) { return BuildAroundDay(DayNumberOf(cjdc)); }

bool CalendarEngine::CJDateToChDates(double cjdc, ChDate& chs, ChDate& chl) {
    const int32_t n = DayNumberOf(cjdc);
    if (!BuildAroundDay(n)) return false;
    const CalendarTables& t = *current_;
    const int epoch = settings_.Epoch;

    if (chs.Valid == kNoChSWanted) {
        chs.Valid = 0;
    } else {
        // The solar year that begins at the December solstice of CE year Y
        // bears the cycle and position of year Y + 1.
        int32_t y0 = GregorianYearOf(t.TermDays[0]);
        int64_t cycle = CycleOf(y0, epoch);
        int position = YearPosition(y0);
        bool found = false;
        for (int i = 0; i < 72; ++i) {
            if (i % 24 == 0 && ++position == 61) {
                position = 1;
                ++cycle;
            }
            if (t.TermDays[i] <= n && n < t.TermDays[i + 1]) {
                chs.MonthOrTerm = i % 24 + 1;
                chs.Day = n - t.TermDays[i] + 1;
                found = true;
                break;
            }
        }
        if (!found) return false;
        chs.Cycle = static_cast<int32_t>(cycle);
        chs.Position = position;
    }

    int m = t.MonthOfDay(n);
    if (m < 0 || t.MonthLabels[m].kind != MonthLabelValue::kMonth) return false;
    chl.MonthOrTerm = t.MonthLabels[m].month;
    chl.Leap = t.MonthLabels[m].leap ? 1 : 0;
    chl.Day = n - t.MonthStartDays[m] + 1;
    // The nian is numbered by the CE year in which its month 1 begins.
    while (m >= 0 && !t.MonthLabels[m].IsNewYear()) --m;
    if (m < 0) return false;
    int32_t y = GregorianYearOf(t.MonthStartDays[m]);
    chl.Cycle = static_cast<int32_t>(CycleOf(y, epoch));
    chl.Position = YearPosition(y);
    return true;
}

bool CalendarEngine::ChSDateToJDN(ChDate& chs) {
    chs.Valid = 0;
    if (chs.Position < 1 || chs.Position > 60 || chs.MonthOrTerm < 1 || chs.MonthOrTerm > 24 ||
        chs.Day < 1 || chs.Day > 16)
        return false;
    chs.EpochYear = settings_.Epoch;
    int64_t year = YearOf(chs.Cycle, chs.Position, settings_.Epoch);
    if (!YearInRange(year)) return false;
    // Terms 1 and 2 fall in December and January, 3 and 4 in January and
    // February, ...: the first of Gregorian month (term + 1) div 2 lies in
    // the right solar year.
    EuroDate first;
    first.Year = static_cast<int32_t>(year);
    first.Month = (chs.MonthOrTerm + 1) / 2;
    first.Day = 1;
    first.Calendar = kGregorian;
    if (!BuildAroundDay(DateToJDN(first))) return false;
    const CalendarTables& t = *current_;
    int i = chs.MonthOrTerm + 23;
    chs.JDN = t.TermDays[i] + chs.Day - 1;
    chs.Valid = chs.JDN < t.TermDays[i + 1] ? 1 : 0;
    return chs.Valid == 1;
}

int CalendarEngine::ChLDateToJDN(ChDate& chl) {
    chl.Valid = 0;
    if (chl.Position < 1 || chl.Position > 60 || chl.MonthOrTerm < 1 || chl.MonthOrTerm > 12 ||
        (chl.Leap != 0 && chl.Leap != 1) || chl.Day < 1 || chl.Day > 31)
        return kChLFieldOutOfRange;
    int64_t year = YearOf(chl.Cycle, chl.Position, settings_.Epoch);
    if (!YearInRange(year)) return kChLFieldOutOfRange;
    chl.EpochYear = settings_.Epoch;
    EuroDate middle;
    middle.Year = static_cast<int32_t>(year);
    middle.Month = chl.MonthOrTerm;
    middle.Day = 15;
    middle.Calendar = kGregorian;
    if (!BuildAroundDay(DateToJDN(middle))) return kChLFieldOutOfRange;
    const CalendarTables& t = *current_;

    // The first month 1 in the layout belongs to the nian before; the second
    // begins the nian of the year wanted.
    int m = 0;
    int new_years = 0;
    for (; m < t.MonthCount; ++m) {
        if (t.MonthLabels[m].IsNewYear() && ++new_years == 2) break;
    }
    if (m >= t.MonthCount) return kChLNoNianStart;
    const bool leap = chl.Leap == 1;
    for (int j = m; j < t.MonthCount; ++j) {
        if (j > m && t.MonthLabels[j].IsNewYear()) return kChLMonthNotInNian;
        if (!t.MonthLabels[j].IsMonth(chl.MonthOrTerm, leap)) continue;
        // The month after the last stored one has no known first day.
        if (j + 1 >= t.MonthCount) return kChLMonthsEnded;
        if (chl.Day > t.MonthStartDays[j + 1] - t.MonthStartDays[j]) return kChLDayTooLarge;
        chl.Valid = 1;
        chl.JDN = t.MonthStartDays[j] + chl.Day - 1;
        return kChLExists;
    }
    return kChLMonthsEnded;
}

bool ReadChLDateText(std::string_view text, ChDate& chl) {
    chl_datestr_to_chldate(text, &chl);
    return chl.Valid == 1;
}

bool ReadChSDateText(std::string_view text, ChDate& chs) {
    chs_datestr_to_chsdate(text, &chs);
    return chs.Valid == 1;
}

}  // namespace vemla
