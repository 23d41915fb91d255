// SPDX-License-Identifier: GPL-3.0-or-later
// The standard catalogue file against a hostile directory: planted links,
// private and linked catalogues, older backups, a second game, special files
// and runaway sizes. Everything here also runs as root.
#include "KavirelStandardni.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "KavirelSoubory.h"
#include "Soubory.h"

namespace {

const std::string ZpravaJinaHra =
    "Standardní soubor právě používá jiná spuštěná hra.\n\rZměny katalogu se při ukončení této hry neuloží.";
const std::string ZpravaBezZalohy =
    "Chyba při čtení ze standardního souboru, zálohu se nepodařilo vytvořit.\n\r"
    "Katalog se při ukončení neuloží, soubor zůstane beze změny.";

// The catalogue after one more board was appended to it.
std::string SPridanou(const std::string& katalog) { return katalog + Bajty(Zaznam(77)); }
const auto PridejDesku = [] { SeznamDesek->PridejDesku(Zaznam(77)); };

TEST_F(Soubory, PodvrzenyDocasnySouborSeNeprepiseANeodstrani)
{
    const std::string tmp = Std + ".tmp", obet = Cesta("obet"), obsah = Zaznamy(18);
    enum TCo { OdkazNaSoubor, OdkazNikam, Adresar_, NasStaryZbytek };
    for (TCo co : {OdkazNaSoubor, OdkazNikam, Adresar_, NasStaryZbytek}) {
        SCOPED_TRACE(co);
        Zapis(Std, obsah);
        Zapis(obet, "cizi soubor");
        switch (co) {
        case OdkazNaSoubor: fs::create_symlink(obet, tmp); break;
        case OdkazNikam: fs::create_symlink(Cesta("nikde"), tmp); break;
        case Adresar_: fs::create_directory(tmp); break;
        case NasStaryZbytek: Zapis(tmp, "zbytek zapisu, ktery nedobehl"); break;
        }
        const std::set<std::string> pred = Polozky();
        Zpravy.clear();
        EXPECT_EQ(CtiAZapis(PridejDesku), 18);
        EXPECT_EQ(Zpravy, Texty{});
        EXPECT_EQ(Cti(Std), SPridanou(obsah));
        EXPECT_FALSE(fs::is_symlink(Std));
        EXPECT_EQ(Cti(obet), "cizi soubor");
        EXPECT_FALSE(fs::exists(Cesta("nikde")));
        // What was planted stays; only a leftover of our own goes.
        std::set<std::string> po = pred;
        if (co == NasStaryZbytek)
            po.erase("Kavirel.dat.tmp");
        EXPECT_EQ(Polozky(), po);
        fs::remove_all(tmp);
    }
}

TEST_F(Soubory, PravaAOdkazNaKatalogZustanou)
{
    fs::create_directory(Cesta("jinde"));
    const std::string skutecny = Cesta("jinde/skutecny.dat");
    struct TPripad {
        unsigned Prava;
        std::string Odkaz;    // the text of the link named as the catalogue; none when empty
        bool CilExistuje;
    };
    const TPripad pripady[] = {
        {0600, "", true},          {0640, "", true},          {0604, "", true},
        {0600, "jinde/skutecny.dat", true}, {0644, skutecny, true}, {0600, "jinde/skutecny.dat", false},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Odkaz + " " + std::to_string(p.Prava));
        fs::remove(Std);
        fs::remove(skutecny);
        const std::string soubor = p.Odkaz.empty() ? Std : skutecny;
        if (!p.Odkaz.empty())
            fs::create_symlink(p.Odkaz, Std);
        if (p.CilExistuje) {
            Zapis(soubor, Zaznamy(18));
            ASSERT_EQ(chmod(soubor.c_str(), p.Prava), 0);
        }
        EXPECT_EQ(CtiAZapis(PridejDesku), p.CilExistuje ? 18 : 17);
        EXPECT_EQ(Cti(soubor), SPridanou(p.CilExistuje ? Zaznamy(18) : VestaveneBajty()));
        if (p.CilExistuje) {
            EXPECT_EQ(Prava(soubor), p.Prava);
        }
        if (!p.Odkaz.empty()) {
            ASSERT_TRUE(fs::is_symlink(Std));
            EXPECT_EQ(fs::read_symlink(Std).string(), p.Odkaz);
            EXPECT_EQ(Polozky(Cesta("jinde")), std::set<std::string>{"skutecny.dat"});
        }
    }
    EXPECT_EQ(Zpravy, Texty{});

