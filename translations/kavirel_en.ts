<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
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
</TS>
