#pragma once
// The program's one leak checker, carried but not started: the start only names its report file
// beside the program, and the exit releases it. A normal run writes no file.
#include "leakcheck/leak_checker.h"

namespace lmv::leakcheck {

// Called once at start, before the forms.
void LeakCheckInitialization(const QString& programPath);
// Called once at exit, before the folder index is written once more.
void LeakCheckFinalization();

// The checker between the two; null before and after.
TLeakChecker* LeakCheck();

}
