#include "gui/help_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/help_text.h"
#include "gui/widgets.h"

namespace vemla {

CreditsWindow::CreditsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmCredits");
    setWindowTitle(ToQString(kCreditsWindowCaption));
    auto* text = Make<QPlainTextEdit>(kCreditsWindowCaptions, "txbMsg", this);
    text->setReadOnly(true);
    text->setPlainText(QString::fromStdString(CreditsText()).replace("\r\n", "\n"));
    auto* close = Make<QPushButton>(kCreditsWindowCaptions, "cmdClose", this);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    resize(560, 420);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmHelp");
    setWindowTitle(ToQString(kHelpWindowCaption));
    text_ = Make<QTextEdit>(kHelpWindowCaptions, "txbHelpScreen", this);
    text_->setReadOnly(true);

    // Each paragraph is followed by an empty line; headings stand out in bold.
    QTextCursor cursor(text_->document());
    QTextCharFormat plain, bold;
    bold.setFontWeight(QFont::Bold);
    bool first = true;
    for (const HelpParagraph& paragraph : HelpParagraphs()) {
        if (!first) cursor.insertBlock();
        first = false;
        cursor.insertText(QString::fromStdString(paragraph.text), paragraph.heading ? bold : plain);
        cursor.insertBlock();
        cursor.setCharFormat(plain);
    }
    text_->moveCursor(QTextCursor::Start);

    auto* credit = Make<QPushButton>(kHelpWindowCaptions, "cmdCredit", this);
    close_ = Make<QPushButton>(kHelpWindowCaptions, "cmdClose", this);
    credits_ = new CreditsWindow(this);
    connect(credit, &QPushButton::clicked, this, [this] {
        credits_->show();
        credits_->raise();
        credits_->activateWindow();
    });
    connect(close_, &QPushButton::clicked, this, &QWidget::hide);
    close_->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(credit);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(760, 620);
}

void HelpWindow::Open() {
    show();
    raise();
    activateWindow();
    close_->setFocus();
}

// Releasing F1 on the Close button closes the help again.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == close_ && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vemla
