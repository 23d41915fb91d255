// SPDX-License-Identifier: GPL-3.0-or-later
// Board display and input: the colour set, the geometry and drawing of one
// field, the clickable field controls and the board views of all windows.
//
// Every view is a set of small image controls (TObrazek) laid over one
// background image, all children of a host widget of some window. A control
// keeps its own picture and repaints from it; nothing here redraws on its own
// initiative, every change on screen comes from a Kresli... call of a window.
//
// How the main window uses this unit:
//   - implement IPrijemceKliku (KlikNaPole, KrokZpet) and IPrijemceVyberu
//     (VyberPrvku), create
//         PohledDesky  = new TGraphGameDeska(ProstorGraphDesky, 9, 9, 2, 2, 6, 12);
//         PohledPalety = new TGraphEditDeska(ProstorEditDesky, 2, 8, 6, 6);
//     and hand itself over with PohledDesky->NastavPrijemce(this) and
//     PohledPalety->NastavPrijemce(this); then PohledPalety->KresliPaletu().
//   - KlikNaPole(Prvek, X, Y) arrives on the left-button press; accept it only
//     when JeUvnitrPole(X, Y), and take the field from Prvek->PozicePole.
//     KrokZpet() arrives on the right-button press. Both run inside a Qt event
//     handler: the receiver must catch the program's own errors
//     (EKavirelChyba) itself, nothing may propagate back into Qt.
//   - Colours for the drawing calls come from the view's own set, e.g.
//     PohledDesky->KresliOhraniceniNa(p, PohledDesky->Barvy.BarvaVyber, true).
//   - The palette element i is PohledPalety->DejPrvek(i), for marking the
//     chosen element with KresliOhraniceni.
//   - Delete the views before their host widgets (the views release their
//     controls; if the host went first they notice and skip them).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>

#include "KavirelKlavesnice.h"
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

    // Whether the last border drawing brought the control in front of the
    // background (then it can be pressed and is offered to the keyboard and
    // to assistive technology), and whether that border was the marking.
    bool JeVpredu() const { return Vpredu; }
    bool JeOznaceny() const { return Oznaceny; }

protected:
    void paintEvent(QPaintEvent* udalost) override;

private:
    friend class TGraphDeska;
    QImage Obrazek;
    bool Vpredu = false;
    bool Oznaceny = false;
};

// ---------------------------------------------------------------------------
// Press receivers (implemented by the main window)

class THraciPole;

class IPrijemceKliku {
public:
    virtual ~IPrijemceKliku() = default;
    // Left button pressed on a field; X, Y within the control (0..60). Space
    // or Enter on the board arrive here too, as a press in the middle of the
    // field under the keyboard cursor.
    virtual void KlikNaPole(THraciPole* Prvek, int X, int Y) = 0;
    // Right button pressed on a field, or Backspace on the board.
    virtual void KrokZpet() = 0;
    // Keys 1 to 5 on the board: the editor's element 0..4.
    virtual void VolbaPrvku(int /*CisloPrvku*/) {}
};

class IPrijemceVyberu {
public:
    virtual ~IPrijemceVyberu() = default;
    // A palette element was clicked; CisloPrvku 0..4 is the item index of
    // the editor's element list.
    virtual void VyberPrvku(int CisloPrvku) = 0;
};

// ---------------------------------------------------------------------------
// Field controls

// A field of the main board view. Reports the press itself, not the release.
class TKlavesniceDesky;

class THraciPole : public TObrazek {
    Q_OBJECT
public:
    THraciPole(QWidget* Hostitel, const QRect& Poloha, const TPozice& Pozice);

    TPozice PozicePole;
    IPrijemceKliku* Prijemce = nullptr;
    TKlavesniceDesky* Klavesnice = nullptr;

    // What the field shows, kept by the drawing compositions of the board
    // view for the names read out to assistive technology.
    TPole Obsah{};

