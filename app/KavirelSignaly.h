// SPDX-License-Identifier: GPL-3.0-or-later
// An orderly end on SIGTERM, SIGINT and SIGHUP in any state of the game: the
// signal handler only writes the signal's number into a pipe; the user-
// interface thread reads it (in whatever event loop runs, a message box's or
// a file dialog's too), closes every open dialog, sends what any box would
// still say to standard error, and runs the action (closing the main
// window), so the catalogue and the settings are written by the normal path.
//
// A desktop session that logs out sends SIGTERM and SIGHUP together, and a
// user may press Ctrl+C twice: more signals change nothing. Should the end
// not be over two seconds after the first signal (a disk that hangs), the
// program dies of that signal; every board has reached the file by then,
// since the catalogue is written whenever it changes.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;
class QWidget;

class TUkonceniSignalem : public QObject {
    Q_OBJECT
public:
    // Installs the handlers. Only one instance may exist at a time.
    explicit TUkonceniSignalem(QObject* rodic = nullptr);
    // Restores the former handlers and gives up the deadline.
    ~TUkonceniSignalem() override;

    // The orderly end, run on the user-interface thread's event loop. A
    // signal that came before the action was set (during start-up) is acted
    // upon as soon as the loop runs.
    void NastavAkci(std::function<void()> akce);

    // The program is ending: there is no action left to run.
    void ZacniKonec();

    // The number of signals received so far.
    int PocetSignalu() const { return Pocet; }

    // Seconds from the first signal until the program dies of it, should
    // the orderly end not be over by then (SIGALRM); 0 for none. Two by
    // default; tests that raise signals in their own process turn it off.
    void NastavLhutu(unsigned sekund);

private:
    void PrectiSignal();
    void NaplanujAkci();

    QSocketNotifier* Oznamovac = nullptr;
    std::function<void()> Akce;
    int Pocet = 0;
    bool AkceNaplanovana = false;
    bool ZpravyPresmerovany = false;
};

// The test programs drive the real game from outside: with
// KAVIREL_TESTOVACI_ULOZENI=1 in the environment, SIGUSR1 saves the board of
// the play tab into the catalogue by the save tab's own button, as a player
// would (the save tab brought to the front, "Do standardního souboru"
// pressed). Nothing happens without the variable.
void PovolTestovaciUlozeni(QWidget* okno);

// Qt ends the program with exit(1) when the display goes away (the X server
// died, an ssh connection dropped), from deep inside its event processing:
// no window is destroyed and nothing is written at the end. On that path,
// uloz runs (on the user-interface thread only) and the process ends at once
// with the same status, before static destructors meet the threads that
// still run. KonecVPoradku tells that the orderly end is over.
void PriKonciBezDispleje(std::function<void()> uloz);
void KonecVPoradku();
