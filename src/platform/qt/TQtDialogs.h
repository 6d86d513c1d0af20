#pragma once

#include "IDialogs.h"

// Message boxes with no owner window, so they show even while the main window is hidden in the tray.
class TQtDialogs final : public IDialogs
{
public:
    Answer AskYesNoCancel(const QString& caption, const QString& text) override;
    void ShowError(const QString& caption, const QString& text) override;
    void ShowInformation(const QString& text) override;
    void ShowErrorDialog(const QString& text) override;
};
