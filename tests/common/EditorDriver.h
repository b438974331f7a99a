#pragma once

#include "TestData.h"

#include "core/Init.h"

#include <QLineEdit>
#include <QString>

// Saves a new record through its editor page with nothing filled in but the
// name, under the owner chosen in the journal; the stored id, or -1 when the
// page refused to save.
template <class Editor>
int saveNamed(const QString& name, int ownerId = -1)
{
    Editor editor;
    editor.setInit(newRecordInit(ownerId));
    editor.nameEdit->setText(name);
    editor.save();
    return editor.init()->id();
}
