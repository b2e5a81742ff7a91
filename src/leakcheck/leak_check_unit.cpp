#include "leakcheck/leak_check_unit.h"

#include <memory>

namespace lmv::leakcheck {

namespace {

std::unique_ptr<TLeakChecker>& Instance()
{
    static std::unique_ptr<TLeakChecker> checker;
    return checker;
}

}

void LeakCheckInitialization(const QString& programPath)
{
    TLeakCheckEnvironment environment;
    environment.programFile = programPath;
    Instance() = std::make_unique<TLeakChecker>(environment);
    Instance()->LogFileName = LeakLogFileName(programPath);
}

void LeakCheckFinalization()
{
    if (Instance())
        Instance()->Finalization();
    Instance().reset();
}

TLeakChecker* LeakCheck() { return Instance().get(); }

}
