#pragma once

// One real data area on the record framework: the projects over DBProject,
// table "Project" and the default project column set. An area needs no more
// than this: the table names its column set and SQL table, the editor its
// record kind and fields, the journal its table and editor.

#include "core/SyncManager.h"
#include "data/DBProject.h"
#include "core/DBSql.h"
#include "texts/LocaleProject.h"
#include "views/BaseEditor.h"
#include "views/BaseJournal.h"
#include "views/BaseTable.h"

class TestProjectTable : public Vexal::BaseTable
{
    Q_OBJECT
public:
    TestProjectTable(Vexal::SyncManager* syncManager, QWidget* parent)
        : BaseTable(syncManager, parent, &Vexal::DBSql::tableProject)
    {
    }
};

class TestProjectEditor : public Vexal::BaseEditor
{
    Q_OBJECT
public:
    using BaseEditor::BaseEditor;

    QLineEdit* nameEdit = nullptr;
    QLineEdit* urlEdit = nullptr;
    QCheckBox* activeBox = nullptr;

    QString typeName() const override { return Vexal::LocaleProject::project(); }

protected:
    Vexal::DBBase* createRecord() override { return new Vexal::DBProject(this); }
    void createWidgets() override
    {
        using Vexal::DBProject;
        nameEdit = addNameField(Vexal::LocaleProject::name());
        urlEdit = addTextField(Vexal::LocaleProject::url(), &DBProject::url, &DBProject::setUrl,
                               Vexal::LocaleProject::urlPrefix());
        activeBox = addBoolField(Vexal::LocaleProject::project(), &DBProject::isActive, &DBProject::setActive);
        finishForm();
    }
};

class TestProjectJournal : public Vexal::BaseJournal
{
    Q_OBJECT
public:
    using BaseJournal::BaseJournal;

protected:
    void createTable() override { installTable(new TestProjectTable(m_syncManager, this)); }
    QWidget* createEditor(QWidget* parent) override { return new TestProjectEditor(parent); }
};
