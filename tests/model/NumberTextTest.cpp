#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "WindowFixture.h"
#include "model/NumberText.h"
#include "model/Scene.h"

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
    const Scene initial;
    {
        LocaleScope point(PointLocale());
        EXPECT_EQ(FloatToStr(initial.tMax).toStdString(), "6.28318548202515");
    }
    LocaleScope comma(CommaLocale());
    EXPECT_EQ(FloatToStr(initial.tStep).toStdString(), "0,0500000007450581");
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

TEST(NumberText, EveryLocaleReadsBothExponentMarksAndGetsE)
{
    for (const QLocale &locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        LocaleScope scope(locale);
        const QString separator = locale.decimalPoint();
        EXPECT_EQ(StrToFloat(QStringLiteral("1e3")), 1000.0f) << locale.name().toStdString();
        EXPECT_EQ(StrToFloat(QStringLiteral("-2") + separator + QStringLiteral("5E-1")), -0.25f)
            << locale.name().toStdString();
        EXPECT_EQ(FloatToStr(1e20f), QStringLiteral("1") + separator + QStringLiteral("00000002004088e+20"))
            << locale.name().toStdString();
    }
}

using NumberTextInThePicture = WindowTest;

TEST_F(NumberTextInThePicture, GridLabelsDrawASeparatorTheFontHas)
{
    // The labels of a decimal-point locale, then of one whose separator
    // (U+066B) is not among the font's characters.
    const std::vector<FeedbackPrimitive> pointFrame = RecordFrame();
    LocaleScope arabic(QLocale(QLocale::Arabic, QLocale::Egypt));
    const std::vector<FeedbackPrimitive> arabicFrame = RecordFrame();
    ASSERT_EQ(arabicFrame.size(), pointFrame.size());
    for (size_t i = 0; i < pointFrame.size(); ++i) {
        ASSERT_EQ(arabicFrame[i].vertices.size(), pointFrame[i].vertices.size()) << "primitive " << i;
        for (size_t k = 0; k < pointFrame[i].vertices.size(); ++k) {
            EXPECT_EQ(arabicFrame[i].vertices[k].x, pointFrame[i].vertices[k].x);
            EXPECT_EQ(arabicFrame[i].vertices[k].y, pointFrame[i].vertices[k].y);
        }
    }
}

}  // namespace
