// The C runtime's random generator and clock, behind an interface so that games can be replayed.
#pragma once

#include <ctime>

class Runtime {
public:
    virtual ~Runtime() = default;

    virtual void srand(unsigned int seed) = 0;
    virtual int rand() = 0;
    // Calendar time in whole seconds.
    virtual std::time_t time() = 0;

    // The process's C library generator and clock.
    static Runtime& System();
};
