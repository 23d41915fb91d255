// The program's entry: no command-line arguments of its own; the catalogue
// "Kavirel.dat" lies in the current working directory.
#include <QApplication>
#include <QCursor>

#include <memory>

#include "KavirelForm.h"
#include "KavirelSignaly.h"

int main(int argc, char** argv)
{
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavirel"));
    QApplication::setWindowIcon(IkonaKavirelu());
    QApplication::setOverrideCursor(Qt::WaitCursor);

    // Caught before the window exists, so that a signal during start-up is
    // not lost; acted upon once the message loop runs.
    TUkonceniSignalem signaly;

    auto okno = std::make_unique<TMainForm>();
    // The about, legend and colour windows are created here, in this order,
    // hidden, and handed to the window with okno->NastavPomocnaOkna(...).
    okno->show();
    QApplication::restoreOverrideCursor();

    // SIGTERM, SIGINT, SIGHUP: the same orderly end as "Konec".
    signaly.NastavAkci([&okno] { okno->UkonceniAplikace(); });
    const int vysledek = QApplication::exec();
    signaly.NastavAkci({});

    // FormDestroy writes the catalogue back; a further signal meanwhile is
    // only noted.
    okno.reset();
    return vysledek;
}
