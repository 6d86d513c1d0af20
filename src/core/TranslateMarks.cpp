#include "TranslateMarks.h"

namespace {

std::string Replaced(std::string text, const std::string& placeholder, const std::string& value)
{
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

} // namespace

std::string TranslateOrEnglish(TTranslate translate, const char* context, const char* text, int n)
{
    if (translate != nullptr)
        return translate(context, text, n);
    return n < 0 ? std::string(text) : Replaced(text, "%n", std::to_string(n));
}

std::string ReplaceArgument(std::string text, int number, const std::string& value)
{
    // Appended rather than "%" + ...: GCC 12 at -O3 warns falsely (-Wrestrict) about a literal joined to a temporary.
    return Replaced(std::move(text), std::string("%").append(std::to_string(number)), value);
}
