// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelResitel.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <exception>
#include <utility>

namespace {
QString TextChyby(const std::exception_ptr& chyba)
{
    try {
        if (chyba)
            std::rethrow_exception(chyba);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
    }
    return QCoreApplication::translate("TResitel", "Neznámá chyba");
}
} // namespace

TResitel::TResitel(QObject* rodic)
    : QObject(rodic),
      // A completion is queued to this object's thread and dropped with the
      // object; posting never waits.
      Sluzba([this](std::function<void()> volani) {
          QMetaObject::invokeMethod(this, std::move(volani), Qt::QueuedConnection);
      })
{
    setObjectName(QStringLiteral("Resitel"));
}

TResitel::~TResitel() { Sluzba.Ukonci(); }

bool TResitel::Hledej(const TZaznamDesky& Pozice, std::uint8_t Zpusob)
{
    if (Hleda())
        return false;
    TPozadavek pozadavek;
    pozadavek.Deska = Pozice;
    pozadavek.Zpusob = Zpusob;
    // The least number of moves needs its layers of positions from both
    // ends: its own default bound (a share of the machine's memory), not the
    // one the other searches are kept to.
    pozadavek.LimitPameti = Zpusob == zhNejmene ? 0 : LimitPameti;
    HledaniBezi = Sluzba.Spust(pozadavek, [this](const TVysledekUlohy& v) { PoHledani(v); });
    return true;
}

void TResitel::Zastav() { Sluzba.Zastav(HledaniBezi); }

std::uint64_t TResitel::PocetPozic() const
{
    return Hleda() ? Sluzba.DejPrubeh(HledaniBezi).Pozic : PozicHledani;
}

void TResitel::Porad(const TZaznamDesky& Pozice)
{
    ZrusRadu();
    TPozadavek pozadavek;
    pozadavek.Deska = Pozice;
    pozadavek.Zpusob = zhRada;
    pozadavek.LimitPameti = LimitPameti;
    RadaCekana = Sluzba.Spust(pozadavek, [this, Pozice](const TVysledekUlohy& v) { PoRade(v, Pozice); });
}

void TResitel::ZrusRadu()
{
    Sluzba.Zastav(RadaCekana);
    RadaCekana = 0;
}

void TResitel::Nejmene(const TZaznamDesky& Pozice)
{
    ZrusNejmene();
    TPozadavek pozadavek;
    pozadavek.Deska = Pozice;
    pozadavek.Zpusob = zhNejmene;
    // Nobody asked for it: it must not take the solve tab's 1.5 GiB from a
    // player who goes on playing. Where the bound is too small, the banner
    // just leaves the number out.
    pozadavek.LimitPameti = LimitPameti;
    NejmeneCekane = Sluzba.Spust(pozadavek, [this](const TVysledekUlohy& v) {
        if (v.Id != NejmeneCekane)
            return;
        NejmeneCekane = 0;
        std::int32_t tahu = -1;
        if (v.Konec == TKonecUlohy::Nalezeno) {
            // A move is a run of jumps by the stone that landed last.
            tahu = 0;
            for (std::size_t i = 0; i < v.Skoky.size(); ++i)
                tahu += i == 0 || v.Skoky[i].CisloOdkud != v.Skoky[i - 1].CisloKam ? 1 : 0;
        }
        emit NejmeneSpocitano(tahu);
    });
}

void TResitel::ZrusNejmene()
{
    Sluzba.Zastav(NejmeneCekane);
    NejmeneCekane = 0;
}

void TResitel::PoHledani(const TVysledekUlohy& Vysledek)
{
    if (Vysledek.Id != HledaniBezi)
        return;
    HledaniBezi = 0;
    PozicHledani = Vysledek.Pozic;
    if (Vysledek.Konec == TKonecUlohy::Chyba)
        emit Selhalo(TextChyby(Vysledek.Chyba));
    emit HledaniSkoncilo(JakoReseni(Vysledek));
}

void TResitel::PoRade(const TVysledekUlohy& Vysledek, const TZaznamDesky& Pozice)
{
    // A cancelled hint ends too; nobody waits for it any more.
    if (Vysledek.Id != RadaCekana)
        return;
    RadaCekana = 0;
    if (Vysledek.Konec == TKonecUlohy::Chyba)
        emit Selhalo(TextChyby(Vysledek.Chyba));
    else
        emit RadaNalezena(RadaZVysledku(Pozice, Vysledek), Pozice);
}
