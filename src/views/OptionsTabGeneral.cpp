#include "views/OptionsTabGeneral.h"

#include "widgets/WidFolderEdit.h"
#include "core/ConstApp.h"
#include "data/DBOptions.h"
#include "texts/LocaleOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Vexal {

namespace {
// Startup column values.
const int startupHomePage = 2;
const int startupBlankPage = 4;
} // namespace

void OptionsTabGeneral::createWidgets()
{
    QGroupBox* startupGroup = addGroup(LocaleOptions::startUp());
    QGridLayout* startupGrid = createGrid(startupGroup);
    m_startup = new QComboBox(startupGroup);
    m_startup->addItems({LocaleOptions::showHomePage(), LocaleOptions::showBlankPage(),
                         LocaleOptions::useDefaultSettings()});
    setMinimumControlWidth(m_startup);
    addRow(startupGrid, LocaleOptions::whenApplicationStarts(), m_startup);
    m_homePage = new QLineEdit(ConstApp::homeUrl(), startupGroup);
    setMinimumControlWidth(m_homePage);
    addRow(startupGrid, LocaleOptions::homePage(), m_homePage);

    QGroupBox* downloadsGroup = addGroup(LocaleOptions::downloads());
    QGridLayout* downloadsGrid = createGrid(downloadsGroup);
    m_showDownloads = addCheckRow(downloadsGrid, LocaleOptions::showDownloadsTab(), &DBOptions::showDownloads,
                                  &DBOptions::setShowDownloads);
    m_showDownloads->setEnabled(false);
    m_closeDownloads = addCheckRow(downloadsGrid, LocaleOptions::closeWhenDownloadsFinished(),
                                   &DBOptions::closeDownloads, &DBOptions::setCloseDownloads);
    m_closeDownloads->setEnabled(false);
    m_downloads = new QComboBox(downloadsGroup);
    m_downloads->addItems({LocaleOptions::saveFilesTo(), LocaleOptions::alwaysAskSaveLocation()});
    m_downloads->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_downloads->setEnabled(false);
    m_downloadsFolder = new WidFolderEdit(downloadsGroup);
    m_downloadsFolder->init();
    setMinimumControlWidth(m_downloadsFolder);
    m_downloadsFolder->setEnabled(false);
    addRow(downloadsGrid, m_downloads, m_downloadsFolder);

    QGroupBox* foldersGroup = addGroup(LocaleOptions::saveOpenOperations());
    QGridLayout* foldersGrid = createGrid(foldersGroup);
    m_keepLastFolder = addCheckRow(foldersGrid, LocaleOptions::rememberLastFolder(), &DBOptions::keepLastFolder,
                                   &DBOptions::setKeepLastFolder);
    m_defaultFolder = new WidFolderEdit(foldersGroup);
    m_defaultFolder->init();
    setMinimumControlWidth(m_defaultFolder);
    addRow(foldersGrid, LocaleOptions::defaultFolder(), m_defaultFolder);

    m_pageLayout->addStretch();
}

void OptionsTabGeneral::load(const DBOptions* options)
{
    if (!options)
        return;
    OptionsTabBase::load(options);
    m_startup->setCurrentIndex(options->startup() == startupBlankPage ? ShowBlankPage : ShowHomePage);
    m_homePage->setText(options->homeUrl());
    m_homePage->setCursorPosition(0);
    m_downloads->setCurrentIndex(options->askDownloads() ? 1 : 0);
    m_downloadsFolder->setFolder(options->downloadsFolder());
    m_defaultFolder->setFolder(options->defaultFolder());
}

void OptionsTabGeneral::store(DBOptions* options)
{
    if (!options)
        return;
    OptionsTabBase::store(options);
    options->setStartup(m_startup->currentIndex() == ShowBlankPage ? startupBlankPage : startupHomePage);
    options->setHomeUrl(m_startup->currentIndex() == UseDefaultSettings ? ConstApp::homeUrl() : m_homePage->text());
    options->setDownloadsFolder(m_downloadsFolder->folder());
    options->setAskDownloads(m_downloads->currentIndex() >= 1);
    options->setDefaultFolder(m_defaultFolder->folder());
}

void OptionsTabGeneral::connectSignals()
{
    OptionsTabBase::connectSignals();
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    watch(connect(m_startup, indexChanged, this, &OptionsTabBase::handleDirty));
    watch(connect(m_homePage, &QLineEdit::textChanged, this, &OptionsTabBase::handleDirty));
    watch(connect(m_downloads, indexChanged, this, &OptionsTabBase::handleDirty));
    watch(connect(m_downloadsFolder, &WidFolderEdit::onFolderChanged, this, &OptionsTabBase::handleDirty));
    watch(connect(m_defaultFolder, &WidFolderEdit::onFolderChanged, this, &OptionsTabBase::handleDirty));
}

} // namespace Vexal
