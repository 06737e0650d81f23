// The C library's generator and clock.
#include "Runtime.h"

#include <cstdlib>

namespace {

class SystemRuntime final : public Runtime {
public:
    void srand(unsigned int seed) override { std::srand(seed); }
    int rand() override { return std::rand(); }
    std::time_t time() override { return std::time(nullptr); }
};

} // namespace

Runtime& Runtime::System() {
    static SystemRuntime runtime;
    return runtime;
}
