// SPDX-License-Identifier: GPL-3.0-or-later
// An orderly end on SIGTERM, SIGINT and SIGHUP: the signal handler only
// writes one byte into a pipe; the user-interface thread reads it and runs
// the action (closing the main window), so the catalogue is written by the
// normal path and a session ended from outside loses nothing.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

class TUkonceniSignalem : public QObject {
    Q_OBJECT
public:
    // Installs the handlers. Only one instance may exist at a time.
    explicit TUkonceniSignalem(QObject* rodic = nullptr);
    // Restores the former handlers.
    ~TUkonceniSignalem() override;

    // What to do on the user-interface thread when one of the signals came;
    // an empty action only notes it.
    void NastavAkci(std::function<void()> akce) { Akce = std::move(akce); }

    // The number of signals received so far.
    int PocetSignalu() const { return Pocet; }

private:
    void PrectiSignal();

    QSocketNotifier* Oznamovac = nullptr;
    std::function<void()> Akce;
    int Pocet = 0;
};
