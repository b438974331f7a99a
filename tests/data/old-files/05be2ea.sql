-- The schema script of 05be2ea, as `git show 05be2ea:resources/schema.sql` gives it:
-- the schema of the files that build made, which tests/data/SchemaTest.cpp
-- and bench/StartupBench.cpp make again to open them with today's program.
--
-- Schema of a new TesvarBrowser.db. Statements are separated by semicolons;
-- no literal or comment below may hold a semicolon.
-- Kinds: booleans INTEGER 0/1, dates TEXT "yyyy-MM-dd", date-times TEXT
-- "yyyy-MM-ddThh:mm:ss", pictures BLOB (PNG bytes).

CREATE TABLE Account (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    ProjectID INTEGER, WebsiteID INTEGER, Login TEXT, Password TEXT
);

CREATE TABLE Address (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    CountryID INTEGER, Details TEXT
);

CREATE TABLE Article (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    ProjectID INTEGER, CategoryID INTEGER, Title TEXT, TitleMode INTEGER, Tags TEXT, Author TEXT,
    Intro TEXT, IntroMode INTEGER, Body TEXT, BodyMode INTEGER, Spun INTEGER
);

CREATE TABLE ArticleTemplate (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    WebsiteID INTEGER, Category TEXT, Title TEXT, Tags TEXT, Author TEXT, Intro TEXT, Body TEXT
);

CREATE TABLE Bookmark (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Icon BLOB, Title TEXT, URL TEXT, Visible INTEGER
);

CREATE TABLE Category (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    MasterID INTEGER
);

CREATE TABLE City (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    CountryID INTEGER, Province TEXT
);

CREATE TABLE Column (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    WidgetID TEXT, Header TEXT, VisualIndex INTEGER, LogicalIndex INTEGER, Width INTEGER,
    Visible INTEGER, VisibleInView INTEGER, VisibleInFilter INTEGER, Type INTEGER
);

CREATE TABLE Country (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Code TEXT
);

CREATE TABLE Directory (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    ProjectID INTEGER, CategoryID INTEGER, Title TEXT, Tags TEXT, URL TEXT, Description TEXT,
    UserName TEXT, UserEmail TEXT
);

CREATE TABLE DirectoryTemplate (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    WebsiteID INTEGER, Category TEXT, Title TEXT, Tags TEXT, URL TEXT, Description TEXT,
    UserName TEXT, UserEmail TEXT, RegularLink TEXT, AcceptTerms TEXT
);

CREATE TABLE FirstName (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    LanguageID INTEGER, Gender INTEGER
);

CREATE TABLE GUI (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    MenuBar INTEGER, StatusBar INTEGER, Maximized INTEGER, X INTEGER, Y INTEGER,
    Width INTEGER, Height INTEGER, WebSearch INTEGER
);

CREATE TABLE History (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Icon BLOB, Title TEXT, URL TEXT, CreateDate TEXT
);

CREATE TABLE Language (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT
);

CREATE TABLE LastName (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    LanguageID INTEGER
);

CREATE TABLE LoginTemplate (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    WebsiteID INTEGER, Login TEXT, Password TEXT, Submit TEXT
);

CREATE TABLE MasterAccount (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Active INTEGER, FirstName TEXT, MiddleName TEXT, LastName TEXT, FullName TEXT, ScreenName TEXT,
    Gender INTEGER, Birthday TEXT, Login TEXT, Password TEXT, Email TEXT, URL TEXT,
    Question INTEGER, Answer TEXT, Country TEXT, City TEXT, Province TEXT, Address TEXT,
    Details TEXT, ZipCode TEXT, Phone TEXT, Fax TEXT
);

CREATE TABLE OnlineTool (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    URL TEXT, Line INTEGER
);

