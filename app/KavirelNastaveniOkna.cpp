// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNastaveniOkna.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include "KavirelDeska.h"
#include "KavirelFile.h"
#include "KavirelNabidky.h"
#include "KavirelNastaveni.h"
#include "KavirelPreklad.h"
#include "KavirelTexty.h"
#include "KavirelZalozka.h"
#include "KavirelZalozkaEdit.h"
#include "KavirelZalozkaHra.h"
#include "KavirelZalozkaNahrat.h"
#include "KavirelZalozkaUlozit.h"

TNastaveniOkna::TNastaveniOkna(QMainWindow& Okno, TRelaceHry& Relace, TNabidky& Nabidky, TGraphGameDeska& Deska,
                               TZalozkaEdit& Edit)
    : Okno(Okno), Relace(Relace), Nabidky(Nabidky), Deska(Deska), Edit(Edit)
{
}

TNastaveniOkna::~TNastaveniOkna() = default;

void TNastaveniOkna::Nacti(TZalozkaHra& Hra, TZalozkaNahrat& Nahrat, TZalozkaUlozit& Ulozit)
{
    Nastaveni = std::make_unique<TNastaveni>();
    Nastaveni->Nacti();
    NactiJazyk();
    Deska.NastavBarvy(Nastaveni->Barvy);
    Edit.NastavBarvyPalety(Nastaveni->Barvy);
    Relace.Hra().NastavCisla(Nastaveni->CislaPoli);
    Relace.Hra().NastavEvidenci(&Nastaveni->Statistiky);
    Nabidky.NastavAnimaci(Nastaveni->Animace);
    Deska.NastavAnimaci(Nastaveni->Animace);
    Nabidky.NastavCislaPoli(Nastaveni->CislaPoli);
    Hra.NastavNastaveni(Nastaveni.get());
    Nahrat.NastavNastaveni(Nastaveni.get());
    Ulozit.NastavNastaveni(Nastaveni.get());
    // A number the catalogue no longer has leaves its first board current.
    if (Nastaveni->PosledniDeska > 0 && !(SeznamDesek && SeznamDesek->NaDeskuCislo(Nastaveni->PosledniDeska)))
        Nastaveni->PosledniDeska = 0;
    UmistiOkno();
}

void TNastaveniOkna::NactiJazyk()
{
    // The window takes its language before its least size is measured; the
    // texts made so far are set again at once, not at Qt's later event.
    const QString& kod = Nastaveni->Jazyk;
    const std::optional<TJazyk> jazyk = kod == QLatin1String("cs")   ? std::optional<TJazyk>(TJazyk::Cestina)
                                        : kod == QLatin1String("en") ? std::optional<TJazyk>(TJazyk::Anglictina)
                                                                     : std::nullopt;
    Nabidky.ZaskrtniJazyk(jazyk);
    if (NastavVolbuJazyka(jazyk)) {
        PrelozZnovu(&Okno);
        KavirelTvorba::SrovnejZaPopisky(&Okno);
    }
}

void TNastaveniOkna::UmistiOkno()
{
    // The default size is the least; the window comes back where it stood
    // as long as a screen still shows most of it, else centred.
    Okno.resize(Okno.minimumSizeHint().expandedTo(Okno.sizeHint()));
    const QSize nejmensi = Okno.size();
    Okno.setMinimumSize(nejmensi);
    QRect ram(QPoint(0, 0), nejmensi);
    const QRect ulozene = Nastaveni->Okno;
    const QScreen* obrazovka = ulozene.isValid() ? QGuiApplication::screenAt(ulozene.center()) : nullptr;
    if (obrazovka != nullptr && obrazovka->availableGeometry().intersects(ulozene)) {
        ram = QRect(ulozene.topLeft(), ulozene.size().expandedTo(nejmensi));
        Okno.setGeometry(ram);
    } else if (const QScreen* hlavni = QGuiApplication::primaryScreen()) {
        ram = Okno.frameGeometry();
        ram.moveCenter(hlavni->availableGeometry().center());
        Okno.move(ram.topLeft());
    }
    if (Nastaveni->Maximalizovane)
        Okno.setWindowState(Okno.windowState() | Qt::WindowMaximized);
}

void TNastaveniOkna::ZvolJazyk(std::optional<TJazyk> Volba)
{
    Nastaveni->Jazyk = Volba ? QString::fromLatin1(KodJazyka(*Volba)) : QString();
    Nabidky.ZaskrtniJazyk(Volba);
    NastavVolbuJazyka(Volba);
}

void TNastaveniOkna::Uloz()
{
    if (!Nastaveni)
        return;
    Nastaveni->Barvy = Deska.DejBarvy();
    Nastaveni->CislaPoli = Relace.Hra().JsouCisla();
    Nastaveni->Okno = Okno.normalGeometry().isValid() ? Okno.normalGeometry() : Okno.geometry();
    Nastaveni->Maximalizovane = Okno.isMaximized();
    if (!Nastaveni->Uloz()) {
        // The window's text, kept under the window's name in the translations.
        const QString zprava = QCoreApplication::translate("TMainForm", "Kavirel: nastavení nelze uložit do %1");
        qWarning("%s", qUtf8Printable(zprava.arg(Nastaveni->Soubor())));
    }
}
