// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelFile.h"

#include <cstring>
#include <iostream>
#include <new>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "KavirelSoubory.h"

namespace {

const char* const Jednotka = "KavirelFile";

const char* const ZpravaPamet = "Nedostatek paměti pro vytvoření seznamu desek.";
const char* const ZpravaOtevreni = "Soubor se nepodařilo otevřít!";
const char* const ZpravaCteniExterni = "Chyba pri čtení ze souboru. Deska nenahrána!";
const char* const ZpravaUkladani = "Chyba při ukládání souboru!";
const char* const ZpravaZapisExterni = "Chyba při zapisování do souboru!";
const char* const ZpravaZvlastniCteni =
    "Soubor není obyčejný soubor (je to roura, zařízení nebo soket). Deska nenahrána!";
const char* const ZpravaZvlastniZapis =
    "Soubor není obyčejný soubor (je to roura, zařízení nebo soket). Deska neuložena!";

THlaseniChyby& Hlaseni()
{
    static THlaseniChyby hlaseni;
    return hlaseni;
}

} // namespace

void NastavHlaseniChyby(THlaseniChyby hlaseni)
{
    Hlaseni() = std::move(hlaseni);
}

void ChybovaZprava(const std::string& textUtf8)
{
    if (Hlaseni())
        Hlaseni()(textUtf8);
    else
        std::cerr << textUtf8 << '\n';
}

// ---------------------------------------------------------------------------
// TSeznamDesek

std::unique_ptr<TSeznamDesek> SeznamDesek;

TSeznamDesek::TSeznamDesek()
{
    Zacatek.Deska = PrazdnyZaznam();
    Konec.Deska = PrazdnyZaznam();
    Zacatek.PredchoziPrvek = &Konec;
    Zacatek.DalsiPrvek = &Konec;
    Konec.PredchoziPrvek = &Zacatek;
    Konec.DalsiPrvek = &Zacatek;
}

TSeznamDesek::~TSeznamDesek()
{
    UvolniVse();
}

TPrvekSeznamu* TSeznamDesek::NovyPrvek()
{
    return new (std::nothrow) TPrvekSeznamu;
}

void TSeznamDesek::UvolniVse()
{
    TPrvekSeznamu* prvek = Zacatek.DalsiPrvek;
    while (prvek != &Konec) {
        TPrvekSeznamu* dalsi = prvek->DalsiPrvek;
        delete prvek;
        prvek = dalsi;
    }
    Zacatek.DalsiPrvek = &Konec;
    Konec.PredchoziPrvek = &Zacatek;
    PocetDesek = 0;
    AktualniDeska = nullptr;
}

void TSeznamDesek::PridejDesku(const TZaznamDesky& zaznam)
{
    if (!ZkusPridatDesku(zaznam))
        ChybovaZprava(ZpravaPamet);
}

bool TSeznamDesek::ZkusPridatDesku(const TZaznamDesky& zaznam)
{
    // Check the counter before allocating so that an overflow leaves nothing behind.
    std::int32_t novyPocet = PocetDesek;
    Inc(novyPocet);

    TPrvekSeznamu* prvek = NovyPrvek();
    if (prvek == nullptr)
        return false;
    std::memcpy(&prvek->Deska, &zaznam, sizeof zaznam);
    PocetDesek = novyPocet;
    prvek->CisloDesky = PocetDesek;
    prvek->LzeSmazat = prvek->CisloDesky > PocetChranenychDesek;

    prvek->PredchoziPrvek = Konec.PredchoziPrvek;
    prvek->DalsiPrvek = &Konec;
    Konec.PredchoziPrvek->DalsiPrvek = prvek;
    Konec.PredchoziPrvek = prvek;

    if (AktualniDeska == nullptr)
        AktualniDeska = Zacatek.DalsiPrvek;
    return true;
}

