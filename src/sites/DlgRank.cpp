#include "sites/DlgRank.h"

#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "sites/RankAlexa.h"
#include "sites/RankGoogle.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLabel>
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
    UtilGui::addRow(m_formLayout, new QLabel(LocaleDialog::googlePR(), m_body), m_googleEdit);
    UtilGui::addRow(m_formLayout, new QLabel(LocaleDialog::alexaRank(), m_body), m_alexaEdit);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgRank::createButtons()
{
    DlgBase::createButtons();
    m_okButton->setText(LocaleDialog::save());
}

void DlgRank::connectWidgets()
{
    if (m_google) {
        connect(m_google.data(), &RankQuery::finished, this, &DlgRank::handleGoogleFinished);
        if (m_google->isFinished())
            handleGoogleFinished(m_google->text());
        else
            m_google->start();
    }
    if (m_alexa) {
        connect(m_alexa.data(), &RankQuery::finished, this, &DlgRank::handleAlexaFinished);
        if (m_alexa->isFinished())
            handleAlexaFinished(m_alexa->text());
        else
            m_alexa->start();
    }
}

void DlgRank::handleGoogleFinished(const QString& text)
{
    Logger::setContext(className(), LocaleDialog::finished());
    m_googleEdit->setText(text);
}

void DlgRank::handleAlexaFinished(const QString& text)
{
    Logger::setContext(className(), LocaleDialog::finished());
    m_alexaEdit->setText(text);
}

} // namespace Vexal
