// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelHlaseniSouboru.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include "KavirelFile.h"
#include "KavirelTextyJadra.h"
#include "KavirelZpravy.h"

namespace {
int HlaseniSouboru = 0;
} // namespace

void PripojHlaseniSouboru(QWidget* rodic)
{
    QPointer<QWidget> okno(rodic);
    NastavHlaseniChyby([okno](const std::string& text) {
        ++HlaseniSouboru;
        ZobrazZpravu(okno.data(), TDruhZpravy::ChybaSouboru, TextJadra(text)());
    });
}

int PocetHlaseniSouboru() { return HlaseniSouboru; }
