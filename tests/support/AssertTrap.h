// Collects failed invariant checks instead of stopping the program, so that a test can fail on
// them and say where.
#pragma once

#include "platform/Assert.h"

#include <string>
#include <vector>

class AssertTrap {
public:
    AssertTrap() : m_previous(SetAssertHandler(&AssertTrap::Record)) { Failures().clear(); }
    ~AssertTrap() { SetAssertHandler(m_previous); }
    AssertTrap(const AssertTrap&) = delete;
    AssertTrap& operator=(const AssertTrap&) = delete;

    bool Failed() const { return !Failures().empty(); }
    std::string First() const { return Failed() ? Failures().front() : std::string(); }

private:
    // The handler is a plain function, so the failures live in one process-wide list.
    static std::vector<std::string>& Failures() {
        static std::vector<std::string> failures;
        return failures;
    }
    static void Record(const char* expr, const char* file, int line) {
        Failures().push_back(std::string(file) + ":" + std::to_string(line) + ": " + expr);
    }

    AssertHandler m_previous;
};
