#pragma once
// The framework's random-number generator. A new generator starts from an unpredictable seed;
// setting Seed restarts it, so one seed always gives the same draws. InRange includes both bounds.
// Tests install a ScriptedRandom, whose queued numbers every generator draws first.
#include <deque>
#include <random>
#include <utility>
#include <vector>

class Random {
public:
    Random();

    double Seed() const { return seed; }
    void setSeed(double value);
    // A whole number from minimum to maximum, both included (maximum below minimum gives minimum).
    int InRange(int minimum, int maximum);

private:
    double seed = 0;
    std::mt19937 engine;
};

// The test stand-in: while it lives, InRange answers from `draws` (front first, kept within the
// range asked) and records the range of every draw. An empty queue falls back to the generator.
class ScriptedRandom {
public:
    ScriptedRandom();
    ~ScriptedRandom();
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    std::deque<int> draws;
    std::vector<std::pair<int, int>> ranges;  // (minimum, maximum) of every InRange, in order

private:
    ScriptedRandom* previous;
};
