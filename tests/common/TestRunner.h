#pragma once

#include <QObject>
#include <functional>
#include <vector>

namespace TestRunner {

using Factory = std::function<QObject*()>;

// Registers a QtTest class; every registered class of the executable runs in
// the order of registration (files are linked in name order), or in the order
// "-class A,B" names them, each on the state of a fresh process (FreshProcess).
int add(const char* name, Factory factory);

} // namespace TestRunner

// Put TESVAR_TEST(ClassName) after a test class in its .cpp file.
#define TESVAR_TEST(Class)                                                          \
    static const int tesvarTestRegistered_##Class =                                 \
        TestRunner::add(#Class, [] { return static_cast<QObject*>(new Class); });
