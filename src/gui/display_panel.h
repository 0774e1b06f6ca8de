// The displayed moment: the nine date rows, the Moon's phase and age, the
// local offset and delta T, and beside them the Moon's picture with the
// element-animal names of day, month and year and their stem and branch
// pictures.
#pragma once

#include <array>
#include <optional>

#include "engine/moon_data.h"
#include "gui/panel.h"

class QGroupBox;
class QLabel;

namespace vemla {

class ClickableLabel;
class MainState;
class Pictures;

class DisplayPanel {
  public:
    explicit DisplayPanel(const Pictures& pictures) : pictures_(pictures) {}

    QGroupBox* Build(QWidget* parent);
    void Connect(MainState& main, const Act& act);
    void Bind(const MainView& view);

    struct DateRow {
        ClickableLabel* caption = nullptr;
        ClickableLabel* value = nullptr;
    };
    std::array<DateRow, kCalendarCount> rows{};
    QLabel* day_stem_branch = nullptr;
    QLabel* day_element_animal = nullptr;
    QLabel* month_element_animal = nullptr;
    QLabel* year_element_animal = nullptr;
    QLabel* year_count = nullptr;
    std::array<QLabel*, 2> stem_pictures{};    // picStem: 0 the year, 1 the day
    std::array<QLabel*, 2> branch_pictures{};  // picBranch: 0 the year, 1 the day
    QLabel* local_offset = nullptr;
    QLabel* delta_t = nullptr;
    ClickableLabel* moon_phase = nullptr;
    ClickableLabel* moon_age = nullptr;
    QLabel* moon_picture = nullptr;

  private:
    QWidget* BuildSide(QWidget* frame);
    void BindMoonPicture(const std::optional<MoonDrawing>& drawing);

    const Pictures& pictures_;
    std::optional<MoonDrawing> drawn_moon_;  // what moon_picture shows
    qreal drawn_ratio_ = 0;                  // at this device pixel ratio
};

}  // namespace vemla
