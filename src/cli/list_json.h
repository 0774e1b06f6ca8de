// --json of list and selftest: each row of a listing as one JSON object
// (JSON Lines), and the self-test's counts as one object. Their keys are a
// stable interface for scripts:
//
// new-years (a lunar new year, or an anniversary of the --from date):
//   chl "79-41-01-01 CHL", ce (jc with --julian) "2024-02-10 CE", jdn (day
//   number), newYear (true/false), number (years since the first line);
//   of a new year, months (in its nian), j1 and z1 (how many times those
//   terms fall in it); replaces ("79-41-02-30 CHL is invalid") where the date
//   stands in for one that does not exist
// leap-months: chl, leap (true/false), ce (or jc), jdn, days (29 or 30)
// year-data: event ("dark moon", "solar term"), moment ("2024-01-11 CE 19:57
//   CCT", as the listing shows it), ajd (Universal Time), cjdc, label
//   ("LN298 M12", "ST4 J1"); lunation of a dark moon; term (1..24), code
//   ("J1"), name ("Lichun (Beginning of spring)") of a solar term
// new-years-jc-ce: ce (or jc) "2024-01-01 CE", jdn, chl and chs; error
//   instead of chl and chs where no Chinese date was found
// selftest: dates (how many were tested), roundTrips, notExisting, failures (each
//   {date, jdn, back}: the date, the day number it went to and the date it
//   came back as) and passed (true/false)
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "app/list_rows.h"
#include "app/self_test.h"

namespace vemla {

// What the listing's texts depend on.
struct ListJsonContext {
    int longitude = 0;  // of the prime meridian: moments in its time
    std::string cct;    // its name after times
    bool jc = false;    // European dates in the Julian calendar
};

nlohmann::json ListRowJson(const ListRow& row, const ListJsonContext& context);

nlohmann::json SelfTestJson(const SelfTestTally& tally);

}  // namespace vemla