void TSeznamDesek::OdstranAktualni()
{
    KAVIREL_ASSERT(AktualniDeska != nullptr, "Odstranuji NIL aktualni desku", Jednotka);
    if (!AktualniDeska->LzeSmazat)
        return;

    TPrvekSeznamu* smazany = AktualniDeska;
    Dec(PocetDesek);
    smazany->PredchoziPrvek->DalsiPrvek = smazany->DalsiPrvek;
    smazany->DalsiPrvek->PredchoziPrvek = smazany->PredchoziPrvek;

    AktualniDeska = smazany->DalsiPrvek;
    for (TPrvekSeznamu* p = AktualniDeska; p != &Konec; p = p->DalsiPrvek)
        Dec(p->CisloDesky);
    if (AktualniDeska == &Konec)
        AktualniDeska = Konec.PredchoziPrvek;
    if (AktualniDeska == &Zacatek)
        AktualniDeska = nullptr;
    delete smazany;
}

void TSeznamDesek::PosunZa()
{
    KAVIREL_ASSERT(AktualniDeska != nullptr, "Posouvam se za NIL aktualni desku", Jednotka);
    AktualniDeska = AktualniDeska->DalsiPrvek;
    if (AktualniDeska == &Konec)
        AktualniDeska = Zacatek.DalsiPrvek;
}

void TSeznamDesek::PosunPred()
{
    KAVIREL_ASSERT(AktualniDeska != nullptr, "Posouvam se pred NIL aktualni desku", Jednotka);
    AktualniDeska = AktualniDeska->PredchoziPrvek;
    if (AktualniDeska == &Zacatek)
        AktualniDeska = Konec.PredchoziPrvek;
}

bool TSeznamDesek::VratAktualniDesku(TZaznamDesky& zaznam, std::int32_t& cisloDesky) const
{
    KAVIREL_ASSERT(AktualniDeska != nullptr, "Chci vratit NIL aktualni desku", Jednotka);
    std::memcpy(&zaznam, &AktualniDeska->Deska, sizeof zaznam);
    cisloDesky = AktualniDeska->CisloDesky;
    return true;
}

bool TSeznamDesek::NaPrvniDesku()
{
    if (PocetDesek == 0)
        return false;
    AktualniDeska = Zacatek.DalsiPrvek;
    return true;
}

bool TSeznamDesek::NaDeskuCislo(std::int32_t cisloDesky)
{
    if (cisloDesky < 1 || cisloDesky > PocetDesek)
        return false;
    TPrvekSeznamu* p = Zacatek.DalsiPrvek;
    while (p->CisloDesky != cisloDesky)
        p = p->DalsiPrvek;
    AktualniDeska = p;
    return true;
}

bool TSeznamDesek::LzeSmazatAktualni() const
{
    return AktualniDeska != nullptr && AktualniDeska->LzeSmazat;
}

bool TSeznamDesek::ProjdiDesky(const std::function<bool(const TZaznamDesky&)>& krok) const
{
    for (const TPrvekSeznamu* p = Zacatek.DalsiPrvek; p != &Konec; p = p->DalsiPrvek)
        if (!krok(p->Deska))
            return false;
    return true;
}

// ---------------------------------------------------------------------------
// Built-in boards

namespace {

// The few characters of the built-in names, UTF-8 to Windows-1250.
std::string NaCp1250(const char* utf8)
{
    struct TZnak {
        char32_t Unicode;
        unsigned char Cp1250;
    };
    static const TZnak Tabulka[] = {
        {U'á', 0xE1}, {U'č', 0xE8}, {U'é', 0xE9}, {U'ě', 0xEC}, {U'í', 0xED},
        {U'ř', 0xF8}, {U'ů', 0xF9}, {U'ž', 0x9E},
    };
    std::string vysledek;
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8); *s != 0;) {
        if (*s < 0x80) {
            vysledek += static_cast<char>(*s++);
            continue;
        }
        if ((s[0] & 0xE0) != 0xC0 || (s[1] & 0xC0) != 0x80)
            throw std::logic_error("built-in board name outside the table");
        const char32_t znak = static_cast<char32_t>(((s[0] & 0x1F) << 6) | (s[1] & 0x3F));
        s += 2;
        bool nalezeno = false;
        for (const TZnak& z : Tabulka) {
            if (z.Unicode == znak) {
                vysledek += static_cast<char>(z.Cp1250);
                nalezeno = true;
                break;
            }
        }
        if (!nalezeno)
            throw std::logic_error("built-in board name outside the table");
    }
    return vysledek;
}

