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
    captionLabel1 = new QLabel(QStringLiteral(" "), this);
    captionLabel2 = new QLabel(QStringLiteral(" "), this);
    statusLabel = new QLabel(this);
    progressBar = new QProgressBar(this);
    progressBar->setTextVisible(false);

    m_job = qobject_cast<Thread*>(argument);
    if (m_job)
        statusLabel->setText(m_job->title());

    UtilGui::addRow(formLayout, captionLabel1, statusLabel);
    UtilGui::addRow(formLayout, captionLabel2, progressBar);
    UtilGui::stretchLastRow(formLayout);
}

void DlgProgress::connectWidgets()
{
    okButton->setText(LocaleDialog::start());
    disconnect(okButton, &QPushButton::clicked, this, nullptr);
    connect(okButton, &QPushButton::clicked, this, &DlgProgress::slotStart);
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

    statusLabel->setText(LocaleDialog::working());
    progressBar->setRange(0, 0);
    okButton->setEnabled(false);
    okButton->setText(LocaleDialog::stop());
    connect(m_job, &QThread::finished, this, &DlgProgress::slotFinished, Qt::UniqueConnection);
    cancelButton->setEnabled(false);
    m_job->start(QThread::InheritPriority);
}

void DlgProgress::slotFinished()
{
    Logger::setContext(className(), LocaleDialog::finished());
    if (!m_job)
        return;
    if (!m_job->isSuccessful()) {
        Logger::error(m_job->errorText());
        statusLabel->setText(LocaleDialog::operationFailedHtml());
    } else {
        statusLabel->setText(LocaleDialog::operationCompleted());
    }
    progressBar->setRange(0, 1);
    progressBar->setValue(1);
    okButton->setEnabled(true);
    okButton->setText(LocaleDialog::close());
    disconnect(okButton, &QPushButton::clicked, this, nullptr);
    connect(okButton, &QPushButton::clicked, this, &DlgProgress::slotClose);
}

void DlgProgress::slotClose()
{
    Logger::setContext(className(), LocaleDialog::close());
    if (m_job && m_job->isSuccessful())
        accept();
    else
        reject();
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
