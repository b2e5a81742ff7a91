#pragma once
// What the traps and the end-of-run pass signal. Each signal stands for an exception raised at
// the given code address and caught at once: it changes nothing in the program, so a sink only
// records or shows it.
#include <QString>
#include <cstdint>

namespace lmv::leakcheck {

enum class TProblemKind {
    MemoryLeak,  // a block still allocated at the end
    StackUnwinding,  // one further level of an allocation call stack
    BadInstance,  // a virtual call on a released instance
    FreedBlockDamaged,  // a released block whose contents changed
    InterfaceFreedInstance,  // an interface call on a released instance
};

struct TProblem {
    TProblemKind kind;
    QString message;
    uint32_t address;
};

class TProblemSink {
public:
    virtual ~TProblemSink() = default;
    virtual void Signal(const TProblem& problem) = 0;
};

}
