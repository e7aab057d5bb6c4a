#include "window/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "drawing/GlSetup.h"
#include "drawing/OutlineFont.h"
#include "drawing/PlotArea.h"
#include "model/NumberText.h"
#include "window/ExceptionBox.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

void RunHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const EConvertError &failure) {
        ShowException(failure.Message());
    } catch (const std::exception &failure) {
        ShowException(QString::fromLocal8Bit(failure.what()));
    }
}

QAction *CommandAction(const QString &text, const QKeySequence &keys, std::function<void()> handler, QObject *parent)
{
    auto *action = new QAction(text, parent);
    action->setShortcut(keys);
    QObject::connect(action, &QAction::triggered, parent, [handler] { RunHandler(handler); });
    return action;
}

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Lumetra"));
    QFont font(QStringLiteral("Palatino Linotype"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setItalic(true);
    setFont(font);
    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(buttonFace);
    setAutoFillBackground(true);

    Picture = new PictureBox(this);
    ConnectPicture();
    BuildPanels();
    ConnectKeyboard();
    AddPictureMenu();
    AddSessionMenu();
    scene.curve = CurveOfItem(shownCurve);
    WireHandlers();
    resize(DesignedClientWidth, DesignedClientHeight);
    move(DesignedLeft, DesignedTop);
    PlacePanels();
    AddHistory();
    tickTimer->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::WireHandlers()
{
    auto onClick = [this](QPushButton *button, void (MainWindow::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
    };
    onClick(pedalPointSetButton, &MainWindow::PedalPointSetClick);
    onClick(selectedPointSetButton, &MainWindow::SelectedPointSetClick);
    onClick(rangeSetButton, &MainWindow::RangeSetClick);

    auto onCheck = [this](QCheckBox *box, void (MainWindow::*handler)()) {
        connect(box, &QCheckBox::clicked, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
    };
    onCheck(euclideanCheck, &MainWindow::EuclideanClick);
    onCheck(minkowskiCheck, &MainWindow::MinkowskiClick);
    // The animation box has no handler: the next tick starts or stops it.
    connect(animationCheck, &QCheckBox::toggled, this, [this](bool on) { scene.animation = on; });
    ConnectToggles();

    auto onSpin = [this](Spinner *spinner, void (MainWindow::*handler)(bool)) {
        connect(spinner, &Spinner::Click, this,
                [this, handler](bool next) { RunHandler([&] { (this->*handler)(next); }); });
    };
    onSpin(stepSpinner, &MainWindow::StepSpinnerClick);
    onSpin(xMinSpinner, &MainWindow::XMinSpinnerClick);
    onSpin(xMaxSpinner, &MainWindow::XMaxSpinnerClick);
    onSpin(yMinSpinner, &MainWindow::YMinSpinnerClick);
    onSpin(yMaxSpinner, &MainWindow::YMaxSpinnerClick);

    // Every choice from the list counts, the curve already shown included:
    // opening the list has replaced its range by -5..5.
    connect(curveList, &QComboBox::activated, this, [this] { RunHandler([this] { CurveListChange(); }); });
    // The curve shown is the one the list shows ("Own curve..." shows none and keeps it).
    connect(curveList, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (const std::shared_ptr<const CurveRow> curve = CurveOfItem(index))
            scene.curve = curve;
    });
    curveList->onDropDown = [this] { RunHandler([this] { CurveListDropDown(); }); };
    connect(stepEdit, &QLineEdit::textChanged, this, [this] { RunHandler([this] { StepEditChange(); }); });
    stepEdit->installEventFilter(this);
    connect(tickTimer, &QTimer::timeout, this, [this] { RunHandler([this] { TimerTick(); }); });
}

FrameGeometry MainWindow::Geometry() const
{
    return GeometryOf({ClientWidth(), ClientHeight()}, scene, drawnGeometry, Picture->devicePixelRatioF());
}

void MainWindow::ResizeClient(int clientWidth, int clientHeight)
{
    QWidget *outer = window();
    outer->resize(outer->width() - width() + clientWidth, outer->height() - height() + clientHeight);
}

void MainWindow::Redraw()
{
    Picture->RenderNow();
}

void MainWindow::FormCreate()
{
    ClearWindow();
    SetupProjection(ClientWidth(), ClientHeight());
    fontListBase = BuildOutlineFont(QString());
}

void MainWindow::FormResize()
{
    // One context for the life of the picture: only projection and font lists
    // are renewed, and the old lists are released first.
    SetupProjection(ClientWidth(), ClientHeight());
    DeleteOutlineFont(fontListBase);
    fontListBase = BuildOutlineFont(QString(), fontListBase);
}

void MainWindow::resizeEvent(QResizeEvent *)
{
    PlacePanels();
}

namespace {

// Focus that moves to another control of the window, not to another window
// or a menu.
bool LeavesForAnotherControl(const QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason;
}

}  // namespace

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == stepEdit && LeavesForAnotherControl(event))
        RunHandler([this] { StepEditExit(); });
    return QWidget::eventFilter(watched, event);
}
