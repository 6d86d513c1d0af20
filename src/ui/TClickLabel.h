#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <functional>

// A label that reports a left click released over it (the picture and the home-page link of the About page, the
// line below the event list). It
// takes the keyboard focus as a link does, so that Space or Enter reach it without a mouse.
class TClickLabel : public QLabel
{
public:
    TClickLabel(const char* name, QWidget* parent);

    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
