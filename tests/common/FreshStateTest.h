#pragma once

#include <QObject>

// A test class whose every function starts and ends on the shared state of a
// fresh start: no logged lines, the options read anew from the database, and
// dialogs shown for real unless the function scripts them. A class that needs
// more hides init()/cleanup() and calls reset() from its own.
class FreshStateTest : public QObject
{
    Q_OBJECT

public:
    static void reset();

protected:
    // The options of a user who keeps no history, for the tests that load
    // pages without a database to write it to.
    static void keepNoHistory();

private slots:
    void init() { reset(); }
    void cleanup() { reset(); }
};
