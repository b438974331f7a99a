#pragma once

namespace Vexal {

// The record kinds that move through the XML exchange, by their type codes.
// The numbers are stored and exchanged (the export menu's action data, the
// export job's argument, the import's matching order): never renumber them.
enum class RecordKind : int {
    Undef = 0,
    History = 1,
    Bookmark = 2,
    UrlShortcut = 3,
    Project = 4,
    Account = 5,
    Directory = 6,
    SocialBookmark = 7,
    Article = 8,
    SpunArticle = 9,
    Category = 10,
    Synonym = 11,
    Word = 12,
    Website = 13,
    MasterAccount = 14,
    Language = 15,
    Address = 16,
    City = 17,
    Country = 18,
    FirstName = 19,
    LastName = 20,
    OnlineTool = 21,
    Rank = 22,
    LoginTemplate = 23,
    RegistrationTemplate = 24,
    DirectoryTemplate = 25,
    SocialBookmarkTemplate = 26,
    ArticleTemplate = 27
};

constexpr RecordKind firstRecordKind = RecordKind::History;
constexpr RecordKind lastRecordKind = RecordKind::ArticleTemplate;

constexpr int kindCode(RecordKind kind)
{
    return static_cast<int>(kind);
}

} // namespace Vexal
