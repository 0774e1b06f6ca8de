// The log window without the window: the log text the program appends
// entries to, whether the window is shown, its copy button and the clearing
// of the log, and whether the main window offers View log and Clear log.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "app/log_entries.h"
#include "app/log_preferences.h"
#include "app/user_interface.h"
#include "engine/chinese_dates.h"

namespace vemla {

inline constexpr std::string_view kCopyToClipboardCaption = "Copy to clipboard";
inline constexpr std::string_view kCopySelectionCaption = "Copy selected text to clipboard";
inline constexpr std::string_view kClearLogTitle = "Clear log";
inline constexpr std::string_view kClearLogQuestion = "Erase all data in the log?";

class LogModel {
  public:
    // The log text; lines end in "\r\n". The user may edit it in the window,
    // which hands the edited text back with SetText.
    const std::string& Text() const { return text_; }
    void SetText(std::string text) {
        text_ = std::move(text);
        ++rewrites_;
    }
    void Append(std::string_view text) { text_ += text; }
    // Counts the changes that were more than appending (the user's edits, a
    // clear). While it stays the same, the text only grew at its end, so a
    // view of it need only add what came since it last looked.
    uint64_t Rewrites() const { return rewrites_; }

    // An entry for the displayed moment, as the chosen reckonings describe it.
    void AddToLog(const LogContext& context, CalendarEngine& engine, const LogPreferences& prefs);
    // The main window's "Add to log": an entry, then the window when the
    // preferences ask for it.
    void AddToLogOnRequest(const LogContext& context, CalendarEngine& engine,
                           const LogPreferences& prefs);
    // After Now, Convert, a move step, a search hit or the one-day move
    // (`op`, a LogOp): when auto log is on, a heading naming the operation,
    // underlined in expanded entries, and an entry.
    void AutoLog(int op, const AutoLogInputs& inputs, const LogContext& context,
                 CalendarEngine& engine, const LogPreferences& prefs);

    // The main window's View log and Clear log buttons: shown once an entry
    // has been made, hidden again when the log is cleared.
    bool LogButtonsVisible() const { return log_buttons_visible_; }

    // Whether the window is shown; showing it (again) resets the copy button.
    bool Visible() const { return visible_; }
    void Show();
    // The Close button hides the window; the text stays.
    void Close() { visible_ = false; }
    // Closing from the title bar does the same, so the log is never lost.
    void CloseFromTitleBar() { Close(); }

    // The copy button's caption follows the selection when the mouse button
    // is released in the text.
    const std::string& CopyButtonCaption() const { return copy_caption_; }
    void SelectionMade(bool has_selection);
    // Copies the selection, or the whole log when nothing is selected; an
    // empty log copies nothing. True when the clipboard was written.
    bool CopyToClipboard(UserInterface& ui, std::string_view selected_text);

    // Asks whether to erase the log; on OK empties it, hides the window and
    // the main window's log buttons. True when the log was cleared. Both the
    // log window's Clear and the main window's Clear log come here.
    bool Clear(UserInterface& ui);

  private:
    std::string text_;
    uint64_t rewrites_ = 0;
    bool visible_ = false;
    bool log_buttons_visible_ = false;
    std::string copy_caption_{kCopyToClipboardCaption};
};

}  // namespace vemla
