#pragma once

#include <iconv.h>

#include <string>
#include <string_view>
#include <vector>

// Value-level text decoding shared by the card reader: transfer encodings, character sets, escapes.
namespace VCard {

bool IEquals(std::string_view a, std::string_view b);
bool IStartsWith(std::string_view text, std::string_view prefix);
std::string_view TrimSpace(std::string_view text);

// Quoted-printable as phones write it: "=XX" pairs in either case; a malformed "=" is kept as written.
void DecodeQuotedPrintable(std::string_view in, std::string& out);

bool IsValidUtf8(std::string_view text);
void AppendWindows1252AsUtf8(std::string_view in, std::string& out);

// Converts value bytes to UTF-8. A named character set goes through iconv; when the set is unknown, missing or
// the bytes do not fit it, valid UTF-8 is kept and anything else is read as Windows-1252, the usual 8-bit set of
// the programs that write cards without saying which set they used. Conversion descriptors are kept for the life
// of the object, because opening one costs far more than converting a name.
class TCharsetConverter final
{
public:
    TCharsetConverter() = default;
    TCharsetConverter(const TCharsetConverter&) = delete;
    TCharsetConverter& operator=(const TCharsetConverter&) = delete;
    ~TCharsetConverter();

    void ToUtf8(std::string_view charset, std::string_view in, std::string& out);

private:
    iconv_t Open(std::string_view charset);
    bool Convert(iconv_t cd, std::string_view in, std::string& out);

    struct TEntry
    {
        std::string Charset;
        iconv_t Descriptor;
    };
    std::vector<TEntry> m_cache;
};

// Text value escapes of vCard 3 and 4 (also written by many 2.1 exporters): \\ \, \; \: \n \N.
void AppendUnescaped(std::string_view in, std::string& out);

// Splits at separators that are not escaped with a backslash; the parts keep their escapes.
std::vector<std::string_view> SplitUnescaped(std::string_view in, char separator);

} // namespace VCard
