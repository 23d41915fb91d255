// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window in a temporary working directory, with message boxes
// recorded instead of shown and helpers that press fields and buttons.
#pragma once

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "KavirelFile.h"
#include "KavirelDeska.h"
#include "KavirelForm.h"
#include "KavirelNapoveda.h"
#include "KavirelOvladace.h"
#include "KavirelResitel.h"
#include "KavirelZalozkaEdit.h"
#include "KavirelZalozkaNahrat.h"
#include "KavirelZalozkaReseni.h"
#include "KavirelZpravy.h"
#include "KreslenaDeska.h"
#include "ViditelneOvladace.h"

// A board drawn as Nakresli draws it, named in Windows-1250.
inline TZaznamDesky Deska(const std::vector<std::string>& radky, TTypHry typ, const std::string& nazev)
{
    TZaznamDesky z = Nakresli(radky, typ);
    NastavNazev(z, nazev);
    return z;
}

inline QByteArray Bajty(const TZaznamDesky& z)
{
    return QByteArray(reinterpret_cast<const char*>(&z), static_cast<qsizetype>(sizeof z));
}

// A catalogue file of the boards.
inline QByteArray Bajty(const std::vector<TZaznamDesky>& desky)
{
    QByteArray b;
    for (const TZaznamDesky& z : desky)
        b += Bajty(z);
    return b;
}

// The catalogue a game writes when it starts without one.
inline QByteArray VestavenyKatalog() { return Bajty(StandardniZaznamy()); }

inline QByteArray PrectiSoubor(const QString& jmeno)
{
    QFile f(jmeno);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void ZapisSoubor(const QString& jmeno, const QByteArray& obsah)
{
    QFile f(jmeno);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(obsah), obsah.size());
}

// Three boards of the tests behind the seventeen built-in ones (numbers 18..20).
// Their Cislo bytes and the bytes past their names carry noise, which a
// catalogue read and written back must keep.
inline std::vector<TZaznamDesky> TestovaciKatalog()
{
    std::vector<TZaznamDesky> k = StandardniZaznamy();
    TZaznamDesky viceskok = Deska({"", ".xxoxoxo", "", ".xxo"}, thNormalni, "Viceskok");
    TZaznamDesky leibnizA = Deska({"", ".Xoo"}, thLeibniz, "Leibniz A");
    TZaznamDesky leibnizB = Deska({"", ".xOo"}, thLeibniz, "Leibniz B");
    int sum = 1;
    for (TZaznamDesky* z : {&viceskok, &leibnizA, &leibnizB}) {
        z->Pole[0][0].Cislo = static_cast<std::uint8_t>(40 + sum);
        for (int i = z->Nazev.Delka; i < MaxDelkaNazvu; ++i)
            z->Nazev.Znaky[i] = static_cast<char>(0xA0 + sum + i);
        ++sum;
        k.push_back(*z);
    }
    return k;
}

// The window's parts by object name, as scripts and assistive technology
// find them, and what its session holds, read only.
class CastiOkna : public ::testing::Test {
protected:
    std::unique_ptr<TMainForm> Okno;

    // A missing control fails the test.
    template <class T = QWidget>
    T* O(const QString& jmeno) const
    {
        T* o = Okno->findChild<T*>(jmeno);
        EXPECT_NE(o, nullptr) << jmeno.toStdString();
        return o;
    }
    QLabel* L(const char* jmeno) const { return O<QLabel>(QString::fromLatin1(jmeno)); }
    QPushButton* B(const char* jmeno) const { return O<QPushButton>(QString::fromLatin1(jmeno)); }
    QLineEdit* E(const char* jmeno) const { return O<QLineEdit>(QString::fromLatin1(jmeno)); }
    QAction* A(const char* jmeno) const { return O<QAction>(QString::fromLatin1(jmeno)); }
    QMenu* M(const char* jmeno) const { return O<QMenu>(QString::fromLatin1(jmeno)); }
    QWidget* O(const char* jmeno) const { return O<QWidget>(QString::fromLatin1(jmeno)); }
    TZalozky* Zalozky() const { return O<TZalozky>(QStringLiteral("Zalozky")); }
    TRadioGroup* Vyber() const { return O<TRadioGroup>(QStringLiteral("grpEditVyber")); }

