#include "data/DBPageRecord.h"

#include "core/UserData.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/Utils.h"
#include "texts/ConstIcon.h"

#include <QAction>
#include <QMenu>

namespace Vexal {

namespace {

// The 32-pixel web-page picture, made once; a QImage may be shared by threads.
QImage defaultIcon()
{
    static const QImage icon = ConstIcon::webPage(32).toImage();
    return icon;
}

} // namespace

DBPageRecord::DBPageRecord(QObject* parent)
    : DBBase(parent)
{
    m_icon = defaultIcon();
}

const DBFields& DBPageRecord::fields() const
{
    return pageFields();
}

const DBFields& DBPageRecord::pageFields()
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::image(&DBSql::colIcon, &DBPageRecord::m_icon),
                                    DBField::text(&DBSql::colTitle, &DBPageRecord::m_title, titleLimit),
                                    DBField::text(&DBSql::colURL, &DBPageRecord::m_url, urlLimit),
                                });
    return table;
}

QAction* DBPageRecord::addMenuItem(QMenu* menu) const
{
    QAction* action = menu->addAction(QString());
    action->setIcon(iconAsIcon());
    action->setText(Utils::escapeMnemonic(elidedTitle()));
    action->setToolTip(Utils::elideTwoLines(m_title, m_url));
    action->setData(m_url);
    UserData::attach(action, UserData());
    return action;
}

QString DBPageRecord::elidedTitle() const
{
    return Utils::elideText(m_title, menuTextLimit, false);
}

void DBPageRecord::setIcon(const QPixmap& icon)
{
    setIconImage(icon.toImage());
}

} // namespace Vexal
