// The word list: loading the shipped list and a synthetic 300,000-word list,
// and single CheckWord calls on found and not-found candidates. The latency
// of each call is timed separately; the median and the 99th percentile are
// reported as counters (microseconds).
#include "engine/ClDictionary.h"
#include "shell/clsBinaryEncryptor.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>

namespace {

QString shippedPath() {
    return QStringLiteral(MORDAVENTA_BUILD_HOME "/Dictionary/dictionary.dic");
}

// 60,000 random words of each length 3 to 7, in random order, encrypted.
struct SyntheticList {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("dictionary.dic"));
    SyntheticList() {
        std::mt19937 random(2026);
        std::array<QStringList, ClDictionary::kLevelCount> words;
        for (int level = ClDictionary::kFirstLevel; level <= ClDictionary::kLastLevel; ++level) {
            QStringList& list = words[level - ClDictionary::kFirstLevel];
            for (int i = 0; i < 60000; ++i) {
                QString word;
                for (int k = 0; k < level; ++k)
                    word += QLatin1Char(char('a' + random() % 26));
                list << word;
            }
        }
        const QByteArray plain = ClDictionary::ComposePlainText(QStringLiteral("synthetic"), words);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(
                clsBinaryEncryptor::EncryptBytes(plain, QString::fromLatin1(kProgramPassphrase)));
    }
};

SyntheticList& synthetic() {
    static SyntheticList instance;
    return instance;
}

const ClDictionary& loaded(const QString& path) {
    static std::map<QString, ClDictionary> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        it = cache.try_emplace(path).first;
        it->second.LoadDictionaryFile(path);
    }
    return it->second;
}

void loadBenchmark(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        ClDictionary dictionary;
        if (!dictionary.LoadDictionaryFile(path))
            state.SkipWithError("the word list did not load");
        benchmark::DoNotOptimize(dictionary.DicLoaded);
    }
}

// The game's own call: the program folder's list, found through MORDAVENTA_HOME.
void BM_LoadShipped(benchmark::State& state) {
    qputenv("MORDAVENTA_HOME", MORDAVENTA_BUILD_HOME);
    for (auto _ : state) {
        ClDictionary dictionary;
        if (!dictionary.LoadDictionary())
            state.SkipWithError("the word list did not load");
        benchmark::DoNotOptimize(dictionary.DicLoaded);
    }
}
BENCHMARK(BM_LoadShipped)->Unit(benchmark::kMillisecond);

void BM_LoadSynthetic300k(benchmark::State& state) {
    loadBenchmark(state, synthetic().path);
}
BENCHMARK(BM_LoadSynthetic300k)->Unit(benchmark::kMillisecond);

enum class Kind { Found, NotFound, Jokers };

struct Query {
    QString word;
    qint16 level;
};

// Candidates as the game asks them: beginnings of listed words (found), the
// same with the last letter changed until no word begins so (not found), and
// beginnings with one or two letters turned into jokers.
std::vector<Query> makeQueries(const ClDictionary& dictionary, Kind kind) {
    std::mt19937 random(99);
    std::vector<Query> queries;
    while (queries.size() < 2000) {
        const int level = ClDictionary::kFirstLevel + int(random() % ClDictionary::kLevelCount);
        const QStringList& list = dictionary.WordsOfLevel(level);
        if (list.size() < 2)
            break;
        QString word = list.at(1 + qsizetype(random() % (list.size() - 1)))
                           .left(1 + qsizetype(random() % level));
        if (kind == Kind::NotFound) {
            word[word.size() - 1] = QLatin1Char(char('a' + random() % 26));
            if (dictionary.CheckWord(word, qint16(level)))
                continue;
        } else if (kind == Kind::Jokers) {
            for (int j = 0; j < 2; ++j)
                word[qsizetype(random() % word.size())] = QLatin1Char('*');
        }
        queries.push_back({word, qint16(level)});
    }
    return queries;
}

void checkBenchmark(benchmark::State& state, const QString& path, Kind kind) {
    const ClDictionary& dictionary = loaded(path);
    const std::vector<Query> queries = makeQueries(dictionary, kind);
    if (queries.empty()) {
        state.SkipWithError("no queries");
        return;
    }
    std::vector<double> micros;
    micros.reserve(1 << 20);
    size_t next = 0;
    for (auto _ : state) {
        const Query& query = queries[next];
        next = (next + 1) % queries.size();
        const auto start = std::chrono::steady_clock::now();
        const bool found = dictionary.CheckWord(query.word, query.level);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(found);
        micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["p50_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
    state.counters["max_us"] = micros.back();
}

void BM_CheckWordShippedFound(benchmark::State& state) {
    checkBenchmark(state, shippedPath(), Kind::Found);
}
void BM_CheckWordShippedNotFound(benchmark::State& state) {
    checkBenchmark(state, shippedPath(), Kind::NotFound);
}
void BM_CheckWordShippedJokers(benchmark::State& state) {
    checkBenchmark(state, shippedPath(), Kind::Jokers);
}
void BM_CheckWordSynthetic300kFound(benchmark::State& state) {
    checkBenchmark(state, synthetic().path, Kind::Found);
}
void BM_CheckWordSynthetic300kNotFound(benchmark::State& state) {
    checkBenchmark(state, synthetic().path, Kind::NotFound);
}
void BM_CheckWordSynthetic300kJokers(benchmark::State& state) {
    checkBenchmark(state, synthetic().path, Kind::Jokers);
}
BENCHMARK(BM_CheckWordShippedFound);
BENCHMARK(BM_CheckWordShippedNotFound);
BENCHMARK(BM_CheckWordShippedJokers);
BENCHMARK(BM_CheckWordSynthetic300kFound);
BENCHMARK(BM_CheckWordSynthetic300kNotFound);
BENCHMARK(BM_CheckWordSynthetic300kJokers);

// The plain walk over the list, for comparison with the index.
void BM_LinearWalkShippedNotFound(benchmark::State& state) {
    const ClDictionary& dictionary = loaded(shippedPath());
    const std::vector<Query> queries = makeQueries(dictionary, Kind::NotFound);
    size_t next = 0;
    for (auto _ : state) {
        const Query& query = queries[next];
        next = (next + 1) % queries.size();
        const QStringList& list = dictionary.WordsOfLevel(query.level);
        bool found = false;
        for (qsizetype i = 1; i < list.size() && !found; ++i)
            found = ClDictionary::EntryBeginsLike(list.at(i), query.word);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LinearWalkShippedNotFound);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
