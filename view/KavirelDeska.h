// SPDX-License-Identifier: GPL-3.0-or-later
// The main board view: one widget that draws a whole board, as large as the
// room it is given, and says what the player does on it.
//
// The widget keeps no picture: it is told what each field looks like (the
// game session's TVzhledPole, KavirelRelace.h) and paints that in its paint
// event, from the board's own units (the geometry
// of TGraphDeska: fields of 61 units every 59 units, a board of 533 units)
// scaled to its size. At one pixel a unit it paints pixel for pixel as the
// field controls always have; at any other scale the same shapes with soft
// edges, never a stretched picture.
//
// It decides nothing about the game. A press on a field, a stone dragged
// onto another field, a step back and an element key are reported by
// signals; whoever owns the game answers by showing what changed.
//
// The mouse (TMysDesky, KavirelDeskaMys.h) and the keyboard (TKlavesniceDesky,
// below) report for it; a jump's sliding stone is TKlouzaniKamene's
// (KavirelDeskaKlouzani.h).
#pragma once

#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

#include <QAccessible>

#include "KavirelDeskaMys.h"
#include "KavirelGraph.h"
#include "KavirelRelace.h"
#include "KavirelType.h"

class TKlavesniceDesky;
class TKlouzaniKamene;

class TGraphGameDeska : public QWidget {
    Q_OBJECT
public:
    // The board's side in its own units: nine fields of 59 and the last
    // field's outer ring.
    static constexpr int StranaDesky = RozmerDesky * (TGraphDeska::VelikostPole + 2) + TGraphDeska::Okraj;
    // The distance between two neighbouring fields.
    static constexpr int RozestupPoli = TGraphDeska::VelikostPole + 2;

    explicit TGraphGameDeska(QWidget* rodic = nullptr);
    ~TGraphGameDeska() override;

    // The fields whose look changed (all 81 for a new board).
    void ZmenPole(const std::vector<TZmenenePole>& Pole);
    const TVzhledPole& DejPole(const TPozice& Pozice) const;
    void NastavTazeni(TTazeni Tazeni);

    // A jump's stone slides from where it stood to where it landed (about
    // 150 ms), unless the animation is off or the stone was carried there
    // by a drag. Whatever the board is told next finishes it at once, so
    // the picture never lags behind the game.
    void NastavAnimaci(bool Zapnuto);
    void AnimujSkok(const TPozice& Odkud, const TPozice& Kam);
    void DokonciAnimaci();
    bool AnimaceBezi() const;

    void NastavBarvy(const TBarvy& NoveBarvy);  // repaints
    const TBarvy& DejBarvy() const { return Barvy; }

    // Pixels a unit, and where the control of a field stands in the widget.
    qreal Meritko() const;
    QRectF PolohaPole(const TPozice& Pozice) const;
    // The field whose square holds the point, among the fields offered.
    std::optional<TPozice> PoleNaBode(const QPointF& Bod) const;
    // The control under the point, the topmost where two rings overlap;
    // unlike PoleNaBode, a control's ring outside its square counts too.
    std::optional<TPozice> PrvekNaBode(const QPointF& Bod) const;
    // A position that can be pressed: a present field, or in the editor any
    // position.
    bool JeNabizene(const TPozice& Pozice) const;

    // The keyboard cursor and the board's accessibility (below).
    TKlavesniceDesky* Klavesnice() const { return Ovladani; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The left button or Space pressed on a field (the press itself, not
    // the release); the editor's drag reports each field it enters.
    void Stisknuto(TPozice Pole);
    // The selected stone dragged from one field and dropped on another.
    void Pretazeno(TPozice Odkud, TPozice Kam);
    // The right button on a field, or Backspace.
    void KrokZpetPozadan();
    // Keys 1 to 5: the editor's element 0..4.
    void PrvekZvolen(int Prvek);

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;

private:
    QPointF Pocatek() const;
    QPointF NaJednotky(const QPointF& Bod) const;
    void KresliPole(QPainter& Platno, const TPozice& Pozice, bool Presne) const;
    // A stone off its field, carried or sliding: smooth at any scale, its
    // control's corner at Roh (units).
    void KresliVolnyKamen(QPainter& Platno, const QPointF& Roh) const;
    void OznamZmeny(const std::vector<TZmenenePole>& Pole, bool NoveRozlozeni);

    TVzhledPole Pole[RozmerDesky][RozmerDesky] = {};  // [X][Y]
    TBarvy Barvy;
    TKlavesniceDesky* Ovladani = nullptr;  // a child, released first
    TMysDesky Mys{*this};
    std::unique_ptr<TKlouzaniKamene> Klouzani;
};

// The board for players without a mouse (KavirelDeskaKlavesnice.cpp): the
// keyboard cursor on the board and the board as a grid of named fields for
// assistive technology.
//
// The board view takes the keyboard focus. The arrow keys move a cursor over
// the fields it offers (the fields of the board; in the editor every
// position); Space and Enter press the field under the cursor, Backspace
// steps back, 1 to 5 choose the editor's element. A key reports what the
// mouse reports, by the view's own signals.
class TKlavesniceDesky : public QObject {
    Q_OBJECT
public:
    explicit TKlavesniceDesky(TGraphGameDeska* Pohled);
    ~TKlavesniceDesky() override;

    TGraphGameDeska* Pohled() const { return PohledDesky; }

    // Where the cursor stands, and whether it is drawn.
    TPozice Pozice() const { return Kurzor; }
    bool JeKurzorVidet() const;
    // Moves the cursor to a field offered; other positions are refused.
    bool PresunKurzor(const TPozice& Pozice);

    // The fields offered, in reading order (rows from the top).
    int PocetNabizenych() const;
    std::optional<TPozice> Nabizene(int Index) const;
    int IndexNabizeneho(const TPozice& Pozice) const;

    // The interface of a position for assistive technology, made once and
    // kept while the board lives.
    QAccessibleInterface* Bunka(const TPozice& Pozice);

    // Reports of the board view.
    void StiskMysi(const TPozice& Pole);
    void PoNoveDesce();
    void PoZmenePole(const TPozice& Pole);
    void PoZmeneOznaceni(const TPozice& Pole);

protected:
    bool eventFilter(QObject* Objekt, QEvent* Udalost) override;

private:
    bool Klavesa(int Klavesa, Qt::KeyboardModifiers Modifikatory);
    void Posun(int dx, int dy);
    void OznamBunce(const TPozice& Pole, QAccessible::Event Druh);
    void OznamKurzor();

    TGraphGameDeska* PohledDesky;
    TPozice Kurzor{0, 0};
    bool PosledniVstupKlavesa = false;
    bool MaFokus = false;
    QAccessible::Id Bunky[RozmerDesky][RozmerDesky] = {};
};

// The name of a field as read out: "Pole 12: kámen, cílové pole",
// "Pole 5: prázdné"; a field without a number yet (new in the editor) and a
// position without a field (offered only in the editor) by column and row.
QString JmenoPole(const TVzhledPole& Pole, const TPozice& Pozice);
