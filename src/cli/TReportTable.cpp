#include "TReportTable.h"

#include "Utf8.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 3> GroupNames = {"today", "tomorrow", "within"};
constexpr char32_t Replacement = 0xFFFD;

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances `pos`, or returns Replacement and
// skips one byte when the bytes there are not well-formed UTF-8 (overlong forms and surrogates included).
char32_t NextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    }
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return Replacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return Replacement;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return Replacement;
    }
    pos += length;
    return value;
}

bool IsControl(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029;
}

struct TRange
{
    char32_t First;
    char32_t Last;
};

bool InRanges(char32_t code, std::initializer_list<TRange> ranges)
{
    return std::any_of(ranges.begin(), ranges.end(),
                       [code](const TRange& range) { return code >= range.First && code <= range.Last; });
}

unsigned CodePointWidth(char32_t code)
{
    // Combining marks, zero-width characters and variation selectors take no column of their own.
    if (InRanges(code, {{0x0300, 0x036F},
                        {0x0483, 0x0489},
                        {0x0591, 0x05BD},
                        {0x0610, 0x061A},
                        {0x064B, 0x065F},
                        {0x0E31, 0x0E31},
                        {0x0E34, 0x0E3A},
                        {0x0E47, 0x0E4E},
                        {0x1AB0, 0x1AFF},
                        {0x1DC0, 0x1DFF},
                        {0x200B, 0x200F},
                        {0x202A, 0x202E},
                        {0x2060, 0x2064},
                        {0x20D0, 0x20FF},
                        {0xFE00, 0xFE0F},
                        {0xFE20, 0xFE2F},
                        {0xFEFF, 0xFEFF},
                        {0xE0100, 0xE01EF}}))
        return 0;
    if (InRanges(code, {{0x1100, 0x115F},
                        {0x231A, 0x231B},
                        {0x2E80, 0x303E},
                        {0x3041, 0x33FF},
                        {0x3400, 0x4DBF},
                        {0x4E00, 0x9FFF},
                        {0xA000, 0xA4CF},
                        {0xAC00, 0xD7A3},
                        {0xF900, 0xFAFF},
                        {0xFE30, 0xFE4F},
                        {0xFF00, 0xFF60},
                        {0xFFE0, 0xFFE6},
                        {0x1F300, 0x1F64F},
                        {0x1F900, 0x1F9FF},
                        {0x20000, 0x2FFFD},
                        {0x30000, 0x3FFFD}}))
        return 2;
    return 1;
}

std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

void AppendPadded(std::string& out, const std::string& text, std::size_t width)
{
    out += text;
    out.append(width - std::min(width, DisplayWidth(text)), ' ');
}

const std::string& SubItem(const TReportTable::TRow& row, std::size_t index)
{
    static const std::string empty;
    return index < row.SubItems.size() ? row.SubItems[index] : empty;
}

} // namespace

std::string PrintableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        if (byte >= 0x20 && byte < 0x7F) { // the common case, kept cheap
            out += static_cast<char>(byte);
            ++pos;
            continue;
        }
        const char32_t code = NextCodePoint(text, pos);
        AppendUtf8(out, IsControl(code) ? U' ' : code);
    }
    return out;
}

std::size_t DisplayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size();)
        width += CodePointWidth(NextCodePoint(text, pos));
    return width;
}

void TReportTable::AppendRow(const std::string& caption, std::intptr_t data, const std::vector<std::string>& subItems)
{
    TRow row{PrintableText(caption), data, {}};
    row.SubItems.reserve(subItems.size());
    for (const std::string& text : subItems)
        row.SubItems.push_back(PrintableText(text));
    m_rows.push_back(std::move(row));
}

std::string TReportTable::Text() const
{
    std::size_t nameWidth = 0;
    std::size_t eventWidth = 0;
    for (const TRow& row : m_rows) {
        if (row.Data == HeadingRowData)
            continue;
        nameWidth = std::max(nameWidth, DisplayWidth(row.Caption));
        eventWidth = std::max(eventWidth, DisplayWidth(TrimRight(SubItem(row, 0))));
    }

    std::string out;
    for (const TRow& row : m_rows) {
        if (row.Data == HeadingRowData) {
            out += TrimRight(SubItem(row, 0));
            out += '\n';
            continue;
        }
        out += "  ";
        AppendPadded(out, row.Caption, nameWidth);
        out += "  ";
        AppendPadded(out, std::string(TrimRight(SubItem(row, 0))), eventWidth);
        out += "  ";
        out += SubItem(row, 1);
        out.resize(TrimRight(out).size());
        out += '\n';
    }
    return out;
}

std::string TReportTable::Tsv() const
{
    std::string out;
    std::size_t headings = 0;
    for (const TRow& row : m_rows) {
        if (row.Data == HeadingRowData) {
            ++headings;
            continue;
        }
        if (headings == 0 || headings > GroupNames.size())
            continue;
        out += GroupNames[headings - 1];
        out += '\t';
        out += row.Caption;
        out += '\t';
        out += SubItem(row, 0);
        out += '\t';
        out += SubItem(row, 1);
        out += '\n';
    }
    return out;
}
