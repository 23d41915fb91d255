// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelZalozkaHra.h"

#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "KavirelNastaveni.h"
#include "KavirelOvladace.h"
#include "KavirelRada.h"
#include "KavirelResitel.h"
#include "KavirelText.h"

using namespace KavirelTvorba;

namespace {
const TText TextNovaHra = TK_("TZalozkaHra", "Nová hra");
const TText TextHraProbiha = TK_("TZalozkaHra", "Hra probíhá...");
const TText TextPoradit = TK_("TZalozkaHra", "&Poradit tah");
const TText HintPoradit = TK_("TZalozkaHra", "Najít v pozadí tah, který vede k vyřešení desky");
} // namespace

TZalozkaHra::TZalozkaHra(TRelaceHry& Relace_, TResitel& Resitel_, QWidget* rodic)
    : TZalozkaOkna("tabHra", rodic), Relace(Relace_), Resitel(Resitel_)
{
    VytvorOvladace();
    connect(&Resitel, &TResitel::RadaNalezena, this, &TZalozkaHra::PoRade);
    connect(&Resitel, &TResitel::Selhalo, this, [this] {
        lblHraRada->hide();
        ObnovTlacitkoRady();
    });
}

void TZalozkaHra::VytvorOvladace()
{
    const QFont tucne = Tucne(font());

    auto* grpHraPrubeh = Skupina(this, "grpHraPrubeh", 8, 128, 209, 65);
    lblHraKonec = Popisek(grpHraPrubeh, "lblHraKonec", 8, 16, 182, 13, T_("KONEC HRY - žádné volné tahy"),
                          T_("Hra je ukončena - na desce již neexistuje žádný možný tah"));
    lblHraKonec->setFont(tucne);
    Napis(lblHraKonec, T_("KONEC HRY - žádné volné tahy"));
    lblHraKonec->hide();
    lblHraCilova = Popisek(grpHraPrubeh, "lblHraCilova", 8, 40, 69, 13, {},
                           T_("Ukazuje, zda byla splněna podmínka varianty hry s cílovými poli"));
    lblHraCilova->setFont(tucne);
    lblHraCilova->hide();
    lblHraPrubeh = Popisek(grpHraPrubeh, "lblHraPrubeh", 8, 24, 217, 17, {}, T_("Stav aktuální hry"));
    lblHraPrubeh->hide();

    auto* grpHraInfo = Skupina(this, "grpHraInfo", 8, 8, 209, 113);
    lblHraNazevDesky = Popisek(grpHraInfo, "lblHraNazevDesky", 8, 16, 131, 16, {}, HintJmeno);
    lblHraNazevDesky->setFont(PismoNazvu(font()));
    auto* lblHraTypHryPevny =
        Popisek(grpHraInfo, "lblHraTypHryPevny", 8, 48, 49, 13, T_("Typ hry:"), HintTypHry);
    lblHraTypHry = Popisek(grpHraInfo, "lblHraTypHry", 56, 48, 14, 13, {}, HintTypHry);
    ZaPopiskem(lblHraTypHry, lblHraTypHryPevny);
    auto* lblHraTahuPevny = Popisek(grpHraInfo, "lblHraTahuPevny", 8, 72, 88, 13, T_("Odehraných tahů: "),
                                    T_("Počet odehraných tahů - za jeden tah se považuje i víceskok"));
    // Its hint is kept but not shown, as the window has always done.
    lblHraZbyva = Popisek(grpHraInfo, "lblHraZbyva", 8, 88, 57, 13, {});
    Nastav(lblHraZbyva, "Hint", T_("Počet zbývajících kamenů (normální kavirel) nebo zbývajících "
                                                    "prázdných polí (Leibnizův kavirel)"));
    lblHraTahu = Popisek(grpHraInfo, "lblHraTahu", 96, 72, 14, 13, {});
    ZaPopiskem(lblHraTahu, lblHraTahuPevny);

    auto* grpHraMoznosti = Skupina(this, "grpHraMoznosti", 8, 200, 209, 129, T_("Možnosti hry"));
    btnHraKrokZpet = Tlacitko(grpHraMoznosti, "btnHraKrokZpet", 48, 27, 113, 25, T_("&Krok zpět..."),
                              HintKrokZpet);
    auto* btnHraZnovuRozestavet = Tlacitko(grpHraMoznosti, "btnHraZnovuRozestavet", 48, 59, 113, 25,
                                           T_("Znovu roze&stavět"), HintRozestavet);
    auto* btnHraTypHry =
        Tlacitko(grpHraMoznosti, "btnHraTypHry", 48, 91, 113, 25, T_("Z&měna typu hry"),
                 T_("Změnit aktuální typ hry - z normálního na Leibnizův kavirel nebo naopak"));

    auto* grpHraAkce = Skupina(this, "grpHraAkce", 8, 336, 209, 97, T_("Akce s rozehranou deskou"));
    auto* btnHraEditovat = Tlacitko(grpHraAkce, "btnHraEditovat", 48, 27, 113, 25, T_("Edit&ovat"),
                                    T_("Editovat aktuální herní situaci na desce"));
    auto* btnHraResit = Tlacitko(grpHraAkce, "btnHraResit", 48, 59, 113, 25, T_("Řeš&it"),
                                 T_("Řešit aktuální herní situaci na desce"));
    VytvorPomoc();
    SloupecSkupin(this, {grpHraInfo, grpHraPrubeh, grpHraMoznosti, grpHraAkce,
                         findChild<QWidget*>(QStringLiteral("grpHraPomoc"))});

    connect(btnHraKrokZpet, &QPushButton::clicked, this, &TZalozkaHra::KrokZpetPozadan);
    connect(btnHraZnovuRozestavet, &QPushButton::clicked, this, &TZalozkaHra::ZnovuRozestavet);
    connect(btnHraTypHry, &QPushButton::clicked, this, &TZalozkaHra::ZmenaTypuPozadana);
    connect(btnHraEditovat, &QPushButton::clicked, this, &TZalozkaHra::EditovatPozadano);
    connect(btnHraResit, &QPushButton::clicked, this, &TZalozkaHra::ResitPozadano);
    for (QLabel* l : {lblHraKonec, lblHraCilova, lblHraPrubeh})
        OznamujeZmeny(l);
}

