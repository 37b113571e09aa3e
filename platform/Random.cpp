#include "platform/Random.h"

#include <algorithm>

namespace {
ScriptedRandom* script = nullptr;
}

Random::Random() : engine(std::random_device{}()) {}

void Random::setSeed(double value) {
    seed = value;
    engine.seed(static_cast<std::mt19937::result_type>(static_cast<long long>(value)));
}

int Random::InRange(int minimum, int maximum) {
    maximum = std::max(minimum, maximum);
    if (script) {
        script->ranges.emplace_back(minimum, maximum);
        if (!script->draws.empty()) {
            const int draw = script->draws.front();
            script->draws.pop_front();
            return std::clamp(draw, minimum, maximum);
        }
    }
    return std::uniform_int_distribution<int>(minimum, maximum)(engine);
}

ScriptedRandom::ScriptedRandom() : previous(script) { script = this; }

ScriptedRandom::~ScriptedRandom() { script = previous; }
