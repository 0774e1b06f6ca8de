#include "app/lunar_new_years.h"

#include <array>
#include <string>

#include "app/borderline_text.h"
#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"

namespace vemla {
namespace {

constexpr int kTermJ1 = 4;
constexpr int kTermZ1 = 5;
constexpr int kMaxNianCounted = 4;

struct NianTally {
    int32_t year = 0;  // the CE year in which its month 1 begins
    int months = 0;
    std::array<int, 25> terms{};  // by term number 1..24
};

// "79-41-01-01 CHL = 2024-02-10 CE =  2460351 JDN": the date, its European
// date and its day number.
std::string DateColumns(const ListContext& context, const ChDate& chl) {
    EuroDate date;
    date.Calendar = context.jc ? kJulian : kGregorian;
    date.JDN = chl.JDN;
    JDNToDate(date);
    return ChLShortText(chl) + " = " + DateText(date, 2, "-", ",") +
           (context.jc ? " JC = " : " CE = ") + StrNumber(chl.JDN) + " JDN";
}

std::string CountsText(const std::optional<NianCounts>& counts) {
    if (!counts) return "";
    return " " + std::to_string(counts->months) + "m" + " J1:" + std::to_string(counts->j1) +
           " Z1:" + std::to_string(counts->z1);
}

}  // namespace

std::optional<NianCounts> CountNian(CalendarEngine& engine, int32_t new_year_day) {
    if (!engine.BuildCalendarTables(new_year_day).ok()) return std::nullopt;
    const CalendarTables& tables = engine.Tables();
    const int32_t wanted = GregorianYearOf(new_year_day);

    std::array<NianTally, kMaxNianCounted> nian{};
    int started = 0;  // nian begun so far; all but the last are complete
    int t = 0;
    for (int m = 0; m < tables.MonthCount; ++m) {
        const MonthLabelValue& label = tables.MonthLabels[m];
        if (label.kind == MonthLabelValue::kStopHere) break;
        if (label.IsNewYear()) {
            if (started == kMaxNianCounted) break;
            nian[started++].year = GregorianYearOf(tables.MonthStartDays[m]);
        }
        if (started == 0) continue;
        NianTally& current = nian[started - 1];
        ++current.months;
        // The month after the last stored one has no known first day.
        if (m + 1 >= tables.MonthCount) break;
        while (t < kTermCount && tables.TermDays[t] < tables.MonthStartDays[m]) ++t;
        for (; t < kTermCount && tables.TermDays[t] < tables.MonthStartDays[m + 1]; ++t)
            ++current.terms[t % 24 + 1];
    }
    for (int i = 0; i + 1 < started; ++i)
        if (nian[i].year == wanted)
            return NianCounts{nian[i].months, nian[i].terms[kTermJ1], nian[i].terms[kTermZ1]};
    return std::nullopt;
}

namespace {

// What the listing holds, new years or the anniversaries of another date, under which epoch
// and prime meridian.
std::string ListHeading(const ListContext& context, bool new_years) {
    std::string heading =
        new_years ? "Lunar New Year's Day " : "Chinese Lunar Calendar anniversaries\r\n";
    heading += "with corresponding European date and JDN\r\n(" + context.epoch_method +
               ", longitude " + std::to_string(context.Longitude()) + "º East)";
    if (new_years) heading += "\r\nplus number of months, J1's and Z1's in the nian";
    return heading + ":" + std::string(kLineEnd);
}

}  // namespace

// Long: one walk over the years; a date that does not exist is listed as such and replaced.
bool ListLunarNewYears(const ListContext& context, std::string_view chl_caption, int years,
                       bool omit_invalid, ListOutput& out) {
    const auto typed = ReadChLDateText(chl_caption);
    if (!typed) {
        out.ShowMessage(kLunarDateInvalid);
        return false;
    }
    ChDate chl = *typed;
    chl.EpochYear = context.Epoch();
    const ChDate start = chl;
    const bool new_years = chl.MonthOrTerm == 1 && chl.Day == 1 && chl.Leap == 0;

    out.Write(ListHeading(context, new_years));
    if (years > kLunarNewYearsQuickYears) out.LongListingStarted();

    int i = 0;
    std::string replaces;  // the first date of this year that does not exist, as shown
    while (i < years) {
        if (!InEngineYears(YearOf(chl.Cycle, chl.Position, context.Epoch()))) {
            out.Write(EngineYearsEndLine());
            break;
        }
        bool counts = false;
        const auto jdn = context.engine.ChLDateToJDN(chl);
        if (!jdn) {
            if (!omit_invalid) {
                if (replaces.empty()) replaces = ChLShortText(chl) + " is invalid";
                out.Write(ChLShortText(chl) + " is invalid" + std::string(kLineEnd));
            }
            if (chl.Day == 30) {
                chl.Day = 29;
            } else if (chl.Leap != 1) {
                out.Write(std::string("Anomaly") + std::string(kLineEnd));
                counts = true;
            } else {
                chl.Leap = 0;
                if (start.Day == 30) chl.Day = 30;
            }
        } else {
            chl.JDN = *jdn;
            LunarDateRow row{chl, start, i, new_years, std::nullopt, replaces};
            std::string line = DateColumns(context, chl);
            if (new_years) {
                row.counts = CountNian(context.engine, chl.JDN);
                line += CountsText(row.counts);
            } else {
                line += " " + StrNumber(i);
            }
            if (const auto day = AssessDay(context.engine, chl.JDN); day && day->ChLBorderline())
                line += kBorderlineLineMark;
            out.Add(row);
            out.Write(line + std::string(kLineEnd));
            counts = true;
        }
        if (out.StopRequested()) break;
        if (counts) {
            ++i;
            replaces.clear();
            if (++chl.Position == 61) {
                chl.Position = 1;
                ++chl.Cycle;
            }
            chl.MonthOrTerm = start.MonthOrTerm;
            chl.Day = start.Day;
            chl.Leap = start.Leap;
        }
    }
    out.ListingEnded();
    return true;
}

}  // namespace vemla
