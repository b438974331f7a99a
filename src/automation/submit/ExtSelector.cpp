#include "automation/submit/ExtSelector.h"

#include "automation/submit/ExtSelectorToolbar.h"
#include "automation/selector/SelectorBuilder.h"
#include "automation/selector/SelectorError.h"
#include "automation/selector/SelectorList.h"
#include "automation/selector/SelectorLookup.h"
#include "automation/submit/WidSelectorComboBox.h"
#include "core/Logger.h"
#include "shell/BaseTabObject.h"
#include "shell/PageDomFactory.h"
#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"
#include "widgets/WidTextEdit.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "texts/LocaleExtension.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Vexal {

ExtSelector::ExtSelector(QWidget* parent)
    : QWidget(parent)
{
}

QString ExtSelector::borderStyle()
{
    return QStringLiteral("#45A2FF 2px solid");
}

void ExtSelector::create()
{
    m_toolbar = new ExtSelectorToolbar(LocaleExtension::testSelectors(), this);
    m_toolbar->build();
    connect(m_toolbar, &ExtSelectorToolbar::onCopy, this, &ExtSelector::slotCopy);
    connect(m_toolbar, &ExtSelectorToolbar::onHighlight, this, &ExtSelector::slotHighlight);
    connect(m_toolbar, &BaseWebToolbar::onClose, this, &ExtSelector::slotClose);

    auto* inner = new QWidget(this);
    auto* selectorLabel = new QLabel(LocaleExtension::selector(), inner);
    m_selectorBox = new WidSelectorComboBox(inner);
    m_selectorBox->addItem(LocaleExtension::selectors());
    connect(m_selectorBox, &WidSelectorComboBox::onReturnPressed, this, &ExtSelector::slotHighlight);

    auto* parsedLabel = new QLabel(LocaleExtension::parsed(), inner);
    m_parsedEdit = new QLineEdit(inner);
    m_parsedEdit->setReadOnly(true);
    m_parseButton = new QPushButton(LocaleExtension::parse(), inner);
    connect(m_parseButton, &QPushButton::clicked, this, &ExtSelector::slotParse);
    m_highlightButton = new QPushButton(LocaleExtension::highlight(), inner);
    connect(m_highlightButton, &QPushButton::clicked, this, &ExtSelector::slotHighlight);

    QGridLayout* grid = UtilGui::createGridLayout(inner);
    UtilGui::addRow(grid, selectorLabel, m_selectorBox);
    UtilGui::addRow(grid, parsedLabel, m_parsedEdit);
    UtilGui::addRow(grid, new QLabel(inner), m_parseButton);
    UtilGui::addRow(grid, new QLabel(inner), m_highlightButton);

    m_messageEdit = new WidTextEdit(this);
    m_messageEdit->setReadOnly(true);
    m_messageEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    QVBoxLayout* layout = UtilGui::createVBoxLayout(this);
    layout->addWidget(m_toolbar);
    layout->addWidget(inner);
    layout->addWidget(m_messageEdit);
}

void ExtSelector::parseInto(SelectorBuilder& builder)
{
    builder.build(m_selectorBox->currentText(), LocaleExtension::test(), LocaleExtension::test());
    if (SelectorError* error = builder.error()) {
        m_parsedEdit->clear();
        showError(error->text());
        return;
    }
    m_messageEdit->setPlainText(QString());
    SelectorList* result = builder.result();
    if (!result) { // empty or blank text
        m_parsedEdit->clear();
        return;
    }
    m_parsedEdit->setText(result->toText());
    m_parsedEdit->setCursorPosition(0);
    m_selectorBox->addCurrentToHistory();
}

// The message quotes the typed text: shown as text, not as markup.
void ExtSelector::showError(const QString& text)
{
    m_messageEdit->setHtml(QStringLiteral("<span style='color:red;'>%1</span>").arg(text.toHtmlEscaped()));
}

void ExtSelector::slotParse()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleExtension::parse());
    if (!m_selectorBox)
        return;
    SelectorBuilder builder;
    parseInto(builder);
}

void ExtSelector::slotHighlight()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleExtension::highlight());
    if (!m_selectorBox)
        return;
    SelectorBuilder builder;
    parseInto(builder);
    WidWebTab* tab = webTab();
    if (!tab || !builder.result())
        return;
    SelectorLookup lookup(PageDomFactory::forView(tab->webView()));
    const PageElements elements = lookup.find(builder.result());
    if (!lookup.error().isEmpty())
        showError(lookup.error());
    for (const PageElement& element : elements) {
        if (!element.isNull())
            element.dom()->setStyle(element, QStringLiteral("border"), borderStyle());
    }
}

void ExtSelector::slotCopy()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleExtension::copy());
    if (!m_selectorBox)
        return;
    const QString text = m_selectorBox->currentText();
    QClipboard* clipboard = QApplication::clipboard();
    if (!text.isEmpty() && clipboard)
        clipboard->setText(text, QClipboard::Clipboard);
}

void ExtSelector::slotClose()
{
    tabObject()->emitOnClose(this);
}

void ExtSelector::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    UtilPainter::drawRightLine(this);
}

} // namespace Vexal
