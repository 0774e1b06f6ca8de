// The log preferences dialog frmLogPreferences ("Configure log entries"): a
// modeless window over the application's LogPreferencesDialog.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "app/log_preferences.h"

class QCheckBox;

namespace vemla {

class Application;

class LogPreferencesWindow : public QWidget {
  public:
    LogPreferencesWindow(Application& app, QWidget* parent);

    // Called after each action here, so the main window can redraw itself.
    std::function<void()> changed;

    // Shows or hides the dialog as the application asks, and sets every box.
    void Refresh(const QWidget* main_window);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CloseDialog();
    void PlaceBeside(const QWidget* main_window);
    void Changed();

    Application& app_;
    std::array<QCheckBox*, LogPreferences::kCount> boxes_{};
    QWidget* close_ = nullptr;
};

}  // namespace vemla
