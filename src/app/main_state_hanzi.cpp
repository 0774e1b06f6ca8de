// MainState: the option "Chinese characters", which writes the CHL and CHS
// dates also in characters, on a line of the dates panel and in the tooltips
// of their rows.
#include "app/display.h"
#include "app/main_state.h"

namespace vemla {

// Between the two dates on the line: two ideographic spaces.
constexpr std::string_view kDateSeparator = "\u3000\u3000";

void MainState::SetChineseCharacters(bool on) {
    chinese_characters_ = on;
    view_.chinese_characters.visible = on;
    if (startup_completed_) ShowChineseDates();
}

void MainState::ShowChineseCharacters(const ChineseDatesText& dates) {
    LabelView& line = view_.chinese_characters;
    line.visible = chinese_characters_;
    if (!chinese_characters_ || !dates.ok) {
        line.caption.clear();
        line.tooltip.clear();
        return;
    }
    const HanziDate& hanzi = dates.hanzi;
    line.caption = hanzi.chl + std::string(kDateSeparator) + hanzi.chs;
    line.tooltip = "CHL: " + hanzi.chl + "\nCHS: " + hanzi.chs;
    view_.rows[kCalCHL].value.tooltip += "\n" + hanzi.chl;
    view_.rows[kCalCHS].value.tooltip += "\n" + hanzi.chs;
}

}  // namespace vemla
