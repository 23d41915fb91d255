// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes of the windows and the edge guard of their event handlers.
// They live below the dialogs and the main window so that both can use them.
//
// Every box goes through one replaceable function, so that the tests can
// record the texts instead of waiting for a modal box to be closed.
#pragma once

#include <QString>
#include <QWidget>

#include <exception>
#include <functional>

enum class TDruhZpravy {
    Informace,    // the window's plain box with one confirming button
    ChybaSouboru, // ChybovaZprava of the storage routines: error icon, caption "Error"
    ChybaProgramu // a programming error caught at the edge of a handler
};

using TZobrazeniZpravy = std::function<void(QWidget* rodic, TDruhZpravy druh, const QString& text)>;

// Installs the function that shows every box; an empty function restores the
// real message boxes. Returns the former function.
TZobrazeniZpravy NastavZobrazeniZpravy(TZobrazeniZpravy zobrazeni);

void ZobrazZpravu(QWidget* rodic, TDruhZpravy druh, const QString& text);

// Runs a handler body; a programming error raised in it (range, overflow,
// assertion, or any other exception) ends that handler only: its text is
// shown in a critical box and the program goes on with the next event.
template <class F>
void Chranene(QWidget* rodic, F&& telo)
{
    try {
        telo();
    } catch (const std::exception& e) {
        ZobrazZpravu(rodic, TDruhZpravy::ChybaProgramu, QString::fromUtf8(e.what()));
    } catch (...) {
        ZobrazZpravu(rodic, TDruhZpravy::ChybaProgramu, QStringLiteral("Neznámá chyba"));
    }
}
