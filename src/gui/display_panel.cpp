#include "gui/display_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/main_state.h"
#include "gui/pictures.h"
#include "gui/widgets.h"

namespace vemla {
namespace {

// The date rows from top to bottom, with their label names.
struct RowInfo {
    int calendar;
    const char* name;
};
constexpr std::array<RowInfo, kCalendarCount> kRows = {{
    {kCalCE, "lblCommonEraDate"},
    {kCalCEX, "lblCommonEraDateLocal"},
    {kCalJC, "lblJulianCalendarDate"},
    {kCalCHL, "lblChineseLunarDate"},
    {kCalCHS, "lblChineseSolarDate"},
    {kCalCJDC, "lblChronologicalJulianDateBeijing"},
    {kCalCJDL, "lblChronologicalJulianDateLondon"},
    {kCalCJDX, "lblChronologicalJulianDateLocal"},
    {kCalAJD, "lblAstronomicalJulianDate"},
}};

// Back colours of a date row's caption: the row of the current calendar
// stands out.
const QColor kHighlight(255, 255, 255);
const QColor kDehighlight(200, 200, 200);

// The widest texts the value labels show.
constexpr const char* kWidestValues[] = {
    "-3000-12-31 CEX 23:59 local Wednesday", "[-61,000] 29 days, 23 hrs, 59 mins (100.0%)",
    "Crescent moon (waning), 100.0%",        "-99-99-99*-30 CHL 23:59 MMM",
    "-99-99-24-16 CHS (J12) 23:59 MMM",      "4,000,000.0000 CJDC",
};

constexpr int kTile = 25;  // the stem and branch pictures
constexpr int kTileSpacing = 6;

bool SameDrawing(const MoonDrawing& a, const MoonDrawing& b) {
    return a.picture == b.picture && a.painting == b.painting && a.d == b.d && a.waxing == b.waxing;
}

int WidestOf(const QFontMetrics& metrics, std::span<const std::string_view> names) {
    int widest = 0;
    for (std::string_view name : names)
        widest = std::max(widest, metrics.horizontalAdvance(ToQString(name)));
    return widest;
}

// The width of the column beside the rows: the widest names any day can
// have, so that the column stands still while the names change.
int SideColumnWidth(const QFontMetrics& metrics, int name_spacing) {
    const int dash = metrics.horizontalAdvance('-'), space = metrics.horizontalAdvance(' ');
    const int stem_branch = WidestOf(metrics, kStemNames) + dash + WidestOf(metrics, kBranchNames);
    const int element_animal =
        WidestOf(metrics, kElementNames) + dash + WidestOf(metrics, kAnimalNames);
    const int suffix =
        std::max({metrics.horizontalAdvance(" day"), metrics.horizontalAdvance(" month"),
                  metrics.horizontalAdvance(" year")});
    const int names = stem_branch + std::max(space, name_spacing) + element_animal + suffix;
    return std::max(kMoonPictureSize, 2 * (kTile + kTileSpacing) + names + 4);
}

}  // namespace

QGroupBox* DisplayPanel::Build(QWidget* parent) {
    auto* frame = Make<QGroupBox>(kMainWindowCaptions, "fraDates", parent);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);

    int line = 0;
    for (const RowInfo& info : kRows) {
        DateRow& row = rows[info.calendar];
        row.caption = new ClickableLabel(frame);
        row.caption->setObjectName(Element(info.name, 0));
        row.caption->setAutoFillBackground(true);
        row.caption->setContentsMargins(4, 1, 4, 1);
        row.value = new ClickableLabel(frame);
        row.value->setObjectName(Element(info.name, 1));
        row.value->setCursor(Qt::PointingHandCursor);
        row.value->setTextFormat(Qt::PlainText);
        grid->addWidget(row.caption, line, 0);
        grid->addWidget(row.value, line, 1);
        ++line;
    }
    chinese_characters =
        std::make_unique<ChineseCharactersLine>(frame, grid, line++, [this](bool on) {
            if (chinese_characters_clicked) chinese_characters_clicked(on);
        });

    auto add_pair = [&](const char* name, QLabel* value) {
        grid->addWidget(Make<QLabel>(kMainWindowCaptions, qPrintable(Element(name, 0)), frame),
                        line, 0);
        value->setObjectName(Element(name, 1));
        value->setTextFormat(Qt::PlainText);
        grid->addWidget(value, line, 1);
        ++line;
    };
    grid->setRowMinimumHeight(line++, 6);
    add_pair("lblPhaseOfMoon", moon_phase = new ClickableLabel(frame));
    add_pair("lblAgeOfMoon", moon_age = new ClickableLabel(frame));
    add_pair("lblLocalTime", local_offset = new QLabel(frame));
    add_pair("lblDeltaT", delta_t = new QLabel(frame));
    grid->setRowStretch(line, 1);

    grid->addWidget(BuildSide(frame), 0, 2, line + 1, 1);
    grid->setColumnStretch(1, 1);
    // The values' column is as wide as the widest value can be, so that a
    // longer text (a longer day name) never widens the window.
    std::vector<QLabel*> values = {moon_phase, moon_age, local_offset, delta_t};
    for (const DateRow& row : rows) values.push_back(row.value);
    for (QLabel* value : values)
        value->setSizePolicy(QSizePolicy::Ignored, value->sizePolicy().verticalPolicy());
    int widest = 0;
    for (const char* text : kWidestValues)
        widest = std::max(widest, frame->fontMetrics().horizontalAdvance(text));
    // Room for the widest value and, at its right end, the mark of a borderline date.
    grid->setColumnMinimumWidth(
        1, widest + 4 + frame->fontMetrics().horizontalAdvance(QStringLiteral("  \u00b1")) + 12);
    return frame;
}