struct TStandardniDeska {
    const char* Nazev;   // UTF-8
    TTypHry TypHry;
    const char* Radky[RozmerDesky];
};

// Rows from the top; '.' no field, 'o' empty, 'x' stone, 'O' and 'X' the same as
// target fields.
const TStandardniDeska StandardniDesky[] = {
    {"Anglická hrací deska", thNormalni,
     {".........", "...oxx...", "...xxx...", ".xxxxxxx.", ".xxxxxxx.",
      ".xxxxxxx.", "...xxx...", "...xxx...", "........."}},
    {"Francouzská hrací deska", thNormalni,
     {".........", "...oxx...", "..xxxxx..", ".xxxxxxx.", ".xxxxxxx.",
      ".xxxxxxx.", "..xxxxx..", "...xxx...", "........."}},
    {"Třikrát osm", thNormalni,
     {".........", ".xxxxxxxx", ".xxxxxxxx", ".oooooooo", ".........",
      ".........", ".........", ".........", "........."}},
    {"Leibnizův kavirel", thLeibniz,
     {".........", "...ooo...", "...ooo...", ".ooooooo.", ".oooxooo.",
      ".ooooooo.", "...ooo...", "...ooo...", "........."}},
    {"Anglická obměna", thNormalni,
     {".........", "...xxx...", "...xxx...", ".xxxxxxx.", ".xxxoxxx.",
      ".xxxxxxx.", "...xxx...", "...xxx...", "........."}},
    {"Smaragd", thNormalni,
     {".........", "...oxo...", "...xxx...", ".oxxxxxo.", ".xxxOxxx.",
      ".oxxxxxo.", "...xxx...", "...oxo...", "........."}},
    {"Kříž", thNormalni,
     {".........", "...oxo...", "...oxo...", ".oxxxxxo.", ".oooxooo.",
      ".oooxooo.", "...xxx...", "...xxx...", "........."}},
    {"Pyramida", thNormalni,
     {".........", "...ooo...", "...oxo...", ".ooxxxoo.", ".oxxxxxo.",
      ".ooooooo.", "...ooo...", "...ooo...", "........."}},
    {"Plus", thNormalni,
     {".........", "...ooo...", "...oxo...", ".oooxooo.", ".oxxXxxo.",
      ".oooxooo.", "...oxo...", "...ooo...", "........."}},
    {"Křížek", thNormalni,
     {".........", "...ooo...", "...oxo...", ".ooxxxoo.", ".oooXooo.",
      ".oooxooo.", "...ooo...", "...ooo...", "........."}},
    {"Klaun v manéži", thNormalni,
     {".........", "...XXX...", "..XxxxX..", ".XxxxxxX.", ".XxxOxxX.",
      ".XxxxxxX.", "..XxxxX..", "...XXX...", "........."}},
    {"Tiskací E", thNormalni,
     {".........", "...XXX...", "..xXxxx..", ".xxXxxxx.", ".xxXOXxx.",
      ".xxXxxxx.", "..xXxxx..", "...XXX...", "........."}},
    {"Pohár", thNormalni,
     {".........", "...xxx...", "..XxxxX..", ".xxXxXxx.", ".xxXOXxx.",
      ".xxxXxxx.", "...xXx...", "...XXX...", "........."}},
    {"Kavirelové cvičení č.1", thNormalni,
     {".........", "...XXX...", "...XxX...", ".XXXxXXX.", ".XxxoxxX.",
      ".XXXxXXX.", "...XxX...", "...XXX...", "........."}},
    {"Kavirelové cvičení č.2", thNormalni,
     {".........", "...xXx...", "...xxx...", ".xxxxxxx.", ".XxxOxxX.",
      ".xxxxxxx.", "...xxx...", "...xXx...", "........."}},
    {"Kavirelové cvičení č.3", thNormalni,
     {".........", "...xxx...", "...xxx...", ".xxXXXxx.", ".xxXoXxx.",
      ".xxXXXxx.", "...xxx...", "...xxx...", "........."}},
    {"Připraveno pro návrh..", thNormalni,
     {".........", ".........", ".........", ".........", ".........",
      ".........", ".........", ".........", "........."}},
};

