// The line of the dates panel that writes the CHL and CHS dates in Chinese
// characters: the option "Chinese characters" (chkChineseCharacters) in the
// caption column and the dates (lblChineseCharacters) beside it.
//
// The label is given a font that has the characters: the program otherwise
// needs no Chinese font, so it asks fontconfig for one that covers
// Simplified Chinese rather than relying on glyph fallback.
#pragma once

#include <QFont>
#include <functional>

#include "app/view_model.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace vemla {

class ChineseCharactersLine {
  public:
    // Makes the two widgets in `parent` and adds them to row `row` of `grid`;
    // a click on the option calls `clicked` with its new state.
    ChineseCharactersLine(QWidget* parent, QGridLayout* grid, int row,
                          std::function<void(bool)> clicked);

    void Bind(bool option, const LabelView& line);

    QCheckBox* Option() const { return option_; }
    QLabel* Text() const { return text_; }

  private:
    QCheckBox* option_;
    QLabel* text_;
};

// `base` with the first installed font family that covers Simplified Chinese
// (a Noto or Source Han "CJK SC" family when there is one); `base` unchanged
// when no such font is installed.
QFont ChineseFont(const QFont& base);

}  // namespace vemla
