#include "TQtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void TQtClipboard::SetText(const QString& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}
