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
#include "model/PlotState.h"
#include "window/ExceptionBox.h"
#include "window/PictureBox.h"
#include "window/PictureExport.h"
#include "window/controls/Adapters.h"

namespace {

class DesktopTest : public CommaWindowTest {};

TEST_F(DesktopTest, ReturnInAFieldDoesWhatItsButtonDoes)
{
    Type(form->Edit1, QStringLiteral("1,5"));
    Type(form->Edit2, QStringLiteral("-2"));
    QTest::keyClick(form->Edit2, Qt::Key_Return);
    EXPECT_EQ(plot.pedalX, 1.5f);
    EXPECT_EQ(plot.pedalY, -2.0f);

    Type(form->Edit4, QStringLiteral("-1,5"));
    Type(form->Edit5, QStringLiteral("1,5"));
    QTest::keyClick(form->Edit4, Qt::Key_Return);
    EXPECT_EQ(form->TrackBar1->Min(), -150);
    EXPECT_EQ(form->TrackBar1->Position(), -150);

    Type(form->Edit3, QStringLiteral("0,29"));
    QTest::keyClick(form->Edit3, Qt::Key_Enter);
    EXPECT_EQ(form->TrackBar1->Position(), 28);

    // A failing field reports once, as its button would.
    Type(form->Edit1, QStringLiteral("abc"));
    const int boxes = CloseFailureBoxes([&] { QTest::keyClick(form->Edit1, Qt::Key_Return); });
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(plot.pedalX, 1.5f);
}

TEST_F(DesktopTest, TabFollowsTheLayoutWithinEachPanel)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const std::vector<std::vector<QWidget *>> chains = {
        {form->CheckBox1, form->UpDown2, form->UpDown3, form->UpDown4, form->UpDown5, form->CheckBox5, form->CheckBox6,
         form->Edit4, form->Edit5, form->Button3},
        {form->UpDown1, form->CheckBox2, form->CheckBox3, form->Edit3, form->Button2, form->Edit6},
        {form->CheckBox7, form->Edit1, form->Edit2, form->Button1, form->CheckBox4}};
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
    form->UpDown2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->UpDown2, Qt::Key_Right);
    EXPECT_EQ(plot.xMin, -2.5f);
    QTest::keyClick(form->UpDown2, Qt::Key_Left);
    EXPECT_EQ(plot.xMin, -3.0f);
}

TEST_F(DesktopTest, ControlsAreNamedByTheirCaptionOrTheirLabel)
{
    const std::pair<QWidget *, const char *> expected[] = {{form->Edit1, "x"},
                                                           {form->Edit2, "y"},
                                                           {form->Edit3, "t"},
                                                           {form->Edit4, "t min"},
                                                           {form->Edit5, "t max"},
                                                           {form->Edit6, "Step"},
                                                           {form->UpDown2, "x min"},
                                                           {form->UpDown3, "x max"},
                                                           {form->UpDown4, "y min"},
                                                           {form->UpDown5, "y max"},
                                                           {form->ComboBox1, "Curve selection:"},
                                                           {form->Button1, "Set"},
                                                           {form->CheckBox1, "Draw grid"},
                                                           {form->CheckBox7, "Start animation"}};
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
    plot.pedalX = 0.5f;
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
    const PlotState before = plot;
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
    EXPECT_EQ(plot.pedalX, before.pedalX);
    EXPECT_EQ(plot.tMax, before.tMax);
}

TEST_F(DesktopTest, TheRightButtonStoresThePressAndNeverMovesP)
{
    form->Picture->setContextMenuPolicy(Qt::NoContextMenu);  // no menu to close in the test
    QTest::mousePress(form->Picture, Qt::RightButton, {}, QPoint(474, 138));
    QTest::mouseMove(form->Picture, QPoint(480, 130));
    QTest::mouseRelease(form->Picture, Qt::RightButton, {}, QPoint(480, 130));
    EXPECT_EQ(plot.mouseX, 474);
    EXPECT_EQ(plot.mouseY, 138);
    EXPECT_EQ(plot.pedalX, 0.0f);
    EXPECT_EQ(plot.pedalY, 0.0f);
}

}  // namespace
