#include "app/month_starts.h"

#include <string>

#include "app/borderline_text.h"
#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"

namespace vemla {
namespace {

// The number the month list has always shown for a month start that could
// not be found: -1 for a field out of range, -2 for a layout without a second
// new year, -3 for months that ended too soon, -4 for a day too large and -5
// for a month missing from the nian (never shown: such months are skipped).
int ErrorCode(ChLDateError error) {
    return -1 - static_cast<int>(error);
}

// Lines whose month label is one character shorter than "10*" get a blank
// before "CHL", so that all lines line up.
void AlignCode(std::string& line) {
    const size_t at = line.find("CHL");
    if (at != std::string::npos) line.insert(at, " ");
}

std::string Heading(const ListContext& context, int years, int64_t first, bool leap_only) {
    const std::string span = "for " + std::to_string(years) + " year" + (years == 1 ? "" : "s") +
                             " from " + std::to_string(first) + " " + context.CalendarCode();
    const std::string longitude = "longitude" + StrNumber(context.Longitude()) + "º E):";
    if (leap_only)
        return "Leap months with corresponding date CE and Julian day number\r\n" + span + " (" +
               context.epoch_method + ",\r\n" + longitude + "\r\n";
    return "Starts of all months with corresponding date CE\r\nand Julian day number " + span +
           "\r\n(" + context.epoch_method + ", " + longitude + "\r\n";
}

std::string MonthLine(const ListContext& context, const MonthStartRow& row) {
    const ChDate& chl = row.chl;
    std::string line = ChLShortText(chl);
    if (line.size() < std::string_view("12-34-56-78 CHL").size()) line.insert(0, " ");
    EuroDate date;
    date.Calendar = context.jc ? kJulian : kGregorian;
    date.JDN = chl.JDN;
    JDNToDate(date);
    line += " =  " + DateText(date, 2, "-", ",") + " " + context.CalendarCode() + " = " +
            StrNumber(chl.JDN) + " JDN";
    line += row.days == 30 ? "  30 days" : "  29 days";
    if (!(chl.Leap == 1 && chl.MonthOrTerm >= 10)) AlignCode(line);
    if (const auto day = AssessDay(context.engine, chl.JDN); day && day->ChLBorderline())
        line += kBorderlineLineMark;
    return line + std::string(kLineEnd);
}

}  // namespace

int64_t FirstListedYear(int64_t centre, int years) {
    return centre - years / 2 + (years % 2 == 0 ? 1 : 0);
}

void ListMonthStarts(const ListContext& context, int64_t centre, int years, bool leap_only,
                     ListOutput& out) {
    const int64_t first = FirstListedYear(centre, years);
    out.Write(Heading(context, years, first, leap_only));
    if (years > kMonthStartsQuickYears) out.LongListingStarted();

    const int first_leap = leap_only ? 1 : 0;
    for (int64_t year = first; year < first + years; ++year) {
        if (!InEngineYears(year)) {
            out.Write(EngineYearsEndLine());
            break;
        }
        for (int month = 1; month <= 12; ++month) {
            for (int leap = first_leap; leap <= 1; ++leap) {
                ChDate chl;
                chl.EpochYear = context.Epoch();
                chl.Cycle = static_cast<int32_t>(CycleOf(year, context.Epoch()));
                chl.Position = YearPosition(year);
                chl.MonthOrTerm = month;
                chl.Leap = leap;
                chl.Day = 1;
                const auto jdn = context.engine.ChLDateToJDN(chl);
                if (!jdn && jdn.error() == ChLDateError::kMonthNotInNian) continue;
                if (!jdn) {
                    out.ShowMessage("intM =" + StrNumber(month) +
                                    "  Error code =" + StrNumber(ErrorCode(jdn.error())));
                    continue;
                }
                chl.JDN = *jdn;
                ChDate last_day = chl;
                last_day.Day = 30;
                const MonthStartRow row{chl, context.engine.ChLDateToJDN(last_day).ok() ? 30 : 29};
                out.Add(row);
                out.Write(MonthLine(context, row));
                if (out.StopRequested()) {
                    out.ListingEnded();
                    return;
                }
            }
        }
        if (out.StopRequested()) break;
    }
    out.ListingEnded();
}

}  // namespace vemla
