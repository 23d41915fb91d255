// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the Qt test programs: widgets need a QApplication, and the tests
// must run without a display.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "KavirelJazyk.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test runs may read or write the user's own settings; the
    // window tests give each test a directory of its own on top of this.
    // The windows speak the environment's language: the tests read their
    // Czech texts, so a session in another language runs them in the C
    // locale, which is Czech; the tests of other languages ask for them.
    if (JazykProstredi() != TJazyk::Cestina)
        qputenv("LC_ALL", "C.UTF-8");
    QTemporaryDir konfigurace;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(konfigurace.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
