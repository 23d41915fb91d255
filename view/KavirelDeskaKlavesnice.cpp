// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include <QCoreApplication>

#include "KavirelDeska.h"
#include "KavirelPristupnost.h"
#include "KavirelTexty.h"

namespace {

TKlavesniceDesky* KlavesniceDesky(QObject* Objekt)
{
    auto* deska = qobject_cast<TGraphGameDeska*>(Objekt);
    return deska != nullptr ? deska->Klavesnice() : nullptr;
}

// One position of the board: a cell with its name, pressed by the "press"
// action as by the mouse. The board draws its fields itself, so a cell is
// an interface without an object of its own.
class TPristupnePole : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
public:
    TPristupnePole(TGraphGameDeska* Pohled, const TPozice& Pozice) : Pohled(Pohled), Misto(Pozice) {}

    bool isValid() const override { return !Pohled.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Pohled ? Pohled->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Pohled.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !Pohled)
            return {};
        return JmenoPole(Pohled->DejPole(Misto), Misto);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!Pohled)
            return {};
        const QRect r = Pohled->PolohaPole(Misto).toAlignedRect();
        return QRect(Pohled->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!Pohled)
            return s;
        const TKlavesniceDesky* k = Pohled->Klavesnice();
        s.focusable = true;
        s.selectable = true;
        s.selected = isSelected();
        s.invisible = !Pohled->JeNabizene(Misto) || !Pohled->isVisible();
        s.focused = k != nullptr && Pohled->hasFocus() && k->Pozice() == Misto && Pohled->JeNabizene(Misto);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return Pohled && Pohled->DejPole(Misto).Vybrane; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Misto.X; }
    int rowIndex() const override { return Misto.Y; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleActionInterface
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& akce) override
    {
        TKlavesniceDesky* k = Pohled ? Pohled->Klavesnice() : nullptr;
        if (akce != pressAction() || k == nullptr)
            return;
        if (k->PresunKurzor(Misto))
            emit Pohled->Stisknuto(Misto);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TGraphGameDeska> Pohled;
    TPozice Misto;
};

// The board as a grid: its children are the fields offered, in reading
// order; a position without a field is neither a child nor a cell.
class TPristupnaDeska : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TPristupnaDeska(TGraphGameDeska* Pohled) : QAccessibleWidget(Pohled, QAccessible::Table) {}

    TGraphGameDeska* Pohled() const { return static_cast<TGraphGameDeska*>(widget()); }
    TKlavesniceDesky* Klavesnice() const { return Pohled()->Klavesnice(); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("KavirelDeska", "Hrací deska");
        if (t == QAccessible::Description)
            return QCoreApplication::translate("KavirelDeska",
                                               "Šipky posouvají kurzor po polích, mezerník nebo Enter pole stiskne, "
                                               "Backspace vrátí tah");
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }
    int childCount() const override { return Klavesnice() ? Klavesnice()->PocetNabizenych() : 0; }
    QAccessibleInterface* child(int index) const override
    {
        TKlavesniceDesky* k = Klavesnice();
        const std::optional<TPozice> p = k ? k->Nabizene(index) : std::nullopt;
        return p ? k->Bunka(*p) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* dite) const override
    {
        if (!Klavesnice() || dite == nullptr)
            return -1;
        const auto* bunka = const_cast<QAccessibleInterface*>(dite)->tableCellInterface();
        if (bunka == nullptr || dite->parent() == nullptr || dite->parent()->object() != Pohled())
            return -1;
        return Klavesnice()->IndexNabizeneho(TPozice{bunka->columnIndex(), bunka->rowIndex()});
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!Klavesnice() || !Pohled()->hasFocus() || !Pohled()->JeNabizene(Klavesnice()->Pozice()))
            return nullptr;
        return Klavesnice()->Bunka(Klavesnice()->Pozice());
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const std::optional<TPozice> p = Pohled()->PoleNaBode(Pohled()->mapFromGlobal(QPoint(x, y)));
        return p && Klavesnice() ? Klavesnice()->Bunka(*p) : nullptr;
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
        const TPozice p{column, row};
        if (!Klavesnice() || row < 0 || column < 0 || row >= RozmerDesky || column >= RozmerDesky ||
            !Pohled()->JeNabizene(p))
            return nullptr;
        return Klavesnice()->Bunka(p);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> vybrane;
        for (int i = 0; Klavesnice() && i < childCount(); ++i)
            if (Pohled()->DejPole(*Klavesnice()->Nabizene(i)).Vybrane)
                vybrane << child(i);
        return vybrane;
    }
    QString columnDescription(int column) const override
    {
        return QCoreApplication::translate("KavirelDeska", "Sloupec %1").arg(column + 1);
    }
    QString rowDescription(int row) const override
    {
        return QCoreApplication::translate("KavirelDeska", "Řádek %1").arg(row + 1);
    }
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
};

