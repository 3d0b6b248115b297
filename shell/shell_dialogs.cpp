#include "shell/shell_dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QMessageBox>

namespace tessaro::shell {

namespace {
const QString kTitle = QStringLiteral("Tessaro");
}

void QtDialogs::info(std::string_view text) {
    QMessageBox::information(parent_, kTitle, qs(text), QMessageBox::Ok);
}

bool QtDialogs::confirm(std::string_view text) {
    return QMessageBox::question(parent_, kTitle, qs(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void ShellDialogs::runModal(QDialog& dialog) { dialog.exec(); }

void QtDialogs::error(const QString& title, const QString& text) {
    QMessageBox::critical(parent_, title, text, QMessageBox::Ok);
}

bool QtDialogs::advice(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, parent_);
    box.setObjectName(QStringLiteral("TfrmMsgAdvice"));
    auto* tick = new QCheckBox(QStringLiteral("&Don't show this message box again"), &box);
    box.setCheckBox(tick);
    box.exec();
    return tick->isChecked();
}

}  // namespace tessaro::shell
