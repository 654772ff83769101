// The search behind DealSolver: a depth-first walk over positions, each
// position remembered by a 64-bit hash so that a draw cycle or a second way
// to the same cards ends where the first one went on. Lays are tried before
// draws, a lay that makes a word first. A position is given up early when
// the cards left cannot fill every pile: too few cards in all, or a pile
// whose word (or a face-down card's coming word) no word of the list can
// finish from the cards left, each pile judged on its own.
#include "engine/DealSolver.h"

#include "engine/ClDictionary.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kPileCount = 5;
constexpr int kMaxCards = 115;
constexpr int kMaxLevel = 7;
constexpr uint8_t kJoker = 26; // card code of "*"; letters are 0-25
constexpr int kBranches = 27;  // a-z and one for any other entry character
constexpr int kCheckEvery = 1024;
constexpr qint64 kFirstTryStates = 2000;

int CardCode(QChar c) {
    const char16_t u = QChar(c).toLower().unicode();
    if (u >= u'a' && u <= u'z')
        return u - u'a';
    return u == u'*' ? kJoker : -1;
}

QChar CardChar(uint8_t code) {
    return code == kJoker ? QLatin1Char('*') : QLatin1Char(char('a' + code));
}

// A position. The stock is kept next card last and the discards top card
// last, so a draw moves the stock's last three cards to the discards' end as
// they are, and a lay takes the discards' last card.
struct Position {
    uint8_t down[kPileCount]; // face-down cards left (the pile's first ones)
    uint8_t upLen[kPileCount];
    uint8_t up[kPileCount][kMaxLevel + 1];
    uint8_t ns;
    uint8_t nd;
    uint8_t stock[kMaxCards];
    uint8_t discards[kMaxCards];

    bool Done(int p) const { return down[p] == 0 && upLen[p] == 0; }
    bool Won() const {
        for (int p = 0; p < kPileCount; ++p)
            if (!Done(p))
                return false;
        return true;
    }
};

// A move as the search keeps it: 0-4 lay on that pile, 5 draw.
constexpr uint8_t kDraw = 5;

uint64_t Mix(uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

uint64_t HashBytes(const uint8_t* data, size_t size, uint64_t h) {
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, data + i, 8);
        h = Mix(h ^ word) + 0x9e3779b97f4a7c15ULL;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, data + i, size - i);
    return Mix(h ^ tail ^ (uint64_t(size - i) << 56));
}

uint64_t HashPosition(const Position& pos) {
    uint8_t piles[kPileCount * (kMaxLevel + 2)];
    size_t n = 0;
    for (int p = 0; p < kPileCount; ++p) {
        piles[n++] = pos.down[p];
        piles[n++] = pos.upLen[p];
        for (int k = 0; k < pos.upLen[p]; ++k)
            piles[n++] = pos.up[p][k];
    }
    uint64_t h = HashBytes(piles, n, 0x243f6a8885a308d3ULL);
    h = HashBytes(pos.stock, pos.ns, h ^ 0x13198a2e03707344ULL);
    h = HashBytes(pos.discards, pos.nd, h ^ 0xa4093822299f31d0ULL);
    return h == 0 ? 1 : h;
}

// Open addressing over hashes; 0 marks a free slot.
class SeenSet {
public:
    SeenSet() : m_slots(1 << 16, 0) {}
    // False when the hash was there already.
    bool Insert(uint64_t h) {
        if ((m_count + 1) * 2 > m_slots.size())
            Grow();
        return Place(m_slots, h);
    }

private:
    bool Place(std::vector<uint64_t>& table, uint64_t h) {
        const size_t mask = table.size() - 1;
        for (size_t i = h & mask;; i = (i + 1) & mask) {
            if (table[i] == h)
                return false;
            if (table[i] == 0) {
                table[i] = h;
                ++m_count;
                return true;
            }
        }
    }
    void Grow() {
        std::vector<uint64_t> bigger(m_slots.size() * 2, 0);
        m_count = 0;
        for (uint64_t h : m_slots)
            if (h != 0)
                Place(bigger, h);
        m_slots.swap(bigger);
    }

    std::vector<uint64_t> m_slots;
    size_t m_count = 0;
};

} // namespace

