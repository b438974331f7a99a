#include "content/WidLanguageJournal.h"

#include "content/WidLanguageTable.h"
#include "content/WidLanguageEditor.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

WidLanguageJournal::WidLanguageJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidLanguageJournal::title() const
{
    return LocaleInstance::languages();
}

void WidLanguageJournal::createTable()
{
    installTable(new WidLanguageTable(m_syncManager, this));
}

QWidget* WidLanguageJournal::createEditor(QWidget* parent)
{
    return new WidLanguageEditor(parent);
}

} // namespace Vexal
