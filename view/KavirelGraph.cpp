// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelGraph.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>


using namespace KavirelKresleni;

namespace {

const char* const Jednotka = "KavirelGraph";

TObrazek* Overeny(TObrazek* Prvek)
{
    KAVIREL_ASSERT(Prvek != nullptr, "Kreslim do neexistujiciho prvku", Jednotka);
    return Prvek;
}

qreal ZadanyPomer = 0;

// The ratio the pictures are drawn for: the finest screen's, at least 1.
qreal PomerObrazovky()
{
    const qreal r = ZadanyPomer > 0 ? ZadanyPomer : qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    return r > 1.0 ? r : 1.0;
}

QImage NovyObraz(const QSize& Velikost)
{
    const QSize logicka = Velikost.expandedTo(QSize(0, 0));
    const qreal pomer = PomerObrazovky();
    if (pomer == 1.0)
        return QImage(logicka, QImage::Format_RGB32);
    QImage obraz(QSize(int(std::ceil(logicka.width() * pomer)), int(std::ceil(logicka.height() * pomer))),
                 QImage::Format_RGB32);
    obraz.setDevicePixelRatio(pomer);
    return obraz;
}

int RozmerPozadi(std::int32_t Pocet, std::int32_t Mezera)
{
    const std::int64_t r = std::int64_t(Pocet) * (TGraphDeska::VelikostPole + Mezera) - Mezera +
                           2 * TGraphDeska::Okraj;
    return int(std::clamp<std::int64_t>(r, 0, 1 << 15));
}

}  // namespace

// ---------------------------------------------------------------------------

QColor BarvaNaQColor(TBarva Barva)
{
    return QColor(int(Barva & 0xFF), int((Barva >> 8) & 0xFF), int((Barva >> 16) & 0xFF));
}

TBarva BarvaZQColor(const QColor& Barva)
{
    const QColor c = Barva.toRgb();
    return TBarva(c.red()) | (TBarva(c.green()) << 8) | (TBarva(c.blue()) << 16);
}

TBarva BarvaTlacitka()
{
    return BarvaZQColor(QGuiApplication::palette().color(QPalette::Active, QPalette::Button));
}

bool operator==(const TBarvy& a, const TBarvy& b)
{
    return a.BarvaVyber == b.BarvaVyber && a.BarvaPole == b.BarvaPole && a.BarvaKamen == b.BarvaKamen &&
           a.BarvaCislo == b.BarvaCislo && a.BarvaCisloPrubeh == b.BarvaCisloPrubeh &&
           a.BarvaCilove == b.BarvaCilove && a.BarvaMrizka == b.BarvaMrizka && a.BarvaDeska == b.BarvaDeska;
}

TBarvy StandardniBarvy()
{
    return TBarvy{};
}

// ---------------------------------------------------------------------------

TObrazek::TObrazek(QWidget* Hostitel, const QRect& Poloha) : QWidget(Hostitel), Obrazek(NovyObraz(Poloha.size()))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(Poloha);
    if (!Obrazek.isNull())
        Obrazek.fill(Qt::white);
    show();
}

void TObrazek::NastavPomerObrazu(qreal Pomer) { ZadanyPomer = Pomer; }

void TObrazek::paintEvent(QPaintEvent* udalost)
{
    QPainter p(this);
    const QRect r = udalost->rect();
    if (Obrazek.devicePixelRatio() == 1.0) {
        p.drawImage(r, Obrazek, r);
        return;
    }
    // A picture drawn for another screen than this one is smoothed, not
    // doubled; on its own screen it is copied pixel for pixel.
    p.setRenderHint(QPainter::SmoothPixmapTransform, Obrazek.devicePixelRatio() != devicePixelRatioF());
    p.setClipRect(r);
    p.drawImage(QPointF(0, 0), Obrazek);
}

// ---------------------------------------------------------------------------

TEditPole::TEditPole(QWidget* Hostitel, const QRect& Poloha, int Cislo)
    : TObrazek(Hostitel, Poloha), CisloPrvku(Cislo)
{
}

void TEditPole::mousePressEvent(QMouseEvent* udalost)
{
    if (udalost->button() == Qt::LeftButton)
        Stisknuto = true;
    udalost->accept();
}

void TEditPole::mouseReleaseEvent(QMouseEvent* udalost)
{
    const bool klik = Stisknuto && udalost->button() == Qt::LeftButton &&
                      rect().contains(udalost->position().toPoint());
    if (udalost->button() == Qt::LeftButton)
        Stisknuto = false;
    udalost->accept();
    if (klik)
        MouseButtonClick();
}

