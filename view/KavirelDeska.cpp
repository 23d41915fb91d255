// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelDeska.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

#include "KavirelKresleni.h"
#include "KavirelPristupnost.h"

using namespace KavirelKresleni;

namespace {

constexpr int Rozestup = TGraphGameDeska::RozestupPoli;

bool JeNaDesce(const TPozice& p) { return p.X >= 0 && p.Y >= 0 && p.X < RozmerDesky && p.Y < RozmerDesky; }

bool JePole(const TVzhledPole& p) { return p.Stav == spPrazdne || p.Stav == spPlne; }

}  // namespace

TGraphGameDeska::TGraphGameDeska(QWidget* rodic) : QWidget(rodic)
{
    setObjectName(QStringLiteral("PohledDesky"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Ovladani = new TKlavesniceDesky(this);
    Animace = new QVariantAnimation(this);
    Animace->setObjectName(QStringLiteral("AnimaceSkoku"));
    Animace->setStartValue(0.0);
    Animace->setEndValue(1.0);
    Animace->setDuration(150);
    Animace->setEasingCurve(QEasingCurve::InOutQuad);
    connect(Animace, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(Animace, &QVariantAnimation::finished, this, qOverload<>(&QWidget::update));
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
    // A stone is carried only while it stays the selected one.
    if (Mys.TazenyKamen && !DejPole(*Mys.TazenyKamen).Vybrane)
        UkonciTazeni();
    update();
    OznamZmeny(predtim, noveRozlozeni);
}

const TVzhledPole& TGraphGameDeska::DejPole(const TPozice& Pozice) const
{
    KontrolaRozsahu(Pozice.X, 0, RozmerDesky - 1);
    KontrolaRozsahu(Pozice.Y, 0, RozmerDesky - 1);
    return Pole[Pozice.X][Pozice.Y];
}

void TGraphGameDeska::NastavTazeni(TTazeni Tazeni)
{
    if (Tazeni != Rezim)
        UkonciTazeni();
    Rezim = Tazeni;
}

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
    Klouzani.Zapnuta = Zapnuto;
    if (!Zapnuto)
        DokonciAnimaci();
}

void TGraphGameDeska::AnimujSkok(const TPozice& Odkud, const TPozice& Kam)
{
    DokonciAnimaci();
    // Only a stone that stands where it landed slides there; in Leibniz's
    // game the hole moves, and a stone dropped by the mouse is there already.
    if (!Klouzani.Zapnuta || PoTazeni || !JeNaDesce(Odkud) || !JeNaDesce(Kam) || DejPole(Kam).Stav != spPlne)
        return;
    Klouzani.Odkud = Odkud;
    Klouzani.Kam = Kam;
    Animace->start();
}

void TGraphGameDeska::DokonciAnimaci()
{
    if (Animace->state() != QAbstractAnimation::Stopped)
        Animace->stop();
    update();
}

bool TGraphGameDeska::AnimaceBezi() const { return Animace->state() == QAbstractAnimation::Running; }

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

std::optional<TPozice> TGraphGameDeska::BunkaNaBode(const QPointF& Bod, QPointF& Jednotky) const
{
    // The position whose pitch (59 units from its control's corner) holds
    // the point; the last ones take their outer ring as well.
    Jednotky = NaJednotky(Bod);
    if (Jednotky.x() < 0 || Jednotky.y() < 0)
        return std::nullopt;
    return TPozice{std::min(int(Jednotky.x()) / Rozestup, RozmerDesky - 1),
                   std::min(int(Jednotky.y()) / Rozestup, RozmerDesky - 1)};
}

std::optional<TPozice> TGraphGameDeska::PoleNaBode(const QPointF& Bod) const
{
    // Where the rings of two neighbours overlap, the later one lies on top:
    // the pixel is its ring, outside its square.
    QPointF u;
    const std::optional<TPozice> p = BunkaNaBode(Bod, u);
    if (!p || !JeUvnitrPole(int(u.x()) - p->X * Rozestup, int(u.y()) - p->Y * Rozestup) || !JeNabizene(*p))
        return std::nullopt;
    return p;
}

std::optional<TPozice> TGraphGameDeska::PrvekNaBode(const QPointF& Bod) const
{
    QPointF u;
    const std::optional<TPozice> bunka = BunkaNaBode(Bod, u);
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
    KresliKlouzajiciKamen(p);
    KresliTazenyKamen(p);
}

void TGraphGameDeska::KresliPole(QPainter& Platno, const TPozice& Pozice, bool Presne) const
{
    if (!JeNabizene(Pozice))
        return;  // behind the background
    const TVzhledPole& pole = Pole[Pozice.X][Pozice.Y];
    const bool existuje = JePole(pole);
    const bool zvednuty = (Mys.Tahne && Mys.TazenyKamen == Pozice) || (AnimaceBezi() && Klouzani.Kam == Pozice);
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

void TGraphGameDeska::KresliTazenyKamen(QPainter& Platno) const
{
    if (!Mys.Tahne || !Mys.TazenyKamen)
        return;
    // The stone follows the mouse, its centre under the pointer.
    const QPointF u = NaJednotky(Mys.BodMysi);
    const TObdelnik& r = TGraphDeska::ObrysKamene;
    Platno.save();
    Platno.setRenderHint(QPainter::Antialiasing, true);
    Platno.translate(u - QPointF((r.Left + r.Right) / 2.0, (r.Top + r.Bottom) / 2.0));
    KresliKotouc(Platno, BarvaNaQColor(Barvy.BarvaKamen), false, 1.0);
    Platno.restore();
}

void TGraphGameDeska::KresliKlouzajiciKamen(QPainter& Platno) const
{
    if (!AnimaceBezi())
        return;
    const qreal t = Animace->currentValue().toReal();
    const QPointF od(Klouzani.Odkud.X * Rozestup, Klouzani.Odkud.Y * Rozestup);
    const QPointF kam(Klouzani.Kam.X * Rozestup, Klouzani.Kam.Y * Rozestup);
    Platno.save();
    Platno.setRenderHint(QPainter::Antialiasing, true);
    Platno.translate(od + (kam - od) * t);
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
    DokonciAnimaci();
    if (const std::optional<TPozice> prvek = PrvekNaBode(bod); prvek && Ovladani != nullptr)
        Ovladani->StiskMysi(*prvek);
    const std::optional<TPozice> pole = PoleNaBode(bod);
    if (!pole)
        return;
    Mys.BodStisku = Mys.BodMysi = bod;
    const TTazeni tazeni = Rezim;
    emit Stisknuto(*pole);
    // The owner has answered the press by now: a stone it keeps selected
    // on the pressed field can be carried away.
    if (tazeni != Rezim)
        return;
    if (tazeni == TTazeni::Malovani)
        Mys.MalovanePole = pole;
    else if (tazeni == TTazeni::Kamen && DejPole(*pole).Vybrane && DejPole(*pole).Stav == spPlne)
        Mys.TazenyKamen = pole;
}

void TGraphGameDeska::mouseMoveEvent(QMouseEvent* udalost)
{
    udalost->accept();
    if (!(udalost->buttons() & Qt::LeftButton))
        return;
    const QPointF bod = udalost->position();
    if (Mys.MalovanePole) {
        MalujAz(bod);
        return;
    }
    if (!Mys.TazenyKamen)
        return;
    Mys.BodMysi = bod;
    if (!Mys.Tahne && (bod - Mys.BodStisku).manhattanLength() >= QApplication::startDragDistance())
        Mys.Tahne = true;
    if (Mys.Tahne)
        update();
}

void TGraphGameDeska::MalujAz(const QPointF& Bod)
{
    // Every field along the way, also when the mouse moves faster than a
    // field between two of its reports.
    const QPointF od = Mys.BodMysi;
    const qreal krok = std::max<qreal>(1.0, Rozestup * Meritko() / 4);
    const int kroku = std::max(1, int(std::ceil(std::hypot(Bod.x() - od.x(), Bod.y() - od.y()) / krok)));
    for (int i = 1; i <= kroku && Mys.MalovanePole; ++i) {
        const std::optional<TPozice> p = PrvekNaBode(od + (Bod - od) * (qreal(i) / kroku));
        if (p && p != Mys.MalovanePole) {
            Mys.MalovanePole = p;
            emit Stisknuto(*p);
        }
    }
    Mys.BodMysi = Bod;
}

void TGraphGameDeska::mouseReleaseEvent(QMouseEvent* udalost)
{
    udalost->accept();
    if (udalost->button() != Qt::LeftButton)
        return;
    const std::optional<TPozice> odkud = Mys.TazenyKamen;
    const bool tahne = Mys.Tahne;
    UkonciTazeni();
    if (!odkud || !tahne)
        return;
    update();
    // A drop anywhere but on another field only puts the stone back.
    const std::optional<TPozice> kam = PoleNaBode(udalost->position());
    if (kam && *kam != *odkud) {
        PoTazeni = true;
        emit Pretazeno(*odkud, *kam);
        PoTazeni = false;
    }
}

void TGraphGameDeska::UkonciTazeni()
{
    if (Mys.Tahne)
        update();
    Mys = TStavMysi{};
}
