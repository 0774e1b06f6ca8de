#include "gui/qt_user_interface.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include "app/system_clock.h"

namespace vemla {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kNone:
            return QMessageBox::NoIcon;
        case MessageIcon::kInformation:
            return QMessageBox::Information;
        case MessageIcon::kExclamation:
            return QMessageBox::Warning;
        case MessageIcon::kCritical:
            return QMessageBox::Critical;
        case MessageIcon::kQuestion:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer ShowMessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                             MessageButtons buttons) {
    QMessageBox box(QtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
        case MessageButtons::kOk:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::kOkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MessageButtons::kYesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MessageAnswer::kOk;
        case QMessageBox::Cancel:
            return MessageAnswer::kCancel;
        case QMessageBox::Yes:
            return MessageAnswer::kYes;
        case QMessageBox::No:
            return MessageAnswer::kNo;
        default:
            break;
    }
    switch (buttons) {
        case MessageButtons::kOk:
            return MessageAnswer::kOk;
        case MessageButtons::kOkCancel:
            return MessageAnswer::kCancel;
        case MessageButtons::kYesNo:
            return MessageAnswer::kNo;
    }
    return MessageAnswer::kOk;
}

MessageAnswer QtUserInterface::ShowMessage(const std::string& title, const std::string& text,
                                           MessageIcon icon, MessageButtons buttons) {
    if (before_message) before_message();
    if (message_hook) return message_hook(title, text, icon, buttons);
    return ShowMessageBox(title, text, icon, buttons);
}

void QtUserInterface::SetClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

void QtUserInterface::DoPendingEvents() {
    QCoreApplication::processEvents();
}

bool QtUserInterface::OpenWebLink(const std::string& url) {
    if (web_link_hook) return web_link_hook(url);
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

double QtUserInterface::CurrentAJD() {
    if (clock_hook) return clock_hook();
    return SystemClockAJD();
}

}  // namespace vemla
