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
    RadaCekana = Spust(Pozice, zhRada, [this, Pozice](const TVysledekUlohy& v) { PoRade(v, Pozice); });
}

void TResitel::ZrusRadu()
{
    Sluzba.Zastav(RadaCekana);
    RadaCekana = 0;
}

void TResitel::Nejmene(const TZaznamDesky& Pozice)
{
    ZrusNejmene();
    // Nobody asked for it: it must not take the solve tab's 1.5 GiB from a
    // player who goes on playing, so it keeps the hint's bound. Where that
    // is too small, the banner just leaves the number out.
    NejmeneCekane = Spust(Pozice, zhNejmene, [this](const TVysledekUlohy& v) {
        if (v.Id != NejmeneCekane)
            return;
        NejmeneCekane = 0;
        emit NejmeneSpocitano(v.Konec == TKonecUlohy::Nalezeno ? PocetTahu(v.Skoky) : -1);
    });
}

std::uint64_t TResitel::Spust(const TZaznamDesky& Pozice, std::uint8_t Zpusob,
                              TDokonceni Hotovo)
{
    TPozadavek pozadavek;
    pozadavek.Deska = Pozice;
    pozadavek.Zpusob = Zpusob;
    pozadavek.LimitPameti = LimitPameti;
    return Sluzba.Spust(pozadavek, std::move(Hotovo));
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
