// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelKresba.h"

#include <cstring>

#include "KavirelJazyk.h"
#include "KavirelZnaky.h"

namespace {

const char* const TypNormalni = "normální";
const char* const TypLeibniz = "leibniz";

std::string OrizniVpravo(const std::string& s)
{
    std::size_t konec = s.size();
    while (konec > 0 && (s[konec - 1] == ' ' || s[konec - 1] == '\t' || s[konec - 1] == '\r'))
        --konec;
    return s.substr(0, konec);
}

std::string OrizniVlevo(const std::string& s)
{
    std::size_t zacatek = 0;
    while (zacatek < s.size() && (s[zacatek] == ' ' || s[zacatek] == '\t'))
        ++zacatek;
    return s.substr(zacatek);
}

std::string MalaAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The first byte of a line that is no text (tab aside, which the rows
// refuse with a message of their own); npos when there is none.
std::size_t RidiciZnak(const std::string& radek)
{
    for (std::size_t i = 0; i < radek.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(radek[i]);
        if ((b < 0x20 && b != '\t') || b == 0x7F)
            return i;
    }
    return std::string::npos;
}

std::string Hex(char c)
{
    static const char Cislice[] = "0123456789ABCDEF";
    const unsigned char b = static_cast<unsigned char>(c);
    return std::string("0x") + Cislice[b >> 4] + Cislice[b & 15];
}

// The whole character starting at byte i, for a message about it.
std::string ZnakNa(const std::string& s, std::size_t i)
{
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b == '\t')
        return Preloz("tabulátor");
    if (b < 0x20 || b == 0x7F)
        return Preloz("řídicí znak");
    std::size_t delka = 1;
    while (b >= 0xC0 && i + delka < s.size() && (static_cast<unsigned char>(s[i + delka]) & 0xC0) == 0x80
           && delka < 4)
        ++delka;
    return Formatuj(Preloz("„%s“"), s.substr(i, delka));
}

struct TCteni {
    TZaznamDesky Zaznam = PrazdnyZaznam();
    bool MaTyp = false, MaNazev = false, RadkyZacaly = false;
    int Y = 0;             // the next row's index
    int PrazdnychRadku = 0; // blank lines since the last row
    TChybaKresby Chyba;

    bool Chybne(int radek, const std::string& zprava)
    {
        Chyba.Radek = radek;
        Chyba.Zprava = zprava;
        return false;
    }

    // radekText without the blanks at its end, surovyText with them.
    bool Hlavicka(int radek, const std::string& radekText, const std::string& surovyText, std::size_t dvojtecka)
    {
        const std::string klic = MalaAscii(OrizniVpravo(OrizniVlevo(radekText.substr(0, dvojtecka))));
        const std::string hodnota = OrizniVpravo(OrizniVlevo(radekText.substr(dvojtecka + 1)));
        if (RadkyZacaly)
            return Chybne(radek, Formatuj(Preloz("údaj „%s“ musí stát před řádky desky"), klic));
        if (klic == "typ") {
            if (MaTyp)
                return Chybne(radek, Preloz("typ hry je uveden dvakrát"));
            const std::string typ = MalaAscii(hodnota);
            if (typ == TypNormalni || typ == "normalni")
                Zaznam.TypHry = thNormalni;
            else if (typ == TypLeibniz)
                Zaznam.TypHry = thLeibniz;
            else
                return Chybne(radek, Formatuj(Preloz("neznámý typ hry „%s“ (platí normální nebo leibniz)"), hodnota));
            MaTyp = true;
            return true;
        }
        if (klic == "název" || klic == "nazev") {
            if (MaNazev)
                return Chybne(radek, Preloz("název je uveden dvakrát"));
            // Everything after the colon and one blank is the name, spaces
            // at its ends included: that is how drawings write it.
            std::string nazev = surovyText.substr(dvojtecka + 1);
            if (!nazev.empty() && (nazev.front() == ' ' || nazev.front() == '\t'))
                nazev.erase(0, 1);
            if (nazev.find('\t') != std::string::npos)
                return Chybne(radek, Preloz("název obsahuje tabulátor"));
            std::string bajty;
            if (!Utf8NaCp1250(nazev, bajty))
                return Chybne(radek, Preloz("název obsahuje znak, který deska nemůže nést"));
            if (bajty.size() > static_cast<std::size_t>(MaxDelkaNazvu))
                return Chybne(radek, Preloz("název je delší než 30 znaků"));
            NastavNazev(Zaznam, bajty);
            MaNazev = true;
            return true;
        }
        return Chybne(radek, Formatuj(Preloz("neznámý údaj „%s“ (platí typ a název)"), klic));
    }

