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
#include <string_view>

#include "app/date_entry.h"
#include "app/listing.h"

namespace vemla {

inline constexpr std::string_view kSelfTestCaption = "Test";
inline constexpr std::string_view kSecondTestCaption = "Second test";
inline constexpr int kRandomPairs = 1000;

// The round trips of one solar and one lunar date. True when neither failed.
bool TestDatePair(CalendarEngine& engine, const ChDate& chs, const ChDate& chl, ListOutput& out);

// 1000 random pairs drawn from a generator seeded with `seed`.
void RunRandomSelfTest(CalendarEngine& engine, uint64_t seed, ListOutput& out);

// The pair of dates of the moment a typed date was parsed to, or the line
// "Error code = n" when the parser refused it.
void RunSingleDateSelfTest(CalendarEngine& engine, const ParsedDate& parsed, ListOutput& out);

}  // namespace vemla