void TEditPole::MouseButtonClick()
{
    if (Prijemce != nullptr)
        Prijemce->VyberPrvku(CisloPrvku);
}

// ---------------------------------------------------------------------------

TGraphDeska::TGraphDeska(QWidget* Hostitel_, std::int32_t Sloupcu_, std::int32_t Radku_,
                         std::int32_t MezeraX_, std::int32_t MezeraY_, std::int32_t Vlevo_,
                         std::int32_t Nahore_)
    : Sloupcu(Sloupcu_), Radku(Radku_), MezeraX(MezeraX_), MezeraY(MezeraY_), Vlevo(Vlevo_),
      Nahore(Nahore_), Hostitel(Hostitel_)
{
    KAVIREL_ASSERT(Hostitel_ != nullptr, "Deska nema kam se nakreslit", Jednotka);
    NastavStandardniBarvy();
    Pozadi = new TObrazek(Hostitel_, QRect(Vlevo, Nahore, RozmerPozadi(Sloupcu, MezeraX),
                                           RozmerPozadi(Radku, MezeraY)));
    Pozadi->lower();
    VyplnPozadi(Barvy.BarvaDeska);
}

TGraphDeska::~TGraphDeska()
{
    Uvolni(Pozadi);
}

void TGraphDeska::NastavStandardniBarvy()
{
    Barvy = StandardniBarvy();
}

void TGraphDeska::NastavBarvy(const TBarvy& NoveBarvy)
{
    Barvy = NoveBarvy;
}

void TGraphDeska::VyplnPozadi(TBarva Barva)
{
    if (Pozadi.isNull() || Pozadi->Obraz().isNull())
        return;
    TPlatno p(Pozadi.data(), Pozadi->Obraz());
    p->fillRect(Pozadi->Obraz().rect(), BarvaNaQColor(Barva));
}

void TGraphDeska::KresliPole(TObrazek* Prvek, TBarva Barva)
{
    TObrazek* prvek = Overeny(Prvek);
    TPlatno p(prvek, prvek->Obraz());
    KresliCtverec(*p, BarvaNaQColor(Barva));
}

void TGraphDeska::KresliKamen(TObrazek* Prvek, TBarva Barva)
{
    TObrazek* prvek = Overeny(Prvek);
    TPlatno p(prvek, prvek->Obraz());
    KresliKotouc(*p, BarvaNaQColor(Barva), true, Prvek->Obraz().devicePixelRatio());
}

void TGraphDeska::KresliCil(TObrazek* Prvek, TBarva Barva)
{
    TObrazek* prvek = Overeny(Prvek);
    TPlatno p(prvek, prvek->Obraz());
    KresliRamCile(*p, BarvaNaQColor(Barva));
}

void TGraphDeska::KresliCilovost(TObrazek* Prvek, bool Cilove)
{
    KresliCil(Prvek, Cilove ? Barvy.BarvaCilove : Barvy.BarvaPole);
}

void TGraphDeska::KresliCislo(TObrazek* Prvek, TBarva Barva, std::int32_t Cislo)
{
    TObrazek* prvek = Overeny(Prvek);
    TPlatno p(prvek, prvek->Obraz());
    KresliText(*p, BarvaNaQColor(Barva), Cislo, true);
}

void TGraphDeska::KresliOhraniceni(TObrazek* Prvek, TBarva Barva, bool Viditelne)
{
    Overeny(Prvek);
    if (Viditelne)
        Prvek->raise();
    else if (!Pozadi.isNull())
        Prvek->stackUnder(Pozadi.data());
    else
        Prvek->lower();
    TPlatno p(Prvek, Prvek->Obraz());
    KresliOkraj(*p, BarvaNaQColor(Barva));
}

QRect TGraphDeska::PolohaPrvku(std::int32_t X, std::int32_t Y) const
{
    return QRect(Vlevo + X * (VelikostPole + MezeraX), Nahore + Y * (VelikostPole + MezeraY), VelikostPrvku,
                 VelikostPrvku);
}

bool JeUvnitrPole(std::int32_t X, std::int32_t Y)
{
    constexpr int od = TGraphDeska::Okraj;
    constexpr int po = TGraphDeska::VelikostPrvku - TGraphDeska::Okraj;
    return od <= X && X <= po && od <= Y && Y <= po;
}
