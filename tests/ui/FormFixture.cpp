#include "FormFixture.h"

#include "TWindowTimer.h"

#include <QTabWidget>
#include <QTreeWidget>

bool FormFixture::OptionsTabVisible() const
{
    auto* pages = Form->findChild<QTabWidget*>(QStringLiteral("PageControl"));
    auto* sheet = Form->findChild<QWidget*>(QStringLiteral("OptionsSheet"));
    return pages->isTabVisible(pages->indexOf(sheet));
}

int FormFixture::RowCount() const
{
    return Form->findChild<QTreeWidget*>(QStringLiteral("lvEventList"))->topLevelItemCount();
}

bool FormFixture::TimerEnabled(const char* name) const
{
    auto* timer = dynamic_cast<TWindowTimer*>(Form->findChild<QTimer*>(QString::fromLatin1(name)));
    return timer != nullptr && timer->Enabled();
}

bool FormFixture::AutoCloseEnabled() const
{
    return TimerEnabled("TimerEventList");
}
