#pragma once

#include "IClipboard.h"

class TQtClipboard final : public IClipboard
{
public:
    void SetText(const QString& text) override;
};