QAccessibleInterface* TovarnaRozhrani(const QString& trida, QObject* objekt)
{
    if (trida == QLatin1String("TGraphGameDeska") && KlavesniceDesky(objekt) != nullptr)
        return new TPristupnaDeska(static_cast<TGraphGameDeska*>(objekt));
    return nullptr;
}

// Installs the board's interfaces for assistive technology (once).
void ZajistiPristupnostDesky()
{
    static const bool nainstalovano = [] {
        QAccessible::installFactory(TovarnaRozhrani);
        return true;
    }();
    (void)nainstalovano;
}

}  // namespace

QString JmenoPole(const TVzhledPole& Pole, const TPozice& Pozice)
{
    // Asked on every query of assistive technology: always the language
    // spoken now.
    const QString misto = QCoreApplication::translate("KavirelDeska", "sloupec %1, řádek %2")
                              .arg(Pozice.X + 1)
                              .arg(Pozice.Y + 1);
    if (Pole.Stav != spPrazdne && Pole.Stav != spPlne)
        return QCoreApplication::translate("KavirelDeska", "Bez pole (%1)").arg(misto);
    QString jmeno = Pole.Cislo != 0 ? QCoreApplication::translate("KavirelDeska", "Pole %1").arg(Pole.Cislo)
                                    : QCoreApplication::translate("KavirelDeska", "Pole (%1)").arg(misto);
    jmeno += Pole.Stav == spPlne ? QCoreApplication::translate("KavirelDeska", ": kámen")
                                 : QCoreApplication::translate("KavirelDeska", ": prázdné");
    if (Pole.Cilove)
        jmeno += QCoreApplication::translate("KavirelDeska", ", cílové pole");
    return jmeno;
}

// ---------------------------------------------------------------------------

TKlavesniceDesky::TKlavesniceDesky(TGraphGameDeska* Pohled) : QObject(Pohled), PohledDesky(Pohled)
{
    ZajistiPristupnostDesky();
    setObjectName(QStringLiteral("KlavesniceDesky"));
    Pohled->setFocusPolicy(Qt::StrongFocus);
    Nastav(Pohled, "accessibleName", TK_("KavirelDeska", "Hrací deska"));
    Pohled->installEventFilter(this);
    MaFokus = Pohled->hasFocus();
}

TKlavesniceDesky::~TKlavesniceDesky()
{
    for (auto& sloupec : Bunky)
        for (QAccessible::Id& id : sloupec)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TKlavesniceDesky::Bunka(const TPozice& Pozice)
{
    KontrolaRozsahu(Pozice.X, 0, RozmerDesky - 1);
    KontrolaRozsahu(Pozice.Y, 0, RozmerDesky - 1);
    QAccessible::Id& id = Bunky[Pozice.X][Pozice.Y];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new TPristupnePole(PohledDesky, Pozice));
    return QAccessible::accessibleInterface(id);
}

int TKlavesniceDesky::PocetNabizenych() const
{
    int pocet = 0;
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            pocet += PohledDesky->JeNabizene({x, y}) ? 1 : 0;
    return pocet;
}

std::optional<TPozice> TKlavesniceDesky::Nabizene(int Index) const
{
    int i = 0;
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            if (PohledDesky->JeNabizene({x, y}) && i++ == Index)
                return TPozice{x, y};
    return std::nullopt;
}

