#pragma once

#include "TEventReport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The report list as plain rows, written out for a terminal or as tab-separated values.
class TReportTable final : public IReportList
{
public:
    struct TRow
    {
        std::string Caption;
        std::intptr_t Data = 0;
        std::vector<std::string> SubItems;
    };

    void RemoveAllRows() override { m_rows.clear(); }
    void AppendRow(const std::string& caption, std::intptr_t data, const std::vector<std::string>& subItems) override;
    int RowCount() const override { return static_cast<int>(m_rows.size()); }

    const std::vector<TRow>& Rows() const { return m_rows; }

    // Headings on lines of their own, event rows beneath them in aligned columns.
    std::string Text() const;
    // One line per event row: group, name, event text, date, separated by tabs. Headings are left out.
    std::string Tsv() const;

private:
    std::vector<TRow> m_rows;
};

// The text made safe to print: control characters become blanks (a name must never break a line or a column, nor
// steer the terminal), and bytes that are not UTF-8 become U+FFFD.
std::string PrintableText(std::string_view text);

// Columns the printable text takes in a terminal: wide East Asian characters count two, combining marks none.
std::size_t DisplayWidth(std::string_view text);
