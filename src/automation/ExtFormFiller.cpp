#include "automation/ExtFormFiller.h"

#include "automation/DlgDataSource.h"
#include "automation/DlgFormFiller.h"
#include "automation/ExtFormFillerToolbar.h"
#include "automation/WidDataSourceComboBox.h"
#include "content/DBSpinnedArticle.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccount.h"
#include "data/DBDirectory.h"
#include "data/DBMasterAccount.h"
#include "data/DBSocialBookmark.h"
#include "shell/BaseTabObject.h"
#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"
#include "widgets/WidDNDList.h"
#include "texts/LocaleAccount.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleDirectory.h"
#include "texts/LocaleExtension.h"
#include "views/UtilDialog.h"

#include <QListWidgetItem>
#include <QVBoxLayout>

namespace Vexal {

namespace {

bool loaded(DBBase& record, int id)
{
    if (record.load(id))
        return true;
    Logger::error(record.errorText());
    UtilSignalManager::instance()->emitError(LocaleExtension::unexpectedError());
    return false;
}

} // namespace

ExtFormFiller::ExtFormFiller(QWidget* parent)
    : QWidget(parent)
{
}

QString ExtFormFiller::caption() const
{
    return LocaleExtension::formFiller();
}

void ExtFormFiller::setWebTab(QWidget* tab)
{
    BaseWebExtension::setWebTab(tab);
    if (!m_toolbar)
        create();
}

void ExtFormFiller::create()
{
    m_toolbar = new ExtFormFillerToolbar(LocaleExtension::formFiller(), this);
    m_toolbar->build();
    connect(m_toolbar, &BaseWebToolbar::onAdd, this, &ExtFormFiller::slotAdd);
    connect(m_toolbar, &BaseWebToolbar::onDelete, this, &ExtFormFiller::slotDelete);
    connect(m_toolbar, &ExtFormFillerToolbar::onFill, this, &ExtFormFiller::slotFill);
    connect(m_toolbar, &BaseWebToolbar::onClose, this, &ExtFormFiller::slotClose);

    m_list = new WidDNDList(this);
    m_list->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // Several items can be selected and deleted at once.
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    QVBoxLayout* layout = UtilGui::createVBoxLayout(this, 5, 5);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_list);
}

void ExtFormFiller::addItem(const QString& caption, const QString& value)
{
    if (!m_list)
        return;
    auto* item = new QListWidgetItem(caption);
    item->setData(Qt::UserRole, value);
    m_list->addItem(item);
}

void ExtFormFiller::replaceItems(const Items& items)
{
    if (!m_list)
        return;
    m_list->clear();
    for (const auto& item : items)
        addItem(item.first, item.second);
}

void ExtFormFiller::slotAdd()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleExtension::add());
    DlgFormFiller dialog;
    dialog.build(nullptr);
    if (UtilDialog::exec(&dialog) == QDialog::Accepted)
        addItem(dialog.header(), dialog.data());
}

void ExtFormFiller::slotDelete()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleExtension::deleteItem());
    if (!m_list)
        return;
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    for (QListWidgetItem* item : selected) {
        m_list->removeItemWidget(item);
        delete m_list->takeItem(m_list->row(item));
    }
}

void ExtFormFiller::slotFill()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleExtension::useDataSource());
    DlgDataSource dialog;
    dialog.build(nullptr);
    if (UtilDialog::exec(&dialog) != QDialog::Accepted || dialog.recordId() == -1)
        return;
    loadRecord(dialog.sourceType(), dialog.recordId());
}

void ExtFormFiller::loadRecord(int sourceType, int id)
{
    switch (sourceType) {
    case WidDataSourceComboBox::SourceMasterAccounts:
        loadMasterAccount(id);
        break;
    case WidDataSourceComboBox::SourceAccounts:
        loadAccount(id);
        break;
    case WidDataSourceComboBox::SourceDirectories:
        loadDirectory(id);
        break;
    case WidDataSourceComboBox::SourceSocialBookmarks:
        loadSocialBookmark(id);
        break;
    case WidDataSourceComboBox::SourceSpunArticles:
        loadSpunArticle(id);
        break;
    default:
        break;
    }
}

bool ExtFormFiller::loadMasterAccount(int id)
{
    DBMasterAccount record;
    if (!loaded(record, id))
        return false;
    replaceItems({
        {LocaleAccount::firstName(), record.firstName()},
        {LocaleAccount::middleName(), record.middleName()},
        {LocaleAccount::lastName(), record.lastName()},
        {LocaleAccount::fullName(), record.fullName()},
        {LocaleAccount::login(), record.login()},
        {LocaleAccount::password(), record.decryptedPassword()},
        {LocaleAccount::email(), record.email()},
        {LocaleAccount::url(), record.url()},
        {LocaleAccount::answer(), record.answer()},
        {LocaleAccount::country(), record.country()},
        {LocaleAccount::city(), record.city()},
        {LocaleAccount::province(), record.province()},
        {LocaleAccount::address(), record.address()},
        {LocaleAccount::details(), record.details()},
        {LocaleAccount::zipCode(), record.zipCode()},
        {LocaleAccount::phone(), record.phone()},
        {LocaleAccount::fax(), record.fax()},
    });
    return true;
}

bool ExtFormFiller::loadAccount(int id)
{
    DBAccount record;
    if (!loaded(record, id))
        return false;
    replaceItems({
        {LocaleAccount::login(), record.login()},
        {LocaleAccount::password(), record.decryptedPassword()},
    });
    return true;
}

bool ExtFormFiller::loadDirectory(int id)
{
    DBDirectory record;
    if (!loaded(record, id))
        return false;
    replaceItems({
        {LocaleDirectory::title(), record.title()},
        {LocaleDirectory::tags(), record.tags()},
        {LocaleDirectory::url(), record.url()},
        {LocaleDirectory::description(), record.description()},
        {LocaleDirectory::userName(), record.userName()},
        {LocaleDirectory::userEmail(), record.userEmail()},
    });
    return true;
}

bool ExtFormFiller::loadSocialBookmark(int id)
{
    DBSocialBookmark record;
    if (!loaded(record, id))
        return false;
    replaceItems({
        {LocaleDirectory::title(), record.title()},
        {LocaleDirectory::tags(), record.tags()},
        {LocaleDirectory::url(), record.url()},
        {LocaleDirectory::description(), record.description()},
    });
    return true;
}

bool ExtFormFiller::loadSpunArticle(int id)
{
    DBSpinnedArticle record;
    if (!loaded(record, id))
        return false;
    replaceItems({
        {LocaleArticle::title(), record.titleFinal()},
        {LocaleArticle::intro(), record.introFinal()},
        {LocaleArticle::body(), record.bodyFinal()},
    });
    return true;
}

void ExtFormFiller::slotClose()
{
    if (BaseTabObject* object = tabObject())
        object->emitOnClose(this);
}

void ExtFormFiller::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    UtilPainter::drawRightLine(this);
}

} // namespace Vexal
