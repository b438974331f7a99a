#pragma once

#include <QComboBox>
#include <QStringList>

// The texts a combo box offers, in its order.
inline QStringList comboTexts(const QComboBox& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}
