// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelDeskaMys.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "KavirelDeska.h"

void TMysDesky::NastavTazeni(TTazeni Tazeni)
{
    if (Tazeni != Rezim)
        Ukonci();
    Rezim = Tazeni;
}

void TMysDesky::PoZmenePoli()
{
    if (Stav.TazenyKamen && !Pohled.DejPole(*Stav.TazenyKamen).Vybrane)
        Ukonci();
}

std::optional<QPointF> TMysDesky::BodNeseneho() const
{
    if (!Stav.Tahne || !Stav.TazenyKamen)
        return std::nullopt;
    return Stav.BodMysi;
}

void TMysDesky::Stisk(const QMouseEvent& Udalost)
{
    TKlavesniceDesky* klavesnice = Pohled.Klavesnice();
    const QPointF bod = Udalost.position();
    if (Udalost.button() == Qt::RightButton) {
        if (const std::optional<TPozice> prvek = Pohled.PrvekNaBode(bod)) {
            if (klavesnice != nullptr)
                klavesnice->StiskMysi(*prvek);
            emit Pohled.KrokZpetPozadan();
        }
        return;
    }
    if (Udalost.button() != Qt::LeftButton)
        return;
    Ukonci();
    Pohled.DokonciAnimaci();
    if (const std::optional<TPozice> prvek = Pohled.PrvekNaBode(bod); prvek && klavesnice != nullptr)
        klavesnice->StiskMysi(*prvek);
    const std::optional<TPozice> pole = Pohled.PoleNaBode(bod);
    if (!pole)
        return;
    Stav.BodStisku = Stav.BodMysi = bod;
    const TTazeni tazeni = Rezim;
    emit Pohled.Stisknuto(*pole);
    // The owner has answered the press by now: a stone it keeps selected
    // on the pressed field can be carried away.
    if (tazeni != Rezim)
        return;
    if (tazeni == TTazeni::Malovani)
        Stav.MalovanePole = pole;
    else if (tazeni == TTazeni::Kamen && Pohled.DejPole(*pole).Vybrane && Pohled.DejPole(*pole).Stav == spPlne)
        Stav.TazenyKamen = pole;
}

void TMysDesky::Pohyb(const QMouseEvent& Udalost)
{
    if (!(Udalost.buttons() & Qt::LeftButton))
        return;
    const QPointF bod = Udalost.position();
    if (Stav.MalovanePole) {
        MalujAz(bod);
        return;
    }
    if (!Stav.TazenyKamen)
        return;
    Stav.BodMysi = bod;
    if (!Stav.Tahne && (bod - Stav.BodStisku).manhattanLength() >= QApplication::startDragDistance())
        Stav.Tahne = true;
    if (Stav.Tahne)
        Pohled.update();
}

void TMysDesky::MalujAz(const QPointF& Bod)
{
    // Every field along the way, also when the mouse moves faster than a
    // field between two of its reports.
    const QPointF od = Stav.BodMysi;
    const qreal krok = std::max<qreal>(1.0, TGraphGameDeska::RozestupPoli * Pohled.Meritko() / 4);
    const int kroku = std::max(1, int(std::ceil(std::hypot(Bod.x() - od.x(), Bod.y() - od.y()) / krok)));
    for (int i = 1; i <= kroku && Stav.MalovanePole; ++i) {
        const std::optional<TPozice> p = Pohled.PrvekNaBode(od + (Bod - od) * (qreal(i) / kroku));
        if (p && p != Stav.MalovanePole) {
            Stav.MalovanePole = p;
            emit Pohled.Stisknuto(*p);
        }
    }
    Stav.BodMysi = Bod;
}

void TMysDesky::Uvolneni(const QMouseEvent& Udalost)
{
    if (Udalost.button() != Qt::LeftButton)
        return;
    const std::optional<TPozice> odkud = Stav.TazenyKamen;
    const bool tahne = Stav.Tahne;
    Ukonci();
    if (!odkud || !tahne)
        return;
    Pohled.update();
    // A drop anywhere but on another field only puts the stone back.
    const std::optional<TPozice> kam = Pohled.PoleNaBode(Udalost.position());
    if (kam && *kam != *odkud) {
        Polozeno = true;
        emit Pohled.Pretazeno(*odkud, *kam);
        Polozeno = false;
    }
}

void TMysDesky::Ukonci()
{
    if (Stav.Tahne)
        Pohled.update();
    Stav = TStavMysi{};
}
