// The log window frmLog: the log text, which the user may edit, with copy,
// clear and close. It shows the application's LogModel; closing it, from its
// button or its title bar, hides it and keeps the log.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QPlainTextEdit;
class QPushButton;

namespace vemla {

class Application;
class LogModel;
class UserInterface;

class LogWindow : public QWidget {
  public:
    LogWindow(Application& app, UserInterface& ui, QWidget* parent);

    // Called after each action here, so the main window can redraw itself.
    std::function<void()> changed;

    // Shows or hides the window as the log asks and brings the text and the
    // copy button up to date. `main_window` places the window when it opens.
    void Refresh(const QWidget* main_window);
    // Brings the shown window to the front, restored if it was minimised.
    void Present();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CopyToClipboard();
    void Clear();
    void CloseWindow();
    void TextEdited();
    void ShowNewText(const LogModel& log);
    void PlaceBeside(const QWidget* main_window);
    void Changed();

    Application& app_;
    UserInterface& ui_;
    QPlainTextEdit* text_;
    QPushButton* copy_;
    QPushButton* clear_;
    QPushButton* close_;
    // What the box shows: the log up to this many bytes, as it was after
    // this many rewrites.
    size_t shown_size_ = 0;
    uint64_t shown_rewrites_ = 0;
    bool updating_ = false;
};

// The log keeps "\r\n" line ends; the text box works with "\n".
QString LogTextForBox(std::string_view text);
std::string LogTextFromBox(const QString& text);

}  // namespace vemla
