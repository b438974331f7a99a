#include "automation/submit/DlgDataSource.h"

#include "automation/submit/WidDataSourceComboBox.h"
#include "content/DBSpinnedArticleLightList.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccountList.h"
#include "data/DBBase.h"
#include "data/DBCache.h"
#include "data/DBDirectoryList.h"
#include "data/DBMasterAccountList.h"
#include "data/DBSocialBookmarkList.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleExtension.h"

#include <QComboBox>
#include <QGridLayout>

#include <memory>

namespace Vexal {

int DlgDataSource::sourceType() const
{
    return m_sourceBox ? m_sourceBox->currentCode() : 0;
}

qint64 DlgDataSource::recordId() const
{
    return m_recordBox ? UtilGui::currentItemId(m_recordBox) : -1;
}

void DlgDataSource::createWidgets()
{
    m_sourceBox = new WidDataSourceComboBox(m_body);
    m_sourceBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addRow(LocaleDialog::dataSource(), m_sourceBox);

    m_recordBox = new QComboBox(m_body);
    addRow(LocaleDialog::data(), m_recordBox);

    // Filled before the connection, so the first load happens once.
    m_sourceBox->fill();
    m_sourceBox->selectByCode(WidDataSourceComboBox::SourceMasterAccounts);
    connect(m_sourceBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DlgDataSource::slotSourceChanged);
}

void DlgDataSource::connectWidgets()
{
    DlgBase::connectWidgets();
    slotSourceChanged();
}

void DlgDataSource::slotSourceChanged()
{
    Logger::setContext(className(), LocaleExtension::updateItems());
    // Each source's list: the master accounts (all of them), or the
    // records of the current project.
    using W = WidDataSourceComboBox;
    const qint64 project = DBCache::projectId();
    const int code = m_sourceBox->currentCode();
    std::unique_ptr<DBListBase> list;
    if (code == W::SourceMasterAccounts)
        list = std::make_unique<DBMasterAccountList>(false);
    else if (code == W::SourceAccounts)
        list = std::make_unique<DBAccountList>(project);
    else if (code == W::SourceDirectories)
        list = std::make_unique<DBDirectoryList>(project);
    else if (code == W::SourceSocialBookmarks)
        list = std::make_unique<DBSocialBookmarkList>(project);
    else if (code == W::SourceSpunArticles)
        list = std::make_unique<DBSpinnedArticleLightList>(project);
    if (list)
        fillRecords(list.get());
}

void DlgDataSource::fillRecords(DBListBase* list)
{
    m_recordBox->clear();
    if (!list->load()) {
        Logger::error(list->errorText());
        UtilSignalManager::instance()->emitError(LocaleExtension::unexpectedError());
        return;
    }
    list->sortByName();
    for (int i = 0; i < list->count(); ++i)
        m_recordBox->addItem(list->at(i)->name(), list->at(i)->id());
    if (m_recordBox->count() > 0)
        m_recordBox->setCurrentIndex(0);
}

} // namespace Vexal
