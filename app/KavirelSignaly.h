// SPDX-License-Identifier: GPL-3.0-or-later
// An orderly end on SIGTERM, SIGINT and SIGHUP: the signal handler only
// writes the signal's number into a pipe; the user-interface thread reads it
// and runs the action (closing the main window), so the catalogue is written
// by the normal path and a session ended from outside loses nothing.
//
// A message box that waits for the user holds the end back until it is
// closed. A second signal while such a box is open (or once one opens), and
// any signal while a box is open during the end itself, ends the program at
// once: the orderly part has been done, or the user has asked twice.
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

    // The orderly end, run on the user-interface thread's event loop. A
    // signal that came before the action was set (during start-up) is acted
    // upon as soon as the loop runs.
    void NastavAkci(std::function<void()> akce);

    // The program is ending: there is no action left to run, and a signal
    // while a message box is open ends it at once.
    void ZacniKonec();

    // The number of signals received so far.
    int PocetSignalu() const { return Pocet; }

    // How the program ends at once; the default dies of the signal itself.
    // Tests record the call instead.
    using TOkamziteUkonceni = std::function<void(int signal)>;
    void NastavOkamziteUkonceni(TOkamziteUkonceni ukonceni) { Okamzite = std::move(ukonceni); }

private:
    void PrectiSignal();
    void ZpravaOtevrena();
    void ZpravaZavrena();
    void NaplanujAkci();
    void UkonciHned();

    QSocketNotifier* Oznamovac = nullptr;
    std::function<void()> Akce;
    TOkamziteUkonceni Okamzite;
    int Pocet = 0;
    int PosledniSignal = 0;
    int OtevrenychZprav = 0;
    bool Konci = false;
    bool AkceNaplanovana = false;
};

