#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_PROJECT_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    FORWARD(selectionChanged, LocaleBase, selectionChanged) \
    FORWARD(select, LocaleBase, select) \
    FORWARD(url, LocaleBase, url) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(projects, LocaleInstance, projects) \
    FORWARD(project, LocaleInstance, project) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD(projectTable, DBSql, tableProject) \
    FORWARD(projectView, DBSql, tableProject) \
    TEXT_ARG(activeProjectUndeletable, name, "The active project \"%1\" can't be deleted. Make another project active first (select it and press \"Select\"), then delete this one.")

namespace Vexal {

// Project journal, table and editor.
namespace LocaleProject {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_PROJECT_TABLE)

// "Articles: 3" and the like.
QString recordCount(const QString& kind, int count);
// Deleting projects that own records: %2 lists them by kind.
QString confirmDeleteProjects(int count, const QString& records);

} // namespace LocaleProject

} // namespace Vexal
