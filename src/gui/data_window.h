// The list window frmData: the listings of lunar new years, month starts,
// the year data of dark moons and solar terms, Julian and CE new years and
// the self-test, in fixed-pitch text, over the application's ListWindow.
//
// A listing runs inside the action that starts it and lets window events run
// between its lines; the text it writes is streamed into the box as it
// comes, and Stop and Close reach it through those events.
#pragma once

#include <QSize>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vemla {

class ListWindow;
struct ListWindowView;

class DataWindow : public QWidget {
  public:
    DataWindow(ListWindow& lists, QWidget* parent);

    // Called after each action here, so the main window can redraw itself.
    std::function<void()> changed;
    // Asks where "Export to calendar..." writes, offering a file name; an
    // empty answer cancels. A standard file dialog unless replaced.
    std::function<QString(const QString& suggested)> choose_export_file;

    // Shows or hides the window as the listing asks, and binds every control
    // and the text.
    void Refresh();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Everything but the text.
    QWidget* MakeControls();
    void Arrange(QWidget* calendar);
    void Connect();
    void BindControls();
    // Shows (placing it the first time), hides and focuses the window as the view says.
    void BindVisibility(const ListWindowView& v);
    void BindText();
    // A piece of a listing as it is written.
    void Written(std::string_view text);
    void ExportToCalendar();
    template <class F>
    void Act(F&& action);

    ListWindow& lists_;
    QPlainTextEdit* text_;
    QPushButton* copy_;
    QPushButton* export_;
    QPushButton* close_;
    QPushButton* list_;
    QLineEdit* years_;
    QLabel* years_caption_;
    QPushButton* stop_;
    QCheckBox* large_window_;
    QCheckBox* major_terms_;
    QCheckBox* minor_terms_;
    QCheckBox* term_names_;
    QCheckBox* leap_months_only_;
    QCheckBox* omit_invalid_dates_;
    QRadioButton* ce_;
    QRadioButton* jc_;
    QLabel* start_caption_;
    QLineEdit* start_;
    QLabel* end_caption_;
    QLineEdit* end_;

    std::string shown_text_;  // the text as it stands in the box
    QSize normal_size_;
    bool large_applied_ = false;
    bool placed_ = false;
    bool caret_placed_ = false;  // the caret went to the start of a finished listing
};

}  // namespace vemla
