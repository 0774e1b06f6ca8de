// The move panel: direction and step, "repeatedly" with its keep options,
// Move and the one-day move, and for a repeated move its pace (the refresh
// period), Stop and Pause/Resume, with the Clock that paces it.
#pragma once

#include <array>
#include <cstdint>

#include "app/settings.h"
#include "gui/panel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vemla {

class Mover;
class RepeatedMove;

class MovePanel {
  public:
    QGroupBox* Build(QWidget* parent);
    void Connect(Mover& mover, RepeatedMove& run, const Act& act);
    void Register(ControlTable& controls) const;
    void Bind(const MainView& view, const Settings& settings, const RepeatedMove& run);

    // The part a run disables; the pace and Stop/Pause stay outside it.
    QWidget* frame = nullptr;
    std::array<QRadioButton*, 2> direction{};  // forward, back
    QComboBox* step = nullptr;
    QCheckBox* repeatedly = nullptr;
    QCheckBox* keep_30th = nullptr;
    QCheckBox* keep_leap = nullptr;
    QPushButton* move = nullptr;
    QPushButton* move_one_day = nullptr;
    QLabel* refresh_period_caption = nullptr;
    QComboBox* refresh_period = nullptr;
    QWidget* stop_pause_resume = nullptr;
    QPushButton* stop = nullptr;
    QPushButton* pause_resume = nullptr;
    QTimer* clock = nullptr;

  private:
    QWidget* BuildPace(QWidget* parent);
    void BindClock(const RepeatedMove& run);

    uint64_t clock_starts_ = 0;
};

}  // namespace vemla
