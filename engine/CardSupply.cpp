#include "engine/CardSupply.h"

namespace {

// 0 to 25 for a letter in either case, -1 for anything else.
int LetterIndex(QChar c) {
    const char16_t u = c.unicode() | 0x20; // upper case folds onto lower case
    return (u >= u'a' && u <= u'z') ? int(u - u'a') : -1;
}

} // namespace

CardSupply::CardSupply(QStringView cards) {
    for (QChar c : cards) {
        if (c == QLatin1Char('*'))
            ++m_jokers;
        else if (const int i = LetterIndex(c); i >= 0)
            ++m_letters[i];
    }
}

bool CardSupply::CanSupply(QStringView letters) const {
    // Letters first, jokers only for what the letters cannot cover: a joker
    // spent on a letter that was there would be missing for another.
    std::array<int, 26> left = m_letters;
    int jokers = m_jokers;
    for (QChar c : letters) {
        const int i = LetterIndex(c);
        if (i >= 0 && left[i] > 0)
            --left[i];
        else if (--jokers < 0)
            return false;
    }
    return true;
}