// The level's entries as a letter tree, built once and only read afterwards.
struct DealSolver::Words {
    std::vector<std::array<int32_t, kBranches>> next;
    std::vector<uint8_t> ends; // an entry ends at this node
    int level = 0;

    explicit Words(const QStringList& entries, int level) : level(level) {
        NewNode();
        for (const QString& entry : entries) {
            int node = 0;
            for (const QChar c : entry) {
                const char16_t u = c.unicode();
                const int branch = (u >= u'a' && u <= u'z') ? u - u'a' : kBranches - 1;
                if (next[node][branch] < 0) {
                    const int fresh = NewNode();
                    next[node][branch] = fresh;
                }
                node = next[node][branch];
            }
            ends[node] = 1;
        }
    }

    int NewNode() {
        std::array<int32_t, kBranches> none;
        none.fill(-1);
        next.push_back(none);
        ends.push_back(0);
        return int(next.size()) - 1;
    }

    static bool AllJokers(const uint8_t* word, int from, int len) {
        for (int k = from; k < len; ++k)
            if (word[k] != kJoker)
                return false;
        return true;
    }

    // The word list's check: some entry begins like the word, a joker
    // standing for any character, or for none past the end of a short entry.
    bool Matches(const uint8_t* word, int len, int node = 0, int k = 0) const {
        for (; k < len; ++k) {
            const uint8_t c = word[k];
            if (c != kJoker) {
                node = next[node][c];
                if (node < 0)
                    return false;
                continue;
            }
            if (ends[node] && AllJokers(word, k, len))
                return true;
            for (int b = 0; b < kBranches; ++b)
                if (next[node][b] >= 0 && Matches(word, len, next[node][b], k + 1))
                    return true;
            return false;
        }
        return true;
    }
};

namespace {

// Every word still to be made, each from the cards left and no card used
// twice, with the order of the cards left aside: the plan the search steers
// by. No such plan means the game cannot be won.
class Planner {
public:
    static constexpr int kCurrent = 5; // plan slot of a pile's word in making
    static constexpr int kNodeBudget = 20000;
    using Plan = uint8_t[kPileCount][kCurrent + 1][kMaxLevel + 1];

    Planner(const DealSolver::Words& words, const std::vector<std::vector<uint8_t>>& faceDown)
        : m_words(words), m_level(words.level), m_faceDown(faceDown) {}

    // Another try looks at the letters in another order, and so finds
    // other words first.
    void Vary(uint32_t variant) {
        uint64_t h = variant;
        for (int& turn : m_turn) {
            h = Mix(h + 0x9e3779b97f4a7c15ULL);
            turn = variant == 0 ? 0 : int(h % kBranches);
        }
    }

    // 1: a plan was found (in `plan`); 0: there is none; -1: not found in
    // the budget.
    int Find(const Position& pos, const int* supply, Plan& plan) {
        m_slots.clear();
        for (int p = 0; p < kPileCount; ++p) {
            if (pos.Done(p))
                continue;
            Slot current{p, kCurrent, {}, pos.upLen[p]};
            std::memcpy(current.word, pos.up[p], pos.upLen[p]);
            m_slots.push_back(current);
        }
        // The longest words begun first: they have the fewest ways to end.
        std::sort(m_slots.begin(), m_slots.end(),
                  [](const Slot& a, const Slot& b) { return a.len > b.len; });
        for (int p = 0; p < kPileCount; ++p) {
            for (int i = 0; i < pos.down[p]; ++i) {
                Slot next{p, i, {}, 1};
                next.word[0] = m_faceDown[p][i];
                m_slots.push_back(next);
            }
        }
        std::memcpy(m_supply, supply, sizeof m_supply);
        m_slotsKey = SlotsHash();
        m_nodes = 0;
        m_plan = &plan;
        const int found = Place(0);
        m_plan = nullptr;
        return found;
    }

private:
    struct Slot {
        int pile;
        int index;
        uint8_t word[kMaxLevel + 1];
        int len;
    };

