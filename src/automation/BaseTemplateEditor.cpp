#include "automation/BaseTemplateEditor.h"

#include "core/Init.h"
#include "core/UtilSignalManager.h"
#include "data/DBBase.h"
#include "data/DBWebsite.h"
#include "widgets/UtilGui.h"
#include "sites/WidWebsiteComboBox.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleBaseWidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexal {

BaseTemplateEditor::BaseTemplateEditor(QWidget* parent, const Kind& kind, int websiteType)
    : BaseEditor(parent, kind)
    , m_websiteType(websiteType)
{
}

int BaseTemplateEditor::websiteType() const
{
    if (m_websiteType != 0)
        return m_websiteType;
    return init() ? init()->type() : 0;
}

void BaseTemplateEditor::createCommonWidgets()
{
    m_idLabel = new QLabel(LocaleBaseWidget::id(), m_body);
    m_idEdit = new QLineEdit(m_body);
    m_idEdit->setReadOnly(true);
    m_nameLabel = new QLabel(LocaleBaseWidget::name(), m_body);
    m_nameEdit = new QLineEdit(m_body);
    m_typeLabel = new QLabel(LocaleBaseWidget::type(), m_body);
    m_typeEdit = new QLineEdit(m_body);
    m_typeEdit->setReadOnly(true);
    m_websiteLabel = new QLabel(LocaleBaseWidget::website(), m_body);
    m_websiteBox = new WidWebsiteComboBox(m_body);
}

void BaseTemplateEditor::createCommentsWidget()
{
    m_commentsLabel = new QLabel(LocaleBase::comments(), m_body);
    m_commentsEdit = UtilGui::createPlainTextEdit(m_body);
}

void BaseTemplateEditor::addCommonRows(QGridLayout* grid)
{
    createCommonWidgets();
    UtilGui::addRow(grid, m_idLabel, m_idEdit);
    UtilGui::addRow(grid, m_nameLabel, m_nameEdit);
    UtilGui::addRow(grid, m_typeLabel, m_typeEdit);
    UtilGui::addRow(grid, m_websiteLabel, m_websiteBox);
}

void BaseTemplateEditor::addCommentsRow(QGridLayout* grid)
{
    createCommentsWidget();
    UtilGui::addRow(grid, m_commentsLabel, m_commentsEdit);
}

void BaseTemplateEditor::createBody()
{
    m_tabs = new QTabWidget(this);
    m_body = m_tabs;
    m_formLayout = nullptr;
    m_boxLayout->addWidget(m_tabs);
}

QGridLayout* BaseTemplateEditor::addPage(const QString& title)
{
    auto* page = new QWidget(m_tabs);
    QGridLayout* grid = UtilGui::createGridLayout(page);
    m_tabs->addTab(page, title);
    return grid;
}

void BaseTemplateEditor::finishPage(QGridLayout* grid)
{
    UtilGui::stretchLastRowAndColumn(grid);
}

bool BaseTemplateEditor::isKind(DBBase* record) const
{
    return record && m_isKind && m_isKind(record);
}

void BaseTemplateEditor::showType()
{
    const int type = websiteType();
    m_typeEdit->setText(DBWebsite::typeText(type));
    m_websiteBox->reload(type);
}

void BaseTemplateEditor::disconnectWidgets()
{
    for (const QMetaObject::Connection& connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
    BaseEditor::disconnectWidgets();
}

void BaseTemplateEditor::connectWidgets()
{
    disconnectWidgets();
    m_connections << connect(m_nameEdit, &QLineEdit::textChanged, this, &BaseEditor::handleDirty)
                  << connect(m_websiteBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                             &BaseEditor::handleDirty)
                  << connect(m_commentsEdit, &QPlainTextEdit::textChanged, this, &BaseEditor::handleDirty);
    BaseEditor::connectWidgets();
}

void BaseTemplateEditor::fillWidgets(DBBase* record)
{
    if (!isKind(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    m_idEdit->setText(QString::number(record->id()));
    m_nameEdit->setText(record->name());
    showType();
    // No fallback to the first website: see the class comment.
    m_websiteBox->setCurrentIndex(m_websiteBox->findData(m_websiteOf(record)));
    BaseEditor::fillWidgets(record);
    m_commentsEdit->setPlainText(record->comments());
}

void BaseTemplateEditor::clearWidgets()
{
    m_idEdit->clear();
    m_nameEdit->setText(typeName());
    showType();
    BaseEditor::clearWidgets();
    m_commentsEdit->clear();
}

void BaseTemplateEditor::storeWidgets(DBBase* record)
{
    if (!isKind(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    record->setName(m_nameEdit->text());
    m_setWebsite(record, m_websiteBox->currentId());
    BaseEditor::storeWidgets(record);
    record->setComments(m_commentsEdit->toPlainText());
}

bool BaseTemplateEditor::validate()
{
    if (m_websiteBox && m_websiteBox->hasSelection())
        return true;
    UtilSignalManager::instance()->emitWarning(LocaleBaseWidget::selectProperWebsite());
    return false;
}

} // namespace Vexal
