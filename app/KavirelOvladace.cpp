// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelOvladace.h"

#include "KavirelPristupnost.h"
#include "KavirelTexty.h"

#include <QAccessible>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QTextLayout>
#include <QVBoxLayout>

#include <optional>

namespace {
// Space kept free between a label and the right and bottom edges of its
// container (the container's frame and the inset its left side has).
constexpr int OkrajVpravo = 6;
constexpr int OkrajDole = 4;

const char* const ZakladniPismo = "KavirelZakladniPismo";
const char* const UpravenePismo = "KavirelUpravenePismo";

// The font in which the text fits into the width on one line: the label's own
// font, else the same narrower, else also smaller (down to three quarters of
// its size). Empty when none fits.
std::optional<QFont> PismoNaSirku(const QFont& zaklad, const QString& text, int sirka)
{
    const auto vejdeSe = [&](const QFont& f) { return QFontMetrics(f).horizontalAdvance(text) <= sirka; };
    if (vejdeSe(zaklad))
        return zaklad;
    QFont f = zaklad;
    for (int stretch : {94, 88, 82}) {
        f.setStretch(stretch);
        if (vejdeSe(f))
            return f;
    }
    const qreal nejmensi = zaklad.pointSizeF() * 0.75;
    for (qreal velikost = zaklad.pointSizeF() - 0.5; velikost >= nejmensi; velikost -= 0.5) {
        f.setPointSizeF(velikost);
        if (vejdeSe(f))
            return f;
    }
    return std::nullopt;
}

// The text broken into lines of at most the width, between words where it
// can be and anywhere in a word longer than a line.
QStringList Radky(const QString& text, const QFont& pismo, int sirka)
{
    QTextLayout sazba(text, pismo);
    QTextOption volby;
    volby.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    sazba.setTextOption(volby);
    QStringList radky;
    sazba.beginLayout();
    for (QTextLine radek = sazba.createLine(); radek.isValid(); radek = sazba.createLine()) {
        radek.setLineWidth(sirka);
        QString kus = text.mid(radek.textStart(), radek.textLength());
        while (!kus.isEmpty() && kus.back().isSpace())
            kus.chop(1);
        radky << kus;
    }
    sazba.endLayout();
    return radky;
}

// The height free below the label's top: down to its container's bottom or
// to the first shown control beneath it, whichever comes first.
int VolnoDole(const QLabel* popisek, const QWidget* rodic, int sirka)
{
    int dole = rodic->height() - OkrajDole;
    for (const QObject* o : rodic->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w == nullptr || w == popisek || w->isWindow() || w->isHidden())
            continue;
        if (w->y() > popisek->y() && w->x() < popisek->x() + sirka && w->x() + w->width() > popisek->x())
            dole = std::min(dole, w->y());
    }
    return dole - popisek->y();
}
} // namespace

static void NapisText(QLabel* popisek, const QString& text);

namespace {
void ZapisPopisku(QObject* objekt, const char* vlastnost, const QString& text)
{
    auto* popisek = qobject_cast<QLabel*>(objekt);
    if (popisek != nullptr && qstrcmp(vlastnost, "text") == 0)
        NapisText(popisek, text);
    else
        objekt->setProperty(vlastnost, text);
}
} // namespace

void Napis(QLabel* popisek, const QString& text)
{
    Zapomen(popisek, "text");
    NapisText(popisek, text);
}

void Napis(QLabel* popisek, const TText& text)
{
    static const bool zapisovac = [] {
        NastavZapisPopisku(ZapisPopisku);
        return true;
    }();
    (void)zapisovac;
    ZapisujPresZapisovace(popisek);
    Nastav(popisek, "text", text);
}

