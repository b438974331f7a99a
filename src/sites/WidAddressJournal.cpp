#include "sites/WidAddressJournal.h"

#include "sites/WidAddressEditor.h"
#include "sites/WidAddressTable.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidAddressJournal::WidAddressJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidAddressJournal::title() const
{
    return LocaleIdentity::addresses();
}

void WidAddressJournal::createTable()
{
    installTable(new WidAddressTable(m_syncManager, this));
}

QWidget* WidAddressJournal::createEditor(QWidget* parent)
{
    return new WidAddressEditor(parent);
}

} // namespace Vexal
