#pragma once

#include "ILauncher.h"

class TQtLauncher final : public ILauncher
{
public:
    bool OpenUrl(const QString& url) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    QString FindProgram(const QString& name) const override;
    QString ProgramFilePath() const override;
};
