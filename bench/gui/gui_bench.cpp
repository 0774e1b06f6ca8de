// The desktop program's redraw: what the main window adds to a Convert
// (binding every widget to the view model and painting the window), off
// screen. Compare BM_ConvertAndRedraw with BM_ConvertOnly.
//
// And a long run with auto log: 2,000 one-day moves through the window with
// auto log off (argument 0) and on (1); on should stay within 1.5 times off.
// Argument 2: auto log on with the log window open beside.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "app/application.h"
#include "gui/main_window.h"
#include "gui/pictures.h"
#include "gui/qt_user_interface.h"

namespace vemla {
namespace {

struct Program {
    Program() {
        ui.message_hook = [this](const std::string&, const std::string&, MessageIcon,
                                 MessageButtons) {
            ++messages;
            return MessageAnswer::kOk;
        };
        ui.clock_hook = [] { return 2460351.25; };
        auto created = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::nullopt});
        app = std::move(std::get<std::unique_ptr<Application>>(created));
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        app->Startup();
        window = std::make_unique<MainWindow>(*app, ui, pictures);
        window->show();
        window->Refresh();
        QApplication::processEvents();
    }
    QtUserInterface ui;
    std::unique_ptr<Application> app;
    Pictures pictures;
    std::unique_ptr<MainWindow> window;
    int messages = 0;
};

const char* const kDates[2] = {"79-41-01-01 CHL", "79-41-01-16 CHL"};

// The application alone: the same two conversions without the window.
void BM_ConvertOnly(benchmark::State& state) {
    Program p;
    size_t i = 0;
    for (auto _ : state) {
        p.app->Main().SetDateText(kDates[i++ & 1]);
        p.app->Main().SetTimeText("10:00");
        p.app->Main().Convert();
    }
    if (p.messages) state.SkipWithError("Convert reported a message");
}
BENCHMARK(BM_ConvertOnly)->Unit(benchmark::kMicrosecond);

// Typing the date into the window, pressing Convert, and painting.
void BM_ConvertAndRedraw(benchmark::State& state) {
    Program p;
    auto* date = p.window->findChild<QLineEdit*>("txbDate");
    auto* time = p.window->findChild<QLineEdit*>("txbTime");
    auto* compute = p.window->findChild<QPushButton*>("cmdCompute");
    size_t i = 0;
    for (auto _ : state) {
        date->setText(kDates[i++ & 1]);
        emit date->textEdited(date->text());
        time->setText("10:00");
        emit time->textEdited(time->text());
        compute->click();
        p.window->repaint();
    }
    if (p.messages) state.SkipWithError("Convert reported a message");
}
BENCHMARK(BM_ConvertAndRedraw)->Unit(benchmark::kMicrosecond);

// Binding and painting with nothing changed.
void BM_RefreshUnchanged(benchmark::State& state) {
    Program p;
    for (auto _ : state) {
        p.window->Refresh();
        p.window->repaint();
    }
}
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMicrosecond);

// 2,000 presses of "one day" in a fresh window.
void BM_OneDayMoves(benchmark::State& state) {
    const bool auto_log = state.range(0) != 0;
    const bool log_open = state.range(0) == 2;
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<Program>();
        if (auto_log) p->window->findChild<QCheckBox*>("chkAutoLog")->click();
        auto* one_day = p->window->findChild<QPushButton*>("cmdMoveOneDay");
        if (log_open) {
            one_day->click();
            p->window->findChild<QPushButton*>("cmdViewLog")->click();
        }
        state.ResumeTiming();
        for (int i = 0; i < 2000; ++i) one_day->click();
        state.PauseTiming();
        if (p->messages) state.SkipWithError("a move reported a message");
        p.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OneDayMoves)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vemla

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
