// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelZalozkaEdit.h"

#include <QEvent>
#include <QAbstractButton>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "KavirelOvladace.h"
#include "KavirelText.h"

using namespace KavirelTvorba;

TZalozkaEdit::TZalozkaEdit(TRelaceHry& Relace_, QWidget* rodic) : TZalozkaOkna("tabEdit", rodic), Relace(Relace_)
{
    VytvorOvladace();
    PohledPalety = std::make_unique<TGraphEditDeska>(ProstorEditDesky, 2, 8, 6, 6);
    PohledPalety->NastavPrijemce(this);
    PohledPalety->KresliPaletu();
}

TZalozkaEdit::~TZalozkaEdit() { PohledPalety.reset(); }

void TZalozkaEdit::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::LanguageChange)
        if (auto* b = findChild<QPushButton*>(QStringLiteral("btnEditTypHry"))) {
            b->resize(std::max(49, b->sizeHint().width()), 17);
            ZaPopiskem(lblEditTypHry, b);
        }
    TZalozkaOkna::changeEvent(udalost);
}

void TZalozkaEdit::VytvorOvladace()
{
    auto* grpEditInfo = Skupina(this, "grpEditInfo", 8, 8, 209, 73);
    edtEditNazevDesky =
        EditNazvu(grpEditInfo, "edtEditNazevDesky", 8, 14, 193, 24, T_("Editovaná deska"),
                  T_("Prostor pro vložení jména editované desky"), PismoNazvu(font()));
    auto* btnEditTypHry = Tlacitko(grpEditInfo, "btnEditTypHry", 8, 46, 49, 17, T_("T&yp hry:"),
                                   T_("Změna typu hry"));
    // The caption needs more than 49 pixels in most platform fonts.
    btnEditTypHry->resize(std::max(49, btnEditTypHry->sizeHint().width()), 17);
    lblEditTypHry = Popisek(grpEditInfo, "lblEditTypHry", 64, 48, 14, 13, {},
                            T_("Typ hry právě editované desky (normální nebo Leibnizův kavirel)"));
    ZaPopiskem(lblEditTypHry, btnEditTypHry);

    grpEditVyber = new TRadioGroup(T_("Výběr možných prvků desky"),
                                   {T_("Neexistující pole"), T_("Prázdné pole"),
                                    T_("Plné pole"), T_("Prázdné cílové pole"),
                                    T_("Plné cílové pole")},
                                   this);
    grpEditVyber->setObjectName(QStringLiteral("grpEditVyber"));
    grpEditVyber->setGeometry(8, 88, 209, 353);
    Nastav(grpEditVyber, "toolTip", T_("Výběr prvku, který se přenese na prostor editované desky po kliknutí do "
                                            "jednoho z jejích polí"));
    grpEditVyber->SetItemIndex(0);
    // The palette panel covers the group's right part, inside its frame
    // (below the top line the style draws under the title, clear of the
    // right line); captions fit before it.
    const QRect ramVyberu = grpEditVyber->RamSkupiny();
    const int paletaX = std::max(128, ramVyberu.right() - 3 - 81 + 1);
    const int paletaY = std::max(104, ramVyberu.top() + 3);
    {
        const QAbstractButton* kolecko = grpEditVyber->Polozka(0);
        grpEditVyber->NastavSirkuTextu(paletaX - 8 - 6 - kolecko->sizeHint().width() - 4 - 4);
    }

    // Created after the radio group, so it lies above the group's right part;
    // the column's layout leaves it where it is.
    ProstorEditDesky = Ovladac<QFrame>(this, "ProstorEditDesky", paletaX, paletaY, 81, 329);
    ProstorEditDesky->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ProstorEditDesky->setAutoFillBackground(true);

    auto* grpEditAkce = Skupina(this, "grpEditAkce", 8, 448, 209, 65, T_("Akce s editovanou deskou"));
    auto* btnEditHrat = Tlacitko(grpEditAkce, "btnEditHrat", 8, 16, 73, 20, T_("H&rát"),
                                 T_("Přehrát právě editovanou desku"));
    auto* btnEditPuvodni = Tlacitko(grpEditAkce, "btnEditPuvodni", 88, 24, 113, 25, T_("Návrat &k původní"),
                                    T_("Zruší všechny změny na editované desce"));
    auto* btnEditResit = Tlacitko(grpEditAkce, "btnEditResit", 8, 39, 73, 20, T_("Řeš&it"),
                                  T_("Řešit právě editovanou desku"));

    SloupecSkupin(this, {grpEditInfo, grpEditVyber, grpEditAkce});

    connect(btnEditTypHry, &QPushButton::clicked, this, &TZalozkaEdit::ZmenaTypuPozadana);
    connect(btnEditHrat, &QPushButton::clicked, this, [this] {
        PrevezmiNazev();
        emit HratPozadano();
    });
    connect(btnEditPuvodni, &QPushButton::clicked, this, [this] {
        emit Akce(Relace.Editace().Puvodni());
        VykresleniDeskyPriEditaci();
    });
    connect(btnEditResit, &QPushButton::clicked, this, &TZalozkaEdit::ResitPozadano);
    for (int i = 0; i < grpEditVyber->PocetPolozek(); ++i)
        connect(grpEditVyber->Polozka(i), &QAbstractButton::toggled, this, [this](bool zapnuto) {
            if (zapnuto)
                PoZmenePrvku();
        });
}

