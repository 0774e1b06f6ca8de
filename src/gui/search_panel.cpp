#include "gui/search_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include "app/main_state.h"
#include "app/searcher.h"
#include "gui/widgets.h"

namespace vemla {

QGroupBox* SearchPanel::Build(QWidget* parent) {
    frame = Make<QGroupBox>(kMainWindowCaptions, "fraSearch", parent);
    next = Make<QRadioButton>(kMainWindowCaptions, "optNext", frame);
    previous = Make<QRadioButton>(kMainWindowCaptions, "optPrevious", frame);
    target = Make<QComboBox>(kMainWindowCaptions, "cboTarget", frame);
    for (size_t i = 0; i < kTargetItems.size(); ++i) target->addItem(QString());
    target->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    target->setMinimumContentsLength(30);
    search = Make<QPushButton>(kMainWindowCaptions, "cmdSearch", frame);
    searching = new QLabel(frame);
    searching->setObjectName("lblSearching");
    searching->setMinimumWidth(
        searching->fontMetrics().horizontalAdvance(ToQString(kSearchingText)) + 8);
    KeepPlaceWhenHidden(searching);

    auto* row = new QHBoxLayout(frame);
    row->addWidget(next);
    row->addWidget(previous);
    row->addWidget(target);
    row->addWidget(search);
    row->addWidget(searching);
    row->addStretch(1);
    return frame;
}

void SearchPanel::Connect(MainState& m, EventSearcher& searcher, const Act& act) {
    QObject::connect(next, &QRadioButton::clicked, next,
                     [act, &m] { act([&] { m.SetNext(true); }, true); });
    QObject::connect(previous, &QRadioButton::clicked, previous,
                     [act, &m] { act([&] { m.SetNext(false); }, true); });
    QObject::connect(target, &QComboBox::activated, target,
                     [act, &m](int i) { act([&] { m.SelectTarget(i); }, true); });
    QObject::connect(search, &QPushButton::clicked, search,
                     [act, &searcher] { act([&] { searcher.Search(); }, true); });
    // A long search redraws only its note.
    searcher.repaint_searching = [this, &m] {
        searching->setText(QString::fromStdString(m.View().searching.caption));
        searching->repaint();
    };
}

void SearchPanel::Register(ControlTable& controls) const {
    vemla::Register(controls, Control::kSearch, search);
    vemla::Register(controls, Control::kSearchFrame, frame);
}

void SearchPanel::Bind(const MainView& v, const Settings& s) {
    (s.next ? next : previous)->setChecked(true);
    for (int i = 0; i < static_cast<int>(v.target_items.size()); ++i) {
        const QString item = QString::fromStdString(v.target_items[i]);
        if (target->itemText(i) != item) target->setItemText(i, item);
    }
    SetIndex(target, s.target_index);
    BindLabel(searching, v.searching);
}

}  // namespace vemla
