#include "gui/button_panel.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/application.h"
#include "gui/widgets.h"

namespace vemla {
namespace {

QWidget* NewGroup(QWidget* parent) {
    auto* group = new QWidget(parent);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(0, 0, 0, 0);
    return group;
}

ClickableLabel* Link(const char* name, QWidget* parent) {
    auto* link = Make<ClickableLabel>(kMainWindowCaptions, name, parent);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setCursor(Qt::PointingHandCursor);
    link->setForegroundRole(QPalette::Link);
    KeepPlaceWhenHidden(link);
    return link;
}

}  // namespace

std::array<QWidget*, ButtonPanel::kGroupCount> ButtonPanel::Build(QWidget* parent) {
    std::array<QWidget*, kGroupCount> groups{};
    for (QWidget*& group : groups) group = NewGroup(parent);
    auto button = [&](Group in, const char* name) {
        auto* b = Make<QPushButton>(kMainWindowCaptions, name, groups[in]);
        // Test and Compare suns stay hidden for good; every other button keeps its place.
        if (std::string_view(name) != "cmdTest" && std::string_view(name) != "cmdCompareSuns")
            KeepPlaceWhenHidden(b);
        groups[in]->layout()->addWidget(b);
        return b;
    };
    now = button(kBesideSettings, "cmdNow");
    help = button(kBesideSettings, "cmdHelp");
    save_state = button(kBesideEntry, "cmdSaveState");
    restore_state = button(kBesideEntry, "cmdRestoreState");
    display_year_data = button(kBesideDates, "cmdDisplayYearData");
    list_lunar_new_years = button(kBesideDates, "cmdListLunarNewYears");
    list_leap_months = button(kBesideDates, "cmdListLeapMonths");
    list_julian_ce_new_years = button(kBesideDates, "cmdListJulianCENewYears");
    test = button(kBesideDates, "cmdTest");
    compare_suns = button(kBesideDates, "cmdCompareSuns");
    add_to_log = button(kBesideMove, "cmdAddToLog");
    view_log = button(kBesideMove, "cmdViewLog");
    clear_log = button(kBesideMove, "cmdClearLog");
    log_preferences = button(kBesideMove, "cmdLogPreferences");
    quit = button(kBesideSearch, "cmdQuit");

    auto* dates = static_cast<QVBoxLayout*>(groups[kBesideDates]->layout());
    dates->addStretch(1);
    online_documentation = Link("lblOnlineDocumentation", groups[kBesideDates]);
    home_page = Link("lblTarvolinSystems", groups[kBesideDates]);
    for (ClickableLabel* link : {online_documentation, home_page})
        dates->addWidget(link, 0, Qt::AlignHCenter);
    for (QWidget* group : groups)
        if (group != groups[kBesideDates])
            static_cast<QVBoxLayout*>(group->layout())->addStretch(1);
    return groups;
}

void ButtonPanel::Connect(Application& app, const Act& act,
                          const std::function<void()>& view_log_shown,
                          const std::function<void()>& open_help) {
    MainState& m = app.Main();
    ListWindow& lists = app.Lists();
    auto on_click = [act](QPushButton* b, std::function<void()> action, bool focus = true) {
        QObject::connect(b, &QPushButton::clicked, b, [act, action, focus] { act(action, focus); });
    };
    on_click(now, [&m] { m.ShowNow(); });
    on_click(display_year_data, [&lists] { lists.ShowYearData(); });
    on_click(list_lunar_new_years, [&lists] { lists.OpenList(ListKind::kLunarNewYears); });
    on_click(list_leap_months, [&lists] { lists.OpenList(ListKind::kMonthStarts); });
    on_click(list_julian_ce_new_years, [&lists] { lists.OpenList(ListKind::kNewYears); });
    on_click(test, [&lists] { lists.OpenSelfTest(); });
    on_click(add_to_log, [&app] { app.AddToLog(); });
    on_click(clear_log, [&app] { app.ClearLog(); });
    on_click(
        log_preferences, [&app] { app.Preferences().Show(); }, false);
    on_click(save_state, [&app] { app.SaveState(); });
    on_click(restore_state, [&app] { app.RestoreStateButton(); });
    QObject::connect(view_log, &QPushButton::clicked, view_log, [act, &app, view_log_shown] {
        act([&] { app.ViewLog(); }, true);
        view_log_shown();
    });
    QObject::connect(help, &QPushButton::clicked, help, open_help);
    QObject::connect(home_page, &ClickableLabel::clicked, home_page,
                     [act, &m] { act([&] { m.OpenHomePage(); }, false); });
    QObject::connect(online_documentation, &ClickableLabel::clicked, online_documentation,
                     [act, &m] { act([&] { m.OpenOnlineDocumentation(); }, true); });
}

void ButtonPanel::Register(ControlTable& controls) const {
    vemla::Register(controls, Control::kAddToLog, add_to_log);
    vemla::Register(controls, Control::kLogPreferences, log_preferences);
    vemla::Register(controls, Control::kListLeapMonths, list_leap_months);
    vemla::Register(controls, Control::kListLunarNewYears, list_lunar_new_years);
    vemla::Register(controls, Control::kDisplayYearData, display_year_data);
    vemla::Register(controls, Control::kListJulianCENewYears, list_julian_ce_new_years);
    vemla::Register(controls, Control::kNow, now);
    vemla::Register(controls, Control::kQuit, quit);
    vemla::Register(controls, Control::kSaveState, save_state);
    vemla::Register(controls, Control::kRestoreState, restore_state);
    vemla::Register(controls, Control::kViewLog, view_log);
    vemla::Register(controls, Control::kClearLog, clear_log);
    vemla::Register(controls, Control::kTest, test);
    vemla::Register(controls, Control::kCompareSuns, compare_suns);
    vemla::Register(controls, Control::kHelp, help);
}

}  // namespace vemla
