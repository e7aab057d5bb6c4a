#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QKeySequence;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class CurveListBox;
class PictureBox;
class TrackBar;
class Spinner;
struct CurveRow;
class TypedCurve;
struct OpenedSession;
struct Session;
struct ViewWindow;

#include "drawing/Frame.h"
#include "drawing/StandardLayers.h"
#include "drawing/WindowLayout.h"
#include "model/Scene.h"
#include "model/SessionHistory.h"

// The one window of Lumetra. It owns the scene: every control edits it
// through its handler and shows it. Every control is a member named as the
// control, with the same objectName. Handlers live in window/controls, one
// file per group of controls; the frame is drawn by RenderScene
// (window/RenderScene.cpp).
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Designed client area: 1107 x 728 outer.
    static constexpr int DesignedClientWidth = ::DesignedClientWidth;
    static constexpr int DesignedClientHeight = ::DesignedClientHeight;
    // Where the window opens, outer frame included, as far as the window manager allows.
    static constexpr int DesignedLeft = 241;
    static constexpr int DesignedTop = 0;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Scene scene;  // what the picture and the controls show
    // What the picture draws, in order; each layer with a toggle has a check
    // box (the designed ones) or an entry in the picture's menu.
    const LayerList &Layers() const { return layers; }
    void SetLayers(LayerList list);
    // The mapping of the scene at the window's size: the last frame's, where
    // the scene has changed nothing it depends on.
    FrameGeometry Geometry() const;
    FrameGeometry drawnGeometry;  // the last frame's

    QWidget *drawingPanel;    // right: drawing settings
    QWidget *parameterPanel;  // below the picture: selected point, step, tangent and normal
    QWidget *pedalPanel;      // bottom: pedal point, animation, singular tangents

    QLabel *curveSelectionLabel;       // "Curve selection:"
    QLabel *xMinValueLabel;            // x min value
    QLabel *xMaxValueLabel;            // x max value
    QLabel *yMinValueLabel;            // y min value
    QLabel *yMaxValueLabel;            // y max value
    QLabel *selectedPointTitleLabel;   // "Selected point:"
    QLabel *selectedTValueLabel;       // " t = " and the selected parameter
    QLabel *selectedTLabel;            // "t" beside the selected-point field
    QLabel *tMinLabel;                 // "t min"
    QLabel *drawingSettingsLabel;      // "Drawing settings:"
    QLabel *xMaxLabel;                 // "x max"
    QLabel *xMinLabel;                 // "x min"
    QLabel *yMinLabel;                 // "y min"
    QLabel *yMaxLabel;                 // "y max"
    QLabel *tangentNormalTitleLabel;   // "Tangent and normal line of the curve"
    QLabel *tMaxLabel;                 // "t max"
    QLabel *stepLabel;                 // "Step"
    QLabel *pointSelectionTitleLabel;  // "Selection of a point on the curve"
    QLabel *pedalCurveTitleLabel;      // "Pedal curve of the selected curve"
    QLabel *pedalPointTitleLabel;      // "Pedal point:"
    QLabel *pedalXLabel;               // "x" beside the pedal point's x field
    QLabel *pedalYLabel;               // "y" beside the pedal point's y field
    QLabel *pedalPointValueLabel;      // "( x , y )" of the pedal point

    QCheckBox *gridCheck;              // "Draw grid"
    QCheckBox *tangentNormalCheck;     // "Draw tangent and normal line of the curve"
    QCheckBox *selectedPointCheck;     // "Draw selected point"
    QCheckBox *singularTangentsCheck;  // "Draw tangent line at singular point of pedal curve"
    QCheckBox *euclideanCheck;         // "Euclidean plane"
    QCheckBox *minkowskiCheck;         // "Minkowski plane"
    QCheckBox *animationCheck;         // "Start animation"

    CurveListBox *curveList;  // the curve list

    Spinner *stepSpinner;  // steps the selected point by the step
    Spinner *xMinSpinner;  // x min by half a unit
    Spinner *xMaxSpinner;  // x max
    Spinner *yMinSpinner;  // y min
    Spinner *yMaxSpinner;  // y max

    QLineEdit *pedalXEdit;     // pedal point x
    QLineEdit *pedalYEdit;     // pedal point y
    QLineEdit *selectedTEdit;  // selected point t
    QLineEdit *tMinEdit;       // t min
    QLineEdit *tMaxEdit;       // t max
    QLineEdit *stepEdit;       // step

    QPushButton *pedalPointSetButton;     // "Set" the pedal point
    QPushButton *selectedPointSetButton;  // "Set" the selected point
    QPushButton *rangeSetButton;          // "Set" the parameter range

    TrackBar *selectedPointTrack;         // the selected point in hundredths of t (not user-draggable)
    QSpinBox *pedalStagesSpin = nullptr;  // the iterated pedal's stages, in the group of layers

    // The readout between the curve list and the plane boxes: the pointer's
    // world position, and Q, V, F and the tangent's type or curvature at the
    // selected point.
    QLabel *Readout;
    bool pointerOverPicture = false;
    int mouseX = 0;  // where the last mouse button was pressed, client pixels
    int mouseY = 0;  // the pointer's world position, while over the picture
    double pointerX = 0;
    double pointerY = 0;
    QFrame *rightPanelSplitter, *bottomPanelSplitter;
    QTimer *tickTimer;  // 100 ms: animation steps and redraws

    // Typed curves listed after the built-in ones, newest first, and the list
    // index of the curve shown (the list returns to it when "Own curve..." is
    // cancelled).
    std::vector<std::shared_ptr<const TypedCurve>> typedCurves;
    int shownCurve = 0;
    // The curve of a list index: built-in, typed, or null ("Own curve...").
    std::shared_ptr<const CurveRow> CurveOfItem(int index) const;
    std::shared_ptr<const CurveRow> SelectedCurve() const;

    // The picture: a GL surface over the free top-left area.
    PictureBox *Picture;
    unsigned fontListBase = 0;

    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    // Gives the client area this size; a window around it grows or shrinks by as much.
    void ResizeClient(int width, int height);

    // Synchronous redraw of the picture (RenderScene inside the paint).
    void Redraw();

    // Window events.
    void FormCreate();
    void FormResize();
    void FormMouseDown(int x, int y);
    void FormMouseMove(int x, int y, bool leftButtonHeld);

    // Exploring by hand: zoom about a client point, pan, reset the view, move P by pixels.
    void PictureWheel(int x, int y, double notches);
    void PicturePan(int dx, int dy);
    void ResetViewClick();
    void SetViewWindow(const ViewWindow &view);
    // The view window's edges in their labels.
    void ShowViewEdges();
    void MovePedalPointBy(int dx, int dy);
    void PointerMoved(int x, int y);
    void PointerLeft();
    // The readout's text for the current state.
    void ShowReadout();

    // Control handlers.
    void LayerToggled(const std::string &id, bool on);
    void PedalPointSetClick();
    void SelectedPointSetClick();
    void RangeSetClick();
    void EuclideanClick();
    void MinkowskiClick();
    void CurveListChange();
    void CurveListDropDown();
    // "Own curve...": the dialog, and on OK the typed curve shown with its range.
    void OwnCurveClick();
    void FillCurveList();
    void StepEditChange();
    void StepEditExit();
    void TimerTick();
    void StepSpinnerClick(bool next);
    void XMinSpinnerClick(bool next);
    void XMaxSpinnerClick(bool next);
    void YMinSpinnerClick(bool next);
    void YMaxSpinnerClick(bool next);

    // The picture's menu (right button): save it as PNG, copy it.
    void SavePictureClick();
    void CopyPictureClick();
    // "Export animation...": the animation or a move of P, as MP4, WebM or GIF.
    void ExportAnimationClick();
    // "Formulas...": the exact formulas of what is shown; one may become an own curve.
    void FormulasClick();

    // The controls show the scene: toggles, plane boxes, the track bar, the
    // labels of P and t.
    void ShowToggles();
    void ShowTrack();

    // Sessions: everything the window shows, to a file and back.
    Session CaptureSession() const;
    void ShowSession(const OpenedSession &opened);
    // Reads and shows a session; a bad file is reported and changes nothing.
    void OpenSessionFile(const QString &path);

    // The session as the window's document: the file it was opened from or
    // saved to (empty for a new one), and the state it holds.
    QString sessionPath;
    Session savedSession;
    // The scene differs from the document's file (or from the start).
    bool Modified() const;
    // Opens a session as the document, after asking about unsaved changes.
    void OpenDocument(const QString &path);
    // Save writes to the document's file, asking for one only where it has
    // none; both are false where the user cancelled.
    bool SaveSessionClick();
    bool SaveSessionAsClick();
    void OpenSessionClick();
    // With unsaved changes: asks Save, Discard or Cancel; true where the
    // window may go on to drop them.
    bool MayDiscardChanges();

    // The picture's menu entries that the window's menu bar shows as well.
    struct PictureActions {
        QAction *copyPicture = nullptr;
        QAction *formulas = nullptr;
        QAction *openSession = nullptr;
        QAction *undo = nullptr;
        QAction *redo = nullptr;
    } pictureActions;

    // Undo and redo: every change the user makes to what the window shows is
    // a step, recorded once its gesture has rested.
    void UndoClick();
    void RedoClick();
    void RecordStep();
    SessionHistory history;

