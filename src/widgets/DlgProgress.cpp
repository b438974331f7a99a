#include "widgets/DlgProgress.h"

#include "core/Logger.h"
#include "core/Thread.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace Vexal {

DlgProgress::DlgProgress(QWidget* parent)
    : DlgBase(parent)
{
}

DlgProgress::~DlgProgress()
{
    // Last resort: the job is our child and must not be destroyed while it runs.
    if (m_job && m_job->isRunning())
        m_job->wait();
}

bool DlgProgress::isJobRunning() const
{
    return m_job && m_job->isRunning();
}

void DlgProgress::createWidgets()
{
    m_captionLabel1 = new QLabel(QStringLiteral(" "), this);
    m_captionLabel2 = new QLabel(QStringLiteral(" "), this);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setWordWrap(true); // a failure's cause can be long
    m_progressBar = new QProgressBar(this);
    m_progressBar->setTextVisible(false);

    m_job = qobject_cast<Thread*>(m_argument);
    if (m_job)
        m_statusLabel->setText(m_job->title());

    UtilGui::addRow(m_formLayout, m_captionLabel1, m_statusLabel);
    UtilGui::addRow(m_formLayout, m_captionLabel2, m_progressBar);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgProgress::connectWidgets()
{
    m_okButton->setText(LocaleDialog::start());
    rewireOkButton(&DlgProgress::slotStart);
}

void DlgProgress::slotStart()
{
    Logger::setContext(className(), LocaleDialog::start());
    if (!m_job) {
        reject();
        return;
    }
    if (m_job->isRunning() || m_job->isFinished())
        return; // a job runs at most once per dialog

    m_statusLabel->setText(LocaleDialog::working());
    m_okButton->setText(LocaleDialog::stop());
    prepareRun();
    fitToContents();
    connect(m_job, &QThread::finished, this, &DlgProgress::slotFinished, Qt::UniqueConnection);
    m_cancelButton->setEnabled(false);
    m_job->start(QThread::InheritPriority);
}

void DlgProgress::prepareRun()
{
    m_progressBar->setRange(0, 0);
    m_okButton->setEnabled(false);
}

void DlgProgress::slotFinished()
{
    Logger::setContext(className(), LocaleDialog::finished());
    if (!m_job)
        return;
    if (!m_job->isSuccessful()) {
        Logger::error(m_job->errorText());
        m_statusLabel->setText(LocaleDialog::operationFailedHtml(m_job->failureCause()));
    } else {
        const QString result = m_job->resultText();
        m_statusLabel->setText(result.isEmpty() ? LocaleDialog::operationCompleted() : result);
    }
    showRunEnd();
    m_okButton->setEnabled(true);
    m_okButton->setText(LocaleDialog::close());
    rewireOkButton(&DlgProgress::slotClose);
    // The result, a long cause included, reads whole at the size it takes.
    fitToContents();
    if (m_closeWhenEnded)
        reject();
}

void DlgProgress::showRunEnd()
{
    m_progressBar->setRange(0, 1);
    m_progressBar->setValue(1);
}

void DlgProgress::slotClose()
{
    Logger::setContext(className(), LocaleDialog::close());
    if (m_job && m_job->isSuccessful())
        accept();
    else
        reject();
}

void DlgProgress::dismiss()
{
    if (!isJobRunning()) {
        reject();
        return;
    }
    m_closeWhenEnded = true;
    m_job->cancel();
}

void DlgProgress::done(int result)
{
    // Escape, reject() and accept() all end here.
    if (isJobRunning())
        return;
    DlgBase::done(result);
}

void DlgProgress::closeEvent(QCloseEvent* event)
{
    if (isJobRunning()) {
        event->ignore();
        return;
    }
    DlgBase::closeEvent(event);
}

} // namespace Vexal
