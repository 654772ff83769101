// Throughput of the file cipher on a 10 MB file, with an application object
// so that EncryptFile's event processing is part of the measurement.
#include "shell/clsBinaryEncryptor.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kFileSize = 10 * 1024 * 1024;

struct Files {
    QTemporaryDir dir;
    QString plain = dir.filePath(QStringLiteral("plain.bin"));
    QString scrambled = dir.filePath(QStringLiteral("scrambled.bin"));
    QString back = dir.filePath(QStringLiteral("back.bin"));
    Files() {
        QByteArray bytes(kFileSize, Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>((i * 131 + i / 4093) & 0xFF);
        QFile file(plain);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
};

Files& files() {
    static Files instance;
    return instance;
}

void BM_EncryptFile10MB(benchmark::State& state) {
    clsBinaryEncryptor cipher;
    for (auto _ : state) {
        if (!cipher.EncryptFile(files().plain, files().scrambled, QStringLiteral("BisonEatsMuch")))
            state.SkipWithError("EncryptFile failed");
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_EncryptFile10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecryptFile10MB(benchmark::State& state) {
    clsBinaryEncryptor cipher;
    cipher.EncryptFile(files().plain, files().scrambled, QStringLiteral("BisonEatsMuch"));
    for (auto _ : state) {
        if (!cipher.DecryptFile(files().scrambled, files().back, QStringLiteral("BisonEatsMuch")))
            state.SkipWithError("DecryptFile failed");
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_DecryptFile10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EncryptBytes10MB(benchmark::State& state) {
    const QByteArray plain(kFileSize, 'x');
    for (auto _ : state) {
        QByteArray out = clsBinaryEncryptor::EncryptBytes(plain, QStringLiteral("BisonEatsMuch"));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_EncryptBytes10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
