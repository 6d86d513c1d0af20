#include "TWheelGuard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

namespace {

bool IsGuarded(QObject* object)
{
    return qobject_cast<QAbstractSpinBox*>(object) != nullptr || qobject_cast<QComboBox*>(object) != nullptr;
}

void StrongFocusOnly(QWidget& widget)
{
    if ((widget.focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
        widget.setFocusPolicy(Qt::StrongFocus);
}

} // namespace

void TWheelGuard::Install(QWidget& window)
{
    // On the application, so that a control made after this (a dialog's) is covered too; the guard goes with the
    // window, and with it the filter.
    QApplication::instance()->installEventFilter(new TWheelGuard(&window));
    // The wheel must not give the focus either: a spin box takes it from the wheel by default.
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (IsGuarded(child))
            StrongFocusOnly(*child);
    }
}

bool TWheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    const bool wheel = event->type() == QEvent::Wheel;
    if ((!wheel && event->type() != QEvent::Polish) || !IsGuarded(watched))
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!wheel) {
        StrongFocusOnly(*widget); // a control made later
        return false;
    }
    if (widget->hasFocus())
        return false;
    // Nothing changes; the wheel is not this control's.
    event->ignore();
    return true;
}
