// vemla: the desktop program.
//
// Options beyond Qt's own:
//   --screenshot FILE        saves a picture of the main window once it is
//                            shown, then ends (for the documentation)
//   --screenshot-lists FILE  the same for the list window showing the year
//                            data of the displayed moment
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

#include <memory>
#include <optional>

#include "app/application.h"
#include "common/folders.h"
#include "common/program_identity.h"
#include "common/program_text.h"
#include "gui/data_window.h"
#include "gui/first_paint.h"
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

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Vemla");
    // Desktops match the window with its desktop entry, and so its icon, by this id.
    QApplication::setDesktopFileName(QString::fromUtf8(
        vemla::kApplicationId.data(), static_cast<qsizetype>(vemla::kApplicationId.size())));

    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption screenshot("screenshot", "Save a picture of the main window to FILE and end.", "FILE");
    options.addOption(screenshot);
    const QCommandLineOption screenshot_lists(
        "screenshot-lists", "Save a picture of the list window with the year data to FILE and end.", "FILE");
    options.addOption(screenshot_lists);
    options.process(qt);

    using namespace vemla;
    QtUserInterface ui;
    const std::filesystem::path executable_folder = ExecutableFolder();
    auto created = Application::Create(ui, {executable_folder, StateFile()});
    if (auto* error = std::get_if<std::string>(&created)) {
        ShowMessageBox("", *error, MessageIcon::kCritical, MessageButtons::kOk);
        return 1;
    }
    Application& app = *std::get<std::unique_ptr<Application>>(created);

    Pictures pictures;
    pictures.Load(DataFolder(executable_folder));
    if (!pictures.Icon().isNull()) QApplication::setWindowIcon(QIcon(pictures.Icon()));

    app.Startup();
    MainWindow window(app, ui, pictures);
    window.Refresh();

    if (qEnvironmentVariableIsSet("VEMLA_STARTUP_TIMING"))
        ReportFirstPaint(window, qgetenv("VEMLA_STARTUP_TIMING").toStdString());

    window.show();
    window.Refresh();

    if (options.isSet(screenshot) || options.isSet(screenshot_lists)) {
        const bool lists = options.isSet(screenshot_lists);
        const QString file = options.value(lists ? screenshot_lists : screenshot);
        QTimer::singleShot(500, &window, [&window, &app, file, lists] {
            QWidget* shown = &window;
            if (lists) {
                app.Lists().ShowYearData();
                window.Refresh();
                shown = window.Lists();
            }
            const bool saved = shown->grab().save(file, "PNG");
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
