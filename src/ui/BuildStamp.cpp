#include "BuildStamp.h"

std::string BuildDateTime(const char* compilerDate, const char* compilerTime)
{
    std::string date = compilerDate;
    if (date.size() > 4 && date[4] == ' ')
        date[4] = '0';
    return date + " " + compilerTime;
}

std::string BuildStamp()
{
    // The stamp records when this file was compiled; it is rebuilt with the window library.
    return "Built on:" + BuildDateTime(__DATE__, __TIME__);
}
