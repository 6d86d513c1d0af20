#include "VCardParser.h"

#include "TReachList.h"
#include "VCardText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace VCard {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Physical lines. A line ends at LF, CR LF, a lone CR, or the CR CR LF that some exporters write after a text-mode
// conversion of CR LF text; runs of CR before a LF are one line end so that folds after them still attach.
class TLineReader final
{
public:
    explicit TLineReader(std::string_view data) : m_data(data) {}

    bool Peek(std::string_view& line)
    {
        if (!m_peeked) {
            if (!Scan(m_pos, m_peekLine, m_peekNext))
                return false;
            m_peeked = true;
        }
        line = m_peekLine;
        return true;
    }

    bool Next(std::string_view& line)
    {
        if (!Peek(line))
            return false;
        m_pos = m_peekNext;
        m_peeked = false;
        return true;
    }

private:
    // The first CR or LF at or after `pos`, else `size`. Looking for the line end is most of the reader's work;
    // eight bytes are tested at a time, and the word that holds the end is then looked through byte by byte. Card
    // lines are short, so this beats two library searches per line.
    static std::size_t FindLineEnd(const char* data, std::size_t pos, std::size_t size)
    {
        constexpr std::uint64_t kOnes = 0x0101010101010101ull;
        constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
        while (size - pos >= 8) {
            std::uint64_t word;
            std::memcpy(&word, data + pos, sizeof word);
            const std::uint64_t lf = word ^ (kOnes * '\n');
            const std::uint64_t cr = word ^ (kOnes * '\r');
            // (x - 1) & ~x sets a byte's high bit where x has a zero byte; exact as a yes/no answer for the word.
            if ((((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHighBits)
                break;
            pos += sizeof word;
        }
        while (pos < size && data[pos] != '\n' && data[pos] != '\r')
            ++pos;
        return pos;
    }

    bool Scan(std::size_t pos, std::string_view& line, std::size_t& next) const
    {
        const std::size_t size = m_data.size();
        if (pos >= size)
            return false;
        const char* data = m_data.data();
        std::size_t end = FindLineEnd(data, pos, size);
        line = m_data.substr(pos, end - pos);
        while (end < size && data[end] == '\r')
            ++end;
        if (end < size && data[end] == '\n')
            ++end;
        next = end;
        return true;
    }

    std::string_view m_data;
    std::size_t m_pos = 0;
    bool m_peeked = false;
    std::string_view m_peekLine;
    std::size_t m_peekNext = 0;
};

bool IsFold(std::string_view line)
{
    return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

// Logical lines: physical lines with their folds joined. A line without folds is handed out in place.
class TLogicalReader final
{
public:
    explicit TLogicalReader(std::string_view data) : m_lines(data) {}

    bool Next(std::string_view& line)
    {
        std::string_view first;
        if (!m_lines.Next(first))
            return false;
        std::string_view next;
        if (!m_lines.Peek(next) || !IsFold(next)) {
            line = first;
            return true;
        }
        m_buffer.assign(first);
        AppendFolds();
        line = m_buffer;
        return true;
    }

    bool Peek(std::string_view& line) { return m_lines.Peek(line); }

    // Joins the next physical line (and its folds) to `line` after its first `keep` characters. Used where the
    // writer continued a quoted-printable value without folding.
    void AppendNext(std::string_view& line, std::size_t keep)
    {
        if (line.data() != m_buffer.data())
            m_buffer.assign(line.substr(0, keep));
        else
            m_buffer.resize(keep);
        std::string_view next;
        if (m_lines.Next(next)) {
            m_buffer.append(next);
            AppendFolds();
        }
        line = m_buffer;
    }

private:
    void AppendFolds()
    {
        std::string_view next;
        while (m_lines.Peek(next) && IsFold(next)) {
            m_buffer.append(next.substr(1));
            m_lines.Next(next);
        }
    }

    TLineReader m_lines;
    std::string m_buffer;
};

struct TContentLine
{
    std::string_view Group;
    std::string_view Name;
    std::string_view Params; // between the first ';' and the value's ':', empty when there are none
    std::string_view Value;
};

constexpr std::array<bool, 256> kNameChars = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
                   c == '.';
    return table;
}();

bool IsNameChar(char c)
{
    return kNameChars[static_cast<unsigned char>(c)];
}

// Where the [group.]name that opens `line` ends, and the last dot in it (kNone without a group). False unless a
// name with something after its group is followed by ';' or ':'.
bool ScanName(std::string_view line, std::size_t& end, std::size_t& dot)
{
    std::size_t i = 0;
    dot = kNone;
    while (i < line.size() && IsNameChar(line[i])) {
        if (line[i] == '.')
            dot = i;
        ++i;
    }
    end = i;
    return i != 0 && i != line.size() && (line[i] == ';' || line[i] == ':') && dot + 1 != i;
}

// The rest of a line whose name ScanName found. Parameter values may be quoted and then hold ':' and ';'.
bool SplitAfterName(std::string_view line, std::size_t i, std::size_t dot, TContentLine& out)
{
    if (dot == kNone) {
        out.Group = {};
        out.Name = line.substr(0, i);
    } else {
        out.Group = line.substr(0, dot);
        out.Name = line.substr(dot + 1, i - dot - 1);
    }
    if (line[i] == ':') {
        out.Params = {};
        out.Value = line.substr(i + 1);
        return true;
    }
    const std::size_t paramStart = i + 1;
    // Parameter values may be quoted and then hold ':'; quotes are rare, so look for both in one pass.
    std::size_t j = paramStart;
    while (j < line.size() && line[j] != ':' && line[j] != '"')
        ++j;
    if (j < line.size() && line[j] == '"') {
        const std::size_t firstColon = line.find(':', j);
        if (firstColon == kNone)
            return false;
        bool quoted = false;
        for (; j < line.size(); ++j) {
            if (line[j] == '"')
                quoted = !quoted;
            else if (line[j] == ':' && !quoted)
                break;
        }
        // An unbalanced quote: fall back to the first colon rather than lose the line.
        if (j == line.size())
            j = firstColon;
    }
    if (j >= line.size())
        return false;
    out.Params = line.substr(paramStart, j - paramStart);
    out.Value = line.substr(j + 1);
    return true;
}

// [group.]name[;params]:value.
bool SplitContentLine(std::string_view line, TContentLine& out)
{
    std::size_t end = 0;
    std::size_t dot = kNone;
    return ScanName(line, end, dot) && SplitAfterName(line, end, dot, out);
}

bool LooksLikeContentLine(std::string_view line)
{
    TContentLine ignored;
    return SplitContentLine(line, ignored);
}

// `name` is `upper` in any case. Only letters have a case: a byte masked with ~0x20 is an upper-case letter
// exactly when the byte is a letter.
bool IsUpper(std::string_view name, std::string_view upper)
{
    if (name.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char u = upper[i];
        const char c = (u >= 'A' && u <= 'Z') ? static_cast<char>(name[i] & ~0x20) : name[i];
        if (c != u)
            return false;
    }
    return true;
}

template <std::size_t N> bool Is(std::string_view name, const char (&literal)[N])
{
    return IsUpper(name, std::string_view(literal, N - 1));
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal digits only, at most nine of them so that the value always fits.
bool ReadNumber(std::string_view text, int& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

struct TParams
{
    bool QuotedPrintable = false;
    bool TextValue = false;
    bool UriValue = false;
    std::string_view Charset;
    std::string_view OmitYear;
    // Of EMAIL and TEL: vCard 4's PREF=1..100 (0: none), and the "pref" type of 3.0 and 2.1.
    int Pref = 0;
    bool TypePref = false;
    // Of TEL: a fax or pager number is no number to call, unless it takes voice calls as well.
    bool NotForCalls = false;
    bool ForCalls = false;
};

// One type of a TYPE list, or a bare parameter of vCard 2.1 (";PREF;CELL").
void NoteType(std::string_view type, TParams& params)
{
    type = TrimSpace(type);
    if (Is(type, "PREF"))
        params.TypePref = true;
    else if (Is(type, "FAX") || Is(type, "PAGER"))
        params.NotForCalls = true;
    else if (Is(type, "VOICE") || Is(type, "CELL"))
        params.ForCalls = true;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

TParams ParseParams(std::string_view params)
{
    TParams result;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i <= params.size(); ++i) {
        if (i < params.size()) {
            if (params[i] == '"')
                quoted = !quoted;
            if (params[i] != ';' || quoted)
                continue;
        }
        const std::string_view token = params.substr(start, i - start);
        start = i + 1;
        const std::size_t eq = token.find('=');
        // vCard 2.1 writes bare values: ";QUOTED-PRINTABLE", ";CHARSET=..." both occur.
        const std::string_view name = eq == kNone ? std::string_view{} : TrimSpace(token.substr(0, eq));
        const std::string_view value = Unquote(TrimSpace(eq == kNone ? token : token.substr(eq + 1)));
        if (name.empty() || Is(name, "ENCODING")) {
            if (Is(value, "QUOTED-PRINTABLE"))
                result.QuotedPrintable = true;
            else if (name.empty())
                NoteType(value, result);
        } else if (Is(name, "CHARSET")) {
            result.Charset = value;
        } else if (Is(name, "VALUE")) {
            result.TextValue = Is(value, "TEXT");
            result.UriValue = Is(value, "URI");
        } else if (Is(name, "TYPE")) {
            for (std::size_t from = 0; from <= value.size();) {
                const std::size_t comma = std::min(value.find(',', from), value.size());
                NoteType(value.substr(from, comma - from), result);
                from = comma + 1;
            }
        } else if (Is(name, "PREF")) {
            int pref = 0;
            if (ReadNumber(value, pref) && pref >= 1)
                result.Pref = std::min(pref, 100);
        } else if (Is(name, "X-APPLE-OMIT-YEAR")) {
            result.OmitYear = value;
        }
    }
    return result;
}

enum class TKind {
    Other,
    Begin,
    End,
    Version,
    Fn,
    N,
    Bday,
    Anniversary,
    AbDate,
    AbLabel,
    AndroidCustom,
    Uid,
    Kind,
    Agent,
    NoReminders,
    Email,
    Tel,
};

struct TKnownProperty
{
    std::string_view Name;
    TKind Kind;
    int Rank; // anniversary sources: lower wins
};

// The anniversary sources in the order of preference: the standard property first, then the vendor forms.
constexpr TKnownProperty kKnown[] = {
    {"BEGIN", TKind::Begin, 0},
    {"END", TKind::End, 0},
    {"VERSION", TKind::Version, 0},
    {"FN", TKind::Fn, 0},
    {"N", TKind::N, 0},
    {"BDAY", TKind::Bday, 0},
    {"ANNIVERSARY", TKind::Anniversary, 0},
    {"X-ANNIVERSARY", TKind::Anniversary, 1},
    {"X-EVOLUTION-ANNIVERSARY", TKind::Anniversary, 2},
    {"X-MS-ANNIVERSARY", TKind::Anniversary, 3},
    {"X-KADDRESSBOOK-X-ANNIVERSARY", TKind::Anniversary, 4},
    {"X-WAB-WEDDING_ANNIVERSARY", TKind::Anniversary, 5},
    {"X-ABDATE", TKind::AbDate, 6},
    {"X-ABLABEL", TKind::AbLabel, 0},
    {"X-ANDROID-CUSTOM", TKind::AndroidCustom, 7},
    {"UID", TKind::Uid, 0},
    {"KIND", TKind::Kind, 0},
    {"X-ADDRESSBOOKSERVER-KIND", TKind::Kind, 0},
    {"AGENT", TKind::Agent, 0},
    {"X-NC-EXCLUDE-FROM-BIRTHDAY-CALENDAR", TKind::NoReminders, 0},
    {"EMAIL", TKind::Email, 0},
    {"TEL", TKind::Tel, 0},
};
constexpr int kAnniversaryRanks = 8;
constexpr int kAbDateRank = 6;

// Classify picks these entries by position.
static_assert(kKnown[0].Name == "BEGIN" && kKnown[1].Name == "END" && kKnown[2].Name == "VERSION" &&
              kKnown[3].Name == "FN" && kKnown[4].Name == "N" && kKnown[5].Name == "BDAY" &&
              kKnown[6].Name == "ANNIVERSARY" && kKnown[15].Name == "UID" && kKnown[16].Name == "KIND" &&
              kKnown[18].Name == "AGENT" && kKnown[20].Name == "EMAIL" && kKnown[21].Name == "TEL");

const TKnownProperty* Classify(std::string_view key)
{
    // Called for every line of every card: most names fail on length alone, the rest on a compare without a copy.
    int index = -1;
    switch (key.size()) {
    case 1:
        index = Is(key, "N") ? 4 : -1;
        break;
    case 2:
        index = Is(key, "FN") ? 3 : -1;
        break;
    case 3:
        index = Is(key, "END") ? 1 : Is(key, "UID") ? 15 : Is(key, "TEL") ? 21 : -1;
        break;
    case 4:
        index = Is(key, "BDAY") ? 5 : Is(key, "KIND") ? 16 : -1;
        break;
    case 5:
        index = Is(key, "BEGIN") ? 0 : Is(key, "AGENT") ? 18 : Is(key, "EMAIL") ? 20 : -1;
        break;
    case 7:
        index = Is(key, "VERSION") ? 2 : -1;
        break;
    default:
        if (key.size() >= 8 && (key[0] & ~0x20) == 'X' && key[1] == '-') {
            for (int i = 7; i < static_cast<int>(std::size(kKnown)); ++i)
                if (IsUpper(key, kKnown[i].Name))
                    return &kKnown[i];
            return nullptr;
        }
        if (Is(key, "ANNIVERSARY"))
            index = 6;
        break;
    }
    return index < 0 ? nullptr : &kKnown[index];
}

// The first `upper` or its lower-case form at or after `from`. string_view::find_first_of would search the
// two-letter set once for every byte of the text.
std::size_t FindLetter(std::string_view text, char upper, std::size_t from = 0)
{
    const char lower = static_cast<char>(upper - 'A' + 'a');
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] == upper || text[i] == lower)
            return i;
    return kNone;
}

// Only the transfer encoding matters for a property the reader does not keep: it decides how lines continue.
bool SaysQuotedPrintable(std::string_view params)
{
    for (std::size_t at = FindLetter(params, 'Q'); at != kNone; at = FindLetter(params, 'Q', at + 1))
        if (IStartsWith(params.substr(at), "QUOTED-PRINTABLE"))
            return true;
    return false;
}

// Where the parameters that open `rest` end: the first colon outside quotes, else the first colon at all (an
// unbalanced quote), else none. The same place SplitContentLine finds, in one pass; `hasQ` tells whether a 'Q' was
// passed on the way, without which no parameter can say quoted-printable.
std::size_t ParamsEnd(std::string_view rest, bool& hasQ)
{
    static constexpr std::array<bool, 256> kStops = [] {
        std::array<bool, 256> table{};
        table['"'] = table[':'] = table['Q'] = table['q'] = true;
        return table;
    }();
    std::size_t firstColon = kNone;
    bool quoted = false;
    for (std::size_t j = 0; j < rest.size(); ++j) {
        // Parameter text is mostly letters, digits and '=': skip to the next byte that matters.
        while (!kStops[static_cast<unsigned char>(rest[j])])
            if (++j == rest.size())
                return firstColon;
        const char c = rest[j];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ':') {
            if (!quoted)
                return j;
            if (firstColon == kNone)
                firstColon = j;
        } else {
            hasQ = true;
        }
    }
    return firstColon;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0))
        return 29;
    return kDays[month - 1];
}

