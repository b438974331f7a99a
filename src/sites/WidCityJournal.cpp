#include "sites/WidCityJournal.h"

#include "sites/WidCityEditor.h"
#include "sites/WidCityTable.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidCityJournal::WidCityJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidCityJournal::title() const
{
    return LocaleIdentity::cities();
}

void WidCityJournal::createTable()
{
    installTable(new WidCityTable(m_syncManager, this));
}

QWidget* WidCityJournal::createEditor(QWidget* parent)
{
    return new WidCityEditor(parent);
}

} // namespace Vexal