signals:
    // The document's file or its difference from the scene may have changed.
    void DocumentChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Reports the step field's exit to its handler.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LayerList layers = StandardLayers();
    // The toggles of the layers: a check box or a menu entry each.
    struct LayerToggle {
        std::string id;
        QCheckBox *box;
        QAction *entry;
    };
    std::vector<LayerToggle> toggles;
    void ConnectToggles();
    QWidget *layerGroup = nullptr;
    void BuildLayerGroup();
    // A check box for the layer in the group, or null where the group is full.
    QCheckBox *AddToLayerGroup(const Layer &layer);
    void PlaceLayerGroup();
    void BuildPanels();
    void ConnectKeyboard();
    void ConnectPicture();
    // An entry of the picture's menu whose shortcut works anywhere in the window.
    QAction *AddPictureAction(const QString &text, const QKeySequence &keys, std::function<void()> handler);
    void MarkSaved(const QString &path);
    // Opens a session as the document, its changes already answered for.
    void ReplaceDocument(const QString &path);
    void AddPictureMenu();
    void AddSessionMenu();
    void AddHistory();
    QTimer *historyRest = nullptr;
    void WireHandlers();
    void PlacePanels();
};

// Runs a handler; a failure it raises is shown by the application-wide handler.
void RunHandler(const std::function<void()> &handler);

// A command of a menu: its text, its keys, and its handler run by RunHandler.
QAction *CommandAction(const QString &text, const QKeySequence &keys, std::function<void()> handler, QObject *parent);
