// SPDX-License-Identifier: GPL-3.0-or-later
// Small controls the main window needs beyond the plain Qt widgets: a tab
// control with fixed tab width and page highlight, a radio group addressed by
// item index, and labels that size themselves to their caption.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>

#include <vector>

class TText;

// Sets a label's caption and fits the label to it, so no caption is clipped:
// a caption wider than the room up to its container's right edge is set in a
// narrower or smaller face of the label's font, else on two lines when
// nothing is shown beneath the label, and shortened in the middle only when
// neither fits.
void Napis(QLabel* popisek, const QString& text);
// The same for a text that a change of language sets again.
void Napis(QLabel* popisek, const TText& text);

class TListZalozek : public QTabBar {
    Q_OBJECT
public:
    explicit TListZalozek(QWidget* rodic = nullptr);
    void NastavSirkuZalozky(int sirka) { SirkaZalozky = sirka; }

protected:
    QSize tabSizeHint(int index) const override;

private:
    int PotrebnaSirka(int index) const;
    static constexpr int VodorovnyOkraj = 4;
    int SirkaZalozky = 46;
};

class TZalozky : public QTabWidget {
    Q_OBJECT
public:
    explicit TZalozky(QWidget* rodic = nullptr);

    void NastavSirkuZalozky(int sirka);

    // The highlight of a page whose content changed while it was not in front.
    void Zvyrazni(int index, bool zvyraznit);
    bool JeZvyraznena(int index) const;

private:
    std::vector<bool> Zvyraznene;
};

// A short note below an edit box that refused some characters: shown when
// the box's name validator refuses input, gone after the next accepted edit
// or a few seconds. Read out by assistive technology as an alert.
class QLineEdit;
class QTimer;
class TPoznamkaOdmitnuti : public QLabel {
    Q_OBJECT
public:
    explicit TPoznamkaOdmitnuti(QLineEdit* okenko);
    void Ukaz(const QString& znaky);

private:
    QLineEdit* Okenko;
    QTimer* Skryti;
};

// A group box of radio buttons, one per item, with an item index.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const TText& titulek, const std::vector<TText>& polozky, QWidget* rodic = nullptr);

    int ItemIndex() const;          // -1 when nothing is selected
    void SetItemIndex(int index);
    QAbstractButton* Polozka(int index) const;
    QLabel* TextPolozky(int index) const;
    int PocetPolozek() const;

    // Captions wider than this are set narrower, and wrap when that is not
    // enough; for a group partly covered by another control.
    void NastavSirkuTextu(int sirka);
    // The frame the style draws, in the parent's coordinates.
    QRect RamSkupiny() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;
    void changeEvent(QEvent* udalost) override;

private:
    QButtonGroup* Skupina;
    std::vector<QLabel*> Texty;
    int SirkaTextu = 0;
};
