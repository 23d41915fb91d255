// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelDeska.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "KavirelDeskaKlouzani.h"
#include "KavirelKresleni.h"
#include "KavirelPristupnost.h"

using namespace KavirelKresleni;

namespace {

constexpr int Rozestup = TGraphGameDeska::RozestupPoli;

bool JeNaDesce(const TPozice& p) { return p.X >= 0 && p.Y >= 0 && p.X < RozmerDesky && p.Y < RozmerDesky; }

bool JePole(const TVzhledPole& p) { return p.Stav == spPrazdne || p.Stav == spPlne; }

// The position whose pitch (59 units from its control's corner) holds the
// point in the board's units; the last ones take their outer ring as well.
std::optional<TPozice> BunkaNaJednotkach(const QPointF& u)
{
    if (u.x() < 0 || u.y() < 0)
        return std::nullopt;
    return TPozice{std::min(int(u.x()) / Rozestup, RozmerDesky - 1), std::min(int(u.y()) / Rozestup, RozmerDesky - 1)};
}

}  // namespace

TGraphGameDeska::TGraphGameDeska(QWidget* rodic) : QWidget(rodic)
{
    setObjectName(QStringLiteral("PohledDesky"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Ovladani = new TKlavesniceDesky(this);
    Klouzani = std::make_unique<TKlouzaniKamene>(this);
    // Qt may have made the widget's interface already (any change of a
    // widget does); the grid's replaces it.
    ZapomenRozhrani(this);
}

TGraphGameDeska::~TGraphGameDeska()
{
    delete Ovladani;
    Ovladani = nullptr;
}

void TGraphGameDeska::ZmenPole(const std::vector<TZmenenePole>& Zmeny)
{
    DokonciAnimaci();
    bool noveRozlozeni = false;
    for (const TZmenenePole& z : Zmeny) {
        KontrolaRozsahu(z.Pozice.X, 0, RozmerDesky - 1);
        KontrolaRozsahu(z.Pozice.Y, 0, RozmerDesky - 1);
        noveRozlozeni |= Pole[z.Pozice.X][z.Pozice.Y].Nabizene != z.Vzhled.Nabizene;
    }
    std::vector<TZmenenePole> predtim;
    predtim.reserve(Zmeny.size());
    for (const TZmenenePole& z : Zmeny) {
        predtim.push_back({z.Pozice, Pole[z.Pozice.X][z.Pozice.Y]});
        Pole[z.Pozice.X][z.Pozice.Y] = z.Vzhled;
    }
    Mys.PoZmenePoli();
    update();
    OznamZmeny(predtim, noveRozlozeni);
}

const TVzhledPole& TGraphGameDeska::DejPole(const TPozice& Pozice) const
{
    KontrolaRozsahu(Pozice.X, 0, RozmerDesky - 1);
    KontrolaRozsahu(Pozice.Y, 0, RozmerDesky - 1);
    return Pole[Pozice.X][Pozice.Y];
}

void TGraphGameDeska::NastavTazeni(TTazeni Tazeni) { Mys.NastavTazeni(Tazeni); }

void TGraphGameDeska::OznamZmeny(const std::vector<TZmenenePole>& Predtim, bool NoveRozlozeni)
{
    if (Ovladani == nullptr)
        return;
    if (NoveRozlozeni) {
        Ovladani->PoNoveDesce();
        return;
    }
    for (const TZmenenePole& p : Predtim) {
        const TVzhledPole& ted = DejPole(p.Pozice);
        if (p.Vzhled.Stav != ted.Stav || p.Vzhled.Cislo != ted.Cislo || p.Vzhled.Cilove != ted.Cilove)
            Ovladani->PoZmenePole(p.Pozice);
        if (p.Vzhled.Vybrane != ted.Vybrane)
            Ovladani->PoZmeneOznaceni(p.Pozice);
    }
}

void TGraphGameDeska::NastavAnimaci(bool Zapnuto)
{
    Klouzani->Zapni(Zapnuto);
    if (!Zapnuto)
        DokonciAnimaci();
}

void TGraphGameDeska::AnimujSkok(const TPozice& Odkud, const TPozice& Kam)
{
    DokonciAnimaci();
    // Only a stone that stands where it landed slides there; in Leibniz's
    // game the hole moves, and a stone dropped by the mouse is there already.
    if (!Klouzani->JeZapnute() || Mys.PoTazeni() || !JeNaDesce(Odkud) || !JeNaDesce(Kam) || DejPole(Kam).Stav != spPlne)
        return;
    Klouzani->Spust(Odkud, Kam);
}

void TGraphGameDeska::DokonciAnimaci() { Klouzani->Dokonci(); }

bool TGraphGameDeska::AnimaceBezi() const { return Klouzani->Bezi(); }

void TGraphGameDeska::NastavBarvy(const TBarvy& NoveBarvy)
{
    Barvy = NoveBarvy;
    update();
}

// ---------------------------------------------------------------------------
// Geometry

qreal TGraphGameDeska::Meritko() const
{
    const int strana = std::min(width(), height());
    return strana > 0 ? qreal(strana) / StranaDesky : 1.0;
}

QPointF TGraphGameDeska::Pocatek() const
{
    // Centred in the room, on a whole pixel, so that a pixel a unit is
    // exactly that.
    const qreal strana = StranaDesky * Meritko();
    return QPointF(std::floor((width() - strana) / 2), std::floor((height() - strana) / 2));
}

QPointF TGraphGameDeska::NaJednotky(const QPointF& Bod) const { return (Bod - Pocatek()) / Meritko(); }

QRectF TGraphGameDeska::PolohaPole(const TPozice& Pozice) const
{
    const qreal s = Meritko();
    return QRectF(Pocatek() + QPointF(Pozice.X * Rozestup, Pozice.Y * Rozestup) * s,
                  QSizeF(VelikostPrvku, VelikostPrvku) * s);
}

bool TGraphGameDeska::JeNabizene(const TPozice& Pozice) const
{
    return JeNaDesce(Pozice) && Pole[Pozice.X][Pozice.Y].Nabizene;
}

std::optional<TPozice> TGraphGameDeska::PoleNaBode(const QPointF& Bod) const
{
    // Where the rings of two neighbours overlap, the later one lies on top:
    // the pixel is its ring, outside its square.
    const QPointF u = NaJednotky(Bod);
    const std::optional<TPozice> p = BunkaNaJednotkach(u);
    if (!p || !JeUvnitrPole(int(u.x()) - p->X * Rozestup, int(u.y()) - p->Y * Rozestup) || !JeNabizene(*p))
        return std::nullopt;
    return p;
}

std::optional<TPozice> TGraphGameDeska::PrvekNaBode(const QPointF& Bod) const
{
    const QPointF u = NaJednotky(Bod);
    const std::optional<TPozice> bunka = BunkaNaJednotkach(u);
    if (!bunka)
        return std::nullopt;
    // The neighbours whose control reaches here, the topmost first.
    for (int dx = 0; dx <= 1; ++dx)
        for (int dy = 0; dy <= 1; ++dy) {
            const TPozice p{bunka->X - dx, bunka->Y - dy};
            if (JeNabizene(p) && QRectF(p.X * Rozestup, p.Y * Rozestup, VelikostPrvku, VelikostPrvku).contains(u))
                return p;
        }
    return std::nullopt;
}

QSize TGraphGameDeska::sizeHint() const { return QSize(StranaDesky, StranaDesky); }

QSize TGraphGameDeska::minimumSizeHint() const { return QSize(StranaDesky, StranaDesky); }

// ---------------------------------------------------------------------------
// Painting

void TGraphGameDeska::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const qreal s = Meritko();
    // Whole pixels a unit on whole pixels: the figures pixel by pixel, as
    // the field controls always drew them; otherwise smooth shapes.
    const bool presne = std::abs(s * devicePixelRatioF() - 1.0) < 1e-9;
    p.setRenderHint(QPainter::Antialiasing, !presne);
    p.setRenderHint(QPainter::TextAntialiasing, !presne);
    p.translate(Pocatek());
    p.scale(s, s);
    p.fillRect(QRectF(0, 0, StranaDesky, StranaDesky), BarvaNaQColor(Barvy.BarvaDeska));
    // The marked field last: its ring lies on its neighbours' rings.
    for (bool vybrane : {false, true})
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y)
                if (Pole[x][y].Vybrane == vybrane)
                    KresliPole(p, {x, y}, presne);
    if (const std::optional<QPointF> roh = Klouzani->Roh())
        KresliVolnyKamen(p, *roh);
    // The carried stone follows the mouse, its centre under the pointer.
    if (const std::optional<QPointF> bod = Mys.BodNeseneho()) {
        const TObdelnik& r = TGraphDeska::ObrysKamene;
        KresliVolnyKamen(p, NaJednotky(*bod) - QPointF((r.Left + r.Right) / 2.0, (r.Top + r.Bottom) / 2.0));
    }
}