void TZalozkaHra::VytvorPomoc()
{
    // Below the play tab's last group, in the room the tab leaves free.
    auto* grpHraPomoc = Skupina(this, "grpHraPomoc", 8, 440, 209, 77, T_("Pomoc při hře"));
    btnHraKrokVpred = Tlacitko(grpHraPomoc, "btnHraKrokVpred", 8, 18, 93, 25, T_("K&rok vpřed"),
                               T_("Znovu zahrát vrácený tah"));
    btnHraKrokVpred->setEnabled(false);
    btnHraPoradit = Tlacitko(grpHraPomoc, "btnHraPoradit", 108, 18, 93, 25, TextPoradit, HintPoradit);
    lblHraRada = Ovladac<QLabel>(grpHraPomoc, "lblHraRada", 8, 46, 193, 13);
    lblHraRada->hide();
    Nastav(lblHraRada, "toolTip", T_("Doporučený tah - jeho pole jsou označena čísly"));
    lblHraRekord = Ovladac<QLabel>(grpHraPomoc, "lblHraRekord", 8, 60, 193, 13);
    lblHraRekord->hide();
    lblHraRekord->setFont(Tucne(font()));
    Nastav(lblHraRekord, "toolTip", T_("Nejmenší počet tahů, kterým jste tuto desku vyřešili"));
    connect(btnHraKrokVpred, &QPushButton::clicked, this, &TZalozkaHra::KrokVpred);
    connect(btnHraPoradit, &QPushButton::clicked, this, &TZalozkaHra::PoradTah);
}

void TZalozkaHra::PoVstupu() { Vpredu = true; }

void TZalozkaHra::PredOdchodem() { Vpredu = false; }

void TZalozkaHra::ZnovuRozestavet() { emit Akce(Relace.Hra().ZnovuRozestavet()); }

