#pragma once

class QWidget;

// The window's places were made for English. Longer words of another language would be cut off or run into the
// control beside them, so the window grows sideways just enough for its widest text, placed by hand as it is. Its
// right edge stays where it was: a window in the bottom-right corner stays there. English fits as it is and keeps
// its size. Runs after TDesktopScale, at the font that one chose.
namespace TTextFit {

// Fits the window now, and again when a list whose columns are placed by hand gets rows wider than its columns.
void Install(QWidget& window);

// One pass; the window only grows.
void Apply(QWidget& window);

} // namespace TTextFit
