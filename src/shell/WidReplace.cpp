#include "shell/WidReplace.h"

#include "core/Logger.h"
#include "shell/UtilFieldKeys.h"
#include "texts/LocaleFind.h"

#include <QLabel>
#include <QLineEdit>

namespace Vexal {

WidReplace::WidReplace(QWidget* parent)
    : WidTextFindBase(parent)
{
}

void WidReplace::create()
{
    createRow(LocaleFind::replace(), LocaleFind::replaceAll(), [this] {
        m_withLabel = new QLabel(LocaleFind::with(), this);
        m_replaceEdit = new QLineEdit(this);
        UtilFieldKeys::install(m_replaceEdit);
        m_replaceEdit->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return QList<QWidget*>{m_withLabel, m_replaceEdit};
    });
    connect(m_replaceEdit, &QLineEdit::returnPressed, this, &WidReplace::slotReplaceNext);
}

void WidReplace::slotReplaceNext()
{
    replace(true);
}

void WidReplace::slotReplacePrevious()
{
    replace(false);
}

void WidReplace::replace(bool forward)
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::replace());
    if (searchText().isEmpty())
        return;
    emit onReplace(searchText(), m_replaceEdit->text(), forward, isMatchCase());
}

void WidReplace::slotReplaceAll()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::replaceAll());
    if (searchText().isEmpty())
        return;
    emit onReplaceAll(searchText(), m_replaceEdit->text(), isMatchCase());
}

} // namespace Vexal