CREATE TABLE Options (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Startup INTEGER, HomeURL TEXT, ShowDownloads INTEGER, CloseDownloads INTEGER,
    DownloadsFolder TEXT, AskDownloads INTEGER, KeepLastFolder INTEGER, DefaultFolder TEXT,
    WarnTabsClosing INTEGER, MaxOpenedTabs INTEGER, ReloadAllTabs INTEGER, FocusNewTab INTEGER,
    EnableFlash INTEGER, EnableImages INTEGER, EnableJScript INTEGER, OverrideOnImport INTEGER,
    CrossSessionImport INTEGER, BlockPopups INTEGER, FocusPopups INTEGER, IgnoreSSLErrors INTEGER,
    SaveHistory INTEGER, HistoryPeriod INTEGER, SaveDownloadHistory INTEGER, LocationBar INTEGER,
    HttpProxy INTEGER, HttpLogin TEXT, HttpPassword TEXT, HttpAddress TEXT, HttpPort INTEGER,
    SocksProxy INTEGER, SocksLogin TEXT, SocksPassword TEXT, SocksAddress TEXT, SocksPort INTEGER,
    FtpProxy INTEGER, FtpLogin TEXT, FtpPassword TEXT, FtpAddress TEXT, FtpPort INTEGER
);

CREATE TABLE Project (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Active INTEGER, URL TEXT
);

CREATE TABLE Rank (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Host TEXT, CreateDate TEXT, Google INTEGER, Alexa INTEGER
);

CREATE TABLE RegistrationTemplate (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    WebsiteID INTEGER, FirstName TEXT, MiddleName TEXT, LastName TEXT, FullName TEXT,
    ScreenName TEXT, Gender TEXT, Login TEXT, Password TEXT, RPassword TEXT, Email TEXT,
    REmail TEXT, URL TEXT, Question TEXT, Answer TEXT, Country TEXT, City TEXT, Province TEXT,
    Address TEXT, Details TEXT, ZipCode TEXT, Phone TEXT, Fax TEXT, AcceptTerms TEXT,
    RejectEmail TEXT
);

CREATE TABLE Settings (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    LastFolder TEXT, ArticleTitle INTEGER, ArticleIntro INTEGER, ArticleBody INTEGER,
    SpinnerTitle INTEGER, SpinnerIntro INTEGER, SpinnerBody INTEGER
);

CREATE TABLE SocialBookmark (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    ProjectID INTEGER, Title TEXT, Tags TEXT, URL TEXT, Description TEXT
);

CREATE TABLE SocialBookmarkTemplate (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    WebsiteID INTEGER, Title TEXT, Tags TEXT, URL TEXT, Description TEXT
);

CREATE TABLE SpunArticle (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    ProjectID INTEGER, ArticleID INTEGER, Title TEXT, TitleFinal TEXT, TitleMode INTEGER,
    Intro TEXT, IntroFinal TEXT, IntroMode INTEGER, Body TEXT, BodyFinal TEXT, BodyMode INTEGER,
    Submitted INTEGER
);

CREATE TABLE Synonym (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    WordID INTEGER
);

CREATE TABLE UrlShortcut (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Shortcut TEXT, URL TEXT
);

CREATE TABLE UserTable (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    FriendlyName TEXT
);

CREATE TABLE Website (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    Type INTEGER, Host TEXT, HomePage TEXT, LoginPage TEXT, LogoutPage TEXT,
    RegistrationPage TEXT, UserPage TEXT, Email INTEGER, GPR INTEGER, APR INTEGER
);

CREATE TABLE Word (
    ID INTEGER PRIMARY KEY, Name TEXT, Comments TEXT,
    LanguageID INTEGER
);

-- Reference columns
CREATE INDEX IdxAccountProjectID ON Account (ProjectID);
CREATE INDEX IdxAccountWebsiteID ON Account (WebsiteID);
CREATE INDEX IdxAddressCountryID ON Address (CountryID);
CREATE INDEX IdxArticleProjectID ON Article (ProjectID);
CREATE INDEX IdxArticleCategoryID ON Article (CategoryID);
CREATE INDEX IdxArticleTemplateWebsiteID ON ArticleTemplate (WebsiteID);
-- The Bookmarks menu reads its first entries by Name from the visible ones.
CREATE INDEX IdxBookmarkVisibleName ON Bookmark (Visible, Name);
CREATE INDEX IdxCategoryMasterID ON Category (MasterID);
CREATE INDEX IdxCityCountryID ON City (CountryID);
CREATE INDEX IdxColumnWidgetID ON Column (WidgetID);
CREATE INDEX IdxDirectoryProjectID ON Directory (ProjectID);
CREATE INDEX IdxDirectoryCategoryID ON Directory (CategoryID);
CREATE INDEX IdxDirectoryTemplateWebsiteID ON DirectoryTemplate (WebsiteID);
CREATE INDEX IdxFirstNameLanguageID ON FirstName (LanguageID);
CREATE INDEX IdxHistoryCreateDate ON History (CreateDate);
CREATE INDEX IdxLastNameLanguageID ON LastName (LanguageID);
CREATE INDEX IdxLoginTemplateWebsiteID ON LoginTemplate (WebsiteID);
CREATE INDEX IdxRegistrationTemplateWebsiteID ON RegistrationTemplate (WebsiteID);
CREATE INDEX IdxSocialBookmarkProjectID ON SocialBookmark (ProjectID);
CREATE INDEX IdxSocialBookmarkTemplateWebsiteID ON SocialBookmarkTemplate (WebsiteID);
CREATE INDEX IdxSpunArticleProjectID ON SpunArticle (ProjectID);
CREATE INDEX IdxSpunArticleArticleID ON SpunArticle (ArticleID);
CREATE INDEX IdxSynonymWordID ON Synonym (WordID);
CREATE INDEX IdxWordLanguageID ON Word (LanguageID);

