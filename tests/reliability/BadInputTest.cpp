// Texts that are not numbers, or not finite single-precision numbers, typed
// into every edit field of the real window in a decimal-comma and a
// decimal-point locale: each converts, or shows exactly one failure box and
// leaves the state where the handler stopped; the program goes on.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ReliabilitySupport.h"
#include "WindowFixture.h"
#include "controls/ControlTestSupport.h"
#include "window/ExceptionBox.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

namespace {

bool SameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A typed text and the single-precision number it stands for in each locale;
// none where it is not a finite single-precision number.
struct Input {
    std::string name;
    QString text;
    std::optional<float> comma, point;
    bool startOfNumber = false;  // the step field waits for more keys
};

std::vector<Input> Inputs(QChar decimal)
{
    const std::optional<float> fails;
    const QString longFraction = QStringLiteral("0") + decimal + QString(9998, QLatin1Char('3'));
    return {
        {"empty", "", fails, fails, true},
        {"blank", " ", fails, fails, true},
        {"abc", "abc", fails, fails},
        {"1,2,3", "1,2,3", fails, fails},
        // The other locale's separator is a group separator here, and those are rejected.
        {"1.5", "1.5", fails, 1.5f},
        {"1,5", "1,5", 1.5f, fails},
        {"1e39", "1e39", fails, fails},
        {"-1e39", "-1e39", fails, fails},
        {"nan", "nan", fails, fails},
        {"inf", "inf", fails, fails},
        // Finite numbers too small for single precision are zero, however small.
        {"1e-50", "1e-50", 0.0f, 0.0f},
        {"1e-400", "1e-400", 0.0f, 0.0f},
        {"0x10", "0x10", fails, fails},
        {"10,000-character fraction", longFraction, float(1.0 / 3), float(1.0 / 3)},
        {"10,000-digit integer", QString(10000, QLatin1Char('9')), fails, fails},
        {"U+2212 minus", QString::fromUtf8("\u22121"), -1.0f, -1.0f},
        {"full-width digits", QString::fromUtf8("\uff11\uff12"), fails, fails},
        // Last: a valid text after all the failures still works.
        {"2", "2", 2.0f, 2.0f},
    };
}

struct State {
    float pedalX, pedalY, tMin, tMax, currentT, tStep;
    int min, max, position;
};

std::ostream &operator<<(std::ostream &out, const State &s)
{
    return out << "P (" << s.pedalX << ", " << s.pedalY << ") t [" << s.tMin << ", " << s.tMax << "] current "
               << s.currentT << " step " << s.tStep << " track bar [" << s.min << ", " << s.max << "] at "
               << s.position;
}

bool operator==(const State &a, const State &b)
{
    return SameBits(a.pedalX, b.pedalX) && SameBits(a.pedalY, b.pedalY) && SameBits(a.tMin, b.tMin) &&
           SameBits(a.tMax, b.tMax) && SameBits(a.currentT, b.currentT) && SameBits(a.tStep, b.tStep) &&
           a.min == b.min && a.max == b.max && a.position == b.position;
}

// Which field gets the text; the other field of its handler holds a valid one.
enum class Field { pedalXEdit, pedalYEdit, selectedTEdit, tMinEdit, tMaxEdit, stepEdit };

class BadInput : public WindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        locale = std::make_unique<LocaleScope>(GetParam() ? CommaLocale() : PointLocale());
        WindowTest::SetUp();
        // A range of one unit keeps the frames of the successful inputs short.
        Paste(form->tMinEdit, QStringLiteral("0"));
        Paste(form->tMaxEdit, QStringLiteral("1"));
        QTest::mouseClick(form->rangeSetButton, Qt::LeftButton);
        ASSERT_EQ(form->scene.tMax, 1.0f);
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        locale.reset();
    }

    State Capture() const
    {
        return {form->scene.pedalX,
                form->scene.pedalY,
                form->scene.tMin,
                form->scene.tMax,
                form->scene.currentT,
                form->scene.tStep,
                form->selectedPointTrack->Min(),
                form->selectedPointTrack->Max(),
                form->selectedPointTrack->Position()};
    }

    // Types every input into the field and runs its handler.
    void TypeEveryInput(Field field)
    {
        const std::vector<Input> inputs = Inputs(QLocale().decimalPoint().at(0));
        for (size_t i = 0; i < inputs.size(); ++i) {
            const Input &input = inputs[i];
            SCOPED_TRACE(input.name);
            const std::optional<float> value = GetParam() ? input.comma : input.point;
            // Alternating companions make the value a failing handler keeps visible.
            const float companion = i % 2 ? 1.0f : 0.0f;
            const QString companionText = i % 2 ? QStringLiteral("1") : QStringLiteral("0");

            State expected = Capture();
            const long shown = ShownExceptionCount();
            const long redraws = form->Picture->redrawCount;
            int boxes = 0;
            switch (field) {
            case Field::pedalXEdit:
                Paste(form->pedalXEdit, input.text);
                Paste(form->pedalYEdit, QStringLiteral("2"));
                boxes = CloseFailureBoxes([&] { QTest::mouseClick(form->pedalPointSetButton, Qt::LeftButton); });
                if (value) {
                    expected.pedalX = *value;
                    expected.pedalY = 2;
                }
                break;
            case Field::pedalYEdit:
                Paste(form->pedalXEdit, companionText);
                Paste(form->pedalYEdit, input.text);
                boxes = CloseFailureBoxes([&] { QTest::mouseClick(form->pedalPointSetButton, Qt::LeftButton); });
                expected.pedalX = companion;  // stored before y is read
                if (value)
                    expected.pedalY = *value;
                break;
            case Field::selectedTEdit:
                Paste(form->selectedTEdit, input.text);
                boxes = CloseFailureBoxes([&] { QTest::mouseClick(form->selectedPointSetButton, Qt::LeftButton); });
                if (value) {
                    expected.currentT = *value;
                    expected.position = form->selectedPointTrack->Position();  // its rule is tested elsewhere
                }
                break;
            case Field::tMinEdit:
                Paste(form->tMinEdit, input.text);
                Paste(form->tMaxEdit, QStringLiteral("2"));
                boxes = CloseFailureBoxes([&] { QTest::mouseClick(form->rangeSetButton, Qt::LeftButton); });
                if (value) {
                    expected.tMin = expected.currentT = *value;
                    expected.tMax = 2;
                    expected.min = form->selectedPointTrack->Min();
                    expected.max = form->selectedPointTrack->Max();
                    expected.position = form->selectedPointTrack->Position();
                }
                break;
            case Field::tMaxEdit:
                Paste(form->tMinEdit, companionText);
                Paste(form->tMaxEdit, input.text);
                boxes = CloseFailureBoxes([&] { QTest::mouseClick(form->rangeSetButton, Qt::LeftButton); });
                expected.tMin = companion;  // stored before t max is read
                if (value) {
                    expected.tMax = *value;
                    expected.currentT = companion;
                    expected.min = form->selectedPointTrack->Min();
                    expected.max = form->selectedPointTrack->Max();
                    expected.position = form->selectedPointTrack->Position();
                }
                break;
            case Field::stepEdit:
                // The step is read on every change of the text, here exactly one;
                // the start of a number is reported only when the field is left.
                boxes = CloseFailureBoxes([&] { Paste(form->stepEdit, input.text); });
                if (value)
                    expected.tStep = *value;
                break;
            }
            const bool waits = field == Field::stepEdit && input.startOfNumber;
            const int failures = value || waits ? 0 : 1;
            EXPECT_EQ(ShownExceptionCount() - shown, failures);
            EXPECT_EQ(boxes, failures);
            EXPECT_EQ(Capture(), expected);
            const bool handlerRedraws = value && field != Field::stepEdit;
            EXPECT_EQ(form->Picture->redrawCount > redraws, handlerRedraws);
            EXPECT_GE(form->selectedPointTrack->Position(), form->selectedPointTrack->Min());
            EXPECT_LE(form->selectedPointTrack->Position(), form->selectedPointTrack->Max());
        }
        EXPECT_TRUE(form->isVisible());
    }

private:
    std::unique_ptr<LocaleScope> locale;
};

TEST_P(BadInput, PedalPointX)
{
    TypeEveryInput(Field::pedalXEdit);
}
TEST_P(BadInput, PedalPointY)
{
    TypeEveryInput(Field::pedalYEdit);
}
TEST_P(BadInput, SelectedPoint)
{
    TypeEveryInput(Field::selectedTEdit);
}
TEST_P(BadInput, RangeStart)
{
    TypeEveryInput(Field::tMinEdit);
}
TEST_P(BadInput, RangeEnd)
{
    TypeEveryInput(Field::tMaxEdit);
}
TEST_P(BadInput, Step)
{
    TypeEveryInput(Field::stepEdit);
}

INSTANTIATE_TEST_SUITE_P(Locales, BadInput, ::testing::Bool(), [](const ::testing::TestParamInfo<bool> &locale) {
    return std::string(locale.param ? "DecimalComma" : "DecimalPoint");
});

}  // namespace
