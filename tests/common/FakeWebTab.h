#pragma once

#include "shell/BaseTab.h"
#include "shell/WidTabManager.h"
#include "texts/ConstIcon.h"

#include <QUrl>
#include <QWidget>

// A tab page that stands for a web tab showing an address and a title (or,
// with web off, for any other page), for the commands that act on the
// current tab.
class FakeWebTab : public QWidget, public Vexal::BaseTab
{
public:
    FakeWebTab(const QString& pageAddress, const QString& tabName, bool isWeb = true)
        : address(pageAddress)
        , name(tabName)
        , web(isWeb)
    {
    }
    bool isWebPage() const override { return web; }
    QUrl url() const override { return QUrl(address); }
    QString title() const override { return name; }
    QPixmap icon() const override { return Vexal::ConstIcon::webPage(16); }

    // Adds a focused page of its own to the tab manager.
    static FakeWebTab* open(Vexal::WidTabManager& tabs, const QString& address, const QString& name = QString(),
                            bool web = true)
    {
        auto* tab = new FakeWebTab(address, name, web);
        tabs.addFocusedTab(tab, nullptr);
        return tab;
    }

    QString address;
    QString name;
    bool web;
};
