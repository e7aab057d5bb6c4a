// "Formulas..." (Ctrl+E): the exact formulas of what is shown, copied in the
// chosen form, their implicit equations, and one taken as an own curve.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "maths/TypedCurve.h"
#include "window/FormulasDialog.h"
#include "window/PictureBox.h"

namespace {

using Formulas = WindowTest;

TEST_F(Formulas, CopiedTakenAndSolved)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->scene.pedalX = 1;  // the unit circle's pedal curve from (1, 0): a cardioid
    std::string shown, copied, equations;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<FormulasDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->Text()->toPlainText().toStdString();
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == QStringLiteral("Copy as Mathematica"))
                button->click();
        }
        copied = QApplication::clipboard()->text().toStdString();
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == QStringLiteral("Implicit equations"))
                button->click();
        }
        equations = dialog->Text()->toPlainText().toStdString();
        dialog->findChild<QPushButton *>(QStringLiteral("ownCurveFromThis"))->click();
    });
    QTest::keyClick(form->Picture, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(shown, "curve: x = cos(t), y = sin(t)\n"
                     "pedal curve: x = -cos(t)^2 + cos(t) + 1, y = -cos(t)*sin(t) + sin(t)\n");
    EXPECT_EQ(copied, "curve: x = Cos[t], y = Sin[t]\n"
                      "pedal curve: x = -Cos[t]^2 + Cos[t] + 1, y = -Cos[t]*Sin[t] + Sin[t]\n");
    // The circle and the cardioid (x^2 + y^2 - x)^2 = (x - 1)^2 + y^2, expanded.
    EXPECT_NE(equations.find("curve: x^2 + y^2 - 1 = 0"), std::string::npos) << equations;
    EXPECT_NE(equations.find("pedal curve: 2*x^2*y^2 + x^4 + y^4 - 2*x*y^2 - 2*x^3 - y^2 + 2*x - 1 = 0"),
              std::string::npos)
        << equations;
    // The pedal curve is now the curve shown, an own curve of its own.
    ASSERT_TRUE(form->scene.curve && form->scene.curve->typed);
    EXPECT_EQ(form->scene.curve->typed->Text().first, "-cos(t)^2 + cos(t) + 1");
}

}  // namespace
