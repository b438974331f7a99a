#pragma once

#include "core/RecordKind.h"

#include <QKeySequence>
#include <QString>

#include <vector>

class QObject;

namespace Vexal {

class DBListBase;
class XmlBase;

// The File > Export submenus, in menu order.
enum class ExportGroup { Browser, Tools, Web, Project, System };
constexpr ExportGroup exportGroups[] = {ExportGroup::Browser, ExportGroup::Tools, ExportGroup::Web,
                                       ExportGroup::Project, ExportGroup::System};

// Where a kind sits in the File > Export menu.
struct ExportMenuItem
{
    ExportGroup group;
    int position;         // within the group's submenu, from 0
    bool separatorBefore; // a separator line above the item
    QString (*text)();
    QKeySequence (*key)();
};

// One record kind: its table (the XML file's "Table" attribute), the name
// that fills "Export %1", its Xml class, its list class and its export menu
// item. The default columns of its table widget are those of its table
// (DBDefaultColumns::forTable).
struct RecordKindEntry
{
    RecordKind kind;
    QString (*table)();
    QString (*title)();
    XmlBase* (*createXml)(QObject* parent);
    // The records of one project for the kinds that belong to a project;
    // every row for the others, which ignore the id.
    DBListBase* (*createList)(qint64 projectId, QObject* parent);
    ExportMenuItem menu;
};

// The one registry of the record kinds, looked up by type code (1 to the
// number of kinds; 0 is "Undef") or by table name. The export menu, the
// export and the import all take their kinds from it.
class RecordKinds
{
public:
    RecordKinds() = delete;

    // Every kind in type-code order: the import matches table names in this
    // order.
    static const std::vector<RecordKindEntry>& all();
    // Null for a code of no kind.
    static const RecordKindEntry* find(int typeCode);
    // The first code whose table name equals the name ignoring case; 0 when none.
    static int codeOfTable(const QString& table);

    // A new Xml object of the kind, or null for a code of no kind.
    static XmlBase* createXml(int typeCode, QObject* parent);
    // The table name of a code ("" for a code of no kind).
    static QString tableOf(int typeCode);
    // The name that fills "Export %1": "Undef" for 0, "" for a code of no kind.
    static QString titleOf(int typeCode);

    // The submenu title of a group.
    static QString groupTitle(ExportGroup group);
    // The kinds of one export submenu, in menu order.
    static std::vector<const RecordKindEntry*> exportItems(ExportGroup group);
};

} // namespace Vexal
