// SPDX-License-Identifier: GPL-3.0-or-later
// Board display and input: the colour set, the geometry and drawing of one
// field, and the column-shaped views (the editor's palette, the samples of
// the legend and colour windows). The main board is a widget of its own
// (KavirelDeska.h) that draws with the same parts.
//
// A column view is a set of small image controls (TObrazek) laid over one
// background image, all children of a host widget of some window. A control
// keeps its own picture and repaints from it; nothing here redraws on its own
// initiative, every change on screen comes from a Kresli... call of a window.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>

#include "KavirelKresleni.h"
#include "KavirelType.h"

// ---------------------------------------------------------------------------
// Colours

// A colour value 0x00BBGGRR: red in the lowest byte.
using TBarva = std::uint32_t;

// The only conversions between the colour values of the board display and Qt.
QColor BarvaNaQColor(TBarva Barva);
TBarva BarvaZQColor(const QColor& Barva);

// The button-face colour of the platform, the background of the palette and
// of the samples.
TBarva BarvaTlacitka();

struct TBarvy {
    TBarva BarvaVyber = 0x00FFFFFF;        // border of the marked field
    TBarva BarvaPole = 0x000000FF;         // square of a present field
    TBarva BarvaKamen = 0x00FFFFFF;        // stone
    TBarva BarvaCislo = 0x00000000;        // field number
    TBarva BarvaCisloPrubeh = 0x0000FFFF;  // number of the replayed jump
    TBarva BarvaCilove = 0x00008000;       // target frame
    TBarva BarvaMrizka = 0x00000000;       // border of a present field
    TBarva BarvaDeska = 0x00008000;        // background and absent fields
};

bool operator==(const TBarvy& a, const TBarvy& b);
inline bool operator!=(const TBarvy& a, const TBarvy& b) { return !(a == b); }

// The eight defaults, as a value.
TBarvy StandardniBarvy();

// ---------------------------------------------------------------------------
// Image control

// A widget that owns a picture, paints itself from it and is painted into
// only through the primitives of TGraphDeska. A new control's picture is white.
//
// The picture has as many pixels as the screen shows for the control (the
// device pixel ratio of the application), so nothing is stretched on a
// scaled screen; at ratio 1 it is exactly the control's size.
class TObrazek : public QWidget {
    Q_OBJECT
public:
    TObrazek(QWidget* Hostitel, const QRect& Poloha);

    QImage& Obraz() { return Obrazek; }
    const QImage& Obraz() const { return Obrazek; }

    // The ratio of new pictures; 0 (the default) takes the screen's.
    static void NastavPomerObrazu(qreal Pomer);

protected:
    void paintEvent(QPaintEvent* udalost) override;

private:
    QImage Obrazek;
};

// ---------------------------------------------------------------------------
// Palette elements

class IPrijemceVyberu {
public:
    virtual ~IPrijemceVyberu() = default;
    // A palette element was clicked; CisloPrvku 0..4 is the item index of
    // the editor's element list.
    virtual void VyberPrvku(int CisloPrvku) = 0;
};

// An element of the editor's palette. Reports a click: a left press and a
// left release on the same control.
class TEditPole : public TObrazek {
    Q_OBJECT
public:
    TEditPole(QWidget* Hostitel, const QRect& Poloha, int Cislo);

    int CisloPrvku;
    IPrijemceVyberu* Prijemce = nullptr;

protected:
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;

private:
    void MouseButtonClick();
    bool Stisknuto = false;
};

// ---------------------------------------------------------------------------
// Views

using TObdelnik = KavirelKresleni::TObdelnik;

class TGraphDeska {
public:
    static constexpr int VelikostPole = KavirelKresleni::VelikostPole;    // 57
    static constexpr int Okraj = KavirelKresleni::Okraj;                  // 2
    static constexpr int VelikostPrvku = KavirelKresleni::VelikostPrvku;  // 61
    static constexpr int PrumerKamene = KavirelKresleni::PrumerKamene;    // 27
    static constexpr TObdelnik ObrysKamene = KavirelKresleni::ObrysKamene;  // (17, 17, 44, 44)
    static constexpr int SirkaCile = KavirelKresleni::SirkaCile;          // 3
    static constexpr int OdsazeniCisla = KavirelKresleni::OdsazeniCisla;  // 2

    const std::int32_t Sloupcu;
    const std::int32_t Radku;
    const std::int32_t MezeraX;
    const std::int32_t MezeraY;
    const std::int32_t Vlevo;
    const std::int32_t Nahore;