    // The keyboard cursor, drawn over the picture (never into it).
    void NastavKurzor(bool Zobrazit);
    bool MaKurzor() const { return Kurzor; }

protected:
    void mousePressEvent(QMouseEvent* udalost) override;
    void paintEvent(QPaintEvent* udalost) override;

private:
    void MouseButtonClick(Qt::MouseButton Tlacitko, int X, int Y);
    bool Kurzor = false;
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

struct TObdelnik {
    int Left, Top, Right, Bottom;  // covers Left..Right-1 and Top..Bottom-1
};

class TGraphDeska {
public:
    static constexpr int VelikostPole = 57;
    static constexpr int Okraj = 2;
    static constexpr int VelikostPrvku = VelikostPole + 2 * Okraj;  // 61
    static constexpr int PrumerKamene = 27;
    static constexpr TObdelnik ObrysKamene = {
        VelikostPrvku / 2 - PrumerKamene / 2, VelikostPrvku / 2 - PrumerKamene / 2,
        VelikostPrvku / 2 - PrumerKamene / 2 + PrumerKamene,
        VelikostPrvku / 2 - PrumerKamene / 2 + PrumerKamene};  // (17, 17, 44, 44)
    static constexpr int SirkaCile = 3;
    static constexpr int OdsazeniCisla = 2;

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

    // The font of the field numbers: the platform's small sans-serif font at
    // 8 points, without antialiasing so that a number printed again in the
    // square's colour leaves no trace.
    static QFont PismoCisla();

private:
    QPointer<QWidget> Hostitel;
    QPointer<TObrazek> Pozadi;
};

// A press position (X, Y) within a field control of the main view counts only
// inside the square: both in Okraj..VelikostPrvku-Okraj, that is 2..59.
bool JeUvnitrPole(std::int32_t X, std::int32_t Y);

// The main board view, Sloupcu x Radku (at most 9 x 9) THraciPole.
class TGraphGameDeska : public TGraphDeska {
public:
    // Fails the assertion "Zdavam vetsi rozmer desky, nez je dovoleno" for
    // more than 9 columns or rows and then creates no field controls.
    TGraphGameDeska(QWidget* Hostitel, std::int32_t Sloupcu, std::int32_t Radku, std::int32_t MezeraX,
                    std::int32_t MezeraY, std::int32_t Vlevo, std::int32_t Nahore);
    ~TGraphGameDeska() override;

    // Receiver of KlikNaPole and KrokZpet (may be null: presses do nothing).
    void NastavPrijemce(IPrijemceKliku* Prijemce);

    // The control of a position; a position outside 0..8, or without a
    // control in a smaller view, is a range error.
    THraciPole* DejPrvek(const TPozice& Pozice) const;
    // The same without the range error: null outside the view.
    THraciPole* DejPrvekNeboNic(const TPozice& Pozice) const;
    IPrijemceKliku* DejPrijemce() const { return Prijemce; }

    void KresliDesku(const TZaznamDesky& Zaznam);
    void KresliCisla(const TZaznamDesky& Zaznam, bool Zobrazit);
    void KresliCisloNa(const TPozice& Pozice, TBarva Barva, std::int32_t Cislo);
    void KresliOhraniceniNa(const TPozice& Pozice, TBarva Barva, bool Viditelne);
    void KresliVsechnaOhraniceni(TBarva Barva);
    // A jump from A to B over C.
    void KresliSkok(const TZaznamDesky& Zaznam, const TPozice& A, const TPozice& B, const TPozice& C);
    // Taking back the jump that went from B to A over C.
    void KresliNavratSkoku(const TZaznamDesky& Zaznam, const TPozice& A, const TPozice& B,
                           const TPozice& C);
    // The editor's element Prvek (0..4) put on a field: the square covers
    // stone and target frame of the former element, the border stays.
    void KresliPrvekNa(const TPozice& Pozice, TEditPrvek Prvek);

    // The keyboard cursor and the board's accessibility (KavirelKlavesnice.h).
    TKlavesniceDesky* Klavesnice() const { return Ovladani.data(); }

private:
    void OznamZmenu(const TPozice& Pozice);
    IPrijemceKliku* Prijemce = nullptr;
    QPointer<THraciPole> Prvky[RozmerDesky][RozmerDesky];  // [X][Y]
    QPointer<TKlavesniceDesky> Ovladani;
};

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
