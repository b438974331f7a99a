#include "automation/templates/BaseTemplateEditor.h"

#include "automation/selector/SelectorBuilder.h"
#include "automation/selector/SelectorError.h"
#include "automation/templates/DBTemplateBase.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBBase.h"
#include "data/DBWebsite.h"
#include "widgets/UtilGui.h"
#include "sites/WidWebsiteComboBox.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleBaseWidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
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

    addField([this](DBBase* r) { m_idEdit->setText(QString::number(r->id())); }, {}, [this] { m_idEdit->clear(); },
             {});
    // A new template is named after its kind.
    addField([this](DBBase* r) { m_nameEdit->setText(r->name()); },
             [this](DBBase* r) { r->setName(m_nameEdit->text()); }, [this] { m_nameEdit->setText(typeName()); },
             [this] { return connect(m_nameEdit, &QLineEdit::textChanged, this, &BaseEditor::handleDirty); });
    // No fallback to the first website: see the class comment.
    addField(
        [this](DBBase* r) {
            showType();
            m_websiteBox->setCurrentIndex(m_websiteBox->findData(m_websiteOf(r)));
        },
        [this](DBBase* r) { m_setWebsite(r, m_websiteBox->currentId()); }, [this] { showType(); },
        [this] {
            return connect(m_websiteBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                           &BaseEditor::handleDirty);
        });
}

void BaseTemplateEditor::createCommentsWidget()
{
    m_commentsLabel = new QLabel(LocaleBase::comments(), m_body);
    m_commentsEdit = UtilGui::createPlainTextEdit(m_body);
    bindField(m_commentsEdit, &DBBase::comments, &DBBase::setComments, &QPlainTextEdit::toPlainText,
              &QPlainTextEdit::setPlainText, QString(), &QPlainTextEdit::textChanged);
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
    m_tabs->addTab(scrollPage(page), title);
    return grid;
}

void BaseTemplateEditor::finishPage(QGridLayout* grid)
{
    // The fields take the width the page has beyond the labels: selectors
    // are often longer than the ordinary ones.
    UtilGui::stretchLastRow(grid);
    if (grid)
        grid->setColumnStretch(1, 1);
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

void BaseTemplateEditor::fillWidgets(DBBase* record)
{
    if (!isKind(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    BaseEditor::fillWidgets(record);
}

void BaseTemplateEditor::storeWidgets(DBBase* record)
{
    if (!isKind(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    BaseEditor::storeWidgets(record);
}

QString BaseTemplateEditor::selectorRefusal(int row) const
{
    const QString text = m_selectors.at(row)->text();
    const QString name = m_selectorNames.value(row);
    if (text.size() > DBTemplateBase::selectorLimit)
        return LocaleTemplate::selectorTooLong(name, text.size(), DBTemplateBase::selectorLimit);
    SelectorBuilder builder;
    builder.build(text, name, QString());
    return builder.error() ? LocaleTemplate::selectorNotParsed(name, builder.error()->text()) : QString();
}

void BaseTemplateEditor::showField(QLineEdit* field)
{
    for (QWidget* widget = field; m_tabs && widget; widget = widget->parentWidget()) {
        const int page = m_tabs->indexOf(widget);
        if (page >= 0) {
            m_tabs->setCurrentIndex(page);
            break;
        }
    }
    field->setFocus();
}

bool BaseTemplateEditor::validate()
{
    if (!m_websiteBox || !m_websiteBox->hasSelection()) {
        UtilSignalManager::instance()->emitWarning(LocaleBaseWidget::selectProperWebsite());
        return false;
    }
    for (int row = 0; row < m_selectors.size(); ++row) {
        const QString refusal = selectorRefusal(row);
        if (refusal.isEmpty())
            continue;
        Logger::error(refusal);
        UtilSignalManager::instance()->emitError(refusal, true);
        showField(m_selectors.at(row));
        return false;
    }
    return true;
}

} // namespace Vexal
