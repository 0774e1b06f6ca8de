#include "gui/entry_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/main_state.h"
#include "gui/widgets.h"

namespace vemla {
namespace {

// A box just wide enough for its widest expected content.
void FitWidth(QLineEdit* box, const char* widest, bool fixed) {
    const int width = box->fontMetrics().horizontalAdvance(widest) + 12;
    if (fixed)
        box->setFixedWidth(width);
    else
        box->setMinimumWidth(width);
}

QComboBox* NameBox(const char* name, QWidget* parent, std::span<const std::string_view> names) {
    auto* box = Make<QComboBox>(kMainWindowCaptions, name, parent);
    for (std::string_view n : names) box->addItem(ToQString(n));
    box->addItem(QString());  // "none chosen"
    return box;
}

}  // namespace

QGroupBox* EntryPanel::Build(QWidget* parent) {
    frame = Make<QGroupBox>(kMainWindowCaptions, "fraConvert", parent);
    date = Make<QLineEdit>(kMainWindowCaptions, "txbDate", frame);
    FitWidth(date, "2,451,545.0000 AJD", false);
    time = Make<QLineEdit>(kMainWindowCaptions, "txbTime", frame);
    FitWidth(time, "00:00:00", true);
    time_zone = Make<QComboBox>(kMainWindowCaptions, "cboTimeZone", frame);
    for (int i = 0; i < 3; ++i) time_zone->addItem(QString());
    time_zone->setMinimumContentsLength(5);
    plus_minus = Make<QLineEdit>(kMainWindowCaptions, "txbPlusMinus", frame);
    FitWidth(plus_minus, "-1,000,000.5", true);
    plus = Make<QRadioButton>(kMainWindowCaptions, "optPlus", frame);
    minus = Make<QRadioButton>(kMainWindowCaptions, "optMinus", frame);
    element_caption = Make<QLabel>(kMainWindowCaptions, "lblElement", frame);
    element = NameBox("cboElement", frame, kElementNames);
    animal_caption = Make<QLabel>(kMainWindowCaptions, "lblAnimal", frame);
    animal = NameBox("cboAnimal", frame, kAnimalNames);
    compute = Make<QPushButton>(kMainWindowCaptions, "cmdCompute", frame);
    clear_date = Make<QPushButton>(kMainWindowCaptions, "cmdClearDate", frame);
    reset = Make<QPushButton>(kMainWindowCaptions, "cmdReset", frame);

    auto* first = new QHBoxLayout;
    first->addWidget(Make<QLabel>(kMainWindowCaptions, "lblDate", frame));
    first->addWidget(date, 1);
    first->addSpacing(8);
    first->addWidget(Make<QLabel>(kMainWindowCaptions, "lblTime", frame));
    first->addWidget(time);
    first->addWidget(time_zone);
    first->addSpacing(8);
    for (QWidget* w : {compute, clear_date, reset}) first->addWidget(w);

    auto* second = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(plus), static_cast<QWidget*>(minus),
                       static_cast<QWidget*>(plus_minus)})
        second->addWidget(w);
    second->addWidget(Make<QLabel>(kMainWindowCaptions, "lblPlusMinus", frame));
    second->addSpacing(16);
    for (QWidget* w : {static_cast<QWidget*>(element_caption), static_cast<QWidget*>(element),
                       static_cast<QWidget*>(animal_caption), static_cast<QWidget*>(animal)})
        second->addWidget(w);
    second->addStretch(1);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(first);
    layout->addLayout(second);
    return frame;
}

// Typing moves no focus; Enter converts.
void EntryPanel::Connect(MainState& m, const Act& act) {
    auto typed = [act](QLineEdit* box, std::function<void(std::string)> set) {
        QObject::connect(box, &QLineEdit::textEdited, box, [act, set](const QString& t) {
            act([&] { set(t.toStdString()); }, false);
        });
    };
    typed(date, [&m](std::string t) { m.SetDateText(std::move(t)); });
    typed(time, [&m](std::string t) { m.SetTimeText(std::move(t)); });
    typed(plus_minus, [&m](std::string t) { m.SetPlusMinusText(std::move(t)); });
    QObject::connect(date, &QLineEdit::returnPressed, date,
                     [act, &m] { act([&] { m.DateEnter(); }, true); });
    QObject::connect(plus_minus, &QLineEdit::returnPressed, plus_minus,
                     [act, &m] { act([&] { m.PlusMinusEnter(); }, true); });
    QObject::connect(time_zone, &QComboBox::activated, time_zone,
                     [act, &m](int i) { act([&] { m.SetTimeZoneIndex(i); }, true); });
    QObject::connect(plus, &QRadioButton::clicked, plus,
                     [act, &m] { act([&] { m.SetPlus(true); }, false); });
    QObject::connect(minus, &QRadioButton::clicked, minus,
                     [act, &m] { act([&] { m.SetPlus(false); }, false); });
    QObject::connect(element, &QComboBox::activated, element,
                     [act, &m](int i) { act([&] { m.SelectElement(i); }, true); });
    QObject::connect(animal, &QComboBox::activated, animal,
                     [act, &m](int i) { act([&] { m.SelectAnimal(i); }, true); });
    QObject::connect(compute, &QPushButton::clicked, compute,
                     [act, &m] { act([&] { m.Convert(); }, true); });
    QObject::connect(clear_date, &QPushButton::clicked, clear_date,
                     [act, &m] { act([&] { m.Clear(); }, true); });
    QObject::connect(reset, &QPushButton::clicked, reset,
                     [act, &m] { act([&] { m.Reset(); }, true); });
}

void EntryPanel::Register(ControlTable& controls) const {
    vemla::Register(controls, Control::kConvertFrame, frame);
    vemla::Register(controls, Control::kCompute, compute);
    vemla::Register(controls, Control::kClearDate, clear_date);
    vemla::Register(controls, Control::kReset, reset);
    vemla::Register(controls, Control::kDate, date);
    vemla::Register(controls, Control::kPlusMinus, plus_minus);
    vemla::Register(controls, Control::kTime, time);
    vemla::Register(controls, Control::kTimeZone, time_zone);
    vemla::Register(controls, Control::kElement, element);
    vemla::Register(controls, Control::kAnimal, animal);
}

void EntryPanel::Bind(const MainView& v, const Settings& s) {
    SetTextIfChanged(date, v.date_text);
    SetTextIfChanged(time, v.time_text);
    SetTextIfChanged(plus_minus, v.plus_minus_text);
    for (int i = 0; i < static_cast<int>(v.time_zone_items.size()); ++i)
        time_zone->setItemText(i, QString::fromStdString(v.time_zone_items[i]));
    SetIndex(time_zone, s.time_zone_index);
    (s.plus ? plus : minus)->setChecked(true);
    SetIndex(element, s.element_index);
    SetIndex(animal, s.animal_index);
    element_caption->setEnabled(v.control(Control::kElement).enabled);
    animal_caption->setEnabled(v.control(Control::kAnimal).enabled);
}

}  // namespace vemla
