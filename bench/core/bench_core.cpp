// Encode + decode of the EEPROM image, and save + open of a settings file.
// Targets on a 2-core machine: encode + decode under 5 us, save + open under
// 300 us.
#include "Udecl.h"
#include "Uplik.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

TModuleSettings sampleRecord()
{
    TModuleSettings s{};
    SetDefaultSettings(s);
    s.SmsCentreNumber.setText(QStringLiteral("+48602951111"));
    for (int u = 1; u <= 4; ++u)
        s.UserNumber(u).setText(QStringLiteral("+4860012345%1").arg(u));
    for (int n = 1; n <= 8; ++n)
        for (int r = 1; r <= 2; ++r)
            s.InputSmsText(n, r).setText(QStringLiteral("Alarm: wejście %1 reakcja %2 ....").arg(n).arg(r));
    s.SimPin.setText(QStringLiteral("1234"));
    return s;
}

void EncodeDecode(benchmark::State &state)
{
    TModuleSettings s = sampleRecord();
    TEepromImage image;
    for (auto _ : state) {
        SettingsToEeprom(s, image);
        EepromToSettings(image, s);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(EncodeDecode)->Unit(benchmark::kMicrosecond);

// Save + open in a folder of the disk, and in memory (/dev/shm): the
// difference is the disk's flush, which makes a save durable.
void SaveOpenIn(benchmark::State &state, const QString &parent)
{
    QTemporaryDir dir(parent + QStringLiteral("/pelmor-bench-XXXXXX"));
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const QString name = dir.filePath(QStringLiteral("bench.ulmar"));
    TModuleSettings s = sampleRecord();
    TUserNotes notes{};
    notes[1].Name.setText(QStringLiteral("Jan Kowalski"));
    notes[1].Remarks.setText(QStringLiteral("Kluczyki u sąsiada.\r\nDzwonić po 18."));
    for (auto _ : state) {
        WriteSettingsFile(name, s, notes);
        ReadSettingsFile(name, s, notes);
        benchmark::DoNotOptimize(s);
    }
}

void SaveOpen(benchmark::State &state) { SaveOpenIn(state, QDir::tempPath()); }
BENCHMARK(SaveOpen)->Unit(benchmark::kMicrosecond);

void SaveOpenInMemory(benchmark::State &state) { SaveOpenIn(state, QStringLiteral("/dev/shm")); }
BENCHMARK(SaveOpenInMemory)->Unit(benchmark::kMicrosecond);

// The parts of save + open, to see where the time goes.
void CompressOnly(benchmark::State &state)
{
    TModuleSettings s = sampleRecord();
    TUserNotes notes{};
    for (auto _ : state)
        benchmark::DoNotOptimize(CompressSettings(s, notes));
}
BENCHMARK(CompressOnly)->Unit(benchmark::kMicrosecond);

void SaveOnly(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("bench.ulmar"));
    TModuleSettings s = sampleRecord();
    TUserNotes notes{};
    for (auto _ : state)
        WriteSettingsFile(name, s, notes);
}
BENCHMARK(SaveOnly)->Unit(benchmark::kMicrosecond);

void OpenOnly(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("bench.ulmar"));
    TModuleSettings s = sampleRecord();
    TUserNotes notes{};
    WriteSettingsFile(name, s, notes);
    for (auto _ : state) {
        ReadSettingsFile(name, s, notes);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(OpenOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
