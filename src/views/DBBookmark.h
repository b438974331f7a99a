#pragma once

#include "data/DBBase.h"

#include <QIcon>
#include <QPixmap>

namespace Vexal {

// One row of "Bookmark": a stored page address with its icon and title.
// Only Visible bookmarks are shown in the Bookmarks menu; a new one is hidden.
class DBBookmark : public DBBase
{
    Q_OBJECT
public:
    static constexpr int titleLimit = 128;
    static constexpr int urlLimit = 1024;
    static constexpr int menuTextLimit = 35;

    explicit DBBookmark(QObject* parent = nullptr);

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    void assign(const DBBase* source) override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
    QStringList columns() const override;

    QString title() const { return m_title; }
    QString url() const { return m_url; }
    bool isVisible() const { return m_visible; }
    // The icon is kept as an image so that jobs on other threads can use the
    // record; the pixmap forms are for the GUI thread.
    QPixmap icon() const { return QPixmap::fromImage(m_icon); }
    QIcon iconAsIcon() const { return QIcon(icon()); }
    QImage iconImage() const { return m_icon; }
    // The title as a menu shows it: 35 characters at most, "Untitled" when empty.
    QString elidedTitle() const;
    void setIcon(const QPixmap& icon);
    void setIconImage(const QImage& icon);

    void setTitle(const QString& title);
    void setUrl(const QString& url);
    void setVisible(bool visible);

private:
    QImage m_icon;
    QString m_title;
    QString m_url;
    bool m_visible = false;
};

} // namespace Vexal
