#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starting things outside the program. None of these waits for what it started.
class ILauncher
{
public:
    virtual ~ILauncher() = default;

    // Opens a web address or a local file with the user's preferred handler, without waiting for it. `failed` is
    // called once when nothing could open it: at once when the opener cannot be started, or later from the event
    // loop when it ends with a failure status.
    virtual void OpenUrl(const QString& url, std::function<void()> failed) = 0;
    // Starts a program detached. False when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
    // The full path of an installed program found on PATH, or empty.
    virtual QString FindProgram(const QString& name) const = 0;
    // The full path of the running program file.
    virtual QString ProgramFilePath() const = 0;
};