static_assert(sizeof StandardniDesky / sizeof StandardniDesky[0] == PocetChranenychDesek,
              "seventeen built-in boards");

TZaznamDesky SestavDesku(const TStandardniDeska& d)
{
    TZaznamDesky z = PrazdnyZaznam();
    for (int y = 0; y < RozmerDesky; ++y) {
        for (int x = 0; x < RozmerDesky; ++x) {
            TPole& pole = z.PoleNa(TPozice{x, y});
            switch (d.Radky[y][x]) {
            case '.': break;
            case 'o': pole.Stav = spPrazdne; break;
            case 'x': pole.Stav = spPlne; break;
            case 'O': pole.Stav = spPrazdne; pole.Cilove = 1; break;
            case 'X': pole.Stav = spPlne; pole.Cilove = 1; break;
            default: throw std::logic_error("bad symbol in a built-in board");
            }
        }
    }
    z.TypHry = d.TypHry;
    NastavNazev(z, NaCp1250(d.Nazev));
    return z;
}

} // namespace

std::vector<TZaznamDesky> StandardniZaznamy()
{
    std::vector<TZaznamDesky> zaznamy;
    zaznamy.reserve(PocetChranenychDesek);
    for (const TStandardniDeska& d : StandardniDesky)
        zaznamy.push_back(SestavDesku(d));
    return zaznamy;
}

void VytvorStandardniDesky(TSeznamDesek& seznam)
{
    for (const TZaznamDesky& z : StandardniZaznamy())
        seznam.PridejDesku(z);
}

// ---------------------------------------------------------------------------
// Files

bool JeZaznamPlatny(const TZaznamDesky& zaznam)
{
    for (const auto& sloupec : zaznam.Pole)
        for (const TPole& pole : sloupec)
            if (pole.Stav > spPlne)
                return false;
    return zaznam.Nazev.Delka <= MaxDelkaNazvu && zaznam.TypHry <= thLeibniz;
}

void NactiExterniSoubor(TZaznamDesky& zaznam, const std::string& jmenoSouboru)
{
    int cislo = -1;
    const TOtevreni otevreni = OtevriKeCteni(jmenoSouboru, cislo);
    if (otevreni != TOtevreni::Otevreno) {
        ChybovaZprava(otevreni == TOtevreni::Zvlastni ? ZpravaZvlastniCteni : ZpravaOtevreni);
        return;
    }
    const TPopisovac soubor(cislo);
    TZaznamDesky z;
    if (CtiVse(*soubor, reinterpret_cast<char*>(&z), sizeof z) != static_cast<ssize_t>(sizeof z) ||
        !JeZaznamPlatny(z)) {
        ChybovaZprava(ZpravaCteniExterni);
        return;
    }
    std::memcpy(&zaznam, &z, sizeof z);
}

void UlozExterniSoubor(const TZaznamDesky& zaznam, const std::string& jmenoSouboru)
{
    int cislo = -1;
    const TOtevreni otevreni = OtevriKZapisu(jmenoSouboru, cislo);
    if (otevreni != TOtevreni::Otevreno) {
        ChybovaZprava(otevreni == TOtevreni::Zvlastni ? ZpravaZvlastniZapis : ZpravaUkladani);
        return;
    }
    TPopisovac soubor(cislo);
    bool ok = ZapisVse(*soubor, reinterpret_cast<const char*>(&zaznam), sizeof zaznam);
    ok = soubor.Zavri() && ok;
    if (!ok)
        ChybovaZprava(ZpravaZapisExterni);
}
