// What a desktop user expects around the controls: Return in a field, the
// tab order, names for assistive tools, and saving or copying the picture.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include "ControlTestSupport.h"
#include "window/ExceptionBox.h"
#include "window/PictureBox.h"
#include "window/PictureExport.h"
#include "window/controls/Adapters.h"

namespace {

class DesktopTest : public CommaWindowTest {};

TEST_F(DesktopTest, ReturnInAFieldDoesWhatItsButtonDoes)
{
    Type(form->pedalXEdit, QStringLiteral("1,5"));
    Type(form->pedalYEdit, QStringLiteral("-2"));
    QTest::keyClick(form->pedalYEdit, Qt::Key_Return);
    EXPECT_EQ(form->scene.pedalX, 1.5f);
    EXPECT_EQ(form->scene.pedalY, -2.0f);

    Type(form->tMinEdit, QStringLiteral("-1,5"));
    Type(form->tMaxEdit, QStringLiteral("1,5"));
    QTest::keyClick(form->tMinEdit, Qt::Key_Return);
    EXPECT_EQ(form->selectedPointTrack->Min(), -150);
    EXPECT_EQ(form->selectedPointTrack->Position(), -150);

    Type(form->selectedTEdit, QStringLiteral("0,29"));
    QTest::keyClick(form->selectedTEdit, Qt::Key_Enter);
    EXPECT_EQ(form->selectedPointTrack->Position(), 28);

    // A failing field reports once, as its button would.
    Type(form->pedalXEdit, QStringLiteral("abc"));
    const int boxes = CloseFailureBoxes([&] { QTest::keyClick(form->pedalXEdit, Qt::Key_Return); });
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(form->scene.pedalX, 1.5f);
}

TEST_F(DesktopTest, TabFollowsTheLayoutWithinEachPanel)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const std::vector<std::vector<QWidget *>> chains = {
        {form->gridCheck, form->xMinSpinner, form->xMaxSpinner, form->yMinSpinner, form->yMaxSpinner,
         form->euclideanCheck, form->minkowskiCheck, form->tMinEdit, form->tMaxEdit, form->rangeSetButton},
        {form->stepSpinner, form->tangentNormalCheck, form->selectedPointCheck, form->selectedTEdit,
         form->selectedPointSetButton, form->stepEdit},
        {form->animationCheck, form->pedalXEdit, form->pedalYEdit, form->pedalPointSetButton,
         form->singularTangentsCheck}};
    for (const auto &chain : chains) {
        for (size_t i = 0; i + 1 < chain.size(); ++i) {
            chain[i]->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(chain[i]->hasFocus()) << chain[i]->objectName().toStdString();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), chain[i + 1]) << "after " << chain[i]->objectName().toStdString();
        }
    }
}

TEST_F(DesktopTest, ArrowKeysClickAFocusedSpinner)
{
    form->xMinSpinner->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->xMinSpinner, Qt::Key_Right);
    EXPECT_EQ(form->scene.xMin, -2.5f);
    QTest::keyClick(form->xMinSpinner, Qt::Key_Left);
    EXPECT_EQ(form->scene.xMin, -3.0f);
}

TEST_F(DesktopTest, ControlsAreNamedByTheirCaptionOrTheirLabel)
{
    const std::pair<QWidget *, const char *> expected[] = {{form->pedalXEdit, "x"},
                                                           {form->pedalYEdit, "y"},
                                                           {form->selectedTEdit, "t"},
                                                           {form->tMinEdit, "t min"},
                                                           {form->tMaxEdit, "t max"},
                                                           {form->stepEdit, "Step"},
                                                           {form->xMinSpinner, "x min"},
                                                           {form->xMaxSpinner, "x max"},
                                                           {form->yMinSpinner, "y min"},
                                                           {form->yMaxSpinner, "y max"},
                                                           {form->curveList, "Curve selection:"},
                                                           {form->pedalPointSetButton, "Set"},
                                                           {form->gridCheck, "Draw grid"},
                                                           {form->animationCheck, "Start animation"}};
    for (const auto &[control, name] : expected)
        EXPECT_EQ(control->accessibleName(), QString::fromLatin1(name)) << control->objectName().toStdString();
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>())
        if (!button->text().isEmpty()) {
            EXPECT_EQ(button->accessibleName(), button->text());
        }
}

TEST_F(DesktopTest, TheSavedPictureIsThePictureShown)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    form->scene.pedalX = 0.5f;
    form->Redraw();
    SavePicture(CurrentPicture(*form), path);
    const QImage saved(path);
    const QImage shown = form->Picture->grabFramebuffer();
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), shown.size());
    EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) == shown.convertToFormat(QImage::Format_RGB32));

    QAction *copy = nullptr;
    for (QAction *action : form->Picture->actions())
        if (action->text() == QStringLiteral("Copy picture"))
            copy = action;
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    copy->trigger();
    EXPECT_TRUE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) ==
                shown.convertToFormat(QImage::Format_RGB32));
}

TEST_F(DesktopTest, AFailedWriteSaysSoAndChangesNothing)
{
    QTemporaryDir folder;
    const Scene before = form->scene;
    // A folder that does not exist, and one without write permission (a
    // superuser may write there all the same).
    QStringList targets = {folder.filePath(QStringLiteral("missing/picture.png"))};
    const QString readOnly = folder.filePath(QStringLiteral("read-only"));
    QDir().mkpath(readOnly);
    chmod(readOnly.toLocal8Bit().constData(), 0555);
    if (geteuid() != 0)
        targets << readOnly + QStringLiteral("/picture.png");
    for (const QString &target : targets) {
        try {
            SavePicture(CurrentPicture(*form), target);
            ADD_FAILURE() << "saved to " << target.toStdString();
        } catch (const std::runtime_error &failure) {
            EXPECT_TRUE(QString::fromLocal8Bit(failure.what()).contains(target));
        }
        EXPECT_FALSE(QFile::exists(target));
    }
    EXPECT_EQ(form->scene.pedalX, before.pedalX);
    EXPECT_EQ(form->scene.tMax, before.tMax);
}

TEST_F(DesktopTest, TheRightButtonStoresThePressAndNeverMovesP)
{
    form->Picture->setContextMenuPolicy(Qt::NoContextMenu);  // no menu to close in the test
    QTest::mousePress(form->Picture, Qt::RightButton, {}, QPoint(474, 138));
    QTest::mouseMove(form->Picture, QPoint(480, 130));
    QTest::mouseRelease(form->Picture, Qt::RightButton, {}, QPoint(480, 130));
    EXPECT_EQ(form->mouseX, 474);
    EXPECT_EQ(form->mouseY, 138);
    EXPECT_EQ(form->scene.pedalX, 0.0f);
    EXPECT_EQ(form->scene.pedalY, 0.0f);
}

}  // namespace
