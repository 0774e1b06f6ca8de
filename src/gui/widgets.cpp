#include "gui/widgets.h"

#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

namespace vemla {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void SetTextIfChanged(QLineEdit* box, const std::string& text) {
    const QString q = QString::fromStdString(text);
    if (box->text() != q) box->setText(q);
}

void SetIndex(QComboBox* box, int index) {
    if (index < -1 || index >= box->count()) index = -1;
    if (box->currentIndex() != index) box->setCurrentIndex(index);
}

void BindLabel(QLabel* label, const LabelView& view) {
    const QString text = QString::fromStdString(view.caption);
    if (label->text() != text) label->setText(text);
    const QString tip = QString::fromStdString(view.tooltip);
    if (label->toolTip() != tip) label->setToolTip(tip);
    label->setVisible(view.visible);
}

void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

namespace {

QMargins FrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

}  // namespace

void PlaceFrame(QWidget* window, QRect frame, const QWidget* beside) {
    const QMargins margins =
        window->isVisible() || !beside ? FrameMargins(window) : FrameMargins(beside);
    const QScreen* screen = beside ? beside->screen() : window->screen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        frame.setWidth(std::min(frame.width(), area.width()));
        frame.setHeight(std::min(frame.height(), area.height()));
        frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
        frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    }
    window->resize(frame.width() - margins.left() - margins.right(),
                   frame.height() - margins.top() - margins.bottom());
    window->move(frame.topLeft());  // a window's position is that of its frame
}

QLabel* Picture(const QString& name, QWidget* parent, int size) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(size, size);
    return label;
}

}  // namespace vemla
