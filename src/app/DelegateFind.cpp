#include "app/DelegateFind.h"

#include "shell/BaseTab.h"
#include "shell/WidFind.h"
#include "shell/WidGotoLine.h"
#include "shell/WidReplace.h"

namespace Vexal {

namespace {
QString findBarName() { return QStringLiteral("findBar"); }
QString replaceBarName() { return QStringLiteral("replaceBar"); }
QString gotoLineBarName() { return QStringLiteral("gotoLineBar"); }
} // namespace

DelegateFind::DelegateFind(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

bool DelegateFind::showBar(WidFindBase* bar, const QString& name)
{
    if (!bar) {
        reportInvalidObject(name);
        return false;
    }
    if (bar->isVisible())
        return true;
    if (m_findBar)
        m_findBar->hide();
    if (m_replaceBar)
        m_replaceBar->hide();
    if (m_gotoLineBar)
        m_gotoLineBar->hide();
    bar->show();
    return true;
}

BaseTab* DelegateFind::tabForBar(WidFindBase* bar, const QString& name) const
{
    if (!bar) {
        reportInvalidObject(name);
        return nullptr;
    }
    if (!bar->isVisible())
        return nullptr;
    return currentTab();
}

void DelegateFind::showFind()
{
    if (!showBar(m_findBar, findBarName()))
        return;
    if (BaseTab* page = currentTab())
        m_findBar->activate(page->selectedText());
}

void DelegateFind::showReplace()
{
    if (!showBar(m_replaceBar, replaceBarName()))
        return;
    if (BaseTab* page = currentTab())
        m_replaceBar->activate(page->selectedText());
}

void DelegateFind::showGotoLine()
{
    showBar(m_gotoLineBar, gotoLineBarName());
}

void DelegateFind::findNext()
{
    // The bar sets its own logger context and re-emits its request, which comes
    // back through find().
    if (showBar(m_findBar, findBarName()))
        m_findBar->slotFindNext();
}

void DelegateFind::findPrevious()
{
    if (showBar(m_findBar, findBarName()))
        m_findBar->slotFindPrevious();
}

void DelegateFind::find(const QString& text, bool forward, bool matchCase)
{
    if (BaseTab* page = tabForBar(m_findBar, findBarName()))
        page->find(text, forward, matchCase);
}

void DelegateFind::findAll(const QString& text, bool matchCase)
{
    if (BaseTab* page = tabForBar(m_findBar, findBarName()))
        page->findAll(text, matchCase);
}

void DelegateFind::replace(const QString& text, const QString& with, bool forward, bool matchCase)
{
    if (BaseTab* page = tabForBar(m_replaceBar, replaceBarName()))
        page->replace(text, with, forward, matchCase);
}

void DelegateFind::replaceAll(const QString& text, const QString& with, bool matchCase)
{
    if (BaseTab* page = tabForBar(m_replaceBar, replaceBarName()))
        page->replaceAll(text, with, matchCase);
}

void DelegateFind::gotoLine(int line)
{
    if (BaseTab* page = tabForBar(m_gotoLineBar, gotoLineBarName()))
        page->gotoLine(line);
}

} // namespace Vexal
