// MainState: the controls of the search panel around the search itself (the
// target list, next or previous, the focus of the panel).
#include "app/main_state.h"

namespace vemla {

void MainState::SelectTarget(int index) {
    SetTargetIndex(index);
    if (initializing_ || !startup_completed_) return;
    view_.focus = view_.control(Control::kSearch).enabled ? Focus::kSearch : Focus::kHelp;
    CmdSaveStateEnabled(true);
}

void MainState::SetNext(bool next) {
    settings_.next = next;
    if (!startup_completed_) return;
    CmdSaveStateEnabled(true);
    SearchSetFocus();
}

void MainState::SearchSetFocus() {
    view_.focus = view_.control(Control::kSearch).enabled ? Focus::kSearch : Focus::kQuit;
}

}  // namespace vemla
