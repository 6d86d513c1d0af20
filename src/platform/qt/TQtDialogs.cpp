#include "TQtDialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

void ShowOkBox(QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok);
    box.exec();
}

} // namespace

IDialogs::Answer TQtDialogs::AskYesNoCancel(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    // A stray Enter must not copy the log or end the program.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Other;
    }
}

void TQtDialogs::ShowError(const QString& caption, const QString& text)
{
    ShowOkBox(QMessageBox::Critical, caption, text);
}

void TQtDialogs::ShowInformation(const QString& text)
{
    ShowOkBox(QMessageBox::Information, QCoreApplication::translate("TQtDialogs", "Information"), text);
}

void TQtDialogs::ShowErrorDialog(const QString& text)
{
    ShowOkBox(QMessageBox::Critical, QCoreApplication::translate("TQtDialogs", "Error"), text);
}