    uint64_t Key(size_t slot) const {
        uint8_t bytes[kBranches + 1];
        for (int i = 0; i < kBranches; ++i)
            bytes[i] = uint8_t(m_supply[i]);
        bytes[kBranches] = uint8_t(slot);
        return HashBytes(bytes, sizeof bytes, m_slotsKey);
    }

    int Place(size_t slot) {
        if (slot == m_slots.size())
            return 1;
        const uint64_t key = Key(slot);
        if (m_failed.count(key))
            return 0;
        Slot& s = m_slots[slot];
        m_current = slot;
        const int found = Walk(s, 0, 0, s.len);
        if (found == 0)
            m_failed.insert(key);
        return found;
    }

    uint64_t SlotsHash() const {
        uint64_t h = 0x9e3779b97f4a7c15ULL;
        for (const Slot& s : m_slots)
            h = HashBytes(s.word, size_t(s.len), h ^ uint64_t(s.len));
        return h;
    }

    // Follows the slot's begun letters (a joker among them may stand for
    // any branch), then takes cards from the supply up to the level.
    int Walk(Slot& s, int node, int depth, int begun) {
        if (++m_nodes > kNodeBudget)
            return -1;
        if (depth == m_level)
            return Next(s);
        if (depth < begun) {
            const uint8_t c = s.word[depth];
            if (c != kJoker) {
                const int child = m_words.next[node][c];
                return child < 0 ? 0 : Walk(s, child, depth + 1, begun);
            }
            if (m_words.ends[node] && Words::AllJokers(s.word, depth, begun) &&
                m_supply[kJoker] >= m_level - begun)
                return PastEnd(s, begun);
            for (int b = 0; b < kBranches; ++b) {
                const int child = m_words.next[node][b];
                if (child < 0)
                    continue;
                const int found = Walk(s, child, depth + 1, begun);
                if (found != 0)
                    return found;
            }
            return 0;
        }
        if (m_words.ends[node] && m_supply[kJoker] >= m_level - depth) {
            const int found = PastEnd(s, depth);
            if (found != 0)
                return found;
        }
        for (int i = 0; i < kBranches; ++i) {
            const int b = (i + m_turn[depth]) % kBranches;
            const int child = m_words.next[node][b];
            if (child < 0)
                continue;
            const int card = (b < 26 && m_supply[b] > 0) ? b : kJoker;
            if (m_supply[card] == 0)
                continue;
            --m_supply[card];
            s.word[depth] = uint8_t(card);
            const int found = Walk(s, child, depth + 1, begun);
            ++m_supply[card];
            if (found != 0)
                return found;
        }
        return 0;
    }

    // The entry ended: jokers fill the word to the level.
    int PastEnd(Slot& s, int from) {
        for (int k = from; k < m_level; ++k)
            s.word[k] = kJoker;
        m_supply[kJoker] -= m_level - from;
        const int found = Next(s);
        m_supply[kJoker] += m_level - from;
        return found;
    }

    int Next(const Slot& s) {
        const size_t here = m_current;
        const int found = Place(here + 1);
        m_current = here;
        if (found == 1)
            std::memcpy((*m_plan)[s.pile][s.index], s.word, kMaxLevel + 1);
        return found;
    }

    using Words = DealSolver::Words;
    const Words& m_words;
    const int m_level;
    const std::vector<std::vector<uint8_t>>& m_faceDown;
    std::vector<Slot> m_slots;
    int m_supply[kBranches] = {};
    int m_turn[kMaxLevel + 1] = {};
    size_t m_current = 0;
    long m_nodes = 0;
    uint64_t m_slotsKey = 0;
    Plan* m_plan = nullptr;
    std::unordered_set<uint64_t> m_failed;
};

class Search {
public:
    Search(const DealSolver::Words& words, const std::vector<std::vector<uint8_t>>& faceDown,
           const SolverBudget& budget)
        : m_words(words), m_level(words.level), m_faceDown(faceDown), m_budget(budget),
          m_planner(words, faceDown), m_start(std::chrono::steady_clock::now()) {}