-- Views of the record tables. LEFT JOIN keeps rows whose referenced row is gone.
CREATE VIEW AccountView AS
SELECT a.ID AS ID, a.Name AS Name, a.Comments AS Comments,
       a.ProjectID AS ProjectID, p.Name AS ProjectName,
       a.WebsiteID AS WebsiteID, w.Name AS WebsiteName, w.Type AS Type,
       a.Login AS Login
FROM Account a
LEFT JOIN Project p ON p.ID = a.ProjectID
LEFT JOIN Website w ON w.ID = a.WebsiteID;

CREATE VIEW ArticleView AS
SELECT a.ID AS ID, a.Name AS Name, a.Comments AS Comments,
       a.ProjectID AS ProjectID, p.Name AS ProjectName,
       a.CategoryID AS CategoryID, c.Name AS CategoryName,
       a.Tags AS Tags, a.Spun AS Spun,
       (SELECT COUNT(*) FROM SpunArticle s WHERE s.ArticleID = a.ID) AS SpunCount
FROM Article a
LEFT JOIN Project p ON p.ID = a.ProjectID
LEFT JOIN Category c ON c.ID = a.CategoryID;

CREATE VIEW SpunArticleView AS
SELECT s.ID AS ID, s.Name AS Name, s.Comments AS Comments,
       s.ProjectID AS ProjectID, p.Name AS ProjectName,
       s.ArticleID AS ArticleID, a.Name AS ArticleName,
       s.Submitted AS Submitted
FROM SpunArticle s
LEFT JOIN Project p ON p.ID = s.ProjectID
LEFT JOIN Article a ON a.ID = s.ArticleID;

CREATE VIEW CategoryView AS
SELECT c.ID AS ID, c.Name AS Name, c.Comments AS Comments,
       c.MasterID AS MasterID, m.Name AS MasterName
FROM Category c
LEFT JOIN Category m ON m.ID = c.MasterID;

CREATE VIEW DirectoryView AS
SELECT d.ID AS ID, d.Name AS Name, d.Comments AS Comments,
       d.ProjectID AS ProjectID, p.Name AS ProjectName,
       d.CategoryID AS CategoryID, c.Name AS CategoryName,
       d.Title AS Title, d.Tags AS Tags, d.URL AS URL, d.Description AS Description,
       d.UserName AS UserName, d.UserEmail AS UserEmail
FROM Directory d
LEFT JOIN Project p ON p.ID = d.ProjectID
LEFT JOIN Category c ON c.ID = d.CategoryID;

CREATE VIEW SocialBookmarkView AS
SELECT b.ID AS ID, b.Name AS Name, b.Comments AS Comments,
       b.ProjectID AS ProjectID, p.Name AS ProjectName,
       b.Title AS Title, b.Tags AS Tags, b.URL AS URL, b.Description AS Description
FROM SocialBookmark b
LEFT JOIN Project p ON p.ID = b.ProjectID;

CREATE VIEW MasterAccountView AS
SELECT ID, Name, Comments, Active, FirstName, MiddleName, LastName, FullName, ScreenName,
       Gender, Birthday, Login, Email, URL, Question, Answer, Country, City, Province,
       Address, Details, ZipCode, Phone, Fax
FROM MasterAccount;

