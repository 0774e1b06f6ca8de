// Measures the start-up of the program: the time from the start of the
// process to the first painted main window.
#pragma once

#include <string>

class QWidget;

namespace vemla {

// When `window` has been painted for the first time, prints
// "first paint: N ms" on standard output and ends the program. `start` is
// the moment the process was started in nanoseconds since 1970, as text;
// when it is not a number, the process's start time is read from /proc.
void ReportFirstPaint(QWidget& window, const std::string& start);

}  // namespace vemla
