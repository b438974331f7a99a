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
    return googleEdit ? googleEdit->text() : QString();
}

QString DlgRank::alexaText() const
{
    return alexaEdit ? alexaEdit->text() : QString();
}

void DlgRank::createWidgets()
{
    googleEdit = new QLineEdit(m_google ? LocaleDialog::loading() : QString(), body);
    googleEdit->setReadOnly(true);
    alexaEdit = new QLineEdit(m_alexa ? LocaleDialog::loading() : QString(), body);
    alexaEdit->setReadOnly(true);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::googlePR(), body), googleEdit);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::alexaRank(), body), alexaEdit);
    UtilGui::stretchLastRow(formLayout);
}

void DlgRank::createButtons()
{
    DlgBase::createButtons();
    okButton->setText(LocaleDialog::save());
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
    googleEdit->setText(text);
}

void DlgRank::handleAlexaFinished(const QString& text)
{
    Logger::setContext(className(), LocaleDialog::finished());
    alexaEdit->setText(text);
}

} // namespace Vexal
