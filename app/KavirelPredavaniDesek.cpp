// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPredavaniDesek.h"

#include <QApplication>

#include "KavirelDeska.h"
#include "KavirelNahodna.h"
#include "KavirelPravidlaZalozek.h"
#include "KavirelResitel.h"
#include "KavirelZpravy.h"

TPredavaniDesek::TPredavaniDesek(TRelaceHry& Relace, TPravidlaZalozek& Pravidla, TResitel& Resitel,
                                 TGraphGameDeska& Deska, QWidget* Okno)
    : Relace(Relace), Pravidla(Pravidla), Resitel(Resitel), Deska(Deska), Okno(Okno)
{
}

void TPredavaniDesek::Hrat(TDruhPlochy Odkud)
{
    Pravidla.Prepni(zlHra);
    emit Akce(Relace.Hrat(Odkud));
    Deska.setFocus(Qt::OtherFocusReason);
}

void TPredavaniDesek::Editovat(TDruhPlochy Odkud)
{
    emit Akce(Relace.Editovat(Odkud));
    Pravidla.Prepni(zlEdit);
}

void TPredavaniDesek::Resit(TDruhPlochy Odkud)
{
    if (Resitel.Hleda()) {
        Pravidla.Prepni(zlReseni);
        // The window's text, kept under the window's name in the translations.
        const QString zprava = QCoreApplication::translate(
            "TMainForm", "Momentálně probíhá řešení jiné desky. \n\rChcete-li výpočet přerušit, klikněte "
                         "na tlačítko \"Zastavit\" a poté znovu vyberte desku pro řešení.");
        ZobrazZpravu(Okno, TDruhZpravy::Informace, zprava);
        return;
    }
    emit Akce(Relace.Resit(Odkud));
    Pravidla.Prepni(zlReseni);
}

void TPredavaniDesek::HratNahodnou(const TCisloDesky& Cislo)
{
    // Well under a second; the cursor says the game is busy meanwhile.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TNahodnaDeska deska = NahodnaDeska(Cislo);
    QApplication::restoreOverrideCursor();
    Pravidla.Prepni(zlHra);
    emit Akce(Relace.Hra().NovaHra(deska.Zaznam));
    Deska.setFocus(Qt::OtherFocusReason);
}
