#include "sites/WidAccountJournal.h"

#include "sites/WidAccountEditor.h"
#include "sites/WidAccountTable.h"
#include "texts/LocaleAccount.h"

namespace Vexal {

WidAccountJournal::WidAccountJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidAccountJournal::title() const
{
    return LocaleAccount::accounts();
}

void WidAccountJournal::createTable()
{
    installTable(new WidAccountTable(m_syncManager, this));
}

QWidget* WidAccountJournal::createEditor(QWidget* parent)
{
    return new WidAccountEditor(parent);
}

} // namespace Vexal