    // What the session and the tabs hold, read only.
    const TRelaceHry& Relace() const { return Okno->DejRelaci(); }
    const TGameDeska& HerniDeska() const { return Relace().Hra().HraciDeska(); }
    const TSolveDeska& ResenaDeska() const { return Relace().Reseni().ResenaDeska(); }
    const TEditDeska& EditovanaDeska() const { return Relace().Editace().EditovanaDeska(); }
    const TZaznamDesky& ZaznamReseni() const { return Relace().Reseni().ZaznamReseni(); }
    const TZaznamDesky& ZaznamNahrany() const { return O<TZalozkaNahrat>(QStringLiteral("tabNahrat"))->DejZaznam(); }
    TResitel* Resitel() const { return O<TResitel>(QStringLiteral("Resitel")); }
    bool ProbihaHledani() const { return Resitel()->Hleda(); }
    std::uint64_t PocetPozic() const { return Resitel()->PocetPozic(); }
    bool HledaRadu() const { return Resitel()->HledaRadu(); }
    int VlakenRady() const { return Resitel()->PocetVlaken(); }
    QTimer* CasovacPrehrani() const { return O<QTimer>(QStringLiteral("CasovacPrehrani")); }
    bool PrehravaSe() const { return CasovacPrehrani()->isActive(); }
    TNapovedaOkno* OknoNapovedy() const { return Okno->findChild<TNapovedaOkno*>(); }
    // The editor's palette: its element i, and its colours.
    TEditPole* PrvekPalety(int i) const
    {
        for (TEditPole* p : O("ProstorEditDesky")->findChildren<TEditPole*>())
            if (p->CisloPrvku == i)
                return p;
        ADD_FAILURE() << "no palette element " << i;
        return nullptr;
    }
    const TBarvy& BarvyPalety() const { return O<TZalozkaEdit>(QStringLiteral("tabEdit"))->BarvyPalety(); }
    TGraphGameDeska* PohledDesky() const { return O<TGraphGameDeska>(QStringLiteral("PohledDesky")); }
    const TBarvy& BarvyDesky() const { return PohledDesky()->DejBarvy(); }

    static std::string T(const QLabel* l) { return l->text().toStdString(); }
    // A button's caption as drawn: its mnemonic's mark is an underline.
    static std::string T(const QAbstractButton* b) { return QString(b->text()).remove(QLatin1Char('&')).toStdString(); }
    static bool Ukazan(const QWidget* w) { return !w->isHidden(); }
};

class OknoTest : public CastiOkna {
protected:
    struct TZprava {
        TDruhZpravy Druh;
        QString Text;
    };

    QTemporaryDir Adresar;
    QString PuvodniAdresar;
    QByteArray PuvodniKonfigurace;
    TZobrazeniZpravy PuvodniZobrazeni;
    std::vector<TZprava> Zpravy;
    TVyberSouboru PuvodniVyberSouboru;

