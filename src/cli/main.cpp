// vemla-cli: the present moment in the program's reckonings.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "common/strproc.h"
#include "engine/chinese_dates.h"
#include "engine/chinese_text.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "engine/moon_data.h"

namespace {

using namespace vemla;

// A Julian date with "," grouping and five decimals, whatever the locale.
std::string JulianDateText(double jd) {
    double whole = std::floor(jd);
    char decimals[16];
    std::snprintf(decimals, sizeof decimals, "%.5f", jd - whole);
    std::string fraction = decimals;
    if (fraction[0] == '1') {  // the fraction rounded up to a whole day
        whole += 1;
        fraction = "0.00000";
    }
    return GroupThousands(std::to_string(static_cast<int64_t>(whole)), ",") + fraction.substr(1);
}

double NowAJD() {
    using namespace std::chrono;
    double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return 2440587.5 + seconds / 86400.0;
}

}  // namespace

int main() {
    const double ajd = NowAJD();
    const double cjdl = AJDToCJDL(ajd);
    EuroDate ce, jc;
    CEAndJCDates(cjdl, ce, jc);
    const std::string weekday = DayOfWeekName(DayOfWeek(ce.JDN));
    const std::string time = TimeText(cjdl - std::floor(cjdl), true);

    CalendarEngine engine;
    const double cjdc = AJDToCJDC(ajd, kDefaultLongitude);
    ChDate chs, chl;
    engine.CJDateToChDates(cjdc, chs, chl);
    const std::string chinese_time = TimeText(cjdc - std::floor(cjdc), false);

    const MoonDisplayData moon = ComputeMoonData(ajd);
    std::printf("CE    %s %s %s GMT\n", DateText(ce, 2, "-", ",").c_str(), weekday.c_str(), time.c_str());
    std::printf("JC    %s %s\n", DateText(jc, 2, "-", ",").c_str(), weekday.c_str());
    std::printf("CHL   %s %s CCT\n", ChLShortText(chl).c_str(), chinese_time.c_str());
    std::printf("CHS   %s %s CCT\n", ChSShortText(chs, true).c_str(), chinese_time.c_str());
    std::printf("CJDL  %s\n", JulianDateText(cjdl).c_str());
    std::printf("AJD   %s\n", JulianDateText(ajd).c_str());
    std::printf("Moon  %s\n", moon.age_label.c_str());
    if (moon.view) std::printf("      %s\n", moon.view->label.c_str());
    std::printf("Delta T %.2f minutes\n", DeltaTForMoment(ajd));
    return 0;
}
