#include "views/OptionsTabProxy.h"

#include "core/DBSql.h"
#include "data/DBOptions.h"
#include "widgets/WidPasswordEdit.h"
#include "texts/LocaleOptions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Vexal {

namespace {

// The options columns of one proxy kind.
struct ProxyColumns
{
    QString (*title)();
    bool (DBOptions::*use)() const;
    void (DBOptions::*setUse)(bool);
    QString (DBOptions::*login)() const;
    void (DBOptions::*setLogin)(const QString&);
    QString (DBOptions::*password)() const;
    void (DBOptions::*setPassword)(const QString&);
    QString (DBOptions::*address)() const;
    void (DBOptions::*setAddress)(const QString&);
    DBField::Column port;
};

const ProxyColumns proxyColumns[] = {
    {&LocaleOptions::httpProxy, &DBOptions::httpProxy, &DBOptions::setHttpProxy, &DBOptions::httpLogin,
     &DBOptions::setHttpLogin, &DBOptions::httpPassword, &DBOptions::setHttpPassword, &DBOptions::httpAddress,
     &DBOptions::setHttpAddress, &DBSql::colHttpPort},
    {&LocaleOptions::socksProxy, &DBOptions::socksProxy, &DBOptions::setSocksProxy, &DBOptions::socksLogin,
     &DBOptions::setSocksLogin, &DBOptions::socksPassword, &DBOptions::setSocksPassword, &DBOptions::socksAddress,
     &DBOptions::setSocksAddress, &DBSql::colSocksPort},
    {&LocaleOptions::ftpProxy, &DBOptions::ftpProxy, &DBOptions::setFtpProxy, &DBOptions::ftpLogin,
     &DBOptions::setFtpLogin, &DBOptions::ftpPassword, &DBOptions::setFtpPassword, &DBOptions::ftpAddress,
     &DBOptions::setFtpAddress, &DBSql::colFtpPort},
};

const ProxyColumns& columnsOf(int kind)
{
    return proxyColumns[kind >= OptionsTabProxy::Http && kind <= OptionsTabProxy::Ftp ? kind : 0];
}

} // namespace

OptionsTabProxy::OptionsTabProxy(int kind, QWidget* parent)
    : OptionsTabBase(parent)
    , m_kind(kind >= Http && kind <= Ftp ? kind : Http)
{
}

void OptionsTabProxy::createWidgets()
{
    const ProxyColumns& columns = columnsOf(m_kind);
    QGroupBox* group = addGroup(columns.title());
    QGridLayout* grid = createGrid(group);
    m_useProxy = addCheckRow(grid, LocaleOptions::useProxy(), columns.use, columns.setUse);
    m_login = addTextRow(grid, LocaleOptions::login(), columns.login, columns.setLogin);
    setMinimumControlWidth(m_login);
    m_password = new WidPasswordEdit(group);
    addRow(grid, LocaleOptions::password(), m_password);
    addBinding(
        [this, get = columns.password](const DBOptions* options) {
            const bool blocked = m_password->blockSignals(true);
            m_password->setScrambledText((options->*get)());
            m_password->blockSignals(blocked);
        },
        [this, set = columns.setPassword](DBOptions* options) { (options->*set)(m_password->scrambledText()); },
        [this] { return connect(m_password, &WidPasswordEdit::textChanged, this, &OptionsTabBase::handleDirty); });
    m_address = addTextRow(grid, LocaleOptions::address(), columns.address, columns.setAddress);
    m_port = addSpinRow(grid, LocaleOptions::port(), columns.port);
    m_pageLayout->addStretch();
}

void OptionsTabProxy::hidePassword()
{
    if (m_password)
        m_password->handleHidePassword();
}

} // namespace Vexal
