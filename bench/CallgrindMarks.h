#pragma once

/* The marks a counting program sets for callgrind (started with
 * --instr-atstart=no): start counting, zero the counts, write them into a
 * dump of their own. Without valgrind's header they are no-ops, so the
 * programs run alone too. C and C++ alike. */
#if defined(__has_include)
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#endif
#endif
#ifndef CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif
