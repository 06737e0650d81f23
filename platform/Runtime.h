// The runtime and the shell: the C library's random generator and clock, behind an interface
// so that games can be replayed, and the desktop's opening of a file.
// A front end provides the shell: Open hands a file to the application registered for its
// type. The runtime is the same on every platform (System()).
#pragma once

#include <ctime>
#include <string>

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

class IShell {
public:
    virtual ~IShell() = default;

    // Hands the request to the desktop; true when it took it. A bare file name is looked for
    // in the current directory.
    virtual bool Open(const std::string& path) = 0;
};
