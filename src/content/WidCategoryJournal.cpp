#include "content/WidCategoryJournal.h"

#include "content/WidCategoryTable.h"
#include "content/WidCategoryEditor.h"
#include "texts/LocaleArticle.h"

namespace Vexal {

WidCategoryJournal::WidCategoryJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidCategoryJournal::title() const
{
    return LocaleArticle::categories();
}

void WidCategoryJournal::createTable()
{
    installTable(new WidCategoryTable(m_syncManager, this));
}

QWidget* WidCategoryJournal::createEditor(QWidget* parent)
{
    return new WidCategoryEditor(parent);
}

} // namespace Vexal
