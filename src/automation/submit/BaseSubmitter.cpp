#include "automation/submit/BaseSubmitter.h"

#include "automation/submit/BaseSubmitterToolbar.h"
#include "automation/submit/LocaleSubmitter.h"
#include "automation/submit/WidWebsiteNavigator.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBBase.h"
#include "data/DBListBase.h"
#include "data/DBWebsite.h"
#include "data/DBWebsiteList.h"
#include "shell/BaseTabObject.h"
#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"
#include "widgets/WidDNDList.h"
#include "views/BaseComboBox.h"
#include "shell/WidWebTab.h"
#include "sites/WidWebsiteComboBox.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidgetItem>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace Vexal {

BaseSubmitter::BaseSubmitter(QWidget* parent)
    : QWidget(parent)
{
}

BaseSubmitter::~BaseSubmitter() = default;

void BaseSubmitter::create()
{
    QVBoxLayout* layout = UtilGui::createVBoxLayout(this);
    createToolbar();
    layout->addWidget(m_toolbar);
    createBody();
    layout->addWidget(m_body);
    createChoosers();
    createNavigator();
    layout->addWidget(m_navigator);
    layout->addWidget(m_dragButton);
    layout->addWidget(m_dragList);
    fillFieldList();
    refresh();
}

void BaseSubmitter::createToolbar()
{
    m_toolbar = new BaseSubmitterToolbar(caption(), this);
    m_toolbar->build();
    connect(m_toolbar, &BaseSubmitterToolbar::onSubmit, this, &BaseSubmitter::slotSubmit);
    connect(m_toolbar, &BaseWebToolbar::onReload, this, &BaseSubmitter::slotReload);
    connect(m_toolbar, &BaseWebToolbar::onClose, this, &BaseSubmitter::slotClose);
}

void BaseSubmitter::createBody()
{
    m_body = new QWidget(this);
    m_grid = UtilGui::createGridLayout(m_body);
}

void BaseSubmitter::createChoosers()
{
    m_typeLabel = new QLabel(LocaleBaseWidget::type(), m_body);
    m_typeBox = new WidWebsiteTypeComboBox(m_body);
    m_typeBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_typeBox->fill();
    m_websiteLabel = new QLabel(LocaleBaseWidget::website(), m_body);
    m_websiteBox = new WidWebsiteComboBox(m_body);
    m_chooserLabels.insert(m_websiteBox, LocaleBaseWidget::website());
    UtilGui::addRow(m_grid, m_typeLabel, m_typeBox);
    UtilGui::addRow(m_grid, m_websiteLabel, m_websiteBox);
}

void BaseSubmitter::addRecordChooser(const QString& label, BaseComboBox* box, bool refreshes)
{
    UtilGui::addRow(m_grid, new QLabel(label, m_body), box);
    m_chooserLabels.insert(box, label);
    m_choosers << box;
    if (refreshes)
        m_refreshers << box;
}

void BaseSubmitter::createNavigator()
{
    m_dragButton = new QPushButton(LocaleBaseWidget::dragAndDrop(), this);
    m_navigator = new WidWebsiteNavigator(this);
    m_navigator->create();
    m_dragList = new WidDNDList(this);
}

void BaseSubmitter::fillFieldList()
{
}

void BaseSubmitter::connectWidgets()
{
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(m_typeBox, indexChanged, this, &BaseSubmitter::slotTypeChanged, Qt::UniqueConnection);
    connect(m_websiteBox, indexChanged, this, &BaseSubmitter::slotWebsiteChanged, Qt::UniqueConnection);
    connect(m_navigator, &WidWebsiteNavigator::onPrevious, this, &BaseSubmitter::slotPrevious, Qt::UniqueConnection);
    connect(m_navigator, &WidWebsiteNavigator::onHomePage, this, &BaseSubmitter::slotHomePage, Qt::UniqueConnection);
    connect(m_navigator, &WidWebsiteNavigator::onLoginPage, this, &BaseSubmitter::slotLoginPage, Qt::UniqueConnection);
    connect(m_navigator, &WidWebsiteNavigator::onRegistrationPage, this, &BaseSubmitter::slotRegistrationPage,
            Qt::UniqueConnection);
    connect(m_navigator, &WidWebsiteNavigator::onUserPage, this, &BaseSubmitter::slotUserPage, Qt::UniqueConnection);
    connect(m_navigator, &WidWebsiteNavigator::onNext, this, &BaseSubmitter::slotNext, Qt::UniqueConnection);
    for (BaseComboBox* box : qAsConst(m_refreshers))
        connect(box, indexChanged, this, &BaseSubmitter::slotRefreshDragDrop, Qt::UniqueConnection);
    for (BaseComboBox* box : qAsConst(m_choosers))
        connect(box, &BaseComboBox::onRefreshed, this, &BaseSubmitter::slotRefreshDragDrop, Qt::UniqueConnection);
}

