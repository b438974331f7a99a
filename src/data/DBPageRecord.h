#pragma once

#include "data/DBBase.h"

#include <QIcon>
#include <QPixmap>

class QAction;
class QMenu;

namespace Vexal {

// What a bookmark and a history row have in common: a web page's icon, title
// and address, stored in the columns right after the common ones.
class DBPageRecord : public DBBase
{
    Q_OBJECT
public:
    static constexpr int titleLimit = 128;
    static constexpr int urlLimit = 1024;
    static constexpr int menuTextLimit = 35;

    explicit DBPageRecord(QObject* parent = nullptr);

    const DBFields& fields() const override;

    QString title() const { return m_title; }
    QString url() const { return m_url; }
    // The icon is kept as an image so that jobs on other threads can use the
    // record; the pixmap forms are for the GUI thread.
    QPixmap icon() const { return QPixmap::fromImage(m_icon); }
    QIcon iconAsIcon() const { return QIcon(icon()); }
    QImage iconImage() const { return m_icon; }
    // The title as a menu shows it: 35 characters at most, "Untitled" when empty.
    QString elidedTitle() const;
    void setIcon(const QPixmap& icon);
    void setIconImage(const QImage& icon) { change(m_icon, icon); }

    void setTitle(const QString& title) { change(m_title, title, titleLimit); }
    void setUrl(const QString& url) { change(m_url, url, urlLimit); }

    // Adds the page's menu entry: elided title, two-line tooltip, the address
    // as data and empty user data; the caller connects the action.
    QAction* addMenuItem(QMenu* menu) const;

protected:
    // The base fields, Icon, Title and URL, with which a page kind's table starts.
    static const DBFields& pageFields();

private:
    QImage m_icon;
    QString m_title;
    QString m_url;
};

} // namespace Vexal
