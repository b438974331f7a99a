#include "content/WidDirectoryJournal.h"

#include "content/WidDirectoryTable.h"
#include "content/WidDirectoryEditor.h"
#include "texts/LocaleDirectory.h"

namespace Vexal {

WidDirectoryJournal::WidDirectoryJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidDirectoryJournal::title() const
{
    return LocaleDirectory::directories();
}

void WidDirectoryJournal::createTable()
{
    installTable(new WidDirectoryTable(m_syncManager, this));
}

QWidget* WidDirectoryJournal::createEditor(QWidget* parent)
{
    return new WidDirectoryEditor(parent);
}

} // namespace Vexal