void NapisText(QLabel* popisek, const QString& text)
{
    // The font the label had before an earlier text was fitted, unless the
    // caller has given it another font since.
    QFont pismo = popisek->font();
    if (popisek->property(UpravenePismo).isValid()) {
        if (popisek->property(UpravenePismo).value<QFont>() == pismo)
            pismo = popisek->property(ZakladniPismo).value<QFont>();
        popisek->setProperty(ZakladniPismo, QVariant());
        popisek->setProperty(UpravenePismo, QVariant());
    }
    popisek->setFont(pismo);
    popisek->setText(text);
    popisek->adjustSize();

    // A text wider than the room up to the container's right edge would be
    // cut off there. It is set in a narrower or smaller face of the font;
    // failing that it takes a second line if nothing is shown beneath it,
    // and only as the last resort is it shortened in the middle.
    const QWidget* rodic = popisek->parentWidget();
    if (rodic == nullptr || popisek->wordWrap())
        return;
    const int misto = rodic->width() - OkrajVpravo - popisek->x();
    if (popisek->width() <= misto)
        return;
    const int okraje = popisek->width() - popisek->fontMetrics().horizontalAdvance(text);
    const int sirka = misto - okraje;
    if (sirka <= 0)
        return;

    QFont vysledne = pismo;
    QString zobrazeny = text;
    if (const std::optional<QFont> uzsi = PismoNaSirku(pismo, text, sirka)) {
        vysledne = *uzsi;
    } else {
        const QStringList radky = Radky(text, pismo, sirka);
        const QFontMetrics m(pismo);
        if (radky.size() == 2 && 2 * m.lineSpacing() + okraje <= VolnoDole(popisek, rodic, misto)) {
            zobrazeny = radky.join(QLatin1Char('\n'));
        } else {
            vysledne.setPointSizeF(pismo.pointSizeF() * 0.75);
            vysledne.setStretch(82);
            zobrazeny = QFontMetrics(vysledne).elidedText(text, Qt::ElideMiddle, sirka);
        }
    }
    popisek->setProperty(ZakladniPismo, pismo);
    popisek->setProperty(UpravenePismo, vysledne);
    popisek->setFont(vysledne);
    popisek->setText(zobrazeny);
    popisek->adjustSize();
}

// ---------------------------------------------------------------------------

TListZalozek::TListZalozek(QWidget* rodic) : QTabBar(rodic)
{
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(false);
    setExpanding(false);
    // Five tabs must share one narrow row: the platform style's wide tab
    // padding would push the last one out.
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px %1px; }").arg(VodorovnyOkraj));
}

int TListZalozek::PotrebnaSirka(int index) const
{
    // The mnemonic's mark is drawn as the underline of its letter.
    QString text = tabText(index);
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return fontMetrics().horizontalAdvance(text) + 2 * VodorovnyOkraj + 2;
}

QSize TListZalozek::tabSizeHint(int index) const
{
    QSize velikost = QTabBar::tabSizeHint(index);
    // The fixed width where all tabs fit in one row with it; otherwise each
    // caption's own width plus an even share of what is left of the row, so
    // no caption is clipped and no tab falls off the row.
    int sPevnou = 0;
    int potrebaCelkem = 0;
    for (int i = 0; i < count(); ++i) {
        sPevnou += std::max(SirkaZalozky, PotrebnaSirka(i));
        potrebaCelkem += PotrebnaSirka(i);
    }
    const int kDispozici = parentWidget() ? parentWidget()->width() - 4 : sPevnou;
    const int potreba = PotrebnaSirka(index);
    if (sPevnou <= kDispozici)
        velikost.setWidth(std::max(SirkaZalozky, potreba));
    else
        velikost.setWidth(potreba + std::max(0, kDispozici - potrebaCelkem) / std::max(1, count()));
    return velikost;
}

TZalozky::TZalozky(QWidget* rodic) : QTabWidget(rodic)
{
    setTabBar(new TListZalozek(this));
    // Clicking a tab takes the focus first, as in a page control, so that an
    // edit box loses it (and finishes its input) before the page changes.
    tabBar()->setFocusPolicy(Qt::StrongFocus);
}

void TZalozky::NastavSirkuZalozky(int sirka)
{
    static_cast<TListZalozek*>(tabBar())->NastavSirkuZalozky(sirka);
    tabBar()->updateGeometry();
}

void TZalozky::Zvyrazni(int index, bool zvyraznit)
{
    if (index < 0 || index >= count())
        return;
    if (static_cast<int>(Zvyraznene.size()) < count())
        Zvyraznene.resize(static_cast<std::size_t>(count()), false);
    Zvyraznene[static_cast<std::size_t>(index)] = zvyraznit;
    tabBar()->setTabTextColor(index, zvyraznit ? palette().color(QPalette::Highlight) : QColor());
    tabBar()->update();
}

bool TZalozky::JeZvyraznena(int index) const
{
    return index >= 0 && index < static_cast<int>(Zvyraznene.size()) && Zvyraznene[static_cast<std::size_t>(index)];
}

// ---------------------------------------------------------------------------

