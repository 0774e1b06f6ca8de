// The search panel: next or previous, the target, Search for, and the
// "Searching ..." note a long search shows.
#pragma once

#include "app/settings.h"
#include "gui/panel.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vemla {

class MainState;
class EventSearcher;

class SearchPanel {
  public:
    QGroupBox* Build(QWidget* parent);
    void Connect(MainState& main, EventSearcher& searcher, const Act& act);
    void Register(ControlTable& controls) const;
    void Bind(const MainView& view, const Settings& settings);

    QGroupBox* frame = nullptr;
    QRadioButton* next = nullptr;
    QRadioButton* previous = nullptr;
    QComboBox* target = nullptr;
    QPushButton* search = nullptr;
    QLabel* searching = nullptr;
};

}  // namespace vemla
