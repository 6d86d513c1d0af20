#pragma once

#include "IApplication.h"
#include "IClipboard.h"
#include "IClock.h"
#include "IDayWatch.h"
#include "IDialogs.h"
#include "ILauncher.h"
#include "INotifier.h"
#include "ITrayIcon.h"
#include "TEventReport.h"

#include <string>

class IRegistry;
class ILibraryLoader;
class IOnlineBooks; // the window's own interface, in ui/

// Everything the window needs of the desktop and the operating system. The program entry fills it with the real
// implementations; tests fill it with fakes. All references outlive the window.
struct TPlatformServices
{
    IDialogs& Dialogs;
    IClipboard& Clipboard;
    ITrayIcon& Tray;
    IClock& Clock;
    const IShortDateFormat& DateFormat;
    ILauncher& Launcher;
    IApplication& Application;
    // The first command-line argument, empty when there is none.
    std::string FirstArgument;
    // Where the address-book library is looked up; null means the real registry file and loader.
    const IRegistry* Registry = nullptr;
    const ILibraryLoader* Loader = nullptr;
    // The desktop's notification list and the watch for a new day; null leaves each out.
    INotifier* Notifier = nullptr;
    IDayWatch* DayWatch = nullptr;
    // The online address books; null where the program has none to offer.
    IOnlineBooks* OnlineBooks = nullptr;
};
