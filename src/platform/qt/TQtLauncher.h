#pragma once

#include "ILauncher.h"

#include <QObject>

// Web addresses and files are opened through the desktop's opener (xdg-open) run as a child process, whose exit
// status tells whether a handler took the target; the toolkit's own opener counts starting the opener as success.
class TQtLauncher final : public ILauncher
{
public:
    TQtLauncher() = default;
    ~TQtLauncher() override;

    TQtLauncher(const TQtLauncher&) = delete;
    TQtLauncher& operator=(const TQtLauncher&) = delete;

    void OpenUrl(const QString& url, std::function<void()> failed) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    QString FindProgram(const QString& name) const override;
    QString ProgramFilePath() const override;

private:
    // Parent of the openers still running.
    QObject m_openers;
};
