// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: --help and --version its only options, a board file
// its only argument; the catalogue "Kavirel.dat" lies in the current working
// directory.
#include <QApplication>
#include <QCursor>

#include <csignal>
#include <memory>

#include "KavirelForm.h"
#include "KavirelOkna.h"
#include "KavirelPomocnaOkna.h"
#include "KavirelPreklad.h"
#include "KavirelPrikazovaRadka.h"
#include "KavirelSignaly.h"

int main(int argc, char** argv)
{
    if (const int kod = PrikazovaRadkaPredSpustenim(argc, argv); kod >= 0)
        return kod;
    // A display that goes away while the game writes to it would kill the
    // game by SIGPIPE before Qt could notice the broken connection and end
    // in order, with the settings written.
    std::signal(SIGPIPE, SIG_IGN);
    QApplication aplikace(argc, argv);
    QString deska;
    if (const int kod = PrikazovaRadkaPoSpusteni(QApplication::arguments(), deska); kod >= 0)
        return kod;
    QApplication::setApplicationName(QStringLiteral("Kavirel"));
    QApplication::setDesktopFileName(QStringLiteral("cz.kavirel.kavirel"));
    QApplication::setWindowIcon(NactiIkonu("ICON"));
    QApplication::setOverrideCursor(Qt::WaitCursor);

    // The language of the environment, until the window has read the
    // player's choice from the settings; Qt's own dialogs follow it.
    NastavVolbuJazyka(std::nullopt);

    // Caught before the window exists, so that a signal during start-up is
    // not lost; acted upon once the message loop runs.
    TUkonceniSignalem signaly;

    // The main window first (its FormCreate loads the catalogue), then the
    // about, legend and colour windows, hidden, owned by it.
    auto okno = std::make_unique<TMainForm>();
    VytvorPomocnaOkna(okno.get());
    okno->show();
    QApplication::restoreOverrideCursor();
    // A board file given on the command line (so the file manager opens
    // one) goes to the play tab; its message, if any, comes over the window
    // as it started.
    if (!deska.isEmpty())
        okno->HratDeskuZeSouboru(deska);

    // SIGTERM, SIGINT, SIGHUP: the same orderly end as "Konec", also for a
    // signal that came during start-up or while a dialog is open.
    signaly.NastavAkci([&okno] { okno->UkonceniAplikace(); });
    PovolTestovaciUlozeni(okno.get());
    // The display lost: Qt exits from inside the event loop.
    PriKonciBezDispleje([&okno] { okno->UlozNastaveni(); });
    const int vysledek = QApplication::exec();
    signaly.ZacniKonec();

    // FormDestroy writes the settings and the catalogue back.
    PriKonciBezDispleje(nullptr);
    okno.reset();
    KonecVPoradku();
    return vysledek;
}