    void SetUp() override
    {
        ASSERT_TRUE(Adresar.isValid());
        PuvodniAdresar = QDir::currentPath();
        QDir::setCurrent(Adresar.path());
        // The settings the game keeps between runs go to this test's own
        // directory, never to the user's.
        PuvodniKonfigurace = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Adresar.filePath(QStringLiteral("config"))));
        PuvodniZobrazeni = NastavZobrazeniZpravy(
            [this](QWidget*, TDruhZpravy druh, const QString& text) { Zpravy.push_back({druh, text}); });
    }

    void TearDown() override
    {
        Okno.reset();
        if (PuvodniVyberSouboru)
            ::NastavVyberSouboru(std::move(PuvodniVyberSouboru));
        NastavZobrazeniZpravy(PuvodniZobrazeni);
        QDir::setCurrent(PuvodniAdresar);
        if (PuvodniKonfigurace.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", PuvodniKonfigurace);
    }

    void ZapisKatalog(const std::vector<TZaznamDesky>& desky)
    {
        ZapisSoubor(QStringLiteral("Kavirel.dat"), Bajty(desky));
    }

    void Otevri()
    {
        Okno = std::make_unique<TMainForm>();
        Okno->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Okno.get()));
        Okno->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Okno.get()));
    }

    // Ends the window as the program does: FormDestroy writes the catalogue.
    void Zavri() { Okno.reset(); }

    // The file the user picks in a file dialog; an empty text cancels it.
    void NastavVyberSouboru(TVyberSouboru vyber)
    {
        TVyberSouboru predchozi = ::NastavVyberSouboru(std::move(vyber));
        if (!PuvodniVyberSouboru)
            PuvodniVyberSouboru = std::move(predchozi);
    }

    // The middle of a field's control on the board, where a click lands.
    QPoint StredPole(int x, int y) const
    {
        return (PohledDesky()->PolohaPole(TPozice{x, y}).topLeft() + QPointF(30, 30) * PohledDesky()->Meritko()).toPoint();
    }
    // What the board shows of a field: the pixels of its control as drawn.
    QImage ObrazPole(int x, int y) const
    {
        TGraphGameDeska* d = PohledDesky();
        d->DokonciAnimaci();
        return d->grab(d->PolohaPole(TPozice{x, y}).toAlignedRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    void Klik(int x, int y, Qt::MouseButton tlacitko = Qt::LeftButton)
    {
        QTest::mousePress(PohledDesky(), tlacitko, {}, StredPole(x, y));
    }

    // A jump as the user makes it: select the stone unless it is selected,
    // then press the landing field.
    void Skoc(int x1, int y1, int x2, int y2)
    {
        TPozice vybrany;
        if (!HerniDeska().Tahy.DejOdkud(vybrany) || vybrany != TPozice{x1, y1})
            Klik(x1, y1);
        Klik(x2, y2);
    }

    // "Zadat číslo desky…" with the text typed and confirmed.
    void ZadejCislo(const QString& text)
    {
        QTimer::singleShot(0, qApp, [text] {
            auto* okno = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(okno, nullptr);
            okno->setTextValue(text);
            okno->accept();
        });
        A("mnCisloDesky")->trigger();
    }

    static void Stiskni(QPushButton* b)
    {
        ASSERT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void ZalozkaUzivatelem(int index) { Zalozky()->setCurrentIndex(index); }

    // Asks for a hint and waits for its answer; empty when none shows.
    QString Porad()
    {
        Stiskni(B("btnHraPoradit"));
        EXPECT_TRUE(QTest::qWaitFor([this] { return !HledaRadu(); }, 30000));
        return L("lblHraRada")->isHidden() ? QString() : L("lblHraRada")->text();
    }

    // The messages shown: none for an empty text, else exactly this one.
    ::testing::AssertionResult Zprava(TDruhZpravy druh, const QString& text) const
    {
        const bool ok = text.isEmpty() ? Zpravy.empty()
                                       : Zpravy.size() == 1 && Zpravy[0].Druh == druh && Zpravy[0].Text == text;
        ::testing::AssertionResult v = ok ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
        for (const TZprava& z : Zpravy)
            v << "[" << static_cast<int>(z.Druh) << "] " << z.Text.toStdString() << "\n";
        return v;
    }

    // Goes to a catalogue number the way the user does: type, Enter.
    void JdiNaCislo(const QString& text)
    {
        E("edtNahratCislo")->setText(text);
        QTest::keyClick(E("edtNahratCislo"), Qt::Key_Return);
    }

    // Picks a catalogue board on the load tab and presses one of its buttons.
    void ZKatalogu(int cislo, const char* tlacitko)
    {
        ZalozkaUzivatelem(zlNahrat);
        JdiNaCislo(QString::number(cislo));
        Stiskni(B(tlacitko));
    }

    void OtevriTestovaciKatalog()
    {
        ZapisKatalog(TestovaciKatalog());
        Otevri();
    }

    // Types a text key by key; QTest::keyClicks knows only ASCII.
    static void Pis(QWidget* w, const QString& text)
    {
        for (const QChar znak : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(znak), Qt::NoModifier);
    }

    // Whether a field's number shows in the given member's colour.
    bool MaCislo(TPozice p, TBarva TBarvy::*clen = &TBarvy::BarvaCislo) const
    {
        const QImage obraz = ObrazPole(p.X, p.Y);
        const QRgb barva = BarvaNaQColor(BarvyDesky().*clen).rgb();
        for (int x = 44; x < 56; ++x)
            for (int y = 44; y < 56; ++y)
                if (obraz.pixel(x, y) == barva)
                    return true;
        return false;
    }

    // The colour of a field control's border ring.
    QRgb Ohraniceni(int x, int y) const { return ObrazPole(x, y).pixel(0, 0); }
    QRgb BarvaVyberu() const { return BarvaNaQColor(BarvyDesky().BarvaVyber).rgb(); }
};
