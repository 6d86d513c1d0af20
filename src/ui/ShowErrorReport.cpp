#include "ShowErrorReport.h"

#include "Product.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

QString FromText(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Translated(const std::string& text)
{
    return QCoreApplication::translate("ShowErrorReport", text.c_str());
}

} // namespace

void ShowErrorReport(IDialogs& dialogs, IClipboard& clipboard, IApplication& application, const std::string& caption,
                     const std::string& leadText, const TExError& error, const std::string& question)
{
    const std::string shownQuestion = question.empty() ? std::string(StandardErrorQuestion) : question;
    const QString shownCaption = Translated(caption);
    const QString text = Translated(leadText) + QStringLiteral("\n\n") + Translated(shownQuestion);

    // The log also goes to standard error before anyone answers: an autostarted program's output lands in the
    // session's journal, and it is kept there whatever becomes of the box and the clipboard.
    const std::string log(error.Log, strnlen(error.Log, sizeof error.Log));
    std::fprintf(stderr, "%s: %s: %s\n%s", ProductName, caption.c_str(), leadText.c_str(), log.c_str());
    if (!log.empty() && log.back() != '\n')
        std::fputc('\n', stderr);
    std::fflush(stderr);

    switch (dialogs.AskYesNoCancel(shownCaption, text)) {
    case IDialogs::Answer::Yes: {
        // The record is a fixed buffer; never read past it even if a writer forgot the terminator.
        const QString log = QString::fromUtf8(error.Log, static_cast<qsizetype>(strnlen(error.Log, sizeof error.Log)));
        clipboard.SetText(log);
        dialogs.ShowError(shownCaption, log);
        return;
    }
    case IDialogs::Answer::Cancel:
        application.ExitNow(0);
        return;
    case IDialogs::Answer::No:
    case IDialogs::Answer::Other:
        return;
    }
}

void ShowStandardError(IDialogs& dialogs, const std::string& message)
{
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    dialogs.ShowError(QString::fromUtf8(ProductName), FromText(text));
}
