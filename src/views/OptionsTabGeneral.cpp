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
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    QGroupBox* startupGroup = addGroup(LocaleOptions::startUp());
    QGridLayout* startupGrid = createGrid(startupGroup);
    m_startup = new QComboBox(startupGroup);
    m_startup->addItems({LocaleOptions::showHomePage(), LocaleOptions::showBlankPage(),
                         LocaleOptions::useDefaultSettings()});
    setMinimumControlWidth(m_startup);
    addRow(startupGrid, LocaleOptions::whenApplicationStarts(), m_startup);
    addBinding(
        [this](const DBOptions* o) {
            m_startup->setCurrentIndex(o->startup() == startupBlankPage ? ShowBlankPage : ShowHomePage);
        },
        [this](DBOptions* o) {
            o->setStartup(m_startup->currentIndex() == ShowBlankPage ? startupBlankPage : startupHomePage);
        },
        [this, indexChanged] { return connect(m_startup, indexChanged, this, &OptionsTabBase::handleDirty); });
    m_homePage = new QLineEdit(ConstApp::homeUrl(), startupGroup);
    setMinimumControlWidth(m_homePage);
    addRow(startupGrid, LocaleOptions::homePage(), m_homePage);
    addBinding(
        [this](const DBOptions* o) {
            m_homePage->setText(o->homeUrl());
            m_homePage->setCursorPosition(0);
        },
        [this](DBOptions* o) {
            o->setHomeUrl(m_startup->currentIndex() == UseDefaultSettings ? ConstApp::homeUrl() : m_homePage->text());
        },
        [this] { return connect(m_homePage, &QLineEdit::textChanged, this, &OptionsTabBase::handleDirty); });

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
    addBinding([this](const DBOptions* o) { m_downloads->setCurrentIndex(o->askDownloads() ? 1 : 0); },
               [this](DBOptions* o) { o->setAskDownloads(m_downloads->currentIndex() >= 1); },
               [this, indexChanged] { return connect(m_downloads, indexChanged, this, &OptionsTabBase::handleDirty); });
    m_downloadsFolder = new WidFolderEdit(downloadsGroup);
    m_downloadsFolder->init();
    setMinimumControlWidth(m_downloadsFolder);
    m_downloadsFolder->setEnabled(false);
    bind(m_downloadsFolder, &DBOptions::downloadsFolder, &DBOptions::setDownloadsFolder, &WidFolderEdit::folder,
         &WidFolderEdit::setFolder, &WidFolderEdit::onFolderChanged);
    addRow(downloadsGrid, m_downloads, m_downloadsFolder);

    QGroupBox* foldersGroup = addGroup(LocaleOptions::saveOpenOperations());
    QGridLayout* foldersGrid = createGrid(foldersGroup);
    m_keepLastFolder = addCheckRow(foldersGrid, LocaleOptions::rememberLastFolder(), &DBOptions::keepLastFolder,
                                   &DBOptions::setKeepLastFolder);
    m_defaultFolder = new WidFolderEdit(foldersGroup);
    m_defaultFolder->init();
    setMinimumControlWidth(m_defaultFolder);
    bind(m_defaultFolder, &DBOptions::defaultFolder, &DBOptions::setDefaultFolder, &WidFolderEdit::folder,
         &WidFolderEdit::setFolder, &WidFolderEdit::onFolderChanged);
    addRow(foldersGrid, LocaleOptions::defaultFolder(), m_defaultFolder);

    m_pageLayout->addStretch();
}

} // namespace Vexal