void BaseSubmitter::disconnectWidgets()
{
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    disconnect(m_typeBox, indexChanged, this, &BaseSubmitter::slotTypeChanged);
    disconnect(m_websiteBox, indexChanged, this, &BaseSubmitter::slotWebsiteChanged);
    disconnect(m_navigator, &WidWebsiteNavigator::onPrevious, this, &BaseSubmitter::slotPrevious);
    disconnect(m_navigator, &WidWebsiteNavigator::onHomePage, this, &BaseSubmitter::slotHomePage);
    disconnect(m_navigator, &WidWebsiteNavigator::onLoginPage, this, &BaseSubmitter::slotLoginPage);
    disconnect(m_navigator, &WidWebsiteNavigator::onRegistrationPage, this, &BaseSubmitter::slotRegistrationPage);
    disconnect(m_navigator, &WidWebsiteNavigator::onUserPage, this, &BaseSubmitter::slotUserPage);
    disconnect(m_navigator, &WidWebsiteNavigator::onNext, this, &BaseSubmitter::slotNext);
    for (BaseComboBox* box : qAsConst(m_refreshers))
        disconnect(box, indexChanged, this, &BaseSubmitter::slotRefreshDragDrop);
    for (BaseComboBox* box : qAsConst(m_choosers))
        disconnect(box, &BaseComboBox::onRefreshed, this, &BaseSubmitter::slotRefreshDragDrop);
}

void BaseSubmitter::refresh()
{
    disconnectWidgets();
    {
        QObject holder;
        const DBWebsite* website = findPageWebsite(&holder);
        if (!website) {
            selectType(WebsiteType::Email);
            loadWebsites(-1);
        } else {
            selectType(DBWebsite::firstType(website->type()));
            loadWebsites(website->id());
        }
        loadItems();
        fillValues();
    }
    connectWidgets();
}

void BaseSubmitter::selectType(int typeFlag)
{
    m_typeBox->fill();
    m_typeBox->setEnabled(m_fixedType < 0);
    m_typeBox->setCurrentType(m_fixedType < 0 ? typeFlag : m_fixedType);
}

void BaseSubmitter::loadWebsites(qint64 websiteId)
{
    m_websiteBox->reloadAndSelect(m_fixedType < 0 ? m_typeBox->currentType() : m_fixedType, websiteId);
}

void BaseSubmitter::loadItems()
{
}

void BaseSubmitter::fillValues()
{
}

DBWebsite* BaseSubmitter::findPageWebsite(QObject* parent)
{
    const WidWebTab* tab = webTab();
    if (!tab)
        return nullptr;
    const QUrl address = tab->url();
    // A page without a host (empty, about:, file:) belongs to no website.
    if (address.isEmpty() || address.host().isEmpty())
        return nullptr;
    DBWebsiteList list(address.host());
    if (!list.load()) {
        reportListError(&list);
        return nullptr;
    }
    if (list.count() == 0)
        return nullptr;
    DBWebsite* website = list.at(0);
    if (website)
        website->setParent(parent);
    return website;
}

void BaseSubmitter::reportRecordError(const DBBase* record) const
{
    Logger::error(record ? record->errorText() : QString());
    UtilSignalManager::instance()->emitError(LocaleMessage::failureFor(record ? record->failureCause() : QString()));
}

void BaseSubmitter::reportListError(const DBListBase* list) const
{
    Logger::error(list ? list->errorText() : QString());
    UtilSignalManager::instance()->emitError(LocaleMessage::failureFor(list ? list->failureCause() : QString()));
}

void BaseSubmitter::reportInvalidObject(const QString& name) const
{
    Logger::error(LocaleBaseWidget::invalidObjectState(name));
    UtilSignalManager::instance()->emitError(LocaleBaseWidget::unexpectedError());
}

WidWebView* BaseSubmitter::webView() const
{
    const WidWebTab* tab = webTab();
    return tab ? tab->webView() : nullptr;
}

bool BaseSubmitter::loadChosen(const BaseComboBox* box, DBBase* record)
{
    if (!box->hasSelection()) {
        clearDragValues();
        return false;
    }
    return loadReported(record, box->currentId());
}

bool BaseSubmitter::loadReported(DBBase* record, qint64 id)
{
    if (record->load(id))
        return true;
    reportRecordError(record);
    return false;
}

