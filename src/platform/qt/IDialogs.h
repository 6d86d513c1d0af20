#pragma once

#include <QString>

// Modal message boxes. Tests answer them through a fake instead of showing them.
class IDialogs
{
public:
    enum class Answer
    {
        Yes,
        No,
        Cancel,
        Other,
    };

    virtual ~IDialogs() = default;

    // Yes, No and Cancel with the error icon, No as the default button; no owner window.
    virtual Answer AskYesNoCancel(const QString& caption, const QString& text) = 0;
    // One OK button and the error icon; no owner window.
    virtual void ShowError(const QString& caption, const QString& text) = 0;
    // The toolkit's information dialog, titled "Information", one OK button.
    virtual void ShowInformation(const QString& text) = 0;
    // The toolkit's error dialog, titled "Error", one OK button.
    virtual void ShowErrorDialog(const QString& text) = 0;
};
