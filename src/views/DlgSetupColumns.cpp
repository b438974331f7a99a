#include "views/DlgSetupColumns.h"

#include "core/Logger.h"
#include "data/DBColumn.h"
#include "data/DBColumnList.h"
#include "texts/LocaleDialog.h"
#include "views/UtilReport.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Vexal {

DBColumnList* DlgSetupColumns::columnList() const
{
    return qobject_cast<DBColumnList*>(m_argument);
}

void DlgSetupColumns::createBody()
{
    m_list = new QListWidget(this);
    m_list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(m_list, &QListWidget::itemClicked, this, &DlgSetupColumns::slotItemClicked);
    m_mainLayout->addWidget(m_list);
}

void DlgSetupColumns::createWidgets()
{
    const DBColumnList* columns = columnList();
    if (!columns) {
        UtilReport::invalidObject(QStringLiteral("columns"));
        return;
    }
    for (int i = 0; i < columns->count(); ++i) {
        const DBColumn* column = columns->at(i);
        if (!column->visibleInView())
            continue;
        auto* item = new QListWidgetItem(column->header(), m_list);
        item->setData(Qt::UserRole, column->id());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(column->visible() ? Qt::Checked : Qt::Unchecked);
    }
}

void DlgSetupColumns::connectWidgets()
{
    m_mainLayout->setStretchFactor(m_list, 1);
}

void DlgSetupColumns::slotItemClicked(QListWidgetItem*)
{
    Logger::setContext(className(), LocaleDialog::updateItems());
    bool anyChecked = false;
    for (int i = 0; i < m_list->count() && !anyChecked; ++i)
        anyChecked = m_list->item(i)->checkState() == Qt::Checked;
    m_okButton->setEnabled(anyChecked);
}

void DlgSetupColumns::slotAccept()
{
    Logger::setContext(className(), LocaleDialog::accept());
    if (DBColumnList* columns = columnList()) {
        for (int i = 0; i < m_list->count(); ++i) {
            const QListWidgetItem* item = m_list->item(i);
            if (DBColumn* column = columns->findById(item->data(Qt::UserRole).toLongLong()))
                column->setVisible(item->checkState() == Qt::Checked);
        }
    }
    accept();
}

} // namespace Vexal