void TGraphGameDeska::KresliPole(QPainter& Platno, const TPozice& Pozice, bool Presne) const
{
    if (!JeNabizene(Pozice))
        return;  // behind the background
    const TVzhledPole& pole = Pole[Pozice.X][Pozice.Y];
    const bool existuje = JePole(pole);
    const bool zvednuty = Mys.Nese(Pozice) || Klouzani->Nese(Pozice);
    Platno.save();
    Platno.translate(Pozice.X * Rozestup, Pozice.Y * Rozestup);
    const QColor cil = BarvaNaQColor(Barvy.BarvaCilove);
    KresliZaklad(Platno, BarvaNaQColor(pole.Vybrane ? Barvy.BarvaVyber : Barvy.BarvaMrizka),
                 BarvaNaQColor(existuje ? Barvy.BarvaPole : Barvy.BarvaDeska), existuje && pole.Cilove ? &cil : nullptr);
    if (pole.Stav == spPlne && !zvednuty)
        KresliKotouc(Platno, BarvaNaQColor(Barvy.BarvaKamen), Presne, 1.0);
    if (existuje && pole.Zobrazeni != zcZadne)
        KresliText(Platno, BarvaNaQColor(pole.Zobrazeni == zcZvyraznene ? Barvy.BarvaCisloPrubeh : Barvy.BarvaCislo),
                   pole.Cislo, Presne);
    // The cursor is drawn over the field, never kept in it.
    if (Ovladani != nullptr && Ovladani->JeKurzorVidet() && Ovladani->Pozice() == Pozice) {
        Platno.setRenderHint(QPainter::Antialiasing, false);
        KresliKurzor(Platno);
    }
    Platno.restore();
}

void TGraphGameDeska::KresliVolnyKamen(QPainter& Platno, const QPointF& Roh) const
{
    Platno.save();
    Platno.setRenderHint(QPainter::Antialiasing, true);
    Platno.translate(Roh);
    KresliKotouc(Platno, BarvaNaQColor(Barvy.BarvaKamen), false, 1.0);
    Platno.restore();
}

// ---------------------------------------------------------------------------
// Mouse (KavirelDeskaMys.cpp)

void TGraphGameDeska::mousePressEvent(QMouseEvent* udalost)
{
    udalost->accept();
    Mys.Stisk(*udalost);
}

void TGraphGameDeska::mouseMoveEvent(QMouseEvent* udalost)
{
    udalost->accept();
    Mys.Pohyb(*udalost);
}

void TGraphGameDeska::mouseReleaseEvent(QMouseEvent* udalost)
{
    udalost->accept();
    Mys.Uvolneni(*udalost);
}
