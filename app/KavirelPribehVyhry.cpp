// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPribehVyhry.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "KavirelDeska.h"
#include "KavirelNastaveni.h"
#include "KavirelResitel.h"
#include "KavirelStatistika.h"
#include "KavirelZalozka.h"

TPribehVyhry::TPribehVyhry(TResitel& Resitel_, QWidget* deska) : QFrame(deska), Resitel(Resitel_)
{
    setObjectName(QStringLiteral("PribehVyhry"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(10, 6, 10, 6);
    rozvrzeni->setSpacing(2);
    const char* const jmena[] = {"lblVyhraTahu", "lblVyhraNejlepe", "lblVyhraNejmene"};
    QLabel** popisky[] = {&lblVyhraTahu, &lblVyhraNejlepe, &lblVyhraNejmene};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(jmena[i]));
        l->setAlignment(Qt::AlignCenter);
        OznamujeZmeny(l);
        rozvrzeni->addWidget(l);
        *popisky[i] = l;
    }
    QFont tucne = lblVyhraTahu->font();
    tucne.setBold(true);
    lblVyhraTahu->setFont(tucne);
    hide();
    deska->installEventFilter(this);
    connect(&Resitel, &TResitel::NejmeneSpocitano, this, &TPribehVyhry::PoNejmene);
}

void TPribehVyhry::PoAkci(const TVysledekAkce& Vysledek, const TZaznamDesky& Pocatek)
{
    if (Vysledek.Plocha != dpHra)
        return;
    if (!Vysledek.MaVyhru) {
        if (Vysledek.ZmenaPozice)
            Zrus();
        return;
    }
    const TSouhrnVyhry& v = Vysledek.Vyhra;
    Nastav(lblVyhraTahu, "text", T_("Cíl splněn za %1.").arg(PocetTahu(v.Tahu)));
    lblVyhraNejlepe->setVisible(v.Nejlepe > 0);
    if (v.Nejlepe > 0)
        Nastav(lblVyhraNejlepe, "text",
               v.NovyRekord() ? T_("Nový osobní rekord na této desce!")
                              : T_("Váš rekord na této desce: %1").arg(PocetTahu(v.Nejlepe)));
    const std::string deska = IdentitaZaznamu(Pocatek);
    if (deska != Deska) {
        Deska = deska;
        Nejmene = Nezname;
        Resitel.Nejmene(Pocatek);
    }
    MaPribeh = true;
    PoNejmene(Nejmene);
}

void TPribehVyhry::PoNejmene(std::int32_t Tahu)
{
    Nejmene = Tahu;
    lblVyhraNejmene->setVisible(Tahu != ZadneReseni);
    Nastav(lblVyhraNejmene, "text",
           Tahu >= 0 ? T_("Nejméně tahů: %1").arg(Tahu) : T_("Nejméně tahů: počítám…"));
    Ukaz();
    OznamZmenu(lblVyhraNejmene);
}

void TPribehVyhry::NaHre(bool Vpredu)
{
    HraVpredu = Vpredu;
    Ukaz();
}

void TPribehVyhry::Zrus()
{
    MaPribeh = false;
    // An unfinished search is of no use later; a finished one is kept.
    if (Resitel.PocitaNejmene()) {
        Resitel.ZrusNejmene();
        Deska.clear();
    }
    hide();
}

void TPribehVyhry::Ukaz()
{
    const bool ukazat = MaPribeh && HraVpredu;
    if (ukazat) {
        Umisti();
        raise();
    }
    const bool nove = ukazat && isHidden();
    setVisible(ukazat);
    if (nove)
        for (QLabel* l : {lblVyhraTahu, lblVyhraNejlepe})
            OznamZmenu(l);
}

void TPribehVyhry::Umisti()
{
    const QWidget* deska = parentWidget();
    adjustSize();
    const int sirka = std::min(deska->width() - 16, std::max(width(), deska->width() / 2));
    const QSize velikost(sirka, sizeHint().height());
    resize(velikost);
    // In the room below the fields, else above them; only a board that
    // fills its square is covered at its foot.
    QRectF pole;
    if (const auto* pohled = qobject_cast<const TGraphGameDeska*>(deska))
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y)
                if (pohled->JeNabizene({x, y}))
                    pole |= pohled->PolohaPole({x, y});
    const int dole = deska->height() - static_cast<int>(std::ceil(pole.bottom()));
    const int nahore = static_cast<int>(pole.top());
    int y = deska->height() - velikost.height() - 12;
    if (!pole.isNull() && dole >= velikost.height() + 8)
        y = deska->height() - dole + (dole - velikost.height()) / 2;
    else if (!pole.isNull() && nahore >= velikost.height() + 8)
        y = (nahore - velikost.height()) / 2;
    move((deska->width() - velikost.width()) / 2, y);
}

bool TPribehVyhry::eventFilter(QObject* Objekt, QEvent* Udalost)
{
    if (Objekt == parentWidget() && Udalost->type() == QEvent::Resize && !isHidden())
        Umisti();
    return QFrame::eventFilter(Objekt, Udalost);
}
