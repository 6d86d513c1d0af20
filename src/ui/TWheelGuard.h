#pragma once

#include <QObject>

class QWidget;

// The mouse wheel turned over a spin box or a drop-down list that does not have the keyboard focus changes nothing:
// a user scrolling past them must not change a value unseen. Covers the window's controls of now and later, and the
// dialogs it opens. The guard belongs to the window.
class TWheelGuard final : public QObject
{
public:
    static void Install(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
