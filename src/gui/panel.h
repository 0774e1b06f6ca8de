// What the main window's panels share: how a panel hands a user's action to
// the window, and the table of controls whose state the view model sets.
//
// Each panel builds its own widgets, connects them to the application and
// binds them to the view model; the window only arranges the panels and
// redraws after every action.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "app/view_model.h"

namespace vemla {

// Runs an action of the application, then redraws the window; with
// `apply_focus`, the keyboard focus goes where the view model puts it.
using Act = std::function<void(const std::function<void()>& action, bool apply_focus)>;

// The widgets the view model enables and shows, by Control.
using ControlTable = std::array<QWidget*, kControlCount>;

inline void Register(ControlTable& table, Control control, QWidget* widget) {
    table[static_cast<int>(control)] = widget;
}

}  // namespace vemla
