#include "app/new_years.h"

#include <cmath>
#include <string>

#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/european.h"

namespace vemla {

void ListNewYears(const ListContext& context, int years, ListOutput& out) {
    EuroDate date;
    date.Calendar = context.jc ? kJulian : kGregorian;
    date.JDN = DayNumberOf(context.ajd + 0.5);
    JDNToDate(date);
    date.Month = 1;
    date.Day = 1;
    for (int i = 0; i < years; ++i) {
        const int32_t day = DateToJDN(date);
        if (!InEngineYears(GregorianYearOf(day))) {
            out.Write(EngineYearsEndLine());
            break;
        }
        const std::string new_year = StrNumber(date.Year) + "-01-01 " + (context.jc ? "JC" : "CE");
        const auto dates = context.engine.CJDateToChDates(day);
        if (!dates) {
            out.Add(NewYearRow{day, context.jc, std::nullopt, std::nullopt});
            out.Write(new_year + ": no Chinese date found" + std::string(kLineEnd));
        } else {
            const auto& [chs, chl] = *dates;
            out.Add(NewYearRow{day, context.jc, chs, chl});
            out.Write(new_year + " = " + ChLShortText(chl) + std::string(kLineEnd));
            out.Write(ChSShortText(chs, false) + std::string(kLineEnd));
        }
        ++date.Year;
        if (out.StopRequested()) break;
    }
}

}  // namespace vemla
