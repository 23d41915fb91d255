// SPDX-License-Identifier: GPL-3.0-or-later
// The edit tab: the session's edit board changed field by field with one of
// five elements (chosen in the radio group, on the palette or by the keys 1
// to 5), renamed, its game type switched, returned to the board as it was
// when editing began, and handed to the play and solve tabs.
#pragma once

#include <memory>

#include "KavirelGraph.h"
#include "KavirelZalozka.h"

class QFrame;
class QLabel;
class QLineEdit;
class TRadioGroup;

class TZalozkaEdit : public TZalozkaOkna, private IPrijemceVyberu {
    Q_OBJECT
public:
    explicit TZalozkaEdit(TRelaceHry& Relace, QWidget* rodic = nullptr);
    // The palette's controls go before their host.
    ~TZalozkaEdit() override;

    TDruhPlochy Plocha() const override { return dpEdit; }
    TTazeni Tazeni() const override { return TTazeni::Malovani; }
    void PoVstupu() override;
    void PredOdchodem() override;
    void PoAkci(const TVysledekAkce& Vysledek) override;

    // Keys 1 to 5 on the board: the element, the focus staying on the board.
    void VolbaPrvku(int CisloPrvku);
    // The name typed in the box, cut to 30 characters, becomes the board's.
    void PrevezmiNazev();

    void NastavBarvyPalety(const TBarvy& Barvy);
    const TBarvy& BarvyPalety() const;

signals:
    void HratPozadano();
    void ResitPozadano();
    void ZmenaTypuPozadana();

protected:
    // The caption of "Typ hry" in another language: the button fits it again.
    void changeEvent(QEvent* udalost) override;

private:
    void VytvorOvladace();
    // The name, selected whole and focused, and the game type.
    void VykresleniDeskyPriEditaci();
    void VyberPrvku(int CisloPrvku) override;
    void PoZmenePrvku();

    TRelaceHry& Relace;
    std::unique_ptr<TGraphEditDeska> PohledPalety;

    QLabel* lblEditTypHry = nullptr;
    QLineEdit* edtEditNazevDesky = nullptr;
    TRadioGroup* grpEditVyber = nullptr;
    QFrame* ProstorEditDesky = nullptr;
};
