#pragma once

#include <QString>

namespace Vexal {

// The default column layout of each record table of the user interface, as
// data: which columns follow ID, Name and Comments, with their header, kind,
// visibility and width. DBColumnList builds a set in memory from it.
class DBDefaultColumns
{
public:
    DBDefaultColumns() = delete;

    enum Set {
        NoSet = -1, // a record kind whose table has no widget of its own
        Bookmarks,
        Projects,
        History,
        Synonyms,
        SpinnedArticles,
        Articles,
        Categories,
        SocialBookmarks,
        Accounts,
        Websites,
        MasterAccounts,
        SocialBookmarkTemplates,
        RegistrationTemplates,
        LoginTemplates,
        DirectoryTemplates,
        ArticleTemplates,
        Directories,
        Ranks,
        UrlShortcuts,
        FirstNames,
        LastNames,
        Countries,
        Cities,
        Addresses,
        SetCount
    };

    using NameGetter = QString (*)(bool);
    using TextGetter = QString (*)();

    static constexpr int defaultWidth = 100;

    struct Column
    {
        NameGetter name;      // DBSql column getter
        TextGetter header;    // null: no header
        int kind;             // DBColumn::Kind
        bool shown;
        int width;
        bool hiddenEverywhere;
    };

    struct ColumnSet
    {
        const char* widgetId;  // the identifier of the table widget
        TextGetter source;     // the table or view that the widget reads
        bool hideName;
        const Column* columns; // the columns after ID, Name and Comments
        int count;
    };

    static const ColumnSet& set(Set which);
    static QString widgetId(Set which);
};

} // namespace Vexal
