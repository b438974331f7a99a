#include "views/OptionsTabProxy.h"

#include "data/DBOptions.h"
#include "widgets/UtilGui.h"
#include "widgets/WidPasswordEdit.h"
#include "texts/LocaleOptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
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
    int (DBOptions::*port)() const;
    void (DBOptions::*setPort)(int);
};

const ProxyColumns proxyColumns[] = {
    {&LocaleOptions::httpProxy, &DBOptions::httpProxy, &DBOptions::setHttpProxy, &DBOptions::httpLogin,
     &DBOptions::setHttpLogin, &DBOptions::httpPassword, &DBOptions::setHttpPassword, &DBOptions::httpAddress,
     &DBOptions::setHttpAddress, &DBOptions::httpPort, &DBOptions::setHttpPort},
    {&LocaleOptions::socksProxy, &DBOptions::socksProxy, &DBOptions::setSocksProxy, &DBOptions::socksLogin,
     &DBOptions::setSocksLogin, &DBOptions::socksPassword, &DBOptions::setSocksPassword, &DBOptions::socksAddress,
     &DBOptions::setSocksAddress, &DBOptions::socksPort, &DBOptions::setSocksPort},
    {&LocaleOptions::ftpProxy, &DBOptions::ftpProxy, &DBOptions::setFtpProxy, &DBOptions::ftpLogin,
     &DBOptions::setFtpLogin, &DBOptions::ftpPassword, &DBOptions::setFtpPassword, &DBOptions::ftpAddress,
     &DBOptions::setFtpAddress, &DBOptions::ftpPort, &DBOptions::setFtpPort},
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
    QGroupBox* group = addGroup(columnsOf(m_kind).title());
    QGridLayout* grid = createGrid(group);
    m_useProxy = new QCheckBox(group);
    addRow(grid, LocaleOptions::useProxy(), m_useProxy);
    m_login = new QLineEdit(group);
    setMinimumControlWidth(m_login);
    addRow(grid, LocaleOptions::login(), m_login);
    m_password = new WidPasswordEdit(group);
    addRow(grid, LocaleOptions::password(), m_password);
    m_address = new QLineEdit(group);
    addRow(grid, LocaleOptions::address(), m_address);
    m_port = UtilGui::createSpinBox(minimumPort, maximumPort, group);
    addRow(grid, LocaleOptions::port(), m_port);
    m_pageLayout->addStretch();
}

void OptionsTabProxy::load(const DBOptions* options)
{
    if (!options)
        return;
    const ProxyColumns& columns = columnsOf(m_kind);
    m_useProxy->setChecked((options->*columns.use)());
    m_login->setText((options->*columns.login)());
    const bool blocked = m_password->blockSignals(true);
    m_password->setScrambledText((options->*columns.password)());
    m_password->blockSignals(blocked);
    m_address->setText((options->*columns.address)());
    m_port->setValue((options->*columns.port)());
}

void OptionsTabProxy::store(DBOptions* options)
{
    if (!options)
        return;
    const ProxyColumns& columns = columnsOf(m_kind);
    (options->*columns.setUse)(m_useProxy->isChecked());
    (options->*columns.setLogin)(m_login->text());
    (options->*columns.setPassword)(m_password->scrambledText());
    (options->*columns.setAddress)(m_address->text());
    (options->*columns.setPort)(m_port->value());
}

void OptionsTabProxy::connectSignals()
{
    OptionsTabBase::connectSignals();
    watch(connect(m_useProxy, &QCheckBox::clicked, this, &OptionsTabBase::handleDirty));
    watch(connect(m_login, &QLineEdit::textChanged, this, &OptionsTabBase::handleDirty));
    watch(connect(m_password, &WidPasswordEdit::textChanged, this, &OptionsTabBase::handleDirty));
    watch(connect(m_address, &QLineEdit::textChanged, this, &OptionsTabBase::handleDirty));
    watch(connect(m_port, QOverload<int>::of(&QSpinBox::valueChanged), this, &OptionsTabBase::handleDirty));
}

void OptionsTabProxy::hidePassword()
{
    if (m_password)
        m_password->handleHidePassword();
}

} // namespace Vexal
