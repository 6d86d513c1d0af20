#include "TQtTrayIcon.h"

#include <QIcon>
#include <QMenu>

TQtTrayIcon::TQtTrayIcon()
{
    QObject::connect(&m_icon, &QSystemTrayIcon::activated, &m_icon,
                     [this](QSystemTrayIcon::ActivationReason reason) { Activated(reason); });
}

bool TQtTrayIcon::IsAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TQtTrayIcon::SetIcon(const QIcon& icon)
{
    m_icon.setIcon(icon);
}

void TQtTrayIcon::SetHint(const QString& hint)
{
    m_icon.setToolTip(hint);
}

void TQtTrayIcon::SetMenu(QMenu* menu)
{
    // The toolkit opens the menu itself on a right-button release (Context), at the mouse position.
    m_icon.setContextMenu(menu);
}

void TQtTrayIcon::Show()
{
    m_icon.show();
}

void TQtTrayIcon::Hide()
{
    m_icon.hide();
}

void TQtTrayIcon::SetRestoreHandler(std::function<void()> handler)
{
    m_restore = std::move(handler);
}

void TQtTrayIcon::Activated(QSystemTrayIcon::ActivationReason reason)
{
    // Trigger is the primary click; a double click also delivers a Trigger first, so it is not handled twice.
    if (reason == QSystemTrayIcon::Trigger && m_restore)
        m_restore();
}
