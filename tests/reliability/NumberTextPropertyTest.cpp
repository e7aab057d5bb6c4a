// The text of every stored value reads back as that value, bit for bit, in
// every kind of locale; the boundaries of what converts.
#include <QLocale>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/NumberText.h"

namespace {

uint32_t Bits(float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

float FromBits(uint32_t bits)
{
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// A decimal comma, a decimal point, and locales whose own exponent mark is
// "×10^" rather than "e".
std::vector<QLocale> RoundTripLocales()
{
    return {CommaLocale(), PointLocale(), QLocale(QLocale::Swedish, QLocale::Sweden),
            QLocale(QLocale::Estonian, QLocale::Estonia), QLocale(QLocale::Lithuanian, QLocale::Lithuania)};
}

// Counts the values of `each` whose text does not read back to them; reports the first few.
template <class Each>
long RoundTripFailures(const QLocale &locale, Each &&each)
{
    LocaleScope scope(locale);
    long failures = 0;
    each([&](float v) {
        if (v == 0 && std::signbit(v))
            return;  // -0 is shown as 0 on purpose
        const QString text = FloatToStr(v);
        float back = std::nanf("");
        try {
            back = StrToFloat(text);
        } catch (const EConvertError &) {
        }
        if (Bits(back) != Bits(v) && ++failures <= 5)
            ADD_FAILURE() << locale.name().toStdString() << ": " << text.toStdString() << " read back as " << back;
    });
    return failures;
}

TEST(NumberTextProperties, RandomFiniteFloatsReadBackExactly)
{
    auto sample = [](auto &&check) {
        std::mt19937 random(20240611);
        for (int i = 0; i < 200000;) {
            const float v = FromBits(uint32_t(random()));
            if (std::isfinite(v)) {
                check(v);
                ++i;
            }
        }
    };
    for (const QLocale &locale : RoundTripLocales())
        EXPECT_EQ(RoundTripFailures(locale, sample), 0) << locale.name().toStdString();
}

TEST(NumberTextProperties, EveryFloatOfDenseRangesReadsBackExactly)
{
    // Every float from `from` upward for `count` steps, both signs.
    auto ranges = [](auto &&check) {
        const struct {
            float from;
            uint32_t count;
        } spans[] = {
            {1.0f, (1u << 13) + 1},                // [1, 1 + 2^-10]
            {FromBits(Bits(0.05f) - 4096), 8192},  // around the initial step
            {FromBits(Bits(2048.0f) - 4096), 8192},
            {FromBits(Bits(0.01f) - 2048), 4096},  // hundredths of the track bar
            {0.0f, 4096},                          // the smallest subnormals
            {FromBits(Bits(FLT_MIN) - 2048), 4096},
            {FromBits(Bits(FLT_MAX) - 4095), 4096},
        };
        for (const auto &r : spans)
            for (uint32_t k = 0; k < r.count; ++k) {
                check(FromBits(Bits(r.from) + k));
                check(-FromBits(Bits(r.from) + k));
            }
    };
    for (const QLocale &locale : RoundTripLocales())
        EXPECT_EQ(RoundTripFailures(locale, ranges), 0) << locale.name().toStdString();
}

struct Boundary {
    const char *text;  // decimal point; the comma locale gets it with a comma
    std::optional<float> value;
};

TEST(NumberTextProperties, WhatConvertsAtTheEdgesOfSinglePrecision)
{
    const Boundary cases[] = {
        {"3.4028234663852886e38", FLT_MAX},
        {"3.4028235e38", FLT_MAX},        // rounds down to the largest float
        {"3.40282357e38", std::nullopt},  // rounds up to infinity
        {"-3.40282357e38", std::nullopt},
        {"1.4e-45", FromBits(1)},  // the smallest subnormal
        {"7e-46", 0.0f},           // rounds to zero: a number all the same
        {"1e-320", 0.0f},
        {"-1e-400", -0.0f},
        {"1e-99999", 0.0f},
        {"1e99999", std::nullopt},
    };
    for (const QLocale &locale : {CommaLocale(), PointLocale()}) {
        LocaleScope scope(locale);
        for (const Boundary &c : cases) {
            QString text = QString::fromLatin1(c.text);
            text.replace(QLatin1Char('.'), locale.decimalPoint());
            SCOPED_TRACE(text.toStdString());
            try {
                const float v = StrToFloat(text);
                ASSERT_TRUE(c.value.has_value()) << "converted to " << v;
                EXPECT_EQ(Bits(v), Bits(*c.value)) << v;
            } catch (const EConvertError &) {
                EXPECT_FALSE(c.value.has_value()) << "did not convert";
            }
        }
        // A fraction of 10,000 characters that rounds to zero.
        const QString tiny =
            QStringLiteral("0") + locale.decimalPoint() + QString(9997, QLatin1Char('0')) + QStringLiteral("1");
        EXPECT_EQ(Bits(StrToFloat(tiny)), Bits(0.0f));
    }
}

}  // namespace
