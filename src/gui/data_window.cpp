#include "gui/data_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/list_window.h"
#include "gui/log_window.h"
#include "gui/widgets.h"

namespace vemla {
namespace {

void SetCaption(QAbstractButton* button, std::string_view caption) {
    const QString q = ButtonText(caption);
    if (button->text() != q) button->setText(q);
}

}  // namespace

DataWindow::DataWindow(ListWindow& lists, QWidget* parent)
    : QWidget(parent, Qt::Window), lists_(lists) {
    setObjectName("frmData");
    Arrange(MakeControls());
    Connect();
    lists_.text_written = [this](std::string_view text) { Written(text); };
    resize(900, 620);
    normal_size_ = size();
}

// The controls by name; returns the frame of the calendar choice.
QWidget* DataWindow::MakeControls() {
    text_ = Make<QPlainTextEdit>(kListWindowCaptions, "txbText", this);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->viewport()->installEventFilter(this);

    copy_ = Make<QPushButton>(kListWindowCaptions, "cmdCopyToClipboard", this);
    close_ = Make<QPushButton>(kListWindowCaptions, "cmdClose", this);
    export_ = Make<QPushButton>(kListWindowCaptions, "cmdExportToCalendar", this);
    list_ = Make<QPushButton>(kListWindowCaptions, "cmdList", this);
    years_ = Make<QLineEdit>(kListWindowCaptions, "txbNumYears", this);
    years_->setFixedWidth(years_->fontMetrics().horizontalAdvance("000000") + 12);
    years_caption_ = Make<QLabel>(kListWindowCaptions, "lblYears", this);
    stop_ = Make<QPushButton>(kListWindowCaptions, "cmdStop", this);
    large_window_ = Make<QCheckBox>(kListWindowCaptions, "chkLargeWindow", this);
    major_terms_ = Make<QCheckBox>(kListWindowCaptions, "chkIncludeMajorSolarTerms", this);
    minor_terms_ = Make<QCheckBox>(kListWindowCaptions, "chkIncludeMinorSolarTerms", this);
    term_names_ = Make<QCheckBox>(kListWindowCaptions, "chkDisplaySolarTermNames", this);
    leap_months_only_ = Make<QCheckBox>(kListWindowCaptions, "chkLeapMonthsOnly", this);
    omit_invalid_dates_ = Make<QCheckBox>(kListWindowCaptions, "chkOmitInvalidDates", this);
    auto* calendar = new QWidget(this);
    calendar->setObjectName("fraEuroCal");
    ce_ = Make<QRadioButton>(kListWindowCaptions, "optCE", calendar);
    jc_ = Make<QRadioButton>(kListWindowCaptions, "optJC", calendar);
    start_caption_ = Make<QLabel>(kListWindowCaptions, "lblStart", this);
    start_ = Make<QLineEdit>(kListWindowCaptions, "txbStart", this);
    end_caption_ = Make<QLabel>(kListWindowCaptions, "lblEnd", this);
    end_ = Make<QLineEdit>(kListWindowCaptions, "txbEnd", this);

    auto* calendar_row = new QHBoxLayout(calendar);
    calendar_row->setContentsMargins(0, 0, 0, 0);
    calendar_row->addWidget(Make<QLabel>(kListWindowCaptions, "lblEuroCal", calendar));
    calendar_row->addWidget(ce_);
    calendar_row->addWidget(jc_);
    return calendar;
}

void DataWindow::Arrange(QWidget* calendar) {
    auto* options = new QGridLayout;
    options->addWidget(major_terms_, 0, 0);
    options->addWidget(minor_terms_, 0, 1);
    options->addWidget(term_names_, 0, 2);
    options->addWidget(leap_months_only_, 1, 0);
    options->addWidget(omit_invalid_dates_, 1, 1);
    options->addWidget(calendar, 1, 2);
    options->setColumnStretch(3, 1);

    auto* run = new QHBoxLayout;
    run->addWidget(list_);
    run->addWidget(years_);
    run->addWidget(years_caption_);
    run->addWidget(start_caption_);
    run->addWidget(start_);
    run->addWidget(end_caption_);
    run->addWidget(end_);
    run->addWidget(stop_);
    run->addStretch(1);
    run->addWidget(large_window_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(export_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(run);
    layout->addLayout(options);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
}

void DataWindow::Connect() {
    ListWindow& l = lists_;
    connect(copy_, &QPushButton::clicked, this, [this, &l] {
        const QTextCursor cursor = text_->textCursor();
        Act([&] {
            l.CopyToClipboard(cursor.hasSelection() ? LogTextFromBox(cursor.selectedText()) : "");
        });
    });
    connect(close_, &QPushButton::clicked, this, [this, &l] { Act([&] { l.Close(); }); });
    connect(export_, &QPushButton::clicked, this, [this] { Act([this] { ExportToCalendar(); }); });
    connect(stop_, &QPushButton::clicked, this, [this, &l] { Act([&] { l.Stop(); }); });
    connect(list_, &QPushButton::clicked, this, [this, &l] { Act([&] { l.List(); }); });
    connect(years_, &QLineEdit::textEdited, this,
            [&l](const QString& t) { l.SetYearsText(t.toStdString()); });
    connect(years_, &QLineEdit::returnPressed, this, [this, &l] { Act([&] { l.List(); }); });
    connect(start_, &QLineEdit::textEdited, this,
            [&l](const QString& t) { l.SetStartText(t.toStdString()); });
    connect(end_, &QLineEdit::textEdited, this,
            [&l](const QString& t) { l.SetEndText(t.toStdString()); });
    connect(start_, &QLineEdit::returnPressed, this, [this, &l] { Act([&] { l.DoTest(); }); });
    connect(end_, &QLineEdit::returnPressed, this, [this, &l] { Act([&] { l.DoTest(); }); });
    connect(large_window_, &QCheckBox::clicked, this,
            [this, &l](bool on) { Act([&] { l.SetLargeWindow(on); }); });
    connect(major_terms_, &QCheckBox::clicked, this,
            [this, &l](bool on) { Act([&] { l.SetIncludeMajorTerms(on); }); });
    connect(minor_terms_, &QCheckBox::clicked, this,
            [this, &l](bool on) { Act([&] { l.SetIncludeMinorTerms(on); }); });
    connect(term_names_, &QCheckBox::clicked, this,
            [this, &l](bool on) { Act([&] { l.SetDisplayTermNames(on); }); });
    connect(leap_months_only_, &QCheckBox::clicked, this,
            [this, &l](bool on) { Act([&] { l.SetLeapMonthsOnly(on); }); });
    connect(omit_invalid_dates_, &QCheckBox::clicked, this,
            [this, &l](bool on) { Act([&] { l.SetOmitInvalidDates(on); }); });
    connect(ce_, &QRadioButton::clicked, this,
            [this, &l] { Act([&] { l.SetJulianCalendar(false); }); });
    connect(jc_, &QRadioButton::clicked, this,
            [this, &l] { Act([&] { l.SetJulianCalendar(true); }); });
}

void DataWindow::ExportToCalendar() {
    const QString suggested = QDir::home().filePath(ToQString(lists_.ExportFileName()));
    QString path = choose_export_file
                       ? choose_export_file(suggested)
                       : QFileDialog::getSaveFileName(this, ToQString(kExportTitle), suggested,
                                                      "iCalendar files (*.ics)");
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".ics";
    lists_.ExportToCalendar(QFile::encodeName(path).toStdString());
}

template <class F>
void DataWindow::Act(F&& action) {
    action();
    if (changed)
        changed();
    else
        Refresh();
}

void DataWindow::Refresh() {
    BindControls();
    BindText();
}

void DataWindow::BindControls() {
    const ListWindowView& v = lists_.View();
    setWindowTitle(ToQString(v.caption));
    SetCaption(copy_, v.copy_caption);
    SetCaption(close_, v.close_caption);
    export_->setEnabled(v.export_enabled);
    const QString years_caption = ToQString(v.years_caption);
    if (years_caption_->text() != years_caption) years_caption_->setText(years_caption);
    SetTextIfChanged(years_, v.years_text);
    SetTextIfChanged(start_, v.start_text);
    SetTextIfChanged(end_, v.end_text);

    major_terms_->setChecked(v.terms.major);
    minor_terms_->setChecked(v.terms.minor);
    term_names_->setChecked(v.terms.names);
    leap_months_only_->setChecked(v.leap_months_only);
    omit_invalid_dates_->setChecked(v.omit_invalid_dates);
    large_window_->setChecked(v.large_window);
    (v.jc ? jc_ : ce_)->setChecked(true);

    for (QWidget* w : {static_cast<QWidget*>(major_terms_), static_cast<QWidget*>(minor_terms_),
                       static_cast<QWidget*>(term_names_)})
        w->setVisible(v.terms_visible);
    leap_months_only_->setVisible(v.leap_months_only_visible);
    omit_invalid_dates_->setVisible(v.omit_invalid_dates_visible);
    for (QWidget* w : {static_cast<QWidget*>(list_), static_cast<QWidget*>(years_),
                       static_cast<QWidget*>(years_caption_)})
        w->setVisible(v.list_visible);
    for (QWidget* w : {static_cast<QWidget*>(start_caption_), static_cast<QWidget*>(start_),
                       static_cast<QWidget*>(end_caption_), static_cast<QWidget*>(end_)})
        w->setVisible(v.start_end_visible);
    stop_->setVisible(v.stop_visible);

    if (v.busy)
        text_->viewport()->setCursor(Qt::WaitCursor);
    else
        text_->viewport()->unsetCursor();

    if (v.large != large_applied_) {
        large_applied_ = v.large;
        resize(v.large ? QSize(static_cast<int>(normal_size_.width() * kLargeWidthFactor),
                               static_cast<int>(normal_size_.height() * kLargeHeightFactor))
                       : normal_size_);
    }
    BindVisibility(v);
}

void DataWindow::BindVisibility(const ListWindowView& v) {
    if (v.visible && !isVisible()) {
        if (!placed_ && parentWidget()) {
            // The first time, over the middle of the main window, on the screen.
            const QRect main = parentWidget()->frameGeometry();
            const QSize frame = size() + main.size() - parentWidget()->geometry().size();
            PlaceFrame(
                this,
                QRect(QPoint(main.left() + (main.width() - frame.width()) / 2, main.top() + 40),
                      frame),
                parentWidget());
            placed_ = true;
        }
        show();
        raise();
        activateWindow();
    } else if (!v.visible && isVisible()) {
        hide();
    }
    if (v.visible && v.close_has_focus) close_->setFocus();
}

void DataWindow::BindText() {
    const std::string& text = lists_.View().text;
    if (text != shown_text_) {
        if (text.size() > shown_text_.size() &&
            text.compare(0, shown_text_.size(), shown_text_) == 0) {
            Written(std::string_view(text).substr(shown_text_.size()));
        } else {
            text_->setPlainText(LogTextForBox(text));
            shown_text_ = text;
            text_->moveCursor(QTextCursor::End);
            caret_placed_ = false;
        }
    }
    // Some listings are read from their beginning once they are written.
    if (lists_.View().caret_at_start && !caret_placed_ && !lists_.Running()) {
        text_->moveCursor(QTextCursor::Start);
        text_->verticalScrollBar()->setValue(0);
        caret_placed_ = true;
    }
}

void DataWindow::Written(std::string_view piece) {
    // The window appears with the first line of a listing, not at its end.
    BindControls();
    // Every piece comes through here, so the text is what the box shows
    // plus this piece, unless a listing started afresh and emptied it first.
    const std::string& text = lists_.View().text;
    if (text.size() != shown_text_.size() + piece.size()) {
        const std::string before = text.substr(0, text.size() - piece.size());
        text_->setPlainText(LogTextForBox(before));
        shown_text_ = before;
    }
    QTextCursor end(text_->document());
    end.movePosition(QTextCursor::End);
    QString q = QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size()));
    q.remove(QLatin1Char('\r'));
    end.insertText(q);
    shown_text_.append(piece);
    text_->moveCursor(QTextCursor::End);
    caret_placed_ = false;
}

bool DataWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lists_.SelectionMade(text_->textCursor().hasSelection());
        SetCaption(copy_, lists_.View().copy_caption);
    }
    return QWidget::eventFilter(watched, event);
}

// The title bar's close acts as Close: it stops a listing, and hides the
// window unless a long listing is still ending.
void DataWindow::closeEvent(QCloseEvent* event) {
    lists_.CloseFromTitleBar();
    if (lists_.View().visible)
        event->ignore();
    else
        event->accept();
    if (changed)
        changed();
    else
        Refresh();
}

}  // namespace vemla
