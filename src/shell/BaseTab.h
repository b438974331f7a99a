#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QUrl>

class QObject;
class QWidget;

namespace Vexal {

class BaseTabObject;
class Init;
class WidTabManager;

// The interface of every tab page. A page is a QWidget that carries this class
// as its second base:
//
//     class WidXxx : public QWidget, public BaseTab { Q_OBJECT ... };
//
// Q_OBJECT is required on every page class: the tab manager tells pages apart
// by their meta-object class name (unique add). The page's Init and its
// BaseTabObject are children of the page widget; they are created on first
// use, once the widget exists, so a page constructor need not hand them its
// `this`. Pages are always deleted through their QWidget side by the tab
// manager (deleteLater); the command operations below do nothing here.
// toolTip() and find() exist on QWidget too: a page class calls its own as
// BaseTab::toolTip() and BaseTab::find(...), or through a BaseTab pointer.
class BaseTab
{
public:
    BaseTab();
    virtual ~BaseTab();

    BaseTab(const BaseTab&) = delete;
    BaseTab& operator=(const BaseTab&) = delete;

    virtual QString id() const;
    virtual QString title() const;
    virtual QString toolTip() const;
    virtual QPixmap icon() const;
    virtual QUrl url() const;
    virtual bool isWebPage() const;
    virtual QString status() const;
    virtual QString selectedText() const;
    virtual bool isLocked() const;
    virtual bool isNinja() const;
    virtual bool isZoomTextOnly() const;
    virtual bool isModified() const;
    virtual Init* init() const;
    virtual QWidget* widget() const;
    virtual WidTabManager* tabManager() const;
    virtual BaseTabObject* tabObject() const;
    virtual void setLocked(bool locked);
    virtual void setNinja(bool ninja);
    virtual void setZoomTextOnly(bool zoomTextOnly);
    virtual void setModified(bool modified);
    virtual void setTabManager(WidTabManager* tabManager);
    virtual void prepare();
    // Adopts the Init (the page becomes its parent) and deletes the one held
    // so far; null, or an object that is no Init, gives a fresh default Init.
    virtual void setInit(QObject* init);
    virtual void open();
    virtual void back();
    virtual void forward();
    virtual void reload();
    virtual void stop();
    virtual void save();
    virtual void undo();
    virtual void redo();
    virtual void cut();
    virtual void copy();
    virtual void paste();
    virtual void add();
    virtual void edit();
    virtual void remove();
    virtual void selectAll();
    virtual void find(const QString& text, bool forward, bool matchCase);
    virtual void findAll(const QString& text, bool matchCase);
    virtual void replace(const QString& text, const QString& with, bool forward, bool matchCase);
    virtual void replaceAll(const QString& text, const QString& with, bool matchCase);
    virtual void gotoLine(int line);
    virtual void load(const QUrl& url);
    virtual void zoomIn();
    virtual void zoomOut();
    virtual void zoomReset();
    virtual void aboutToClose();

protected:
    void setTitle(const QString& title);
    void setIcon(const QPixmap& icon);
    void setUrl(const QUrl& url);
    void setStatus(const QString& status);

private:
    QString m_id;
    QString m_title;
    QPixmap m_icon;
    QUrl m_url;
    QString m_status;
    bool m_locked = false;
    bool m_ninja = false;
    bool m_zoomTextOnly = false;
    bool m_modified = false;
    mutable QPointer<Init> m_init;
    WidTabManager* m_tabManager = nullptr;
    mutable QPointer<BaseTabObject> m_tabObject;
};

} // namespace Vexal
