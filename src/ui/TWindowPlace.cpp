#include "TWindowPlace.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void TWindowPlace::Remember(const QWidget& window)
{
    // Only a window on screen has a place of its own; a minimised or never shown one keeps the last.
    if (window.isVisible() && !window.isMinimized())
        m_place = window.geometry();
}

void TWindowPlace::Restore(QWidget& window)
{
    if (!m_place)
        return;
    window.setGeometry(*m_place);
    // The widget may still hold the old place while the native window was moved behind its back: set that one too.
    if (QWindow* handle = window.windowHandle(); handle != nullptr && handle->geometry() != *m_place)
        handle->setGeometry(*m_place);
}

bool TWindowPlace::CanFade()
{
    // Wayland has no way for a client to set its window's opacity; its platform ("wayland", "wayland-egl", ...)
    // warns at every attempt. The others set it, or ignore it as before.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
