#include "TQtApplication.h"

#include <QCoreApplication>

#include <cstdlib>

void TQtApplication::Terminate()
{
    // Not quit(): since Qt 6 that first asks every window to close, and the main window refuses to be closed by
    // anything but its own commands, which would cancel the quit.
    QCoreApplication::exit(0);
}

void TQtApplication::ExitNow(int status)
{
    std::exit(status);
}
