#include "widgets/WidPasswordEdit.h"

#include "data/Encryptor.h"
#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleWidgets.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QToolButton>

namespace Vexal {

WidPasswordEdit::WidPasswordEdit(QWidget* parent)
    : QWidget(parent)
{
    QHBoxLayout* layout = UtilGui::createHBoxLayout(this, 0, 2);
    m_edit = new QLineEdit(this);
    m_edit->setEchoMode(QLineEdit::Password);
    m_button = new QToolButton(this);
    m_button->setCheckable(true);
    m_button->setIcon(QIcon(ConstIcon::lock(16)));
    m_button->setToolTip(LocaleWidgets::showHidePassword());
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textChanged, this, &WidPasswordEdit::textChanged);
    connect(m_edit, &QLineEdit::textEdited, this, [this]() { m_modified = true; });
    connect(m_button, &QToolButton::toggled, this, &WidPasswordEdit::handleShowPassword);
}

void WidPasswordEdit::setScrambledText(const QString& stored)
{
    m_stored = stored;
    m_modified = false;
    if (stored.isEmpty()) {
        m_edit->clear();
        return;
    }
    Encryptor encryptor(Encryptor::programKey());
    const QString plain = encryptor.decode(stored);
    // An unreadable stored text shows as empty but is handed back unchanged.
    m_edit->setText(encryptor.lastError() == Encryptor::ErrorNoError ? plain : QString());
}

QString WidPasswordEdit::scrambledText() const
{
    if (!m_modified)
        return m_stored;
    const QString plain = m_edit->text();
    if (plain.isEmpty())
        return QString();
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.encode(plain);
}

QString WidPasswordEdit::plainText() const
{
    return m_edit->text();
}

void WidPasswordEdit::setPlainText(const QString& text)
{
    m_modified = true;
    m_edit->setText(text);
}

bool WidPasswordEdit::isPasswordShown() const
{
    return m_edit->echoMode() == QLineEdit::Normal;
}

void WidPasswordEdit::handleHidePassword()
{
    handleShowPassword(false);
}

void WidPasswordEdit::handleShowPassword(bool show)
{
    m_edit->setEchoMode(show ? QLineEdit::Normal : QLineEdit::Password);
    if (m_button->isChecked() != show) {
        const bool blocked = m_button->blockSignals(true);
        m_button->setChecked(show);
        m_button->blockSignals(blocked);
    }
}

} // namespace Vexal
