#pragma once

#include <QRect>

#include <optional>

class QWidget;

// Where the window stands while it is away in the tray, and what the platform lets the program do with its looks.
class TWindowPlace
{
public:
    // Before hiding: the place of the window's contents (the frame left out) as the user last saw it.
    void Remember(const QWidget& window);
    // Before showing again: the window goes back to exactly that place. A window manager may hand a withdrawn window
    // back at its frame's corner (mutter under XWayland does); shown from there, the frame would be added a second
    // time, and the window would climb one title bar at every show.
    void Restore(QWidget& window);

    // Whether the platform sets a window's opacity. Native Wayland does not, and warns at every attempt.
    static bool CanFade();

private:
    std::optional<QRect> m_place;
};
