// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelZalozka.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "KavirelOvladace.h"
#include "KavirelPristupnost.h"
#include "KavirelText.h"

namespace {

const char* const VlastnostOznameni = "KavirelOznameni";
const char* const VlastnostPuvodu = "KavirelPuvod";
const char* const VlastnostMista = "KavirelMisto";
const char* const VlastnostPevneho = "KavirelPevny";
const char* const VlastnostSouboru = "KavirelPuvodSoubor";

// A label whose changes are news: a notification for assistive technology,
// which screen readers read out when it shows.
class TOznamovaciPopisek : public QAccessibleWidget {
public:
    explicit TOznamovaciPopisek(QLabel* popisek) : QAccessibleWidget(popisek, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* TovarnaOznameni(const QString& trida, QObject* objekt)
{
    if (trida != QLatin1String("QLabel") || objekt == nullptr || !objekt->property(VlastnostOznameni).toBool())
        return nullptr;
    return new TOznamovaciPopisek(static_cast<QLabel*>(objekt));
}

} // namespace

TZalozkaOkna::TZalozkaOkna(const char* Jmeno, QWidget* rodic) : QWidget(rodic)
{
    setObjectName(QString::fromLatin1(Jmeno));
}

void TZalozkaOkna::PisTypHry(QLabel* Popisek, TTypHry Typ)
{
    switch (Typ) {
    case thNormalni:
        Napis(Popisek, T_("NORMÁLNÍ"));
        break;
    case thLeibniz:
        Napis(Popisek, T_("LEIBNIZŮV KAVIREL"));
        break;
    default:
        return;  // not a type of this system: nothing changes
    }
    emit TypZobrazen(Typ);
}

// ---------------------------------------------------------------------------
// Status routines

void PisNazevDesky(QLabel* Popisek, const TZaznamDesky& Zaznam) { Napis(Popisek, NazevDesky(Zaznam)); }

void PisZbyvajici(QLabel* Popisek, const TStavPlochy& Stav)
{
    // Any type other than normal plays by the Leibniz rule, so it counts holes.
    if (Stav.Typ == thNormalni)
        Napis(Popisek, TK_("KavirelZalozka", "Zbývá kamenů: %1").arg(Stav.Zbyva));
    else
        Napis(Popisek, TK_("KavirelZalozka", "Zbývá polí: %1").arg(Stav.Zbyva));
}

void PisTahy(QLabel* Popisek, QPushButton* KrokZpetTlacitko, const TStavPlochy& Stav)
{
    Napis(Popisek, QString::number(Stav.Tahu));
    KrokZpetTlacitko->setEnabled(Stav.LzeVratit);
}

void PisPrubeh(QLabel* Prubeh, QLabel* Konec, QLabel* Cilova, const TText& Text, const TStavPlochy& Stav)
{
    if (Stav.Verdikt == shProbiha) {
        Napis(Prubeh, Text);
        Prubeh->show();
        Konec->hide();
        Cilova->hide();
        return;
    }
    Prubeh->hide();
    Konec->show();
    OznamZmenu(Konec);
    // A board without target fields has no target verdict: the one of an
    // earlier game must not stay on screen.
    Cilova->hide();
    if (Stav.Verdikt != shKonec) {
        const bool normalni = Stav.Typ == thNormalni;
        TText text;
        if (Stav.Verdikt == shKonecCileNesplneny)
            text = normalni ? TK_("KavirelZalozka", "Prázdná cílová pole") : TK_("KavirelZalozka", "Plná cílová pole");
        else
            text = normalni ? TK_("KavirelZalozka", "Všechna cílová pole obsazena")
                            : TK_("KavirelZalozka", "Všechna cílová pole prázdná");
        Napis(Cilova, text);
        Cilova->show();
        OznamZmenu(Cilova);
    }
}

void PisPuvodDesky(QLabel* Popisek, const TText& Prvni, const QString& DruhyText)
{
    // Kept for a change of language, which calls PisPuvodDesky again.
    Popisek->setProperty(VlastnostPuvodu, QVariant::fromValue(Prvni));
    Popisek->setProperty(VlastnostSouboru, DruhyText);
    const QString PrvniText = Prvni();
    const QString cely = PrvniText + QLatin1Char(' ') + DruhyText;
    Napis(Popisek, PrvniText);
    const QWidget* rodic = Popisek->parentWidget();
    const QFontMetrics m(Popisek->font());
    const int sirka = rodic != nullptr ? rodic->width() - 6 - Popisek->x() - 2 : m.horizontalAdvance(cely);
    Popisek->setAccessibleName(QString());
    if (DruhyText.isEmpty() || m.horizontalAdvance(cely) <= sirka) {
        Napis(Popisek, cely);
        return;
    }
    // A long file name keeps the label's font: it takes the second line and
    // loses its middle, the whole name stays in the hint.
    Popisek->setText(PrvniText + QLatin1Char('\n') + m.elidedText(DruhyText, Qt::ElideMiddle, sirka));
    Popisek->adjustSize();
    Popisek->setAccessibleName(cely);
}

void PrepisPuvodDesky(QLabel* Popisek)
{
    const QVariant prvni = Popisek->property(VlastnostPuvodu);
    if (prvni.canConvert<TText>())
        PisPuvodDesky(Popisek, prvni.value<TText>(), Popisek->property(VlastnostSouboru).toString());
}

void PisEditNazevDesky(QLineEdit* Editor, const TText& Text)
{
    Nastav(Editor, "text", Text);
    Editor->selectAll();
    Editor->setFocus();
}

void PisEditNazevDesky(QLineEdit* Editor, const QString& Text)
{
    Zapomen(Editor, "text");
    Editor->setText(Text);
    Editor->selectAll();
    Editor->setFocus();
}

void OznamujeZmeny(QLabel* Popisek)
{
    static const bool tovarna = [] {
        QAccessible::installFactory(TovarnaOznameni);
        return true;
    }();
    (void)tovarna;
    Popisek->setProperty(VlastnostOznameni, true);
    ZapomenRozhrani(Popisek);
}

void OznamZmenu(QLabel* Popisek)
{
    if (Popisek == nullptr || Popisek->isHidden())
        return;
    // A new text of a label already shown is shown anew, so that it is read
    // out like a label that has just appeared.
    for (QAccessible::Event druh : {QAccessible::NameChanged, QAccessible::ObjectShow, QAccessible::Alert}) {
        QAccessibleEvent e(Popisek, druh);
        OznamPristupnosti(e);
    }
}

// ---------------------------------------------------------------------------
// Factories

namespace KavirelTvorba {

const TText HintTypHry = TK_("KavirelZalozka", "Typ hry právě přehrávané desky (normální nebo Leibnizův kavirel)");
const TText HintJmeno = TK_("KavirelZalozka", "Jméno desky");
const TText HintKrokZpet = TK_("KavirelZalozka", "Vrátit zpět přesunutý kámen");
const TText HintRozestavet = TK_("KavirelZalozka", "Znovu rozestavět kameny na desce do původního postavení");

QGroupBox* Skupina(QWidget* Rodic, const char* Jmeno, int l, int t, int w, int h, const TText& Titulek)
{
    auto* g = Ovladac<QGroupBox>(Rodic, Jmeno, l, t, w, h);
    Nastav(g, "title", Titulek);
    return g;
}

QLabel* Popisek(QWidget* Rodic, const char* Jmeno, int l, int t, int w, int h, const TText& Text,
                const TText& Napoveda)
{
    auto* p = Ovladac<QLabel>(Rodic, Jmeno, l, t, w, h);
    Nastav(p, "toolTip", Napoveda);
    Napis(p, Text);
    return p;
}

QPushButton* Tlacitko(QWidget* Rodic, const char* Jmeno, int l, int t, int w, int h, const TText& Text,
                      const TText& Napoveda)
{
    auto* b = Ovladac<QPushButton>(Rodic, Jmeno, l, t, w, h);
    Nastav(b, "text", Text);
    Nastav(b, "toolTip", Napoveda);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* EditNazvu(QWidget* Rodic, const char* Jmeno, int l, int t, int w, int h, const TText& Text,
                     const TText& Napoveda, const QFont& Pismo)
{
    auto* e = Ovladac<QLineEdit>(Rodic, Jmeno, l, t, w, h);
    e->setFont(Pismo);
    e->setMaxLength(MaxDelkaNazvu);
    e->setValidator(new TValidatorNazvu(e));
    // The first content is set again in another language until a name
    // replaces it, typed or given.
    Nastav(e, "text", Text);
    QObject::connect(e, &QLineEdit::textEdited, e, [e] { Zapomen(e, "text"); });
    Nastav(e, "toolTip", Napoveda);
    return e;
}

void SloupecSkupin(QWidget* Stranka, std::initializer_list<QWidget*> Skupiny)
{
    auto* sloupec = new QVBoxLayout(Stranka);
    sloupec->setContentsMargins(8, 8, 0, 0);
    sloupec->setSpacing(7);
    for (QWidget* g : Skupiny) {
        g->setFixedSize(g->size());
        sloupec->addWidget(g, 0, Qt::AlignLeft);
    }
    sloupec->addStretch(1);
}

void ZaPopiskem(QLabel* Hodnota, const QWidget* Pevny)
{
    // The place it was made at, and its caption, for a change of language.
    if (!Hodnota->property(VlastnostMista).isValid())
        Hodnota->setProperty(VlastnostMista, Hodnota->x());
    Hodnota->setProperty(VlastnostPevneho, QVariant::fromValue(const_cast<QWidget*>(Pevny)));
    const int x = std::max(Hodnota->property(VlastnostMista).toInt(), Pevny->x() + Pevny->width() + 2);
    Hodnota->move(x, Hodnota->y());
}

void SrovnejZaPopisky(QWidget* Koren)
{
    for (QLabel* l : Koren->findChildren<QLabel*>())
        if (auto* pevny = l->property(VlastnostPevneho).value<QWidget*>())
            ZaPopiskem(l, pevny);
}

QFont PismoNazvu(const QFont& Zaklad)
{
    QFont f = Zaklad;
    f.setPointSize(10);
    f.setBold(true);
    return f;
}

QFont Tucne(const QFont& Zaklad)
{
    QFont f = Zaklad;
    f.setBold(true);
    return f;
}

} // namespace KavirelTvorba
