#include "CheckSummary.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace {

QString Tr(const char* text, int count = -1)
{
    return QCoreApplication::translate("TCheckSummary", text, nullptr, count);
}

// Links take their own colour, not the label's: grey it like the text, so the line stays quiet.
QString Link(const char* target, const QString& text, const QColor& colour)
{
    return QStringLiteral("<a href=\"%1\" style=\"color: %2\">%3</a>")
        .arg(QLatin1String(target), colour.name(), text.toHtmlEscaped());
}

} // namespace

TCheckSummary::TCheckSummary(QWidget* parent) : TClickLabel("lblCheckSummary", parent)
{
    setTextFormat(Qt::RichText);
    // The whole line is the one link: one Tab stop, pressed like the About page's link, not a label whose link
    // takes a second stop of its own.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::StrongFocus); // the flags above took it away
    setCursor(Qt::PointingHandCursor);
    OnClick = [this] { emit linkActivated(m_nothingFound ? QStringLiteral("help") : QStringLiteral("stores")); };
    connect(this, &QLabel::linkActivated, this, [this](const QString& link) {
        const auto& handler = link == QLatin1String("help") ? OnShowHelp : OnShowStores;
        if (handler)
            handler();
    });
}

void TCheckSummary::Show(std::size_t contacts, const std::vector<TStoreInfo>& stores)
{
    const std::size_t read = ReadStoreCount(stores);
    const int shownContacts = static_cast<int>(std::min<std::size_t>(contacts, INT_MAX));
    m_nothingFound = read == 0 && contacts == 0;
    // Quiet: the list is what the window is for.
    const QColor colour = palette().color(QPalette::Disabled, QPalette::WindowText);
    QString text;
    if (m_nothingFound) {
        text = Tr(QT_TRANSLATE_NOOP("TCheckSummary", "No address book found"));
    } else if (stores.empty()) {
        // An address book that keeps no list of its stores.
        text = Tr(QT_TRANSLATE_N_NOOP("TCheckSummary", "%Ln contacts"), shownContacts);
    } else {
        const QString books = Tr(QT_TRANSLATE_N_NOOP("TCheckSummary", "%Ln address books"),
                                 static_cast<int>(std::min<std::size_t>(read, INT_MAX)));
        text = Tr(QT_TRANSLATE_N_NOOP("TCheckSummary", "%Ln contacts from %1"), shownContacts).arg(books);
        // Online books read from their last copy: said here, the one place the window shows what it read.
        const auto stale =
            std::count_if(stores.begin(), stores.end(), [](const TStoreInfo& store) { return store.IsStale(); });
        if (stale > 0)
            //: Appended to the line below the list: online address books whose last sync failed, read from their copy.
            text += Tr(QT_TRANSLATE_N_NOOP("TCheckSummary", " (%Ln not synced, from the last copy)"),
                       static_cast<int>(stale));
        // Books of which some files could not be read: their cards are missing from the list.
        const auto partly =
            std::count_if(stores.begin(), stores.end(), [](const TStoreInfo& store) { return store.IsPartlyRead(); });
        if (partly > 0)
            //: Appended to the line below the list: address books of which some files could not be read.
            text += Tr(QT_TRANSLATE_N_NOOP("TCheckSummary", " (%Ln with files that cannot be read)"),
                       static_cast<int>(partly));
    }
    setText(Link(m_nothingFound ? "help" : "stores", text, colour));
    // Read as the words it shows, not as its markup.
    setAccessibleName(text);
}
