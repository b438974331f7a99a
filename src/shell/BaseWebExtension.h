#pragma once

#include <QPointer>
#include <QString>

class QWidget;

namespace Vexal {

class BaseTabObject;
class WidWebTab;

// The interface of a side panel attached to a web tab. A panel is a QWidget
// that carries this class as its second base:
//
//     class ExtXxx : public QWidget, public BaseWebExtension { Q_OBJECT ... };
//
// WidWebTab::setExtension attaches it (beforeAttach, setWebTab, insertion of
// widget() left of the view, afterAttach) and owns it from then on. The panel
// asks to be closed with tabObject()->emitOnClose(widget()); the tab then
// removes and deletes it.
class BaseWebExtension
{
public:
    BaseWebExtension();
    virtual ~BaseWebExtension();

    BaseWebExtension(const BaseWebExtension&) = delete;
    BaseWebExtension& operator=(const BaseWebExtension&) = delete;

    virtual QString caption() const;
    // The host tab, or null while the panel is not attached.
    virtual WidWebTab* webTab() const;
    virtual QWidget* widget() const;
    virtual BaseTabObject* tabObject() const;
    virtual void beforeAttach();
    // Stores the host tab, and builds the panel (create) at its first
    // attach: a second attach must not stack a second layout. Panels that
    // bind to the tab's view override it and call this base version first.
    virtual void setWebTab(QWidget* tab);
    virtual void afterAttach();

protected:
    // Builds the panel's widgets, once.
    virtual void create();

private:
    QPointer<BaseTabObject> m_tabObject;
    QPointer<QWidget> m_webTab;
    bool m_created = false;
};

} // namespace Vexal
