#include "automation/ExtDirectorySubmitter.h"

#include "automation/DelegateDirectorySubmitter.h"
#include "automation/LocaleSubmitter.h"
#include "content/WidDirectoryComboBox.h"
#include "data/DBDirectory.h"
#include "widgets/UtilGui.h"
#include "texts/Utils.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "sites/WidWebsiteComboBox.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleDirectory.h"

#include <QLabel>

namespace Vexal {

namespace {
const int directoriesType = 32;
}

ExtDirectorySubmitter::ExtDirectorySubmitter(QWidget* parent)
    : BaseSubmitter(parent)
{
}

QString ExtDirectorySubmitter::caption() const
{
    return LocaleSubmitter::directorySubmitter();
}

void ExtDirectorySubmitter::createChoosers()
{
    BaseSubmitter::createChoosers();
    auto* label = new QLabel(LocaleDirectory::directory(), body());
    m_directoryBox = new WidDirectoryComboBox(body());
    UtilGui::addRow(grid(), typeLabel(), typeBox());
    UtilGui::addRow(grid(), websiteLabel(), websiteBox());
    UtilGui::addRow(grid(), label, m_directoryBox);
}

void ExtDirectorySubmitter::fillFieldList()
{
    addDragItem(LocaleDirectory::title());
    addDragItem(LocaleDirectory::tags());
    addDragItem(LocaleDirectory::url());
    addDragItem(LocaleDirectory::description());
    addDragItem(LocaleDirectory::userName());
    addDragItem(LocaleDirectory::userEmail());
}

void ExtDirectorySubmitter::connectWidgets()
{
    BaseSubmitter::connectWidgets();
    connect(m_directoryBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &BaseSubmitter::slotRefreshDragDrop, Qt::UniqueConnection);
}

void ExtDirectorySubmitter::disconnectWidgets()
{
    BaseSubmitter::disconnectWidgets();
    disconnect(m_directoryBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &BaseSubmitter::slotRefreshDragDrop);
}

void ExtDirectorySubmitter::selectType(int)
{
    typeBox()->fill();
    typeBox()->setEnabled(false);
    typeBox()->setCurrentType(directoriesType);
}

void ExtDirectorySubmitter::loadWebsites(int websiteId)
{
    websiteBox()->reloadAndSelect(directoriesType, websiteId);
}

void ExtDirectorySubmitter::loadItems()
{
    m_directoryBox->reload();
}

void ExtDirectorySubmitter::fillValues()
{
    if (!m_directoryBox->hasSelection()) {
        clearDragValues();
        return;
    }
    DBDirectory entry;
    if (!entry.load(m_directoryBox->currentId())) {
        reportRecordError(&entry);
        return;
    }
    setDragValues({entry.title(), Utils::normalizeTags(entry.tags()), entry.url(), entry.description(),
                   entry.userName(), entry.userEmail()});
}

void ExtDirectorySubmitter::slotSubmit()
{
    setContext(LocaleSubmitter::submit());
    if (!m_directoryBox->hasSelection()) {
        warnRequiredItemsMissing();
        return;
    }
    DelegateDirectorySubmitter delegate(webView(), this);
    delegate.submit(m_directoryBox->currentId(), websiteBox()->currentId());
}

} // namespace Vexal