    // An unreadable linked catalogue is kept aside beside its target, and
    // the new one is again written through the link.
    Zapis(skutecny, Zaznamy(1) + std::string(275, 9));
    EXPECT_EQ(CtiAZapis(), 17);
    EXPECT_EQ(Zpravy, Texty{ChybaCteniStd});
    EXPECT_TRUE(fs::is_symlink(Std));
    EXPECT_EQ(Cti(skutecny + ".bak"), Zaznamy(1) + std::string(275, 9));
    EXPECT_EQ(Cti(skutecny), VestaveneBajty());
}

TEST_F(Soubory, ZalohyNepreplacujiStarsi)
{
    // A directory under the first backup name must survive as well.
    fs::create_directory(Std + ".bak");
    Zapis(Std + ".bak/uvnitr", "x");
    std::vector<std::string> vadne;
    for (auto [offset, hodnota] : VadneBajty) {
        std::string obsah = Zaznamy(19);
        obsah[275 * 18 + offset] = hodnota;   // in the last record
        vadne.push_back(obsah);
    }
    vadne.push_back(Zaznamy(2) + std::string(275, 5));
    for (std::size_t i = 0; i < vadne.size(); ++i) {
        Zapis(Std, vadne[i]);
        Zpravy.clear();
        EXPECT_EQ(CtiAZapis(), 17);
        EXPECT_EQ(Zpravy, Texty{ChybaCteniStd});
        EXPECT_EQ(Cti(Std), VestaveneBajty());
    }
    for (std::size_t i = 0; i < vadne.size(); ++i)
        EXPECT_EQ(Cti(Std + ".bak." + std::to_string(i + 1)), vadne[i]) << i;
    EXPECT_EQ(Cti(Std + ".bak/uvnitr"), "x");
}

// Whatever cannot be kept aside is left exactly as it was: start-up says so
// and nothing is written at exit. A FIFO must not block start-up.
TEST_F(Soubory, BezZalohyNeniZapisPriKonci)
{
    const std::string dlouhy = Cesta(std::string(252, 'k'));   // no room for ".bak"
    enum TCo { Fifo, Adresar_, OdkazNaZarizeni, SmyckaOdkazu, ZalohaSeNevejde };
    for (TCo co : {Fifo, Adresar_, OdkazNaZarizeni, SmyckaOdkazu, ZalohaSeNevejde}) {
        SCOPED_TRACE(co);
        fs::remove_all(Std);
        Std = Cesta(StandardniSoubor);
        switch (co) {
        case Fifo: ASSERT_EQ(mkfifo(Std.c_str(), 0600), 0); break;
        case Adresar_: fs::create_directory(Std); Zapis(Std + "/uvnitr", "x"); break;
        case OdkazNaZarizeni: fs::create_symlink("/dev/zero", Std); break;
        case SmyckaOdkazu: fs::create_symlink(StandardniSoubor, Std); break;
        case ZalohaSeNevejde: Std = dlouhy; Zapis(Std, Zaznamy(3) + std::string(275, 3)); break;
        }
        const fs::file_status pred = fs::symlink_status(Std);
        const std::set<std::string> polozky = Polozky();
        Zpravy.clear();
        EXPECT_EQ(CtiAZapis([] {
                      EXPECT_EQ(ZapisKataloguPriKonci(), TZapisPriKonci::BezZalohy);
                      PridejDesku();
                  }),
                  17);
        EXPECT_EQ(Zpravy, Texty{ZpravaBezZalohy});
        EXPECT_EQ(fs::symlink_status(Std).type(), pred.type());
        EXPECT_EQ(Polozky(), polozky);
        if (co == Adresar_) {
            EXPECT_EQ(Cti(Std + "/uvnitr"), "x");
        }
        if (co == ZalohaSeNevejde) {
            EXPECT_EQ(Cti(Std), Zaznamy(3) + std::string(275, 3));
        }
    }
}

