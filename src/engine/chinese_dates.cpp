#include "engine/chinese_dates.h"

#include <algorithm>

#include "engine/european.h"

namespace vemla {
namespace {

int64_t CacheKey(int32_t solar_year, int method, int longitude) {
    return static_cast<int64_t>(solar_year) * (1 << 24) + (method == kMeanSun ? 1 << 16 : 0) +
           (longitude & 0xffff);
}

bool YearInRange(int64_t year) {
    return InEngineYears(year);
}

// Index 0 of the terms is the December solstice of CE year Y0; the solar year
// it opens bears the cycle and position of year Y0 + 1, and every 24 terms the
// next one begins.
bool ChSFromTables(const CalendarTables& t, int32_t n, int epoch, ChDate& chs) {
    const auto begin = t.TermDays.begin();
    const int i = static_cast<int>(std::upper_bound(begin, begin + 73, n) - begin) - 1;
    if (i < 0 || i >= 72) return false;
    const int64_t year = static_cast<int64_t>(GregorianYearOf(t.TermDays[0])) + 1 + i / 24;
    chs.MonthOrTerm = i % 24 + 1;
    chs.Day = n - t.TermDays[i] + 1;
    chs.Cycle = static_cast<int32_t>(CycleOf(year, epoch));
    chs.Position = YearPosition(year);
    return true;
}

bool ChLFromTables(const CalendarTables& t, int32_t n, int epoch, ChDate& chl) {
    const int m = t.MonthOfDay(n);
    if (m < 0 || t.MonthLabels[m].kind != MonthLabelValue::kMonth) return false;
    chl.MonthOrTerm = t.MonthLabels[m].month;
    chl.Leap = t.MonthLabels[m].leap ? 1 : 0;
    chl.Day = n - t.MonthStartDays[m] + 1;
    // The nian is numbered by the CE year in which its month 1 begins.
    const int32_t y = t.NianYear[m];
    if (y == CalendarTables::kNoNianYear) return false;
    chl.Cycle = static_cast<int32_t>(CycleOf(y, epoch));
    chl.Position = YearPosition(y);
    return true;
}

}  // namespace

CalendarEngine::CalendarEngine(CalendarSettings settings) : settings_(settings) {}

int64_t CalendarEngine::KeyOf(int32_t solar_year) const {
    return CacheKey(solar_year, settings_.Method, settings_.Longitude);
}

const CalendarEngine::CachedTables& CalendarEngine::TablesFor(int32_t y) {
    const int64_t key = KeyOf(y);
    auto found = cache_.find(key);
    if (found != cache_.end()) return *found->second;
    // The current layout is always the one just found or built, so clearing
    // the cache before building never leaves it dangling.
    if (cache_.size() >= kCacheCapacity) cache_.clear();
    const int method = settings_.Method == kMeanSun ? kMeanSun : kTrueSun;
    auto entry = std::make_unique<CachedTables>();
    entry->tables = BuildTablesForSolarYear(y, method, settings_.Longitude);
    ++builds_;
    // Quarter points 4 and 8 (true sun) or 1 and 2 (mean sun) are the December
    // solstices of y - 1 and y by the quarter-point formula, whose days bound
    // solar year y.
    const auto& q = entry->tables.TermQuarters;
    entry->first_day = DayNumberOf(q[method == kMeanSun ? 1 : 4]);
    entry->end_day = DayNumberOf(q[method == kMeanSun ? 2 : 8]);
    return *cache_.emplace(key, std::move(entry)).first->second;
}

bool CalendarEngine::BuildAroundDay(int32_t day) {
    const int method = settings_.Method == kMeanSun ? kMeanSun : kTrueSun;
    const CalendarTables& now = current_->tables;
    if (current_ != &empty_ && now.Method == method && now.Longitude == settings_.Longitude &&
        current_->first_day <= day && day < current_->end_day)
        return true;
    const int32_t year = GregorianYearOf(day);
    if (!YearInRange(year)) return false;
    // The solar year is the Gregorian year or the next; a cached layout whose
    // bounds hold the day settles it without the quarter-point formula.
    auto next = cache_.find(KeyOf(year + 1));
    if (next != cache_.end() && day >= next->second->first_day) {
        current_ = next->second.get();
        return true;
    }
    auto same = cache_.find(KeyOf(year));
    if (same != cache_.end() && day < same->second->end_day) {
        current_ = same->second.get();
        return true;
    }
    current_ = &TablesFor(SolarYearOf(static_cast<double>(day), settings_.Longitude));
    return true;
}

Result<void, ChDayError> CalendarEngine::BuildCalendarTables(double cjdc) {
    if (!BuildAroundDay(DayNumberOf(cjdc))) return Fail(ChDayError::kBeyondEngineYears);
    return {};
}

Result<ChDates, ChDayError> CalendarEngine::CJDateToChDates(double cjdc) {
    const int32_t n = DayNumberOf(cjdc);
    if (!BuildAroundDay(n)) return Fail(ChDayError::kBeyondEngineYears);
    return ChDatesFromTables(current_->tables, n, settings_.Epoch);
}

Result<ChDate, ChDayError> CalendarEngine::CJDateToChLDate(double cjdc) {
    const int32_t n = DayNumberOf(cjdc);
    if (!BuildAroundDay(n)) return Fail(ChDayError::kBeyondEngineYears);
    ChDate chl;
    if (!ChLFromTables(current_->tables, n, settings_.Epoch, chl))
        return Fail(ChDayError::kNotInLayout);
    return chl;
}

Result<ChDates, ChDayError> ChDatesFromTables(const CalendarTables& t, int32_t n, int epoch) {
    ChDates dates;
    if (!ChSFromTables(t, n, epoch, dates.chs) || !ChLFromTables(t, n, epoch, dates.chl))
        return Fail(ChDayError::kNotInLayout);
    return dates;
}

Result<int32_t, ChSDateError> CalendarEngine::ChSDateToJDN(const ChDate& chs) {
    if (chs.Position < 1 || chs.Position > 60 || chs.MonthOrTerm < 1 || chs.MonthOrTerm > 24 ||
        chs.Day < 1 || chs.Day > 16)
        return Fail(ChSDateError::kFieldOutOfRange);
    int64_t year = YearOf(chs.Cycle, chs.Position, settings_.Epoch);
    if (!YearInRange(year)) return Fail(ChSDateError::kBeyondEngineYears);
    // Terms 1 and 2 fall in December and January, 3 and 4 in January and
    // February, ...: the first of Gregorian month (term + 1) div 2 lies in
    // the right solar year.
    EuroDate first;
    first.Year = static_cast<int32_t>(year);
    first.Month = (chs.MonthOrTerm + 1) / 2;
    first.Day = 1;
    first.Calendar = kGregorian;
    if (!BuildAroundDay(DateToJDN(first))) return Fail(ChSDateError::kBeyondEngineYears);
    const CalendarTables& t = current_->tables;
    const int i = chs.MonthOrTerm + 23;
    const int32_t jdn = t.TermDays[i] + chs.Day - 1;
    if (jdn >= t.TermDays[i + 1]) return Fail(ChSDateError::kDayTooLarge);
    return jdn;
}

Result<int32_t, ChLDateError> CalendarEngine::ChLDateToJDN(const ChDate& chl) {
    if (chl.Position < 1 || chl.Position > 60 || chl.MonthOrTerm < 1 || chl.MonthOrTerm > 12 ||
        (chl.Leap != 0 && chl.Leap != 1) || chl.Day < 1 || chl.Day > 31)
        return Fail(ChLDateError::kFieldOutOfRange);
    int64_t year = YearOf(chl.Cycle, chl.Position, settings_.Epoch);
    if (!YearInRange(year)) return Fail(ChLDateError::kFieldOutOfRange);
    EuroDate middle;
    middle.Year = static_cast<int32_t>(year);
    middle.Month = chl.MonthOrTerm;
    middle.Day = 15;
    middle.Calendar = kGregorian;
    if (!BuildAroundDay(DateToJDN(middle))) return Fail(ChLDateError::kFieldOutOfRange);
    const CalendarTables& t = current_->tables;

    // The first month 1 in the layout belongs to the nian before; the second
    // begins the nian of the year wanted.
    int m = 0;
    int new_years = 0;
    for (; m < t.MonthCount; ++m) {
        if (t.MonthLabels[m].IsNewYear() && ++new_years == 2) break;
    }
    if (m >= t.MonthCount) return Fail(ChLDateError::kNoNianStart);
    const bool leap = chl.Leap == 1;
    for (int j = m; j < t.MonthCount; ++j) {
        if (j > m && t.MonthLabels[j].IsNewYear()) return Fail(ChLDateError::kMonthNotInNian);
        if (!t.MonthLabels[j].IsMonth(chl.MonthOrTerm, leap)) continue;
        // The month after the last stored one has no known first day.
        if (j + 1 >= t.MonthCount) return Fail(ChLDateError::kMonthsEnded);
        if (chl.Day > t.MonthStartDays[j + 1] - t.MonthStartDays[j])
            return Fail(ChLDateError::kDayTooLarge);
        return t.MonthStartDays[j] + chl.Day - 1;
    }
    return Fail(ChLDateError::kMonthsEnded);
}

Result<ChDate, ChDateTextError> ReadChLDateText(std::string_view text) {
    ChDate chl;
    chl_datestr_to_chldate(text, &chl);
    if (chl.Valid != 1) return Fail(ChDateTextError::kMalformed);
    return chl;
}

Result<ChDate, ChDateTextError> ReadChSDateText(std::string_view text) {
    ChDate chs;
    chs_datestr_to_chsdate(text, &chs);
    if (chs.Valid != 1) return Fail(ChDateTextError::kMalformed);
    return chs;
}

}  // namespace vemla
