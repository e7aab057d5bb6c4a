#include "window/Form1.h"

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

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
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

    Picture = new TPictureBox(this);
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

TForm1::~TForm1() = default;

void TForm1::WireHandlers()
{
    auto onClick = [this](QPushButton *button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
    };
    onClick(pedalPointSetButton, &TForm1::PedalPointSetClick);
    onClick(selectedPointSetButton, &TForm1::SelectedPointSetClick);
    onClick(rangeSetButton, &TForm1::RangeSetClick);

    auto onCheck = [this](QCheckBox *box, void (TForm1::*handler)()) {
        connect(box, &QCheckBox::clicked, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
    };
    onCheck(euclideanCheck, &TForm1::EuclideanClick);
    onCheck(minkowskiCheck, &TForm1::MinkowskiClick);
    // The animation box has no handler: the next tick starts or stops it.
    connect(animationCheck, &QCheckBox::toggled, this, [this](bool on) { scene.animation = on; });
    ConnectToggles();

    auto onSpin = [this](TUpDown *spinner, void (TForm1::*handler)(bool)) {
        connect(spinner, &TUpDown::Click, this,
                [this, handler](bool next) { RunHandler([&] { (this->*handler)(next); }); });
    };
    onSpin(stepSpinner, &TForm1::StepSpinnerClick);
    onSpin(xMinSpinner, &TForm1::XMinSpinnerClick);
    onSpin(xMaxSpinner, &TForm1::XMaxSpinnerClick);
    onSpin(yMinSpinner, &TForm1::YMinSpinnerClick);
    onSpin(yMaxSpinner, &TForm1::YMaxSpinnerClick);

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

FrameGeometry TForm1::Geometry() const
{
    return GeometryOf({ClientWidth(), ClientHeight()}, scene, drawnGeometry, Picture->devicePixelRatioF());
}

void TForm1::Redraw()
{
    Picture->RenderNow();
}

void TForm1::FormCreate()
{
    ClearWindow();
    SetupProjection(ClientWidth(), ClientHeight());
    fontListBase = BuildOutlineFont(QString());
}

void TForm1::FormResize()
{
    // One context for the life of the picture: only projection and font lists
    // are renewed, and the old lists are released first.
    SetupProjection(ClientWidth(), ClientHeight());
    DeleteOutlineFont(fontListBase);
    fontListBase = BuildOutlineFont(QString(), fontListBase);
}

void TForm1::resizeEvent(QResizeEvent *)
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

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == stepEdit && LeavesForAnotherControl(event))
        RunHandler([this] { StepEditExit(); });
    return QWidget::eventFilter(watched, event);
}