std::string_view WithoutByteOrderMark(std::string_view bytes)
{
    // A byte order mark would otherwise hide the first BEGIN.
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return bytes;
}

// Where the last line that starts with "BEGIN:" starts, else 0. No line before it goes on into it: it is no fold,
// and a quoted-printable value stops in front of it.
std::size_t LastBeginLine(std::string_view bytes)
{
    for (std::size_t at = bytes.size(); at-- > 1;)
        if ((bytes[at - 1] == '\n' || bytes[at - 1] == '\r') && IStartsWith(bytes.substr(at), "BEGIN:"))
            return at;
    return 0;
}

} // namespace

class TCardReader final
{
public:
    explicit TCardReader(std::vector<TVCard>& cards) : m_cards(cards) {}

    void Run(std::string_view bytes)
    {
        // A text read after another starts afresh: End left no card open.
        m_lastWasAgent = false;
        Read(WithoutByteOrderMark(bytes));
        End();
    }

    // Reads whole lines; the card being read may go on in the lines of the next call.
    void Read(std::string_view bytes)
    {
        TLogicalReader reader(bytes);
        std::string_view line;
        TContentLine content;
        while (reader.Next(line)) {
            // Most lines are properties the reader ignores (ADR, NOTE, PHOTO, ...): their name decides that before
            // the rest of the line is split, and only a parameter list that may name quoted-printable is looked at.
            std::size_t nameEnd = 0;
            std::size_t dot = kNone;
            if (!ScanName(line, nameEnd, dot))
                continue;
            const std::string_view name =
                dot == kNone ? line.substr(0, nameEnd) : line.substr(dot + 1, nameEnd - dot - 1);
            const TKnownProperty* known = Classify(name);
            if (!known) {
                if (line[nameEnd] == ':') {
                    m_lastWasAgent = false;
                    continue;
                }
                const std::string_view rest = line.substr(nameEnd + 1);
                bool mayNameIt = false;
                const std::size_t paramsEnd = ParamsEnd(rest, mayNameIt);
                // Without a colon the line is no property at all.
                if (paramsEnd == kNone)
                    continue;
                m_lastWasAgent = false;
                if (mayNameIt && SaysQuotedPrintable(rest.substr(0, paramsEnd)))
                    JoinQuotedPrintable(reader, line);
                continue;
            }
            if (!SplitAfterName(line, nameEnd, dot, content))
                continue;
            TParams params = content.Params.empty() ? TParams{} : ParseParams(content.Params);
            if (params.QuotedPrintable && JoinQuotedPrintable(reader, line)) {
                SplitContentLine(line, content);
                params = ParseParams(content.Params);
            }
            Handle(content, params, *known);
        }
    }

