#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <functional>

// A label that reports a left click released over it (the picture and the home-page link of the About page).
class TClickLabel final : public QLabel
{
public:
    TClickLabel(const char* name, QWidget* parent) : QLabel(parent) { setObjectName(QString::fromLatin1(name)); }

    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
            OnClick();
    }
};
