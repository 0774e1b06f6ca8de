// vemla: the desktop program.
//
// Options beyond Qt's own:
//   --screenshot FILE        saves a picture of the main window once it is
//                            shown, then ends (for the documentation)
//   --screenshot-lists FILE  the same for the list window showing the year
//                            data of the displayed moment
//   --screenshot-run FILE    the main window during a repeated move
//   --screenshot-log FILE    the log window after a few logged moves
// Environment:
//   VEMLA_STARTUP_TIMING  when set, prints the milliseconds from the start of
//                         the process to the first painted main window, then
//                         ends. A value of nanoseconds since 1970 (date +%s%N,
//                         taken just before starting) is used as the start;
//                         otherwise the process's start time from /proc.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

#include "app/application.h"
#include "app/extra_settings.h"
#include "common/folders.h"
#include "common/program_identity.h"
#include "common/program_text.h"
#include "gui/data_window.h"
#include "gui/first_paint.h"
#include "gui/log_window.h"
#include "gui/main_window.h"
#include "gui/pictures.h"
#include "gui/qt_user_interface.h"

namespace {

// The saved state lives in the per-user folder; without one, nothing is
// restored or saved.
std::optional<std::filesystem::path> StateFile() {
    const vemla::StateFileLocation location =
        vemla::StateFilePath(vemla::kStateFileName, vemla::kStateFolderName);
    if (location.path.empty()) return std::nullopt;
    return location.path;
}

// Sets the scene for a picture of the documentation, then saves it: 0 the
// main window, 1 the list window with the year data, 2 the main window
// during a repeated move, 3 the log after a few logged moves.
void TakeScreenshot(vemla::MainWindow& window, vemla::Application& app, int kind,
                    const QString& file) {
    using namespace std::chrono_literals;
    if (kind == 2) {
        app.RepeatedMove().SelectRefreshPeriod(0);
        app.Mover().SetRepeatedly(true);
        app.RepeatedMove().Move();
    } else if (kind == 3) {
        app.Main().SetAutoLog(true);
        for (int i = 0; i < 3; ++i) app.Mover().MoveOneDay();
        app.ViewLog();
    } else if (kind == 1) {
        app.Lists().ShowYearData();
    }
    window.Refresh();
    QTimer::singleShot(kind == 2 ? 1100ms : 500ms, &window, [&window, kind, file] {
        QWidget* shown = kind == 1   ? static_cast<QWidget*>(window.Lists())
                         : kind == 3 ? static_cast<QWidget*>(window.Log())
                                     : &window;
        QCoreApplication::exit(shown->grab().save(file, "PNG") ? 0 : 1);
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Vemla");
    // Desktops match the window with its desktop entry, and so its icon, by this id.
    QApplication::setDesktopFileName(QString::fromUtf8(
        vemla::kApplicationId.data(), static_cast<qsizetype>(vemla::kApplicationId.size())));
    QApplication::setApplicationVersion(
        QString::fromUtf8(vemla::kVersion.data(), static_cast<qsizetype>(vemla::kVersion.size())));

    QCommandLineParser options;
    options.setApplicationDescription(
        "Vemla shows one moment in the Common Era, Julian and Chinese calendars, as Julian dates\n"
        "and with the Moon's phase. vemla-cli does the same from the command line.");
    options.addHelpOption();
    options.addVersionOption();
    const QStringList kinds = {"screenshot", "screenshot-lists", "screenshot-run",
                               "screenshot-log"};
    for (const QString& kind : kinds)
        options.addOption(
            QCommandLineOption(kind, "Save a picture (" + kind + ") to FILE and end.", "FILE"));
    options.process(qt);

    using namespace vemla;
    QtUserInterface ui;
    const std::filesystem::path executable_folder = ExecutableFolder();
    const std::optional<std::filesystem::path> state_file = StateFile();
    auto created = Application::Create(ui, {executable_folder, state_file});
    if (auto* error = std::get_if<std::string>(&created)) {
        ShowMessageBox("", *error, MessageIcon::kCritical, MessageButtons::kOk);
        return 1;
    }
    Application& app = *std::get<std::unique_ptr<Application>>(created);

    Pictures pictures;
    pictures.Load(DataFolder(executable_folder));
    if (!pictures.Icon().isNull()) QApplication::setWindowIcon(QIcon(pictures.Icon()));

    if (state_file) app.SetSettingsFile(state_file->parent_path() / kExtraSettingsFileName);
    app.Startup();
    MainWindow window(app, ui, pictures);
    window.Refresh();

    if (qEnvironmentVariableIsSet("VEMLA_STARTUP_TIMING"))
        ReportFirstPaint(window, qgetenv("VEMLA_STARTUP_TIMING").toStdString());

    window.show();
    window.Refresh();

    for (int kind = 0; kind < kinds.size(); ++kind)
        if (options.isSet(kinds[kind]))
            TakeScreenshot(window, app, kind, options.value(kinds[kind]));
    return QApplication::exec();
}
