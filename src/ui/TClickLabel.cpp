#include "TClickLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// A screen reader would take a label for plain text. This one is a link (or, showing a picture, a button) that its
// press action clicks.
class TAccessibleClickLabel final : public QAccessibleWidget
{
public:
    explicit TAccessibleClickLabel(TClickLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        return Label()->pixmap().isNull() ? QAccessible::Link : QAccessible::Button;
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            if (Label()->OnClick)
                Label()->OnClick();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    TClickLabel* Label() const { return static_cast<TClickLabel*>(widget()); }
};

QAccessibleInterface* ClickLabelInterface(const QString&, QObject* object)
{
    // Asked for every class of every object; only a finished click label answers.
    if (auto* label = dynamic_cast<TClickLabel*>(object))
        return new TAccessibleClickLabel(label);
    return nullptr;
}

} // namespace

TClickLabel::TClickLabel(const char* name, QWidget* parent) : QLabel(parent)
{
    // Before the label's first text: setting it announces the label and fixes its interface in the toolkit's cache.
    static const bool installed = [] {
        QAccessible::installFactory(ClickLabelInterface);
        return true;
    }();
    (void)installed;
    setObjectName(QString::fromLatin1(name));
    setFocusPolicy(Qt::StrongFocus);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
        OnClick();
}

void TClickLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
    if (press && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && OnClick) {
        OnClick();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Labels draw no focus of their own. Styles that show focus only after a key press (Fusion) leave the frame
    // out for mouse users; drawn here as any focus frame is, so a dark palette colours it too.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    option.rect = rect().adjusted(0, 0, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
