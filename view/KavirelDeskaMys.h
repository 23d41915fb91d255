// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse on the main board view (KavirelDeskaMys.cpp): a press on a
// field, the selected stone carried onto another field, the editor's
// painting over every field the pressed mouse passes, and the right
// button's step back.
//
// Like the keyboard (TKlavesniceDesky, KavirelDeska.h) it decides nothing
// about the game: it reports by the view's own signals, and the owner's
// answer to a press tells it whether a stone may be carried away.
#pragma once

#include <QPointF>

#include <cstdint>
#include <optional>

#include "KavirelType.h"

class QMouseEvent;
class TGraphGameDeska;

// What the mouse does on the board besides a press.
enum class TTazeni : std::uint8_t {
    Zadne,    // nothing: a press is all
    Kamen,    // the selected stone can be dragged onto another field
    Malovani  // every field the pressed mouse passes is pressed (the editor)
};

class TMysDesky {
public:
    explicit TMysDesky(TGraphGameDeska& Pohled) : Pohled(Pohled) {}

    // The tab in front chooses; a change ends a drag in progress.
    void NastavTazeni(TTazeni Tazeni);
    // The view has taken new fields: a stone stays carried only while it
    // stays the selected one.
    void PoZmenePoli();

    void Stisk(const QMouseEvent& Udalost);
    void Pohyb(const QMouseEvent& Udalost);
    void Uvolneni(const QMouseEvent& Udalost);

    // The field whose stone is lifted and follows the mouse, and the point
    // it follows; none until the mouse has gone far enough to be a drag
    // rather than a shaky click.
    bool Nese(const TPozice& Pole) const { return Stav.Tahne && Stav.TazenyKamen == Pole; }
    std::optional<QPointF> BodNeseneho() const;
    // The drop being reported has put the stone in place already, so a jump
    // it makes needs no slide.
    bool PoTazeni() const { return Polozeno; }

private:
    void MalujAz(const QPointF& Bod);
    void Ukonci();

    TGraphGameDeska& Pohled;
    TTazeni Rezim = TTazeni::Zadne;
    // A drag in progress: where it began, where the mouse is, and whether it
    // has gone far enough to be a drag.
    struct TStavMysi {
        std::optional<TPozice> TazenyKamen;
        std::optional<TPozice> MalovanePole;
        QPointF BodStisku;
        QPointF BodMysi;
        bool Tahne = false;
    } Stav;
    bool Polozeno = false;
};
