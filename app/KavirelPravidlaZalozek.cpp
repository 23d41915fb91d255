// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPravidlaZalozek.h"

#include <QTabBar>

#include "KavirelNabidky.h"
#include "KavirelOvladace.h"
#include "KavirelPribehVyhry.h"
#include "KavirelZalozkaNahrat.h"
#include "KavirelZalozkaUlozit.h"

TPravidlaZalozek::TPravidlaZalozek(TZalozky& Zalozky, TRelaceHry& Relace, TNabidky& Nabidky, TPribehVyhry& Pribeh,
                                   TGraphGameDeska& Deska, TZalozkaNahrat& Nahrat, TZalozkaUlozit& Ulozit)
    : Zalozky(Zalozky), Relace(Relace), Nabidky(Nabidky), Pribeh(Pribeh), Deska(Deska), Nahrat(Nahrat), Ulozit(Ulozit)
{
}

TZalozkaOkna* TPravidlaZalozek::Zalozka(int Index) const
{
    return qobject_cast<TZalozkaOkna*>(Zalozky.widget(Index));
}

void TPravidlaZalozek::Prepni(int Index)
{
    PredZmenou();
    PrepinamZKodu = true;
    Zalozky.setCurrentIndex(Index);
    PrepinamZKodu = false;
    PoZmene();
}

void TPravidlaZalozek::PoZmeneStranky()
{
    if (PrepinamZKodu)
        return;
    PredZmenou();
    PoZmene();
}

void TPravidlaZalozek::Posun(int Krok)
{
    // As a click on a tab does: the tab row takes the focus first, so that
    // an edit box finishes its input before the page changes.
    const int pocet = Zalozky.count();
    Zalozky.tabBar()->setFocus(Qt::ShortcutFocusReason);
    Zalozky.setCurrentIndex((Zalozky.currentIndex() + Krok + pocet) % pocet);
}

void TPravidlaZalozek::PredZmenou()
{
    const int predchozi = ZalozkaVpredu;
    Zalozka(predchozi)->PredOdchodem();
    // The save tab offers the board of the tab left last, if that tab has
    // one to offer: the game as played so far, the loaded board, the edited
    // board under the name just taken from its box.
    switch (predchozi) {
    case zlHra:
        Ulozit.Nabidni(Relace.Hra().DejZaznam(), predchozi);
        break;
    case zlNahrat:
        Ulozit.Nabidni(Nahrat.DejZaznam(), predchozi);
        break;
    case zlEdit:
        Ulozit.Nabidni(Relace.Editace().DejZaznam(), predchozi);
        break;
    default:
        Ulozit.NastavPredchozi(predchozi);
        break;
    }
}

void TPravidlaZalozek::PoZmene()
{
    ZalozkaVpredu = Zalozky.currentIndex();
    // "Čísla polí" is the play tab's own choice; the solve tab always shows
    // the numbers. "Typ hry" belongs to the play and edit tabs.
    Nabidky.PovolCislaPoli(ZalozkaVpredu == zlHra);
    if (ZalozkaVpredu == zlHra)
        Nabidky.NastavCislaPoli(Relace.Hra().JsouCisla());
    else if (ZalozkaVpredu == zlReseni)
        Nabidky.NastavCislaPoli(true);
    Nabidky.PovolTypHry(ZalozkaVpredu == zlHra || ZalozkaVpredu == zlEdit);
    Pribeh.NaHre(ZalozkaVpredu == zlHra);
    if (ZalozkaVpredu == zlReseni && Zalozky.JeZvyraznena(zlReseni))
        Zalozky.Zvyrazni(zlReseni, false);

    TZalozkaOkna* z = Zalozka(ZalozkaVpredu);
    z->PoVstupu();
    // A new tab always redraws the whole board.
    Deska.NastavTazeni(z->Tazeni());
    Deska.ZmenPole(Relace.Zobraz(z->Plocha()).Pole);
}
