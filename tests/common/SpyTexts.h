#pragma once

#include <QSignalSpy>
#include <QStringList>

// The first argument of each emission a spy caught, as text: what the hub's
// warnings, errors and notices said, in order.
inline QStringList spyTexts(const QSignalSpy& spy)
{
    QStringList texts;
    for (const QList<QVariant>& arguments : spy)
        texts << arguments.value(0).toString();
    return texts;
}