TEST_F(Soubory, VelikostKataloguJeOmezena)
{
    struct TPripad {
        std::int64_t Zaznamu;
        int Nacteno;
        bool Zaloha;
    };
    const TPripad pripady[] = {{MaxPocetDesek, MaxPocetDesek, false}, {MaxPocetDesek + 1, 17, true}};
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Zaznamu);
        fs::remove(Std);
        fs::remove(Std + ".bak");
        Zapis(Std, "");
        // Sparse: all-zero records are valid boards, so only the size decides.
        ASSERT_EQ(truncate(Std.c_str(), static_cast<off_t>(p.Zaznamu * 275)), 0);
        Zpravy.clear();
        NactiStandardniSoubor(Std);
        EXPECT_EQ(SeznamDesek->PocetDesek, p.Nacteno);
        EXPECT_EQ(Zpravy, p.Zaloha ? Texty{ChybaCteniStd} : Texty{});
        EXPECT_EQ(fs::exists(Std + ".bak"), p.Zaloha);
        if (p.Zaloha) {
            EXPECT_EQ(fs::file_size(Std + ".bak"), static_cast<std::uintmax_t>(p.Zaznamu * 275));
        }
        SeznamDesek.reset();
        StandardniSouborHry.reset();
    }
}

// Lack of memory while loading is a read error, not a half-read catalogue.
TEST_F(Soubory, NedostatekPametiPriNacitaniJeChybaCteni)
{
    const std::pair<int, bool> pripady[] = {{0, false}, {5, false}, {0, true}, {19, true}};
    for (const auto& [zbyva, vyjimka] : pripady) {
        SCOPED_TRACE(std::to_string(zbyva) + (vyjimka ? " throw" : " null"));
        fs::remove(Std + ".bak");
        Zapis(Std, Zaznamy(20));
        Zpravy.clear();
        TStandardniSoubor soubor(Std);
        const std::unique_ptr<TSeznamDesek> seznam = soubor.Nacti(std::make_unique<SeznamBezPameti>(zbyva, vyjimka));
        EXPECT_EQ(seznam->PocetDesek, 17);
        EXPECT_EQ(Aktualni(*seznam).second, VestaveneBajty().substr(0, 275));
        EXPECT_EQ(Zpravy, Texty{ChybaCteniStd});
        EXPECT_EQ(Cti(Std + ".bak"), Zaznamy(20));
    }
}

