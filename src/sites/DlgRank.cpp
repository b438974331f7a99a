#include "sites/DlgRank.h"

#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "sites/RankAlexa.h"
#include "sites/RankGoogle.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace Vexal {

DlgRank::DlgRank(RankGoogle* google, RankAlexa* alexa, QWidget* parent)
    : DlgBase(parent)
    , m_google(google)
    , m_alexa(alexa)
{
}

QString DlgRank::googleText() const
{
    return m_googleEdit ? m_googleEdit->text() : QString();
}

QString DlgRank::alexaText() const
{
    return m_alexaEdit ? m_alexaEdit->text() : QString();
}

void DlgRank::createWidgets()
{
    m_googleEdit = new QLineEdit(m_google ? LocaleDialog::loading() : QString(), m_body);
    m_googleEdit->setReadOnly(true);
    m_alexaEdit = new QLineEdit(m_alexa ? LocaleDialog::loading() : QString(), m_body);
    m_alexaEdit->setReadOnly(true);
    addRow(LocaleDialog::googlePR(), m_googleEdit);
    addRow(LocaleDialog::alexaRank(), m_alexaEdit);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgRank::createButtons()
{
    DlgBase::createButtons();
    m_okButton->setText(LocaleDialog::save());
}

void DlgRank::connectWidgets()
{
    showAnswer(m_google, m_googleEdit);
    showAnswer(m_alexa, m_alexaEdit);
}

void DlgRank::showAnswer(RankQuery* query, QLineEdit* field)
{
    if (!query)
        return;
    auto show = [this, field](const QString& text) {
        Logger::setContext(className(), LocaleDialog::finished());
        field->setText(text);
        // A failure says more than a rank: the field shows it whole.
        UtilGui::fitToText(field);
        fitToContents();
    };
    connect(query, &RankQuery::finished, this, show);
    if (query->isFinished())
        show(query->text());
    else
        query->start();
}

} // namespace Vexal
