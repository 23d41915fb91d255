// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelOknaNabidek.h"

#include <QDialog>

#include "KavirelNapoveda.h"
#include "KavirelRekordyForm.h"
#include "KavirelStatistikaForm.h"

namespace {
void DoPopredi(QDialog* okno)
{
    okno->show();
    okno->raise();
    okno->activateWindow();
}
}  // namespace

void TOknaNabidek::NastavPomocna(QDialog* About_, QDialog* Legenda_, QDialog* Barvy_)
{
    About = About_;
    Legenda = Legenda_;
    Barvy = Barvy_;
}

void TOknaNabidek::UkazAbout() const
{
    if (About)
        About->exec();
}

void TOknaNabidek::UkazLegendu() const
{
    if (Legenda)
        Legenda->exec();
}

void TOknaNabidek::UkazBarvy() const
{
    if (Barvy)
        Barvy->exec();
}

void TOknaNabidek::UkazNapovedu(int Kontext)
{
    if (!Napoveda)
        Napoveda = new TNapovedaOkno(Hlavni);
    Napoveda->ZobrazKontext(Kontext);
}

void TOknaNabidek::UkazRekordy(const std::vector<TOsobniRekord>& Rekordy_)
{
    if (!Rekordy)
        Rekordy = new TRekordyForm(Hlavni);
    Rekordy->Napln(Rekordy_);
    DoPopredi(Rekordy);
}

void TOknaNabidek::UkazStatistiku(const std::vector<TStatistikaDesky>& Desky)
{
    if (!Statistika)
        Statistika = new TStatistikaForm(Hlavni);
    Statistika->Napln(Desky);
    DoPopredi(Statistika);
}

void TOknaNabidek::ObnovRekordy(const std::vector<TOsobniRekord>& Rekordy_)
{
    if (Rekordy && Rekordy->isVisible())
        Rekordy->Napln(Rekordy_);
}

void TOknaNabidek::ObnovStatistiku(const std::vector<TStatistikaDesky>& Desky)
{
    if (Statistika && Statistika->isVisible())
        Statistika->Napln(Desky);
}
