#pragma once

#include "ITrayIcon.h"

#include <QSystemTrayIcon>

// The icon in the desktop's notification area (a StatusNotifier host, or an XEmbed tray such as a panel's).
class TQtTrayIcon final : public ITrayIcon
{
public:
    TQtTrayIcon();

    bool IsAvailable() const override;
    void SetIcon(const QIcon& icon) override;
    void SetHint(const QString& hint) override;
    void SetMenu(QMenu* menu) override;
    void Show() override;
    void Hide() override;
    void SetRestoreHandler(std::function<void()> handler) override;

    // The toolkit's icon, for tests that play the desktop's part.
    QSystemTrayIcon& Native() { return m_icon; }

private:
    void Activated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon m_icon;
    std::function<void()> m_restore;
};
