#pragma once

// The application's own loop, QApplication::exec(), in a test process that
// goes on after it. Only that loop clears a QCoreApplication::exit(): a quit
// met outside it leaves every later event loop of the process returning at
// once, so that every wait of a later test fails.
//
// The loop's end says aboutToQuit, which the program hears (its last writes),
// and so does the web engine: its shared timer ends itself then, for good, and
// no page of a later test would run a script timer or go back in its history.
// The timer is found by the first timer event it gets (any page's load) and
// no longer hears the application's end.
namespace ApplicationLoop {

// Once, before the tests (the runner does it).
void watchWebTimer();

// Runs the loop until something ends it, as the program does at its end;
// the loop's exit code.
int exec();

// True when the application was left quitting (an exit() called while its
// loop did not run: a timer that outlived its test, say); then clears it,
// telling no one of the end.
bool clearLeftQuit();

} // namespace ApplicationLoop