CREATE VIEW LoginTemplateView AS
SELECT t.ID AS ID, t.Name AS Name, t.Comments AS Comments,
       t.WebsiteID AS WebsiteID, w.Name AS WebsiteName, w.Type AS Type,
       t.Login AS Login, t.Password AS Password, t.Submit AS Submit
FROM LoginTemplate t
LEFT JOIN Website w ON w.ID = t.WebsiteID;

CREATE VIEW RegistrationTemplateView AS
SELECT t.ID AS ID, t.Name AS Name, t.Comments AS Comments,
       t.WebsiteID AS WebsiteID, w.Name AS WebsiteName, w.Type AS Type,
       t.FirstName AS FirstName, t.MiddleName AS MiddleName, t.LastName AS LastName,
       t.FullName AS FullName, t.ScreenName AS ScreenName, t.Gender AS Gender,
       t.Login AS Login, t.Password AS Password, t.RPassword AS RPassword,
       t.Email AS Email, t.REmail AS REmail, t.URL AS URL, t.Question AS Question,
       t.Answer AS Answer, t.Country AS Country, t.City AS City, t.Province AS Province,
       t.Address AS Address, t.Details AS Details, t.ZipCode AS ZipCode, t.Phone AS Phone,
       t.Fax AS Fax, t.AcceptTerms AS AcceptTerms, t.RejectEmail AS RejectEmail
FROM RegistrationTemplate t
LEFT JOIN Website w ON w.ID = t.WebsiteID;

CREATE VIEW DirectoryTemplateView AS
SELECT t.ID AS ID, t.Name AS Name, t.Comments AS Comments,
       t.WebsiteID AS WebsiteID, w.Name AS WebsiteName,
       t.Category AS Category, t.Title AS Title, t.Tags AS Tags, t.URL AS URL,
       t.Description AS Description, t.UserName AS UserName, t.UserEmail AS UserEmail,
       t.RegularLink AS RegularLink, t.AcceptTerms AS AcceptTerms
FROM DirectoryTemplate t
LEFT JOIN Website w ON w.ID = t.WebsiteID;

CREATE VIEW SocialBookmarkTemplateView AS
SELECT t.ID AS ID, t.Name AS Name, t.Comments AS Comments,
       t.WebsiteID AS WebsiteID, w.Name AS WebsiteName,
       t.Title AS Title, t.Tags AS Tags, t.URL AS URL, t.Description AS Description
FROM SocialBookmarkTemplate t
LEFT JOIN Website w ON w.ID = t.WebsiteID;

CREATE VIEW ArticleTemplateView AS
SELECT t.ID AS ID, t.Name AS Name, t.Comments AS Comments,
       t.WebsiteID AS WebsiteID, w.Name AS WebsiteName,
       t.Category AS Category, t.Title AS Title, t.Tags AS Tags, t.Author AS Author,
       t.Intro AS Intro, t.Body AS Body
FROM ArticleTemplate t
LEFT JOIN Website w ON w.ID = t.WebsiteID;

-- The tables that the database browser lists: every kind of record a user
-- keeps, under the name that its export gives it. The program's own
-- settings, layouts and this list are not among them.
INSERT INTO UserTable (Name, FriendlyName) VALUES
    ('Account', 'Accounts'),
    ('Address', 'Addresses'),
    ('ArticleTemplate', 'Article Templates'),
    ('Article', 'Articles'),
    ('Bookmark', 'Bookmarks'),
    ('Category', 'Categories'),
    ('City', 'Cities'),
    ('Country', 'Countries'),
    ('Directory', 'Directories'),
    ('DirectoryTemplate', 'Directory Templates'),
    ('FirstName', 'First Names'),
    ('History', 'History'),
    ('Language', 'Languages'),
    ('LastName', 'Last Names'),
    ('LoginTemplate', 'Login Templates'),
    ('MasterAccount', 'Master Accounts'),
    ('OnlineTool', 'Online Tools'),
    ('Project', 'Projects'),
    ('Rank', 'Ranks'),
    ('RegistrationTemplate', 'Registration Templates'),
    ('UrlShortcut', 'Shortcuts'),
    ('SocialBookmarkTemplate', 'Social Bookmark Templates'),
    ('SocialBookmark', 'Social Bookmarks'),
    ('SpunArticle', 'Spun Articles'),
    ('Synonym', 'Synonyms'),
    ('Website', 'Websites'),
    ('Word', 'Words');
