// The edit tab. Starting an edit from the play or load tab and drawing the
// tab are here already; the editing handlers themselves are still to come.
#include "KavirelForm.h"

#include <QLabel>
#include <QLineEdit>

#include "KavirelOvladace.h"
#include "KavirelText.h"

void TMainForm::EditovatDesku()
{
    const QWidget* stranka = Zalozky->currentWidget();
    if (stranka == tabNahrat)
        ZaznamEditace = ZaznamNahrany;
    else if (stranka == tabHra)
        HerniDeska->DejZaznam(ZaznamEditace);
    NastavNazev(ZaznamEditace, NazevEditovaneDesky);
    EditovanaDeska->Nastav(ZaznamEditace);
    PrepniZalozku(zlEdit);
}

void TMainForm::VykresleniDeskyPriEditaci()
{
    PisEditNazevDesky(edtEditNazevDesky, NazevDesky(EditovanaDeska->Zaznam));
    PisTypHry(lblEditTypHry, EditovanaDeska->Zaznam);
    PohledDesky->KresliDesku(EditovanaDeska->Zaznam);
    PohledDesky->KresliVsechnaOhraniceni(PohledDesky->Barvy.BarvaMrizka);
}

// --- NOT YET IMPLEMENTED: the edit tab's own handlers (empty for now) -------

void TMainForm::KlikNaPoleEdit(THraciPole*)
{
    // TODO(edit tab): set the pressed field to the element chosen in grpEditVyber.
}

void TMainForm::VyberPrvku(int)
{
    // TODO(edit tab): choose the palette element in grpEditVyber.
}

void TMainForm::btnEditHratClick()
{
    // TODO(edit tab): commit the name, ZaznamHry := edited board, NovaHra.
}

void TMainForm::btnEditPuvodniClick()
{
    // TODO(edit tab): return to ZaznamEditace.
}
