#pragma once

#include <QString>

class IClipboard
{
public:
    virtual ~IClipboard() = default;
    // Replaces the clipboard's content with plain text.
    virtual void SetText(const QString& text) = 0;
};
