// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry and the parts of one field, shared by every view that draws
// fields: the main board, the editor's palette and the samples of the legend
// and colour windows.
//
// A field is drawn in its own units: a control of 61 x 61 units with its
// origin at the top-left corner. Whoever paints sets the painter's transform
// from units to pixels. `Presne` says that a unit is a whole number of
// pixels (Pomer of them) on a whole pixel: the figures are then laid out
// pixel by pixel, aliased, so that a figure painted again in the square's
// colour leaves no trace; otherwise they are drawn as shapes with soft
// edges, sharp at any scale.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <cstdint>

namespace KavirelKresleni {

struct TObdelnik {
    int Left, Top, Right, Bottom;  // covers Left..Right-1 and Top..Bottom-1
};

constexpr int VelikostPole = 57;
constexpr int Okraj = 2;
constexpr int VelikostPrvku = VelikostPole + 2 * Okraj;  // 61
constexpr int PrumerKamene = 27;
constexpr TObdelnik ObrysKamene = {
    VelikostPrvku / 2 - PrumerKamene / 2, VelikostPrvku / 2 - PrumerKamene / 2,
    VelikostPrvku / 2 - PrumerKamene / 2 + PrumerKamene,
    VelikostPrvku / 2 - PrumerKamene / 2 + PrumerKamene};  // (17, 17, 44, 44)
constexpr int SirkaCile = 3;
constexpr int OdsazeniCisla = 2;

// The font of the field numbers: the platform's small sans-serif font at 8
// points, without antialiasing so that a number printed again in the
// square's colour leaves no trace. Drawn at another scale than a pixel for
// a unit, the same face smooth.
QFont PismoCisla(bool Presne = true);

void KresliCtverec(QPainter& Platno, const QColor& Barva);
// A field's border ring, square and (when Cil is given) target frame at
// once, each a layer over the one below rather than strips meeting edge to
// edge, so that no seam shows at any scale; pixel for pixel what the ring,
// the square and the frame drawn one after the other give.
void KresliZaklad(QPainter& Platno, const QColor& Okraj, const QColor& Ctverec, const QColor* Cil);
void KresliKotouc(QPainter& Platno, const QColor& Barva, bool Presne, qreal Pomer);
void KresliRamCile(QPainter& Platno, const QColor& Barva);
void KresliOkraj(QPainter& Platno, const QColor& Barva);
void KresliText(QPainter& Platno, const QColor& Barva, std::int32_t Cislo, bool Presne);
// The keyboard cursor: a square ring inside the target frame and around
// the stone, black, yellow, black, so that it shows on any colour.
void KresliKurzor(QPainter& Platno);

// Opens a painter on the picture of a control, aliased: the figures are laid
// out pixel by pixel, and a blended edge could not be painted over exactly.
// The control shows the result once the painter is gone.
class TPlatno {
public:
    TPlatno(QWidget* Prvek, QImage& Obraz) : Prvek(Prvek), Platno(&Obraz)
    {
        Platno.setRenderHint(QPainter::Antialiasing, false);
        Platno.setRenderHint(QPainter::TextAntialiasing, false);
    }
    ~TPlatno()
    {
        Platno.end();
        Prvek->update();
    }
    TPlatno(const TPlatno&) = delete;
    TPlatno& operator=(const TPlatno&) = delete;

    QPainter& operator*() { return Platno; }
    QPainter* operator->() { return &Platno; }

private:
    QWidget* Prvek;
    QPainter Platno;
};

// A control is a child of the host, so the host may have released it
// already; only a control still alive is released here.
template <typename T>
inline void Uvolni(QPointer<T>& Prvek)
{
    delete Prvek.data();
    Prvek.clear();
}

}  // namespace KavirelKresleni
