#pragma once

#include "ShowErrorReport.h"
#include "TExError.h"
#include "TFormMain.h"

#include <cstring>
#include <exception>
#include <string>

template <typename Body> void TFormMain::Guarded(Body&& body) noexcept
{
    std::string message;
    try {
        body();
        return;
    } catch (const TExError& error) {
        message.assign(error.Message, strnlen(error.Message, sizeof error.Message));
    } catch (const std::exception& error) {
        message = error.what();
    } catch (...) {
    }
    try {
        ShowStandardError(m_services.Dialogs, message);
    } catch (...) {
        // the error box itself failed; there is nobody left to tell
    }
}
