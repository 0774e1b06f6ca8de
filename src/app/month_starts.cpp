#include "app/month_starts.h"

#include <string>

#include "app/borderline_text.h"
#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"

namespace vemla {
namespace {

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

std::string MonthLine(const ListContext& context, ChDate& chl) {
    std::string line = ChLShortText(chl);
    if (line.size() < std::string_view("12-34-56-78 CHL").size()) line.insert(0, " ");
    EuroDate date;
    date.Calendar = context.jc ? kJulian : kGregorian;
    date.JDN = chl.JDN;
    JDNToDate(date);
    line += " =  " + DateText(date, 2, "-", ",") + " " + context.CalendarCode() + " = " +
            StrNumber(chl.JDN) + " JDN";
    ChDate last_day = chl;
    last_day.Day = 30;
    line += context.engine.ChLDateToJDN(last_day) == kChLExists ? "  30 days" : "  29 days";
    if (!(chl.Leap == 1 && chl.MonthOrTerm >= 10)) AlignCode(line);
    if (AssessDay(context.engine, chl.JDN).ChLBorderline()) line += kBorderlineLineMark;
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
        for (int month = 1; month <= 12; ++month) {
            for (int leap = first_leap; leap <= 1; ++leap) {
                ChDate chl;
                chl.EpochYear = context.Epoch();
                chl.Cycle = static_cast<int32_t>(CycleOf(year, context.Epoch()));
                chl.Position = YearPosition(year);
                chl.MonthOrTerm = month;
                chl.Leap = leap;
                chl.Day = 1;
                const int code = context.engine.ChLDateToJDN(chl);
                if (code == kChLMonthNotInNian) continue;
                if (code != kChLExists) {
                    out.ShowMessage("intM =" + StrNumber(month) +
                                    "  Error code =" + StrNumber(code));
                    continue;
                }
                out.Write(MonthLine(context, chl));
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
