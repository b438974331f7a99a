#include "views/OptionsTabContent.h"

#include "data/DBOptions.h"
#include "texts/LocaleOptions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace Vexal {

OptionsTabContent::OptionsTabContent(QWidget* parent)
    : OptionsTabBase(parent)
{
}

void OptionsTabContent::createWidgets()
{
    auto addBox = [](QGroupBox* group, QVBoxLayout* column, const QString& text) {
        auto* box = new QCheckBox(text, group);
        column->addWidget(box);
        return box;
    };
    QGroupBox* content = addGroup(LocaleOptions::content());
    QVBoxLayout* contentColumn = createColumn(content);
    m_flash = addBox(content, contentColumn, LocaleOptions::enableFlash());
    m_images = addBox(content, contentColumn, LocaleOptions::enableImages());
    m_javaScript = addBox(content, contentColumn, LocaleOptions::enableJavaScript());

    QGroupBox* exchange = addGroup(LocaleOptions::importAndExport());
    m_override = addBox(exchange, createColumn(exchange), LocaleOptions::overrideExistingData());

    QGroupBox* popups = addGroup(LocaleOptions::popups());
    QVBoxLayout* popupsColumn = createColumn(popups);
    m_blockPopups = addBox(popups, popupsColumn, LocaleOptions::blockPopups());
    m_focusPopups = addBox(popups, popupsColumn, LocaleOptions::activatePopupTab());
    m_ignoreSsl = addBox(popups, popupsColumn, LocaleOptions::ignoreSslErrors());

    m_pageLayout->addStretch();
}

void OptionsTabContent::load(const DBOptions* options)
{
    if (!options)
        return;
    m_flash->setChecked(options->enableFlash());
    m_images->setChecked(options->enableImages());
    m_javaScript->setChecked(options->enableJScript());
    m_override->setChecked(options->overrideOnImport());
    m_blockPopups->setChecked(options->blockPopups());
    m_focusPopups->setChecked(options->focusPopups());
    m_ignoreSsl->setChecked(options->ignoreSSLErrors());
}

void OptionsTabContent::store(DBOptions* options)
{
    if (!options)
        return;
    options->setEnableFlash(m_flash->isChecked());
    options->setEnableImages(m_images->isChecked());
    options->setEnableJScript(m_javaScript->isChecked());
    options->setOverrideOnImport(m_override->isChecked());
    options->setBlockPopups(m_blockPopups->isChecked());
    options->setFocusPopups(m_focusPopups->isChecked());
    options->setIgnoreSSLErrors(m_ignoreSsl->isChecked());
}

void OptionsTabContent::connectSignals()
{
    OptionsTabBase::connectSignals();
    for (QCheckBox* box : {m_flash, m_images, m_javaScript, m_override, m_blockPopups, m_focusPopups, m_ignoreSsl})
        watch(connect(box, &QCheckBox::clicked, this, &OptionsTabBase::handleDirty));
}

} // namespace Vexal
