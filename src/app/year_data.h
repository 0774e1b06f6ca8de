// The year data: dates, times and chronological Julian dates of the dark
// moons (and, when asked, the solar terms) of the three sui around the
// displayed moment, grouped by sui and nian with their lengths.
#pragma once

#include "app/listing.h"

namespace vemla {

// The three solar-term check boxes of the list window.
struct SolarTermOptions {
    bool major = true;   // "Include major solar terms (the Zs)"
    bool minor = false;  // "Include minor solar terms (the Js)", off at start-up
    bool names = false;  // "Display solar term names"

    bool AnyTerms() const { return major || minor; }
};

inline constexpr std::string_view kYearDataCaption =
    "Dates, times and CJDs of dark moons and solar terms";

// Writes the whole year data for the context's moment (no stop is asked for:
// it is three sui long).
void WriteYearData(const ListContext& context, const SolarTermOptions& options, ListOutput& out);

}  // namespace vemla