    // The end of the text: a card that never ended is kept.
    void End()
    {
        if (m_inCard)
            Finish();
    }

private:
    // Quoted-printable values continue on the next line after a soft break ("=" at the end). Some phones also
    // break the value without the "=", leaving a line that is no property at all; that line belongs to the value.
    static bool JoinQuotedPrintable(TLogicalReader& reader, std::string_view& line)
    {
        bool joined = false;
        std::string_view next;
        while (reader.Peek(next)) {
            if (!line.empty() && line.back() == '=') {
                // A stray "=" before the end of the card must not swallow it.
                if (IStartsWith(next, "END:") || IStartsWith(next, "BEGIN:"))
                    break;
                reader.AppendNext(line, line.size() - 1);
            } else if (!next.empty() && !LooksLikeContentLine(next)) {
                reader.AppendNext(line, line.size());
            } else {
                break;
            }
            joined = true;
        }
        return joined;
    }

    void Handle(const TContentLine& line, const TParams& params, const TKnownProperty& known)
    {
        const TKind kind = known.Kind;
        const bool afterAgent = m_lastWasAgent;
        m_lastWasAgent = false;

        if (!m_inCard) {
            if (kind == TKind::Begin)
                StartIfCard(TrimSpace(line.Value));
            return;
        }
        if (m_nested > 0) {
            // Inside a vCard 2.1 AGENT: another person's card, not this contact's data.
            if (kind == TKind::Begin)
                ++m_nested;
            else if (kind == TKind::End)
                --m_nested;
            return;
        }

        switch (kind) {
        case TKind::Other:
            return;
        case TKind::Begin: {
            const std::string_view what = TrimSpace(line.Value);
            if (!IEquals(what, "VCARD") && !IEquals(what, "VLIST"))
                return;
            if (afterAgent) {
                m_nested = 1;
                return;
            }
            // A card that never ended: keep it, and start the next.
            Finish();
            StartIfCard(what);
            return;
        }
        case TKind::End:
            Finish();
            return;
        case TKind::Version: {
            const std::string_view version = TrimSpace(line.Value);
            m_version21 = IStartsWith(version, "2.") || IStartsWith(version, "1.");
            return;
        }
        case TKind::Agent:
            m_lastWasAgent = TrimSpace(line.Value).empty();
            return;
        case TKind::NoReminders:
            m_noReminders = true;
            return;
        default:
            break;
        }

        const std::string_view value = Decode(line, params);
        switch (kind) {
        case TKind::Fn:
            if (m_fn.empty())
                m_fn.assign(TrimSpace(value));
            break;
        case TKind::N:
            if (!m_hasN) {
                m_n.assign(value);
                m_hasN = true;
            }
            break;
        case TKind::Uid:
            if (m_uid.empty())
                m_uid.assign(TrimSpace(value));
            break;
        case TKind::Kind:
            if (IEquals(TrimSpace(value), "group"))
                m_isGroup = true;
            break;
        case TKind::Bday:
            if (!m_birthday)
                m_birthday = ReadDate(value, params);
            break;
        case TKind::Anniversary:
            if (!m_anniversary[known.Rank])
                m_anniversary[known.Rank] = ReadDate(value, params);
            break;
        case TKind::AbDate:
            // Apple's dates say what they are only through the label of their group.
            if (!line.Group.empty())
                if (auto date = ReadDate(value, params))
                    m_abDates.push_back({std::string(line.Group), *date});
            break;
        case TKind::AbLabel: {
            const std::string_view label = TrimSpace(value);
            if (!line.Group.empty() && (label == "_$!<Anniversary>!$_" || IEquals(label, "Anniversary")))
                m_anniversaryGroups.emplace_back(line.Group);
            break;
        }
        case TKind::AndroidCustom:
            if (!m_anniversary[known.Rank])
                m_anniversary[known.Rank] = ReadAndroidEvent(value);
            break;
        case TKind::Email:
            AddReach(m_emails, value, params);
            break;
        case TKind::Tel:
            if (params.NotForCalls && !params.ForCalls)
                break;
            // A URI value of another scheme (sip:, for one) is no phone number.
            if (params.UriValue && !IStartsWith(TrimSpace(value), "tel:"))
                break;
            AddReach(m_phones, value, params);
            break;
        default:
            break;
        }
    }

