#pragma once

#include "TVCard.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace VCard {

// Every card of a vCard 2.1, 3.0 or 4.0 text, in order, including cards that lack END (cut-off exports).
// Never fails and never throws on bad bytes: what cannot be read is left out of the card.
std::vector<TVCard> ParseVCards(std::string_view bytes);
// The same, appending to `cards`, so that one list can collect many files without copying.
void ParseVCards(std::string_view bytes, std::vector<TVCard>& cards);

class TCardReader;

// ParseVCards over a text that arrives in parts, so that a large file need not be held whole. A line must reach
// the reader together with the lines that continue it, so Append reads `bytes` only up to its last line that starts
// with "BEGIN:" and returns how much that is (0: nothing yet); the caller hands the rest over again together with
// the text that follows it. The last part (`last`) is read whole, and ends the text.
class TVCardStream final
{
public:
    explicit TVCardStream(std::vector<TVCard>& cards);
    TVCardStream(const TVCardStream&) = delete;
    TVCardStream& operator=(const TVCardStream&) = delete;
    ~TVCardStream();

    std::size_t Append(std::string_view bytes, bool last);

private:
    std::unique_ptr<TCardReader> m_reader;
    bool m_started = false;
};

// ParseVCards over many separate texts (a database keeps one card per row), each read exactly as ParseVCards reads
// it alone, appending to one list. One reader serves them all, so its buffers are made once, not once a card.
class TVCardTexts final
{
public:
    explicit TVCardTexts(std::vector<TVCard>& cards);
    TVCardTexts(const TVCardTexts&) = delete;
    TVCardTexts& operator=(const TVCardTexts&) = delete;
    ~TVCardTexts();

    void Read(std::string_view bytes);

private:
    std::unique_ptr<TCardReader> m_reader;
};

// A BDAY or ANNIVERSARY value: YYYY-MM-DD, YYYYMMDD, --MM-DD, --MMDD, each optionally followed by a time part
// (ignored), and the Sony Ericsson yearless 0MMDD. Year 0 and an unknown year give UnknownYear. Anything else,
// or a day that does not exist, gives nothing.
std::optional<TVCardDate> ParseVCardDate(std::string_view value);

} // namespace VCard