    // Searches afresh, steered by another plan for each `variant`; gives up
    // undecided after `limit` positions (0: only the budget limits).
    SolverAnswer Run(const Position& root, uint32_t variant, qint64 limit) {
        SolverAnswer answer;
        m_seen = SeenSet();
        m_planner.Vary(variant);
        if (root.Won()) {
            answer.verdict = SolverVerdict::Winnable;
            return answer;
        }
        std::vector<Frame> stack;
        stack.reserve(1024);
        stack.emplace_back();
        stack.back().pos = root;
        if (Dead(stack.back(), true)) {
            answer.verdict = SolverVerdict::NotWinnable;
            return answer;
        }
        Moves(stack.back());
        m_seen.Insert(HashPosition(root));
        qint64 states = 0;
        while (!stack.empty()) {
            Frame& top = stack.back();
            if (top.next == top.count) {
                stack.pop_back();
                continue;
            }
            const uint8_t move = top.moves[top.next++];
            Frame child;
            child.pos = top.pos;
            child.made = move;
            child.madeCard = top.pos.nd > 0 ? top.pos.discards[top.pos.nd - 1] : 0;
            child.planned = top.planned;
            if (child.planned)
                std::memcpy(child.plan, top.plan, sizeof child.plan);
            // A lay the plan foresaw keeps the plan: its cards are all still there.
            bool onPlan = move == kDraw;
            if (move != kDraw && child.planned) {
                const int p = move;
                onPlan = child.plan[p][Planner::kCurrent][top.pos.upLen[p]] == child.madeCard;
            }
            Apply(child, move);
            if ((++states % kCheckEvery == 0 && OutOfBudget(m_spent + states)) ||
                (limit > 0 && states >= limit)) {
                m_spent += states;
                answer.states = states;
                return answer;
            }
            if (move != kDraw && child.pos.Won()) {
                answer.verdict = SolverVerdict::Winnable;
                m_spent += states;
                answer.states = states;
                for (size_t i = 1; i < stack.size(); ++i)
                    answer.moves.append(ToMove(stack[i].made, stack[i].madeCard));
                answer.moves.append(ToMove(child.made, child.madeCard));
                return answer;
            }
            if (!m_seen.Insert(HashPosition(child.pos)))
                continue;
            if (Dead(child, !onPlan))
                continue;
            Moves(child);
            stack.push_back(child);
        }
        answer.verdict = SolverVerdict::NotWinnable;
        m_spent += states;
        answer.states = states;
        return answer;
    }

    bool OutOfBudget(qint64 states) const {
        if (m_budget.cancel != nullptr && m_budget.cancel->load(std::memory_order_relaxed))
            return true;
        if (m_budget.states > 0 && states >= m_budget.states)
            return true;
        if (m_budget.milliseconds > 0) {
            const auto spent = std::chrono::steady_clock::now() - m_start;
            if (spent >= std::chrono::milliseconds(m_budget.milliseconds))
                return true;
        }
        return false;
    }
    qint64 Spent() const { return m_spent; }

private:
    struct Frame {
        Position pos;
        uint8_t made = 0; // the move that led here
        uint8_t madeCard = 0;
        uint8_t moves[6];
        uint8_t count = 0;
        uint8_t next = 0;
        bool planned = false;
        Planner::Plan plan;
    };

    static SolverMove ToMove(uint8_t move, uint8_t card) {
        SolverMove out;
        if (move == kDraw)
            return out;
        out.kind = SolverMove::Kind::Lay;
        out.pile = move + 1;
        out.letter = CardChar(card);
        return out;
    }

    void Apply(Frame& frame, uint8_t move) const {
        Position& pos = frame.pos;
        if (move == kDraw) {
            if (pos.ns == 0) {
                // The discards turn over: the bottom discard comes first.
                for (int i = 0; i < pos.nd; ++i)
                    pos.stock[i] = pos.discards[pos.nd - 1 - i];
                pos.ns = pos.nd;
                pos.nd = 0;
            }
            const int k = std::min<int>(3, pos.ns);
            std::memcpy(pos.discards + pos.nd, pos.stock + pos.ns - k, size_t(k));
            pos.nd = uint8_t(pos.nd + k);
            pos.ns = uint8_t(pos.ns - k);
            return;
        }
        const int p = move;
        pos.up[p][pos.upLen[p]] = pos.discards[pos.nd - 1];
        pos.upLen[p] = uint8_t(pos.upLen[p] + 1);
        pos.nd = uint8_t(pos.nd - 1);
        if (pos.upLen[p] < m_level)
            return;
        // The word is made: it leaves, and the last face-down card turns up.
        if (pos.down[p] == 0) {
            pos.upLen[p] = 0;
            return;
        }
        pos.down[p] = uint8_t(pos.down[p] - 1);
        pos.up[p][0] = m_faceDown[p][pos.down[p]];
        pos.upLen[p] = 1;
        std::memcpy(frame.plan[p][Planner::kCurrent], frame.plan[p][pos.down[p]], kMaxLevel + 1);
    }

