#include "shell/WidFind.h"

#include "core/Logger.h"
#include "texts/LocaleFind.h"

#include <QLineEdit>

namespace Vexal {

WidFind::WidFind(QWidget* parent)
    : WidTextFindBase(parent)
{
}

void WidFind::create()
{
    createRow(LocaleFind::find(), LocaleFind::selectAll());
}

void WidFind::slotFindNext()
{
    find(true);
}

void WidFind::slotFindPrevious()
{
    find(false);
}

void WidFind::find(bool forward)
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::find());
    if (searchText().isEmpty())
        return;
    emit onFind(searchText(), forward, isMatchCase());
}

void WidFind::slotFindAll()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::selectAll());
    if (!m_edit)
        return;
    const QString text = searchText();
    if (text.isEmpty() || text == m_lastFindAll)
        m_lastFindAll.clear();
    else
        m_lastFindAll = text;
    emit onFindAll(m_lastFindAll, isMatchCase());
}

} // namespace Vexal
