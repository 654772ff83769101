// The rating text: a won game of a level, wizard setting, points and time
// (the first bytes) counted into any text (the rest).
#include "FuzzInput.h"

#include "engine/ClRating.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t choice = takeByte(data, size);
    const qint16 level = qint16(3 + choice % 6); // 8: a level the rating does not hold
    const bool wizardOn = choice & 0x80;
    qint16 points = 0;
    float minutes = 0;
    if (size >= sizeof points + sizeof minutes) {
        std::memcpy(&points, data, sizeof points);
        std::memcpy(&minutes, data + sizeof points, sizeof minutes);
        data += sizeof points + sizeof minutes;
        size -= sizeof points + sizeof minutes;
    }
    const QString rating = inputText(data, size);
    const RatingOutcome outcome = ClRating::Update(rating, level, wizardOn, points, minutes);
    const QString best = ClRating::BestPoints(outcome.rating, level, wizardOn);
    if (outcome.newTop)
        FUZZ_EXPECT(best == QString::number(points));
    else if (outcome.message.isEmpty())
        FUZZ_EXPECT(outcome.rating == rating);
    return 0;
}