int TKlavesniceDesky::IndexNabizeneho(const TPozice& Hledane) const
{
    if (!PohledDesky->JeNabizene(Hledane))
        return -1;
    int i = 0;
    for (int y = 0; y < Hledane.Y; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            i += PohledDesky->JeNabizene({x, y}) ? 1 : 0;
    for (int x = 0; x < Hledane.X; ++x)
        i += PohledDesky->JeNabizene({x, Hledane.Y}) ? 1 : 0;
    return i;
}

bool TKlavesniceDesky::JeKurzorVidet() const
{
    return MaFokus && PosledniVstupKlavesa && PohledDesky->JeNabizene(Kurzor);
}

bool TKlavesniceDesky::PresunKurzor(const TPozice& Pozice)
{
    if (!PohledDesky->JeNabizene(Pozice))
        return false;
    Kurzor = Pozice;
    PohledDesky->update();
    return true;
}

void TKlavesniceDesky::OznamBunce(const TPozice& Pole, QAccessible::Event Druh)
{
    const int index = IndexNabizeneho(Pole);
    if (index < 0)
        return;
    QAccessibleEvent e(PohledDesky, Druh);
    e.setChild(index);
    OznamPristupnosti(e);
}

void TKlavesniceDesky::OznamKurzor()
{
    if (MaFokus)
        OznamBunce(Kurzor, QAccessible::Focus);
}

void TKlavesniceDesky::StiskMysi(const TPozice& Pole)
{
    PosledniVstupKlavesa = false;
    if (PohledDesky->JeNabizene(Pole))
        Kurzor = Pole;
    // A player who clicked and then goes on with the keys finds the board
    // ready for them.
    if (!PohledDesky->hasFocus())
        PohledDesky->setFocus(Qt::MouseFocusReason);
    PohledDesky->update();
}

void TKlavesniceDesky::PoNoveDesce()
{
    // The cursor stays where it was while that is a field; otherwise it goes
    // to the field numbered 1, the first one in reading order.
    if (!PohledDesky->JeNabizene(Kurzor)) {
        if (const std::optional<TPozice> prvni = Nabizene(0))
            Kurzor = *prvni;
    }
    QAccessibleTableModelChangeEvent e(PohledDesky, QAccessibleTableModelChangeEvent::ModelReset);
    OznamPristupnosti(e);
    OznamKurzor();
}

void TKlavesniceDesky::PoZmenePole(const TPozice& Pole) { OznamBunce(Pole, QAccessible::NameChanged); }

void TKlavesniceDesky::PoZmeneOznaceni(const TPozice& Pole)
{
    const int index = IndexNabizeneho(Pole);
    if (index < 0)
        return;
    QAccessible::State zmena;
    zmena.selected = true;
    QAccessibleStateChangeEvent e(PohledDesky, zmena);
    e.setChild(index);
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
            PohledDesky->update();
            return;
        }
        if (PohledDesky->JeNabizene(p))
            break;
    }
    Kurzor = p;
    PohledDesky->update();
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
        PohledDesky->update();
        if (PohledDesky->JeNabizene(Kurzor))
            emit PohledDesky->Stisknuto(Kurzor);
        break;
    case Qt::Key_Backspace:
        PohledDesky->update();
        emit PohledDesky->KrokZpetPozadan();
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
        emit PohledDesky->PrvekZvolen(Klavesa - Qt::Key_1);
        break;
    default:
        return false;
    }
    return true;
}

bool TKlavesniceDesky::eventFilter(QObject* Objekt, QEvent* Udalost)
{
    if (Objekt != PohledDesky)
        return false;
    switch (Udalost->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(Udalost);
        PosledniVstupKlavesa = true;
        if (Klavesa(k->key(), k->modifiers())) {
            k->accept();
            return true;
        }
        PohledDesky->update();
        return false;
    }
    case QEvent::FocusIn: {
        MaFokus = true;
        const Qt::FocusReason duvod = static_cast<QFocusEvent*>(Udalost)->reason();
        if (duvod == Qt::TabFocusReason || duvod == Qt::BacktabFocusReason || duvod == Qt::ShortcutFocusReason)
            PosledniVstupKlavesa = true;
        else if (duvod == Qt::MouseFocusReason)
            PosledniVstupKlavesa = false;
        PohledDesky->update();
        OznamKurzor();
        return false;
    }
    case QEvent::FocusOut:
        MaFokus = false;
        PohledDesky->update();
        return false;
    default:
        return false;
    }
}
