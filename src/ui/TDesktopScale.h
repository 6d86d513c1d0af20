#pragma once

#include <QList>

class QFont;
class QWidget;

// The window's places are fixed in pixels for a small font. A desktop set to larger text gets a window grown in
// proportion, so that nothing is cut off. (A scale factor for the whole screen, QT_SCALE_FACTOR or a high-DPI
// screen, is the toolkit's affair: it grows places and text alike.)
namespace TDesktopScale {

// 1 for desktop text up to 11 points, the usual sizes; in proportion above that.
double Factor(const QFont& desktopFont);

// Grows the window, the places of the controls on it, on its pages and in their group boxes, the list columns and
// the window font by `factor`.
void Apply(QWidget& window, double factor);

// The window and the widgets within it whose children are placed by hand: the pages, their group boxes and what
// a page scrolls.
QList<QWidget*> PlacedContainers(QWidget& window);

} // namespace TDesktopScale