    void Moves(Frame& frame) const {
        const Position& pos = frame.pos;
        frame.count = 0;
        frame.next = 0;
        if (pos.nd > 0) {
            const uint8_t card = pos.discards[pos.nd - 1];
            uint8_t lays[kPileCount];
            int rank[kPileCount];
            int n = 0;
            for (int p = 0; p < kPileCount; ++p) {
                if (pos.Done(p) || pos.upLen[p] >= m_level)
                    continue;
                uint8_t word[kMaxLevel + 1];
                std::memcpy(word, pos.up[p], pos.upLen[p]);
                word[pos.upLen[p]] = card;
                if (!m_words.Matches(word, pos.upLen[p] + 1))
                    continue;
                // The plan's card first, then a lay that makes a word.
                const bool planned =
                    frame.planned && frame.plan[p][Planner::kCurrent][pos.upLen[p]] == card;
                rank[n] = planned ? 0 : (pos.upLen[p] + 1 == m_level ? 1 : 2);
                lays[n++] = uint8_t(p);
            }
            for (int r = 0; r <= 2; ++r) {
                for (int i = 0; i < n; ++i)
                    if (rank[i] == r)
                        frame.moves[frame.count++] = lays[i];
                // Off the plan a lay is tried after the draw.
                if (r == 0 && frame.planned && pos.ns + pos.nd > 0)
                    frame.moves[frame.count++] = kDraw;
            }
        }
        bool drawn = false;
        for (int i = 0; i < frame.count; ++i)
            drawn = drawn || frame.moves[i] == kDraw;
        if (!drawn && pos.ns + pos.nd > 0)
            frame.moves[frame.count++] = kDraw;
    }

    // True when the cards left cannot fill every pile. After a draw, or a
    // lay the plan foresaw, the plan still holds and only the count is new.
    bool Dead(Frame& frame, bool replan) {
        const Position& pos = frame.pos;
        int need = 0;
        for (int p = 0; p < kPileCount; ++p)
            if (!pos.Done(p))
                need += (m_level - pos.upLen[p]) + pos.down[p] * (m_level - 1);
        if (need > pos.ns + pos.nd)
            return true;
        if (!replan && frame.planned)
            return false;
        int supply[kBranches] = {};
        for (int i = 0; i < pos.ns; ++i)
            ++supply[pos.stock[i]];
        for (int i = 0; i < pos.nd; ++i)
            ++supply[pos.discards[i]];
        const int found = m_planner.Find(pos, supply, frame.plan);
        frame.planned = found == 1;
        return found == 0;
    }

    const DealSolver::Words& m_words;
    const int m_level;
    const std::vector<std::vector<uint8_t>>& m_faceDown;
    const SolverBudget& m_budget;
    Planner m_planner;
    SeenSet m_seen;
    const std::chrono::steady_clock::time_point m_start;
    qint64 m_spent = 0;
};

QStringList SearchedEntries(const ClDictionary& words, int level) {
    const QStringList& all = words.WordsOfLevel(level);
    return all.isEmpty() ? QStringList() : all.mid(1);
}

} // namespace

QString SolverMove::Text() const {
    if (kind == Kind::Draw)
        return QStringLiteral("draw");
    return QStringLiteral("lay %1 on %2").arg(letter).arg(pile);
}

DealSolver::DealSolver(const ClDictionary& words, int level)
    : DealSolver(SearchedEntries(words, level), level) {}

DealSolver::DealSolver(const QStringList& entries, int level)
    : m_words(std::make_shared<const Words>(entries, level)), m_level(level) {}