TRadioGroup::TRadioGroup(const TText& titulek, const std::vector<TText>& polozky, QWidget* rodic)
    : QGroupBox(rodic), Skupina(new QButtonGroup(this))
{
    Nastav(this, "title", titulek);
    // Items share the height evenly, each centred in its slot. The caption
    // is a label beside the button so that it can wrap.
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(6, 4, 3, 4);
    rozvrzeni->setSpacing(0);
    for (int i = 0; i < static_cast<int>(polozky.size()); ++i) {
        const TText& polozka = polozky[static_cast<std::size_t>(i)];
        auto* radek = new QHBoxLayout;
        radek->setSpacing(4);
        auto* tlacitko = new QRadioButton(this);
        Nastav(tlacitko, "accessibleName", polozka);
        tlacitko->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        auto* text = new QLabel(this);
        Nastav(text, "text", polozka);
        text->setWordWrap(true);
        text->installEventFilter(this);
        // The button has no caption of its own for the style to frame when
        // it has the focus; its caption beside it shows the focus instead.
        tlacitko->installEventFilter(this);
        Skupina->addButton(tlacitko, i);
        Texty.push_back(text);
        radek->addWidget(tlacitko, 0);
        radek->addWidget(text);
        radek->addStretch(1);
        rozvrzeni->addLayout(radek, 1);
    }
    Skupina->setExclusive(true);
}

int TRadioGroup::ItemIndex() const { return Skupina->checkedId(); }

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* b = Skupina->button(index))
        b->setChecked(true);
}

QAbstractButton* TRadioGroup::Polozka(int index) const { return Skupina->button(index); }

QLabel* TRadioGroup::TextPolozky(int index) const
{
    return index >= 0 && index < static_cast<int>(Texty.size()) ? Texty[static_cast<std::size_t>(index)] : nullptr;
}

int TRadioGroup::PocetPolozek() const { return static_cast<int>(Skupina->buttons().size()); }

void TRadioGroup::NastavSirkuTextu(int sirka)
{
    SirkaTextu = sirka;
    for (QLabel* text : Texty) {
        text->setFixedWidth(sirka);
        text->setFont(font());
        if (const std::optional<QFont> uzsi = PismoNaSirku(font(), text->text(), sirka - 2 * text->margin()))
            text->setFont(*uzsi);
    }
}

void TRadioGroup::changeEvent(QEvent* udalost)
{
    // The captions in another language are fitted again.
    if (udalost->type() == QEvent::LanguageChange && SirkaTextu > 0)
        NastavSirkuTextu(SirkaTextu);
    QGroupBox::changeEvent(udalost);
}

QRect TRadioGroup::RamSkupiny() const
{
    QStyleOptionGroupBox volby;
    initStyleOption(&volby);
    return style()->subControlRect(QStyle::CC_GroupBox, &volby, QStyle::SC_GroupBoxFrame, this).translated(pos());
}

bool TRadioGroup::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (udalost->type() == QEvent::FocusIn || udalost->type() == QEvent::FocusOut) {
        const int i = Skupina->id(qobject_cast<QAbstractButton*>(objekt));
        if (QLabel* text = TextPolozky(i)) {
            const bool fokus = udalost->type() == QEvent::FocusIn;
            text->setAutoFillBackground(fokus);
            text->setBackgroundRole(fokus ? QPalette::Highlight : QPalette::Window);
            text->setForegroundRole(fokus ? QPalette::HighlightedText : QPalette::WindowText);
        }
    }
    if (udalost->type() == QEvent::MouseButtonRelease)
        for (std::size_t i = 0; i < Texty.size(); ++i)
            if (objekt == Texty[i]) {
                if (QAbstractButton* b = Skupina->button(static_cast<int>(i))) {
                    b->click();
                    b->setFocus(Qt::MouseFocusReason);
                }
                return true;
            }
    return QGroupBox::eventFilter(objekt, udalost);
}

// ---------------------------------------------------------------------------

TPoznamkaOdmitnuti::TPoznamkaOdmitnuti(QLineEdit* okenko)
    : QLabel(okenko->parentWidget()), Okenko(okenko), Skryti(new QTimer(this))
{
    setObjectName(okenko->objectName() + QStringLiteral("Poznamka"));
    setAutoFillBackground(true);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(2);
    hide();
    Skryti->setSingleShot(true);
    Skryti->setInterval(4000);
    connect(Skryti, &QTimer::timeout, this, &QWidget::hide);
    connect(okenko, &QLineEdit::textEdited, this, &QWidget::hide);
}

void TPoznamkaOdmitnuti::Ukaz(const QString& znaky)
{
    setText(znaky.isEmpty() ? tr("Tento znak nelze v názvu desky použít")
                            : tr("Znak „%1“ nelze v názvu desky použít").arg(znaky));
    adjustSize();
    // Below the box, over whatever lies there, inside the box's container.
    const QWidget* rodic = parentWidget();
    int x = Okenko->x();
    if (rodic != nullptr)
        x = std::max(0, std::min(x, rodic->width() - width()));
    move(x, Okenko->y() + Okenko->height());
    raise();
    show();
    Skryti->start();
    QAccessibleEvent e(this, QAccessible::Alert);
    OznamPristupnosti(e);
}
