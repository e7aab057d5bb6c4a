#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "TestSupport.h"
#include "controls/ControlTestSupport.h"
#include "window/ExceptionBox.h"
#include "window/OwnCurveDialog.h"

namespace {

class OwnCurve : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<OwnCurveDialog>(nullptr, TypedCurveText{TypedKind::Polar, "", "", 0.25f, 6.5f});
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QPushButton *Ok() const { return dialog->Buttons->button(QDialogButtonBox::Ok); }

    static void Type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // A decimal-comma locale, so the range fields must use the locale's text.
    LocaleScope comma{CommaLocale()};
    std::unique_ptr<OwnCurveDialog> dialog;
};

TEST_F(OwnCurve, StartsWithTheFirstExampleInItsOwnRange)
{
    EXPECT_EQ(dialog->KindBox->currentIndex(), int(TypedKind::Parametric));
    EXPECT_EQ(dialog->FirstEdit->text(), QStringLiteral("cos(t)^3"));
    EXPECT_EQ(dialog->TMinEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->TMaxEdit->text(), QStringLiteral("6,28318548202515"));
    EXPECT_TRUE(Ok()->isEnabled());
}

TEST_F(OwnCurve, EachFormulaShowsItsFaultAndOkWaitsForBoth)
{
    Type(dialog->FirstEdit, QStringLiteral("sni(t)"));
    Type(dialog->SecondEdit, QStringLiteral("2*(sin(t)+1"));
    EXPECT_EQ(dialog->FirstMessage->text(), QStringLiteral("unknown name 'sni' at 1"));
    EXPECT_EQ(dialog->SecondMessage->text(), QStringLiteral("missing ')' at 12"));
    EXPECT_FALSE(Ok()->isEnabled());
    QTest::keyClick(dialog->FirstEdit, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());

    Type(dialog->FirstEdit, QStringLiteral("sin(t)"));
    EXPECT_TRUE(dialog->FirstMessage->text().isEmpty());
    EXPECT_FALSE(Ok()->isEnabled());
    QTest::keyClick(dialog->SecondEdit, Qt::Key_Backspace);
    QTest::keyClicks(dialog->SecondEdit, QStringLiteral("1)"));
    EXPECT_TRUE(dialog->SecondMessage->text().isEmpty());
    EXPECT_TRUE(Ok()->isEnabled());
}

TEST_F(OwnCurve, GraphHidesSecondRowAndTakesX)
{
    QTest::keyClick(dialog->KindBox, Qt::Key_Down);
    EXPECT_FALSE(dialog->SecondEdit->isVisible());
    EXPECT_EQ(dialog->FirstLabel->text(), QStringLiteral("y ="));
    Type(dialog->FirstEdit, QStringLiteral("x^2-1"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    ASSERT_NE(dialog->Curve(), nullptr);
    EXPECT_EQ(dialog->Text().kind, TypedKind::Graph);
    EXPECT_EQ(dialog->Curve()->At(3).y, 8);
}

TEST_F(OwnCurve, ExampleFillsKindFormulasAndRange)
{
    QTest::keyClick(dialog->KindBox, Qt::Key_End);  // polar first: the example must set the kind back
    Type(dialog->FirstEdit, QStringLiteral("sni"));
    QTest::keyClick(dialog->ExampleBox, Qt::Key_End);
    EXPECT_EQ(dialog->Text().kind, TypedKind::Parametric);
    EXPECT_TRUE(dialog->SecondEdit->isVisible());
    EXPECT_EQ(dialog->FirstEdit->text(), QStringLiteral("3*(3-t^2)"));
    EXPECT_EQ(dialog->TMinEdit->text(), QStringLiteral("-3,5"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    ASSERT_NE(dialog->Curve(), nullptr);
    EXPECT_EQ(dialog->Curve()->Text().tMax, 3.5f);
}

TEST_F(OwnCurve, UnconvertibleRangeShowsOneFailureAndStaysOpen)
{
    Type(dialog->TMaxEdit, QStringLiteral("abc"));
    const long before = ShownExceptionCount();
    EXPECT_EQ(CloseFailureBoxes([&] { QTest::mouseClick(Ok(), Qt::LeftButton); }), 1);
    EXPECT_EQ(ShownExceptionCount(), before + 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Curve(), nullptr);

    Type(dialog->TMaxEdit, QStringLiteral("0,5"));
    QTest::keyClick(dialog->TMaxEdit, Qt::Key_Return);
    ASSERT_NE(dialog->Curve(), nullptr);
    EXPECT_EQ(dialog->Text().tMax, 0.5f);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(OwnCurve, EscapeCancelsWithoutCurve)
{
    QTest::keyClick(dialog->FirstEdit, Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->Curve(), nullptr);
}

}  // namespace
