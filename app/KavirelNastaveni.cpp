// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNastaveni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <set>
#include <string>

#include "KavirelNastaveniIni.h"
#include "KavirelSoubory.h"
#include "KavirelStatistika.h"

namespace {

// A board has 81 positions and a game type; a file of a few thousand boards
// is already far beyond any player's collection.
constexpr int MaxRekordu = 10000;
constexpr int DelkaIdentity = RozmerDesky * RozmerDesky + 1;

struct TKlicBarvy {
    const char* Klic;
    TBarva TBarvy::*Clen;
};
const TKlicBarvy KliceBarev[] = {
    {"Vyber", &TBarvy::BarvaVyber},   {"Pole", &TBarvy::BarvaPole},
    {"Kamen", &TBarvy::BarvaKamen},   {"Cislo", &TBarvy::BarvaCislo},
    {"CisloPrubeh", &TBarvy::BarvaCisloPrubeh}, {"Cilove", &TBarvy::BarvaCilove},
    {"Mrizka", &TBarvy::BarvaMrizka}, {"Deska", &TBarvy::BarvaDeska},
};

bool JePlatnaIdentita(const QString& s)
{
    static const QRegularExpression vzor(QStringLiteral("^[.oxOX]{81}[01]$"));
    return s.size() == DelkaIdentity && vzor.match(s).hasMatch();
}

// Far above a few thousand personal bests; a runaway file is no settings.
constexpr std::size_t MaxVelikost = 16u << 20;

std::string Cesta(const QString& soubor) { return QFile::encodeName(soubor).toStdString(); }

// What a settings file holds that the game can use, and what it holds
// damaged (a value present but not valid).
struct THodnoty {
    TBarvy Barvy = StandardniBarvy();
    bool CislaPoli = false;
    bool Animace = true;
    int PosledniDeska = 0;
    QString PosledniAdresar;
    QRect Okno;
    bool Maximalizovane = false;
    QString Jazyk;
    std::vector<TOsobniRekord> Rekordy;
    std::set<std::string> PlatneBarvy;
    bool PlatnaCislaPoli = false, PlatnaAnimace = false, PlatnaPosledniDeska = false, PlatnyAdresar = false, VadneRekordy = false;
    bool PlatneOkno = false, PlatneMaximalizovane = false, PlatnyJazyk = false;
    int Vadnych = 0;
};

THodnoty Precti(const TIniSoubor& soubor)
{
    THodnoty h;
    // A value that is there but no valid one counts as damaged.
    const auto text = [&](const QString& klic, QString& hodnota) {
        const TIniSoubor::THodnota stav = soubor.Hodnota(klic, hodnota);
        if (stav == TIniSoubor::THodnota::Poskozena)
            ++h.Vadnych;
        return stav == TIniSoubor::THodnota::Text;
    };
    static const QRegularExpression vzorBarvy(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    for (const TKlicBarvy& k : KliceBarev) {
        QString t;
        if (!text(QStringLiteral("Barvy/") + QLatin1String(k.Klic), t))
            continue;
        if (vzorBarvy.match(t).hasMatch()) {
            h.Barvy.*k.Clen = BarvaZQColor(QColor(t));
            h.PlatneBarvy.insert(k.Klic);
        } else {
            ++h.Vadnych;
        }
    }
    QString t;
    // "true" or "false", as QSettings writes a flag.
    const auto priznak = [&](const char* klic, bool& hodnota, bool& platny) {
        if (!text(QString::fromLatin1(klic), t))
            return;
        platny = t == QLatin1String("true") || t == QLatin1String("false");
        if (platny)
            hodnota = t == QLatin1String("true");
        h.Vadnych += platny ? 0 : 1;
    };
    priznak("Zobrazeni/CislaPoli", h.CislaPoli, h.PlatnaCislaPoli);
    priznak("Zobrazeni/Animace", h.Animace, h.PlatnaAnimace);
    if (text(QStringLiteral("Hra/PosledniDeska"), t)) {
        bool jeCislo = false;
        const int deska = t.toInt(&jeCislo);
        h.PlatnaPosledniDeska = jeCislo && deska >= 0;
        h.PosledniDeska = h.PlatnaPosledniDeska ? deska : 0;
        h.Vadnych += h.PlatnaPosledniDeska ? 0 : 1;
    }

    // Whether the folder still exists is asked when a dialog opens.
    if (text(QStringLiteral("Soubory/PosledniAdresar"), t)) {
        h.PlatnyAdresar = QDir::isAbsolutePath(t);
        h.PosledniAdresar = h.PlatnyAdresar ? QDir::cleanPath(t) : QString();
        h.Vadnych += h.PlatnyAdresar ? 0 : 1;
    }

    // "x y width height"; nothing of it unless all four are numbers.
    if (text(QStringLiteral("Okno/Poloha"), t)) {
        const QStringList casti = t.split(QLatin1Char(' '));
        int hodnoty[4] = {};
        h.PlatneOkno = casti.size() == 4;
        for (int i = 0; i < 4 && h.PlatneOkno; ++i)
            hodnoty[i] = casti[i].toInt(&h.PlatneOkno);
        h.PlatneOkno = h.PlatneOkno && hodnoty[2] > 0 && hodnoty[3] > 0;
        if (h.PlatneOkno)
            h.Okno = QRect(hodnoty[0], hodnoty[1], hodnoty[2], hodnoty[3]);
        h.Vadnych += h.PlatneOkno ? 0 : 1;
    }
    priznak("Okno/Maximalizovane", h.Maximalizovane, h.PlatneMaximalizovane);
    if (text(QStringLiteral("Zobrazeni/Jazyk"), t)) {
        h.PlatnyJazyk = t == QLatin1String("cs") || t == QLatin1String("en");
        if (h.PlatnyJazyk)
            h.Jazyk = t;
        h.Vadnych += h.PlatnyJazyk ? 0 : 1;
    }

    int pocet = 0;
    if (text(QStringLiteral("Rekordy/size"), t)) {
        bool jeCislo = false;
        pocet = t.toInt(&jeCislo);
        if (!jeCislo || pocet < 0) {
            pocet = 0;
            h.VadneRekordy = true;
        }
    }
    for (int i = 1; i <= std::min(pocet, MaxRekordu); ++i) {
        const QString predpona = QStringLiteral("Rekordy/%1/").arg(i);
        TOsobniRekord r;
        QString tahu, kdy;
        bool jeTahu = false;
        const bool ctene = text(predpona + QStringLiteral("Deska"), r.Deska) &&
                           text(predpona + QStringLiteral("Nazev"), r.Nazev) && text(predpona + QStringLiteral("Tahu"), tahu) &&
                           text(predpona + QStringLiteral("Kdy"), kdy);
        r.Nazev = r.Nazev.left(MaxDelkaNazvu);
        r.Tahu = tahu.toInt(&jeTahu);
        r.Kdy = QDateTime::fromString(kdy, Qt::ISODate);
        // A jump takes at least one move and a game has at most 79 jumps.
        const auto stejny = std::find_if(h.Rekordy.begin(), h.Rekordy.end(),
                                         [&r](const TOsobniRekord& jiny) { return jiny.Deska == r.Deska; });
        if (!ctene || !JePlatnaIdentita(r.Deska) || !jeTahu || r.Tahu < 1 || r.Tahu >= KapacitaTahu ||
            !r.Kdy.isValid() || stejny != h.Rekordy.end()) {
            h.VadneRekordy = true;
            continue;
        }
        r.Typ = r.Deska.back() == QLatin1Char('0') ? thNormalni : thLeibniz;
        h.Rekordy.push_back(r);
    }
    h.Vadnych += h.VadneRekordy ? 1 : 0;
    return h;
}

void ZapisRekordy(TIniSoubor& soubor, const std::vector<TOsobniRekord>& rekordy)
{
    soubor.OdstranSkupinu(QStringLiteral("Rekordy"));
    for (std::size_t i = 0; i < rekordy.size(); ++i) {
        const TOsobniRekord& r = rekordy[i];
        const QString predpona = QStringLiteral("Rekordy/%1/").arg(i + 1);
        soubor.Nastav(predpona + QStringLiteral("Deska"), r.Deska);
        soubor.Nastav(predpona + QStringLiteral("Kdy"), r.Kdy.toString(Qt::ISODate));
        soubor.Nastav(predpona + QStringLiteral("Nazev"), r.Nazev);
        soubor.Nastav(predpona + QStringLiteral("Tahu"), QString::number(r.Tahu));
    }
    soubor.Nastav(QStringLiteral("Rekordy/size"), QString::number(rekordy.size()));
}

} // namespace

QString IdentitaDesky(const TZaznamDesky& zaznam)
{
    // The statistics key a board by the same text; one spelling for both.
    return QString::fromLatin1(IdentitaZaznamu(zaznam));
}

TText PocetTahu(int tahu)
{
    // The Czech forms choose; each form is a text of its own, so that every
    // language translates the three (English: one for one, one for the rest).
    const int n = tahu < 0 ? -tahu : tahu;
    const TText slovo = n == 1                 ? TK_("KavirelNastaveni", "%1 tah")
                        : (n >= 2 && n <= 4)   ? TK_("KavirelNastaveni", "%1 tahy")
                                               : TK_("KavirelNastaveni", "%1 tahů");
    return slovo.arg(tahu);
}

QString TextTahu(int tahu) { return PocetTahu(tahu)(); }

QString TNastaveni::VychoziSoubor()
{
    // Not the application's name: a test program must find the same place.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Kavirel/Kavirel.conf");
}

TNastaveni::TNastaveni(QString soubor) : JmenoSouboru(std::move(soubor)) {}

void TNastaveni::Nacti()
{
    // The statistics keep what this game counted and has not saved.
    TStatistiky statistiky = std::move(Statistiky);
    *this = TNastaveni(JmenoSouboru);
    Statistiky = std::move(statistiky);
    std::string obsah;
    const TOtevreni otevreni = NactiCelySoubor(Cesta(JmenoSouboru), MaxVelikost, obsah);
    if (otevreni == TOtevreni::Chybi)
        return;
    int vadnych = 0;
    if (otevreni != TOtevreni::Otevreno) {
        ++vadnych;
    } else {
        TIniSoubor soubor(QByteArray::fromStdString(obsah));
        const THodnoty h = Precti(soubor);
        Barvy = h.Barvy;
        CislaPoli = h.CislaPoli;
        Animace = h.Animace;
        PosledniDeska = h.PosledniDeska;
        PosledniAdresar = h.PosledniAdresar;
        Okno = h.Okno;
        Maximalizovane = h.Maximalizovane;
        Jazyk = h.Jazyk;
        Rekordy = h.Rekordy;
        vadnych = h.Vadnych + Statistiky.Nacti(TUlozisteIni(soubor));
    }
    ZapamatujStejne();
    if (vadnych > 0)
        qWarning("Kavirel: nastavení v %s jsou poškozená, místo vadných hodnot platí výchozí.",
                 qUtf8Printable(JmenoSouboru));
}

void TNastaveni::ZapamatujStejne()
{
    NactenaBarvy = Barvy;
    NactenaCislaPoli = CislaPoli;
    NactenaAnimace = Animace;
    NactenaPosledniDeska = PosledniDeska;
    NactenyPosledniAdresar = PosledniAdresar;
    NactenoOkno = Okno;
    NactenoMaximalizovane = Maximalizovane;
    NactenyJazyk = Jazyk;
}

bool TNastaveni::Uloz()
{
    const QFileInfo info(JmenoSouboru);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    const std::string cil = KoncovySoubor(Cesta(JmenoSouboru));
    // Another game may be writing; it takes a moment. The end of the program
    // must not wait long for it. Not "<file>.lock": QSettings takes that
    // name for a lock file of its own kind, which it would remove.
    TZamekSouboru zamek;
    if (zamek.Zamkni(cil + ".flock", 1000) != TZamekSouboru::Drzen)
        return false;
    std::string obsah;
    const TOtevreni otevreni = NactiCelySoubor(cil, MaxVelikost, obsah);
    // A directory or a special file in the file's place is left alone.
    if (otevreni == TOtevreni::Adresar || otevreni == TOtevreni::Zvlastni ||
        (otevreni == TOtevreni::Chyba && errno != EFBIG))
        return false;
    TIniSoubor soubor(QByteArray::fromStdString(obsah));
    const THodnoty naDisku = Precti(soubor);

    // Keys this game changed, and keys the file holds no valid value for.
    bool zmena = otevreni != TOtevreni::Otevreno;
    const auto nastav = [&](const QString& klic, bool zmenen, bool platny, const QString& text) {
        if (zmenen || !platny) {
            soubor.Nastav(klic, text);
            zmena = true;
        }
    };
    for (const TKlicBarvy& k : KliceBarev)
        nastav(QStringLiteral("Barvy/") + QLatin1String(k.Klic), Barvy.*k.Clen != NactenaBarvy.*k.Clen,
               naDisku.PlatneBarvy.count(k.Klic) > 0, BarvaNaQColor(Barvy.*k.Clen).name());
    nastav(QStringLiteral("Zobrazeni/CislaPoli"), CislaPoli != NactenaCislaPoli, naDisku.PlatnaCislaPoli,
           CislaPoli ? QStringLiteral("true") : QStringLiteral("false"));
    nastav(QStringLiteral("Zobrazeni/Animace"), Animace != NactenaAnimace, naDisku.PlatnaAnimace,
           Animace ? QStringLiteral("true") : QStringLiteral("false"));
    nastav(QStringLiteral("Hra/PosledniDeska"), PosledniDeska != NactenaPosledniDeska, naDisku.PlatnaPosledniDeska,
           QString::number(PosledniDeska));
    // No folder yet is written as none at all.
    if (!PosledniAdresar.isEmpty())
        nastav(QStringLiteral("Soubory/PosledniAdresar"), PosledniAdresar != NactenyPosledniAdresar,
               naDisku.PlatnyAdresar, PosledniAdresar);
    if (Okno.isValid())
        nastav(QStringLiteral("Okno/Poloha"), Okno != NactenoOkno, naDisku.PlatneOkno,
               QStringLiteral("%1 %2 %3 %4").arg(Okno.x()).arg(Okno.y()).arg(Okno.width()).arg(Okno.height()));
    nastav(QStringLiteral("Okno/Maximalizovane"), Maximalizovane != NactenoMaximalizovane, naDisku.PlatneMaximalizovane,
           Maximalizovane ? QStringLiteral("true") : QStringLiteral("false"));
    // Written once chosen; "podle systému" is no value at all, as before
    // any choice.
    if (!Jazyk.isEmpty()) {
        nastav(QStringLiteral("Zobrazeni/Jazyk"), Jazyk != NactenyJazyk, naDisku.PlatnyJazyk, Jazyk);
    } else if (Jazyk != NactenyJazyk) {
        soubor.Odstran(QStringLiteral("Zobrazeni/Jazyk"));
        zmena = true;
    }

    // The bests of both: the fewer moves for a board another game also won.
    std::vector<TOsobniRekord> spojene = naDisku.Rekordy;
    bool noveRekordy = naDisku.VadneRekordy;
    for (const TOsobniRekord& r : Rekordy) {
        auto stejny = std::find_if(spojene.begin(), spojene.end(),
                                   [&r](const TOsobniRekord& jiny) { return jiny.Deska == r.Deska; });
        if (stejny == spojene.end()) {
            spojene.push_back(r);
            noveRekordy = true;
        } else if (r.Tahu < stejny->Tahu) {
            *stejny = r;
            noveRekordy = true;
        }
    }
    if (noveRekordy) {
        ZapisRekordy(soubor, spojene);
        zmena = true;
    }
    // The counts merge into what the file holds now; should the file not
    // be written, they stay counted for the next try.
    const TStatistiky predSlucenim = Statistiky;
    TUlozisteIni statistiky(soubor);
    Statistiky.Uloz(statistiky);
    zmena = zmena || statistiky.Zmeneno();
    if (zmena) {
        const QByteArray text = soubor.Text();
        if (!NahradSoubor(cil, [&text](int fd) { return ZapisVse(fd, text.constData(), static_cast<std::size_t>(text.size())); })) {
            Statistiky = predSlucenim;
            return false;
        }
    }
    Rekordy = spojene;
    ZapamatujStejne();
    return true;
}

QString TNastaveni::AdresarDialogu() const
{
    if (!PosledniAdresar.isEmpty() && QFileInfo(PosledniAdresar).isDir())
        return PosledniAdresar;
    // Without a user-dirs entry Qt names ~/Documents, which need not exist.
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!dokumenty.isEmpty() && QFileInfo(dokumenty).isDir())
        return dokumenty;
    return QDir::homePath();
}

const TOsobniRekord* TNastaveni::NajdiRekord(const QString& deska) const
{
    for (const TOsobniRekord& r : Rekordy)
        if (r.Deska == deska)
            return &r;
    return nullptr;
}

TVysledekRekordu TNastaveni::ZapisVyhru(const QString& deska, const QString& nazev, TTypHry typ, int tahu,
                                         const QDateTime& kdy)
{
    for (TOsobniRekord& r : Rekordy)
        if (r.Deska == deska) {
            if (tahu >= r.Tahu)
                return {false, r.Tahu};
            r.Tahu = tahu;
            r.Nazev = nazev;
            r.Kdy = kdy;
            return {true, tahu};
        }
    Rekordy.push_back({deska, nazev, typ, tahu, kdy});
    return {true, tahu};
}
