#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "app/NumberText.h"
#include "app/PlotState.h"

namespace {

struct TextCase {
    float value;
    const char *comma;
    const char *point;
};

TEST(NumberText, GeneralFormatInBothLocales)
{
    const TextCase cases[] = {
        {-3.1415927f, "-3,14159274101257", "-3.14159274101257"},
        {10.0f, "10", "10"},
        {0.5f, "0,5", "0.5"},
        {-2.5f, "-2,5", "-2.5"},
        {float(0.05), "0,0500000007450581", "0.0500000007450581"},
        {6.2831855f, "6,28318548202515", "6.28318548202515"},
        {0.0f, "0", "0"},
        {-0.0f, "0", "0"},
        {1e20f, "1,00000002004088e+20", "1.00000002004088e+20"},
    };
    for (const TextCase &c : cases) {
        {
            LocaleScope comma(CommaLocale());
            EXPECT_EQ(FloatToStr(c.value).toStdString(), c.comma);
        }
        {
            LocaleScope point(PointLocale());
            EXPECT_EQ(FloatToStr(c.value).toStdString(), c.point);
        }
    }
}

TEST(NumberText, InitialPlotValuesAsText)
{
    const PlotState initial;
    {
        LocaleScope point(PointLocale());
        EXPECT_EQ(FloatToStr(initial.tMax).toStdString(), "6.28318548202515");
    }
    LocaleScope comma(CommaLocale());
    EXPECT_EQ(FloatToStr(initial.tStep).toStdString(), "0,0500000007450581");
    // Frame values stay 0 until the first frame derives them.
    EXPECT_EQ(initial.unitPixels, 0.0f);
    EXPECT_EQ(initial.originX, 0.0f);
    EXPECT_EQ(initial.originY, 0.0f);
    EXPECT_EQ(initial.gridXFrom, 0.0f);
}

TEST(NumberText, ConvertsWithTheLocaleSeparatorToSinglePrecision)
{
    {
        LocaleScope comma(CommaLocale());
        EXPECT_EQ(StrToFloat("1,5"), 1.5f);
        EXPECT_EQ(StrToFloat(" -2 "), -2.0f);
        EXPECT_EQ(StrToFloat("0,29"), float(0.29));
        EXPECT_EQ(StrToFloat("6,28"), float(6.28));
    }
    LocaleScope point(PointLocale());
    EXPECT_EQ(StrToFloat("1.5"), 1.5f);
    EXPECT_EQ(StrToFloat("1e-3"), float(1e-3));
}

TEST(NumberText, FailuresNameTheText)
{
    LocaleScope comma(CommaLocale());
    const char *failing[] = {"", "abc", "1.5", "1e39", "-1e39", "nan", "inf", "1,2,3", "1.000"};
    for (const char *text : failing) {
        try {
            StrToFloat(QString::fromLatin1(text));
            ADD_FAILURE() << "converted: " << text;
        } catch (const EConvertError &failure) {
            EXPECT_EQ(failure.Message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }
}

TEST(NumberText, TextOfAValueConvertsBackToIt)
{
    for (const QLocale &locale : {CommaLocale(), PointLocale()}) {
        LocaleScope scope(locale);
        for (float v : {0.1f, -1234.5678f, 3.4e38f, 1.17549435e-38f, float(0.81), 6.2831855f})
            EXPECT_EQ(StrToFloat(FloatToStr(v)), v) << FloatToStr(v).toStdString();
    }
}

}  // namespace
