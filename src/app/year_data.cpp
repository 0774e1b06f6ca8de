#include "app/year_data.h"

#include <cmath>
#include <string>

#include "app/borderline_text.h"
#include "app/display.h"
#include "common/strproc.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "engine/solar_terms.h"

namespace vemla {
namespace {

// A year's place in the sexagenary count: cycle and position 1..60.
struct CyclePosition {
    int64_t cycle;
    int position;

    void Next() {
        if (++position == 61) {
            position = 1;
            ++cycle;
        }
    }
    void Previous() {
        if (--position == 0) {
            position = 60;
            --cycle;
        }
    }
    // " 79-40": Str(cycle) & "-" & Trim(Str(position)).
    std::string Text() const { return StrNumber(cycle) + "-" + std::to_string(position); }
};

// "Sui 79-40 was a normal sui, with 12 months." for a finished sui or nian
// of `months` months.
std::string Summary(std::string_view word, std::string_view lower_word, const CyclePosition& year,
                    int months) {
    std::string text = std::string(word) + year.Text();
    static constexpr std::string_view kLengths[] = {" was a short ", " was a normal ",
                                                    " was a long "};
    if (months >= 11 && months <= 13)
        text += std::string(kLengths[months - 11]) + std::string(lower_word) + ", with " +
                std::to_string(months) + " months.";
    return text + std::string(kLineEnd);
}

EuroDate DateOfDay(int32_t day, bool jc) {
    EuroDate date;
    date.Calendar = jc ? kJulian : kGregorian;
    date.JDN = day;
    JDNToDate(date);
    return date;
}

// Year, date, calendar, time, meridian and moment: the start of a month line
// and of a term line.
std::string MomentColumns(const ListContext& context, double moment, int32_t day) {
    const EuroDate date = DateOfDay(day, context.jc);
    return PadForWidth(date.Year, 5) + DateText(date, 2, "-", ",") + " " + context.CalendarCode() +
           " " + TimeText(moment - day, false) + " " + context.cct + "  " +
           JulianDateNumberText(moment);
}

// A dark moon or term within its margin of midnight may fall on the other
// day in another almanac: its line is marked.
std::string NearMidnightMark(double moment) {
    return DistanceFromMidnight(moment).near_midnight ? std::string(kBorderlineLineMark) : "";
}

std::string TermLine(const ListContext& context, const CalendarTables& tables, int t, bool names,
                     ListOutput& out) {
    const int term = t % 24;  // [0, 23]
    out.Add(SolarTermRow{CJDCToAJD(tables.TermMoments[t], context.Longitude()), term});
    std::string line = MomentColumns(context, tables.TermMoments[t], tables.TermDays[t]) + "  ST" +
                       StrNumber(term + 1) + " " + std::string(kSolarTermCodes[term]);
    if (names)
        line += " " + std::string(kSolarTermPinyinNames[term]) + " (" +
                std::string(kSolarTermEnglishNames[term]) + ")";
    return line + NearMidnightMark(tables.TermMoments[t]) + std::string(kLineEnd);
}

// The four lines that say what the listing holds: its years from `year` (at cycle position
// `first`), the epoch and method, and the time zone.
void WriteHeading(const ListContext& context, const SolarTermOptions& options, int32_t year,
                  const CyclePosition& first, ListOutput& out) {
    out.Write(std::string("Dates, times and chronological Julian dates of dark moons") +
              std::string(kLineEnd));
    out.Write(std::string(options.AnyTerms() ? "and solar terms " : "") +
              "for 3 solar years beginning" + first.Text() + " (" + std::to_string(year) + " " +
              context.CalendarCode() + ")," + std::string(kLineEnd));
    out.Write(context.epoch_method + ".  Times are " + context.cct + " times," +
              std::string(kLineEnd));
    out.Write("which assume longitude" + StrNumber(context.Longitude()) + "º E as prime meridian." +
              std::string(kLineEnd));
}

}  // namespace

// Long: one walk over the months of three solar years, counting sui and nian as it goes.
void WriteYearData(const ListContext& context, const SolarTermOptions& options, ListOutput& out) {
    const double cjdc = AJDToCJDC(context.ajd, context.Longitude());
    const int32_t year = SolarYearOf(std::floor(cjdc), context.Longitude()) - 1;
    CyclePosition first{CycleOf(year, context.Epoch()), YearPosition(year)};
    WriteHeading(context, options, year, first, out);

    first.Previous();
    CyclePosition sui = first, nian = first;

    if (!context.engine.BuildCalendarTables(cjdc).ok()) {
        out.Write(EngineYearsEndLine());
        return;
    }
    const CalendarTables& tables = context.engine.Tables();
    const int count = tables.MonthCount;
    int t = 0;
    while (t < kTermCount && count > 0 && tables.TermDays[t] < tables.MonthStartDays[0]) ++t;

    int sui_months = -100, nian_months = -100, sui_starts = 0;
    bool fourth_sui = false;
    for (int m = 0; m < count; ++m) {
        const MonthLabelValue& label = tables.MonthLabels[m];
        if (label.kind == MonthLabelValue::kStopHere) break;
        const bool starts_sui = label.IsMonth(11, false);
        const bool starts_nian = label.IsNewYear();

        if (starts_sui) {
            if (sui_months >= 11) out.Write(Summary("Sui", "sui", sui, sui_months));
            out.Write(kLineEnd);
            sui_months = 0;
            if (++sui_starts == 4) {
                fourth_sui = true;
                break;
            }
        } else if (starts_nian) {
            if (nian_months >= 11) out.Write(Summary("Nian", "nian", nian, nian_months));
            out.Write(kLineEnd);
            nian_months = 0;
        }

        std::string heading = options.AnyTerms() ? "---------- " : "";
        if (starts_sui) {
            sui.Next();
            heading += "Sui" + sui.Text();
        } else if (starts_nian) {
            nian.Next();
            heading += "Nian " + nian.Text();
        }
        if (starts_sui || starts_nian || options.AnyTerms())
            out.Write(heading + std::string(kLineEnd));

        const double moment = tables.MonthStartMoments[m];
        const int32_t day = tables.MonthStartDays[m];
        out.Add(PhaseRow{
            CJDCToAJD(moment, context.Longitude()), kDarkMoon, tables.FirstLunation + m,
            "LN" + std::to_string(tables.FirstLunation + m) + " M" + MonthLabelText(label)});
        out.Write(MomentColumns(context, moment, day) + "  LN" +
                  StrNumber(tables.FirstLunation + m) + " M" + MonthLabelText(label) + " (" +
                  std::to_string(tables.PrincipalCount[m]) + " zq)" + NearMidnightMark(moment) +
                  std::string(kLineEnd));
        ++sui_months;
        ++nian_months;

        // The month after the last stored one has no known first day.
        if (m + 1 >= count) continue;
        for (; t < kTermCount && day <= tables.TermDays[t] &&
               tables.TermDays[t] < tables.MonthStartDays[m + 1];
             ++t) {
            const bool major = t % 2 == 0;
            if ((major && options.major) || (!major && options.minor))
                out.Write(TermLine(context, tables, t, options.names, out));
        }
    }
    if (!fourth_sui) out.Write(Summary("Sui", "sui", sui, sui_months));
}

}  // namespace vemla
