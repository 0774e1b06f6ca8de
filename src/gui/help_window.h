// The help window frmHelp, with the abbreviated documentation, and the
// credits window frmCredits it opens.
#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;
class QPlainTextEdit;

namespace vemla {

class CreditsWindow : public QWidget {
  public:
    explicit CreditsWindow(QWidget* parent);
};

class HelpWindow : public QWidget {
  public:
    explicit HelpWindow(QWidget* parent);

    // Shows the window (again) and brings it to the front.
    void Open();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTextEdit* text_;
    QPushButton* close_;
    CreditsWindow* credits_;
};

}  // namespace vemla
