#include "VCardText.h"

#include <cerrno>
#include <cstdint>

namespace VCard {

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void AppendCodePoint(std::uint32_t cp, std::string& out)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 controls of the same value.
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsUtf8Name(std::string_view charset)
{
    return IEquals(charset, "UTF-8") || IEquals(charset, "UTF8") || IEquals(charset, "US-ASCII") ||
           IEquals(charset, "ASCII");
}

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

} // namespace

bool IEquals(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

bool IStartsWith(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && IEquals(text.substr(0, prefix.size()), prefix);
}

std::string_view TrimSpace(std::string_view text)
{
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

void DecodeQuotedPrintable(std::string_view in, std::string& out)
{
    out.reserve(out.size() + in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        // A soft break left at the very end of the value carries nothing.
        if (c == '=' && i + 1 == in.size())
            break;
        if (c == '=' && i + 2 < in.size()) {
            const int hi = HexValue(in[i + 1]);
            const int lo = HexValue(in[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out.push_back(static_cast<char>(hi * 16 + lo));
                i += 2;
                continue;
            }
        }
        out.push_back(c);
    }
}

bool IsValidUtf8(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        // Runs of ASCII dominate real cards; skip them eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            __builtin_memcpy(&word, p, 8);
            if (word & 0x8080808080808080ull)
                break;
            p += 8;
        }
        if (p >= end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length;
        std::uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        for (int k = 1; k < length; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[k] & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += length;
    }
    return true;
}

void AppendWindows1252AsUtf8(std::string_view in, std::string& out)
{
    out.reserve(out.size() + in.size() * 2);
    for (char ch : in) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out.push_back(ch);
        else if (c < 0xA0)
            AppendCodePoint(kCp1252High[c - 0x80], out);
        else
            AppendCodePoint(c, out);
    }
}

TCharsetConverter::~TCharsetConverter()
{
    for (auto& entry : m_cache)
        if (entry.Descriptor != kNoDescriptor)
            iconv_close(entry.Descriptor);
}

iconv_t TCharsetConverter::Open(std::string_view charset)
{
    for (auto& entry : m_cache)
        if (IEquals(entry.Charset, charset))
            return entry.Descriptor;
    // Charset names come from untrusted files: keep the cache bounded and the names short.
    if (charset.size() > 40 || m_cache.size() >= 16)
        return kNoDescriptor;
    const std::string name(charset);
    const iconv_t cd = iconv_open("UTF-8", name.c_str());
    m_cache.push_back({name, cd});
    return cd;
}

bool TCharsetConverter::Convert(iconv_t cd, std::string_view in, std::string& out)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const std::size_t start = out.size();
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t used = start;
    out.resize(start + in.size() * 2 + 16);
    while (true) {
        char* dst = out.data() + used;
        std::size_t dstLeft = out.size() - used;
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        used = static_cast<std::size_t>(dst - out.data());
        if (rc != static_cast<std::size_t>(-1)) {
            // Flush a stateful encoding's shift sequence.
            dstLeft = out.size() - used;
            if (dstLeft < 16) {
                out.resize(out.size() + 16);
                dst = out.data() + used;
                dstLeft = out.size() - used;
            }
            iconv(cd, nullptr, nullptr, &dst, &dstLeft);
            used = static_cast<std::size_t>(dst - out.data());
            out.resize(used);
            return true;
        }
        if (errno != E2BIG) {
            out.resize(start);
            return false;
        }
        out.resize(out.size() * 2);
    }
}

void TCharsetConverter::ToUtf8(std::string_view charset, std::string_view in, std::string& out)
{
    if (!charset.empty() && !IsUtf8Name(charset)) {
        const iconv_t cd = Open(charset);
        if (cd != kNoDescriptor && Convert(cd, in, out))
            return;
    }
    if (IsValidUtf8(in))
        out.append(in);
    else
        AppendWindows1252AsUtf8(in, out);
}

void AppendUnescaped(std::string_view in, std::string& out)
{
    out.reserve(out.size() + in.size());
    // Most values hold no escape at all: the text between backslashes is appended in one piece.
    std::size_t start = 0;
    for (std::size_t i = in.find('\\'); i != std::string_view::npos; i = in.find('\\', i + 1)) {
        if (i + 1 == in.size())
            break;
        const char next = in[i + 1];
        char replacement;
        if (next == 'n' || next == 'N')
            replacement = '\n';
        else if (next == '\\' || next == ',' || next == ';' || next == ':')
            replacement = next;
        else
            continue;
        out.append(in.substr(start, i - start));
        out.push_back(replacement);
        start = ++i + 1;
    }
    out.append(in.substr(start));
}

std::vector<std::string_view> SplitUnescaped(std::string_view in, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '\\') {
            ++i;
            continue;
        }
        if (in[i] == separator) {
            parts.push_back(in.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(in.substr(start));
    return parts;
}

} // namespace VCard
