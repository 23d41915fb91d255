// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelKlavesnice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include "KavirelGraph.h"

namespace {

const char* const VlastnostHostitele = "KavirelKlavesniceDesky";

TKlavesniceDesky* KlavesniceHostitele(const QObject* Hostitel)
{
    return qobject_cast<TKlavesniceDesky*>(Hostitel->property(VlastnostHostitele).value<QObject*>());
}

// The board as a grid: its children are the fields in front, in reading
// order; a position without a field is neither a child nor a cell.
class TPristupnaDeska : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    TPristupnaDeska(QWidget* Hostitel, TKlavesniceDesky* Klavesnice)
        : QAccessibleWidget(Hostitel, QAccessible::Table), Klavesnice(Klavesnice)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Hrací deska");
        if (t == QAccessible::Description)
            return QStringLiteral("Šipky posouvají kurzor po polích, mezerník nebo Enter pole stiskne, "
                                  "Backspace vrátí tah");
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }
    int childCount() const override { return Klavesnice ? Klavesnice->PocetNabizenych() : 0; }
    QAccessibleInterface* child(int index) const override
    {
        THraciPole* pole = Klavesnice ? Klavesnice->Nabizene(index) : nullptr;
        return pole ? QAccessible::queryAccessibleInterface(pole) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* dite) const override
    {
        if (!Klavesnice || dite == nullptr)
            return -1;
        return Klavesnice->IndexNabizeneho(qobject_cast<const THraciPole*>(dite->object()));
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!Klavesnice || !widget()->hasFocus())
            return nullptr;
        THraciPole* pole = Klavesnice->PoleKurzoru();
        return pole ? QAccessible::queryAccessibleInterface(pole) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* d = child(i); d && d->rect().contains(x, y))
                return d;
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (!Klavesnice || row < 0 || column < 0 || row >= RozmerDesky || column >= RozmerDesky)
            return nullptr;
        const TPozice p{column, row};
        THraciPole* pole = Klavesnice->Pohled()->DejPrvekNeboNic(p);
        return pole && pole->JeVpredu() ? QAccessible::queryAccessibleInterface(pole) : nullptr;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> vybrane;
        for (int i = 0; i < childCount(); ++i)
            if (Klavesnice->Nabizene(i)->JeOznaceny())
                vybrane << child(i);
        return vybrane;
    }
    QString columnDescription(int column) const override { return QStringLiteral("Sloupec %1").arg(column + 1); }
    QString rowDescription(int row) const override { return QStringLiteral("Řádek %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return RozmerDesky; }
    int rowCount() const override { return RozmerDesky; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QPointer<TKlavesniceDesky> Klavesnice;
};

// One field of the board: a cell with its name, pressed by the "press"
// action as by the mouse.
class TPristupnePole : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit TPristupnePole(THraciPole* Pole) : QAccessibleWidget(Pole, QAccessible::Cell) {}

    THraciPole* Pole() const { return static_cast<THraciPole*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return JmenoPole(Pole()->Obsah, Pole()->PozicePole);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const TKlavesniceDesky* k = Pole()->Klavesnice;
        s.focusable = true;
        s.selectable = true;
        s.selected = Pole()->JeOznaceny();
        s.invisible = !Pole()->JeVpredu();
        s.focused = k != nullptr && k->Hostitel() != nullptr && k->Hostitel()->hasFocus() &&
                    k->PoleKurzoru() == Pole();
        return s;
    }
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& akce) override
    {
        TKlavesniceDesky* k = Pole()->Klavesnice;
        if (akce != QAccessibleActionInterface::pressAction() || k == nullptr)
            return;
        if (k->PresunKurzor(Pole()->PozicePole) && Pole()->Prijemce != nullptr)
            Pole()->Prijemce->KlikNaPole(Pole(), TGraphDeska::VelikostPrvku / 2, TGraphDeska::VelikostPrvku / 2);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return Pole()->JeOznaceny(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Pole()->PozicePole.X; }
    int rowIndex() const override { return Pole()->PozicePole.Y; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }
};

QAccessibleInterface* TovarnaRozhrani(const QString& trida, QObject* objekt)
{
    if (objekt == nullptr || !objekt->isWidgetType())
        return nullptr;
    if (trida == QLatin1String("THraciPole"))
        return new TPristupnePole(static_cast<THraciPole*>(objekt));
    if (TKlavesniceDesky* k = KlavesniceHostitele(objekt))
        return new TPristupnaDeska(static_cast<QWidget*>(objekt), k);
    return nullptr;
}

TPozorovatelPristupnosti& Pozorovatel()
{
    static TPozorovatelPristupnosti pozorovatel;
    return pozorovatel;
}

void Oznam(QObject* Objekt, QAccessible::Event Udalost)
{
    if (Objekt == nullptr)
        return;
    QAccessibleEvent e(Objekt, Udalost);
    OznamPristupnosti(e);
}

}  // namespace

