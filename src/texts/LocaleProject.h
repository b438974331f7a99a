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
    FORWARD(projectView, DBSql, tableProject)

namespace Vexal {

// Project journal, table and editor.
class LocaleProject : public QObject
{
    Q_OBJECT
public:
    explicit LocaleProject(QObject* parent = nullptr);

    TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_PROJECT_TABLE)
};

} // namespace Vexal
