// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelKresleni.h"

#include <QFontMetrics>

#include <cmath>

namespace KavirelKresleni {

namespace {

// The one-pixel outline of the rectangle (l, t, r, b): pixels l..r-1, t..b-1.
void Obrys(QPainter& Platno, int l, int t, int r, int b, const QColor& Barva)
{
    if (r <= l || b <= t)
        return;
    Platno.fillRect(l, t, r - l, 1, Barva);
    Platno.fillRect(l, b - 1, r - l, 1, Barva);
    Platno.fillRect(l, t, 1, b - t, Barva);
    Platno.fillRect(r - 1, t, 1, b - t, Barva);
}

// The filled ellipse in the rectangle R: every pixel whose centre lies inside.
// Qt's own aliased ellipse leans by a pixel; this one is symmetric and covers
// exactly Left..Right-1 and Top..Bottom-1 at its widest. On a picture with a
// device pixel ratio the test runs on the picture's own pixels, so the edge
// is as fine as the screen allows and the same pixels are hit every time.
void Kotouc(QPainter& Platno, const TObdelnik& R, const QColor& Barva, qreal Pomer)
{
    const double cx = (R.Left + R.Right) / 2.0 * Pomer, cy = (R.Top + R.Bottom) / 2.0 * Pomer;
    const double rx = (R.Right - R.Left) / 2.0 * Pomer, ry = (R.Bottom - R.Top) / 2.0 * Pomer;
    if (rx <= 0 || ry <= 0)
        return;
    const int shora = int(std::floor(R.Top * Pomer)), zdola = int(std::ceil(R.Bottom * Pomer));
    for (int y = shora; y < zdola; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double zbytek = 1.0 - dy * dy;
        if (zbytek < 0)
            continue;
        const double pul = rx * std::sqrt(zbytek);
        const int od = int(std::ceil(cx - pul - 0.5));
        const int po = int(std::floor(cx + pul - 0.5));
        if (po < od)
            continue;
        // The painter works in the control's units; a run of picture pixels
        // is a rectangle of fractions of them.
        if (Pomer == 1.0)
            Platno.fillRect(od, y, po - od + 1, 1, Barva);
        else
            Platno.fillRect(QRectF(od / Pomer, y / Pomer, (po - od + 1) / Pomer, 1 / Pomer), Barva);
    }
}

}  // namespace

QFont PismoCisla(bool Presne)
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif, Presne ? QFont::NoAntialias : QFont::PreferAntialias);
    f.setPointSize(8);
    f.setBold(false);
    f.setItalic(false);
    // Whole-pixel advances: a digit then ends on the same column whatever
    // stands before it, and the measured width is the drawn width.
    f.setHintingPreference(Presne ? QFont::PreferFullHinting : QFont::PreferNoHinting);
    return f;
}

void KresliCtverec(QPainter& Platno, const QColor& Barva)
{
    Platno.fillRect(QRect(Okraj, Okraj, VelikostPole, VelikostPole), Barva);
}

void KresliZaklad(QPainter& Platno, const QColor& Okraj_, const QColor& Ctverec, const QColor* Cil)
{
    Platno.fillRect(QRect(0, 0, VelikostPrvku, VelikostPrvku), Okraj_);
    Platno.fillRect(QRect(Okraj, Okraj, VelikostPole, VelikostPole), Cil != nullptr ? *Cil : Ctverec);
    if (Cil != nullptr)
        Platno.fillRect(QRect(Okraj + SirkaCile, Okraj + SirkaCile, VelikostPole - 2 * SirkaCile,
                              VelikostPole - 2 * SirkaCile),
                        Ctverec);
}

void KresliKotouc(QPainter& Platno, const QColor& Barva, bool Presne, qreal Pomer)
{
    const TObdelnik& r = ObrysKamene;
    if (Presne) {
        Kotouc(Platno, r, Barva, Pomer);
        return;
    }
    Platno.save();
    Platno.setPen(Qt::NoPen);
    Platno.setBrush(Barva);
    Platno.drawEllipse(QRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
    Platno.restore();
}

void KresliRamCile(QPainter& Platno, const QColor& Barva)
{
    for (int k = 0; k < SirkaCile; ++k)
        Obrys(Platno, Okraj + k, Okraj + k, Okraj + VelikostPole - k, Okraj + VelikostPole - k, Barva);
}

void KresliOkraj(QPainter& Platno, const QColor& Barva)
{
    for (int k = 0; k < Okraj; ++k)
        Obrys(Platno, k, k, VelikostPrvku - k, VelikostPrvku - k, Barva);
}

void KresliText(QPainter& Platno, const QColor& Barva, std::int32_t Cislo, bool Presne)
{
    // The text's box ends at the square's inner corner, inside the target
    // frame: its right edge at 54, its bottom edge two units lower, at 56.
    const int vpravo = Okraj + VelikostPole - SirkaCile - OdsazeniCisla;
    const int dole = vpravo + 2;
    const QString text = QString::number(Cislo);
    Platno.save();
    Platno.setPen(Barva);
    Platno.setBrush(Qt::NoBrush);
    if (Presne) {
        Platno.setFont(PismoCisla(true));
        const QFontMetrics m = Platno.fontMetrics();
        Platno.drawText(vpravo - m.horizontalAdvance(text), dole - m.height() + m.ascent(), text);
    } else {
        // Measured at the size of a unit, so that the number keeps its place
        // and its size against the field at every scale.
        const QFont pismo = PismoCisla(false);
        const QFontMetricsF m(pismo);
        Platno.setFont(pismo);
        Platno.setRenderHint(QPainter::TextAntialiasing, true);
        Platno.drawText(QPointF(vpravo - m.horizontalAdvance(text), dole - m.height() + m.ascent()), text);
    }
    Platno.restore();
}

void KresliKurzor(QPainter& Platno)
{
    const int od = 8, po = VelikostPrvku - 8;
    const QColor cerna(Qt::black), zluta(255, 216, 0);
    Obrys(Platno, od, od, po, po, cerna);
    Obrys(Platno, od + 1, od + 1, po - 1, po - 1, zluta);
    Obrys(Platno, od + 2, od + 2, po - 2, po - 2, zluta);
    Obrys(Platno, od + 3, od + 3, po - 3, po - 3, cerna);
}

}  // namespace KavirelKresleni
