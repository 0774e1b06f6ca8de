#include "gui/chinese_characters_line.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>

#include "gui/widgets.h"

namespace vemla {

QFont ChineseFont(const QFont& base) {
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    if (families.isEmpty()) return base;
    QString chosen = families.front();
    for (const QString& family : families)
        if (family.contains("CJK SC") || family.contains("Han Sans SC")) {
            chosen = family;
            break;
        }
    QFont font = base;
    font.setFamilies({chosen});
    return font;
}

ChineseCharactersLine::ChineseCharactersLine(QWidget* parent, QGridLayout* grid, int row,
                                             std::function<void(bool)> clicked)
    : option_(Make<QCheckBox>(kMainWindowCaptions, "chkChineseCharacters", parent)),
      text_(new QLabel(parent)) {
    text_->setObjectName("lblChineseCharacters");
    text_->setTextFormat(Qt::PlainText);
    text_->setFont(ChineseFont(text_->font()));
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(option_, row, 0);
    grid->addWidget(text_, row, 1);
    QObject::connect(option_, &QCheckBox::clicked, option_,
                     [clicked = std::move(clicked)](bool on) { clicked(on); });
}

void ChineseCharactersLine::Bind(bool option, const LabelView& line) {
    option_->setChecked(option);
    const QString text = QString::fromStdString(line.caption);
    if (text_->text() != text) text_->setText(text);
    const QString tip = QString::fromStdString(line.tooltip);
    if (text_->toolTip() != tip) text_->setToolTip(tip);
    text_->setVisible(line.visible);
}

}  // namespace vemla
