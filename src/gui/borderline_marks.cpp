#include "gui/borderline_marks.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>

namespace vemla {
namespace {

QLabel* MarkAfter(QWidget* window, const char* value_name, const char* mark_name) {
    auto* value = window->findChild<QLabel*>(value_name);
    if (!value || !value->parentWidget()) return nullptr;
    auto* grid = qobject_cast<QGridLayout*>(value->parentWidget()->layout());
    const int index = grid ? grid->indexOf(value) : -1;
    if (index < 0) return nullptr;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    auto* mark = new QLabel(value->parentWidget());
    mark->setObjectName(mark_name);
    mark->setTextFormat(Qt::PlainText);
    mark->setStyleSheet("color: #b05000; font-weight: bold;");
    mark->hide();
    // A mark that comes and goes must not move its neighbours: it keeps a
    // fixed width, shown or hidden.
    QFont bold = mark->font();
    bold.setBold(true);
    mark->setFixedWidth(QFontMetrics(bold).horizontalAdvance(QStringLiteral("\u00b1")) + 4);
    QSizePolicy policy = mark->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(policy);
    // The value and its mark share the value's cell: the value takes the
    // cell's width, the mark its right end, where the column keeps room.
    auto* cell = new QHBoxLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    cell->setSpacing(6);
    grid->removeWidget(value);
    cell->addWidget(value, 1);
    cell->addWidget(mark, 0);
    grid->addLayout(cell, row, column, rows, columns);
    return mark;
}

void BindMark(QLabel* mark, const LabelView& view, const DateRowView& row) {
    if (!mark) return;
    mark->setText(QString::fromStdString(view.caption));
    mark->setToolTip(QString::fromStdString(view.tooltip));
    mark->setVisible(view.visible && row.value.visible);
}

}  // namespace

BorderlineMarks::BorderlineMarks(QWidget* window)
    : chl_(MarkAfter(window, "lblChineseLunarDate_1", "lblBorderline_0")),
      chs_(MarkAfter(window, "lblChineseSolarDate_1", "lblBorderline_1")) {}

void BorderlineMarks::Bind(const MainView& view) {
    BindMark(chl_, view.chl_borderline, view.rows[kCalCHL]);
    BindMark(chs_, view.chs_borderline, view.rows[kCalCHS]);
}

}  // namespace vemla
