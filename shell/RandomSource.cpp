#include "shell/RandomSource.h"

#include <chrono>
#include <random>

namespace {

class TwisterRandom final : public RandomSource {
public:
    explicit TwisterRandom(unsigned seed, bool fromClock)
        : m_engine(seed), m_fromClock(fromClock) {}
    double next() override { return m_dist(m_engine); }
    void randomize() override {
        if (m_fromClock)
            m_engine.seed(static_cast<unsigned>(
                std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_dist{0.0, 1.0};
    bool m_fromClock;
};

std::unique_ptr<RandomSource>& slot() {
    static std::unique_ptr<RandomSource> source = makeClockRandom();
    return source;
}

} // namespace

int RandomSource::below(int n) {
    if (n <= 0)
        return 0;
    const int value = static_cast<int>(next() * n);
    return value < n ? value : n - 1;
}

RandomSource& RandomSource::instance() {
    return *slot();
}

void RandomSource::setInstance(std::unique_ptr<RandomSource> source) {
    slot() = source ? std::move(source) : makeClockRandom();
}

std::unique_ptr<RandomSource> makeSeededRandom(unsigned seed) {
    return std::make_unique<TwisterRandom>(seed, false);
}

std::unique_ptr<RandomSource> makeClockRandom() {
    return std::make_unique<TwisterRandom>(
        static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count()),
        true);
}