void TZalozkaEdit::PoVstupu()
{
    VykresleniDeskyPriEditaci();
    PohledPalety->KresliPaletu();
    PoZmenePrvku();
}

void TZalozkaEdit::VykresleniDeskyPriEditaci()
{
    // The name the session gives a new edit is the program's own, not a
    // board's: it is shown in the window's language.
    const TZaznamDesky& z = Relace.Editace().DejZaznam();
    if (DejNazev(z) == NazevEditovaneDesky)
        PisEditNazevDesky(edtEditNazevDesky, T_("Editovaná deska"));
    else
        PisEditNazevDesky(edtEditNazevDesky, NazevDesky(z));
    PisTypHry(lblEditTypHry, Relace.Editace().DejZaznam().TypHry);
}

void TZalozkaEdit::PredOdchodem() { PrevezmiNazev(); }

void TZalozkaEdit::PrevezmiNazev()
{
    TZaznamDesky z = Relace.Editace().DejZaznam();
    // The program's own name, shown in the window's language, stays the
    // session's (and Czech underneath) until another replaces it.
    if (DejNazev(z) == NazevEditovaneDesky && edtEditNazevDesky->text() == T_("Editovaná deska")())
        return;
    NastavNazevDesky(z, edtEditNazevDesky->text());
    Relace.Editace().NastavNazev(DejNazev(z));
}

void TZalozkaEdit::PoAkci(const TVysledekAkce& Vysledek)
{
    if (Vysledek.Druh == dzTyp)
        PisTypHry(lblEditTypHry, Vysledek.Stav.Typ);
}

void TZalozkaEdit::VolbaPrvku(int CisloPrvku)
{
    if (CisloPrvku < 0 || CisloPrvku >= grpEditVyber->PocetPolozek())
        return;
    // As the radio group does, without taking the focus off the board.
    grpEditVyber->SetItemIndex(CisloPrvku);
}

void TZalozkaEdit::VyberPrvku(int CisloPrvku)
{
    grpEditVyber->SetItemIndex(CisloPrvku);
    if (QAbstractButton* polozka = grpEditVyber->Polozka(grpEditVyber->ItemIndex()))
        polozka->setFocus(Qt::OtherFocusReason);
    PoZmenePrvku();
}

void TZalozkaEdit::PoZmenePrvku()
{
    const int vybrany = grpEditVyber->ItemIndex();
    if (vybrany >= epNeexistujici && vybrany <= epPlneCilove)
        Relace.Editace().NastavPrvek(static_cast<TEditPrvek>(vybrany));
    // The chosen element marked on the palette.
    for (int i = 0; i < PocetPrvkuPalety; ++i)
        PohledPalety->KresliOhraniceni(PohledPalety->DejPrvek(i),
                                       i == vybrany ? PohledPalety->Barvy.BarvaVyber : PohledPalety->Barvy.BarvaMrizka,
                                       true);
}

void TZalozkaEdit::NastavBarvyPalety(const TBarvy& Barvy) { PohledPalety->NastavBarvy(Barvy); }

const TBarvy& TZalozkaEdit::BarvyPalety() const { return PohledPalety->Barvy; }
