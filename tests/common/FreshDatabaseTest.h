#pragma once

#include "FreshStateTest.h"
#include "TestDatabase.h"

#include <QTest>

#include <memory>

// A fresh-state test whose every function runs on a fresh database of its
// own: opened before the function, closed once everything the function made
// is gone.
class FreshDatabaseTest : public FreshStateTest
{
    Q_OBJECT

protected:
    TestDatabase& database() const { return *m_database; }

private slots:
    void init()
    {
        reset();
        m_database = std::make_unique<TestDatabase>();
        QVERIFY2(m_database->isOpen(), qPrintable(m_database->errorText()));
    }
    void cleanup()
    {
        m_database.reset();
        reset();
    }

private:
    std::unique_ptr<TestDatabase> m_database;
};
