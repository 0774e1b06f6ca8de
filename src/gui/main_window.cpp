#include "gui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/application.h"
#include "gui/data_window.h"
#include "gui/help_window.h"
#include "gui/log_preferences_window.h"
#include "gui/log_window.h"
#include "gui/pictures.h"
#include "gui/qt_user_interface.h"
#include "gui/widgets.h"

namespace vemla {

MainWindow::MainWindow(Application& app, QtUserInterface& ui, const Pictures& pictures)
    : app_(app), ui_(ui), display_(pictures) {
    setObjectName("frmMain");
    Arrange();
    borderline_marks_.emplace(this);

    log_ = new LogWindow(app_, ui_, this);
    preferences_ = new LogPreferencesWindow(app_, this);
    help_ = new HelpWindow(this);
    data_ = new DataWindow(app_.Lists(), this);
    log_->changed = [this] { Refresh(); };
    data_->changed = [this] { Refresh(); };
    preferences_->changed = [this] { Refresh(); };

    settings_.Register(controls_);
    entry_.Register(controls_);
    move_.Register(controls_);
    search_.Register(controls_);
    buttons_.Register(controls_);

    Connect();
    SetTabOrder();
    if (!pictures.Icon().isNull()) setWindowIcon(QIcon(pictures.Icon()));
    ui_.before_message = [this] { Refresh(false); };
    Refresh(false);
}

MainWindow::~MainWindow() {
    ui_.before_message = nullptr;
}

// --- Building the window ---------------------------------------------------

// The panels one under the other at the left; each group of buttons stands
// level with its panel at the right.
void MainWindow::Arrange() {
    const std::array<QWidget*, ButtonPanel::kGroupCount> groups = buttons_.Build(this);
    const std::array<QWidget*, ButtonPanel::kGroupCount> panels = {
        settings_.Build(this), entry_.Build(this), display_.Build(this), move_.Build(this),
        search_.Build(this)};
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    // The buttons begin where the panels' frames begin, below their titles.
    const int title = fontMetrics().height();
    for (int row = 0; row < ButtonPanel::kGroupCount; ++row) {
        grid->addWidget(panels[row], row, 0);
        groups[row]->layout()->setContentsMargins(0, title, 0, 0);
        grid->addWidget(groups[row], row, 1);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(ButtonPanel::kBesideDates, 1);
}

void MainWindow::Connect() {
    const Act act = [this](const std::function<void()>& action, bool apply_focus) {
        action();
        Refresh(apply_focus);
    };
    settings_.Connect(app_.Main(), act);
    entry_.Connect(app_.Main(), act);
    display_.Connect(app_.Main(), act);
    move_.Connect(app_.Mover(), app_.RepeatedMove(), act);
    search_.Connect(app_.Main(), app_.Searcher(), act);
    buttons_.Connect(
        app_, act, [this] { log_->Present(); }, [this] { help_->Open(); });
    connect(buttons_.quit, &QPushButton::clicked, this, &QWidget::close);

    // Enter presses a focused button, F1 opens the help from the date box,
    // Now, Move, Help, and Pause/Resume while it reads "Resume".
    for (QPushButton* b : findChildren<QPushButton*>()) b->installEventFilter(this);
    entry_.date->installEventFilter(this);
}

void MainWindow::SetTabOrder() {
    const EntryPanel& e = entry_;
    const MovePanel& m = move_;
    const ButtonPanel& b = buttons_;
    const SettingsPanel& s = settings_;
    const std::array<QWidget*, 49> order = {e.date,
                                            e.time,
                                            e.time_zone,
                                            e.compute,
                                            e.plus,
                                            e.minus,
                                            e.plus_minus,
                                            e.element,
                                            e.animal,
                                            e.clear_date,
                                            e.reset,
                                            m.direction[0],
                                            m.direction[1],
                                            m.step,
                                            m.repeatedly,
                                            m.keep_30th,
                                            m.keep_leap,
                                            m.move,
                                            m.move_one_day,
                                            m.refresh_period,
                                            m.stop,
                                            search_.next,
                                            search_.previous,
                                            search_.target,
                                            search_.search,
                                            m.pause_resume,
                                            b.now,
                                            b.display_year_data,
                                            b.list_lunar_new_years,
                                            b.list_leap_months,
                                            b.list_julian_ce_new_years,
                                            b.test,
                                            b.compare_suns,
                                            b.add_to_log,
                                            b.view_log,
                                            b.clear_log,
                                            b.log_preferences,
                                            b.save_state,
                                            b.restore_state,
                                            b.help,
                                            b.quit,
                                            b.online_documentation,
                                            s.epoch,
                                            s.method,
                                            s.longitude,
                                            s.cct,
                                            s.show_local,
                                            s.show_cjds,
                                            s.auto_log};
    for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// --- Events ------------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const bool opens =
            watched == entry_.date || watched == buttons_.now || watched == move_.move ||
            watched == buttons_.help ||
            (watched == move_.pause_resume && app_.RepeatedMove().PauseResumeF1OpensHelp());
        if (opens) {
            help_->Open();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (button->isEnabled()) button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The whole program ends with this window; nothing is saved.
    for (QWidget* window : {static_cast<QWidget*>(log_), static_cast<QWidget*>(preferences_),
                            static_cast<QWidget*>(help_), static_cast<QWidget*>(data_)})
        window->hide();
    app_.Lists().Stop();  // a listing still running ends at its next line
    event->accept();
    QCoreApplication::quit();
}

// --- Binding -----------------------------------------------------------------

void MainWindow::Refresh(bool apply_focus) {
    if (refreshing_) {
        refresh_again_ = true;
        focus_again_ = focus_again_ || apply_focus;
        return;
    }
    refreshing_ = true;
    do {
        refresh_again_ = false;
        const bool focus = apply_focus || focus_again_;
        apply_focus = focus_again_ = false;
        BindWindow();
        borderline_marks_->Bind(app_.Main().View());
        if (focus) ApplyFocus(app_.Main().View().focus);
    } while (refresh_again_);
    refreshing_ = false;
}

void MainWindow::BindWindow() {
    const MainState& m = app_.Main();
    const MainView& v = m.View();
    const Settings& s = m.CurrentSettings();
    // Room the user gave the window beyond what its panels need.
    const QSize slack = isVisible() ? size() - minimumSizeHint() : QSize();
    setWindowTitle(QString::fromStdString(v.window_caption));
    settings_.Bind(v, s);
    entry_.Bind(v, s);
    display_.Bind(v);
    move_.Bind(v, s, app_.RepeatedMove());
    search_.Bind(v, s);
    BindControls();
    KeepSizeToRows(slack);
    log_->Refresh(this);
    preferences_->Refresh(this);
    data_->Refresh();
}

void MainWindow::BindControls() {
    const MainView& v = app_.Main().View();
    for (int i = 0; i < kControlCount; ++i) {
        QWidget* widget = controls_[i];
        if (!widget) continue;
        widget->setEnabled(v.controls[i].enabled);
        widget->setVisible(v.controls[i].visible);
    }
}

// Rows that appear make the window larger; when they go, it shrinks by as
// much again, keeping any room the user gave it, so that it returns to its
// size rather than keeping a blank band.
void MainWindow::KeepSizeToRows(QSize slack) {
    const MainView& v = app_.Main().View();
    int shown = 0;
    for (int c = 0; c < kCalendarCount; ++c)
        if (v.rows[c].value.visible) shown |= 1 << c;
    if (shown == shown_rows_) return;
    const bool first = shown_rows_ < 0;
    shown_rows_ = shown;
    if (first || !isVisible() || isMaximized() || isFullScreen()) return;
    layout()->activate();
    resize(minimumSizeHint() + slack.expandedTo(QSize(0, 0)));
}

// The focus goes where the view model puts it, while this window is shown.
void MainWindow::ApplyFocus(Focus focus) {
    if (!isVisible()) return;
    QWidget* target = nullptr;
    switch (focus) {
        case Focus::kDate:
            target = entry_.date;
            break;
        case Focus::kNow:
            target = buttons_.now;
            break;
        case Focus::kCompute:
            target = entry_.compute;
            break;
        case Focus::kQuit:
            target = buttons_.quit;
            break;
        case Focus::kMove:
            target = move_.move;
            break;
        case Focus::kStop:
            target = move_.stop;
            break;
        case Focus::kPauseResume:
            target = move_.pause_resume;
            break;
        case Focus::kSearch:
            target = search_.search;
            break;
        case Focus::kHelp:
            target = buttons_.help;
            break;
        case Focus::kNone:
            break;
    }
    if (!target || !target->isEnabled() || !target->isVisible()) return;
    target->setFocus(Qt::OtherFocusReason);
    if (target == entry_.date) {
        entry_.date->deselect();
        entry_.date->setCursorPosition(static_cast<int>(entry_.date->text().size()));
    }
}

}  // namespace vemla
