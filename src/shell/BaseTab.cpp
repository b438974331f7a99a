#include "shell/BaseTab.h"

#include "texts/ConstIcon.h"
#include "core/Init.h"
#include "shell/BaseTabObject.h"
#include "texts/LocaleBase.h"

#include <QUuid>
#include <QWidget>

namespace Vexal {

BaseTab::BaseTab()
    : m_id(QUuid::createUuid().toString())
    , m_title(LocaleBase::untitled())
    , m_icon(ConstIcon::sysPage(32))
{
}

BaseTab::~BaseTab()
{
    // Normally the page widget owns both; without a widget they are ours.
    if (m_init && !m_init->parent())
        delete m_init.data();
    if (m_tabObject && !m_tabObject->parent())
        delete m_tabObject.data();
}

QString BaseTab::id() const { return m_id; }
QString BaseTab::title() const { return m_title; }
QString BaseTab::toolTip() const { return QString(); }
QPixmap BaseTab::icon() const { return m_icon; }
QUrl BaseTab::url() const { return m_url; }
bool BaseTab::isWebPage() const { return false; }
QString BaseTab::status() const { return m_status; }
QString BaseTab::selectedText() const { return QString(); }
bool BaseTab::isLocked() const { return m_locked; }
bool BaseTab::isNinja() const { return m_ninja; }
bool BaseTab::isZoomTextOnly() const { return m_zoomTextOnly; }
bool BaseTab::isModified() const { return m_modified; }

Init* BaseTab::init() const
{
    if (!m_init)
        m_init = new Init(widget());
    return m_init;
}

QWidget* BaseTab::widget() const
{
    return dynamic_cast<QWidget*>(const_cast<BaseTab*>(this));
}

WidTabManager* BaseTab::tabManager() const { return m_tabManager; }

BaseTabObject* BaseTab::tabObject() const
{
    if (!m_tabObject)
        m_tabObject = new BaseTabObject(widget());
    return m_tabObject;
}

// A page that does not override these cannot be locked or made a ninja page.
void BaseTab::setLocked(bool) { m_locked = false; }
void BaseTab::setNinja(bool) { m_ninja = false; }
void BaseTab::setZoomTextOnly(bool zoomTextOnly) { m_zoomTextOnly = zoomTextOnly; }
void BaseTab::setModified(bool modified) { m_modified = modified; }
void BaseTab::setTabManager(WidTabManager* tabManager) { m_tabManager = tabManager; }
void BaseTab::prepare() {}

void BaseTab::setInit(QObject* init)
{
    Init* next = qobject_cast<Init*>(init);
    if (next && next == m_init)
        return;
    if (m_init) {
        delete m_init.data();
        m_init = nullptr;
    }
    if (next) {
        next->setParent(widget());
        m_init = next;
    } else {
        m_init = new Init(widget());
    }
}

void BaseTab::open() {}
void BaseTab::back() {}
void BaseTab::forward() {}
void BaseTab::reload() {}
void BaseTab::stop() {}
void BaseTab::save() {}
void BaseTab::undo() {}
void BaseTab::redo() {}
void BaseTab::cut() {}
void BaseTab::copy() {}
void BaseTab::paste() {}
void BaseTab::add() {}
void BaseTab::edit() {}
void BaseTab::remove() {}
void BaseTab::selectAll() {}
void BaseTab::find(const QString&, bool, bool) {}
void BaseTab::findAll(const QString&, bool) {}
void BaseTab::replace(const QString&, const QString&, bool, bool) {}
void BaseTab::replaceAll(const QString&, const QString&, bool) {}
void BaseTab::gotoLine(int) {}
void BaseTab::load(const QUrl&) {}
void BaseTab::zoomIn() {}
void BaseTab::zoomOut() {}
void BaseTab::zoomReset() {}
void BaseTab::aboutToClose() {}

void BaseTab::setTitle(const QString& title) { m_title = title; }
void BaseTab::setIcon(const QPixmap& icon) { m_icon = icon; }
void BaseTab::setUrl(const QUrl& url) { m_url = url; }
void BaseTab::setStatus(const QString& status) { m_status = status; }

} // namespace Vexal
