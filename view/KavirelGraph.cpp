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

#include "KavirelKlavesnice.h"
#include "KavirelPlatno.h"

using namespace KavirelKresleni;

namespace {

const char* const Jednotka = "KavirelGraph";

TObrazek* Overeny(TObrazek* Prvek)
{
    KAVIREL_ASSERT(Prvek != nullptr, "Kreslim do neexistujiciho prvku", Jednotka);
    return Prvek;
}

// The one-pixel outline of the rectangle (l, t, r, b): pixels l..r-1, t..b-1.
void Obrys(QPainter& Platno, int l, int t, int r, int b, const QColor& Barva)
{
    if (r <= l || b <= t)
        return;
    Platno.fillRect(l, t, r - l, 1, Barva);
    Platno.fillRect(l, b - 1, r - l, 1, Barva);
    Platno.fillRect(l, t, 1, b - t, Barva);
    Platno.fillRect(r - 1, t, 1, b - t, Barva);
}

// The filled ellipse in the rectangle R: every pixel whose centre lies inside.
// Qt's own aliased ellipse leans by a pixel; this one is symmetric and covers
// exactly Left..Right-1 and Top..Bottom-1 at its widest. On a picture with a
// device pixel ratio the test runs on the picture's own pixels, so the edge
// is as fine as the screen allows and the same pixels are hit every time.
void Kotouc(QPainter& Platno, const TObdelnik& R, const QColor& Barva, qreal Pomer)
{
    const double cx = (R.Left + R.Right) / 2.0 * Pomer, cy = (R.Top + R.Bottom) / 2.0 * Pomer;
    const double rx = (R.Right - R.Left) / 2.0 * Pomer, ry = (R.Bottom - R.Top) / 2.0 * Pomer;
    if (rx <= 0 || ry <= 0)
        return;
    const int shora = int(std::floor(R.Top * Pomer)), zdola = int(std::ceil(R.Bottom * Pomer));
    for (int y = shora; y < zdola; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double zbytek = 1.0 - dy * dy;
        if (zbytek < 0)
            continue;
        const double pul = rx * std::sqrt(zbytek);
        const int od = int(std::ceil(cx - pul - 0.5));
        const int po = int(std::floor(cx + pul - 0.5));
        if (po < od)
            continue;
        // The painter works in the control's units; a run of picture pixels
        // is a rectangle of fractions of them.
        if (Pomer == 1.0)
            Platno.fillRect(od, y, po - od + 1, 1, Barva);
        else
            Platno.fillRect(QRectF(od / Pomer, y / Pomer, (po - od + 1) / Pomer, 1 / Pomer), Barva);
    }
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

THraciPole::THraciPole(QWidget* Hostitel, const QRect& Poloha, const TPozice& Pozice)
    : TObrazek(Hostitel, Poloha), PozicePole(Pozice)
{
}

void THraciPole::mousePressEvent(QMouseEvent* udalost)
{
    const QPoint p = udalost->position().toPoint();
    // The cursor goes where the mouse pressed and hides until the next key.
    if (Klavesnice != nullptr)
        Klavesnice->StiskMysi(this);
    MouseButtonClick(udalost->button(), p.x(), p.y());
    udalost->accept();
}

void THraciPole::NastavKurzor(bool Zobrazit)
{
    if (Kurzor == Zobrazit)
        return;
    Kurzor = Zobrazit;
    update();
}

void THraciPole::paintEvent(QPaintEvent* udalost)
{
    TObrazek::paintEvent(udalost);
    if (!Kurzor)
        return;
    // A square ring inside the target frame and around the stone: black,
    // yellow, black, so that it shows on any colour of field, stone or
    // background, and cannot be taken for the marking of the outer border.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int od = 8, po = TGraphDeska::VelikostPrvku - 8;
    const QColor cerna(Qt::black), zluta(255, 216, 0);
    Obrys(p, od, od, po, po, cerna);
    Obrys(p, od + 1, od + 1, po - 1, po - 1, zluta);
    Obrys(p, od + 2, od + 2, po - 2, po - 2, zluta);
    Obrys(p, od + 3, od + 3, po - 3, po - 3, cerna);
}

void THraciPole::MouseButtonClick(Qt::MouseButton Tlacitko, int X, int Y)
{
    if (Prijemce == nullptr)
        return;
    if (Tlacitko == Qt::LeftButton)
        Prijemce->KlikNaPole(this, X, Y);
    else if (Tlacitko == Qt::RightButton)
        Prijemce->KrokZpet();
}

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
    TPlatno p(Pozadi.data());
    p->fillRect(Pozadi->Obraz().rect(), BarvaNaQColor(Barva));
}

void TGraphDeska::KresliPole(TObrazek* Prvek, TBarva Barva)
{
    TPlatno p(Overeny(Prvek));
    p->fillRect(Okraj, Okraj, VelikostPole, VelikostPole, BarvaNaQColor(Barva));
}

void TGraphDeska::KresliKamen(TObrazek* Prvek, TBarva Barva)
{
    TPlatno p(Overeny(Prvek));
    Kotouc(*p, ObrysKamene, BarvaNaQColor(Barva), Prvek->Obraz().devicePixelRatio());
}

void TGraphDeska::KresliCil(TObrazek* Prvek, TBarva Barva)
{
    TPlatno p(Overeny(Prvek));
    const QColor c = BarvaNaQColor(Barva);
    for (int k = 0; k < SirkaCile; ++k)
        Obrys(*p, Okraj + k, Okraj + k, Okraj + VelikostPole - k, Okraj + VelikostPole - k, c);
}

void TGraphDeska::KresliCilovost(TObrazek* Prvek, bool Cilove)
{
    KresliCil(Prvek, Cilove ? Barvy.BarvaCilove : Barvy.BarvaPole);
}

QFont TGraphDeska::PismoCisla()
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    f.setPointSize(8);
    f.setBold(false);
    f.setItalic(false);
    // Whole-pixel advances: a digit then ends on the same column whatever
    // stands before it, and the measured width is the drawn width.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void TGraphDeska::KresliCislo(TObrazek* Prvek, TBarva Barva, std::int32_t Cislo)
{
    TPlatno p(Overeny(Prvek));
    p->setFont(PismoCisla());
    const QFontMetrics m = p->fontMetrics();
    const QString text = QString::number(Cislo);
    const int w = m.horizontalAdvance(text);
    const int h = m.height();
    const int x = Okraj + VelikostPole - SirkaCile - OdsazeniCisla - w;
    const int y = Okraj + VelikostPole - SirkaCile - OdsazeniCisla + 2 - h;
    p->setPen(BarvaNaQColor(Barva));
    p->setBrush(Qt::NoBrush);
    p->drawText(x, y + m.ascent(), text);
}

void TGraphDeska::KresliOhraniceni(TObrazek* Prvek, TBarva Barva, bool Viditelne)
{
    Overeny(Prvek);
    Prvek->Vpredu = Viditelne;
    const bool oznaceny = Viditelne && Barva == Barvy.BarvaVyber && Barva != Barvy.BarvaMrizka;
    if (oznaceny != Prvek->Oznaceny) {
        Prvek->Oznaceny = oznaceny;
        if (auto* hraci = qobject_cast<THraciPole*>(Prvek); hraci != nullptr && hraci->Klavesnice != nullptr)
            hraci->Klavesnice->PoZmeneOznaceni(hraci);
    }
    if (Viditelne)
        Prvek->raise();
    else if (!Pozadi.isNull())
        Prvek->stackUnder(Pozadi.data());
    else
        Prvek->lower();
    TPlatno p(Prvek);
    const QColor c = BarvaNaQColor(Barva);
    for (int k = 0; k < Okraj; ++k)
        Obrys(*p, k, k, VelikostPrvku - k, VelikostPrvku - k, c);
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

// ---------------------------------------------------------------------------

TGraphGameDeska::TGraphGameDeska(QWidget* Hostitel, std::int32_t Sloupcu_, std::int32_t Radku_,
                                 std::int32_t MezeraX_, std::int32_t MezeraY_, std::int32_t Vlevo_,
                                 std::int32_t Nahore_)
    : TGraphDeska(Hostitel, Sloupcu_, Radku_, MezeraX_, MezeraY_, Vlevo_, Nahore_)
{
    KAVIREL_ASSERT(Sloupcu <= RozmerDesky, "Zdavam vetsi rozmer desky, nez je dovoleno", Jednotka);
    KAVIREL_ASSERT(Radku <= RozmerDesky, "Zdavam vetsi rozmer desky, nez je dovoleno", Jednotka);
    ZajistiPristupnostDesky();
    for (int x = 0; x < Sloupcu; ++x)
        for (int y = 0; y < Radku; ++y)
            Prvky[x][y] = new THraciPole(Hostitel, PolohaPrvku(x, y), TPozice{x, y});
    Ovladani = new TKlavesniceDesky(this, Hostitel);
    for (int x = 0; x < Sloupcu; ++x)
        for (int y = 0; y < Radku; ++y)
            Prvky[x][y]->Klavesnice = Ovladani.data();
}

TGraphGameDeska::~TGraphGameDeska()
{
    Uvolni(Ovladani);
    for (auto& sloupec : Prvky)
        for (auto& prvek : sloupec)
            Uvolni(prvek);
}

void TGraphGameDeska::NastavPrijemce(IPrijemceKliku* Prijemce_)
{
    Prijemce = Prijemce_;
    for (auto& sloupec : Prvky)
        for (auto& prvek : sloupec)
            if (!prvek.isNull())
                prvek->Prijemce = Prijemce;
}

THraciPole* TGraphGameDeska::DejPrvekNeboNic(const TPozice& Pozice) const
{
    if (Pozice.X < 0 || Pozice.Y < 0 || Pozice.X >= RozmerDesky || Pozice.Y >= RozmerDesky)
        return nullptr;
    return Prvky[Pozice.X][Pozice.Y].data();
}

THraciPole* TGraphGameDeska::DejPrvek(const TPozice& Pozice) const
{
    KontrolaRozsahu(Pozice.X, 0, RozmerDesky - 1);
    KontrolaRozsahu(Pozice.Y, 0, RozmerDesky - 1);
    THraciPole* prvek = Prvky[Pozice.X][Pozice.Y].data();
    if (prvek == nullptr)
        ChybaRozsahu();
    return prvek;
}

void TGraphGameDeska::KresliDesku(const TZaznamDesky& Zaznam)
{
    VyplnPozadi(Barvy.BarvaDeska);
    for (int x = 0; x < RozmerDesky; ++x) {
        for (int y = 0; y < RozmerDesky; ++y) {
            THraciPole* prvek = Prvky[x][y].data();
            if (prvek == nullptr)
                continue;  // a smaller view has no control here
            const TPole& pole = Zaznam.Pole[x][y];
            if (pole.Stav == spNeexistujici || pole.Stav == spPrazdne || pole.Stav == spPlne)
                prvek->Obsah = pole;
            switch (pole.Stav) {
            case spNeexistujici:
                KresliOhraniceni(prvek, Barvy.BarvaDeska, false);
                KresliPole(prvek, Barvy.BarvaDeska);
                break;
            case spPrazdne:
                KresliPole(prvek, Barvy.BarvaPole);
                KresliOhraniceni(prvek, Barvy.BarvaMrizka, true);
                KresliCilovost(prvek, pole.Cilove != 0);
                break;
            case spPlne:
                KresliPole(prvek, Barvy.BarvaPole);
                KresliCilovost(prvek, pole.Cilove != 0);
                KresliKamen(prvek, Barvy.BarvaKamen);
                KresliOhraniceni(prvek, Barvy.BarvaMrizka, true);
                break;
            default:
                break;  // not a state of this system: the control stays as it was
            }
        }
    }
    if (!Ovladani.isNull())
        Ovladani->PoNoveDesce();
}

void TGraphGameDeska::KresliCisla(const TZaznamDesky& Zaznam, bool Zobrazit)
{
    const TBarva barva = Zobrazit ? Barvy.BarvaCislo : Barvy.BarvaPole;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y) {
            const TPole& pole = Zaznam.Pole[x][y];
            if (pole.Stav != spNeexistujici && !Prvky[x][y].isNull())
                KresliCislo(Prvky[x][y].data(), barva, pole.Cislo);
        }
}

void TGraphGameDeska::KresliCisloNa(const TPozice& Pozice, TBarva Barva, std::int32_t Cislo)
{
    KresliCislo(DejPrvek(Pozice), Barva, Cislo);
}

void TGraphGameDeska::KresliOhraniceniNa(const TPozice& Pozice, TBarva Barva, bool Viditelne)
{
    KresliOhraniceni(DejPrvek(Pozice), Barva, Viditelne);
}

void TGraphGameDeska::KresliVsechnaOhraniceni(TBarva Barva)
{
    for (auto& sloupec : Prvky)
        for (auto& prvek : sloupec)
            if (!prvek.isNull())
                KresliOhraniceni(prvek.data(), Barva, true);
    if (!Ovladani.isNull())
        Ovladani->PoNoveDesce();
}

void TGraphGameDeska::KresliSkok(const TZaznamDesky& Zaznam, const TPozice& A, const TPozice& B,
                                 const TPozice& C)
{
    // All three controls first, so that a bad position changes nothing.
    THraciPole* a = DejPrvek(A);
    THraciPole* b = DejPrvek(B);
    THraciPole* c = DejPrvek(C);
    KresliKamen(a, Barvy.BarvaPole);
    KresliKamen(b, Barvy.BarvaKamen);
    a->Obsah.Stav = spPrazdne;
    b->Obsah.Stav = spPlne;
    if (Zaznam.TypHry == thNormalni) {
        KresliKamen(c, Barvy.BarvaPole);
        c->Obsah.Stav = spPrazdne;
    } else if (Zaznam.TypHry == thLeibniz) {
        KresliKamen(c, Barvy.BarvaKamen);
        c->Obsah.Stav = spPlne;
    }
    for (const TPozice& p : {A, B, C})
        OznamZmenu(p);
}

void TGraphGameDeska::KresliNavratSkoku(const TZaznamDesky& Zaznam, const TPozice& A, const TPozice& B,
                                        const TPozice& C)
{
    THraciPole* a = DejPrvek(A);
    THraciPole* b = DejPrvek(B);
    THraciPole* c = DejPrvek(C);
    KresliKamen(a, Barvy.BarvaPole);
    KresliKamen(b, Barvy.BarvaKamen);
    a->Obsah.Stav = spPrazdne;
    b->Obsah.Stav = spPlne;
    if (Zaznam.TypHry == thNormalni) {
        KresliKamen(c, Barvy.BarvaKamen);
        c->Obsah.Stav = spPlne;
    } else if (Zaznam.TypHry == thLeibniz) {
        KresliKamen(c, Barvy.BarvaPole);
        c->Obsah.Stav = spPrazdne;
    }
    for (const TPozice& p : {A, B, C})
        OznamZmenu(p);
}

void TGraphGameDeska::KresliPrvekNa(const TPozice& Pozice, TEditPrvek Prvek)
{
    THraciPole* pole = DejPrvek(Pozice);
    const bool existuje = Prvek != epNeexistujici;
    const bool kamen = Prvek == epPlne || Prvek == epPlneCilove;
    const bool cilove = Prvek == epPrazdneCilove || Prvek == epPlneCilove;
    KresliPole(pole, existuje ? Barvy.BarvaPole : Barvy.BarvaDeska);
    if (kamen)
        KresliKamen(pole, Barvy.BarvaKamen);
    if (cilove)
        KresliCilovost(pole, true);
    pole->Obsah.Stav = !existuje ? spNeexistujici : kamen ? spPlne : spPrazdne;
    pole->Obsah.Cilove = cilove ? 1 : 0;
    if (!existuje)
        pole->Obsah.Cislo = 0;
    OznamZmenu(Pozice);
}

void TGraphGameDeska::OznamZmenu(const TPozice& Pozice)
{
    if (!Ovladani.isNull())
        Ovladani->PoZmenePole(DejPrvek(Pozice));
}
