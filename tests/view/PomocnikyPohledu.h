// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the view tests: boards, colour sets and pixel reading.
#pragma once

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "KavirelDeska.h"
#include "KavirelGraph.h"

// What the views report, in order: the board by its signals, the palette
// to its receiver.
struct Zaznamnik : IPrijemceVyberu {
    std::vector<TPozice> kliky;                          // fields pressed
    std::vector<std::pair<TPozice, TPozice>> tahy;       // stones dragged
    int krokuZpet = 0;
    std::vector<int> volby;   // elements chosen by key
    std::vector<int> vybery;  // palette elements clicked

    void Pripoj(TGraphGameDeska& Deska)
    {
        QObject::connect(&Deska, &TGraphGameDeska::Stisknuto, [this](TPozice p) { kliky.push_back(p); });
        QObject::connect(&Deska, &TGraphGameDeska::Pretazeno,
                         [this](TPozice a, TPozice b) { tahy.emplace_back(a, b); });
        QObject::connect(&Deska, &TGraphGameDeska::KrokZpetPozadan, [this] { ++krokuZpet; });
        QObject::connect(&Deska, &TGraphGameDeska::PrvekZvolen, [this](int i) { volby.push_back(i); });
    }
    void VyberPrvku(int CisloPrvku) override { vybery.push_back(CisloPrvku); }
};

// Eight distinct colours, so that a pixel tells which member painted it.
inline TBarvy RozlisenaSada()
{
    TBarvy b;
    b.BarvaVyber = 0x00102030;
    b.BarvaPole = 0x00203040;
    b.BarvaKamen = 0x00304050;
    b.BarvaCislo = 0x00405060;
    b.BarvaCisloPrubeh = 0x00506070;
    b.BarvaCilove = 0x00607080;
    b.BarvaMrizka = 0x00708090;
    b.BarvaDeska = 0x008090A0;
    return b;
}

// What the control shows on screen, read back through its own painting.
inline QImage Snimek(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline TBarva Bod(const QImage& img, int x, int y)
{
    return BarvaZQColor(img.pixelColor(x, y));
}

inline TBarva Bod(QWidget* w, int x, int y)
{
    return Bod(Snimek(w), x, y);
}

// What the board shows of a field: the pixels of the field's control.
inline QImage SnimekPole(TGraphGameDeska& Deska, const TPozice& Pozice)
{
    return Deska.grab(Deska.PolohaPole(Pozice).toAlignedRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

// A record with marks laid over it, and how every field then looks, as the
// game session would tell the board.
struct TUkazka {
    TZaznamDesky Zaznam = PrazdnyZaznam();
    bool Cisla = false;              // every present field's number
    bool VsechnaPole = false;        // every position offered (the editor)
    std::optional<TPozice> Vyber;    // the selected stone
    std::vector<TPozice> Zvyraznena; // numbers in the replay colour

    std::vector<TZmenenePole> Pole() const
    {
        std::vector<TZmenenePole> pole;
        for (int y = 0; y < RozmerDesky; ++y)
            for (int x = 0; x < RozmerDesky; ++x) {
                const TPozice p{x, y};
                const TPole& z = Zaznam.Pole[x][y];
                TVzhledPole v;
                v.Stav = z.Stav;
                const bool existuje = z.Stav == spPrazdne || z.Stav == spPlne;
                v.Cilove = existuje && z.Cilove != 0;
                v.Cislo = z.Cislo;
                v.Nabizene = existuje || VsechnaPole;
                v.Vybrane = Vyber == p;
                if (existuje)
                    v.Zobrazeni = std::find(Zvyraznena.begin(), Zvyraznena.end(), p) != Zvyraznena.end() ? zcZvyraznene
                                  : Cisla                                                                  ? zcCislo
                                                                                                           : zcZadne;
                pole.push_back({p, v});
            }
        return pole;
    }
};

inline TUkazka ObrazZaznamu(const TZaznamDesky& z)
{
    TUkazka u;
    u.Zaznam = z;
    return u;
}

// The English cross: 33 fields, every one full except the centre.
inline TZaznamDesky AnglickyKriz()
{
    TZaznamDesky z = PrazdnyZaznam();
    int cislo = 0;
    for (int y = 1; y <= 7; ++y)
        for (int x = 1; x <= 7; ++x) {
            const bool kriz = (x >= 3 && x <= 5) || (y >= 3 && y <= 5);
            if (!kriz)
                continue;
            TPole& p = z.Pole[x][y];
            p.Stav = (x == 4 && y == 4) ? spPrazdne : spPlne;
            p.Cislo = std::uint8_t(++cislo);
        }
    return z;
}
