// What every listing of the list window reads and where it writes: the
// main window's moment and settings in, the window's text and state out.
//
// A listing writes its text piece by piece (mostly whole lines ending in
// "\r\n") and, where the user may stop it, asks after every line whether to
// go on; that question lets pending window events run first, so that a Stop
// or Close pressed meanwhile is seen.
#pragma once

#include <string>
#include <string_view>

#include "app/list_rows.h"
#include "engine/chinese_dates.h"

namespace vemla {

inline constexpr std::string_view kLineEnd = "\r\n";

// The last line of a listing that reached the end of the engine's years.
std::string EngineYearsEndLine();

// The main window as the listings see it. The engine carries the prime
// meridian, epoch and solar-term method in force.
struct ListContext {
    CalendarEngine& engine;
    double ajd = 0.0;          // dblCurrentAJDate
    std::string cct;           // strCCT, the prime meridian's name after times
    std::string epoch_method;  // "epoch = -2696, method = true sun"
    bool jc = false;           // optJC: European dates in the Julian calendar

    int Epoch() const { return engine.Epoch(); }
    int Longitude() const { return engine.Settings().Longitude; }
    const char* CalendarCode() const { return jc ? "JC" : "CE"; }
};

class ListOutput {
  public:
    virtual ~ListOutput() = default;

    // Appends to the window's text.
    virtual void Write(std::string_view text) = 0;
    // What the line just written (or about to be) lists; ignored by default.
    virtual void Add(const ListRow& row) { (void)row; }
    // Lets pending events run; true when the listing must end now.
    virtual bool StopRequested() = 0;
    // Ends the current run at the next StopRequested (a failed self-test).
    virtual void RequestStop() = 0;
    // A long listing begins: the years label reads "years     Calculating ...",
    // the pointer is the hourglass and Close reads "Stop".
    virtual void LongListingStarted() = 0;
    // A listing has ended, whether run out or stopped.
    virtual void ListingEnded() = 0;
    // A message box without a title of its own.
    virtual void ShowMessage(std::string_view text) = 0;
};

}  // namespace vemla
