#include "app/self_test.h"

#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/european.h"

namespace vemla {
namespace {

// The two lines of a failed round trip:
// "79-41-05-01 CHS -> 2460351 but" and " 2460351 -> 79-41-04-16 CHS".
std::string FailureReport(const std::string& date, int32_t day, const std::string& back) {
    return std::string(kLineEnd) + date + " ->" + StrNumber(day) + " but" + std::string(kLineEnd) +
           StrNumber(day) + " -> " + back + std::string(kLineEnd);
}

bool SameSolarDate(const ChDate& a, const ChDate& b) {
    return a.Cycle == b.Cycle && a.Position == b.Position && a.MonthOrTerm == b.MonthOrTerm &&
           a.Day == b.Day;
}

bool SameLunarDate(const ChDate& a, const ChDate& b) {
    return SameSolarDate(a, b) && a.Leap == b.Leap;
}

// Uniform numbers in [0, 1) with the same sequence on every platform.
class UniformDraws {
  public:
    explicit UniformDraws(uint64_t seed) : generator_(seed) {}
    double U() { return static_cast<double>(generator_() >> 11) * 0x1.0p-53; }
    // Int(U * range) + offset.
    int32_t Draw(int range, int offset) {
        return static_cast<int32_t>(std::floor(U() * range)) + offset;
    }

  private:
    std::mt19937_64 generator_;
};

// One date's round trip through its day number and back: "0" for a date that does not exist,
// "1" for one that comes back the same, else the failure, which stops the run. False for a
// failure.
bool TestRoundTrip(CalendarEngine& engine, ChDate date, bool lunar, ListOutput& out,
                   SelfTestTally& count) {
    const auto day_of = [](const auto& result) -> std::optional<int32_t> {
        if (!result) return std::nullopt;
        return *result;
    };
    const std::optional<int32_t> jdn =
        lunar ? day_of(engine.ChLDateToJDN(date)) : day_of(engine.ChSDateToJDN(date));
    if (!jdn) {
        ++count.not_existing;
        out.Write("0");
        return true;
    }
    date.JDN = *jdn;
    const ChDates dates = engine.CJDateToChDates(date.JDN).value_or(ChDates{});
    const ChDate& back = lunar ? dates.chl : dates.chs;
    if (lunar ? SameLunarDate(date, back) : SameSolarDate(date, back)) {
        ++count.round_trips;
        out.Write("1");
        return true;
    }
    const auto text = [lunar](const ChDate& d) {
        return lunar ? ChLShortText(d) : ChSShortText(d, false);
    };
    count.failures.push_back({text(date), date.JDN, text(back)});
    out.Write(FailureReport(text(date), date.JDN, text(back)));
    out.RequestStop();
    return false;
}

}  // namespace

bool TestDatePair(CalendarEngine& engine, const ChDate& chs_in, const ChDate& chl_in,
                  ListOutput& out, SelfTestTally* tally) {
    SelfTestTally ignored;
    SelfTestTally& count = tally ? *tally : ignored;
    const bool solar_passed = TestRoundTrip(engine, chs_in, false, out, count);
    const bool lunar_passed = TestRoundTrip(engine, chl_in, true, out, count);
    return solar_passed && lunar_passed;
}

void RunRandomSelfTest(CalendarEngine& engine, uint64_t seed, ListOutput& out,
                       SelfTestTally* tally) {
    UniformDraws draws(seed);
    out.Write("Doing 1000 random solar,lunar -> JDN -> solar,lunar" + std::string(kLineEnd));
    for (int k = 1; k <= kRandomPairs; ++k) {
        if (out.StopRequested()) break;
        // The ranges reach past the valid values on purpose; the order of
        // the draws is part of the test.
        const int32_t cycle = draws.Draw(200, -10);
        const int32_t position = draws.Draw(64, -2);
        const int32_t term = draws.Draw(28, -2);
        const int32_t month = draws.Draw(15, -2);
        const int32_t leap = draws.U() < 0.1 ? 1 : 0;
        const int32_t solar_day = draws.Draw(18, -2);
        const int32_t lunar_day = draws.Draw(34, -2);

        ChDate chs, chl;
        chs.Cycle = chl.Cycle = cycle;
        chs.Position = chl.Position = position;
        chs.MonthOrTerm = term;
        chs.Day = solar_day;
        chl.MonthOrTerm = month;
        chl.Leap = leap;
        chl.Day = lunar_day;
        TestDatePair(engine, chs, chl, out, tally);
    }
}

void RunSingleDateSelfTest(CalendarEngine& engine, const ParsedDate& parsed, ListOutput& out,
                           SelfTestTally* tally) {
    if (parsed.error != kParseOk) {
        out.Write("Error code =" + StrNumber(parsed.error) + std::string(kLineEnd));
        return;
    }
    const ChDates dates = engine.CJDateToChDates(AJDToCJDC(parsed.ajd, engine.Settings().Longitude))
                              .value_or(ChDates{});
    TestDatePair(engine, dates.chs, dates.chl, out, tally);
}

}  // namespace vemla
