// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelTextyJadra.h"

#include <QCoreApplication>

namespace {

// Never read: lupdate finds the core's texts here. Each is the core's text
// byte for byte, "\n\r" included.
[[maybe_unused]] const char* const TextyJadra[] = {
    // The solve tab's state (model/KavirelRelaceHry.cpp, KavirelStisk.cpp,
    // solver/KavirelReseni.cpp).
    QT_TRANSLATE_NOOP("KavirelJadro", "Vyberte způsob hledání řešení..."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Vyhledávám nejrychlejší řešení..."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Vyhledávám nejkratší řešení..."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Vyhledávám řešení s nejméně tahy..."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Přehrávání nalezeného řešení..."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Řešení nalezeno"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Řešení neexistuje"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Řešení přerušeno uživatelem"),
    // The file layer's messages (storage/KavirelFile.cpp, KavirelStandardni.cpp).
    QT_TRANSLATE_NOOP("KavirelJadro", "Nedostatek paměti pro vytvoření seznamu desek."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Soubor se nepodařilo otevřít!"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Chyba pri čtení ze souboru. Deska nenahrána!"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Chyba při ukládání souboru!"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Chyba při zapisování do souboru!"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Chyba při čtení ze standardního souboru, bude založen nový."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Chyba při zapisování do standardního souboru!"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Standardní soubor právě používá jiná spuštěná hra.\n\r"
                                      "Změny katalogu se při ukončení této hry neuloží."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Chyba při čtení ze standardního souboru, zálohu se nepodařilo vytvořit.\n\r"
                                      "Katalog se při ukončení neuloží, soubor zůstane beze změny."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Standardní soubor je plný (100000 desek), deska nebyla uložena!"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Zámek standardního souboru nelze použít, na jeho místě je odkaz nebo cizí soubor.\n\r"
                                      "Změny katalogu se neuloží."),
    QT_TRANSLATE_NOOP("KavirelJadro", "Soubor není obyčejný soubor (je to roura, zařízení nebo soket). Deska nenahrána!"),
    QT_TRANSLATE_NOOP("KavirelJadro", "Soubor není obyčejný soubor (je to roura, zařízení nebo soket). Deska neuložena!"),
};

} // namespace

TText TextJadra(const std::string& text)
{
    // The text's bytes are kept: the core's string need not outlive the label.
    return TText::Jadra(text);
}
