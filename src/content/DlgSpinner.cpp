#include "content/DlgSpinner.h"

#include "content/DBArticle.h"
#include "content/ThreadSpinner.h"
#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

namespace Vexal {

DlgSpinner::DlgSpinner(QWidget* parent)
    : DlgBase(parent)
{
}

DlgSpinner::~DlgSpinner()
{
    // Last resort: the job is our child and must not be destroyed while it runs.
    if (isJobRunning()) {
        m_job->stop();
        m_job->wait();
    }
}

bool DlgSpinner::isJobRunning() const
{
    return m_job && m_job->isRunning();
}

void DlgSpinner::createWidgets()
{
    m_article = qobject_cast<DBArticle*>(m_argument);

    m_countBox = new QSpinBox(this);
    m_countBox->setRange(1, maxCount);
    m_countBox->setValue(defaultCount);
    m_includeOriginal = new QCheckBox(LocaleDialog::includeOriginal(), this);
    m_status = new QLabel(this);
    if (m_article)
        m_status->setText(m_article->name());
    m_progress = new QProgressBar(this);
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    if (m_article && m_article->id() >= 0) {
        m_job = new ThreadSpinner(m_article->id(), defaultCount, false, this);
        connect(m_job, &ThreadSpinner::progress, this, &DlgSpinner::slotProgress);
        connect(m_job, &QThread::finished, this, &DlgSpinner::slotFinished);
    }

    UtilGui::addRow(m_formLayout, new QLabel(LocaleDialog::spunArticles(), this), m_countBox);
    UtilGui::addRow(m_formLayout, new QLabel(QStringLiteral(" "), this), m_includeOriginal);
    UtilGui::addRow(m_formLayout, new QLabel(QStringLiteral(" "), this), m_status);
    UtilGui::addRow(m_formLayout, new QLabel(LocaleDialog::progress(), this), m_progress);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgSpinner::connectWidgets()
{
    m_okButton->setText(LocaleDialog::start());
    rewireStartButton(&DlgSpinner::slotStart);
}

void DlgSpinner::rewireStartButton(void (DlgSpinner::*slot)())
{
    disconnect(m_okButton, &QPushButton::clicked, this, nullptr);
    connect(m_okButton, &QPushButton::clicked, this, slot);
}

void DlgSpinner::slotStart()
{
    Logger::setContext(className(), LocaleDialog::start());
    if (!m_job) {
        reject();
        return;
    }
    if (m_job->isRunning() || m_job->isFinished())
        return; // one run per dialog

    const int count = m_countBox->value();
    m_job->setCount(count);
    m_job->setIncludeOriginal(m_includeOriginal->isChecked());

    m_countBox->setEnabled(false);
    m_includeOriginal->setEnabled(false);
    m_status->setText(LocaleDialog::working());
    m_progress->setRange(0, count);
    m_progress->setValue(0);
    m_okButton->setText(LocaleDialog::stop());
    rewireStartButton(&DlgSpinner::slotStop);
    m_cancelButton->setEnabled(false);
    m_job->start(QThread::InheritPriority);
}

void DlgSpinner::slotStop()
{
    Logger::setContext(className(), LocaleDialog::stop());
    if (!isJobRunning())
        return;
    m_job->stop();
    m_okButton->setEnabled(false);
}

void DlgSpinner::slotProgress(int done, int total)
{
    if (m_progress->maximum() != total)
        m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void DlgSpinner::slotFinished()
{
    Logger::setContext(className(), LocaleDialog::finished());
    if (!m_job)
        return;
    if (!m_job->isSuccessful()) {
        Logger::error(m_job->errorText());
        m_status->setText(LocaleDialog::operationFailedHtml());
        m_progress->setValue(0);
    } else {
        m_status->setText(LocaleDialog::operationCompleted());
        m_progress->setValue(m_job->storedCount());
    }
    m_okButton->setEnabled(true);
    m_okButton->setText(LocaleDialog::close());
    rewireStartButton(&DlgSpinner::slotClose);
}

void DlgSpinner::slotClose()
{
    Logger::setContext(className(), LocaleDialog::close());
    if (m_job && m_job->isSuccessful())
        accept();
    else
        reject();
}

void DlgSpinner::done(int result)
{
    // Escape, reject() and accept() all end here.
    if (isJobRunning())
        return;
    DlgBase::done(result);
}

void DlgSpinner::closeEvent(QCloseEvent* event)
{
    if (isJobRunning()) {
        event->ignore();
        return;
    }
    DlgBase::closeEvent(event);
}

} // namespace Vexal
