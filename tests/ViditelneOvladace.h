// SPDX-License-Identifier: GPL-3.0-or-later
// Whether what a window shows is whole and uncovered, measured in the fonts
// the widgets really have, so that the checks hold with any font set; and
// what assistive technology hears.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "KavirelPristupnost.h"

// Records every accessibility event of the process, by kind, object and
// child (the board's fields are children without objects of their own), for
// as long as it lives.
struct TZaznamPristupnosti {
    struct TUdalost {
        QAccessible::Event Druh;
        QObject* Objekt;
        int Dite;
        bool operator==(const TUdalost& u) const { return Druh == u.Druh && Objekt == u.Objekt && Dite == u.Dite; }
    };
    TZaznamPristupnosti() : Predchozi(NastavPozorovatelePristupnosti(Zaznamenej)) { Aktivni = this; }
    ~TZaznamPristupnosti()
    {
        NastavPozorovatelePristupnosti(Predchozi);
        Aktivni = nullptr;
    }
    void clear() { Udalosti.clear(); }
    bool Bylo(QAccessible::Event druh, const QObject* o, int dite = -1) const
    {
        const TUdalost hledana{druh, const_cast<QObject*>(o), dite};
        return std::find(Udalosti.begin(), Udalosti.end(), hledana) != Udalosti.end();
    }
    static void Zaznamenej(QAccessibleEvent* e)
    {
        if (Aktivni != nullptr)
            Aktivni->Udalosti.push_back({e->type(), e->object(), e->child()});
    }

    inline static TZaznamPristupnosti* Aktivni = nullptr;
    TPozorovatelPristupnosti Predchozi;
    std::vector<TUdalost> Udalosti;
};

// The rectangle a label's text takes up, in its parent's coordinates,
// measured in the label's own font: the lines as laid out, or with `inkoust`
// only the ink of a one-line text (what could cover a neighbour).
inline QRect PlochaTextu(const QLabel* l, bool inkoust)
{
    if (l->text().isEmpty())
        return {};
    const QFontMetrics m(l->font());
    const int zarovnani = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect radky = m.boundingRect(l->contentsRect(), zarovnani, l->text());
    if (!inkoust || l->wordWrap() || l->text().contains(QLatin1Char('\n')))
        return radky.translated(l->pos());
    return m.tightBoundingRect(l->text()).translated(radky.left(), radky.top() + m.ascent()).translated(l->pos());
}

// What a user sees of a shown widget, in its parent's coordinates: of a
// label the ink of its text (a label paints no background), of any other
// widget its whole rectangle.
inline QRect ViditelnaPlocha(const QWidget* w)
{
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return PlochaTextu(l, true);
    return w->geometry();
}

// Nothing shown under `koren` is cut off or covered, whatever the fonts:
// every shown widget lies inside its parent, every label's text and every
// button's caption inside its rectangle, and no shown sibling paints over a
// button or an edit box.
inline void OcekavejVseCeleAViditelne(const QWidget* koren)
{
    for (const QWidget* w : koren->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(koren) || w->window() != koren->window())
            continue;
        const std::string jmeno = w->objectName().toStdString();
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << jmeno << " sticks out of its parent";
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            const QRect text = PlochaTextu(l, false);
            EXPECT_TRUE(text.isEmpty() || w->geometry().contains(text)) << jmeno << " cuts its text";
        }
        if (const auto* b = qobject_cast<const QPushButton*>(w)) {
            // The style's own padding, without its minimum width.
            const int okraj = b->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                              2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            // The caption as drawn: the mnemonic's mark is an underline.
            const QString text = QString(b->text()).remove(QLatin1Char('&'));
            EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(text) + okraj, b->width())
                << jmeno << " cuts its caption";
        }
        if (!qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QLineEdit*>(w))
            continue;
        // Children are stacked in their order: a widget below the button is
        // hidden where the button lies, unless it is a label, whose text
        // would then be hidden.
        bool nad = false;
        for (const QObject* o : w->parentWidget()->children()) {
            const auto* soused = qobject_cast<const QWidget*>(o);
            if (soused == w)
                nad = true;
            if (soused && soused != w && soused->isVisibleTo(koren) && (nad || qobject_cast<const QLabel*>(soused))) {
                const QRect plocha = ViditelnaPlocha(soused);
                EXPECT_FALSE(plocha.intersects(w->geometry()))
                    << soused->objectName().toStdString() << " covers " << jmeno << ": rows " << plocha.top() << ".."
                    << plocha.bottom() << " against " << w->geometry().top() << ".." << w->geometry().bottom();
            }
        }
    }
}
