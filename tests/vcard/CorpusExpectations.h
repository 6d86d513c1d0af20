#pragma once

#include "TVCard.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// The rows of the corpus's expected.tsv: what an independent reader found in each card.
struct TExpectedCard
{
    std::string File;
    int Index = 0;
    std::string Name;
    std::string Birthday;
    std::string Anniversary;
    std::string Notes;

    // The Sony Ericsson five-digit birthdays may read as a yearless date or as none.
    bool BirthdayIsJudgementCall() const { return Notes.find("not a date '0") != std::string::npos; }
};

inline std::string CorpusDir()
{
    return NELVORA_CORPUS_DIR;
}

inline std::vector<TExpectedCard> LoadExpectedCards()
{
    std::vector<TExpectedCard> rows;
    std::ifstream in(CorpusDir() + "/expected.tsv", std::ios::binary);
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> fields;
        std::size_t start = 0;
        while (true) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        fields.resize(9);
        // The independent reader keeps placeholder years (1900 and earlier); ours reads them as unknown.
        for (std::string* date : {&fields[3], &fields[4]})
            if (date->size() == 10 && date->compare(0, 4, "1900") <= 0)
                *date = "--" + date->substr(5);
        rows.push_back({fields[0], std::stoi(fields[1]), fields[2], fields[3], fields[4], fields[8]});
    }
    return rows;
}

inline std::string DateText(const std::optional<VCard::TVCardDate>& date)
{
    if (!date)
        return {};
    char text[16];
    if (date->Year == VCard::UnknownYear)
        std::snprintf(text, sizeof text, "--%02d-%02d", date->Month, date->Day);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date->Year, date->Month, date->Day);
    return text;
}
