#include "content/DlgSpinner.h"

#include "content/DBArticle.h"
#include "content/ThreadSpinner.h"
#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>

namespace Vexal {

DlgSpinner::~DlgSpinner()
{
    // The base then waits for the job to end.
    if (isJobRunning())
        m_spinner->stop();
}

void DlgSpinner::createWidgets()
{
    m_article = qobject_cast<DBArticle*>(m_argument);

    m_countBox = new QSpinBox(this);
    m_countBox->setRange(1, maxCount);
    m_countBox->setValue(defaultCount);
    m_includeOriginal = new QCheckBox(LocaleDialog::includeOriginal(), this);
    m_statusLabel = new QLabel(this);
    if (m_article)
        m_statusLabel->setText(m_article->name());
    m_progressBar = new QProgressBar(this);
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(0, 1);
    m_progressBar->setValue(0);
    if (m_article && m_article->id() >= 0) {
        m_spinner = new ThreadSpinner(m_article->id(), defaultCount, false, this);
        connect(m_spinner, &ThreadSpinner::progress, this, &DlgSpinner::slotProgress);
        setJob(m_spinner);
    }

    addRow(LocaleDialog::spunArticles(), m_countBox);
    addRow(QStringLiteral(" "), m_includeOriginal);
    addRow(QStringLiteral(" "), m_statusLabel);
    addRow(LocaleDialog::progress(), m_progressBar);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgSpinner::prepareRun()
{
    const int count = m_countBox->value();
    m_spinner->setCount(count);
    m_spinner->setIncludeOriginal(m_includeOriginal->isChecked());
    m_countBox->setEnabled(false);
    m_includeOriginal->setEnabled(false);
    m_progressBar->setRange(0, count);
    m_progressBar->setValue(0);
    rewireOkButton(&DlgSpinner::slotStop);
}

void DlgSpinner::slotStop()
{
    Logger::setContext(className(), LocaleDialog::stop());
    if (!isJobRunning())
        return;
    m_spinner->stop();
    m_okButton->setEnabled(false);
}

void DlgSpinner::slotProgress(int done, int total)
{
    if (m_progressBar->maximum() != total)
        m_progressBar->setRange(0, total);
    m_progressBar->setValue(done);
}

void DlgSpinner::showRunEnd()
{
    m_progressBar->setValue(m_spinner->isSuccessful() ? m_spinner->storedCount() : 0);
}

} // namespace Vexal