    void AddReach(TReachList& list, std::string_view value, const TParams& params)
    {
        int rank = params.Pref != 0 ? params.Pref : TReachList::Unranked;
        if (params.TypePref)
            rank = 1;
        m_reachBuffer.clear();
        AppendUnescaped(value, m_reachBuffer);
        list.Add(m_reachBuffer, rank);
    }

    std::string_view Decode(const TContentLine& line, const TParams& params)
    {
        std::string_view raw = line.Value;
        // The common value: plain UTF-8 with no charset to convert from is used where it lies.
        if (!params.QuotedPrintable && params.Charset.empty() && IsValidUtf8(raw))
            return raw;
        if (params.QuotedPrintable) {
            m_qpBuffer.clear();
            DecodeQuotedPrintable(raw, m_qpBuffer);
            raw = m_qpBuffer;
        }
        m_valueBuffer.clear();
        m_converter.ToUtf8(params.Charset, raw, m_valueBuffer);
        return m_valueBuffer;
    }

    static std::optional<TVCardDate> ReadDate(std::string_view value, const TParams& params)
    {
        // vCard 4 allows free text such as "circa 1800"; it is no date.
        if (params.TextValue)
            return std::nullopt;
        auto date = ParseVCardDate(value);
        int omitted = 0;
        if (date && ReadNumber(params.OmitYear, omitted) && omitted == date->Year)
            date->Year = UnknownYear;
        return date;
    }

