// SPDX-License-Identifier: GPL-3.0-or-later
// No board lost, whatever ends the game: the real program, driven from
// outside, saves a board through the save tab's button and is ended by a
// random signal, two hundred times over. A program of its own, labelled
// "odolnost": it runs for a minute or more.
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "HraVProcesu.h"
#include "KavirelFile.h"

namespace {

// Two hundred times: start, save a board, end by a random one of SIGTERM,
// SIGHUP, SIGINT and SIGKILL once the save has reached the file. Not one of
// the boards may be lost, and the ones before must stay as they were.
TEST(Odolnost, DvesteKoncuBezZtraceneDesky)
{
    if (!QFileInfo::exists(Hra::Program()))
        GTEST_SKIP() << "kavirel not built";
    const int cyklu = 200;
    const int signaly[] = {SIGTERM, SIGHUP, SIGINT, SIGKILL};
    std::mt19937 nahoda(20261209);
    QTemporaryDir adresar;
    const QString katalog = adresar.filePath(QStringLiteral("Kavirel.dat"));
    QByteArray vestavene;
    for (const TZaznamDesky& z : StandardniZaznamy())
        vestavene += QByteArray(reinterpret_cast<const char*>(&z), static_cast<qsizetype>(sizeof z));
    int poSignalu[4] = {};
    int poLhute = 0;  // ended by the signal itself after the deadline
    for (int cyklus = 1; cyklus <= cyklu; ++cyklus) {
        SCOPED_TRACE(cyklus);
        const int kterym = std::uniform_int_distribution<int>(0, 3)(nahoda);
        const int signal = signaly[kterym];
        ++poSignalu[kterym];
        const QByteArray pred = cyklus == 1 ? vestavene : CelySoubor(katalog);
        Hra hra(adresar.path(), {TestovaciUlozeni});
        ASSERT_TRUE(hra.Spust({}, SIGUSR1));
        ASSERT_TRUE(hra.UlozDesku(katalog, PocetChranenychDesek + cyklus));
        ::kill(static_cast<pid_t>(hra.Proces.processId()), signal);
        ASSERT_TRUE(hra.Skoncila());
        if (signal == SIGKILL) {
            EXPECT_EQ(hra.Proces.exitStatus(), QProcess::CrashExit);
        } else if (hra.Proces.exitStatus() == QProcess::CrashExit) {
            // The game lets the signal kill it when its ordered end takes over
            // two seconds, which a loaded machine may cause; what it saved must
            // be on disk all the same, and that is checked below.
            ++poLhute;
        } else {
            EXPECT_EQ(hra.Proces.exitCode(), 0);
        }
        const QByteArray po = CelySoubor(katalog);
        ASSERT_EQ(po.size(), (PocetChranenychDesek + cyklus) * 275);
        ASSERT_TRUE(po.startsWith(pred));
    }
    std::printf("Ukončeno: SIGTERM %d, SIGHUP %d, SIGINT %d, SIGKILL %d; po lhůtě %d\n", poSignalu[0],
                poSignalu[1], poSignalu[2], poSignalu[3], poLhute);
    EXPECT_EQ(Zbytky(adresar.path()), QStringList());
}

} // namespace
