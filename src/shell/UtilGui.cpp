#include "shell/UtilGui.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace Vexal {

namespace {

const int defaultMargin = 5;
const int defaultSpacing = 5;

template <typename Layout>
Layout* makeLayout(QWidget* widget, int margin, int spacing)
{
    Layout* layout = new Layout(widget);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    return layout;
}

} // namespace

UtilGui::UtilGui(QObject* parent)
    : QObject(parent)
{
}

QGridLayout* UtilGui::createGridLayout(QWidget* widget)
{
    return makeLayout<QGridLayout>(widget, defaultMargin, defaultSpacing);
}

QHBoxLayout* UtilGui::createHBoxLayout(QWidget* widget)
{
    return makeLayout<QHBoxLayout>(widget, defaultMargin, defaultSpacing);
}

QHBoxLayout* UtilGui::createHBoxLayout(QWidget* widget, int margin, int spacing)
{
    return makeLayout<QHBoxLayout>(widget, margin, spacing);
}

QVBoxLayout* UtilGui::createVBoxLayout(QWidget* widget)
{
    return makeLayout<QVBoxLayout>(widget, defaultMargin, defaultSpacing);
}

QVBoxLayout* UtilGui::createVBoxLayout(QWidget* widget, int margin, int spacing)
{
    return makeLayout<QVBoxLayout>(widget, margin, spacing);
}

void UtilGui::addRow(QGridLayout* grid, QWidget* label, QWidget* field)
{
    if (!grid)
        return;
    const int row = grid->count() / 2;
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

void UtilGui::stretchLastRow(QGridLayout* grid)
{
    if (!grid)
        return;
    grid->setRowStretch(grid->count() / 2, 1);
}

} // namespace Vexal
