// SPDX-License-Identifier: GPL-3.0-or-later
// The display dies under the real program, driven from outside.
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "HraVProcesu.h"

namespace {

// The X server goes away under a running game (an ssh connection dropped, a
// compositor or Xvfb crashed): Qt ends the program from inside its event
// loop. What was saved stays saved, and the settings are written on the way.
TEST(ZtrataDispleje, UlozenaDeskaINastaveniZustanou)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (!QFileInfo::exists(Hra::Program()) || xvfb.isEmpty())
        GTEST_SKIP() << "needs kavirel and Xvfb";
    // A display of its own: Xvfb picks a free number and tells it.
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("800x600x24")});
    ASSERT_TRUE(server.waitForStarted(Trpelivost));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.canReadLine(); }, Trpelivost));
    const QString displej = QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed());

    QTemporaryDir adresar;
    const QString katalog = adresar.filePath(QStringLiteral("Kavirel.dat"));
    Hra hra(adresar.path(), {TestovaciUlozeni,
                             {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                             {QStringLiteral("DISPLAY"), displej}});
    ASSERT_TRUE(hra.Spust({}, SIGUSR1));
    ASSERT_TRUE(hra.UlozDesku(katalog, 18));
    const QByteArray ulozeny = CelySoubor(katalog);

    server.terminate();
    ASSERT_TRUE(server.waitForFinished(Trpelivost));
    ASSERT_TRUE(hra.Skoncila());
    // Qt's own status for a lost display, but no crash on the way.
    EXPECT_EQ(hra.Proces.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(hra.Proces.exitCode(), 1);
    EXPECT_EQ(CelySoubor(katalog), ulozeny);
    EXPECT_TRUE(QFileInfo(adresar.filePath(QStringLiteral("config/Kavirel/Kavirel.conf"))).isFile());
    EXPECT_EQ(Zbytky(adresar.path()), QStringList());
}

} // namespace
