#include "sites/WidCountryJournal.h"

#include "sites/WidCountryEditor.h"
#include "sites/WidCountryTable.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidCountryJournal::WidCountryJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidCountryJournal::title() const
{
    return LocaleIdentity::countries();
}

void WidCountryJournal::createTable()
{
    installTable(new WidCountryTable(m_syncManager, this));
}

QWidget* WidCountryJournal::createEditor(QWidget* parent)
{
    return new WidCountryEditor(parent);
}

} // namespace Vexal
