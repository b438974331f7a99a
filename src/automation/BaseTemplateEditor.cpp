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

BaseTemplateEditor::BaseTemplateEditor(QWidget* parent)
    : BaseEditor(parent)
{
}

int BaseTemplateEditor::websiteType() const
{
    return init() ? init()->type() : 0;
}

void BaseTemplateEditor::createCommonWidgets()
{
    idLabel = new QLabel(LocaleBaseWidget::id(), body);
    idEdit = new QLineEdit(body);
    idEdit->setReadOnly(true);
    nameLabel = new QLabel(LocaleBaseWidget::name(), body);
    nameEdit = new QLineEdit(body);
    typeLabel = new QLabel(LocaleBaseWidget::type(), body);
    typeEdit = new QLineEdit(body);
    typeEdit->setReadOnly(true);
    websiteLabel = new QLabel(LocaleBaseWidget::website(), body);
    websiteBox = new WidWebsiteComboBox(body);
}

void BaseTemplateEditor::createCommentsWidget()
{
    commentsLabel = new QLabel(LocaleBase::comments(), body);
    commentsEdit = UtilGui::createPlainTextEdit(body);
}

void BaseTemplateEditor::addCommonRows(QGridLayout* grid)
{
    createCommonWidgets();
    UtilGui::addRow(grid, idLabel, idEdit);
    UtilGui::addRow(grid, nameLabel, nameEdit);
    UtilGui::addRow(grid, typeLabel, typeEdit);
    UtilGui::addRow(grid, websiteLabel, websiteBox);
}

void BaseTemplateEditor::addCommentsRow(QGridLayout* grid)
{
    createCommentsWidget();
    UtilGui::addRow(grid, commentsLabel, commentsEdit);
}

void BaseTemplateEditor::createTabBody()
{
    tabs = new QTabWidget(this);
    body = tabs;
    formLayout = nullptr;
    boxLayout->addWidget(tabs);
}

QGridLayout* BaseTemplateEditor::addPage(const QString& title)
{
    auto* page = new QWidget(tabs);
    QGridLayout* grid = UtilGui::createGridLayout(page);
    tabs->addTab(page, title);
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
    typeEdit->setText(DBWebsite::typeText(type));
    websiteBox->reload(type);
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
    m_connections << connect(nameEdit, &QLineEdit::textChanged, this, &BaseEditor::handleDirty)
                  << connect(websiteBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                             &BaseEditor::handleDirty)
                  << connect(commentsEdit, &QPlainTextEdit::textChanged, this, &BaseEditor::handleDirty);
    BaseEditor::connectWidgets();
}

void BaseTemplateEditor::fillWidgets(DBBase* record)
{
    if (!isKind(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    idEdit->setText(QString::number(record->id()));
    nameEdit->setText(record->name());
    showType();
    // No fallback to the first website: see the class comment.
    websiteBox->setCurrentIndex(websiteBox->findData(m_websiteOf(record)));
    BaseEditor::fillWidgets(record);
    commentsEdit->setPlainText(record->comments());
}

void BaseTemplateEditor::clearWidgets()
{
    idEdit->clear();
    nameEdit->setText(typeName());
    showType();
    BaseEditor::clearWidgets();
    commentsEdit->clear();
}

void BaseTemplateEditor::storeWidgets(DBBase* record)
{
    if (!isKind(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    record->setName(nameEdit->text());
    m_setWebsite(record, websiteBox->currentId());
    BaseEditor::storeWidgets(record);
    record->setComments(commentsEdit->toPlainText());
}

bool BaseTemplateEditor::validate()
{
    if (websiteBox && websiteBox->hasSelection())
        return true;
    UtilSignalManager::instance()->emitWarning(LocaleBaseWidget::selectProperWebsite());
    return false;
}

} // namespace Vexal
