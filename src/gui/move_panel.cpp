#include "gui/move_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/repeated_move.h"
#include "gui/widgets.h"

namespace vemla {

// One frame "Move" of three lines: direction, step and Move; repeatedly, the
// keep options and one day; the pace with Stop and Pause/Resume. The buttons
// stand in one column at the right.
QGroupBox* MovePanel::Build(QWidget* parent) {
    auto* group = new QGroupBox(ToQString(CaptionOf(kMainWindowCaptions, "fraMove")), parent);
    group->setObjectName("fraMoveGroup");
    frame = new QWidget(group);
    frame->setObjectName("fraMove");
    for (int i = 0; i < 2; ++i)
        direction[i] = Make<QRadioButton>(kMainWindowCaptions,
                                          qPrintable(Element("optMoveDirection", i)), frame);
    step = Make<QComboBox>(kMainWindowCaptions, "cboMoveStep", frame);
    for (std::string_view item : kMoveStepItems) step->addItem(ToQString(item));
    repeatedly = Make<QCheckBox>(kMainWindowCaptions, "chkRepeatedly", frame);
    keep_30th = Make<QCheckBox>(kMainWindowCaptions, "chkKeep30th", frame);
    keep_leap = Make<QCheckBox>(kMainWindowCaptions, "chkKeepLeap", frame);
    move = Make<QPushButton>(kMainWindowCaptions, "cmdMove", frame);
    move_one_day = Make<QPushButton>(kMainWindowCaptions, "cmdMoveOneDay", frame);
    for (QWidget* w : {static_cast<QWidget*>(keep_30th), static_cast<QWidget*>(keep_leap)})
        KeepPlaceWhenHidden(w);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(direction[0], 0, 0);
    grid->addWidget(direction[1], 0, 1);
    grid->addWidget(step, 0, 2, 1, 2);
    grid->addWidget(move, 0, 5);
    grid->addWidget(repeatedly, 1, 0);
    grid->addWidget(keep_30th, 1, 1);
    grid->addWidget(keep_leap, 1, 2);
    grid->addWidget(move_one_day, 1, 5);
    grid->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(frame);
    layout->addWidget(BuildPace(group));
    clock = new QTimer(group);
    clock->setObjectName("Clock");
    return group;
}

QWidget* MovePanel::BuildPace(QWidget* parent) {
    auto* pace = new QWidget(parent);
    pace->setObjectName("fraRefreshPeriod");
    refresh_period_caption = Make<QLabel>(kMainWindowCaptions, "lblRefreshPeriod", pace);
    refresh_period = Make<QComboBox>(kMainWindowCaptions, "cboRefreshPeriod", pace);
    for (std::string_view item : kRefreshPeriodItems) refresh_period->addItem(ToQString(item));
    stop_pause_resume = new QWidget(pace);
    stop_pause_resume->setObjectName("fraStopPauseResume");
    stop = Make<QPushButton>(kMainWindowCaptions, "cmdStop", stop_pause_resume);
    pause_resume = Make<QPushButton>(kMainWindowCaptions, "cmdPauseResume", stop_pause_resume);
    // Wide enough for both of its captions.
    const QFontMetrics metrics = pause_resume->fontMetrics();
    pause_resume->setMinimumWidth(std::max(metrics.horizontalAdvance(ToQString(kPauseCaption)),
                                           metrics.horizontalAdvance(ToQString(kResumeCaption))) +
                                  24);
    auto* buttons = new QHBoxLayout(stop_pause_resume);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(stop);
    buttons->addWidget(pause_resume);
    KeepPlaceWhenHidden(stop_pause_resume);

    auto* row = new QHBoxLayout(pace);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(refresh_period_caption);
    row->addWidget(refresh_period);
    row->addStretch(1);
    row->addWidget(stop_pause_resume);
    return pace;
}

void MovePanel::Connect(Mover& mover, RepeatedMove& run, const Act& act) {
    for (int i = 0; i < 2; ++i)
        QObject::connect(direction[i], &QRadioButton::clicked, direction[i],
                         [act, &mover, i] { act([&] { mover.SelectDirection(i == 0); }, true); });
    QObject::connect(step, &QComboBox::activated, step,
                     [act, &mover](int i) { act([&] { mover.SelectStep(i); }, true); });
    QObject::connect(repeatedly, &QCheckBox::clicked, repeatedly,
                     [act, &mover](bool on) { act([&] { mover.SetRepeatedly(on); }, true); });
    QObject::connect(keep_30th, &QCheckBox::clicked, keep_30th,
                     [act, &mover](bool on) { act([&] { mover.SetKeep30th(on); }, true); });
    QObject::connect(keep_leap, &QCheckBox::clicked, keep_leap,
                     [act, &mover](bool on) { act([&] { mover.SetKeepLeap(on); }, true); });
    QObject::connect(move, &QPushButton::clicked, move,
                     [act, &run] { act([&] { run.Move(); }, true); });
    QObject::connect(move_one_day, &QPushButton::clicked, move_one_day,
                     [act, &mover] { act([&] { mover.MoveOneDay(); }, true); });
    QObject::connect(stop, &QPushButton::clicked, stop,
                     [act, &run] { act([&] { run.Stop(); }, true); });
    QObject::connect(pause_resume, &QPushButton::clicked, pause_resume,
                     [act, &run] { act([&] { run.PauseResume(); }, true); });
    QObject::connect(refresh_period, &QComboBox::activated, refresh_period,
                     [act, &run](int i) { act([&] { run.SelectRefreshPeriod(i); }, true); });
    QObject::connect(clock, &QTimer::timeout, clock,
                     [act, &run] { act([&] { run.Tick(); }, true); });
}

void MovePanel::Register(ControlTable& controls) const {
    vemla::Register(controls, Control::kMoveFrame, frame);
    vemla::Register(controls, Control::kMove, move);
    vemla::Register(controls, Control::kMoveOneDay, move_one_day);
    vemla::Register(controls, Control::kKeep30th, keep_30th);
    vemla::Register(controls, Control::kKeepLeap, keep_leap);
    vemla::Register(controls, Control::kRefreshPeriod, refresh_period);
    vemla::Register(controls, Control::kStopPauseResume, stop_pause_resume);
    vemla::Register(controls, Control::kStop, stop);
    vemla::Register(controls, Control::kPauseResume, pause_resume);
}

void MovePanel::Bind(const MainView& v, const Settings& s, const RepeatedMove& run) {
    direction[s.move_forward ? 0 : 1]->setChecked(true);
    SetIndex(step, s.move_step_index);
    repeatedly->setChecked(s.repeatedly);
    keep_30th->setChecked(s.keep_30th);
    keep_leap->setChecked(s.keep_leap);
    SetIndex(refresh_period, s.refresh_period_index);
    pause_resume->setText(ButtonText(v.pause_resume_caption));
    refresh_period_caption->setEnabled(v.control(Control::kRefreshPeriod).enabled);
    BindClock(run);
}

// The Clock runs while the repeated move wants it; a new start begins a new
// period.
void MovePanel::BindClock(const RepeatedMove& run) {
    if (!run.TimerRunning()) {
        clock->stop();
        return;
    }
    if (!clock->isActive() || clock->interval() != run.TimerIntervalMs() ||
        clock_starts_ != run.TimerStarts())
        clock->start(run.TimerIntervalMs());
    clock_starts_ = run.TimerStarts();
}

}  // namespace vemla
