#include "views/OptionsTabContent.h"

#include "data/DBOptions.h"
#include "texts/LocaleOptions.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace Vexal {

void OptionsTabContent::createWidgets()
{
    using O = DBOptions;
    QGroupBox* content = addGroup(LocaleOptions::content());
    QVBoxLayout* contentColumn = createColumn(content);
    m_flash = addCheckBox(contentColumn, LocaleOptions::enableFlash(), &O::enableFlash, &O::setEnableFlash);
    m_images = addCheckBox(contentColumn, LocaleOptions::enableImages(), &O::enableImages, &O::setEnableImages);
    m_javaScript =
        addCheckBox(contentColumn, LocaleOptions::enableJavaScript(), &O::enableJScript, &O::setEnableJScript);

    QGroupBox* exchange = addGroup(LocaleOptions::importAndExport());
    m_override = addCheckBox(createColumn(exchange), LocaleOptions::overrideExistingData(), &O::overrideOnImport,
                             &O::setOverrideOnImport);

    QGroupBox* popups = addGroup(LocaleOptions::popups());
    QVBoxLayout* popupsColumn = createColumn(popups);
    m_blockPopups = addCheckBox(popupsColumn, LocaleOptions::blockPopups(), &O::blockPopups, &O::setBlockPopups);
    m_focusPopups =
        addCheckBox(popupsColumn, LocaleOptions::activatePopupTab(), &O::focusPopups, &O::setFocusPopups);
    m_ignoreSsl =
        addCheckBox(popupsColumn, LocaleOptions::ignoreSslErrors(), &O::ignoreSSLErrors, &O::setIgnoreSSLErrors);

    m_pageLayout->addStretch();
}

} // namespace Vexal