void ZajistiPristupnostDesky()
{
    static const bool nainstalovano = [] {
        QAccessible::installFactory(TovarnaRozhrani);
        return true;
    }();
    (void)nainstalovano;
}

void ZapomenRozhrani(QObject* Objekt)
{
    if (QAccessibleInterface* rozhrani = QAccessible::queryAccessibleInterface(Objekt))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(rozhrani));
}

void OznamPristupnosti(QAccessibleEvent& Udalost)
{
    if (Pozorovatel())
        Pozorovatel()(&Udalost);
    QAccessible::updateAccessibility(&Udalost);
}

TPozorovatelPristupnosti NastavPozorovatelePristupnosti(TPozorovatelPristupnosti Novy)
{
    TPozorovatelPristupnosti stary = std::move(Pozorovatel());
    Pozorovatel() = std::move(Novy);
    return stary;
}

QString JmenoPole(const TPole& Pole, const TPozice& Pozice)
{
    const QString misto = QStringLiteral("sloupec %1, řádek %2").arg(Pozice.X + 1).arg(Pozice.Y + 1);
    if (Pole.Stav == spNeexistujici)
        return QStringLiteral("Bez pole (%1)").arg(misto);
    QString jmeno = Pole.Cislo != 0 ? QStringLiteral("Pole %1").arg(Pole.Cislo) : QStringLiteral("Pole (%1)").arg(misto);
    jmeno += Pole.Stav == spPlne ? QStringLiteral(": kámen") : QStringLiteral(": prázdné");
    if (Pole.Cilove != 0)
        jmeno += QStringLiteral(", cílové pole");
    return jmeno;
}

// ---------------------------------------------------------------------------

TKlavesniceDesky::TKlavesniceDesky(TGraphGameDeska* Pohled, QWidget* Hostitel)
    : QObject(Hostitel), PohledDesky(Pohled), Host(Hostitel)
{
    ZajistiPristupnostDesky();
    setObjectName(QStringLiteral("KlavesniceDesky"));
    Hostitel->setProperty(VlastnostHostitele, QVariant::fromValue<QObject*>(this));
    // Qt may have made the host's interface already (any change of a widget
    // does); the grid's replaces it.
    ZapomenRozhrani(Hostitel);
    Hostitel->setFocusPolicy(Qt::StrongFocus);
    Hostitel->setAccessibleName(QStringLiteral("Hrací deska"));
    Hostitel->installEventFilter(this);
    MaFokus = Hostitel->hasFocus();
}

TKlavesniceDesky::~TKlavesniceDesky()
{
    if (!Host.isNull()) {
        Host->removeEventFilter(this);
        Host->setProperty(VlastnostHostitele, QVariant());
    }
    if (!Nakresleny.isNull())
        Nakresleny->NastavKurzor(false);
}

QWidget* TKlavesniceDesky::Hostitel() const { return Host.data(); }

THraciPole* TKlavesniceDesky::Pole(const TPozice& Pozice) const { return PohledDesky->DejPrvekNeboNic(Pozice); }

bool TKlavesniceDesky::JeNabizeny(const TPozice& Pozice) const
{
    const THraciPole* p = Pole(Pozice);
    return p != nullptr && p->JeVpredu();
}

int TKlavesniceDesky::PocetNabizenych() const
{
    int pocet = 0;
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            pocet += JeNabizeny({x, y}) ? 1 : 0;
    return pocet;
}

THraciPole* TKlavesniceDesky::Nabizene(int Index) const
{
    int i = 0;
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            if (JeNabizeny({x, y}) && i++ == Index)
                return Pole({x, y});
    return nullptr;
}

int TKlavesniceDesky::IndexNabizeneho(const THraciPole* Hledane) const
{
    int i = 0;
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            if (JeNabizeny({x, y})) {
                if (Pole({x, y}) == Hledane)
                    return i;
                ++i;
            }
    return -1;
}

THraciPole* TKlavesniceDesky::PoleKurzoru() const { return JeNabizeny(Kurzor) ? Pole(Kurzor) : nullptr; }

bool TKlavesniceDesky::JeKurzorVidet() const { return MaFokus && PosledniVstupKlavesa && PoleKurzoru() != nullptr; }

bool TKlavesniceDesky::PresunKurzor(const TPozice& Pozice)
{
    if (!JeNabizeny(Pozice))
        return false;
    Kurzor = Pozice;
    Prekresli();
    return true;
}

