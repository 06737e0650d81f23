// A C runtime whose clock and random draws a test scripts; it records every seed.
#pragma once

#include "platform/Runtime.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedRuntime final : public Runtime {
public:
    void srand(unsigned int seed) override {
        seeds.push_back(seed);
        state = seed;
    }

    // The next scripted draw; once the script is used up, the generator (if set), the C
    // library's own sequence from the last seed (if asked for), or zero.
    int rand() override {
        ++draws;
        state = state * 1103515245u + 12345u;
        if (script.empty())
            return generator ? generator() : fromSeed ? int(state >> 16 & 0x7fff) : 0;
        const int value = script.front();
        script.pop_front();
        return value;
    }

    std::time_t time() override { return now; }

    // Scripts the draws so that each random take comes out as the given take, whatever M.
    void ScriptTakes(std::initializer_list<int> takes) {
        for (int take : takes)
            script.push_back(take - 1);
    }

    std::deque<int> script;
    std::function<int()> generator;
    bool fromSeed = false;
    unsigned int state = 1;
    std::time_t now = 1'200'000'000;
    std::vector<unsigned int> seeds;
    int draws = 0;
};
