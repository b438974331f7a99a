#include "SmartBenchPages.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartRegistration.h"
#include "shell/PageDom.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../CallgrindMarks.h"

// Under callgrind (started with --instr-atstart=no), counts the instructions
// of one registration recognition of the benchmark's page of that many fields
// (2,000 unless given; "labelled" after it: with a LABEL for every box) into a
// dump of its own ("recognition"), then those of its floor, one walk over the
// page's elements through the engine ("walk").
// A recognition before them reads the word table and the page script in.
// Prints the controls recognised and the characters the walk read.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int fields = argc > 1 ? std::atoi(argv[1]) : 2000;
    const bool labelled = argc > 2 && std::strcmp(argv[2], "labelled") == 0;
    QWebView view;
    if (fields <= 0 || !SmartBenchPages::load(view, SmartBenchPages::page500(false, fields, labelled)))
        return 1;
    const Vexal::PageDomHandle page(&view);
    {
        Vexal::SmartRegistration first(nullptr);
        first.analyse(page);
    }
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    Vexal::SmartRegistration recogniser(nullptr);
    recogniser.analyse(page);
    CALLGRIND_DUMP_STATS_AT("recognition");
    const int read = SmartBenchPages::walkPage(view);
    CALLGRIND_DUMP_STATS_AT("walk");
    std::printf("%d controls, %d characters\n", int(recogniser.elements().size()), read);
    return 0;
}
