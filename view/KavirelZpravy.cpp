// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelZpravy.h"

#include <QMessageBox>

namespace {
TZobrazeniZpravy& Zobrazeni()
{
    static TZobrazeniZpravy z;
    return z;
}

void SkutecnyBox(QWidget* rodic, TDruhZpravy druh, const QString& text)
{
    // Two-line messages separate their lines by "\n\r"; a label would show
    // the carriage return as a stray glyph.
    QString zobrazeny = text;
    zobrazeny.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    zobrazeny.remove(QLatin1Char('\r'));
    QMessageBox box(rodic);
    box.setText(zobrazeny);
    box.setStandardButtons(QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    switch (druh) {
    case TDruhZpravy::Informace:
        box.setIcon(QMessageBox::NoIcon);
        box.setWindowTitle(QStringLiteral("Kavirel"));
        break;
    case TDruhZpravy::ChybaSouboru:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Error"));
        break;
    case TDruhZpravy::ChybaProgramu:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Kavirel"));
        break;
    }
    box.exec();
}
} // namespace

TZobrazeniZpravy NastavZobrazeniZpravy(TZobrazeniZpravy zobrazeni)
{
    TZobrazeniZpravy puvodni = std::move(Zobrazeni());
    Zobrazeni() = std::move(zobrazeni);
    return puvodni;
}

void ZobrazZpravu(QWidget* rodic, TDruhZpravy druh, const QString& text)
{
    if (Zobrazeni())
        Zobrazeni()(rodic, druh, text);
    else
        SkutecnyBox(rodic, druh, text);
}
