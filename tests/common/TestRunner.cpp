#include "TestRunner.h"

#include "ApplicationLoop.h"
#include "FreshProcess.h"
#include "OfflineRun.h"
#include "TestFolder.h"

#include <QApplication>
#include <QByteArray>
#include <QStringList>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

struct Entry {
    const char* name;
    TestRunner::Factory factory;
};

std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}

} // namespace

int TestRunner::add(const char* name, Factory factory)
{
    registry().push_back({name, std::move(factory)});
    return int(registry().size());
}

// Runs every registered test class, one after another in this process.
// "-class Name[,Name]" picks some of them, in that order; all other arguments
// go to QtTest (for example a test function name).
int main(int argc, char** argv)
{
    prepareOfflineRun();
    QApplication app(argc, argv);
    ApplicationLoop::watchWebTimer();
    const FreshProcess freshProcess;

    QStringList only;
    QStringList args;
    const QStringList all = app.arguments();
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i) == QLatin1String("-class") && i + 1 < all.size()) {
            only = all.at(++i).split(QLatin1Char(','));
            continue;
        }
        args << all.at(i);
    }

    // Every order must pass: a failure is run again in the order that showed it.
    std::vector<const Entry*> chosen;
    if (only.isEmpty()) {
        for (const Entry& entry : registry())
            chosen.push_back(&entry);
    }
    for (const QString& name : qAsConst(only)) {
        for (const Entry& entry : registry()) {
            if (name == QLatin1String(entry.name))
                chosen.push_back(&entry);
        }
    }

    int failedClasses = 0;
    int ran = 0;
    for (const Entry* chosenEntry : chosen) {
        const Entry& entry = *chosenEntry;
        const TestFolder folder;
        std::unique_ptr<QObject> test(entry.factory());
        int failures = QTest::qExec(test.get(), args);
        test.reset();
        freshProcess.restore();
        if (ApplicationLoop::clearLeftQuit()) {
            std::fprintf(stderr, "%s left the application quitting (QCoreApplication::exit outside exec)\n",
                         entry.name);
            ++failures;
        }
        ++ran;
        if (failures != 0) {
            ++failedClasses;
            std::fprintf(stderr, "FAILED: %s (%d)\n", entry.name, failures);
        }
    }
    // A name that no class of this executable has is a failure, not a pass:
    // a renamed class would otherwise leave its test green and running nothing.
    if (ran < only.size()) {
        std::fprintf(stderr, "FAILED: \"-class %s\" names %d class(es), %d of them found here\n",
                     qPrintable(only.join(QLatin1Char(','))), int(only.size()), ran);
        ++failedClasses;
    }
    std::printf("%d test classes, %d failed\n", ran, failedClasses);
    return failedClasses == 0 ? 0 : 1;
}
