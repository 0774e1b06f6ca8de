#include "app/self_test.h"

#include <cmath>
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

}  // namespace

bool TestDatePair(CalendarEngine& engine, const ChDate& chs_in, const ChDate& chl_in,
                  ListOutput& out, SelfTestTally* tally) {
    SelfTestTally ignored;
    SelfTestTally& count = tally ? *tally : ignored;
    bool passed = true;

    ChDate chs = chs_in;
    if (const auto jdn = engine.ChSDateToJDN(chs); !jdn) {
        ++count.not_existing;
        out.Write("0");
    } else {
        chs.JDN = *jdn;
        const ChDate chs2 = engine.CJDateToChDates(chs.JDN).value_or(ChDates{}).chs;
        if (SameSolarDate(chs, chs2)) {
            ++count.round_trips;
            out.Write("1");
        } else {
            count.failures.push_back({ChSShortText(chs, false), chs.JDN, ChSShortText(chs2, false)});
            out.Write(FailureReport(ChSShortText(chs, false), chs.JDN, ChSShortText(chs2, false)));
            out.RequestStop();
            passed = false;
        }
    }

    ChDate chl = chl_in;
    if (const auto jdn = engine.ChLDateToJDN(chl); !jdn) {
        ++count.not_existing;
        out.Write("0");
    } else {
        chl.JDN = *jdn;
        const ChDate chl2 = engine.CJDateToChDates(chl.JDN).value_or(ChDates{}).chl;
        if (SameLunarDate(chl, chl2)) {
            ++count.round_trips;
            out.Write("1");
        } else {
            count.failures.push_back({ChLShortText(chl), chl.JDN, ChLShortText(chl2)});
            out.Write(FailureReport(ChLShortText(chl), chl.JDN, ChLShortText(chl2)));
            out.RequestStop();
            passed = false;
        }
    }
    return passed;
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
