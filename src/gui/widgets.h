// Small pieces shared by the windows: a label that can be clicked, and the
// making of a control with its name and its fixed caption.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <span>
#include <string_view>
#include <type_traits>

#include "app/view_model.h"
#include "app/window_captions.h"

class QMouseEvent;

namespace vemla {

// A label that reports a click of the left mouse button (on release, over
// the label).
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A button's text shows "&" itself rather than taking it for a shortcut mark.
inline QString ButtonText(std::string_view caption) {
    return ToQString(caption).replace("&", "&&");
}

// A new control named `name`, with its caption from `captions` when it has one.
template <class W>
W* Make(std::span<const ControlCaption> captions, const char* name, QWidget* parent = nullptr) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    const std::string_view caption = CaptionOf(captions, name);
    if (!caption.empty()) {
        if constexpr (std::is_base_of_v<QAbstractButton, W>)
            widget->setText(ButtonText(caption));
        else if constexpr (std::is_base_of_v<QLabel, W>)
            widget->setText(ToQString(caption));
        else if constexpr (std::is_base_of_v<QGroupBox, W>)
            widget->setTitle(ToQString(caption));
    }
    return widget;
}

// "name_index", the object name of one element of a control array.
inline QString Element(const char* name, int index) {
    return QString("%1_%2").arg(name).arg(index);
}

// Writing only what differs keeps the caret and selection of a box, and
// spares layouts a needless pass.
void SetTextIfChanged(QLineEdit* box, const std::string& text);
void SetIndex(QComboBox* box, int index);
// A label's text, tooltip and visibility from the view model.
void BindLabel(QLabel* label, const LabelView& view);

// A widget that keeps its place in the layout while hidden, so that nothing
// around it moves when the view model hides it.
void KeepPlaceWhenHidden(QWidget* widget);

// Places the window `window` so that its frame, title bar included, covers
// `frame` as far as the available area of the screen of `beside` allows: the
// frame moves (and if need be shrinks) to lie wholly inside it. A window not
// shown yet has no frame to measure; it is given the frame of `beside`.
void PlaceFrame(QWidget* window, QRect frame, const QWidget* beside);

// A label of fixed size that shows a picture.
QLabel* Picture(const QString& name, QWidget* parent, int size);

}  // namespace vemla