TEST_F(Soubory, DruhaHraJeVarovanaANicNeprepise)
{
    enum TCo { Zadny, Platny, Vadny };
    for (TCo co : {Zadny, Platny, Vadny}) {
        SCOPED_TRACE(co);
        fs::remove(Std);
        fs::remove(Std + ".bak");
        const std::string obsah = co == Platny ? Zaznamy(18) : co == Vadny ? Zaznamy(18) + std::string(275, 4) : "";
        if (co != Zadny)
            Zapis(Std, obsah);
        Zpravy.clear();
        auto prvni = std::make_unique<TStandardniSoubor>(Std);
        const std::unique_ptr<TSeznamDesek> seznamPrvni = prvni->Nacti();
        const Texty poPrvni = Zpravy;
        // The first game has kept a faulty catalogue aside already.
        const std::string videnyDruhou = co == Platny ? obsah : "";
        Zpravy.clear();
        {
            TStandardniSoubor druha(Std);
            const std::unique_ptr<TSeznamDesek> seznamDruhe = druha.Nacti();
            EXPECT_EQ(Zpravy, Texty{ZpravaJinaHra});
            EXPECT_EQ(druha.ZapisPriKonci(), TZapisPriKonci::JinaHra);
            EXPECT_EQ(seznamDruhe->PocetDesek, co == Platny ? 18 : 17);
            seznamDruhe->PridejDesku(Zaznam(55));
            druha.Uloz(*seznamDruhe);
        }
        EXPECT_EQ(Zpravy, Texty{ZpravaJinaHra});
        EXPECT_EQ(fs::exists(Std), co == Platny);
        EXPECT_EQ(Cti(Std), videnyDruhou);
        EXPECT_EQ(Cti(Std + ".bak"), co == Vadny ? obsah : "");

        seznamPrvni->PridejDesku(Zaznam(77));
        prvni->Uloz(*seznamPrvni);
        EXPECT_EQ(Cti(Std), SPridanou(co == Platny ? obsah : VestaveneBajty()));
        EXPECT_EQ(poPrvni, co == Vadny ? Texty{ChybaCteniStd} : Texty{});

        // The lock goes with the first game: the next one may write.
        prvni.reset();
        Zpravy.clear();
        TStandardniSoubor dalsi(Std);
        dalsi.Nacti();
        EXPECT_EQ(dalsi.ZapisPriKonci(), TZapisPriKonci::Povolen);
        EXPECT_EQ(Zpravy, Texty{});
    }
}

// Whatever is planted at the lock's name cannot switch the lock off: a link,
// a FIFO or a directory there makes every game refuse to write the catalogue
// (and say so) instead of writing it unlocked, and nothing is created or
// changed where a link points. A lock file renamed over the held one makes
// the game that held it stop writing once another game has taken the new one.
TEST_F(Soubory, PodvrzenyZamekNevypneZamykani)
{
    const std::string zamek = Std + ".lock", obet = Cesta("obet");
    const std::string ZpravaBezZamku = "Zámek standardního souboru nelze použít, na jeho místě je odkaz nebo cizí "
                                       "soubor.\n\rZměny katalogu se neuloží.";
    enum TCo { OdkazNaSoubor, OdkazNikam, Fifo, Adresar_, NahrazenPoZamceni };
    for (TCo co : {OdkazNaSoubor, OdkazNikam, Fifo, Adresar_, NahrazenPoZamceni}) {
        SCOPED_TRACE(co);
        fs::remove_all(zamek);
        fs::remove(obet);
        Zapis(Std, Zaznamy(18));
        Zapis(obet, "cizi soubor");
        if (co == Fifo) {
            ASSERT_EQ(mkfifo(zamek.c_str(), 0600), 0);
        }
        // The other end, so that a game that opens the FIFO does not hang.
        const TPopisovac fifo(co == Fifo ? open(zamek.c_str(), O_RDWR | O_NONBLOCK) : -1);
        if (co == OdkazNaSoubor)
            fs::create_symlink(obet, zamek);
        if (co == OdkazNikam)
            fs::create_symlink(Cesta("nikde"), zamek);
        if (co == Adresar_)
            fs::create_directory(zamek);
        Zpravy.clear();
        TStandardniSoubor prvni(Std);
        const std::unique_ptr<TSeznamDesek> seznamPrvni = prvni.Nacti();
        if (co == NahrazenPoZamceni) {
            EXPECT_EQ(prvni.ZapisPriKonci(), TZapisPriKonci::Povolen);
            Zapis(Cesta("novy"), "");
            ASSERT_EQ(rename(Cesta("novy").c_str(), zamek.c_str()), 0);
        }
        TStandardniSoubor druha(Std);
        const std::unique_ptr<TSeznamDesek> seznamDruhe = druha.Nacti();
        seznamDruhe->PridejDesku(Zaznam(55));
        druha.Uloz(*seznamDruhe);
        seznamPrvni->PridejDesku(Zaznam(77));
        prvni.Uloz(*seznamPrvni);
        if (co == NahrazenPoZamceni) {
            EXPECT_EQ(druha.ZapisPriKonci(), TZapisPriKonci::Povolen);
            EXPECT_EQ(prvni.ZapisPriKonci(), TZapisPriKonci::JinaHra);
            EXPECT_EQ(Zpravy, Texty{ZpravaJinaHra});
            EXPECT_TRUE(Cti(Std) == Zaznamy(18) + Bajty(Zaznam(55)));
        } else {
            EXPECT_EQ(prvni.ZapisPriKonci(), TZapisPriKonci::BezZamku);
            EXPECT_EQ(druha.ZapisPriKonci(), TZapisPriKonci::BezZamku);
            EXPECT_EQ(Zpravy, Texty(2, ZpravaBezZamku));
            EXPECT_TRUE(Cti(Std) == Zaznamy(18));
        }
        EXPECT_EQ(Cti(obet), "cizi soubor");
        EXPECT_FALSE(fs::exists(Cesta("nikde")));
    }
}

