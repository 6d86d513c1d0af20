#pragma once

#include "IApplication.h"

class TQtApplication final : public IApplication
{
public:
    void Terminate() override;
    [[noreturn]] void ExitNow(int status) override;
};