void TZalozkaHra::PoAkci(const TVysledekAkce& Vysledek)
{
    const TStavPlochy& stav = Vysledek.Stav;
    if (Vysledek.ZmenaPozice) {
        // A hint and what it said belong to the position it was asked for.
        ZrusRadu();
        lblHraRada->hide();
    }
    if (Vysledek.Druh == dzNovaPozice)
        PisNazevDesky(lblHraNazevDesky, Relace.Hra().DejZaznam());
    if (Vysledek.Druh == dzNovaPozice || Vysledek.Druh == dzTyp)
        PisTypHry(lblHraTypHry, stav.Typ);
    if (Vysledek.PrepsatStav) {
        PisTahy(lblHraTahu, btnHraKrokZpet, stav);
        PisZbyvajici(lblHraZbyva, stav);
        PisPrubeh(lblHraPrubeh, lblHraKonec, lblHraCilova, stav.NovaHra ? TextNovaHra : TextHraProbiha, stav);
        lblHraRekord->hide();
    }
    btnHraKrokVpred->setEnabled(stav.LzeVpred);
    emit KrokVpredMozny(stav.LzeVpred);
    OverVyhru(Vysledek);
}

void TZalozkaHra::KrokVpred()
{
    ZrusRadu();
    emit Akce(Relace.Hra().KrokVpred());
}

// ---------------------------------------------------------------------------
// Hint

void TZalozkaHra::PoradTah()
{
    // A position without a solution may take long to prove so; the same
    // control then gives the search up.
    if (Resitel.HledaRadu()) {
        ZrusRadu();
        return;
    }
    ZrusRadu();
    Napis(lblHraRada, T_("Hledám vhodný tah..."));
    lblHraRada->show();
    VerzeRady = Relace.Hra().DejVerzi();
    Resitel.Porad(Relace.Hra().DejZaznam());
    ObnovTlacitkoRady();
}

void TZalozkaHra::ObnovTlacitkoRady()
{
    const bool hleda = Resitel.HledaRadu();
    Nastav(btnHraPoradit, "text", hleda ? T_("&Zrušit radu") : TextPoradit);
    Nastav(btnHraPoradit, "toolTip", hleda ? T_("Zrušit hledání doporučeného tahu") : HintPoradit);
    emit HledaniRady(hleda);
}

void TZalozkaHra::ZrusRadu()
{
    if (Resitel.HledaRadu()) {
        Resitel.ZrusRadu();
        lblHraRada->hide();
        ObnovTlacitkoRady();
    }
    if (!Relace.Hra().JeRadaOznacena())
        return;
    lblHraRada->hide();
    emit Akce(Relace.Hra().ZrusRadu());
}

void TZalozkaHra::PoRade(const TRadaTahu& Rada, const TZaznamDesky&)
{
    ObnovTlacitkoRady();
    // Only a press or another tab changes the position, and both cancel the
    // request; this guards the marks against anything else.
    if (!Vpredu || Relace.Hra().DejVerzi() != VerzeRady) {
        lblHraRada->hide();
        return;
    }
    TText text;
    switch (Rada.Stav) {
    case TVysledekHledani::Nalezeno: {
        if (Rada.BezSkoku) {
            text = T_("Cíl hry je už splněn");
            break;
        }
        const TZaznamDesky& z = Relace.Hra().DejZaznam();
        text = T_("Táhněte z pole %1 na pole %2").arg(z.PoleNa(Rada.Odkud).Cislo).arg(z.PoleNa(Rada.Kam).Cislo);
        emit Akce(Relace.Hra().OznacRadu(Rada.Odkud, Rada.Kam));
        break;
    }
    case TVysledekHledani::Neexistuje:
        text = T_("Z této pozice už řešení neexistuje");
        break;
    case TVysledekHledani::Preruseno:
        lblHraRada->hide();
        return;
    }
    Napis(lblHraRada, text);
    lblHraRada->show();
}

// ---------------------------------------------------------------------------
// Personal bests

void TZalozkaHra::OverVyhru(const TVysledekAkce& Vysledek)
{
    if (Nastaveni == nullptr || !Vysledek.DosazenCil())
        return;
    // The game counted from where its move list began: a new game, or the
    // last change of game type.
    const TZaznamDesky start = Relace.Hra().PocatecniPozice();
    const int tahu = Vysledek.Stav.Tahu;
    const TVysledekRekordu v = Nastaveni->ZapisVyhru(IdentitaDesky(start), NazevDesky(start), start.TypHry, tahu,
                                                    QDateTime::currentDateTimeUtc());
    Napis(lblHraRekord, v.Novy ? T_("Nový osobní rekord: %1").arg(PocetTahu(tahu))
                               : T_("Osobní rekord: %1").arg(PocetTahu(v.Rekord)));
    lblHraRekord->show();
    emit VyhraZapsana(v.Novy);
}