TEST_F(Soubory, NezdarenyZapisNechaPuvodniSouborIJehoPrava)
{
    // Four boards (the three read and one added) pass the limit on the
    // first write; nineteen pass it in the middle.
    for (int pocet : {3, 18}) {
        Zapis(Std, Zaznamy(pocet));
        ASSERT_EQ(chmod(Std.c_str(), 0600), 0);
        Zpravy.clear();
        NactiStandardniSoubor(Std);
        SeznamDesek->PridejDesku(Zaznam(40));
        SOmezenouVelikosti(1000, [&] { UlozStandardniSoubor(Std); });
        EXPECT_EQ(Zpravy, Texty{ChybaZapisStd});
        EXPECT_FALSE(SeznamDesek);
        EXPECT_EQ(Cti(Std), Zaznamy(pocet));
        EXPECT_EQ(Prava(Std), 0600u);
        EXPECT_EQ(Polozky(), std::set<std::string>{"Kavirel.dat"});
    }
}

TEST_F(Soubory, ChybejiciAdresarNeniChybouCteni)
{
    Std = Cesta("chybi/Kavirel.dat");
    EXPECT_EQ(CtiAZapis(), 17);
    EXPECT_EQ(Zpravy, Texty{ChybaZapisStd});
    EXPECT_FALSE(fs::exists(Cesta("chybi")));
}

TEST_F(Soubory, OmezenaPrava)
{
    // Root passes any permission. The paths taken here are also taken, for
    // every user, by faults root cannot pass: ZalohyNepreplacujiStarsi (a
    // catalogue kept aside), BezZalohyNeniZapisPriKonci (nothing to open),
    // NezdarenyZapisNechaPuvodniSouborIJehoPrava and
    // ChybejiciAdresarNeniChybouCteni (the exit write fails).
    Zapis(Std, Zaznamy(18));
    fs::permissions(Std, fs::perms::none);
    if (access(Std.c_str(), R_OK) == 0)
        GTEST_SKIP() << "permissions do not bind this user";
    // An unreadable file is kept aside silently.
    EXPECT_EQ(CtiAZapis(), 17);
    fs::permissions(Std + ".bak", fs::perms::owner_read);
    EXPECT_EQ(Cti(Std + ".bak"), Zaznamy(18));
    EXPECT_EQ(Zpravy, Texty{});
    // An unwritable directory keeps the former file.
    fs::permissions(Adresar, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(CtiAZapis(), 17);
    EXPECT_EQ(Zpravy, Texty{ChybaZapisStd});
    EXPECT_EQ(Cti(Std), VestaveneBajty());
}

} // namespace
