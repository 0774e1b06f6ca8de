// Borderline dates: days whose Chinese date hangs on a moment near midnight.
//
// A lunar month begins on the day of its dark moon and a solar term on the
// day of its moment, both at the chosen prime meridian. When such a moment
// lies minutes from midnight, almanacs computed with slightly different
// astronomy or delta T put it on different days, and the dates of a whole
// month or term differ by one day; a principal term moved across the first
// midnight of a month can even move the leap month and rename several months.
//
// For one day this module finds the events that decide its dates (the dark
// moon that begins its lunar month, the principal terms in that month, which
// name it, and the term that begins its solar month) with their distance from
// midnight, and every event in the layout, wherever it lies, whose move
// across midnight would change the day's dates. The alternative date is
// found honestly: the layout's day of that one event is moved across the
// midnight, the months are numbered again and the day converted again. Each
// event is moved alone; two borderline events in the same layout are not
// combined.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/chinese_dates.h"
#include "engine/result.h"

namespace vemla {

enum class DecidingEventKind : uint8_t {
    kMonthStart,  // the dark moon that begins a lunar month
    kTerm,        // a solar term; the odd ones (codes Z..) are the principal terms
};

// Where a moment lies within its day.
struct MidnightDistance {
    int32_t day = 0;  // the day it falls on
    // Signed minutes to the nearer midnight of that day: positive after the
    // midnight that opens the day, negative before the one that closes it.
    double minutes = 0;
    double uncertainty_minutes = 0;
    double margin_minutes = 0;
    bool near_midnight = false;  // |minutes| within the margin
};

// The distance of a moment (a CJDC) from midnight, with its uncertainty.
MidnightDistance DistanceFromMidnight(double cjdc);

struct DecidingEvent {
    DecidingEventKind kind = DecidingEventKind::kMonthStart;
    int term = 0;       // kTerm: the solar term, 1..24
    double moment = 0;  // CJDC at the engine's prime meridian
    MidnightDistance distance;
    // True when the event lies within its margin of midnight and its move
    // across that midnight would change the day's CHL or CHS date.
    bool borderline = false;
    bool changes_chl = false, changes_chs = false;
    // When borderline: the day's dates had the event fallen on the other
    // side of the midnight.
    ChDate chl_alternative, chs_alternative;

    bool IsPrincipalTerm() const { return kind == DecidingEventKind::kTerm && term % 2 == 1; }
};

struct DayCertainty {
    int32_t day = 0;
    ChDate chl, chs;
    // The deciding events and every other borderline event, in time order.
    std::vector<DecidingEvent> events;

    bool ChLBorderline() const;
    bool ChSBorderline() const;
    bool Borderline() const { return ChLBorderline() || ChSBorderline(); }
};

// The dates of day n at the engine's settings and how certain they are;
// fails when the engine cannot place the day.
Result<DayCertainty, ChDayError> AssessDay(CalendarEngine& engine, int32_t n);

}  // namespace vemla
