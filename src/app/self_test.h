// The self-test of the Chinese date conversions: a solar and a lunar date
// go to a day number and back, and must come back unchanged. Either 1000
// random pairs, some of them impossible dates on purpose, or the date typed
// into the window.
//
// Each half of a pair writes "1" for a good round trip and "0" for a date
// that does not exist; a failed round trip is reported on two lines and
// stops the run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/date_entry.h"
#include "app/listing.h"

namespace vemla {

inline constexpr std::string_view kSelfTestCaption = "Test";
inline constexpr std::string_view kSecondTestCaption = "Second test";
inline constexpr int kRandomPairs = 1000;

// A failed round trip: the date, the day number it went to and the date
// that day number came back as.
struct SelfTestFailure {
    std::string date;
    int32_t day = 0;
    std::string back;
};

// What a run counted besides its text ("1" a round trip, "0" a date that
// does not exist).
struct SelfTestTally {
    int round_trips = 0;
    int not_existing = 0;
    std::vector<SelfTestFailure> failures;
};

// The round trips of one solar and one lunar date. True when neither failed.
// Each outcome is also counted in `tally` when one is given.
bool TestDatePair(CalendarEngine& engine, const ChDate& chs, const ChDate& chl, ListOutput& out,
                  SelfTestTally* tally = nullptr);

// 1000 random pairs drawn from a generator seeded with `seed`.
void RunRandomSelfTest(CalendarEngine& engine, uint64_t seed, ListOutput& out,
                       SelfTestTally* tally = nullptr);

// The pair of dates of the moment a typed date was parsed to, or the line
// "Error code = n" when the parser refused it.
void RunSingleDateSelfTest(CalendarEngine& engine, const ParsedDate& parsed, ListOutput& out,
                           SelfTestTally* tally = nullptr);

}  // namespace vemla