bool BaseSubmitter::startSubmit(std::initializer_list<const BaseComboBox*> required)
{
    setContext(LocaleSubmitter::submit());
    return chosen(required);
}

bool BaseSubmitter::chosen(std::initializer_list<const BaseComboBox*> required) const
{
    QStringList empty;
    for (const BaseComboBox* box : required) {
        if (!box->hasSelection())
            empty << m_chooserLabels.value(box);
    }
    if (empty.isEmpty())
        return true;
    empty.removeAll(QString());
    UtilSignalManager::instance()->emitWarning(empty.isEmpty() ? LocaleSubmitter::requiredItemsMissing()
                                                               : LocaleSubmitter::requiredItemsMissingIn(
                                                                     empty.join(QLatin1String(", "))));
    return false;
}

void BaseSubmitter::setContext(const QString& action) const
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), action);
}

QListWidgetItem* BaseSubmitter::addDragItem(const QString& label)
{
    auto* item = new QListWidgetItem(label, m_dragList);
    item->setData(Qt::UserRole, QString());
    return item;
}

void BaseSubmitter::addDragItems(const QStringList& labels)
{
    for (const QString& label : labels)
        addDragItem(label);
}

void BaseSubmitter::setDragValues(const QStringList& values)
{
    if (!m_dragList)
        return;
    for (int i = 0; i < m_dragList->count(); ++i)
        m_dragList->item(i)->setData(Qt::UserRole, i < values.size() ? values.at(i) : QString());
}

void BaseSubmitter::clearDragValues()
{
    setDragValues(QStringList());
}

QStringList BaseSubmitter::dragValues() const
{
    QStringList values;
    if (!m_dragList)
        return values;
    for (int i = 0; i < m_dragList->count(); ++i)
        values << m_dragList->item(i)->data(Qt::UserRole).toString();
    return values;
}

void BaseSubmitter::slotSubmit()
{
}

void BaseSubmitter::slotReload()
{
    setContext(LocaleBaseWidget::reload());
    refresh();
}

void BaseSubmitter::slotClose()
{
    if (BaseTabObject* object = tabObject())
        object->emitOnClose(this);
}

void BaseSubmitter::slotTypeChanged()
{
    setContext(LocaleBaseWidget::updateItems());
    loadWebsites(-1);
}

void BaseSubmitter::slotWebsiteChanged()
{
    setContext(LocaleBaseWidget::updateItems());
}

void BaseSubmitter::slotRefreshDragDrop()
{
    setContext(LocaleBaseWidget::updateItems());
    fillValues();
}

void BaseSubmitter::slotPrevious()
{
    setContext(LocaleBaseWidget::previous());
    m_websiteBox->selectPrevious();
}

void BaseSubmitter::slotNext()
{
    setContext(LocaleBaseWidget::next());
    m_websiteBox->selectNext();
}

void BaseSubmitter::slotHomePage()
{
    openPage(HomePage);
}

void BaseSubmitter::slotLoginPage()
{
    openPage(LoginPage);
}

void BaseSubmitter::slotRegistrationPage()
{
    openPage(RegistrationPage);
}

void BaseSubmitter::slotUserPage()
{
    openPage(UserPage);
}

void BaseSubmitter::openPage(Page page)
{
    // In the order of Page: the action, the website's address of the page
    // and the warning when it has none.
    static const struct {
        QString (*action)();
        QString (DBWebsite::*address)() const;
        QString (*missing)();
    } pages[] = {
        {&LocaleBaseWidget::homePage, &DBWebsite::homePage, &LocaleBaseWidget::homePageMissing},
        {&LocaleBaseWidget::loginPage, &DBWebsite::loginPage, &LocaleBaseWidget::loginPageMissing},
        {&LocaleBaseWidget::registrationPage, &DBWebsite::registrationPage, &LocaleBaseWidget::registrationPageMissing},
        {&LocaleBaseWidget::userPage, &DBWebsite::userPage, &LocaleBaseWidget::userPageMissing},
    };
    setContext(pages[page].action());
    if (!m_websiteBox || !chosen({m_websiteBox}))
        return;
    DBWebsite website;
    if (!website.load(m_websiteBox->currentId())) {
        reportRecordError(&website);
        return;
    }
    const QString address = (website.*pages[page].address)();
    if (address.isEmpty()) {
        UtilSignalManager::instance()->emitWarning(pages[page].missing());
        return;
    }
    if (WidWebTab* tab = webTab())
        tab->load(QUrl(address));
}

void BaseSubmitter::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    UtilPainter::drawRightLine(this);
}

} // namespace Vexal
