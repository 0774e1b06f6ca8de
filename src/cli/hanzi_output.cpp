#include "cli/hanzi_output.h"

#include "engine/european.h"

namespace vemla {

HanziDate HanziOfMoment(MainState& main) {
    const double cjdc = AJDToCJDC(main.CurrentAJD(), main.Longitude());
    const auto dates = main.Engine().CJDateToChDates(cjdc);
    if (!dates) return {};
    return HanziDateOf(dates->chs, dates->chl, DayNumberOf(cjdc));
}

std::string HanziText(const HanziDate& hanzi) {
    return "Chinese characters: " + hanzi.chl + " (CHL), " + hanzi.chs + " (CHS)";
}

nlohmann::json HanziJson(const HanziDate& hanzi) {
    return {{"chl", hanzi.chl},      {"chs", hanzi.chs}, {"year", hanzi.year},
            {"month", hanzi.month},  {"day", hanzi.day}, {"term", hanzi.term},
            {"animal", hanzi.animal}};
}

}  // namespace vemla
