#pragma once

#include <functional>

class QTabWidget;
class QTreeWidget;
class QWidget;

// The keys that reach the main window from anywhere inside it.
namespace TWindowKeys {

// Ctrl+Tab and Ctrl+Page Down show the next page, Ctrl+Shift+Tab and Ctrl+Page Up the previous one (hidden pages
// are passed over); Escape runs `sendToTray`.
void Install(QWidget& window, QTabWidget& pages, std::function<void()> sendToTray);

// Puts the focus on the list, on its current row or else on its first event, without selecting it.
void FocusList(QTreeWidget& list);

} // namespace TWindowKeys
