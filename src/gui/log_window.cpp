#include "gui/log_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/application.h"
#include "app/log_entries.h"
#include "gui/widgets.h"

namespace vemla {

QString LogTextForBox(std::string_view text) {
    QString box = ToQString(text);
    box.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return box;
}

std::string LogTextFromBox(const QString& text) {
    QString log = text;
    // A selection hands its line breaks over as paragraph separators.
    log.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    log.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    log.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return log.toStdString();
}

LogWindow::LogWindow(Application& app, UserInterface& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), ui_(ui) {
    setObjectName("frmLog");
    text_ = Make<QPlainTextEdit>(kLogWindowCaptions, "txbText", this);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->viewport()->installEventFilter(this);
    copy_ = Make<QPushButton>(kLogWindowCaptions, "cmdCopyToClipboard", this);
    clear_ = Make<QPushButton>(kLogWindowCaptions, "cmdClear", this);
    close_ = Make<QPushButton>(kLogWindowCaptions, "cmdClose", this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addStretch();
    buttons->addWidget(clear_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);

    connect(copy_, &QPushButton::clicked, this, [this] { CopyToClipboard(); });
    connect(clear_, &QPushButton::clicked, this, [this] { Clear(); });
    connect(close_, &QPushButton::clicked, this, [this] { CloseWindow(); });
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { TextEdited(); });
    resize(720, 480);
}

void LogWindow::Refresh(const QWidget* main_window) {
    LogModel& log = app_.Log();
    setWindowTitle(ToQString(LogWindowCaption(app_.Main().WindowCaption())));
    copy_->setText(ButtonText(log.CopyButtonCaption()));
    ShowNewText(log);
    if (log.Visible() && !isVisible()) {
        PlaceBeside(main_window);
        show();
        raise();
        activateWindow();
        text_->moveCursor(QTextCursor::End);
        close_->setFocus();
    } else if (!log.Visible() && isVisible()) {
        hide();
    }
}

void LogWindow::Present() {
    if (!isVisible()) return;
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

// Entries are appended at the end of the box; only a log that changed
// otherwise (edited, cleared) is written anew. Re-setting the whole text at
// every entry made long runs with auto log slow down with the length of the
// log. While the window is hidden the box waits, and what came meanwhile is
// appended in one piece when it opens.
void LogWindow::ShowNewText(const LogModel& log) {
    const std::string& text = log.Text();
    if (!isVisible() && !log.Visible()) return;
    if (log.Rewrites() == shown_rewrites_ && text.size() == shown_size_) return;
    updating_ = true;
    if (log.Rewrites() != shown_rewrites_ || text.size() < shown_size_) {
        text_->setPlainText(LogTextForBox(text));
    } else {
        QTextCursor end(text_->document());
        end.movePosition(QTextCursor::End);
        end.insertText(LogTextForBox(std::string_view(text).substr(shown_size_)));
    }
    updating_ = false;
    shown_rewrites_ = log.Rewrites();
    shown_size_ = text.size();
    text_->moveCursor(QTextCursor::End);
}

// The log opens over the right part of the main window, as tall as it, and
// reaches a little beyond its right edge; its frame is placed, title bar
// included, and kept on the screen.
void LogWindow::PlaceBeside(const QWidget* main_window) {
    if (!main_window || !main_window->isVisible() || main_window->isMinimized() ||
        main_window->isMaximized())
        return;
    const QRect main = main_window->frameGeometry();
    const int left = main.left() + main.width() * 2 / 5;
    PlaceFrame(this, QRect(QPoint(left, main.top()), QPoint(main.right() + 70, main.bottom())),
               main_window);
}

void LogWindow::TextEdited() {
    if (updating_) return;
    LogModel& log = app_.Log();
    log.SetText(LogTextFromBox(text_->toPlainText()));
    shown_rewrites_ = log.Rewrites();
    shown_size_ = log.Text().size();
}

bool LogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        app_.Log().SelectionMade(text_->textCursor().hasSelection());
        copy_->setText(ButtonText(app_.Log().CopyButtonCaption()));
    }
    return QWidget::eventFilter(watched, event);
}

void LogWindow::CopyToClipboard() {
    const QTextCursor cursor = text_->textCursor();
    app_.Log().CopyToClipboard(ui_,
                               cursor.hasSelection() ? LogTextFromBox(cursor.selectedText()) : "");
    close_->setFocus();
    Changed();
}

void LogWindow::Clear() {
    if (app_.Log().Clear(ui_)) app_.Main().SetTheFocus();
    Changed();
}

void LogWindow::CloseWindow() {
    app_.Log().Close();
    app_.Main().SetTheFocus();
    Changed();
}

void LogWindow::closeEvent(QCloseEvent* event) {
    app_.Log().CloseFromTitleBar();
    app_.Main().SetTheFocus();
    event->accept();
    Changed();
}

void LogWindow::Changed() {
    if (changed) changed();
}

}  // namespace vemla
