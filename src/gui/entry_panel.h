// The date entry of the main window: the date, time and time-zone boxes, the
// days to add or subtract, the element and animal of a lunar year typed with
// "?", and Convert, Clear and Reset.
#pragma once

#include "app/settings.h"
#include "gui/panel.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vemla {

class MainState;

class EntryPanel {
  public:
    QGroupBox* Build(QWidget* parent);
    void Connect(MainState& main, const Act& act);
    void Register(ControlTable& controls) const;
    void Bind(const MainView& view, const Settings& settings);

    QGroupBox* frame = nullptr;
    QLineEdit* date = nullptr;
    QLineEdit* time = nullptr;
    QComboBox* time_zone = nullptr;
    QLineEdit* plus_minus = nullptr;
    QRadioButton* plus = nullptr;
    QRadioButton* minus = nullptr;
    QLabel* element_caption = nullptr;
    QComboBox* element = nullptr;
    QLabel* animal_caption = nullptr;
    QComboBox* animal = nullptr;
    QPushButton* compute = nullptr;
    QPushButton* clear_date = nullptr;
    QPushButton* reset = nullptr;
};

}  // namespace vemla
