// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelKlavesy.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "KavirelOvladace.h"
#include "KavirelText.h"

namespace {

// A push button answers Enter as it answers Space. Qt leaves Enter to the
// default button of a dialog, and the main window has none.
class TEnterNaTlacitku : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override
    {
        if (udalost->type() != QEvent::KeyPress)
            return false;
        const auto* k = static_cast<QKeyEvent*>(udalost);
        if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) ||
            (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* tlacitko = qobject_cast<QPushButton*>(objekt);
        if (tlacitko == nullptr || !tlacitko->isEnabled() || !tlacitko->isVisible())
            return false;
        tlacitko->click();
        return true;
    }
};

} // namespace

void PridejEnterNaTlacitka(QWidget* Okno)
{
    auto* enter = new TEnterNaTlacitku(Okno);
    for (QPushButton* b : Okno->findChildren<QPushButton*>())
        b->installEventFilter(enter);
}

void PridejPoznamkyOdmitnuti(QWidget* Okno)
{
    for (QLineEdit* e : Okno->findChildren<QLineEdit*>())
        if (const auto* v = qobject_cast<const TValidatorNazvu*>(e->validator())) {
            auto* poznamka = new TPoznamkaOdmitnuti(e);
            QObject::connect(v, &TValidatorNazvu::Odmitnuto, poznamka, &TPoznamkaOdmitnuti::Ukaz);
        }
}
