#include "gui/settings_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "app/main_state.h"
#include "gui/widgets.h"

namespace vemla {

QGroupBox* SettingsPanel::Build(QWidget* parent) {
    auto* frame = Make<QGroupBox>(kMainWindowCaptions, "fraSettings", parent);
    epoch = Make<QComboBox>(kMainWindowCaptions, "cboEpoch", frame);
    for (std::string_view item : kEpochItems) epoch->addItem(ToQString(item));
    method = Make<QComboBox>(kMainWindowCaptions, "cboMethod", frame);
    for (std::string_view item : kMethodItems) method->addItem(ToQString(item));
    longitude = Make<QComboBox>(kMainWindowCaptions, "cboLongitude", frame);
    for (int degrees = kMinLongitude; degrees <= kMaxLongitude; ++degrees)
        longitude->addItem(QString::number(degrees));
    cct = Make<QLineEdit>(kMainWindowCaptions, "txbCCT", frame);
    cct->setFixedWidth(cct->fontMetrics().horizontalAdvance("MMMMM") + 12);
    show_local = Make<QCheckBox>(kMainWindowCaptions, "chkShowLocal", frame);
    show_cjds = Make<QCheckBox>(kMainWindowCaptions, "chkShowCJDs", frame);
    auto_log = Make<QCheckBox>(kMainWindowCaptions, "chkAutoLog", frame);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(Make<QLabel>(kMainWindowCaptions, "lblEpoch", frame), 0, 0);
    grid->addWidget(epoch, 0, 1);
    grid->addWidget(Make<QLabel>(kMainWindowCaptions, "lblMethod", frame), 0, 2);
    grid->addWidget(method, 0, 3);
    grid->addWidget(Make<QLabel>(kMainWindowCaptions, "lblLongitude", frame), 0, 4);
    auto* meridian = new QHBoxLayout;
    meridian->addWidget(longitude);
    meridian->addWidget(cct);
    meridian->addStretch();
    grid->addLayout(meridian, 0, 5);
    grid->addWidget(show_local, 1, 0, 1, 2);
    grid->addWidget(show_cjds, 1, 2, 1, 2);
    grid->addWidget(auto_log, 1, 4, 1, 2);
    grid->setColumnStretch(5, 1);
    return frame;
}

void SettingsPanel::Connect(MainState& m, const Act& act) {
    QObject::connect(epoch, &QComboBox::activated, epoch,
                     [act, &m](int i) { act([&] { m.SetEpochIndex(i); }, true); });
    QObject::connect(method, &QComboBox::activated, method,
                     [act, &m](int i) { act([&] { m.SetMethodIndex(i); }, true); });
    QObject::connect(longitude, &QComboBox::activated, longitude,
                     [act, &m](int i) { act([&] { m.SetLongitudeIndex(i); }, true); });
    QObject::connect(cct, &QLineEdit::editingFinished, cct, [this, act, &m] {
        act([&] { m.CommitAbbreviation(cct->text().toStdString()); }, true);
    });
    QObject::connect(show_local, &QCheckBox::clicked, show_local,
                     [act, &m](bool on) { act([&] { m.SetShowLocal(on); }, true); });
    QObject::connect(show_cjds, &QCheckBox::clicked, show_cjds,
                     [act, &m](bool on) { act([&] { m.SetShowCJDs(on); }, true); });
    QObject::connect(auto_log, &QCheckBox::clicked, auto_log,
                     [act, &m](bool on) { act([&] { m.SetAutoLog(on); }, true); });
}

void SettingsPanel::Register(ControlTable& controls) const {
    vemla::Register(controls, Control::kEpoch, epoch);
    vemla::Register(controls, Control::kAutoLog, auto_log);
}

void SettingsPanel::Bind(const MainView& v, const Settings& s) {
    SetIndex(epoch, s.epoch_index);
    SetIndex(method, s.method_index);
    SetIndex(longitude, s.longitude_index);
    SetTextIfChanged(cct, v.cct_text);
    show_local->setChecked(s.show_local);
    show_cjds->setChecked(s.show_cjds);
    auto_log->setChecked(s.auto_log);
}

}  // namespace vemla
