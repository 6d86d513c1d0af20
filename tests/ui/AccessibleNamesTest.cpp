#include "FormFixture.h"

#include "InstallTranslations.h"

#include <QRegularExpression>
#include <QTreeWidget>

namespace {

class AccessibleNamesTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        // English as the program runs it: the singulars come from the English plural file.
        InstallTranslations(m_translations, {QStringLiteral("en")}, QStringLiteral(NELVORA_QM_DIR));
    }

    // What a reader should say for an event row, worked out from what the row shows and the heading above it.
    static QString SentenceFromColumns(const QTreeWidgetItem& row, const QString& heading)
    {
        static const QRegularExpression event(
            QStringLiteral(R"(^(bday|anniv)\.(?: (\d+))?(?: occurs in (\d+) days)? $)"));
        const QRegularExpressionMatch shown = event.match(row.text(1));
        if (!shown.hasMatch())
            return QStringLiteral("unreadable event column: ") + row.text(1);
        QStringList parts{row.text(0), shown.captured(1) == QLatin1String("bday") ? "birthday" : "anniversary"};
        if (shown.hasCaptured(2))
            parts << shown.captured(2) + (shown.captured(2) == QLatin1String("1") ? " year" : " years");
        if (heading == QLatin1String("Events for today"))
            parts << QStringLiteral("today");
        else if (heading == QLatin1String("Events for tomorrow"))
            parts << QStringLiteral("tomorrow");
        else
            parts << QStringLiteral("in %1 days").arg(shown.captured(3));
        parts << row.text(2);
        return parts.join(QStringLiteral(", "));
    }

private:
    QObject m_translations;
};

} // namespace

TEST_F(AccessibleNamesTest, EveryRowIsSpokenAsTheEventTheRowShows)
{
    WriteConfig(2, 15);
    // Today 15 June 2026. The window holds Ada's anniversary (3 days), Ben (5), Ada's birthday (10) and Dan (15):
    // not in name order, and Ada twice.
    FakeWab::Contacts = {
        {"Ada", FakeWab::TDay{1990, 6, 25}, FakeWab::TDay{2025, 6, 18}},
        {"Ben", FakeWab::TDay{1980, 6, 20}, std::nullopt},
        {"Cleo", FakeWab::TDay{1604, 6, 15}, FakeWab::TDay{2000, 6, 16}},
        {"Dan", FakeWab::TDay{1970, 6, 30}, std::nullopt},
    };
    Run();

    auto* list = Find<QTreeWidget>("lvEventList");
    ASSERT_EQ(list->topLevelItemCount(), 9);
    QString heading;
    QStringList spoken;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const QTreeWidgetItem& row = *list->topLevelItem(r);
        const QString text = row.data(0, Qt::AccessibleTextRole).toString();
        if (row.data(0, Qt::UserRole).toLongLong() == HeadingRowData) {
            heading = text;
            continue;
        }
        SCOPED_TRACE(row.text(0).toStdString() + " | " + row.text(1).toStdString());
        EXPECT_EQ(text, SentenceFromColumns(row, heading));
        spoken << text;
    }
    // The reader's own words, singulars included.
    EXPECT_EQ(spoken,
              QStringList({"Cleo, birthday, today, --06-15", "Cleo, anniversary, 26 years, tomorrow, 2000-06-16",
                           "Ada, anniversary, 1 year, in 3 days, 2025-06-18",
                           "Ben, birthday, 46 years, in 5 days, 1980-06-20",
                           "Ada, birthday, 36 years, in 10 days, 1990-06-25",
                           "Dan, birthday, 56 years, in 15 days, 1970-06-30"}));
    EXPECT_EQ(heading, QStringLiteral("Events within 15 days"));
}
