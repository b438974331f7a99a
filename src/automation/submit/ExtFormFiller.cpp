#include "automation/submit/ExtFormFiller.h"

#include "automation/submit/DlgDataSource.h"
#include "automation/submit/DlgFormFiller.h"
#include "automation/submit/ExtFormFillerToolbar.h"
#include "automation/submit/MasterAccountFields.h"
#include "automation/submit/WidDataSourceComboBox.h"
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

bool loaded(DBBase& record, qint64 id)
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

void ExtFormFiller::loadRecord(int sourceType, qint64 id)
{
    static const struct {
        int source;
        bool (ExtFormFiller::*load)(qint64);
    } loads[] = {
        {WidDataSourceComboBox::SourceMasterAccounts, &ExtFormFiller::loadMasterAccount},
        {WidDataSourceComboBox::SourceAccounts, &ExtFormFiller::loadAccount},
        {WidDataSourceComboBox::SourceDirectories, &ExtFormFiller::loadDirectory},
        {WidDataSourceComboBox::SourceSocialBookmarks, &ExtFormFiller::loadSocialBookmark},
        {WidDataSourceComboBox::SourceSpunArticles, &ExtFormFiller::loadSpunArticle},
    };
    for (const auto& entry : loads) {
        if (entry.source == sourceType)
            (this->*entry.load)(id);
    }
}

template <class Record, class Values>
bool ExtFormFiller::loadFields(qint64 id, const QStringList& captions, Values values)
{
    Record record;
    if (!loaded(record, id))
        return false;
    if (m_list)
        m_list->clear();
    const QStringList texts = values(record);
    for (int i = 0; i < captions.size(); ++i)
        addItem(captions.at(i), texts.value(i));
    return true;
}

bool ExtFormFiller::loadMasterAccount(qint64 id)
{
    return loadFields<DBMasterAccount>(id, MasterAccountFields::listedCaptions(), &MasterAccountFields::listedValues);
}

bool ExtFormFiller::loadAccount(qint64 id)
{
    return loadFields<DBAccount>(id, {LocaleAccount::login(), LocaleAccount::password()},
                                 [](const DBAccount& account) -> QStringList {
                                     return {account.login(), account.decryptedPassword()};
                                 });
}

bool ExtFormFiller::loadDirectory(qint64 id)
{
    return loadFields<DBDirectory>(
        id,
        {LocaleDirectory::title(), LocaleDirectory::tags(), LocaleDirectory::url(), LocaleDirectory::description(),
         LocaleDirectory::userName(), LocaleDirectory::userEmail()},
        [](const DBDirectory& entry) -> QStringList {
            return {entry.title(), entry.tags(), entry.url(), entry.description(), entry.userName(),
                    entry.userEmail()};
        });
}

bool ExtFormFiller::loadSocialBookmark(qint64 id)
{
    return loadFields<DBSocialBookmark>(
        id, {LocaleDirectory::title(), LocaleDirectory::tags(), LocaleDirectory::url(), LocaleDirectory::description()},
        [](const DBSocialBookmark& bookmark) -> QStringList {
            return {bookmark.title(), bookmark.tags(), bookmark.url(), bookmark.description()};
        });
}

bool ExtFormFiller::loadSpunArticle(qint64 id)
{
    return loadFields<DBSpinnedArticle>(id, {LocaleArticle::title(), LocaleArticle::intro(), LocaleArticle::body()},
                                        [](const DBSpinnedArticle& article) -> QStringList {
                                            return {article.titleFinal(), article.introFinal(), article.bodyFinal()};
                                        });
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
