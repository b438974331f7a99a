#include "views/WidDatabaseTable.h"

#include "core/SyncManager.h"
#include "data/DBColumnList.h"
#include "core/DBSql.h"
#include "views/BaseTableModel.h"

#include <QHeaderView>

namespace Vexal {

namespace {
const QString layoutKey = QStringLiteral("{E13BA2D5-F014-4908-B8D1-5252DCE9B530}");
} // namespace

WidDatabaseTable::WidDatabaseTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent)
{
}

QString WidDatabaseTable::viewName() const
{
    return DBSql::tableAccount();
}

QString WidDatabaseTable::tableName() const
{
    return DBSql::tableAccount();
}

void WidDatabaseTable::initColumns()
{
    // Never loaded: the headers stay the SQL column names.
    delete m_columns;
    m_columns = new DBColumnList(layoutKey, this);
}

void WidDatabaseTable::createColumnsMenu()
{
    BaseTable::createColumnsMenu();
    if (!m_syncManager)
        return;
    m_syncManager->setEnabled(CommandSaveLayout, false);
    m_syncManager->setEnabled(CommandRestoreLayout, false);
    m_syncManager->setEnabled(CommandSetupColumns, false);
}

void WidDatabaseTable::showTable(const QString& text)
{
    if (!m_model) {
        reportInvalidObject(QStringLiteral("model"));
        return;
    }
    m_model->setTable(text.split(QLatin1Char(':')).first());
    m_model->select();
    // The headers are the SQL column names, some of them long
    // ("RegistrationPage"): each column is as wide as its name at least.
    QHeaderView* header = horizontalHeader();
    for (int i = 0; i < header->count(); ++i)
        header->resizeSection(i, qMax(header->sectionSize(i), header->sectionSizeHint(i)));
}

} // namespace Vexal
