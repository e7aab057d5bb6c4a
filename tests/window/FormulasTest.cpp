// "Formulas..." (Ctrl+E): the exact formulas of what is shown, copied in the
// chosen form, their implicit equations (worked out by the program in a
// process of its own), and one taken as an own curve.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "WindowFixture.h"
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
        dialog->program = QStringLiteral(LUMETRA_PROGRAM);
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
        dialog->findChild<QPushButton *>(QStringLiteral("ownCurveFrom1"))->click();  // the pedal curve
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

// Elimination that takes longer than its limit is ended, and said to be too large.
TEST_F(Formulas, ASlowEliminationIsEndedAtItsLimit)
{
    QTemporaryDir folder;
    const QString slow = folder.filePath(QStringLiteral("slow"));
    QFile script(slow);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexec sleep 60\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    FormulasDialog dialog(form.get(), form->scene, form->CaptureSession());
    dialog.program = slow;
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("Implicit equations"))
            button->click();
    }
    EXPECT_NE(dialog.Text()->toPlainText().indexOf(QStringLiteral("implicit equations: too large")), -1)
        << dialog.Text()->toPlainText().toStdString();
}

}  // namespace
