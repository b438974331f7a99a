#include "sites/WidLastNameJournal.h"

#include "sites/WidLastNameEditor.h"
#include "sites/WidLastNameTable.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidLastNameJournal::WidLastNameJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidLastNameJournal::title() const
{
    return LocaleIdentity::lastNames();
}

void WidLastNameJournal::createTable()
{
    installTable(new WidLastNameTable(m_syncManager, this));
}

QWidget* WidLastNameJournal::createEditor(QWidget* parent)
{
    return new WidLastNameEditor(parent);
}

} // namespace Vexal