    // vnd.android.cursor.item/contact_event;DATE;TYPE;LABEL;... where TYPE 1 is the anniversary.
    static std::optional<TVCardDate> ReadAndroidEvent(std::string_view value)
    {
        std::array<std::string_view, 3> fields;
        std::size_t count = 0;
        std::size_t start = 0;
        while (count < fields.size()) {
            const std::size_t semicolon = value.find(';', start);
            fields[count++] = value.substr(start, semicolon == kNone ? kNone : semicolon - start);
            if (semicolon == kNone)
                break;
            start = semicolon + 1;
        }
        if (count < 3 || !IEquals(TrimSpace(fields[0]), "vnd.android.cursor.item/contact_event") ||
            TrimSpace(fields[2]) != "1")
            return std::nullopt;
        return ParseVCardDate(fields[1]);
    }

    void StartIfCard(std::string_view what)
    {
        const bool isList = IEquals(what, "VLIST");
        if (!isList && !IEquals(what, "VCARD"))
            return;
        m_inCard = true;
        m_isGroup = isList;
    }

    void AppendNamePart(std::string_view part, std::string& name) const
    {
        // vCard 3 and 4 separate several values of one N component with commas; 2.1 has no such lists.
        std::vector<std::string_view> values;
        if (m_version21)
            values.push_back(part);
        else
            values = SplitUnescaped(part, ',');
        for (std::string_view value : values) {
            std::string text;
            AppendUnescaped(value, text);
            const std::string_view trimmed = TrimSpace(text);
            if (trimmed.empty())
                continue;
            if (!name.empty())
                name.push_back(' ');
            name.append(trimmed);
        }
    }

