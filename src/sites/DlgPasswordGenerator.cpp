#include "sites/DlgPasswordGenerator.h"

#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

namespace Vexal {

namespace {

const char* const lowerLetters = "abcdefghijkmnopqrstuvwxyz";
const char* const upperLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
const char* const digits = "23456789";
const char* const signs = "!#$%&*+-=?@^_~";

QChar draw(QRandomGenerator* random, const QString& set)
{
    return set.at(int(random->bounded(quint32(set.size()))));
}

} // namespace

DlgPasswordGenerator::DlgPasswordGenerator(QWidget* parent)
    : DlgBase(parent)
{
}

QString DlgPasswordGenerator::password() const
{
    return m_passwordEdit ? m_passwordEdit->text() : QString();
}

QString DlgPasswordGenerator::createPassword(int length)
{
    const QStringList sets = {QLatin1String(lowerLetters), QLatin1String(upperLetters), QLatin1String(digits),
                              QLatin1String(signs)};
    const QString all = sets.join(QString());
    QRandomGenerator* random = QRandomGenerator::system();
    QString password;
    for (const QString& set : sets)
        password += draw(random, set);
    while (password.size() < length)
        password += draw(random, all);
    // Fisher-Yates, so that the classes do not sit in fixed places.
    for (int i = password.size() - 1; i > 0; --i) {
        const int j = int(random->bounded(quint32(i + 1)));
        const QChar c = password.at(i);
        password[i] = password.at(j);
        password[j] = c;
    }
    return password;
}

void DlgPasswordGenerator::slotCreateAndCopy()
{
    Logger::setContext(className(), LocaleDialog::createAndCopy());
    m_passwordEdit->setText(createPassword());
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(m_passwordEdit->text());
}

void DlgPasswordGenerator::createWidgets()
{
    m_passwordEdit = new QLineEdit(createPassword(), m_body);
    m_passwordEdit->setReadOnly(true);
    m_passwordEdit->setMinimumWidth(200);
    UtilGui::addRow(m_formLayout, new QLabel(LocaleDialog::password(), m_body), m_passwordEdit);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgPasswordGenerator::createButtons()
{
    DlgBase::createButtons();
    m_okButton->setText(LocaleDialog::accept());
    m_createButton = new QPushButton(LocaleDialog::createAndCopy(), this);
    connect(m_createButton, &QPushButton::clicked, this, &DlgPasswordGenerator::slotCreateAndCopy);
    m_buttonLayout->insertWidget(0, m_createButton);
}

} // namespace Vexal