DealSolver::~DealSolver() = default;

QString DealSolver::VerdictText(SolverVerdict verdict) {
    switch (verdict) {
    case SolverVerdict::Winnable:
        return QStringLiteral("winnable");
    case SolverVerdict::NotWinnable:
        return QStringLiteral("not winnable");
    case SolverVerdict::Undecided:
        break;
    }
    return QStringLiteral("undecided");
}

QString DealSolver::CheckState(const DealState& state) {
    if (state.level < ClDictionary::kFirstLevel || state.level > ClDictionary::kLastLevel)
        return QStringLiteral("the level must be 3 to 7, not %1").arg(state.level);
    const auto cards = [](const QString& text) {
        return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return CardCode(c) >= 0; });
    };
    qsizetype total = state.stock.size() + state.discards.size();
    for (int p = 0; p < kPileCount; ++p) {
        const QString& pile = state.piles[p];
        const qsizetype colon = pile.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return QStringLiteral("pile %1 (\"%2\") has no \":\"").arg(p + 1).arg(pile);
        if (!cards(pile.left(colon)) || !cards(pile.mid(colon + 1)))
            return QStringLiteral("pile %1 (\"%2\") holds a character that is no card")
                .arg(p + 1)
                .arg(pile);
        if (pile.size() - colon - 1 > state.level)
            return QStringLiteral("pile %1 (\"%2\") shows more letters than the level")
                .arg(p + 1)
                .arg(pile);
        total += pile.size() - 1;
    }
    if (!cards(state.stock))
        return QStringLiteral("the stock holds a character that is no card");
    if (!cards(state.discards))
        return QStringLiteral("the discards hold a character that is no card");
    if (total > kMaxCards)
        return QStringLiteral("%1 cards are more than a deck holds").arg(total);
    return QString();
}

SolverAnswer DealSolver::Solve(const DealState& state, const SolverBudget& budget) const {
    if (!CheckState(state).isEmpty() || state.level != m_level)
        return SolverAnswer{};
    Position root{};
    std::vector<std::vector<uint8_t>> faceDown(kPileCount);
    for (int p = 0; p < kPileCount; ++p) {
        const QString& pile = state.piles[p];
        const qsizetype colon = pile.indexOf(QLatin1Char(':'));
        for (const QChar c : pile.left(colon))
            faceDown[p].push_back(uint8_t(CardCode(c)));
        const QString up = pile.mid(colon + 1);
        root.down[p] = uint8_t(faceDown[p].size());
        root.upLen[p] = uint8_t(up.size());
        for (qsizetype k = 0; k < up.size(); ++k)
            root.up[p][k] = uint8_t(CardCode(up.at(k)));
    }
    root.ns = uint8_t(state.stock.size());
    for (qsizetype i = 0; i < state.stock.size(); ++i)
        root.stock[root.ns - 1 - i] = uint8_t(CardCode(state.stock.at(i)));
    root.nd = uint8_t(state.discards.size());
    for (qsizetype i = 0; i < state.discards.size(); ++i)
        root.discards[root.nd - 1 - i] = uint8_t(CardCode(state.discards.at(i)));

    Search search(*m_words, faceDown, budget);
    // A word already as long as the level is taken off as the engine does
    // once it has flown to the list.
    for (int p = 0; p < kPileCount; ++p) {
        if (root.upLen[p] == m_level) {
            if (root.down[p] == 0) {
                root.upLen[p] = 0;
            } else {
                root.down[p] = uint8_t(root.down[p] - 1);
                root.up[p][0] = faceDown[p][root.down[p]];
                root.upLen[p] = 1;
            }
        }
    }
    // Short tries steered by different plans find most wins at once; each
    // try may look at twice as many positions as the one before, so the
    // last one, which may prove that no win exists, gets half the budget.
    qint64 limit = kFirstTryStates;
    for (uint32_t variant = 0;; ++variant, limit *= 2) {
        SolverAnswer answer = search.Run(root, variant, limit);
        if (answer.verdict != SolverVerdict::Undecided || search.OutOfBudget(search.Spent())) {
            answer.states = search.Spent();
            return answer;
        }
    }
}