    bool Radek(int radek, const std::string& text)
    {
        RadkyZacaly = true;
        Y += PrazdnychRadku;
        PrazdnychRadku = 0;
        if (Y >= RozmerDesky)
            return Chybne(radek, Preloz("deska má víc než 9 řádků"));
        int x = 0;
        for (std::size_t i = 0; i < text.size(); ++i, ++x) {
            const char c = text[i];
            if (c != 'o' && c != '.' && c != 'O' && c != '*' && c != ' ' && c != '-')
                return Chybne(radek, Formatuj(Preloz("neznámý znak %s (platí o . O * mezera -)"), ZnakNa(text, i)));
            if (x >= RozmerDesky)
                return Chybne(radek, Preloz("řádek má víc než 9 znaků"));
            TPole& pole = Zaznam.Pole[x][Y];
            if (c == 'o' || c == 'O')
                pole.Stav = spPlne;
            else if (c == '.' || c == '*')
                pole.Stav = spPrazdne;
            pole.Cilove = (c == 'O' || c == '*') ? 1 : 0;
        }
        ++Y;
        return true;
    }
};

} // namespace

bool CtiKresbu(const std::string& text, TZaznamDesky& zaznam, TChybaKresby& chyba)
{
    TCteni cteni;
    std::size_t zacatek = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        zacatek = 3;
    int cislo = 0;
    bool ok = true;
    while (ok && zacatek <= text.size()) {
        // A line ends at LF, CR LF or a lone CR (old Mac files), so that the
        // numbers given are the ones an editor shows.
        std::size_t konec = text.find_first_of("\r\n", zacatek);
        if (konec == std::string::npos)
            konec = text.size();
        const std::string surovy = text.substr(zacatek, konec - zacatek);
        zacatek = konec + (text.compare(konec, 2, "\r\n") == 0 ? 2 : 1);
        ++cislo;

        // A drawing is text on every line, wherever the line lies.
        const std::size_t ridici = RidiciZnak(surovy);
        if (ridici != std::string::npos) {
            ok = cteni.Chybne(cislo, Formatuj(Preloz("řádek obsahuje řídicí znak (bajt %s)"), Hex(surovy[ridici])));
            break;
        }
        const std::string radek = OrizniVpravo(surovy);
        const std::string obsah = OrizniVlevo(radek);
        if (!obsah.empty() && obsah[0] == '#')
            continue;
        if (obsah.empty()) {
            if (cteni.RadkyZacaly)
                ++cteni.PrazdnychRadku;
            continue;
        }
        const std::size_t dvojtecka = radek.find(':');
        ok = dvojtecka != std::string::npos ? cteni.Hlavicka(cislo, radek, surovy, dvojtecka)
                                            : cteni.Radek(cislo, radek);
    }
    if (ok && !cteni.RadkyZacaly)
        ok = cteni.Chybne(0, Preloz("kresba nemá žádný řádek desky"));
    if (!ok) {
        chyba = cteni.Chyba;
        return false;
    }
    std::memcpy(&zaznam, &cteni.Zaznam, sizeof zaznam);
    return true;
}

std::string KresbaDesky(const TZaznamDesky& zaznam)
{
    std::string nazev = Cp1250NaUtf8(DejNazev(zaznam));
    for (char& c : nazev)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    std::string text = std::string("typ: ") + (zaznam.TypHry == thNormalni ? TypNormalni : TypLeibniz) + "\n";
    text += nazev.empty() ? "název:\n" : "název: " + nazev + "\n";
    for (int y = 0; y < RozmerDesky; ++y) {
        for (int x = 0; x < RozmerDesky; ++x) {
            const TPole& pole = zaznam.Pole[x][y];
            const bool cil = pole.Cilove != 0;
            switch (pole.Stav) {
            case spPlne: text += cil ? 'O' : 'o'; break;
            case spPrazdne: text += cil ? '*' : '.'; break;
            default: text += '-'; break;
            }
        }
        text += '\n';
    }
    return text;
}

bool VypadaJakoKresba(const std::string& zacatek)
{
    // Every valid record starts with the state of its first field: 0, 1 or
    // 2, a byte no text starts with. What else the first bytes hold is for
    // the drawing's reader to judge, line by line.
    return !zacatek.empty() && static_cast<unsigned char>(zacatek[0]) > spPlne;
}
