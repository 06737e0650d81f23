// A C runtime whose clock and random draws a test scripts; it records every seed.
#pragma once

#include "platform/Runtime.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedRuntime final : public Runtime {
public:
    void srand(unsigned int seed) override { seeds.push_back(seed); }

    // The next scripted draw; once the script is used up, the generator (if set) or zero.
    int rand() override {
        ++draws;
        if (script.empty())
            return generator ? generator() : 0;
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
    std::time_t now = 1'200'000'000;
    std::vector<unsigned int> seeds;
    int draws = 0;
};
