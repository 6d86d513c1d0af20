#include "TDesktopScale.h"

#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QList>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace {

constexpr double UsualPoints = 11.0;

int Scaled(int value, double factor)
{
    return static_cast<int>(std::lround(value * factor));
}

// Only the children placed by hand: widgets that lay out their own parts (the pages' tab bar, a list's viewport)
// place them again when they are resized.
void ScalePlacedChildren(QWidget& container, double factor)
{
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const QRect place = child->geometry();
        child->setGeometry(Scaled(place.x(), factor), Scaled(place.y(), factor), Scaled(place.width(), factor),
                           Scaled(place.height(), factor));
    }
}

} // namespace

double TDesktopScale::Factor(const QFont& desktopFont)
{
    double points = desktopFont.pointSizeF();
    if (points <= 0 && desktopFont.pixelSize() > 0)
        points = desktopFont.pixelSize() * 72.0 / 96.0;
    // Beyond four times the layout would no longer fit any screen.
    return std::clamp(points / UsualPoints, 1.0, 4.0);
}

void TDesktopScale::Apply(QWidget& window, double factor)
{
    if (factor <= 1.0)
        return;
    QFont font = window.font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(Scaled(font.pixelSize(), factor));
    window.setFont(font);

    for (QWidget* container : PlacedContainers(window)) {
        ScalePlacedChildren(*container, factor);
        // What a page scrolls has a size of its own, or its grown group boxes would be cut off.
        if (container != &window && container->minimumSize() == container->maximumSize())
            container->setFixedSize(Scaled(container->width(), factor), Scaled(container->height(), factor));
    }

    for (QTreeView* list : window.findChildren<QTreeView*>()) {
        for (int column = 0; column < list->header()->count(); ++column)
            list->setColumnWidth(column, Scaled(list->columnWidth(column), factor));
    }
    window.setFixedSize(Scaled(window.width(), factor), Scaled(window.height(), factor));
}

QList<QWidget*> TDesktopScale::PlacedContainers(QWidget& window)
{
    // A container with a layout places its children itself, and only once it is first shown: until then their
    // sizes are no measure of anything.
    QList<QWidget*> containers{&window};
    const auto placedByHand = [](const QWidget* widget) { return widget != nullptr && widget->layout() == nullptr; };
    for (QTabWidget* pages : window.findChildren<QTabWidget*>()) {
        for (int i = 0; i < pages->count(); ++i)
            if (placedByHand(pages->widget(i)))
                containers << pages->widget(i);
    }
    for (QScrollArea* scroll : window.findChildren<QScrollArea*>()) {
        if (placedByHand(scroll->widget()))
            containers << scroll->widget();
    }
    for (QGroupBox* group : window.findChildren<QGroupBox*>())
        if (placedByHand(group))
            containers << group;
    return containers;
}
