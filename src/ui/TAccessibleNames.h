#pragma once

#include "TEventReport.h"

#include <QCoreApplication>
#include <QString>

class QTreeWidget;
class QWidget;

// What a screen reader says for the main window: the names and descriptions of its controls, and the text of each
// row of the event list. Every text goes through the translations.
class TAccessibleNames final
{
    Q_DECLARE_TR_FUNCTIONS(TAccessibleNames)

public:
    // Names the controls of a built main window, found by their object names; controls it does not hold are passed
    // over. The picture and the home-page link of the About page become a button and a link that can be pressed.
    static void NameControls(QWidget& window);

    // Gives the rows that FillEventList has just written their spoken text: a heading row reads as its heading, an
    // event row as one sentence made from its own row of ReportRows ("Ada Lovelace, birthday, 36 years, today,
    // 08/12/1990"). The visible columns are not touched. A list that does not hold the rows of `source` keeps its
    // visible texts.
    static void DescribeRows(QTreeWidget& list, const TReportSource& source);

private:
    static QString HeadingText(DueCategory category, std::int32_t forwardDays);
    static QString YearsText(std::int32_t years);
    static QString WhenText(DueCategory category, std::int32_t days);
};
