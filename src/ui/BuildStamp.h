#pragma once

#include <string>

// "Built on:" followed by the build's date and time as "Mmm dd yyyy hh:mm:ss".
std::string BuildStamp();

// Turns the compiler's date ("Jan  7 2007", the day padded with a blank) and time into "Jan 07 2007 12:00:20".
std::string BuildDateTime(const char* compilerDate, const char* compilerTime);
