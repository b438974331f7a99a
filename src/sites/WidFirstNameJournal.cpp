#include "sites/WidFirstNameJournal.h"

#include "sites/WidFirstNameEditor.h"
#include "sites/WidFirstNameTable.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidFirstNameJournal::WidFirstNameJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidFirstNameJournal::title() const
{
    return LocaleIdentity::firstNames();
}

void WidFirstNameJournal::createTable()
{
    installTable(new WidFirstNameTable(m_syncManager, this));
}

QWidget* WidFirstNameJournal::createEditor(QWidget* parent)
{
    return new WidFirstNameEditor(parent);
}

} // namespace Vexal
