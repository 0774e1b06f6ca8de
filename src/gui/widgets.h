// Small pieces shared by the windows: a label that can be clicked, and the
// making of a control with its name and its fixed caption.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QString>

#include <span>
#include <string_view>
#include <type_traits>

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
inline QString ButtonText(std::string_view caption) { return ToQString(caption).replace("&", "&&"); }

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

}  // namespace vemla
