#include "app/WindowDialogs.h"

#include "app/PasswordDialog.h"
#include "app/WriteConfirmationDialog.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace marlo {

namespace {

QMessageBox::StandardButton showBox(QWidget* owner, const QString& caption, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::Icon icon = QMessageBox::Information) {
    QMessageBox box(icon, caption, text, buttons, owner);
    // Messages carry device replies, SSIDs and file names: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> pickRecordFile(QWidget* owner, QFileDialog::AcceptMode mode) {
    QFileDialog picker(owner);
    picker.setAcceptMode(mode);
    picker.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    picker.setNameFilters({QCoreApplication::translate("WindowDialogs", "XML files(*.xml)"),
                           QCoreApplication::translate("WindowDialogs", "All files (*)")});
    picker.setDefaultSuffix(QStringLiteral("xml"));
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return picker.selectedFiles().constFirst();
}

} // namespace

void WindowDialogs::message(QWidget* owner, const QString& text) {
    showBox(owner, QString::fromLatin1(applicationTitle), text, QMessageBox::Ok);
}

void WindowDialogs::warning(QWidget* owner, const QString& text) {
    showBox(owner, QString::fromLatin1(applicationTitle), text, QMessageBox::Ok, QMessageBox::Warning);
}

bool WindowDialogs::confirm(QWidget* owner, const QString& text) {
    return showBox(owner, QString::fromLatin1(applicationTitle), text,
                   QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void WindowDialogs::diagnostic(const QString& text) {
    showBox(nullptr, QString(), text, QMessageBox::Ok | QMessageBox::Cancel);
    copyToClipboard(text);
}

void WindowDialogs::copyToClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

std::optional<QString> WindowDialogs::openRecordFile(QWidget* owner) {
    return pickRecordFile(owner, QFileDialog::AcceptOpen);
}

std::optional<QString> WindowDialogs::saveRecordFile(QWidget* owner) {
    return pickRecordFile(owner, QFileDialog::AcceptSave);
}

std::optional<WriteMode> WindowDialogs::confirmWrite(QWidget* owner, const QStringList& changes) {
    WriteConfirmationDialog confirmation(changes, owner);
    if (confirmation.exec() == WriteConfirmationDialog::cancelResult) {
        return std::nullopt;
    }
    return confirmation.resetAfterWrite() ? WriteMode::writeAndReset : WriteMode::writeOnly;
}

PasswordAnswer WindowDialogs::askPassword(QWidget* owner, const PasswordRequest& request) {
    PasswordDialog prompt(*this, request, owner);
    const int result = prompt.exec();
    return {result, result == promptEntered ? prompt.enteredPassword() : std::string()};
}

} // namespace marlo
