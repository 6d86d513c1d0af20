#pragma once

// The application object as the window uses it.
class IApplication
{
public:
    virtual ~IApplication() = default;
    // Ends the event loop once the running handler has returned.
    virtual void Terminate() = 0;
    // Ends the process at once through the normal exit; never returns in the real program.
    virtual void ExitNow(int status) = 0;
};
