// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelDeska.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "KavirelKresleni.h"
#include "KavirelPristupnost.h"

using namespace KavirelKresleni;

namespace {

constexpr int Rozestup = TGraphGameDeska::RozestupPoli;

bool JeNaDesce(const TPozice& p) { return p.X >= 0 && p.Y >= 0 && p.X < RozmerDesky && p.Y < RozmerDesky; }

bool JePole(const TPole& p) { return p.Stav == spPrazdne || p.Stav == spPlne; }

// The layout of a board: which positions it offers.
bool StejneRozlozeni(const TObrazDesky& a, const TObrazDesky& b)
{
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            if ((a.VsechnaPole || JePole(a.Zaznam.Pole[x][y])) != (b.VsechnaPole || JePole(b.Zaznam.Pole[x][y])))
                return false;
    return true;
}

bool StejnePole(const TPole& a, const TPole& b)
{
    return a.Stav == b.Stav && a.Cislo == b.Cislo && a.Cilove == b.Cilove;
}

}  // namespace

TGraphGameDeska::TGraphGameDeska(QWidget* rodic) : QWidget(rodic)
{
    setObjectName(QStringLiteral("PohledDesky"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Ovladani = new TKlavesniceDesky(this);
    // Qt may have made the widget's interface already (any change of a
    // widget does); the grid's replaces it.
    ZapomenRozhrani(this);
}

TGraphGameDeska::~TGraphGameDeska()
{
    delete Ovladani;
    Ovladani = nullptr;
}

void TGraphGameDeska::Zobraz(const TObrazDesky& NovyObraz)
{
    const TObrazDesky predtim = std::move(Obraz);
    Obraz = NovyObraz;
    // A stone is carried only while it stays the selected one; the editor
    // goes on painting as long as it paints.
    if ((TazenyKamen && (Obraz.Tazeni != TTazeni::Kamen || Obraz.Vyber != TazenyKamen)) ||
        (MalovanePole && Obraz.Tazeni != TTazeni::Malovani))
        UkonciTazeni();
    update();
    OznamZmeny(predtim);
}

void TGraphGameDeska::OznamZmeny(const TObrazDesky& Predtim)
{
    if (Ovladani == nullptr)
        return;
    if (!StejneRozlozeni(Predtim, Obraz)) {
        Ovladani->PoNoveDesce();
        return;
    }
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            if (!StejnePole(Predtim.Zaznam.Pole[x][y], Obraz.Zaznam.Pole[x][y]))
                Ovladani->PoZmenePole({x, y});
    if (Predtim.Vyber != Obraz.Vyber) {
        if (Predtim.Vyber)
            Ovladani->PoZmeneOznaceni(*Predtim.Vyber);
        if (Obraz.Vyber)
            Ovladani->PoZmeneOznaceni(*Obraz.Vyber);
    }
}

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
    return JeNaDesce(Pozice) && (Obraz.VsechnaPole || JePole(Obraz.Zaznam.Pole[Pozice.X][Pozice.Y]));
}

std::optional<TPozice> TGraphGameDeska::PoleNaBode(const QPointF& Bod) const
{
    // Where the rings of two neighbours overlap, the later one lies on top:
    // the pixel is its ring, outside its square.
    const QPointF u = NaJednotky(Bod);
    if (u.x() < 0 || u.y() < 0)
        return std::nullopt;
    const int x = std::min(int(u.x()) / Rozestup, RozmerDesky - 1);
    const int y = std::min(int(u.y()) / Rozestup, RozmerDesky - 1);
    const TPozice p{x, y};
    if (!JeUvnitrPole(int(u.x()) - x * Rozestup, int(u.y()) - y * Rozestup) || !JeNabizene(p))
        return std::nullopt;
    return p;
}

std::optional<TPozice> TGraphGameDeska::PrvekNaBode(const QPointF& Bod) const
{
    const QPointF u = NaJednotky(Bod);
    if (u.x() < 0 || u.y() < 0)
        return std::nullopt;
    const int x = std::min(int(u.x()) / Rozestup, RozmerDesky - 1);
    const int y = std::min(int(u.y()) / Rozestup, RozmerDesky - 1);
    // The neighbours whose control reaches here, the topmost first.
    for (int dx = 0; dx <= 1; ++dx)
        for (int dy = 0; dy <= 1; ++dy) {
            const TPozice p{x - dx, y - dy};
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
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            if (Obraz.Vyber != TPozice{x, y})
                KresliPole(p, {x, y}, presne);
    if (Obraz.Vyber && JeNaDesce(*Obraz.Vyber))
        KresliPole(p, *Obraz.Vyber, presne);
    KresliTazenyKamen(p);
}

void TGraphGameDeska::KresliPole(QPainter& Platno, const TPozice& Pozice, bool Presne) const
{
    if (!JeNabizene(Pozice))
        return;  // behind the background
    const TPole& pole = Obraz.Zaznam.Pole[Pozice.X][Pozice.Y];
    const bool existuje = JePole(pole);
    const bool zvednuty = Tahne && TazenyKamen == Pozice;
    Platno.save();
    Platno.translate(Pozice.X * Rozestup, Pozice.Y * Rozestup);
    KresliOkraj(Platno, BarvaNaQColor(Obraz.Vyber == Pozice ? Barvy.BarvaVyber : Barvy.BarvaMrizka));
    KresliCtverec(Platno, BarvaNaQColor(existuje ? Barvy.BarvaPole : Barvy.BarvaDeska));
    if (existuje && pole.Cilove != 0)
        KresliRamCile(Platno, BarvaNaQColor(Barvy.BarvaCilove));
    if (pole.Stav == spPlne && !zvednuty)
        KresliKotouc(Platno, BarvaNaQColor(Barvy.BarvaKamen), Presne, 1.0);
    if (existuje) {
        const bool zvyraznene =
            std::find(Obraz.Zvyraznena.begin(), Obraz.Zvyraznena.end(), Pozice) != Obraz.Zvyraznena.end();
        if (zvyraznene || Obraz.Cisla)
            KresliText(Platno, BarvaNaQColor(zvyraznene ? Barvy.BarvaCisloPrubeh : Barvy.BarvaCislo), pole.Cislo,
                       Presne);
    }
    // The cursor is drawn over the field, never kept in it.
    if (Ovladani != nullptr && Ovladani->JeKurzorVidet() && Ovladani->Pozice() == Pozice) {
        Platno.setRenderHint(QPainter::Antialiasing, false);
        KresliKurzor(Platno);
    }
    Platno.restore();
}

void TGraphGameDeska::KresliTazenyKamen(QPainter& Platno) const
{
    if (!Tahne || !TazenyKamen)
        return;
    // The stone follows the mouse, its centre under the pointer.
    const QPointF u = NaJednotky(BodMysi);
    const TObdelnik& r = TGraphDeska::ObrysKamene;
    Platno.save();
    Platno.setRenderHint(QPainter::Antialiasing, true);
    Platno.translate(u - QPointF((r.Left + r.Right) / 2.0, (r.Top + r.Bottom) / 2.0));
    KresliKotouc(Platno, BarvaNaQColor(Barvy.BarvaKamen), false, 1.0);
    Platno.restore();
}

// ---------------------------------------------------------------------------
// Mouse

void TGraphGameDeska::mousePressEvent(QMouseEvent* udalost)
{
    udalost->accept();
    const QPointF bod = udalost->position();
    if (udalost->button() == Qt::RightButton) {
        if (PrvekNaBode(bod)) {
            if (Ovladani != nullptr)
                Ovladani->StiskMysi(*PrvekNaBode(bod));
            emit KrokZpetPozadan();
        }
        return;
    }
    if (udalost->button() != Qt::LeftButton)
        return;
    UkonciTazeni();
    if (const std::optional<TPozice> prvek = PrvekNaBode(bod); prvek && Ovladani != nullptr)
        Ovladani->StiskMysi(*prvek);
    const std::optional<TPozice> pole = PoleNaBode(bod);
    if (!pole)
        return;
    BodStisku = BodMysi = bod;
    const TTazeni tazeni = Obraz.Tazeni;
    emit Stisknuto(*pole);
    // The owner has answered the press by now: a stone it keeps selected
    // on the pressed field can be carried away.
    if (tazeni == TTazeni::Malovani)
        MalovanePole = pole;
    else if (tazeni == TTazeni::Kamen && Obraz.Tazeni == TTazeni::Kamen && Obraz.Vyber == pole &&
             Obraz.Zaznam.PoleNa(*pole).Stav == spPlne)
        TazenyKamen = pole;
}

void TGraphGameDeska::mouseMoveEvent(QMouseEvent* udalost)
{
    udalost->accept();
    if (!(udalost->buttons() & Qt::LeftButton))
        return;
    const QPointF bod = udalost->position();
    if (MalovanePole) {
        MalujAz(bod);
        return;
    }
    if (!TazenyKamen)
        return;
    BodMysi = bod;
    if (!Tahne && (bod - BodStisku).manhattanLength() >= QApplication::startDragDistance())
        Tahne = true;
    if (Tahne)
        update();
}

void TGraphGameDeska::MalujAz(const QPointF& Bod)
{
    // Every field along the way, also when the mouse moves faster than a
    // field between two of its reports.
    const QPointF od = BodMysi;
    const qreal krok = std::max<qreal>(1.0, Rozestup * Meritko() / 4);
    const int kroku = std::max(1, int(std::ceil(std::hypot(Bod.x() - od.x(), Bod.y() - od.y()) / krok)));
    for (int i = 1; i <= kroku && MalovanePole; ++i) {
        const std::optional<TPozice> p = PrvekNaBode(od + (Bod - od) * (qreal(i) / kroku));
        if (p && p != MalovanePole) {
            MalovanePole = p;
            emit Stisknuto(*p);
        }
    }
    BodMysi = Bod;
}

void TGraphGameDeska::mouseReleaseEvent(QMouseEvent* udalost)
{
    udalost->accept();
    if (udalost->button() != Qt::LeftButton)
        return;
    const std::optional<TPozice> odkud = TazenyKamen;
    const bool tahne = Tahne;
    UkonciTazeni();
    if (!odkud || !tahne)
        return;
    update();
    // A drop anywhere but on another field only puts the stone back.
    const std::optional<TPozice> kam = PoleNaBode(udalost->position());
    if (kam && *kam != *odkud)
        emit Pretazeno(*odkud, *kam);
}

void TGraphGameDeska::UkonciTazeni()
{
    if (Tahne)
        update();
    TazenyKamen.reset();
    MalovanePole.reset();
    Tahne = false;
}
