#include "app/log_model.h"

namespace vemla {

void LogModel::AddToLog(const LogContext& context, CalendarEngine& engine,
                        const LogPreferences& prefs) {
    LogEntryText entry = ComposeLogEntry(context, engine, prefs, text_.empty());
    text_ += entry.text;
    if (entry.has_entry) log_buttons_visible_ = true;
}

void LogModel::AddToLogOnRequest(const LogContext& context, CalendarEngine& engine,
                                 const LogPreferences& prefs) {
    AddToLog(context, engine, prefs);
    if (!text_.empty() && prefs.view_log_when_add) Show();
}

void LogModel::AutoLog(int op, const AutoLogInputs& inputs, const LogContext& context,
                       CalendarEngine& engine, const LogPreferences& prefs) {
    if (op < 1 || !inputs.auto_log) return;
    text_ += AutoLogHeadingLines(AutoLogHeading(op, inputs), prefs.verbose);
    AddToLog(context, engine, prefs);
}

void LogModel::Show() {
    visible_ = true;
    copy_caption_ = kCopyToClipboardCaption;
}

void LogModel::SelectionMade(bool has_selection) {
    copy_caption_ = has_selection ? kCopySelectionCaption : kCopyToClipboardCaption;
}

bool LogModel::CopyToClipboard(UserInterface& ui, std::string_view selected_text) {
    copy_caption_ = kCopyToClipboardCaption;
    if (text_.empty()) return false;
    ui.SetClipboardText(selected_text.empty() ? text_ : std::string(selected_text));
    return true;
}

bool LogModel::Clear(UserInterface& ui) {
    MessageAnswer answer =
        ui.ShowMessage(std::string(kClearLogTitle), std::string(kClearLogQuestion),
                       MessageIcon::kNone, MessageButtons::kOkCancel);
    if (answer != MessageAnswer::kOk) return false;
    text_.clear();
    ++rewrites_;
    log_buttons_visible_ = false;
    Close();
    return true;
}

}  // namespace vemla
