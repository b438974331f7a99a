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

ExtDirectorySubmitter::ExtDirectorySubmitter(QWidget* parent)
    : BaseSubmitter(parent)
{
    setFixedType(WebsiteType::Directories);
}

QString ExtDirectorySubmitter::caption() const
{
    return LocaleSubmitter::directorySubmitter();
}

void ExtDirectorySubmitter::createChoosers()
{
    BaseSubmitter::createChoosers();
    m_directoryBox = new WidDirectoryComboBox(body());
    addRecordChooser(LocaleDirectory::directory(), m_directoryBox);
}

void ExtDirectorySubmitter::fillFieldList()
{
    addDragItems({LocaleDirectory::title(), LocaleDirectory::tags(), LocaleDirectory::url(),
                  LocaleDirectory::description(), LocaleDirectory::userName(), LocaleDirectory::userEmail()});
}

void ExtDirectorySubmitter::loadItems()
{
    m_directoryBox->reload();
}

void ExtDirectorySubmitter::fillValues()
{
    DBDirectory entry;
    if (loadChosen(m_directoryBox, &entry))
        setDragValues({entry.title(), Utils::normalizeTags(entry.tags()), entry.url(), entry.description(),
                   entry.userName(), entry.userEmail()});
}

void ExtDirectorySubmitter::slotSubmit()
{
    if (!startSubmit({m_directoryBox}))
        return;
    DelegateDirectorySubmitter delegate(webView(), this);
    delegate.submit(m_directoryBox->currentId(), websiteBox()->currentId());
}

} // namespace Vexal
