#pragma once
// The one source of randomness of the program. The game asks it for numbers in
// [0, 1) as the classic Rnd does; tests replace it with a fixed sequence or a
// fixed seed so that deals and die rolls can be replayed.
#include <memory>

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A number in [0, 1).
    virtual double next() = 0;
    // Reseeds from the clock (the classic Randomize); fixed sources ignore it.
    virtual void randomize() {}

    // An integer in [0, n) drawn from next(); n <= 0 gives 0.
    int below(int n);

    static RandomSource& instance();
    // Replaces the program's source (tests); nullptr restores a clock-seeded one.
    static void setInstance(std::unique_ptr<RandomSource> source);
};

// A Mersenne Twister source; seeded from the clock unless a seed is given.
std::unique_ptr<RandomSource> makeSeededRandom(unsigned seed);
std::unique_ptr<RandomSource> makeClockRandom();
