// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the drawing units of the board display only: the painter on a
// control's picture and the release of a control its host may own.
#pragma once

#include <QPainter>
#include <QPointer>

#include "KavirelGraph.h"

namespace KavirelKresleni {

// Opens a painter on the picture of a control, aliased: the figures are laid
// out pixel by pixel, and a blended edge could not be painted over exactly.
// The control shows the result once the painter is gone.
class TPlatno {
public:
    explicit TPlatno(TObrazek* Prvek) : Prvek(Prvek), Platno(&Prvek->Obraz())
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
    TObrazek* Prvek;
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
