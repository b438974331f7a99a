#include "app/DelegateBrowser.h"

#include "app/DelegateSteps.h"
#include "core/Init.h"
#include "data/DBCache.h"
#include "data/UtilFileDialog.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "shell/BaseTab.h"
#include "shell/WidPageSource.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"

namespace Vexal {

DelegateBrowser::DelegateBrowser(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

WidWebTab* DelegateBrowser::addWebTab(Init* init, bool focus)
{
    std::unique_ptr<Init> ownedInit(init);
    WidTabManager* manager = tabManager();
    if (!manager)
        return nullptr;
    BaseTab* added = manager->addTab(std::make_unique<WidWebTab>(parentWidget()), std::move(ownedInit), false, focus);
    return added ? qobject_cast<WidWebTab*>(added->widget()) : nullptr;
}

void DelegateBrowser::loadHereOrNew(const QUrl& url, bool focus)
{
    BaseTab* page = currentTab();
    if (!page)
        return;
    if (page->isWebPage())
        page->load(url);
    else
        addWebTab(new Init(url, parentWidget()), focus);
}

void DelegateBrowser::newTab()
{
    // The address typed next goes to the new tab, as in every browser.
    if (WidWebTab* webTab = addWebTab(nullptr, true))
        webTab->focusLocation();
}

void DelegateBrowser::load(const QUrl& url, bool newTab, bool focus)
{
    if (newTab)
        addWebTab(new Init(url, parentWidget()), focus);
    else
        loadHereOrNew(url, focus);
}

void DelegateBrowser::open(const QUrl& url)
{
    load(url, false, true);
}

void DelegateBrowser::homePage()
{
    const QUrl address = DBCache::homeUrl();
    if (address.isEmpty())
        return;
    loadHereOrNew(address, true);
}

void DelegateBrowser::webSearch(const QString& words, bool newTab, bool focus)
{
    if (!newTab) {
        BaseTab* page = currentTab();
        if (!page)
            return;
        if (auto* webTab = qobject_cast<WidWebTab*>(page->widget())) {
            webTab->webSearch(words);
            return;
        }
    }
    auto* init = new Init(parentWidget());
    init->setText(words);
    addWebTab(init, focus);
}

void DelegateBrowser::focusWebSearch()
{
    if (WidWebTab* webTab = currentWebTab())
        webTab->focusSearch();
}

void DelegateBrowser::focusLocation()
{
    if (WidWebTab* webTab = currentWebTab())
        webTab->focusLocation();
}

void DelegateBrowser::pageSource()
{
    if (WidWebTab* webTab = currentWebTab())
        openPageSource(webTab->title(), webTab->pageHtml());
}

void DelegateBrowser::openPageSource(const QString& title, const QString& html)
{
    WidTabManager* manager = tabManager();
    if (!manager)
        return;
    auto init = std::make_unique<Init>(parentWidget());
    init->setTitle(title);
    init->setText(html);
    // There is one page-source tab: an open one is focused and shows the page
    // asked for now, never the source of the page it was first opened for.
    const int open = manager->findTabOfClass(QString::fromLatin1(WidPageSource::staticMetaObject.className()));
    if (auto* source = dynamic_cast<WidPageSource*>(manager->pageAt(open))) {
        source->setInit(init.release());
        manager->refreshTab(open, source, false);
        manager->setCurrentIndex(open);
        return;
    }
    manager->addTab(std::make_unique<WidPageSource>(parentWidget()), std::move(init), true, true);
}

void DelegateBrowser::openFile()
{
    const QString path = UtilFileDialog::getOpenFileName(parentWidget(), UtilFileDialog::filterOpen());
    if (path.isEmpty())
        return;
    loadHereOrNew(QUrl::fromLocalFile(path), true);
}

void DelegateBrowser::exportXml(int typeCode)
{
    const QString folder = UtilFileDialog::getExistingDirectory(parentWidget());
    if (folder.isEmpty())
        return;
    runJob([&](QObject* parent) { return new ThreadXmlExport(typeCode, folder, parent); });
}

void DelegateBrowser::importXml()
{
    const QStringList files = UtilFileDialog::getOpenFileNames(parentWidget(), UtilFileDialog::filterXml());
    if (files.isEmpty())
        return;
    runJob([&](QObject* parent) { return new ThreadXmlImport(files, parent); });
}

} // namespace Vexal
