#pragma once

#include <QHash>
#include <QWebSettings>

// What a test class may leave behind for the next class of the same process,
// put back between classes by the runner: every class starts on the shared
// state of a fresh process, whatever ran before it. The current folder is a
// fresh temporary one for each class (TestFolder).
class FreshProcess
{
public:
    // Before the first class: notes what the web engine's global settings are.
    FreshProcess();

    // After a class: the shared state of a fresh start (FreshStateTest), no
    // prompt hook or closing, no kept writes, no default database connection,
    // the shared network manager without proxy, credentials or cookies, the
    // server thread stopped with no notices kept, the tab factory and search
    // engine of a start, the web settings noted, no window left shown, an
    // empty clipboard, and no object waiting to be deleted.
    void restore() const;

private:
    QHash<QWebSettings::WebAttribute, bool> m_webAttributes;
};
