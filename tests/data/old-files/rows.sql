-- A few rows of a user's, as a start and some use left them in a file of
-- either schema here: projects (the newest one active), the window's and the
-- options' records, history, ranks, bookmarks, a master account, a website
-- with an account, an article with a spun copy.
INSERT INTO Project (ID, Name, Comments, Active, URL) VALUES
    (1, 'Default', NULL, 0, 'http://www.tesvar-browser.example/'),
    (2, 'Client A', 'Links and articles', 0, 'http://www.client-a.example/'),
    (3, 'Client B', 'Started last', 1, 'http://www.client-b.example/');
INSERT INTO Options (ID, Name, Startup, HomeURL, SaveHistory, HistoryPeriod) VALUES
    (1, 'Options', 1, 'http://www.tesvar-browser.example/', 1, 7);
INSERT INTO GUI (ID, Name, MenuBar, StatusBar, Maximized, X, Y, Width, Height, WebSearch) VALUES
    (1, 'GUI', 1, 1, 0, 10, 20, 800, 600, 0);
INSERT INTO History (Name, Icon, Title, URL, CreateDate) VALUES
    ('Client A', NULL, 'Client A - home', 'http://www.client-a.example/', '2026-11-30T09:15:00'),
    ('Client B', x'89504E470D0A1A0A', 'Client B - home', 'http://www.client-b.example/', '2026-12-01T17:40:12');
INSERT INTO Rank (Name, Host, CreateDate, Google, Alexa) VALUES
    ('www.client-a.example', 'www.client-a.example', '2026-11-30', 3, 120000);
INSERT INTO Bookmark (Name, Icon, Title, URL, Visible) VALUES
    ('Directory list', NULL, 'Directory list', 'http://www.directories.example/', 1);
INSERT INTO MasterAccount (Name, Active, FirstName, LastName, Login, Password, Email) VALUES
    ('Main identity', 1, 'Ann', 'Other', 'ann.other', 'AwLvvDLa3/k=', 'ann@mail.example');
INSERT INTO Website (ID, Name, Type, Host, HomePage) VALUES
    (1, 'Bookmarks site', 8, '{www.bookmarks.example}', 'http://www.bookmarks.example/');
INSERT INTO Account (Name, ProjectID, WebsiteID, Login, Password) VALUES
    ('Client B at Bookmarks site', 3, 1, 'clientb', 'AwLvvDLa3/k=');
INSERT INTO Article (ID, Name, ProjectID, Title, Body, Spun) VALUES
    (1, 'Launch', 3, '{New|Fresh} launch', 'Body with {one|two} choices', 1);
INSERT INTO SpunArticle (Name, ProjectID, ArticleID, Title, TitleFinal, Submitted) VALUES
    ('Launch 1', 3, 1, '{New|Fresh} launch', 'Fresh launch', 0);
