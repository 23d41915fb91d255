#include "KavirelOvladace.h"

#include <QRadioButton>
#include <QStyle>
#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

void Napis(QLabel* popisek, const QString& text)
{
    popisek->setText(text);
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
    return fontMetrics().horizontalAdvance(tabText(index)) + 2 * VodorovnyOkraj + 2;
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

TRadioGroup::TRadioGroup(const QString& titulek, const QStringList& polozky, QWidget* rodic)
    : QGroupBox(titulek, rodic), Skupina(new QButtonGroup(this))
{
    // Items share the height evenly, each centred in its slot. The caption
    // is a label beside the button so that it can wrap.
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(6, 4, 3, 4);
    rozvrzeni->setSpacing(0);
    for (int i = 0; i < polozky.size(); ++i) {
        auto* radek = new QHBoxLayout;
        radek->setSpacing(4);
        auto* tlacitko = new QRadioButton(this);
        tlacitko->setAccessibleName(polozky[i]);
        tlacitko->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        auto* text = new QLabel(polozky[i], this);
        text->setWordWrap(true);
        text->installEventFilter(this);
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
    for (QLabel* text : Texty)
        text->setFixedWidth(sirka);
}

bool TRadioGroup::eventFilter(QObject* objekt, QEvent* udalost)
{
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
