#include "gui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/application.h"
#include "gui/data_window.h"
#include "gui/help_window.h"
#include "gui/log_preferences_window.h"
#include "gui/log_window.h"
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

QString Element(const char* name, int index) { return QString("%1_%2").arg(name).arg(index); }

bool SameDrawing(const MoonDrawing& a, const MoonDrawing& b) {
    return a.picture == b.picture && a.painting == b.painting && a.d == b.d && a.waxing == b.waxing;
}

void SetTextIfChanged(QLineEdit* box, const std::string& text) {
    const QString q = QString::fromStdString(text);
    if (box->text() != q) box->setText(q);
}

void SetIndex(QComboBox* box, int index) {
    if (index < -1 || index >= box->count()) index = -1;
    if (box->currentIndex() != index) box->setCurrentIndex(index);
}

QLabel* Picture(const QString& name, QWidget* parent, int size) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(size, size);
    return label;
}

}  // namespace

MainWindow::MainWindow(Application& app, UserInterface& ui, const Pictures& pictures)
    : app_(app), ui_(ui), pictures_(pictures) {
    setObjectName("frmMain");

    auto* left = new QVBoxLayout;
    left->addWidget(MakeSettings());
    left->addWidget(MakeEntry());
    left->addWidget(MakeDates(), 1);
    left->addWidget(MakeMove());
    left->addWidget(MakeSearch());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(MakeButtons());

    log_ = new LogWindow(app_, ui_, this);
    preferences_ = new LogPreferencesWindow(app_, this);
    help_ = new HelpWindow(this);
    data_ = new DataWindow(app_.Lists(), this);
    log_->changed = [this] { Refresh(); };
    data_->changed = [this] { Refresh(); };
    preferences_->changed = [this] { Refresh(); };

    controls_[static_cast<int>(Control::kCompute)] = compute_;
    controls_[static_cast<int>(Control::kClearDate)] = clear_date_;
    controls_[static_cast<int>(Control::kReset)] = reset_;
    controls_[static_cast<int>(Control::kDate)] = date_;
    controls_[static_cast<int>(Control::kPlusMinus)] = plus_minus_;
    controls_[static_cast<int>(Control::kTime)] = time_;
    controls_[static_cast<int>(Control::kTimeZone)] = time_zone_;
    controls_[static_cast<int>(Control::kAddToLog)] = add_to_log_;
    controls_[static_cast<int>(Control::kLogPreferences)] = log_preferences_;
    controls_[static_cast<int>(Control::kAutoLog)] = auto_log_;
    controls_[static_cast<int>(Control::kListLeapMonths)] = list_leap_months_;
    controls_[static_cast<int>(Control::kListLunarNewYears)] = list_lunar_new_years_;
    controls_[static_cast<int>(Control::kDisplayYearData)] = display_year_data_;
    controls_[static_cast<int>(Control::kNow)] = now_;
    controls_[static_cast<int>(Control::kQuit)] = quit_;
    controls_[static_cast<int>(Control::kSaveState)] = save_state_;
    controls_[static_cast<int>(Control::kRestoreState)] = restore_state_;
    controls_[static_cast<int>(Control::kViewLog)] = view_log_;
    controls_[static_cast<int>(Control::kClearLog)] = clear_log_;
    controls_[static_cast<int>(Control::kElement)] = element_;
    controls_[static_cast<int>(Control::kAnimal)] = animal_;
    controls_[static_cast<int>(Control::kTest)] = test_;
    controls_[static_cast<int>(Control::kCompareSuns)] = compare_suns_;
    controls_[static_cast<int>(Control::kMove)] = move_;
    controls_[static_cast<int>(Control::kMoveFrame)] = move_frame_;
    controls_[static_cast<int>(Control::kMoveOneDay)] = move_one_day_;
    controls_[static_cast<int>(Control::kKeep30th)] = keep_30th_;
    controls_[static_cast<int>(Control::kKeepLeap)] = keep_leap_;
    controls_[static_cast<int>(Control::kRefreshPeriod)] = refresh_period_;
    controls_[static_cast<int>(Control::kStopPauseResume)] = stop_pause_resume_;
    controls_[static_cast<int>(Control::kStop)] = stop_;
    controls_[static_cast<int>(Control::kPauseResume)] = pause_resume_;
    controls_[static_cast<int>(Control::kConvertFrame)] = convert_frame_;
    controls_[static_cast<int>(Control::kHelp)] = help_button_;
    controls_[static_cast<int>(Control::kListJulianCENewYears)] = list_julian_ce_new_years_;
    controls_[static_cast<int>(Control::kEpoch)] = epoch_;
    controls_[static_cast<int>(Control::kSearch)] = search_;
    controls_[static_cast<int>(Control::kSearchFrame)] = search_frame_;

    clock_ = new QTimer(this);
    clock_->setObjectName("Clock");

    Connect();
    SetTabOrder();
    if (!pictures_.Icon().isNull()) setWindowIcon(QIcon(pictures_.Icon()));
    Refresh(false);
}

