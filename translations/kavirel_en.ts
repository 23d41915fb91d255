<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>KavirelDeska</name>
    <message>
        <location filename="../view/KavirelDeskaKlavesnice.cpp" line="+115"/>
        <location line="+134"/>
        <source>Hrací deska</source>
        <translation>Game board</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>Šipky posouvají kurzor po polích, mezerník nebo Enter pole stiskne, Backspace vrátí tah</source>
        <translation>Arrow keys move the cursor over the holes, Space or Enter presses a hole, Backspace takes a move back</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Sloupec %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Řádek %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>sloupec %1, řádek %2</source>
        <translation>column %1, row %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bez pole (%1)</source>
        <translation>No hole (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pole %1</source>
        <translation>Field %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pole (%1)</source>
        <translation>Field (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>: kámen</source>
        <translation>: peg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>: prázdné</source>
        <translation>: empty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, cílové pole</source>
        <translation>, target hole</translation>
    </message>
</context>
<context>
    <name>KavirelJadro</name>
    <message>
        <location filename="../app/KavirelTextyJadra.cpp" line="+13"/>
        <source>Vyberte způsob hledání řešení...</source>
        <translation>Choose how to search for a solution...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyhledávám nejrychlejší řešení...</source>
        <translation>Searching for the quickest solution...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyhledávám nejkratší řešení...</source>
        <translation>Searching for the shortest solution...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyhledávám řešení s nejméně tahy...</source>
        <translation>Searching for the solution with the fewest moves...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Přehrávání nalezeného řešení...</source>
        <translation>Replaying the solution found...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řešení nalezeno</source>
        <translation>Solution found</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řešení neexistuje</source>
        <translation>No solution exists</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řešení přerušeno uživatelem</source>
        <translation>Search stopped by the user</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nedostatek paměti pro vytvoření seznamu desek.</source>
        <translation>Not enough memory for the list of boards.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soubor se nepodařilo otevřít!</source>
        <translation>The file could not be opened!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chyba pri čtení ze souboru. Deska nenahrána!</source>
        <translation>Error reading the file. The board was not loaded!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chyba při ukládání souboru!</source>
        <translation>Error saving the file!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chyba při zapisování do souboru!</source>
        <translation>Error writing the file!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chyba při čtení ze standardního souboru, bude založen nový.</source>
        <translation>Error reading the standard file; a new one will be created.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chyba při zapisování do standardního souboru!</source>
        <translation>Error writing the standard file!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standardní soubor právě používá jiná spuštěná hra.
<byte value="xd"/>Změny katalogu se při ukončení této hry neuloží.</source>
        <translation>Another running game is using the standard file.
<byte value="xd"/>Changes to the catalogue will not be saved when this game ends.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chyba při čtení ze standardního souboru, zálohu se nepodařilo vytvořit.
<byte value="xd"/>Katalog se při ukončení neuloží, soubor zůstane beze změny.</source>
        <translation>Error reading the standard file; no backup could be made.
<byte value="xd"/>The catalogue will not be saved at the end; the file stays unchanged.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standardní soubor je plný (100000 desek), deska nebyla uložena!</source>
        <translation>The standard file is full (100000 boards); the board was not saved!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zámek standardního souboru nelze použít, na jeho místě je odkaz nebo cizí soubor.
<byte value="xd"/>Změny katalogu se neuloží.</source>
        <translation>The standard file&apos;s lock cannot be used: a link or a foreign file stands in its place.
<byte value="xd"/>Changes to the catalogue will not be saved.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Soubor není obyčejný soubor (je to roura, zařízení nebo soket). Deska nenahrána!</source>
        <translation>The file is not a regular file (it is a pipe, a device or a socket). Board not loaded!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soubor není obyčejný soubor (je to roura, zařízení nebo soket). Deska neuložena!</source>
        <translation>The file is not a regular file (it is a pipe, a device or a socket). Board not saved!</translation>
    </message>
</context>
<context>
    <name>KavirelNastaveni</name>
    <message>
        <location filename="../app/KavirelNastaveni.cpp" line="+197"/>
        <source>%1 tah</source>
        <translation>%1 move</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 tahy</source>
        <translation>%1 moves</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 tahů</source>
        <translation>%1 moves</translation>
    </message>
</context>
<context>
    <name>KavirelPrikazovaRadka</name>
    <message>
        <location filename="../app/KavirelPrikazovaRadka.cpp" line="+22"/>
        <source>Použití: kavirel [PŘEPÍNAČE] [SOUBOR.kav]
</source>
        <translation>Usage: kavirel [OPTIONS] [FILE.kav]
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hlavolam Kavirel: skákání kamenů přes kameny, dokud jich nezůstane co nejméně,
s editorem desek, katalogem desek a hledáním řešení.
</source>
        <translation>The Kavirel puzzle: jump pegs over pegs until as few as possible are left,
with a board editor, a catalogue of boards and a solver.
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Se souborem desky (.kav) začne hra rovnou hrát tuto desku.
</source>
        <translation>Given a board file (.kav), the game starts playing that board at once.
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Katalog desek „Kavirel.dat“ leží v pracovním adresáři; z nabídky prostředí
hru spouští kavirel-spustit v adresáři ~/.local/share/kavirel.
</source>
        <translation>The board catalogue “Kavirel.dat” lies in the working directory; the desktop
menu starts the game through kavirel-spustit in ~/.local/share/kavirel.
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  -h, --help       vypíše tuto nápovědu
</source>
        <translation>  -h, --help       prints this help
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -v, --version    vypíše verzi programu
</source>
        <translation>  -v, --version    prints the version of the program
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Přijímá i obvyklé přepínače knihovny Qt (např. -platform, -style, -reverse).
</source>
        <translation>Also takes Qt&apos;s usual options (for example -platform, -style, -reverse).
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Desky z příkazové řádky řeší program kavirel-resit.
</source>
        <translation>kavirel-resit solves boards from the command line.
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Podrobnosti: man kavirel
</source>
        <translation>Details: man kavirel
</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>neznámý přepínač „%1“</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>nečekaný argument „%1“</source>
        <translation>unexpected argument “%1”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nápovědu vypíše kavirel --help.</source>
        <translation>Run kavirel --help for help.</translation>
    </message>
</context>
<context>
    <name>KavirelZalozka</name>
    <message>
        <location filename="../app/KavirelZalozka.cpp" line="+79"/>
        <source>Zbývá kamenů: %1</source>
        <translation>Pegs left: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zbývá polí: %1</source>
        <translation>Holes left: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Prázdná cílová pole</source>
        <translation>Target holes empty</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Plná cílová pole</source>
        <translation>Target holes filled</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Všechna cílová pole obsazena</source>
        <translation>All target holes have pegs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Všechna cílová pole prázdná</source>
        <translation>All target holes are empty</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Typ hry právě přehrávané desky (normální nebo Leibnizův kavirel)</source>
        <translation>Game type of the board being played (normal or Leibniz Kavirel)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jméno desky</source>
        <translation>Name of the board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vrátit zpět přesunutý kámen</source>
        <translation>Take the last jump back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Znovu rozestavět kameny na desce do původního postavení</source>
        <translation>Set the pegs up again as the board started</translation>
    </message>
</context>
<context>
    <name>KavirelZpravy</name>
    <message>
        <location filename="../view/KavirelZpravy.cpp" line="+31"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../view/KavirelZpravy.h" line="+41"/>
        <source>Neznámá chyba</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../dialogs/KavirelAbout.cpp" line="+23"/>
        <source>Kavirel - O Aplikaci</source>
        <translation>Kavirel - About</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Verze %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copyright © vývojáři programu Kavirel</source>
        <translation>Copyright © the Kavirel developers</translation>
    </message>
</context>
<context>
    <name>TBarvyForm</name>
    <message>
        <location filename="../dialogs/KavirelBarvy.cpp" line="+34"/>
        <source>Kavirel - Nastavení barev</source>
        <translation>Kavirel - Colours</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Ukázka aktuálního nastavení</source>
        <translation>Sample of the current colours</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Neexistující pole - barva pozadí desky</source>
        <translation>No hole - the background of the board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prázdné pole</source>
        <translation>Empty hole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pole obsazené kamenem</source>
        <translation>Hole with a peg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obsazené cílové pole (číslo při přehrávání řešení)</source>
        <translation>Target hole with a peg (number while a solution is replayed)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Označené pole (číslo při přehrávání řešení)</source>
        <translation>Marked hole (number while a solution is replayed)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nastavení barvy...</source>
        <translation>Colour of...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pozadí desky</source>
        <translation>Board background</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pole</source>
        <translation>Hole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kámen</source>
        <translation>Peg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Označení pole</source>
        <translation>Marked hole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Označení cílového</source>
        <translation>Target mark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Číslo pole</source>
        <translation>Hole number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Číslo pole při řešení</source>
        <translation>Number in a solution</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ohraničení pole</source>
        <translation>Hole outline</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nastav standardní</source>
        <translation>Standard colours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obnovit standardní nastavení barev - jako při startu programu</source>
        <translation>Restore the standard colours - as when the program starts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Použít aktuálního nastavení barev</source>
        <translation>Use the current colours</translation>
    </message>
</context>
<context>
    <name>TLegendaForm</name>
    <message>
        <location filename="../dialogs/KavirelLegenda.cpp" line="+25"/>
        <source>Kavirel - Legenda</source>
        <translation>Kavirel - Legend</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Prázdné pole</source>
        <translation>Empty hole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pole obsazené kamenem</source>
        <translation>Hole with a peg</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Prázdné cílové pole - pro variantu hry určení posledního pole</source>
        <translation>Empty target hole - for the variant in which the last hole is given</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Obsazené cílové pole - pro variantu hry určení posledního pole</source>
        <translation>Target hole with a peg - for the variant in which the last hole is given</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Označení pole s kamenem, kterým se bude skákat</source>
        <translation>Mark of the peg that is about to jump</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../app/KavirelForm.cpp" line="+197"/>
        <source>Hr&amp;a</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nahr&amp;át</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Uložit</source>
        <translation>S&amp;ave</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>E&amp;ditovat</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ř&amp;ešení</source>
        <translation>S&amp;olve</translation>
    </message>
    <message>
        <location filename="../app/KavirelPredavaniDesek.cpp" line="+36"/>
        <source>Momentálně probíhá řešení jiné desky. 
<byte value="xd"/>Chcete-li výpočet přerušit, klikněte na tlačítko &quot;Zastavit&quot; a poté znovu vyberte desku pro řešení.</source>
        <translation>Another board is being solved at the moment. 
<byte value="xd"/>To stop that search, click the &quot;Cancel&quot; button and then choose the board to solve again.</translation>
    </message>
    <message>
        <location filename="../app/KavirelNastaveniOkna.cpp" line="+103"/>
        <source>Kavirel: nastavení nelze uložit do %1</source>
        <translation>Kavirel: the settings cannot be saved to %1</translation>
    </message>
</context>
<context>
    <name>TNabidky</name>
    <message>
        <location filename="../app/KavirelNabidky.cpp" line="+71"/>
        <source>&amp;Hra</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nová</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nová ná&amp;hodná deska…</source>
        <translation>New ran&amp;dom board…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zadat &amp;číslo desky…</source>
        <translation>&amp;Enter board number…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Krok &amp;zpět</source>
        <translation>&amp;Undo move</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Krok &amp;vpřed</source>
        <translation>&amp;Redo move</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Osobní rekordy</source>
        <translation>Personal &amp;bests</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Statistika…</source>
        <translation>&amp;Statistics…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Konec</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Typ hry</source>
        <translation>Game &amp;type</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Normální Kavirel</source>
        <translation>&amp;Normal Kavirel</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Klasická verze Kavirelu</source>
        <translation>The classic version of Kavirel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Leibnizuv Kavirel</source>
        <translation>&amp;Leibniz Kavirel</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Nastavení</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Barvy</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Čí&amp;sla polí</source>
        <translation>Hole &amp;numbers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Animace skoků</source>
        <translation>Jump &amp;animation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nápo&amp;věda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Legenda</source>
        <translation>&amp;Legend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nápověda ke hře</source>
        <translation>Game &amp;help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;O aplikaci Kavirel</source>
        <translation>&amp;About Kavirel</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Zrušit &amp;radu</source>
        <translation>Cancel &amp;hint</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Poradit tah</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Jazyk</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>podle &amp;systému</source>
        <translation>&amp;System default</translation>
    </message>
</context>
<context>
    <name>TNahodnaForm</name>
    <message>
        <location filename="../app/KavirelNahodnaForm.cpp" line="+20"/>
        <source>Kavirel - Nová náhodná deska</source>
        <translation>Kavirel - New random board</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Obtížnost (1 nejsnazší, 5 nejtěžší):</source>
        <translation>&amp;Difficulty (1 easiest, 5 hardest):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Normální Kavirel</source>
        <translation>&amp;Normal Kavirel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Leibnizův Kavirel</source>
        <translation>&amp;Leibniz Kavirel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Typ hry:</source>
        <translation>Game type:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Každá náhodná deska má řešení. Její číslo uvidíte v názvu desky; kdo je zadá, dostane tutéž desku.</source>
        <translation>Every random board has a solution. You will see its number in the board&apos;s name; whoever enters it gets the same board.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Kavirel - Zadat číslo desky</source>
        <translation>Kavirel - Enter board number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Číslo desky (například 3-48213):</source>
        <translation>Board number (for example 3-48213):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>„%1“ není číslo desky. Číslo má tvar OBTÍŽNOST-SEMÍNKO, například 3-48213: obtížnost 1 až 5, semínko 1 až 999999 bez nul na začátku.</source>
        <translation>“%1” is no board number. A number has the form DIFFICULTY-SEED, for example 3-48213: a difficulty from 1 to 5, a seed from 1 to 999999 without leading zeros.</translation>
    </message>
</context>
<context>
    <name>TNapovedaOkno</name>
    <message>
        <location filename="../app/KavirelNapoveda.cpp" line="+45"/>
        <source>Kavirel - Nápověda</source>
        <translation>Kavirel - Help</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TPoznamkaOdmitnuti</name>
    <message>
        <location filename="../app/KavirelOvladace.cpp" line="+364"/>
        <source>Tento znak nelze v názvu desky použít</source>
        <translation>This character cannot be used in a board name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Znak „%1“ nelze v názvu desky použít</source>
        <translation>The character “%1” cannot be used in a board name</translation>
    </message>
</context>
<context>
    <name>TPribehVyhry</name>
    <message>
        <location filename="../app/KavirelPribehVyhry.cpp" line="+56"/>
        <source>Cíl splněn za %1.</source>
        <translation>Goal reached in %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nový osobní rekord na této desce!</source>
        <translation>A new personal best on this board!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Váš rekord na této desce: %1</source>
        <translation>Your best on this board: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Nejméně tahů: %1</source>
        <translation>Fewest moves: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nejméně tahů: počítám…</source>
        <translation>Fewest moves: computing…</translation>
    </message>
</context>
<context>
    <name>TRekordyForm</name>
    <message>
        <location filename="../app/KavirelRekordyForm.cpp" line="+16"/>
        <source>Kavirel - Osobní rekordy</source>
        <translation>Kavirel - Personal bests</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deska</source>
        <translation>Board</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Typ hry</source>
        <translation>Game type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tahů</source>
        <translation>Moves</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dosaženo</source>
        <translation>Reached</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Osobní rekordy</source>
        <translation>Personal bests</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>normální</source>
        <translation>normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leibnizův</source>
        <translation>Leibniz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>d. M. yyyy H:mm</source>
        <translation>d MMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>TResitel</name>
    <message>
        <location filename="../app/KavirelResitel.cpp" line="+20"/>
        <source>Neznámá chyba</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>TStatistikaForm</name>
    <message>
        <location filename="../app/KavirelStatistikaForm.cpp" line="+14"/>
        <source>Deska</source>
        <translation>Board</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Typ hry</source>
        <translation>Game type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Her</source>
        <translation>Games</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Výher</source>
        <translation>Wins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nejlépe</source>
        <translation>Best</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Naposledy</source>
        <translation>Last played</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Kavirel - Statistika</source>
        <translation>Kavirel - Statistics</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Statistika her</source>
        <translation>Game statistics</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Leibnizův</source>
        <translation>Leibniz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normální</source>
        <translation>normal</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>d. M. yyyy H:mm</source>
        <translation>d MMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>TZalozkaEdit</name>
    <message>
        <location filename="../app/KavirelZalozkaEdit.cpp" line="+43"/>
        <location line="+77"/>
        <location line="+13"/>
        <location filename="../app/KavirelZalozkaUlozit.cpp" line="+131"/>
        <source>Editovaná deska</source>
        <translation>Edited board</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Prostor pro vložení jména editované desky</source>
        <translation>The name of the edited board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;yp hry:</source>
        <translation>T&amp;ype:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Změna typu hry</source>
        <translation>Change the game type</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Typ hry právě editované desky (normální nebo Leibnizův kavirel)</source>
        <translation>Game type of the board being edited (normal or Leibniz Kavirel)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Výběr možných prvků desky</source>
        <translation>Elements of the board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neexistující pole</source>
        <translation>No hole</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Prázdné pole</source>
        <translation>Empty hole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plné pole</source>
        <translation>Hole with a peg</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Prázdné cílové pole</source>
        <translation>Empty target hole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plné cílové pole</source>
        <translation>Target hole with a peg</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Výběr prvku, který se přenese na prostor editované desky po kliknutí do jednoho z jejích polí</source>
        <translation>The element a click on a position of the edited board puts there</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Akce s editovanou deskou</source>
        <translation>Edited board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H&amp;rát</source>
        <translation>Play &amp;now</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Přehrát právě editovanou desku</source>
        <translation>Play the board being edited</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Návrat &amp;k původní</source>
        <translation>&amp;Revert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zruší všechny změny na editované desce</source>
        <translation>Undo every change to the edited board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řeš&amp;it</source>
        <translation>Sol&amp;ve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řešit právě editovanou desku</source>
        <translation>Solve the board being edited</translation>
    </message>
</context>
<context>
    <name>TZalozkaHra</name>
    <message>
        <location filename="../app/KavirelZalozkaHra.cpp" line="+18"/>
        <source>Nová hra</source>
        <translation>New game</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hra probíhá...</source>
        <translation>Game in progress...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Poradit tah</source>
        <translation>Hi&amp;nt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Najít v pozadí tah, který vede k vyřešení desky</source>
        <translation>Find, in the background, a move that leads to a solution of the board</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+3"/>
        <source>KONEC HRY - žádné volné tahy</source>
        <translation>GAME OVER - no moves left</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Hra je ukončena - na desce již neexistuje žádný možný tah</source>
        <translation>The game is over - no jump is possible on the board</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ukazuje, zda byla splněna podmínka varianty hry s cílovými poli</source>
        <translation>Shows whether the condition of the target-hole variant was met</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stav aktuální hry</source>
        <translation>State of the current game</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Typ hry:</source>
        <translation>Game type:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Odehraných tahů: </source>
        <translation>Moves played: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Počet odehraných tahů - za jeden tah se považuje i víceskok</source>
        <translation>Number of moves played - a multiple jump counts as one move</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Počet zbývajících kamenů (normální kavirel) nebo zbývajících prázdných polí (Leibnizův kavirel)</source>
        <translation>Number of pegs left (normal Kavirel) or of empty holes left (Leibniz Kavirel)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Možnosti hry</source>
        <translation>Game options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Krok zpět...</source>
        <translation>&amp;Undo...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Znovu roze&amp;stavět</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Z&amp;měna typu hry</source>
        <translation>&amp;Change type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Změnit aktuální typ hry - z normálního na Leibnizův kavirel nebo naopak</source>
        <translation>Change the game type - from normal to Leibniz Kavirel or back</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Akce s rozehranou deskou</source>
        <translation>Board in play</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit&amp;ovat</source>
        <translation>Ed&amp;it</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Editovat aktuální herní situaci na desce</source>
        <translation>Edit the current position on the board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řeš&amp;it</source>
        <translation>Sol&amp;ve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řešit aktuální herní situaci na desce</source>
        <translation>Solve the current position on the board</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pomoc při hře</source>
        <translation>Help with the game</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>K&amp;rok vpřed</source>
        <translation>Re&amp;do</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Znovu zahrát vrácený tah</source>
        <translation>Play the move taken back again</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Doporučený tah - jeho pole jsou označena čísly</source>
        <translation>The move suggested - its holes are marked with numbers</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nejmenší počet tahů, kterým jste tuto desku vyřešili</source>
        <translation>The fewest moves in which you solved this board</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Hledám vhodný tah...</source>
        <translation>Looking for a good move...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Zrušit radu</source>
        <translation>Cancel hi&amp;nt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zrušit hledání doporučeného tahu</source>
        <translation>Stop looking for a move to suggest</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Cíl hry je už splněn</source>
        <translation>The goal is reached already</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Táhněte z pole %1 na pole %2</source>
        <translation>Jump from hole %1 to hole %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Z této pozice už řešení neexistuje</source>
        <translation>No solution exists from this position</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Nový osobní rekord: %1</source>
        <translation>New personal best: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osobní rekord: %1</source>
        <translation>Personal best: %1</translation>
    </message>
</context>
<context>
    <name>TZalozkaNahrat</name>
    <message>
        <location filename="../app/KavirelZalozkaNahrat.cpp" line="+61"/>
        <source>Kavirelová deska (*.kav)</source>
        <translation>Kavirel board (*.kav)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Typ hry:</source>
        <translation>Game type:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+93"/>
        <source>Ukazuje odkud byla aktuální deska nahrána</source>
        <translation>Shows where the current board was loaded from</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Číslo desky: </source>
        <translation>Board number: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Číslo desky v standardním souboru uložených desek</source>
        <translation>Number of the board in the standard file of saved boards</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Deska ze standardního souboru</source>
        <translation>Board from the standard file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Jdi na číslo:</source>
        <translation>Go to number:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Předchozí</source>
        <translation>P&amp;revious</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pohyb ve standardním souboru uložených desek směrem vzad</source>
        <translation>Go back in the standard file of saved boards</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Da&amp;lší</source>
        <translation>Ne&amp;xt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pohyb ve standardním souboru uložených desek směrem vpřed</source>
        <translation>Go forward in the standard file of saved boards</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Prostor pro vložení čísla desky v standardním souboru uložených desek</source>
        <translation>The number of a board in the standard file of saved boards</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Smazat</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Smazat aktuální nahranou desku ze standardního souboru</source>
        <translation>Delete the loaded board from the standard file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deska z externího souboru</source>
        <translation>Board from another file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Otev&amp;řít...</source>
        <translation>Ope&amp;n...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Otevřít desku z externího souboru (*.kav)</source>
        <translation>Open a board from a file of its own (*.kav)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Akce s nahranou deskou</source>
        <translation>Loaded board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H&amp;rát</source>
        <translation>Pla&amp;y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hrát aktuální nahranou desku</source>
        <translation>Play the loaded board</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit&amp;ovat</source>
        <translation>Ed&amp;it</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Editovat aktuální nahranou desku</source>
        <translation>Edit the loaded board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řeš&amp;it</source>
        <translation>Sol&amp;ve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Řešit aktuální nahranou desku</source>
        <translation>Solve the loaded board</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Nahráno ze souboru</source>
        <translation>Loaded from the file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nahráno ze standardního souboru</source>
        <translation>Loaded from the standard file</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Zadaná hodnota není číslo</source>
        <translation>The value entered is not a number</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Standardní soubor je prázdný.</source>
        <translation>The standard file is empty.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Standardní soubor obsahuje %1 uložených desek.
<byte value="xd"/>Zadejte číslo z rozmezí 1..%1</source>
        <translation>The standard file holds %1 saved boards.
<byte value="xd"/>Enter a number from 1 to %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Ukazuje odkud byla aktuální deska nahrána:
%1</source>
        <translation>Shows where the current board was loaded from:
%1</translation>
    </message>
</context>
<context>
    <name>TZalozkaOkna</name>
    <message>
        <location filename="../app/KavirelZalozka.cpp" line="-136"/>
        <source>NORMÁLNÍ</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LEIBNIZŮV KAVIREL</source>
        <translation>LEIBNIZ KAVIREL</translation>
    </message>
</context>
<context>
    <name>TZalozkaReseni</name>
    <message>
        <location filename="../app/KavirelZalozkaReseni.cpp" line="+82"/>
        <source>Hledám %1 · %2 pozice</source>
        <comment>1</comment>
        <translation>Searching %1 · %2 position</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hledám %1 · %2 pozice</source>
        <translation>Searching %1 · %2 positions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hledám %1 · %2 pozic</source>
        <translation>Searching %1 · %2 positions</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Typ hry desky určené pro řešení (normální nebo Leibnizův kavirel)</source>
        <translation>Game type of the board to solve (normal or Leibniz Kavirel)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Typ hry:</source>
        <translation>Game type:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Odehraných tahů: </source>
        <translation>Moves played: </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Celkový počet tahů potřebných pro přehrání celé desky</source>
        <translation>Number of moves the whole solution takes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Zastavit</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zastavit vyhledávání řešení</source>
        <translation>Stop the search for a solution</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Možnosti přehrání nalezeného řešení</source>
        <translation>Replay of the solution found</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Krok zpět...</source>
        <translation>&amp;Undo...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zn&amp;ovu přehrát</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nalézt...</source>
        <translation>Find...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nejr&amp;ychlejší řešení</source>
        <translation>&amp;Quickest solution</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nalezení prvního správného řešení aktuální desky</source>
        <translation>Find the first solution of the current board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ne&amp;jkratší řešení</source>
        <translation>Shortest solutio&amp;n</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nalezení řešení s nejmenším potřebným počtem tahů</source>
        <translation>Find a short solution: few moves, though not always the fewest</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nej&amp;méně tahů</source>
        <translation>Fe&amp;west moves</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nalezení řešení s nejmenším možným počtem tahů; hledá déle než nejkratší řešení</source>
        <translation>Find a solution with the fewest moves possible; searches longer than the shortest solution</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Potřebných tahů: %1</source>
        <translation>Moves needed: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Doba trvání hledání: %1</source>
        <translation>Search took: %1</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Automatické přehrání</source>
        <translation>Automatic replay</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+59"/>
        <source>&amp;Přehrát</source>
        <translation>Repla&amp;y</translation>
    </message>
    <message>
        <location line="-58"/>
        <location line="+60"/>
        <source>Přehrát nalezené řešení tah po tahu</source>
        <translation>Replay the solution found move by move</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>H&amp;rát odsud</source>
        <translation>Play &amp;from here</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hrát dál od aktuální pozice přehrávaného řešení jako novou hru</source>
        <translation>Go on playing from this position of the solution as a new game</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Za&amp;stavit</source>
        <translation>Stop repla&amp;y</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zastavit automatické přehrávání řešení</source>
        <translation>Stop the automatic replay of the solution</translation>
    </message>
</context>
<context>
    <name>TZalozkaUlozit</name>
    <message>
        <location filename="../app/KavirelZalozkaUlozit.cpp" line="-97"/>
        <source>Ukazuje původ ukládané desky</source>
        <translation>Shows where the board to save comes from</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ukládaná deska</source>
        <translation>Board to save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prostor pro vložení jména desky pod kterým má být uložena</source>
        <translation>The name under which the board is saved</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kam uložit...</source>
        <translation>Save to...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do &amp;standardního souboru</source>
        <translation>Standa&amp;rd file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uložit desku do standardního souboru uložených desek</source>
        <translation>Save the board to the standard file of saved boards</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do e&amp;xterního souboru</source>
        <translation>File of its o&amp;wn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Uložit desku do externího souboru</source>
        <translation>Save the board to a file of its own</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Uložit rozehranou desku pod názvem...</source>
        <translation>Save the game in play as...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Uložit nahranou desku pod názvem...</source>
        <translation>Save the loaded board as...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Uložit editovanou desku pod názvem...</source>
        <translation>Save the edited board as...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nelze ukládat desku z řešení...</source>
        <translation>A board of the solver cannot be saved...</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Uloženo do standardního souboru</source>
        <translation>Saved to the standard file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Přidáno jen do katalogu této hry</source>
        <translation>Added to this game’s catalogue only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pod číslem %1</source>
        <translation>as number %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Standardní soubor používá jiná spuštěná hra,
<byte value="xd"/>deska se do něj při ukončení této hry neuloží.</source>
        <translation>Another running game is using the standard file;
<byte value="xd"/>the board will not be saved to it when this game ends.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Standardní soubor se nepodařilo zálohovat,
<byte value="xd"/>deska se do něj při ukončení neuloží.</source>
        <translation>The standard file could not be backed up;
<byte value="xd"/>the board will not be saved to it at the end.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zámek standardního souboru nelze použít,
<byte value="xd"/>deska se do něj neuloží.</source>
        <translation>The standard file&apos;s lock cannot be used,
<byte value="xd"/>the board will not be saved to it.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Uloženo do externího souboru</source>
        <translation>Saved to a file of its own</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>s názvem &quot;%1&quot;</source>
        <translation>named &quot;%1&quot;</translation>
    </message>
</context>
</TS>
