#pragma once

#include "IApplication.h"
#include "IClipboard.h"
#include "IDialogs.h"
#include "TExError.h"

#include <QtGlobal>

#include <string>

// The question every debug-log box asks when the caller passes none.
//: YES, NO and CANCEL name the box's buttons: write them as those buttons read in this language.
inline constexpr const char* StandardErrorQuestion = QT_TRANSLATE_NOOP(
    "ShowErrorReport",
    "Would you like to see the detailed debug log?\n\nYES\tshow and copy the debug log to the clipboard and "
    "continue;\nNO\tdon't show log and continue the program;\nCANCEL\tend program - unsaved data will be lost!");

// Tells the user what failed and offers the record's debug log. Caption, lead text and question are given in
// English, marked with QT_TRANSLATE_NOOP("ShowErrorReport", ...): the box shows their translation, standard error
// the English, like the log it introduces. Yes copies the log to the clipboard and shows it,
// No returns, Cancel ends the process through IApplication::ExitNow(0).
void ShowErrorReport(IDialogs& dialogs, IClipboard& clipboard, IApplication& application, const std::string& caption,
                     const std::string& leadText, const TExError& error, const std::string& question = "");

// The error box for a failure that no handler of the program's own expected: the application title as caption,
// the message with a full stop added unless it already ends in punctuation.
void ShowStandardError(IDialogs& dialogs, const std::string& message);
