#include "gui/first_paint.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

namespace vemla {
namespace {

double NowMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Milliseconds since the process started: from the start given by the
// caller, else from the start time the kernel keeps (in clock ticks since
// boot, so to a hundredth of a second).
double ElapsedMs(const std::string& start) {
    long long nanoseconds = 0;
    const auto [end, error] =
        std::from_chars(start.data(), start.data() + start.size(), nanoseconds);
    if (error == std::errc() && end == start.data() + start.size() &&
        nanoseconds > 1'000'000'000'000'000'000LL)
        return NowMs(CLOCK_REALTIME) - static_cast<double>(nanoseconds) / 1e6;

    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command name, which ends with the last ')'.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long start_ticks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22) start_ticks = std::stoull(field);
    const double ticks_per_second = static_cast<double>(sysconf(_SC_CLK_TCK));
    return NowMs(CLOCK_BOOTTIME) - static_cast<double>(start_ticks) * 1e3 / ticks_per_second;
}

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& window, std::string start)
        : QObject(&window), start_(std::move(start)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once this paint, children included, is done.
            QTimer::singleShot(0, this, [this] {
                std::printf("first paint: %.1f ms\n", ElapsedMs(start_));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    std::string start_;
    bool seen_ = false;
};

}  // namespace

void ReportFirstPaint(QWidget& window, const std::string& start) {
    window.installEventFilter(new FirstPaintWatch(window, start));
}

}  // namespace vemla