    std::string ComposeName() const
    {
        std::string name;
        if (!m_fn.empty())
            AppendUnescaped(m_fn, name);
        if (TrimSpace(name).empty() && m_hasN) {
            name.clear();
            const auto parts = SplitUnescaped(m_n, ';');
            // N is family;given;additional;prefix;suffix; a name reads prefix given additional family suffix.
            for (std::size_t index : {3u, 1u, 2u, 0u, 4u})
                if (index < parts.size())
                    AppendNamePart(parts[index], name);
        }
        // A line break in a name would break every list and report that shows it.
        for (char& c : name)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                c = ' ';
        // Trimmed in place: a copy would cost a second allocation for every card.
        const std::string_view trimmed = TrimSpace(name);
        const auto start = static_cast<std::size_t>(trimmed.data() - name.data());
        name.erase(start + trimmed.size());
        name.erase(0, start);
        return name;
    }

    void Finish()
    {
        TVCard card;
        card.Name = ComposeName();
        card.Birthday = m_birthday;
        for (int rank = 0; rank < kAnniversaryRanks && !card.Anniversary; ++rank) {
            if (rank == kAbDateRank) {
                for (const auto& [group, date] : m_abDates) {
                    for (const auto& labelled : m_anniversaryGroups)
                        if (IEquals(group, labelled)) {
                            card.Anniversary = date;
                            break;
                        }
                    if (card.Anniversary)
                        break;
                }
            } else {
                card.Anniversary = m_anniversary[rank];
            }
        }
        card.Uid = m_uid;
        card.IsGroup = m_isGroup;
        card.NoReminders = m_noReminders;
        card.Emails = m_emails.Take();
        card.Phones = m_phones.Take();
        m_cards.push_back(std::move(card));

        m_inCard = false;
        m_isGroup = false;
        m_noReminders = false;
        m_version21 = false;
        m_hasN = false;
        m_nested = 0;
        m_fn.clear();
        m_n.clear();
        m_uid.clear();
        m_birthday.reset();
        m_anniversary.fill(std::nullopt);
        m_abDates.clear();
        m_anniversaryGroups.clear();
    }