// Beside the rows: the Moon, then the element-animal names with the stem and
// branch pictures of the day and of the year, in a column of fixed width.
QWidget* DisplayPanel::BuildSide(QWidget* frame) {
    auto* column = new QWidget(frame);
    column->setObjectName("fraMoonAndNames");
    auto* side = new QVBoxLayout(column);
    side->setContentsMargins(0, 0, 0, 0);
    moon_picture = Picture("picMoon", column, kMoonPictureSize);
    side->addWidget(moon_picture, 0, Qt::AlignHCenter);
    side->addSpacing(8);

    for (int i = 0; i < 2; ++i) {
        stem_pictures[i] = Picture(Element("picStem", i), column, kTile);
        branch_pictures[i] = Picture(Element("picBranch", i), column, kTile);
    }
    auto named = [column](const QString& name) {
        auto* label = new QLabel(column);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    day_stem_branch = named(Element("lblElementAnimalOfDay", 0));
    day_element_animal = named(Element("lblElementAnimalOfDay", 1));
    month_element_animal = named("lblElementAnimalOfMonth");
    year_element_animal = named("lblElementAnimalOfYear");
    year_count = named("lblYear");
    for (QLabel* label : {month_element_animal, year_element_animal}) KeepPlaceWhenHidden(label);

    constexpr int kNameSpacing = 8;
    auto* names = new QGridLayout;
    names->setHorizontalSpacing(kTileSpacing);
    names->addWidget(stem_pictures[1], 0, 0);
    names->addWidget(branch_pictures[1], 0, 1);
    auto* day = new QHBoxLayout;
    day->setSpacing(kNameSpacing);
    day->addWidget(day_stem_branch);
    day->addWidget(day_element_animal, 1);  // to the column's end, whatever its text
    names->addLayout(day, 0, 2);
    names->addWidget(month_element_animal, 1, 2);
    names->addWidget(stem_pictures[0], 2, 0);
    names->addWidget(branch_pictures[0], 2, 1);
    names->addWidget(year_element_animal, 2, 2);
    names->addWidget(year_count, 3, 2);
    names->setColumnStretch(2, 1);
    side->addLayout(names);
    side->addStretch();
    column->setFixedWidth(SideColumnWidth(column->fontMetrics(), kNameSpacing));
    const QFontMetrics metrics = column->fontMetrics();
    day_stem_branch->setFixedWidth(WidestOf(metrics, kStemNames) + metrics.horizontalAdvance('-') +
                                   WidestOf(metrics, kBranchNames));

    return column;
}

void DisplayPanel::Connect(MainState& m, const Act& act) {
    for (const RowInfo& info : kRows) {
        const int calendar = info.calendar;
        for (int element = 0; element < 2; ++element) {
            ClickableLabel* label = element == 0 ? rows[calendar].caption : rows[calendar].value;
            QObject::connect(label, &ClickableLabel::clicked, label, [act, &m, calendar, element] {
                act([&] { m.ClickDateRow(calendar, element); }, true);
            });
        }
    }
    QObject::connect(moon_phase, &ClickableLabel::clicked, moon_phase,
                     [act, &m] { act([&] { m.ClickMoonPhase(); }, false); });
    QObject::connect(moon_age, &ClickableLabel::clicked, moon_age,
                     [act, &m] { act([&] { m.ClickMoonAge(); }, false); });
}

void DisplayPanel::Bind(const MainView& v) {
    for (const RowInfo& info : kRows) {
        const DateRowView& row = v.rows[info.calendar];
        QLabel* caption = rows[info.calendar].caption;
        BindLabel(caption, row.caption);
        QPalette palette = caption->palette();
        palette.setColor(QPalette::Window, row.caption.highlighted ? kHighlight : kDehighlight);
        palette.setColor(QPalette::WindowText, Qt::black);
        caption->setPalette(palette);
        BindLabel(rows[info.calendar].value, row.value);
    }
    BindLabel(day_stem_branch, v.day_stem_branch);
    BindLabel(day_element_animal, v.day_element_animal);
    BindLabel(month_element_animal, v.month_element_animal);
    BindLabel(year_element_animal, v.year_element_animal);
    BindLabel(year_count, v.year_count);
    stem_pictures[1]->setPixmap(pictures_.Stem(v.day_stem));
    branch_pictures[1]->setPixmap(pictures_.Branch(v.day_branch));
    stem_pictures[0]->setPixmap(pictures_.Stem(v.year_stem));
    branch_pictures[0]->setPixmap(pictures_.Branch(v.year_branch));
    BindLabel(local_offset, v.local_offset);
    BindLabel(delta_t, v.delta_t);
    BindLabel(moon_phase, v.moon_phase);
    BindLabel(moon_age, v.moon_age);
    BindMoonPicture(v.moon_drawing);
}

// The picture is drawn at the screen's own resolution (device pixel ratio),
// so that at 125 % or 150 % scaling the terminator stays sharp.
void DisplayPanel::BindMoonPicture(const std::optional<MoonDrawing>& drawing) {
    const qreal ratio = moon_picture->devicePixelRatioF();
    if (ratio == drawn_ratio_ && drawing.has_value() == drawn_moon_.has_value() &&
        (!drawing || SameDrawing(*drawing, *drawn_moon_)))
        return;
    drawn_moon_ = drawing;
    drawn_ratio_ = ratio;
    if (!drawing) {
        moon_picture->clear();
        return;
    }
    moon_picture->setPixmap(pictures_.Moon(*drawing, ratio));
}

}  // namespace vemla