    // This view's own colour set; read it for the colours of drawing calls,
    // change it with NastavBarvy / NastavStandardniBarvy.
    TBarvy Barvy;

    // Creates the background image in Hostitel, sends it to the back and fills
    // it with BarvaDeska.
    TGraphDeska(QWidget* Hostitel, std::int32_t Sloupcu, std::int32_t Radku, std::int32_t MezeraX,
                std::int32_t MezeraY, std::int32_t Vlevo, std::int32_t Nahore);
    virtual ~TGraphDeska();
    TGraphDeska(const TGraphDeska&) = delete;
    TGraphDeska& operator=(const TGraphDeska&) = delete;

    void NastavStandardniBarvy();
    void NastavBarvy(const TBarvy& NoveBarvy);  // nothing is redrawn

    // Drawing primitives. Prvek is one of this view's field controls.
    void VyplnPozadi(TBarva Barva);
    void KresliPole(TObrazek* Prvek, TBarva Barva);
    void KresliKamen(TObrazek* Prvek, TBarva Barva);
    void KresliCil(TObrazek* Prvek, TBarva Barva);
    void KresliCilovost(TObrazek* Prvek, bool Cilove);
    void KresliCislo(TObrazek* Prvek, TBarva Barva, std::int32_t Cislo);
    // Brings Prvek in front of the background (Viditelne) or sends it behind,
    // invisible and out of the mouse's reach; then paints the border ring.
    void KresliOhraniceni(TObrazek* Prvek, TBarva Barva, bool Viditelne);

    // Where the control of column X, row Y stands in the host.
    QRect PolohaPrvku(std::int32_t X, std::int32_t Y) const;
    TObrazek* DejPozadi() const { return Pozadi.data(); }
    QWidget* DejHostitele() const { return Hostitel.data(); }

    // The font of the field numbers (KavirelKresleni.h).
    static QFont PismoCisla(bool Presne = true) { return KavirelKresleni::PismoCisla(Presne); }

private:
    QPointer<QWidget> Hostitel;
    QPointer<TObrazek> Pozadi;
};

// A press position (X, Y) within a field control of the main view counts only
// inside the square: both in Okraj..VelikostPrvku-Okraj, that is 2..59.
bool JeUvnitrPole(std::int32_t X, std::int32_t Y);

constexpr int PocetPrvkuPalety = 5;

// The editor's palette: one column of five TEditPole, row = element index.
class TGraphEditDeska : public TGraphDeska {
public:
    TGraphEditDeska(QWidget* Hostitel, std::int32_t MezeraX, std::int32_t MezeraY, std::int32_t Vlevo,
                    std::int32_t Nahore);
    ~TGraphEditDeska() override;

    void NastavPrijemce(IPrijemceVyberu* Prijemce);
    TEditPole* DejPrvek(int Radek) const;  // 0..4, else range error

    void KresliPaletu();
    void KresliVsechnaOhraniceni(TBarva Barva);

private:
    QPointer<TEditPole> Prvky[PocetPrvkuPalety];
};

// The legend window's five sample fields; they react to nothing.
class TGraphLegendaDeska : public TGraphDeska {
public:
    TGraphLegendaDeska(QWidget* Hostitel, std::int32_t MezeraX, std::int32_t MezeraY, std::int32_t Vlevo,
                       std::int32_t Nahore);
    ~TGraphLegendaDeska() override;

    TObrazek* DejPrvek(int Radek) const;  // 0..4, else range error

    void KresliVsechnaOhraniceni(TBarva Barva);
    virtual void Kresli();

    // The mat behind the marked sample (row 4): a frame of three pixels in a
    // colour the marking stands out from, since the window's face colour
    // would swallow a light marking.
    TObrazek* DejPodlozku() const { return Podlozka.data(); }

protected:
    void KresliPodlozku();
    QPointer<TObrazek> Prvky[PocetPrvkuPalety];
    QPointer<TObrazek> Podlozka;
};

// The colour window's five sample fields, with numbers, in the colours being
// edited.
class TGraphBarvyDeska : public TGraphLegendaDeska {
public:
    TGraphBarvyDeska(QWidget* Hostitel, std::int32_t MezeraX, std::int32_t MezeraY, std::int32_t Vlevo,
                     std::int32_t Nahore);

    void Kresli() override;
    void DejBarvy(TBarvy& Vystup) const;
};