MainWindow::~MainWindow() = default;

// --- Building the window ---------------------------------------------------

QGroupBox* MainWindow::MakeSettings() {
    auto* frame = Make<QGroupBox>(kMainWindowCaptions, "fraSettings", this);
    epoch_ = Make<QComboBox>(kMainWindowCaptions, "cboEpoch", frame);
    for (std::string_view item : kEpochItems) epoch_->addItem(ToQString(item));
    method_ = Make<QComboBox>(kMainWindowCaptions, "cboMethod", frame);
    for (std::string_view item : kMethodItems) method_->addItem(ToQString(item));
    longitude_ = Make<QComboBox>(kMainWindowCaptions, "cboLongitude", frame);
    for (int longitude = kMinLongitude; longitude <= kMaxLongitude; ++longitude)
        longitude_->addItem(QString::number(longitude));
    cct_ = Make<QLineEdit>(kMainWindowCaptions, "txbCCT", frame);
    cct_->setFixedWidth(cct_->fontMetrics().horizontalAdvance("MMMMM") + 12);
    show_local_ = Make<QCheckBox>(kMainWindowCaptions, "chkShowLocal", frame);
    show_cjds_ = Make<QCheckBox>(kMainWindowCaptions, "chkShowCJDs", frame);
    auto_log_ = Make<QCheckBox>(kMainWindowCaptions, "chkAutoLog", frame);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(Make<QLabel>(kMainWindowCaptions, "lblEpoch", frame), 0, 0);
    grid->addWidget(epoch_, 0, 1);
    grid->addWidget(Make<QLabel>(kMainWindowCaptions, "lblMethod", frame), 0, 2);
    grid->addWidget(method_, 0, 3);
    grid->addWidget(Make<QLabel>(kMainWindowCaptions, "lblLongitude", frame), 0, 4);
    auto* meridian = new QHBoxLayout;
    meridian->addWidget(longitude_);
    meridian->addWidget(cct_);
    meridian->addStretch();
    grid->addLayout(meridian, 0, 5);
    grid->addWidget(show_local_, 1, 0, 1, 2);
    grid->addWidget(show_cjds_, 1, 2, 1, 2);
    grid->addWidget(auto_log_, 1, 4, 1, 2);
    grid->setColumnStretch(5, 1);
    return frame;
}

QGroupBox* MainWindow::MakeEntry() {
    auto* frame = Make<QGroupBox>(kMainWindowCaptions, "fraConvert", this);
    convert_frame_ = frame;
    date_ = Make<QLineEdit>(kMainWindowCaptions, "txbDate", frame);
    date_->setMinimumWidth(date_->fontMetrics().horizontalAdvance("2,451,545.0000 AJD") + 12);
    time_ = Make<QLineEdit>(kMainWindowCaptions, "txbTime", frame);
    time_->setFixedWidth(time_->fontMetrics().horizontalAdvance("00:00:00") + 12);
    time_zone_ = Make<QComboBox>(kMainWindowCaptions, "cboTimeZone", frame);
    for (int i = 0; i < 3; ++i) time_zone_->addItem(QString());
    time_zone_->setMinimumContentsLength(5);
    plus_minus_ = Make<QLineEdit>(kMainWindowCaptions, "txbPlusMinus", frame);
    plus_minus_->setFixedWidth(plus_minus_->fontMetrics().horizontalAdvance("-1,000,000.5") + 12);
    plus_ = Make<QRadioButton>(kMainWindowCaptions, "optPlus", frame);
    minus_ = Make<QRadioButton>(kMainWindowCaptions, "optMinus", frame);
    element_caption_ = Make<QLabel>(kMainWindowCaptions, "lblElement", frame);
    element_ = Make<QComboBox>(kMainWindowCaptions, "cboElement", frame);
    for (std::string_view name : kElementNames) element_->addItem(ToQString(name));
    element_->addItem(QString());
    animal_caption_ = Make<QLabel>(kMainWindowCaptions, "lblAnimal", frame);
    animal_ = Make<QComboBox>(kMainWindowCaptions, "cboAnimal", frame);
    for (std::string_view name : kAnimalNames) animal_->addItem(ToQString(name));
    animal_->addItem(QString());
    compute_ = Make<QPushButton>(kMainWindowCaptions, "cmdCompute", frame);
    clear_date_ = Make<QPushButton>(kMainWindowCaptions, "cmdClearDate", frame);
    reset_ = Make<QPushButton>(kMainWindowCaptions, "cmdReset", frame);

    auto* first = new QHBoxLayout;
    first->addWidget(Make<QLabel>(kMainWindowCaptions, "lblDate", frame));
    first->addWidget(date_, 1);
    first->addSpacing(8);
    first->addWidget(Make<QLabel>(kMainWindowCaptions, "lblTime", frame));
    first->addWidget(time_);
    first->addWidget(time_zone_);
    first->addSpacing(8);
    first->addWidget(compute_);
    first->addWidget(clear_date_);
    first->addWidget(reset_);

    auto* second = new QHBoxLayout;
    second->addWidget(plus_);
    second->addWidget(minus_);
    second->addWidget(plus_minus_);
    second->addWidget(Make<QLabel>(kMainWindowCaptions, "lblPlusMinus", frame));
    second->addSpacing(16);
    second->addWidget(element_caption_);
    second->addWidget(element_);
    second->addWidget(animal_caption_);
    second->addWidget(animal_);
    second->addStretch(1);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(first);
    layout->addLayout(second);
    return frame;
}

