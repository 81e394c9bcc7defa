#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

// An amount of money as an exact number of cents.
class Betrag {
public:
    constexpr Betrag() = default;
    static constexpr Betrag ausCent(qint64 cent) {
        Betrag b;
        b.wert = cent;
        return b;
    }

    constexpr qint64 cent() const { return wert; }
    constexpr bool istNull() const { return wert == 0; }
    // Amounts that differ by at most one cent count as the same.
    constexpr bool ungefaehrGleich(Betrag andere) const {
        const quint64 abstand = wert >= andere.wert ? quint64(wert) - quint64(andere.wert)
                                                    : quint64(andere.wert) - quint64(wert);
        return abstand <= 1;
    }

    constexpr Betrag operator-() const { return ausCent(-wert); }
    constexpr Betrag& operator+=(Betrag b) {
        wert += b.wert;
        return *this;
    }
    constexpr Betrag& operator-=(Betrag b) {
        wert -= b.wert;
        return *this;
    }
    friend constexpr Betrag operator+(Betrag a, Betrag b) { return a += b; }
    friend constexpr Betrag operator-(Betrag a, Betrag b) { return a -= b; }
    friend constexpr auto operator<=>(const Betrag&, const Betrag&) = default;

private:
    qint64 wert = 0;
};

// German display: "1.234,56", "-0,50", "0,00".
QString BetragText(Betrag betrag);

// Typed amounts: without a decimal comma the digits count in cents ("500" is 5,00); with one,
// up to two decimals follow ("500,5" is 500,50) and the euros may be grouped by "." in
// thousands ("1.234,56"). A leading "-" is allowed, surrounding white space ignored. Grouping
// dots without a comma are refused because "1.500" would be read as 15,00.
std::optional<Betrag> BetragAusText(const QString& text);

// A derived amount rounded to cents, halves to even. A value within 1e-9 cent (plus 1e-14 of
// the value, for very large amounts) of a half cent counts as the half, so binary noise such
// as 2.675 being stored as 2.67499999... cannot decide the direction.
Betrag RundenAufCent(double euro);
// betrag * faktor rounded like RundenAufCent, computed on the cents so exact halves stay exact.
Betrag Anteil(Betrag betrag, double faktor);
