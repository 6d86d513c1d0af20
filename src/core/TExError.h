#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

// The program's own failure record. It is thrown by value and carries a debug log that gains one line for every
// layer that handles it. Fixed buffers and no base class: copying it copies everything, and it never allocates,
// so it can still be built and thrown when memory has run out.
struct TExError
{
    static constexpr int LogSize = 512;
    static constexpr int FieldSize = 128;

    char Log[LogSize] = {};
    std::int32_t Id = -1;
    char ClassName[FieldSize] = {};
    char MethodName[FieldSize] = {};
    char Message[FieldSize] = {};

    // Sets the entry fields and appends "ClassName:MethodName - Message [id:Id]\n" to Log. Any of the three texts
    // may be null ("????" is stored). The message is a printf format; a text value is inserted unchanged, and a null
    // one as "(null)".
    template <typename... Values>
    void AddEntry(std::int32_t id, const char* className, const char* methodName, const char* messageFormat,
                  const Values&... values)
    {
        AddFormattedEntry(id, className, methodName, messageFormat, FormatArgument(values)...);
    }

private:
    void AddFormattedEntry(std::int32_t id, const char* className, const char* methodName, const char* messageFormat,
                           ...);

    static const char* FormatArgument(const char* text) { return text != nullptr ? text : "(null)"; }
    static const char* FormatArgument(char* text) { return FormatArgument(static_cast<const char*>(text)); }
    static const char* FormatArgument(const std::string& text) { return text.c_str(); }
    template <typename Number>
    requires std::is_arithmetic_v<Number>
    static Number FormatArgument(Number value) { return value; }
};