QGroupBox* MainWindow::MakeDates() {
    auto* frame = Make<QGroupBox>(kMainWindowCaptions, "fraDates", this);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);

    int line = 0;
    for (const RowInfo& info : kRows) {
        DateRow& row = rows_[info.calendar];
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

    auto add_pair = [&](const char* name, QLabel* value) {
        grid->addWidget(Make<QLabel>(kMainWindowCaptions, qPrintable(Element(name, 0)), frame), line, 0);
        value->setObjectName(Element(name, 1));
        value->setTextFormat(Qt::PlainText);
        grid->addWidget(value, line, 1);
        ++line;
    };
    grid->setRowMinimumHeight(line++, 6);
    moon_phase_ = new ClickableLabel(frame);
    add_pair("lblPhaseOfMoon", moon_phase_);
    moon_age_ = new ClickableLabel(frame);
    add_pair("lblAgeOfMoon", moon_age_);
    local_offset_ = new QLabel(frame);
    add_pair("lblLocalTime", local_offset_);
    delta_t_ = new QLabel(frame);
    add_pair("lblDeltaT", delta_t_);
    grid->setRowStretch(line, 1);

    // Beside the rows: the Moon, then the element-animal names with the
    // stem and branch pictures of the day and of the year.
    auto* side = new QVBoxLayout;
    moon_picture_ = Picture("picMoon", frame, kMoonPictureSize);
    side->addWidget(moon_picture_, 0, Qt::AlignHCenter);
    side->addSpacing(8);

    stem_pictures_[1] = Picture(Element("picStem", 1), frame, 25);
    branch_pictures_[1] = Picture(Element("picBranch", 1), frame, 25);
    stem_pictures_[0] = Picture(Element("picStem", 0), frame, 25);
    branch_pictures_[0] = Picture(Element("picBranch", 0), frame, 25);
    day_stem_branch_ = new QLabel(frame);
    day_stem_branch_->setObjectName(Element("lblElementAnimalOfDay", 0));
    day_element_animal_ = new QLabel(frame);
    day_element_animal_->setObjectName(Element("lblElementAnimalOfDay", 1));
    month_element_animal_ = new QLabel(frame);
    month_element_animal_->setObjectName("lblElementAnimalOfMonth");
    year_element_animal_ = new QLabel(frame);
    year_element_animal_->setObjectName("lblElementAnimalOfYear");
    year_count_ = new QLabel(frame);
    year_count_->setObjectName("lblYear");

    auto* names = new QGridLayout;
    names->setHorizontalSpacing(6);
    names->addWidget(stem_pictures_[1], 0, 0);
    names->addWidget(branch_pictures_[1], 0, 1);
    auto* day = new QHBoxLayout;
    day->setSpacing(8);
    day->addWidget(day_stem_branch_);
    day->addWidget(day_element_animal_);
    day->addStretch();
    names->addLayout(day, 0, 2);
    names->addWidget(month_element_animal_, 1, 2);
    names->addWidget(stem_pictures_[0], 2, 0);
    names->addWidget(branch_pictures_[0], 2, 1);
    names->addWidget(year_element_animal_, 2, 2);
    names->addWidget(year_count_, 3, 2);
    names->setColumnStretch(2, 1);
    side->addLayout(names);
    side->addStretch();

    grid->addLayout(side, 0, 2, line + 1, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* MainWindow::MakeMove() {
    auto* frame = Make<QGroupBox>(kMainWindowCaptions, "fraMove", this);
    move_frame_ = frame;
    for (int i = 0; i < 2; ++i)
        move_direction_[i] =
            Make<QRadioButton>(kMainWindowCaptions, qPrintable(Element("optMoveDirection", i)), frame);
    move_step_ = Make<QComboBox>(kMainWindowCaptions, "cboMoveStep", frame);
    for (std::string_view item : kMoveStepItems) move_step_->addItem(ToQString(item));
    repeatedly_ = Make<QCheckBox>(kMainWindowCaptions, "chkRepeatedly", frame);
    keep_30th_ = Make<QCheckBox>(kMainWindowCaptions, "chkKeep30th", frame);
    keep_leap_ = Make<QCheckBox>(kMainWindowCaptions, "chkKeepLeap", frame);
    move_ = Make<QPushButton>(kMainWindowCaptions, "cmdMove", frame);
    move_one_day_ = Make<QPushButton>(kMainWindowCaptions, "cmdMoveOneDay", frame);

    auto* first = new QHBoxLayout;
    first->addWidget(move_direction_[0]);
    first->addWidget(move_direction_[1]);
    first->addWidget(move_step_);
    first->addStretch(1);
    first->addWidget(move_);
    auto* second = new QHBoxLayout;
    second->addWidget(repeatedly_);
    second->addWidget(keep_30th_);
    second->addWidget(keep_leap_);
    second->addStretch(1);
    second->addWidget(move_one_day_);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(first);
    layout->addLayout(second);

    // The pace of a run and its Stop and Pause/Resume stand outside the move
    // frame, which a run disables.
    auto* pace = new QGroupBox(this);
    pace->setObjectName("fraRefreshPeriod");
    refresh_period_caption_ = Make<QLabel>(kMainWindowCaptions, "lblRefreshPeriod", pace);
    refresh_period_ = Make<QComboBox>(kMainWindowCaptions, "cboRefreshPeriod", pace);
    for (std::string_view item : kRefreshPeriodItems) refresh_period_->addItem(ToQString(item));
    stop_pause_resume_ = new QWidget(pace);
    stop_pause_resume_->setObjectName("fraStopPauseResume");
    stop_ = Make<QPushButton>(kMainWindowCaptions, "cmdStop", stop_pause_resume_);
    pause_resume_ = Make<QPushButton>(kMainWindowCaptions, "cmdPauseResume", stop_pause_resume_);
    auto* run = new QHBoxLayout(stop_pause_resume_);
    run->setContentsMargins(0, 0, 0, 0);
    run->addWidget(stop_);
    run->addWidget(pause_resume_);
    // The frame keeps its place while hidden, so the panel does not jump.
    QSizePolicy keep = stop_pause_resume_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    stop_pause_resume_->setSizePolicy(keep);

    auto* period = new QHBoxLayout;
    period->addWidget(refresh_period_caption_);
    period->addWidget(refresh_period_);
    auto* pace_layout = new QVBoxLayout(pace);
    pace_layout->addLayout(period);
    pace_layout->addWidget(stop_pause_resume_);

    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(frame, 1);
    row->addWidget(pace);
    return panel;
}

QGroupBox* MainWindow::MakeSearch() {
    auto* frame = Make<QGroupBox>(kMainWindowCaptions, "fraSearch", this);
    search_frame_ = frame;
    next_ = Make<QRadioButton>(kMainWindowCaptions, "optNext", frame);
    previous_ = Make<QRadioButton>(kMainWindowCaptions, "optPrevious", frame);
    target_ = Make<QComboBox>(kMainWindowCaptions, "cboTarget", frame);
    for (size_t i = 0; i < kTargetItems.size(); ++i) target_->addItem(QString());
    target_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    target_->setMinimumContentsLength(30);
    search_ = Make<QPushButton>(kMainWindowCaptions, "cmdSearch", frame);
    searching_ = new QLabel(frame);
    searching_->setObjectName("lblSearching");
    searching_->setMinimumWidth(searching_->fontMetrics().horizontalAdvance(ToQString(kSearchingText)) + 8);

    auto* row = new QHBoxLayout(frame);
    row->addWidget(next_);
    row->addWidget(previous_);
    row->addWidget(target_);
    row->addWidget(search_);
    row->addWidget(searching_);
    row->addStretch(1);
    return frame;
}

QWidget* MainWindow::MakeButtons() {
    auto* panel = new QWidget(this);
    panel->setObjectName("fraButtons");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const char* name) {
        auto* b = Make<QPushButton>(kMainWindowCaptions, name, panel);
        column->addWidget(b);
        return b;
    };
    now_ = button("cmdNow");
    column->addSpacing(10);
    display_year_data_ = button("cmdDisplayYearData");
    list_lunar_new_years_ = button("cmdListLunarNewYears");
    list_leap_months_ = button("cmdListLeapMonths");
    list_julian_ce_new_years_ = button("cmdListJulianCENewYears");
    test_ = button("cmdTest");
    compare_suns_ = button("cmdCompareSuns");
    column->addSpacing(10);
    add_to_log_ = button("cmdAddToLog");
    view_log_ = button("cmdViewLog");
    clear_log_ = button("cmdClearLog");
    log_preferences_ = button("cmdLogPreferences");
    column->addSpacing(10);
    save_state_ = button("cmdSaveState");
    restore_state_ = button("cmdRestoreState");
    column->addStretch(1);
    help_button_ = button("cmdHelp");
    online_documentation_ = Make<ClickableLabel>(kMainWindowCaptions, "lblOnlineDocumentation", panel);
    home_page_ = Make<ClickableLabel>(kMainWindowCaptions, "lblTarvolinSystems", panel);
    home_page_->setVisible(app_.Main().HasHomePage());
    for (ClickableLabel* link : {online_documentation_, home_page_}) {
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
        link->setCursor(Qt::PointingHandCursor);
        link->setForegroundRole(QPalette::Link);
        column->addWidget(link, 0, Qt::AlignHCenter);
    }
    column->addSpacing(10);
    quit_ = button("cmdQuit");

    return panel;
}

void MainWindow::Connect() {
    MainState& m = app_.Main();
    // Settings
    connect(epoch_, &QComboBox::activated, this, [this, &m](int i) { Act([&] { m.SetEpochIndex(i); }); });
    connect(method_, &QComboBox::activated, this, [this, &m](int i) { Act([&] { m.SetMethodIndex(i); }); });
    connect(longitude_, &QComboBox::activated, this,
            [this, &m](int i) { Act([&] { m.SetLongitudeIndex(i); }); });
    connect(cct_, &QLineEdit::editingFinished, this,
            [this, &m] { Act([&] { m.CommitAbbreviation(cct_->text().toStdString()); }); });
    connect(show_local_, &QCheckBox::clicked, this, [this, &m](bool on) { Act([&] { m.SetShowLocal(on); }); });
    connect(show_cjds_, &QCheckBox::clicked, this, [this, &m](bool on) { Act([&] { m.SetShowCJDs(on); }); });
    connect(auto_log_, &QCheckBox::clicked, this, [this, &m](bool on) { Act([&] { m.SetAutoLog(on); }); });

    // Date entry; typing moves no focus.
    connect(date_, &QLineEdit::textEdited, this,
            [this, &m](const QString& t) { Act([&] { m.SetDateText(t.toStdString()); }, false); });
    connect(time_, &QLineEdit::textEdited, this,
            [this, &m](const QString& t) { Act([&] { m.SetTimeText(t.toStdString()); }, false); });
    connect(plus_minus_, &QLineEdit::textEdited, this,
            [this, &m](const QString& t) { Act([&] { m.SetPlusMinusText(t.toStdString()); }, false); });
    connect(date_, &QLineEdit::returnPressed, this, [this, &m] { Act([&] { m.DateEnter(); }); });
    connect(plus_minus_, &QLineEdit::returnPressed, this, [this, &m] { Act([&] { m.PlusMinusEnter(); }); });
    connect(time_zone_, &QComboBox::activated, this,
            [this, &m](int i) { Act([&] { m.SetTimeZoneIndex(i); }); });
    connect(plus_, &QRadioButton::clicked, this, [this, &m] { Act([&] { m.SetPlus(true); }, false); });
    connect(minus_, &QRadioButton::clicked, this, [this, &m] { Act([&] { m.SetPlus(false); }, false); });
    connect(element_, &QComboBox::activated, this, [this, &m](int i) { Act([&] { m.SelectElement(i); }); });
    connect(animal_, &QComboBox::activated, this, [this, &m](int i) { Act([&] { m.SelectAnimal(i); }); });
    connect(compute_, &QPushButton::clicked, this, [this, &m] { Act([&] { m.Convert(); }); });
    connect(clear_date_, &QPushButton::clicked, this, [this, &m] { Act([&] { m.Clear(); }); });
    connect(reset_, &QPushButton::clicked, this, [this, &m] { Act([&] { m.Reset(); }); });

    // Moves
    Mover& mover = app_.Mover();
    RepeatedMove& run = app_.RepeatedMove();
    for (int i = 0; i < 2; ++i)
        connect(move_direction_[i], &QRadioButton::clicked, this,
                [this, &mover, i] { Act([&] { mover.SelectDirection(i == 0); }); });
    connect(move_step_, &QComboBox::activated, this, [this, &mover](int i) { Act([&] { mover.SelectStep(i); }); });
    connect(repeatedly_, &QCheckBox::clicked, this,
            [this, &mover](bool on) { Act([&] { mover.SetRepeatedly(on); }); });
    connect(keep_30th_, &QCheckBox::clicked, this, [this, &mover](bool on) { Act([&] { mover.SetKeep30th(on); }); });
    connect(keep_leap_, &QCheckBox::clicked, this, [this, &mover](bool on) { Act([&] { mover.SetKeepLeap(on); }); });
    connect(move_, &QPushButton::clicked, this, [this, &run] { Act([&] { run.Move(); }); });
    connect(move_one_day_, &QPushButton::clicked, this, [this, &mover] { Act([&] { mover.MoveOneDay(); }); });
    connect(stop_, &QPushButton::clicked, this, [this, &run] { Act([&] { run.Stop(); }); });
    connect(pause_resume_, &QPushButton::clicked, this, [this, &run] { Act([&] { run.PauseResume(); }); });
    connect(refresh_period_, &QComboBox::activated, this,
            [this, &run](int i) { Act([&] { run.SelectRefreshPeriod(i); }); });
    connect(clock_, &QTimer::timeout, this, [this, &run] { Act([&] { run.Tick(); }); });

    // Searches
    connect(next_, &QRadioButton::clicked, this, [this, &m] { Act([&] { m.SetNext(true); }); });
    connect(previous_, &QRadioButton::clicked, this, [this, &m] { Act([&] { m.SetNext(false); }); });
    connect(target_, &QComboBox::activated, this, [this, &m](int i) { Act([&] { m.SelectTarget(i); }); });
    connect(search_, &QPushButton::clicked, this, [this] { Act([&] { app_.Searcher().Search(); }); });
    app_.Searcher().repaint_searching = [this] {
        searching_->setText(QString::fromStdString(app_.Main().View().searching.caption));
        searching_->repaint();
    };

    // The lists
    ListWindow& lists = app_.Lists();
    connect(display_year_data_, &QPushButton::clicked, this, [this, &lists] { Act([&] { lists.ShowYearData(); }); });
    connect(list_lunar_new_years_, &QPushButton::clicked, this,
            [this, &lists] { Act([&] { lists.OpenList(ListKind::kLunarNewYears); }); });
    connect(list_leap_months_, &QPushButton::clicked, this,
            [this, &lists] { Act([&] { lists.OpenList(ListKind::kMonthStarts); }); });
    connect(list_julian_ce_new_years_, &QPushButton::clicked, this,
            [this, &lists] { Act([&] { lists.OpenList(ListKind::kNewYears); }); });
    connect(test_, &QPushButton::clicked, this, [this, &lists] { Act([&] { lists.OpenSelfTest(); }); });

    // The displayed moment
    for (const RowInfo& info : kRows) {
        const int calendar = info.calendar;
        for (int element = 0; element < 2; ++element) {
            auto* label = static_cast<ClickableLabel*>(element == 0 ? rows_[calendar].caption
                                                                    : rows_[calendar].value);
            connect(label, &ClickableLabel::clicked, this,
                    [this, &m, calendar, element] { Act([&] { m.ClickDateRow(calendar, element); }); });
        }
    }
    connect(moon_phase_, &ClickableLabel::clicked, this, [this, &m] { Act([&] { m.ClickMoonPhase(); }, false); });
    connect(moon_age_, &ClickableLabel::clicked, this, [this, &m] { Act([&] { m.ClickMoonAge(); }, false); });

    // Buttons
    connect(now_, &QPushButton::clicked, this, [this, &m] { Act([&] { m.ShowNow(); }); });
    connect(add_to_log_, &QPushButton::clicked, this, [this] { Act([&] { app_.AddToLog(); }); });
    connect(view_log_, &QPushButton::clicked, this, [this] {
        Act([&] { app_.ViewLog(); });
        log_->Present();
    });
    connect(clear_log_, &QPushButton::clicked, this, [this] { Act([&] { app_.ClearLog(); }); });
    connect(log_preferences_, &QPushButton::clicked, this, [this] { Act([&] { app_.Preferences().Show(); }, false); });
    connect(save_state_, &QPushButton::clicked, this, [this] { Act([&] { app_.SaveState(); }); });
    connect(restore_state_, &QPushButton::clicked, this, [this] { Act([&] { app_.RestoreStateButton(); }); });
    connect(help_button_, &QPushButton::clicked, this, [this] { OpenHelp(); });
    connect(quit_, &QPushButton::clicked, this, &QWidget::close);
    connect(home_page_, &ClickableLabel::clicked, this, [this, &m] { Act([&] { m.OpenHomePage(); }, false); });
    connect(online_documentation_, &ClickableLabel::clicked, this,
            [this, &m] { Act([&] { m.OpenOnlineDocumentation(); }); });

    // Enter presses a focused button, F1 opens the help from the date box,
    // Now, Move, Help, and Pause/Resume while it reads "Resume".
    for (QPushButton* b : findChildren<QPushButton*>()) b->installEventFilter(this);
    date_->installEventFilter(this);
}

void MainWindow::SetTabOrder() {
    const std::array<QWidget*, 43> order = {
        date_,        time_,          time_zone_,        compute_,
        plus_,        minus_,         plus_minus_,       element_,
        animal_,      clear_date_,    reset_,            move_direction_[0],
        move_direction_[1], move_step_, repeatedly_,     keep_30th_,
        keep_leap_,   move_,          move_one_day_,     refresh_period_,
        stop_,        next_,          previous_,         target_,
        search_,      pause_resume_,  now_,              display_year_data_,
        list_lunar_new_years_, list_leap_months_, list_julian_ce_new_years_, test_,
        compare_suns_, add_to_log_,   view_log_,         clear_log_,
        log_preferences_, save_state_, restore_state_,   help_button_,
        quit_,        online_documentation_, epoch_};
    for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    setTabOrder(epoch_, method_);
    setTabOrder(method_, longitude_);
    setTabOrder(longitude_, cct_);
    setTabOrder(cct_, show_local_);
    setTabOrder(show_local_, show_cjds_);
    setTabOrder(show_cjds_, auto_log_);
}

// --- Events ------------------------------------------------------------------

template <class F>
void MainWindow::Act(F&& action, bool apply_focus) {
    action();
    Refresh(apply_focus);
}

void MainWindow::OpenHelp() { help_->Open(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const bool opens = watched == date_ || watched == now_ || watched == move_ || watched == help_button_ ||
                           (watched == pause_resume_ && app_.RepeatedMove().PauseResumeF1OpensHelp());
        if (opens) {
            OpenHelp();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (button->isEnabled()) button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The whole program ends with this window; nothing is saved.
    for (QWidget* window : {static_cast<QWidget*>(log_), static_cast<QWidget*>(preferences_),
                            static_cast<QWidget*>(help_), static_cast<QWidget*>(data_)})
        window->hide();
    app_.Lists().Stop();  // a listing still running ends at its next line
    event->accept();
    QCoreApplication::quit();
}

// --- Binding -----------------------------------------------------------------

void MainWindow::Refresh(bool apply_focus) {
    if (refreshing_) {
        refresh_again_ = true;
        focus_again_ = focus_again_ || apply_focus;
        return;
    }
    refreshing_ = true;
    do {
        refresh_again_ = false;
        const bool focus = apply_focus || focus_again_;
        apply_focus = focus_again_ = false;

        const MainState& m = app_.Main();
        const MainView& v = m.View();
        const Settings& s = m.CurrentSettings();
        setWindowTitle(QString::fromStdString(v.window_caption));

        for (const RowInfo& info : kRows) {
            const DateRowView& row = v.rows[info.calendar];
            QLabel* caption = rows_[info.calendar].caption;
            BindLabel(caption, row.caption);
            QPalette palette = caption->palette();
            palette.setColor(QPalette::Window, row.caption.highlighted ? kHighlight : kDehighlight);
            palette.setColor(QPalette::WindowText, Qt::black);
            caption->setPalette(palette);
            BindLabel(rows_[info.calendar].value, row.value);
        }
        BindLabel(day_stem_branch_, v.day_stem_branch);
        BindLabel(day_element_animal_, v.day_element_animal);
        BindLabel(month_element_animal_, v.month_element_animal);
        BindLabel(year_element_animal_, v.year_element_animal);
        BindLabel(year_count_, v.year_count);
        stem_pictures_[1]->setPixmap(pictures_.Stem(v.day_stem));
        branch_pictures_[1]->setPixmap(pictures_.Branch(v.day_branch));
        stem_pictures_[0]->setPixmap(pictures_.Stem(v.year_stem));
        branch_pictures_[0]->setPixmap(pictures_.Branch(v.year_branch));
        BindLabel(local_offset_, v.local_offset);
        BindLabel(delta_t_, v.delta_t);
        BindLabel(moon_phase_, v.moon_phase);
        BindLabel(moon_age_, v.moon_age);
        BindMoonPicture(v.moon_drawing);

        SetIndex(epoch_, s.epoch_index);
        SetIndex(method_, s.method_index);
        SetIndex(longitude_, s.longitude_index);
        SetTextIfChanged(cct_, v.cct_text);
        show_local_->setChecked(s.show_local);
        show_cjds_->setChecked(s.show_cjds);
        auto_log_->setChecked(s.auto_log);

        SetTextIfChanged(date_, v.date_text);
        SetTextIfChanged(time_, v.time_text);
        SetTextIfChanged(plus_minus_, v.plus_minus_text);
        for (int i = 0; i < static_cast<int>(v.time_zone_items.size()); ++i)
            time_zone_->setItemText(i, QString::fromStdString(v.time_zone_items[i]));
        SetIndex(time_zone_, s.time_zone_index);
        (s.plus ? plus_ : minus_)->setChecked(true);
        SetIndex(element_, s.element_index);
        SetIndex(animal_, s.animal_index);

        move_direction_[s.move_forward ? 0 : 1]->setChecked(true);
        SetIndex(move_step_, s.move_step_index);
        repeatedly_->setChecked(s.repeatedly);
        keep_30th_->setChecked(s.keep_30th);
        keep_leap_->setChecked(s.keep_leap);
        SetIndex(refresh_period_, s.refresh_period_index);
        pause_resume_->setText(ButtonText(v.pause_resume_caption));

        (s.next ? next_ : previous_)->setChecked(true);
        for (int i = 0; i < static_cast<int>(v.target_items.size()); ++i) {
            const QString item = QString::fromStdString(v.target_items[i]);
            if (target_->itemText(i) != item) target_->setItemText(i, item);
        }
        SetIndex(target_, s.target_index);
        BindLabel(searching_, v.searching);

        BindControls();
        BindClock();
        log_->Refresh(this);
        preferences_->Refresh(this);
        data_->Refresh();
        if (focus) ApplyFocus(v.focus);
    } while (refresh_again_);
    refreshing_ = false;
}

void MainWindow::BindLabel(QLabel* label, const LabelView& view) {
    const QString text = QString::fromStdString(view.caption);
    if (label->text() != text) label->setText(text);
    const QString tip = QString::fromStdString(view.tooltip);
    if (label->toolTip() != tip) label->setToolTip(tip);
    label->setVisible(view.visible);
}

void MainWindow::BindControls() {
    const MainView& v = app_.Main().View();
    for (int i = 0; i < kControlCount; ++i) {
        QWidget* widget = controls_[i];
        if (!widget) continue;
        const ControlView& c = v.controls[i];
        widget->setEnabled(c.enabled);
        widget->setVisible(c.visible);
    }
    element_caption_->setEnabled(v.control(Control::kElement).enabled);
    animal_caption_->setEnabled(v.control(Control::kAnimal).enabled);
    refresh_period_caption_->setEnabled(v.control(Control::kRefreshPeriod).enabled);
}

// The Clock runs while the repeated move wants it; a new start begins a new
// period.
void MainWindow::BindClock() {
    const RepeatedMove& run = app_.RepeatedMove();
    if (!run.TimerRunning()) {
        clock_->stop();
        return;
    }
    if (!clock_->isActive() || clock_->interval() != run.TimerIntervalMs() || clock_starts_ != run.TimerStarts())
        clock_->start(run.TimerIntervalMs());
    clock_starts_ = run.TimerStarts();
}

void MainWindow::BindMoonPicture(const std::optional<MoonDrawing>& drawing) {
    if (drawing.has_value() == drawn_moon_.has_value() &&
        (!drawing || SameDrawing(*drawing, *drawn_moon_)))
        return;
    drawn_moon_ = drawing;
    if (!drawing) {
        moon_picture_->clear();
        return;
    }
    moon_picture_->setPixmap(QPixmap::fromImage(ToQImage(DrawMoon(*drawing, kMoonShadowColour))));
}

// The focus goes where the view model puts it, while this window is shown.
void MainWindow::ApplyFocus(Focus focus) {
    if (!isVisible()) return;
    QWidget* target = nullptr;
    switch (focus) {
        case Focus::kDate: target = date_; break;
        case Focus::kNow: target = now_; break;
        case Focus::kCompute: target = compute_; break;
        case Focus::kQuit: target = quit_; break;
        case Focus::kMove: target = move_; break;
        case Focus::kStop: target = stop_; break;
        case Focus::kPauseResume: target = pause_resume_; break;
        case Focus::kSearch: target = search_; break;
        case Focus::kHelp: target = help_button_; break;
        case Focus::kNone: break;
    }
    if (!target || !target->isEnabled() || !target->isVisible()) return;
    target->setFocus(Qt::OtherFocusReason);
    if (target == date_) {
        date_->deselect();
        date_->setCursorPosition(static_cast<int>(date_->text().size()));
    }
}

}  // namespace vemla
