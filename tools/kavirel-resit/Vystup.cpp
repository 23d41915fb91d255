// SPDX-License-Identifier: GPL-3.0-or-later
#include "Vystup.h"

#include <cstdio>
#include <vector>

#include "KavirelJazyk.h"
#include "KavirelReseni.h"

namespace {

bool Nalezeno(const TSolveDeska& d) { return d.StavReseni == TextReseniNalezeno; }

std::string JsonRetezec(const std::string& s)
{
    std::string v = "\"";
    for (const char c : s) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            v += '\\';
            v += c;
        } else if (b < 0x20) {
            char kod[8];
            std::snprintf(kod, sizeof kod, "\\u%04x", b);
            v += kod;
        } else {
            v += c;
        }
    }
    return v + "\"";
}

std::string JsonSkok(const TTahReseni& t)
{
    return "[" + std::to_string(t.CisloOdkud) + "," + std::to_string(t.CisloKam) + "]";
}

// The jumps grouped into moves by the move list's own counting, so that the
// groups always agree with the number of moves.
std::vector<std::vector<TTahReseni>> Tahy(const TTahyReseni& reseni)
{
    std::vector<std::vector<TTahReseni>> tahy;
    TTahyReseni pocitadlo;
    for (std::int32_t i = 1; i <= reseni.DejPocet(); ++i) {
        const std::int32_t predtim = pocitadlo.DejPocetTahu();
        pocitadlo.Pridej(reseni.Skok(i));
        if (pocitadlo.DejPocetTahu() != predtim || tahy.empty())
            tahy.emplace_back();
        tahy.back().push_back(reseni.Skok(i));
    }
    return tahy;
}

} // namespace

std::string TextovyVystup(const TVysledekBehu& v)
{
    const TSolveDeska& d = *v.Deska;
    std::string t = std::string(Preloz(d.StavReseni.c_str())) + "\n";
    if (Nalezeno(d)) {
        t += Formatuj(Preloz("Potřebných tahů: %s"), std::to_string(d.Reseni.DejPocetTahu())) + "\n";
        std::string skoky;
        for (std::int32_t i = 1; i <= d.Reseni.DejPocet(); ++i) {
            const TTahReseni& s = d.Reseni.Skok(i);
            if (!skoky.empty())
                skoky += ' ';
            skoky += std::to_string(s.CisloOdkud) + "-" + std::to_string(s.CisloKam);
        }
        t += skoky + "\n";
    }
    return t;
}

std::string JsonVystup(const TVysledekBehu& v)
{
    const TSolveDeska& d = *v.Deska;
    const bool nalezeno = Nalezeno(d);
    const char* stav = nalezeno ? "found" : d.StavReseni == TextReseniPreruseno ? "stopped" : "none";

    std::string skoky, skupiny;
    for (const auto& tah : Tahy(d.Reseni)) {
        std::string skupina;
        for (const TTahReseni& s : tah) {
            const std::string j = JsonSkok(s);
            skoky += (skoky.empty() ? "" : ",") + j;
            skupina += (skupina.empty() ? "" : ",") + j;
        }
        skupiny += (skupiny.empty() ? "[" : ",[") + skupina + "]";
    }

    std::string j = "{";
    j += "\"board\":" + JsonRetezec(v.Nazev);
    j += std::string(",\"type\":\"") + (v.Typ == thNormalni ? "normal" : "leibniz") + "\"";
    j += std::string(",\"mode\":\"") + (v.Nejmene ? "minimum" : v.Nejkratsi ? "shortest" : "fastest") + "\"";
    j += std::string(",\"status\":\"") + stav + "\"";
    j += ",\"moves\":" + (nalezeno ? std::to_string(d.Reseni.DejPocetTahu()) : std::string("null"));
    j += ",\"jumps\":[" + skoky + "]";
    j += ",\"move_groups\":[" + skupiny + "]";
    j += ",\"positions\":" + std::to_string(v.Pozic);
    j += ",\"elapsed_ms\":" + std::to_string(v.Milisekund);
    return j + "}\n";
}