    std::vector<TVCard>& m_cards;
    TCharsetConverter m_converter;
    std::string m_qpBuffer;
    std::string m_valueBuffer;
    std::string m_reachBuffer;

    bool m_inCard = false;
    bool m_isGroup = false;
    bool m_noReminders = false;
    bool m_version21 = false;
    bool m_lastWasAgent = false;
    int m_nested = 0;
    std::string m_fn;
    std::string m_n;
    bool m_hasN = false;
    std::string m_uid;
    std::optional<TVCardDate> m_birthday;
    std::array<std::optional<TVCardDate>, kAnniversaryRanks> m_anniversary;
    std::vector<std::pair<std::string, TVCardDate>> m_abDates;
    std::vector<std::string> m_anniversaryGroups;
    TReachList m_emails{TReachList::TKind::Email};
    TReachList m_phones{TReachList::TKind::Phone};
};

std::optional<TVCardDate> ParseVCardDate(std::string_view value)
{
    value = TrimSpace(value);
    // The time part and its zone are dropped, never applied: the card means the calendar day it writes.
    const std::size_t time = FindLetter(value, 'T');
    if (time != kNone)
        value = value.substr(0, time);

    int year = 0;
    int month = 0;
    int day = 0;
    bool yearKnown = true;
    if (value.size() >= 2 && value.substr(0, 2) == "--") {
        const std::string_view rest = value.substr(2);
        yearKnown = false;
        if (rest.size() == 4) {
            if (!ReadNumber(rest.substr(0, 2), month) || !ReadNumber(rest.substr(2, 2), day))
                return std::nullopt;
        } else if (rest.size() == 5 && rest[2] == '-') {
            if (!ReadNumber(rest.substr(0, 2), month) || !ReadNumber(rest.substr(3, 2), day))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    } else if (value.size() == 10 && value[4] == '-' && value[7] == '-') {
        if (!ReadNumber(value.substr(0, 4), year) || !ReadNumber(value.substr(5, 2), month) ||
            !ReadNumber(value.substr(8, 2), day))
            return std::nullopt;
    } else if (value.size() == 8) {
        if (!ReadNumber(value.substr(0, 4), year) || !ReadNumber(value.substr(4, 2), month) ||
            !ReadNumber(value.substr(6, 2), day))
            return std::nullopt;
    } else if (value.size() == 5 && value[0] == '0') {
        // Sony Ericsson phones write a yearless birthday as year digit 0 followed by MMDD.
        yearKnown = false;
        if (!ReadNumber(value.substr(1, 2), month) || !ReadNumber(value.substr(3, 2), day))
            return std::nullopt;
    } else {
        return std::nullopt;
    }

    // khard and several phones store a year-less date with the placeholder year 1900; no one alive was born then or
    // earlier, so such years mean "unknown" as well.
    if (!yearKnown || year <= PlaceholderYearLimit)
        year = UnknownYear;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    return TVCardDate{static_cast<std::int16_t>(year), static_cast<std::uint8_t>(month),
                      static_cast<std::uint8_t>(day)};
}

TVCardStream::TVCardStream(std::vector<TVCard>& cards) : m_reader(std::make_unique<TCardReader>(cards)) {}

TVCardStream::~TVCardStream() = default;

std::size_t TVCardStream::Append(std::string_view bytes, bool last)
{
    const std::size_t taken = last ? bytes.size() : LastBeginLine(bytes);
    if (taken == 0 && !last)
        return 0;
    std::string_view part = bytes.substr(0, taken);
    if (!m_started)
        part = WithoutByteOrderMark(part);
    m_started = true;
    m_reader->Read(part);
    if (last)
        m_reader->End();
    return taken;
}

TVCardTexts::TVCardTexts(std::vector<TVCard>& cards) : m_reader(std::make_unique<TCardReader>(cards)) {}

TVCardTexts::~TVCardTexts() = default;

void TVCardTexts::Read(std::string_view bytes)
{
    m_reader->Run(bytes);
}

void ParseVCards(std::string_view bytes, std::vector<TVCard>& cards)
{
    TCardReader reader(cards);
    reader.Run(bytes);
}

std::vector<TVCard> ParseVCards(std::string_view bytes)
{
    std::vector<TVCard> cards;
    ParseVCards(bytes, cards);
    return cards;
}

} // namespace VCard
