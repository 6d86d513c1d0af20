#include "TExError.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* AbsentText = "????";

void CopyField(char (&field)[TExError::FieldSize], const char* text)
{
    std::memset(field, 0, sizeof field);
    if (text == nullptr)
        text = AbsentText;
    std::strncpy(field, text, sizeof field - 1);
}

} // namespace

void TExError::AddFormattedEntry(std::int32_t id, const char* className, const char* methodName,
                                 const char* messageFormat, ...)
{
    Id = id;
    CopyField(ClassName, className);
    CopyField(MethodName, methodName);

    std::memset(Message, 0, sizeof Message);
    if (messageFormat != nullptr) {
        va_list args;
        va_start(args, messageFormat);
        // Cuts at 127 characters and terminates.
        std::vsnprintf(Message, sizeof Message, messageFormat, args);
        va_end(args);
    } else {
        std::strncpy(Message, AbsentText, sizeof Message - 1);
    }

    char line[LogSize];
    const int lineLength =
        std::snprintf(line, sizeof line, "%s:%s - %s [id:%d]\n", ClassName, MethodName, Message, static_cast<int>(Id));
    if (lineLength <= 0)
        return;

    const std::size_t used = std::strlen(Log);
    const std::size_t room = LogSize - 1 - used;
    const std::size_t take = std::min(room, std::strlen(line));
    std::memcpy(Log + used, line, take);
    Log[used + take] = '\0';
}
