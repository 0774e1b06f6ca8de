// The settings of the main window: epoch, solar-term method, prime meridian
// with its abbreviation, and which rows are shown and whether moves log.
#pragma once

#include "app/settings.h"
#include "gui/panel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace vemla {

class MainState;

class SettingsPanel {
  public:
    QGroupBox* Build(QWidget* parent);
    void Connect(MainState& main, const Act& act);
    void Register(ControlTable& controls) const;
    void Bind(const MainView& view, const Settings& settings);

    QComboBox* epoch = nullptr;
    QComboBox* method = nullptr;
    QComboBox* longitude = nullptr;
    QLineEdit* cct = nullptr;
    QCheckBox* show_local = nullptr;
    QCheckBox* show_cjds = nullptr;
    QCheckBox* auto_log = nullptr;
};

}  // namespace vemla
