// SPDX-License-Identifier: GPL-3.0-or-later
// A small strict JSON reader for checking the tools' output: the whole text
// must be one value (surrounding white space allowed), or parsing fails.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace MaleJson {

struct THodnota {
    enum class TDruh { Null, Bool, Cislo, Retezec, Pole, Objekt } Druh = TDruh::Null;
    bool B = false;
    double Cislo = 0;
    bool CeleCislo = false;   // written without fraction or exponent
    std::string Retezec;
    std::vector<THodnota> Pole;
    std::map<std::string, THodnota> Objekt;

    const THodnota& operator[](const std::string& klic) const
    {
        const auto it = Objekt.find(klic);
        if (Druh != TDruh::Objekt || it == Objekt.end())
            throw std::runtime_error("chybí klíč " + klic);
        return it->second;
    }
};

class TCteni {
public:
    explicit TCteni(const std::string& text) : T(text) {}

    THodnota Cti()
    {
        THodnota h = Hodnota();
        Mezery();
        if (I != T.size())
            Chyba("za hodnotou něco zbývá");
        return h;
    }

private:
    const std::string& T;
    std::size_t I = 0;

    [[noreturn]] void Chyba(const std::string& co) const
    {
        throw std::runtime_error("JSON na pozici " + std::to_string(I) + ": " + co);
    }
    void Mezery()
    {
        while (I < T.size() && (T[I] == ' ' || T[I] == '\n' || T[I] == '\r' || T[I] == '\t'))
            ++I;
    }
    bool Slovo(const char* s)
    {
        const std::string w(s);
        if (T.compare(I, w.size(), w) != 0)
            return false;
        I += w.size();
        return true;
    }
    void Ocekavej(char c)
    {
        Mezery();
        if (I >= T.size() || T[I] != c)
            Chyba(std::string("čekám ") + c);
        ++I;
    }

    THodnota Hodnota()
    {
        Mezery();
        if (I >= T.size())
            Chyba("chybí hodnota");
        THodnota h;
        const char c = T[I];
        if (Slovo("null")) {
            h.Druh = THodnota::TDruh::Null;
        } else if (Slovo("true") || Slovo("false")) {
            h.Druh = THodnota::TDruh::Bool;
            h.B = T[I - 1] == 'e' && T[I - 2] == 'u';
        } else if (c == '"') {
            h.Druh = THodnota::TDruh::Retezec;
            h.Retezec = Retezec();
        } else if (c == '[') {
            h.Druh = THodnota::TDruh::Pole;
            ++I;
            Mezery();
            if (I < T.size() && T[I] == ']') {
                ++I;
                return h;
            }
            for (;;) {
                h.Pole.push_back(Hodnota());
                Mezery();
                if (I < T.size() && T[I] == ',') {
                    ++I;
                    continue;
                }
                Ocekavej(']');
                break;
            }
        } else if (c == '{') {
            h.Druh = THodnota::TDruh::Objekt;
            ++I;
            Mezery();
            if (I < T.size() && T[I] == '}') {
                ++I;
                return h;
            }
            for (;;) {
                Mezery();
                if (I >= T.size() || T[I] != '"')
                    Chyba("čekám klíč");
                const std::string klic = Retezec();
                if (h.Objekt.count(klic) != 0)
                    Chyba("klíč " + klic + " dvakrát");
                Ocekavej(':');
                h.Objekt[klic] = Hodnota();
                Mezery();
                if (I < T.size() && T[I] == ',') {
                    ++I;
                    continue;
                }
                Ocekavej('}');
                break;
            }
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            const std::size_t zacatek = I;
            if (T[I] == '-')
                ++I;
            if (I >= T.size() || !(T[I] >= '0' && T[I] <= '9'))
                Chyba("číslo bez číslic");
            if (T[I] == '0' && I + 1 < T.size() && T[I + 1] >= '0' && T[I + 1] <= '9')
                Chyba("číslo s úvodní nulou");
            h.CeleCislo = true;
            while (I < T.size() && ((T[I] >= '0' && T[I] <= '9') || T[I] == '.' || T[I] == 'e' || T[I] == 'E'
                                    || T[I] == '+' || T[I] == '-')) {
                if (T[I] == '.' || T[I] == 'e' || T[I] == 'E')
                    h.CeleCislo = false;
                ++I;
            }
            h.Druh = THodnota::TDruh::Cislo;
            h.Cislo = std::stod(T.substr(zacatek, I - zacatek));
        } else {
            Chyba("neznámá hodnota");
        }
        return h;
    }

    static void PridejUtf8(std::string& s, std::uint32_t z)
    {
        if (z < 0x80) {
            s += static_cast<char>(z);
        } else if (z < 0x800) {
            s += static_cast<char>(0xC0 | (z >> 6));
            s += static_cast<char>(0x80 | (z & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (z >> 12));
            s += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (z & 0x3F));
        }
    }

    std::string Retezec()
    {
        ++I;  // the opening quote
        std::string s;
        for (;;) {
            if (I >= T.size())
                Chyba("neukončený řetězec");
            const char c = T[I++];
            if (c == '"')
                return s;
            if (static_cast<unsigned char>(c) < 0x20)
                Chyba("řídicí znak v řetězci");
            if (c != '\\') {
                s += c;
                continue;
            }
            if (I >= T.size())
                Chyba("neukončená escape sekvence");
            const char e = T[I++];
            switch (e) {
            case '"': s += '"'; break;
            case '\\': s += '\\'; break;
            case '/': s += '/'; break;
            case 'b': s += '\b'; break;
            case 'f': s += '\f'; break;
            case 'n': s += '\n'; break;
            case 'r': s += '\r'; break;
            case 't': s += '\t'; break;
            case 'u': {
                if (I + 4 > T.size())
                    Chyba("krátké \\u");
                const std::uint32_t z = static_cast<std::uint32_t>(std::stoul(T.substr(I, 4), nullptr, 16));
                I += 4;
                PridejUtf8(s, z);
                break;
            }
            default: Chyba("neznámá escape sekvence");
            }
        }
    }
};

inline THodnota Precti(const std::string& text) { return TCteni(text).Cti(); }

}  // namespace MaleJson
