#include "ui/qt_ui_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QUrl>

#include "ui/desktop_registry.h"
#include "ui/picture_image.h"
#include "ui/qt_text.h"

namespace quorvel::ui {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtUiServices::prepareModal() {
    if (beforeModal_) {
        beforeModal_();
    }
}

void QtUiServices::showMessage(std::string_view text) {
    prepareModal();
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), qs(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

void QtUiServices::showError(std::string_view text) {
    prepareModal();
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), qs(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

MessageAnswer QtUiServices::messageBox(std::string_view text, std::string_view caption,
                                       MessageButtons buttons, MessageIcon icon) {
    prepareModal();
    const auto qtButtons = buttons == MessageButtons::YesNo
                               ? QMessageBox::Yes | QMessageBox::No
                               : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(qtIcon(icon), qs(caption), qs(text), qtButtons, parent_);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QUrl fileUrl(const std::string& path) {
    // Percent-encoded from the bytes: a folder name that is not UTF-8 would not survive a
    // QString, and the program that opens the URL decodes it back to the same bytes.
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"), QUrl::StrictMode);
}

OpenOutcome QtUiServices::openDocument(const std::string& path) {
    if (!programRegisteredFor(QString::fromStdString(path))) {
        return OpenOutcome::NoProgram;
    }
    return QDesktopServices::openUrl(fileUrl(path)) ? OpenOutcome::Opened : OpenOutcome::Failed;
}

std::optional<std::string> QtUiServices::askSaveFileName(const SaveFileRequest& request) {
    prepareModal();
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(qs(request.defaultSuffix));
    dialog.setNameFilter(qs(request.filter));
    dialog.selectFile(qs(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

void QtUiServices::putPictureOnClipboard(const Picture& picture) {
    QApplication::clipboard()->setImage(imageOf(picture));
}

}  // namespace quorvel::ui
