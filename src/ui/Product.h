#pragma once

// The names the window shows; the tray hint, the captions and the version box are built from them.
inline constexpr const char* ProductName = "Nelvora";
inline constexpr const char* ProductVersion = "v1.0";
