// The log preferences dialog without the window: its thirteen boxes with
// their captions and frames, Set all and Clear all, the box that is enabled
// only with expanded entries, and closing.
#pragma once

#include <array>
#include <string_view>

#include "app/log_preferences.h"

namespace vemla {

inline constexpr std::string_view kLogPreferencesTitle = "Configure log entries";
inline constexpr std::string_view kLogPreferencesHeading = "Include in log entries:";
inline constexpr std::string_view kSetAllCaption = "Set all";
inline constexpr std::string_view kClearAllCaption = "Clear all";
inline constexpr std::string_view kLogPreferencesCloseCaption = "Close";

// The boxes, numbered as LogPreferences::Boxes() lists them.
enum LogBox : int {
    kBoxVerbose,
    kBoxIncludeGanzhi,
    kBoxViewLogWhenAdd,
    kBoxChL,
    kBoxChS,
    kBoxCJDC,
    kBoxEpochEtc,
    kBoxCE,
    kBoxJC,
    kBoxCJDL,
    kBoxAJD,
    kBoxPhaseAndIllumination,
    kBoxLunationAndAge,
};

// The frame a box stands in; the first three stand alone.
enum class LogBoxFrame { kNone, kChinese, kWestern, kAstronomical };

struct LogBoxInfo {
    std::string_view caption;
    LogBoxFrame frame;
};

inline constexpr std::array<LogBoxInfo, LogPreferences::kCount> kLogBoxes = {{
    {"Expanded log entries", LogBoxFrame::kNone},
    {"Include Chinese terms", LogBoxFrame::kNone},
    {"View log after adding an entry", LogBoxFrame::kNone},
    {"ChL (Chinese Lunar Calendar)", LogBoxFrame::kChinese},
    {"ChS (Chinese Solar Calendar)", LogBoxFrame::kChinese},
    {"CJDC (Chronological Julian Date, China)", LogBoxFrame::kChinese},
    {"Epoch, method, longitude", LogBoxFrame::kChinese},
    {"CE (Common Era Calendar)", LogBoxFrame::kWestern},
    {"JC (Julian Calendar)", LogBoxFrame::kWestern},
    {"CJDL (Chronological Julian Date, London)", LogBoxFrame::kWestern},
    {"AJD (Astronomical Julian Date)", LogBoxFrame::kAstronomical},
    {"Phase of Moon and illumination", LogBoxFrame::kAstronomical},
    {"Lunation and age of Moon", LogBoxFrame::kAstronomical},
}};

std::string_view LogBoxFrameCaption(LogBoxFrame frame);  // "Chinese", "Western", "Astronomical"

// Works on the preferences the main window keeps (and saves with its state).
class LogPreferencesDialog {
  public:
    explicit LogPreferencesDialog(LogPreferences& prefs) : prefs_(prefs) {}

    bool Visible() const { return visible_; }
    void Show() { visible_ = true; }

    bool Box(LogBox box) const { return prefs_.Values()[box]; }
    void SetBox(LogBox box, bool value) { *prefs_.Boxes()[box] = value; }
    bool BoxEnabled(LogBox box) const {
        return box != kBoxIncludeGanzhi || prefs_.IncludeGanzhiEnabled();
    }

    void SetAll() { prefs_.SetAll(true); }
    void ClearAll() { prefs_.SetAll(false); }

    // Hides the dialog; with no box set, the lunar date is kept in the
    // entries. The preferences count as changed (Save state becomes enabled).
    void Close();

  private:
    LogPreferences& prefs_;
    bool visible_ = false;
};

}  // namespace vemla
