#include "sites/WidRankJournal.h"

#include "sites/WidRankEditor.h"
#include "sites/WidRankTable.h"
#include "texts/LocaleRank.h"

namespace Vexal {

WidRankJournal::WidRankJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidRankJournal::title() const
{
    return LocaleRank::ranks();
}

void WidRankJournal::createTable()
{
    installTable(new WidRankTable(m_syncManager, this));
}

QWidget* WidRankJournal::createEditor(QWidget* parent)
{
    return new WidRankEditor(parent);
}

} // namespace Vexal
