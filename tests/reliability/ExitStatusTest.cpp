// A failure that escapes the program's start-up or event loop is shown like
// any other, and the program then ends with a failure status.
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>

#include "controls/ControlTestSupport.h"
#include "window/ExceptionBox.h"

namespace {

TEST(ExitStatus, AnEscapingFailureIsShownAndTheProgramEndsWithAFailureStatus)
{
    EXPECT_EQ(ExitStatusOf([] { return 0; }), EXIT_SUCCESS);

    const long shown = ShownExceptionCount();
    int status = EXIT_SUCCESS;
    const int boxes = CloseFailureBoxes(
        [&] { status = ExitStatusOf([]() -> int { throw std::runtime_error("no drawing surface"); }); });
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(ShownExceptionCount(), shown + 1);
    EXPECT_NE(status, EXIT_SUCCESS);
}

}  // namespace
