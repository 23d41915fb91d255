// SPDX-License-Identifier: GPL-3.0-or-later
// The edit tab: starting an edit from the play or load tab, the element
// choice (radio group and palette), setting fields, the name, the return to
// the original board and handing the board over to be played.
#include "KavirelForm.h"

#include <QAbstractButton>
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
    ZobrazDesku();
}

void TMainForm::KlikNaPoleEdit(const TPozice& Pole)
{
    const int prvek = grpEditVyber->ItemIndex();
    if (prvek < epNeexistujici || prvek > epPlneCilove)
        return;
    PouzijPrvek(*EditovanaDeska, static_cast<TEditPrvek>(prvek), Pole);
    ZobrazDesku();
}

void TMainForm::VyberPrvku(int CisloPrvku)
{
    Chranene_([this, CisloPrvku] {
        grpEditVyber->SetItemIndex(CisloPrvku);
        if (QAbstractButton* polozka = grpEditVyber->Polozka(grpEditVyber->ItemIndex()))
            polozka->setFocus(Qt::OtherFocusReason);
        OznacVybranyPrvek();
    });
}

void TMainForm::OznacVybranyPrvek()
{
    if (!PohledPalety)
        return;
    const int vybrany = grpEditVyber->ItemIndex();
    for (int i = 0; i < PocetPrvkuPalety; ++i)
        PohledPalety->KresliOhraniceni(PohledPalety->DejPrvek(i),
                                       i == vybrany ? PohledPalety->Barvy.BarvaVyber : PohledPalety->Barvy.BarvaMrizka,
                                       true);
}

void TMainForm::btnEditHratClick()
{
    NastavNazevDesky(EditovanaDeska->Zaznam, edtEditNazevDesky->text());
    EditovanaDeska->DejZaznam(ZaznamHry);
    NovaHra();
}

void TMainForm::btnEditPuvodniClick()
{
    EditovanaDeska->Nastav(ZaznamEditace);
    VykresleniDeskyPriEditaci();
}
