// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelOkna.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>

#include <algorithm>

// The resources live in ikony.qrc, compiled into the static GUI library; a
// static library's resources register only when something names them.
static void RegistrujIkony()
{
    static const bool hotovo = [] {
        Q_INIT_RESOURCE(ikony);
        return true;
    }();
    (void)hotovo;
}

QIcon NactiIkonu(const char* Nazev)
{
    RegistrujIkony();
    QIcon ikona;
    const QDir adresar(QStringLiteral(":/") + QString::fromLatin1(Nazev));
    for (const QString& soubor : adresar.entryList(QDir::Files))
        ikona.addFile(adresar.filePath(soubor));
    return ikona;
}

QPixmap NactiBitmapu(const char* Nazev)
{
    RegistrujIkony();
    const QDir adresar(QStringLiteral(":/") + QString::fromLatin1(Nazev));
    const QStringList soubory = adresar.entryList(QDir::Files);
    if (soubory.isEmpty())
        return QPixmap();
    return QPixmap(adresar.filePath(soubory.first()));
}

void NastavPevneOkno(QDialog* Okno, int Sirka, int Vyska)
{
    Okno->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Okno->setFixedSize(Sirka, Vyska);
    Okno->setSizeGripEnabled(false);
}

void VycentrujNaObrazovce(QWidget* Okno)
{
    QScreen* obrazovka = Okno->screen();
    if (obrazovka == nullptr)
        obrazovka = QGuiApplication::primaryScreen();
    if (obrazovka == nullptr)
        return;
    const QRect plocha = obrazovka->availableGeometry();
    // The frame is known only once the window manager has framed the window;
    // until then the client area alone is centred.
    const QRect ramec = Okno->frameGeometry();
    const QSize velikost = ramec.isValid() && ramec.size() != QSize(0, 0) ? ramec.size() : Okno->size();
    Okno->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, velikost, plocha).topLeft());
}

void UmistiPopisek(QLabel* Popisek, int Vlevo, int Nahore, int Sirka, int Vyska)
{
    Popisek->setProperty("KavirelMistoPopisku", QRect(Vlevo, Nahore, Sirka, Vyska));
    const int potreba = Popisek->fontMetrics().horizontalAdvance(Popisek->text());
    const QMargins okraje = Popisek->contentsMargins();
    if (potreba + okraje.left() + okraje.right() + 2 * Popisek->margin() <= Sirka) {
        Popisek->setWordWrap(false);
        Popisek->setGeometry(Vlevo, Nahore, Sirka, Vyska);
        return;
    }
    Popisek->setWordWrap(true);
    const int vyska = std::max(Vyska, Popisek->heightForWidth(Sirka));
    const int stred = Nahore + Vyska / 2;
    Popisek->setGeometry(Vlevo, stred - vyska / 2, Sirka, vyska);
}

int SirkaTlacitka(const QAbstractButton* Tlacitko, int Minimum)
{
    return std::max(Minimum, Tlacitko->sizeHint().width());
}

void UmistiPopiskyZnovu(QWidget* Okno)
{
    for (QLabel* l : Okno->findChildren<QLabel*>()) {
        const QRect misto = l->property("KavirelMistoPopisku").toRect();
        if (misto.isValid())
            UmistiPopisek(l, misto.x(), misto.y(), misto.width(), misto.height());
    }
}
