// SPDX-License-Identifier: GPL-3.0-or-later
#include "Vystup.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "KavirelJazyk.h"
#include "KavirelReseni.h"

namespace {

// Nobody interrupts this program's search but its own --limit: the window's
// "stopped by the user" would be untrue here.
const char* TextKonce(TKonecUlohy konec)
{
    switch (konec) {
    case TKonecUlohy::Nalezeno:
        return TextReseniNalezeno;
    case TKonecUlohy::Neexistuje:
        return TextReseniNeexistuje;
    case TKonecUlohy::Preruseno:
    case TKonecUlohy::Chyba:
        break;
    }
    return TextLimitVyprsel;
}

const char* JsonKonce(TKonecUlohy konec)
{
    switch (konec) {
    case TKonecUlohy::Nalezeno:
        return "found";
    case TKonecUlohy::Neexistuje:
        return "none";
    case TKonecUlohy::Preruseno:
    case TKonecUlohy::Chyba:
        break;
    }
    return "stopped";
}

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

std::string TextSkoku(const std::vector<TTahReseni>& skoky)
{
    std::string t;
    for (const TTahReseni& s : skoky)
        t += (t.empty() ? "" : " ") + std::to_string(s.CisloOdkud) + "-" + std::to_string(s.CisloKam);
    return t;
}

std::string JsonSkoku(const std::vector<TTahReseni>& skoky)
{
    std::string t;
    for (const TTahReseni& s : skoky)
        t += (t.empty() ? "" : ",") + JsonSkok(s);
    return "[" + t + "]";
}

// The jumps of the first move and of the rest.
std::pair<std::vector<TTahReseni>, std::vector<TTahReseni>> PrvniTahAZbytek(const TTahyReseni& reseni)
{
    std::pair<std::vector<TTahReseni>, std::vector<TTahReseni>> v;
    const auto tahy = Tahy(reseni);
    for (std::size_t i = 0; i < tahy.size(); ++i)
        (i == 0 ? v.first : v.second).insert((i == 0 ? v.first : v.second).end(), tahy[i].begin(), tahy[i].end());
    return v;
}

} // namespace

const char* const TextLimitVyprsel = N_("Hledání zastaveno: vypršel časový limit");

std::string TextovyVystup(const TVysledekBehu& v)
{
    const TSolveDeska& d = *v.Deska;
    std::string t = std::string(Preloz(TextKonce(v.Konec))) + "\n";
    if (v.Konec == TKonecUlohy::Nalezeno) {
        t += Formatuj(Preloz("Potřebných tahů: %s"), std::to_string(d.Reseni.DejPocetTahu())) + "\n";
        if (v.Rada) {
            const auto [prvni, zbytek] = PrvniTahAZbytek(d.Reseni);
            t += Formatuj(Preloz("První tah: %s"), TextSkoku(prvni)) + "\n";
            t += Formatuj(Preloz("Zbytek řešení: %s"), TextSkoku(zbytek)) + "\n";
        } else {
            std::vector<TTahReseni> skoky;
            for (std::int32_t i = 1; i <= d.Reseni.DejPocet(); ++i)
                skoky.push_back(d.Reseni.Skok(i));
            t += TextSkoku(skoky) + "\n";
        }
    }
    return t;
}

std::string JsonVystup(const TVysledekBehu& v)
{
    const TSolveDeska& d = *v.Deska;
    const bool nalezeno = v.Konec == TKonecUlohy::Nalezeno;

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
    j += std::string(",\"mode\":\"")
         + (v.Rada ? "hint" : v.Nejmene ? "minimum" : v.Nejkratsi ? "shortest" : "fastest") + "\"";
    j += std::string(",\"status\":\"") + JsonKonce(v.Konec) + "\"";
    j += ",\"moves\":" + (nalezeno ? std::to_string(d.Reseni.DejPocetTahu()) : std::string("null"));
    j += ",\"jumps\":[" + skoky + "]";
    j += ",\"move_groups\":[" + skupiny + "]";
    if (v.Rada) {
        const auto [prvni, zbytek] = PrvniTahAZbytek(d.Reseni);
        j += ",\"first_move\":" + JsonSkoku(prvni);
        j += ",\"rest\":" + JsonSkoku(zbytek);
    }
    j += ",\"positions\":" + std::to_string(v.Pozic);
    j += ",\"elapsed_ms\":" + std::to_string(v.Milisekund);
    return j + "}\n";
}
