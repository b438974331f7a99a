#include "views/BaseEditor.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/DBSql.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBBase.h"
#include "data/DBCache.h"
#include "data/DBIDList.h"
#include "data/DBProjectBase.h"
#include "shell/BaseTabObject.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"
#include "views/BaseEditorToolbar.h"
#include "views/BaseTable.h"
#include "views/UtilReport.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Vexal {

BaseEditor::BaseEditor(QWidget* parent, const Kind& kind)
    : QWidget(parent)
    , m_syncManager(new SyncManager(this))
    , m_kind(kind)
{
}

BaseEditor::~BaseEditor()
{
    // The fields' connections die with the widgets; nothing may fire into
    // the lambdas while the children go.
    for (Field& field : m_fields)
        QObject::disconnect(field.connection);
}

QString BaseEditor::title() const
{
    if (m_name.isEmpty())
        return QStringLiteral("%1 %2").arg(typeName(), LocaleBaseWidget::newItem());
    return QStringLiteral("%1: %2").arg(typeName(), m_name);
}

QString BaseEditor::typeName() const
{
    return m_kind.name ? m_kind.name() : LocaleBaseWidget::untitled();
}

void BaseEditor::setInit(QObject* value)
{
    BaseTab::setInit(value);
    create();
    if (init()->id() == -1) {
        disconnectWidgets();
        clearWidgets();
        connectWidgets();
        setClean(false);
        return;
    }
    DBBase* record = loadRecord();
    if (!record)
        return;
    m_name = record->name();
    disconnectWidgets();
    fillWidgets(record);
    connectWidgets();
    setClean(true);
}

void BaseEditor::save()
{
    slotSave();
}

void BaseEditor::create()
{
    m_boxLayout = UtilGui::createVBoxLayout(this);
    createToolbar();
    connectToolbar();
    createBody();
    createWidgets();
    for (QWidget* page : m_pages)
        UtilGui::keepRowHeights(page);
}

void BaseEditor::createToolbar()
{
    m_toolbar = new BaseEditorToolbar(m_syncManager, this);
    m_toolbar->build();
    m_boxLayout->addWidget(m_toolbar);
}

void BaseEditor::connectToolbar()
{
    connect(m_toolbar, &BaseEditorToolbar::onSave, this, &BaseEditor::slotSave);
}

void BaseEditor::createBody()
{
    m_body = new QWidget(this);
    m_formLayout = UtilGui::createGridLayout(m_body);
    m_boxLayout->addWidget(scrollPage(m_body));
}

QScrollArea* BaseEditor::scrollPage(QWidget* page)
{
    m_pages << page;
    return UtilGui::createScrollPage(page, this);
}

void BaseEditor::createWidgets()
{
}

DBBase* BaseEditor::createRecord()
{
    return m_kind.create ? m_kind.create(this) : new DBBase(this);
}

DBBase* BaseEditor::loadRecord()
{
    delete m_record;
    m_record = createRecord();
    if (!m_record) {
        reportInvalidObject(QStringLiteral("dbo"));
        return nullptr;
    }
    const qint64 id = init()->id();
    if (id != -1 && !m_record->load(id)) {
        reportRecordFailure(m_record);
        delete m_record;
        m_record = nullptr;
    }
    return m_record;
}

bool BaseEditor::isRecordGone(const DBBase* record) const
{
    const qint64 id = init()->id();
    if (id < 0)
        return false;
    DBIDList rows(record->tableName(), QStringLiteral("%1 = %2").arg(DBSql::colID()).arg(id));
    const bool found = rows.hasRows();
    return !found && rows.errorText().isEmpty();
}

void BaseEditor::reportRecordFailure(const DBBase* record) const
{
    if (!isRecordGone(record)) {
        UtilReport::recordError(record, true);
        return;
    }
    const QString text = LocaleMessage::recordNoLongerExists(typeName(), init()->id());
    Logger::error(text);
    UtilSignalManager::instance()->emitError(text, true);
}

void BaseEditor::disconnectWidgets()
{
    for (Field& field : m_fields) {
        QObject::disconnect(field.connection);
        field.connection = QMetaObject::Connection();
    }
}

void BaseEditor::fillWidgets(DBBase* record)
{
    for (const Field& field : m_fields) {
        if (field.fill)
            field.fill(record);
    }
}

void BaseEditor::clearWidgets()
{
    for (const Field& field : m_fields) {
        if (field.clear)
            field.clear();
    }
}

void BaseEditor::connectWidgets()
{
    for (Field& field : m_fields) {
        QObject::disconnect(field.connection);
        if (field.watch)
            field.connection = field.watch();
    }
}

void BaseEditor::storeWidgets(DBBase* record)
{
    for (const Field& field : m_fields) {
        if (field.store)
            field.store(record);
    }
    auto* owned = qobject_cast<DBProjectBase*>(record);
    if (owned && owned->projectId() == -1)
        owned->setProjectId(DBCache::projectId());
}

bool BaseEditor::validate()
{
    return true;
}

void BaseEditor::afterSave(DBBase*)
{
    tabObject()->emitOnStateChanged(this);
}

void BaseEditor::slotSave()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleBaseWidget::save());
    if (!isModified())
        return;
    if (!validate())
        return;
    DBBase* record = loadRecord();
    if (!record)
        return;
    storeWidgets(record);
    if (!record->save()) {
        // The row may go between the load and the update.
        reportRecordFailure(record);
        return;
    }
    showSaved(record);
}

void BaseEditor::showSaved(DBBase* record)
{
    init()->setId(record->id());
    m_name = record->name();
    disconnectWidgets();
    fillWidgets(record);
    connectWidgets();
    setClean(true);
    afterSave(record);
}

void BaseEditor::handleDirty()
{
    setClean(false);
}

void BaseEditor::setClean(bool clean)
{
    setModified(!clean);
    m_syncManager->setEnabled(BaseTable::CommandSave, !clean);
}

void BaseEditor::addFieldRow(const QString& label, QWidget* field)
{
    UtilGui::addRow(m_formLayout, new QLabel(label, m_body), field);
}

void BaseEditor::finishForm()
{
    UtilGui::stretchLastRow(m_formLayout);
    m_formLayout->setColumnStretch(1, 1);
}

QLineEdit* BaseEditor::addNameField(const QString& label)
{
    nameEdit = addTextField(label, &DBBase::name, &DBBase::setName);
    return nameEdit;
}

QPlainTextEdit* BaseEditor::addCommentsField(const QString& label)
{
    return addMultiLineField(label, &DBBase::comments, &DBBase::setComments);
}

void BaseEditor::addField(std::function<void(DBBase*)> fill, std::function<void(DBBase*)> store,
                          std::function<void()> clear, std::function<QMetaObject::Connection()> watch)
{
    m_fields.push_back({std::move(fill), std::move(store), std::move(clear), std::move(watch), {}});
}

void BaseEditor::reportInvalidObject(const QString& object) const { UtilReport::invalidObject(object); }
void BaseEditor::reportListError(const DBListBase* list) const { UtilReport::listError(list); }
void BaseEditor::reportRecordError(const DBBase* record) const { UtilReport::recordError(record); }

} // namespace Vexal
