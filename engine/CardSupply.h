#pragma once
// The cards not yet played (the stock and the discards) as counts per letter
// and jokers: whether the letters a hint word still needs can all come from
// them. Only the counts are kept, never the order the cards will turn up in.
#include <QStringView>

#include <array>

class CardSupply {
public:
    // cards: letters "a" to "z" and jokers "*", in any order and letter case.
    explicit CardSupply(QStringView cards);

    // True when every letter of `letters` can be matched by a card of its own
    // letter or, failing that, by a joker; each card serves one letter.
    bool CanSupply(QStringView letters) const;

private:
    std::array<int, 26> m_letters{};
    int m_jokers = 0;
};