void TKlavesniceDesky::Prekresli()
{
    THraciPole* ma = JeKurzorVidet() ? PoleKurzoru() : nullptr;
    if (Nakresleny.data() != ma && !Nakresleny.isNull())
        Nakresleny->NastavKurzor(false);
    if (ma != nullptr)
        ma->NastavKurzor(true);
    Nakresleny = ma;
}

void TKlavesniceDesky::OznamKurzor()
{
    if (MaFokus)
        Oznam(PoleKurzoru(), QAccessible::Focus);
}

void TKlavesniceDesky::StiskMysi(THraciPole* Pole)
{
    PosledniVstupKlavesa = false;
    if (JeNabizeny(Pole->PozicePole))
        Kurzor = Pole->PozicePole;
    // A player who clicked and then goes on with the keys finds the board
    // ready for them.
    if (!Host.isNull() && !Host->hasFocus())
        Host->setFocus(Qt::MouseFocusReason);
    Prekresli();
}

void TKlavesniceDesky::PoNoveDesce()
{
    // The cursor stays where it was while that is a field; otherwise it goes
    // to the field numbered 1, the first one in reading order.
    if (!JeNabizeny(Kurzor)) {
        if (THraciPole* prvni = Nabizene(0))
            Kurzor = prvni->PozicePole;
    }
    Prekresli();
    if (!Host.isNull()) {
        QAccessibleTableModelChangeEvent e(Host.data(), QAccessibleTableModelChangeEvent::ModelReset);
        OznamPristupnosti(e);
    }
    OznamKurzor();
}

void TKlavesniceDesky::PoZmenePole(THraciPole* Pole)
{
    Oznam(Pole, QAccessible::NameChanged);
}

void TKlavesniceDesky::PoZmeneOznaceni(THraciPole* Pole)
{
    QAccessible::State zmena;
    zmena.selected = true;
    QAccessibleStateChangeEvent e(Pole, zmena);
    OznamPristupnosti(e);
}

void TKlavesniceDesky::Posun(int dx, int dy)
{
    // The next field in that direction; positions without a field are
    // stepped over, and at the edge the cursor stays.
    TPozice p = Kurzor;
    for (;;) {
        p.X += dx;
        p.Y += dy;
        if (p.X < 0 || p.Y < 0 || p.X >= RozmerDesky || p.Y >= RozmerDesky) {
            Prekresli();
            return;
        }
        if (JeNabizeny(p))
            break;
    }
    Kurzor = p;
    Prekresli();
    OznamKurzor();
}

bool TKlavesniceDesky::Klavesa(int Klavesa, Qt::KeyboardModifiers Modifikatory)
{
    // Shortcuts with Ctrl or Alt belong to the window.
    if (Modifikatory & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (Klavesa) {
    case Qt::Key_Left: Posun(-1, 0); break;
    case Qt::Key_Right: Posun(1, 0); break;
    case Qt::Key_Up: Posun(0, -1); break;
    case Qt::Key_Down: Posun(0, 1); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Prekresli();
        if (THraciPole* p = PoleKurzoru(); p != nullptr && p->Prijemce != nullptr)
            p->Prijemce->KlikNaPole(p, TGraphDeska::VelikostPrvku / 2, TGraphDeska::VelikostPrvku / 2);
        break;
    case Qt::Key_Backspace:
        Prekresli();
        if (IPrijemceKliku* r = PohledDesky->DejPrijemce())
            r->KrokZpet();
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
        if (IPrijemceKliku* r = PohledDesky->DejPrijemce())
            r->VolbaPrvku(Klavesa - Qt::Key_1);
        break;
    default:
        return false;
    }
    return true;
}

bool TKlavesniceDesky::eventFilter(QObject* Objekt, QEvent* Udalost)
{
    if (Objekt != Host.data())
        return false;
    switch (Udalost->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(Udalost);
        PosledniVstupKlavesa = true;
        if (Klavesa(k->key(), k->modifiers())) {
            k->accept();
            return true;
        }
        Prekresli();
        return false;
    }
    case QEvent::FocusIn: {
        MaFokus = true;
        const Qt::FocusReason duvod = static_cast<QFocusEvent*>(Udalost)->reason();
        if (duvod == Qt::TabFocusReason || duvod == Qt::BacktabFocusReason || duvod == Qt::ShortcutFocusReason)
            PosledniVstupKlavesa = true;
        else if (duvod == Qt::MouseFocusReason)
            PosledniVstupKlavesa = false;
        Prekresli();
        OznamKurzor();
        return false;
    }
    case QEvent::FocusOut:
        MaFokus = false;
        Prekresli();
        return false;
    default:
        return false;
    }
}
