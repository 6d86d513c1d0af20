#pragma once

#include <QString>

#include <functional>

class QIcon;
class QMenu;

// The notification-area icon.
class ITrayIcon
{
public:
    virtual ~ITrayIcon() = default;

    // Whether the desktop has a notification area to put the icon in.
    virtual bool IsAvailable() const = 0;
    virtual void SetIcon(const QIcon& icon) = 0;
    // The hint shown over the icon; the desktop accepts fewer than 64 characters.
    virtual void SetHint(const QString& hint) = 0;
    // The menu opened by a right-button release; it stays owned by the caller.
    virtual void SetMenu(QMenu* menu) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Called on a left-button release on the icon (the restore action).
    virtual void SetRestoreHandler(std::function<void()> handler) = 0;
};
