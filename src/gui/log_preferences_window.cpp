#include "gui/log_preferences_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/application.h"
#include "gui/widgets.h"

namespace vemla {
namespace {

// The boxes' names, in the order of LogBox.
constexpr std::array<const char*, LogPreferences::kCount> kBoxNames = {
    "chkVerbose",
    "chkIncludeGanzhi",
    "chkViewLogWhenAdd",
    "chkIncludeChL",
    "chkIncludeChS",
    "chkIncludeCJDC",
    "chkEpochEtc",
    "chkIncludeCE",
    "chkIncludeJC",
    "chkIncludeCJDL",
    "chkIncludeAJD",
    "chkIncludePhaseOfMoonAndIllumination",
    "chkIncludeLunationAndAgeOfMoon"};

QGroupBox* Frame(LogBoxFrame frame, const char* name, QWidget* parent) {
    auto* box = new QGroupBox(ToQString(LogBoxFrameCaption(frame)), parent);
    box->setObjectName(name);
    new QVBoxLayout(box);
    return box;
}

}  // namespace

// Long: lays the dialog out control by control, as a form description would.
LogPreferencesWindow::LogPreferencesWindow(Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app) {
    setObjectName("frmLogPreferences");
    setWindowTitle(ToQString(kLogPreferencesTitle));

    auto* heading = new QLabel(ToQString(kLogPreferencesHeading), this);
    heading->setObjectName("lblInclude");
    QGroupBox* chinese = Frame(LogBoxFrame::kChinese, "fraChinese", this);
    QGroupBox* western = Frame(LogBoxFrame::kWestern, "fraWestern", this);
    QGroupBox* astronomical = Frame(LogBoxFrame::kAstronomical, "fraAstronomical", this);
    auto* loose = new QVBoxLayout;

    for (int i = 0; i < LogPreferences::kCount; ++i) {
        QGroupBox* frame = nullptr;
        switch (kLogBoxes[i].frame) {
            case LogBoxFrame::kChinese:
                frame = chinese;
                break;
            case LogBoxFrame::kWestern:
                frame = western;
                break;
            case LogBoxFrame::kAstronomical:
                frame = astronomical;
                break;
            case LogBoxFrame::kNone:
                break;
        }
        auto* box = new QCheckBox(ButtonText(kLogBoxes[i].caption),
                                  frame ? static_cast<QWidget*>(frame) : this);
        box->setObjectName(kBoxNames[i]);
        if (frame)
            frame->layout()->addWidget(box);
        else
            loose->addWidget(box);
        boxes_[i] = box;
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            app_.Preferences().SetBox(static_cast<LogBox>(i), checked);
            Changed();
        });
    }

    auto* set_all = new QPushButton(ButtonText(kSetAllCaption), this);
    set_all->setObjectName("cmdSetClear_0");
    auto* clear_all = new QPushButton(ButtonText(kClearAllCaption), this);
    clear_all->setObjectName("cmdSetClear_1");
    auto* close = new QPushButton(ButtonText(kLogPreferencesCloseCaption), this);
    close->setObjectName("cmdClose");
    close_ = close;
    connect(set_all, &QPushButton::clicked, this, [this] {
        app_.Preferences().SetAll();
        Changed();
    });
    connect(clear_all, &QPushButton::clicked, this, [this] {
        app_.Preferences().ClearAll();
        Changed();
    });
    connect(close, &QPushButton::clicked, this, [this] { CloseDialog(); });

    auto* frames = new QHBoxLayout;
    frames->addWidget(chinese);
    frames->addWidget(western);
    frames->addWidget(astronomical);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(set_all);
    buttons->addWidget(clear_all);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(frames);
    layout->addLayout(loose);
    layout->addLayout(buttons);
}

void LogPreferencesWindow::Refresh(const QWidget* main_window) {
    const LogPreferencesDialog& dialog = app_.Preferences();
    for (int i = 0; i < LogPreferences::kCount; ++i) {
        boxes_[i]->setChecked(dialog.Box(static_cast<LogBox>(i)));
        boxes_[i]->setEnabled(dialog.BoxEnabled(static_cast<LogBox>(i)));
    }
    if (dialog.Visible() && !isVisible()) {
        adjustSize();
        PlaceBeside(main_window);
        show();
        raise();
        activateWindow();
        close_->setFocus();
    } else if (!dialog.Visible() && isVisible()) {
        hide();
    }
}

// The dialog's frame stands in the main window's lower right corner, on the
// screen.
void LogPreferencesWindow::PlaceBeside(const QWidget* main_window) {
    if (!main_window || !main_window->isVisible()) return;
    const QRect main = main_window->frameGeometry();
    const QRect inner = main_window->geometry();
    // Not shown yet, the dialog will get a frame like the main window's.
    const QSize size =
        isVisible() ? frameGeometry().size() : this->size() + main.size() - inner.size();
    QRect frame(QPoint(0, 0), size);
    frame.moveBottomRight(QPoint(main.right(), main.bottom() - 5));
    PlaceFrame(this, frame, main_window);
}

void LogPreferencesWindow::CloseDialog() {
    app_.ClosePreferences();
    Changed();
}

// The title bar's close button does what Close does.
void LogPreferencesWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    CloseDialog();
}

void LogPreferencesWindow::Changed() {
    if (changed) changed();
}

}  // namespace vemla
