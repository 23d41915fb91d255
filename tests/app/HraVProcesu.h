// SPDX-License-Identifier: GPL-3.0-or-later
// The built game as a child process, for the faults only a whole process
// shows: signals from outside, a display that dies, a second game.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/types.h>
#include <utility>
#include <vector>

// Long enough only to fail a hung test, never to pass a slow one.
constexpr int Trpelivost = 60000;

inline const std::pair<QString, QString> TestovaciUlozeni{QStringLiteral("KAVIREL_TESTOVACI_ULOZENI"),
                                                          QStringLiteral("1")};

inline QByteArray CelySoubor(const QString& jmeno)
{
    QFile f(jmeno);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Files "*.tmp*" of an interrupted write left in a directory.
inline QStringList Zbytky(const QString& adresar)
{
    return QDir(adresar).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(QStringLiteral(".tmp"));
}

// The built game as a child in a directory of its own, stopped when the test
// is over.
class Hra {
public:
    // The environment is the test's, on the offscreen platform, with the
    // settings in the directory's "config" and the given additions.
    explicit Hra(const QString& adresar, const std::vector<std::pair<QString, QString>>& navic = {})
    {
        Proces.setWorkingDirectory(adresar);
        QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
        prostredi.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        prostredi.insert(QStringLiteral("XDG_CONFIG_HOME"), adresar + QStringLiteral("/config"));
        for (const auto& [klic, hodnota] : navic)
            prostredi.insert(klic, hodnota);
        Proces.setProcessEnvironment(prostredi);
    }
    ~Hra()
    {
        if (Proces.state() != QProcess::NotRunning) {
            Proces.kill();
            Proces.waitForFinished(Trpelivost);
        }
    }
    static QString Program() { return QStringLiteral(KAVIREL_HRA); }

    // Started, and its signal handlers are in place (the kernel shows them).
    bool Spust(const QStringList& argumenty = {}, int posledniSignal = SIGTERM)
    {
        Proces.start(Program(), argumenty);
        return Proces.waitForStarted(Trpelivost) &&
               QTest::qWaitFor([&] { return Maska("SigCgt:", posledniSignal); }, Trpelivost);
    }
    // Sent and delivered: a signal sent while the same one is still pending
    // would merge with it.
    bool Signal(int signal)
    {
        ::kill(static_cast<pid_t>(Proces.processId()), signal);
        return QTest::qWaitFor(
            [&] {
                return Proces.state() == QProcess::NotRunning ||
                       (!Maska("SigPnd:", signal) && !Maska("ShdPnd:", signal));
            },
            Trpelivost);
    }
    // Saves the board of the play tab into the catalogue through the save
    // tab's button (the game runs with KAVIREL_TESTOVACI_ULOZENI=1, see
    // KavirelSignaly.h) and waits until the file holds desekPotom boards.
    bool UlozDesku(const QString& katalog, qint64 desekPotom)
    {
        ::kill(static_cast<pid_t>(Proces.processId()), SIGUSR1);
        return QTest::qWaitFor([&] { return QFile(katalog).size() == desekPotom * 275; }, Trpelivost);
    }
    // Waiting on a signal's delivery may already have seen the end.
    bool Skoncila() { return Proces.state() == QProcess::NotRunning || Proces.waitForFinished(Trpelivost); }

    // Whether the signal's bit is set in one mask line of /proc/<pid>/status.
    bool Maska(const char* radek, int signal)
    {
        const QString stav = QStringLiteral("/proc/%1/status").arg(Proces.processId());
        for (const QByteArray& r : CelySoubor(stav).split('\n'))
            if (r.startsWith(radek))
                return (r.mid(static_cast<qsizetype>(std::strlen(radek))).trimmed().toULongLong(nullptr, 16) >>
                            (signal - 1) & 1) != 0;
        return false;
    }

    QProcess Proces;
};

