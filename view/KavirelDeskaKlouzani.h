// SPDX-License-Identifier: GPL-3.0-or-later
// A jump's stone sliding on the main board view from where it stood to
// where it landed (about 150 ms; KavirelDeskaKlouzani.cpp). The view
// decides whether a jump slides at all and draws the stone where this says
// it is; the field it lands on is drawn without it meanwhile.
#pragma once

#include <QPointF>

#include <optional>

#include "KavirelType.h"

class QVariantAnimation;
class QWidget;

class TKlouzaniKamene {
public:
    // The animation is a child of the view and repaints it at every step.
    explicit TKlouzaniKamene(QWidget* Pohled);

    // Whether jumps slide at all (the menu's "Animace skoků").
    void Zapni(bool Zapnuto) { Zapnuta = Zapnuto; }
    bool JeZapnute() const { return Zapnuta; }

    void Spust(const TPozice& Odkud, const TPozice& Kam);
    // Stops a slide at once and repaints the view, running or not.
    void Dokonci();
    bool Bezi() const;
    // The field a running slide lands on.
    bool Nese(const TPozice& Pole) const { return Bezi() && KamSkoku == Pole; }
    // The corner of the sliding stone's control now, in the board's units.
    std::optional<QPointF> Roh() const;

private:
    QWidget* Pohled;
    QVariantAnimation* Animace;
    bool Zapnuta = true;
    TPozice OdkudSkoku, KamSkoku;
};
