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
class QTimer;
class TComboBox;
class TPictureBox;
class TTrackBar;
class TUpDown;
struct CurveRow;
class TypedCurve;
struct OpenedSession;
struct Session;
struct ViewWindow;

#include "drawing/WindowLayout.h"
#include "model/SessionHistory.h"

// The one window of Lumetra. Every control is a member named as the control,
// with the same objectName. Handlers live in window/controls, one file per
// group of controls; the frame is drawn by RenderScene (window/RenderScene.cpp).
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Designed client area: 1107 x 728 outer.
    static constexpr int DesignedClientWidth = ::DesignedClientWidth;
    static constexpr int DesignedClientHeight = ::DesignedClientHeight;
    // Where the window opens, outer frame included, as far as the window manager allows.
    static constexpr int DesignedLeft = 241;
    static constexpr int DesignedTop = 0;

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    QWidget *Panel2;  // right: drawing settings
    QWidget *Panel3;  // below the picture: selected point, step, tangent and normal
    QWidget *Panel4;  // bottom: pedal point, animation, singular tangents

    QLabel *Label1;   // "Curve selection:"
    QLabel *Label2;   // x min value
    QLabel *Label3;   // x max value
    QLabel *Label4;   // y min value
    QLabel *Label5;   // y max value
    QLabel *Label6;   // "Selected point:"
    QLabel *Label7;   // " t = " and the selected parameter
    QLabel *Label8;   // "t" beside the selected-point field
    QLabel *Label9;   // "t min"
    QLabel *Label10;  // "Drawing settings:"
    QLabel *Label11;  // "x max"
    QLabel *Label12;  // "x min"
    QLabel *Label13;  // "y min"
    QLabel *Label14;  // "y max"
    QLabel *Label15;  // "Tangent and normal line of the curve"
    QLabel *Label16;  // "t max"
    QLabel *Label17;  // "Step"
    QLabel *Label21;  // "Selection of a point on the curve"
    QLabel *Label22;  // "Pedal curve of the selected curve"
    QLabel *Label23;  // "Pedal point:"
    QLabel *Label24;  // "x" beside the pedal point's x field
    QLabel *Label25;  // "y" beside the pedal point's y field
    QLabel *Label28;  // "( x , y )" of the pedal point

    QCheckBox *CheckBox1;  // "Draw grid"
    QCheckBox *CheckBox2;  // "Draw tangent and normal line of the curve"
    QCheckBox *CheckBox3;  // "Draw selected point"
    QCheckBox *CheckBox4;  // "Draw tangent line at singular point of pedal curve"
    QCheckBox *CheckBox5;  // "Euclidean plane"
    QCheckBox *CheckBox6;  // "Minkowski plane"
    QCheckBox *CheckBox7;  // "Start animation"

    TComboBox *ComboBox1;  // the curve list

    TUpDown *UpDown1;  // steps the selected point by the step
    TUpDown *UpDown2;  // x min by half a unit
    TUpDown *UpDown3;  // x max
    TUpDown *UpDown4;  // y min
    TUpDown *UpDown5;  // y max

    QLineEdit *Edit1;  // pedal point x
    QLineEdit *Edit2;  // pedal point y
    QLineEdit *Edit3;  // selected point t
    QLineEdit *Edit4;  // t min
    QLineEdit *Edit5;  // t max
    QLineEdit *Edit6;  // step

    QPushButton *Button1;  // "Set" the pedal point
    QPushButton *Button2;  // "Set" the selected point
    QPushButton *Button3;  // "Set" the parameter range

    TTrackBar *TrackBar1;  // the selected point in hundredths of t (not user-draggable)

    // The readout between the curve list and the plane boxes: the pointer's
    // world position, and Q, V, F and the tangent's type or curvature at the
    // selected point.
    QLabel *Readout;
    bool pointerOverPicture = false;  // the pointer's world position, while over the picture
    double pointerX = 0;
    double pointerY = 0;
    QFrame *Splitter1, *Splitter2;
    QTimer *Timer1;  // 100 ms: animation steps and redraws

    // Typed curves listed after the built-in ones, newest first, and the list
    // index of the curve shown (the list returns to it when "Own curve..." is
    // cancelled).
    std::vector<std::shared_ptr<const TypedCurve>> typedCurves;
    int shownCurve = 0;
    // The curve of a list index: built-in, typed, or null ("Own curve...").
    const CurveRow *CurveOfItem(int index) const;
    const CurveRow *SelectedCurve() const;

    // The picture: a GL surface over the free top-left area.
    TPictureBox *Picture;
    unsigned fontListBase = 0;

    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }

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
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void ComboBox1Change();
    void ComboBox1DropDown();
    // "Own curve...": the dialog, and on OK the typed curve shown with its range.
    void OwnCurveClick();
    void FillCurveList();
    void Edit6Change();
    void Edit6Exit();
    void Timer1Timer();
    void UpDown1Click(bool next);
    void UpDown2Click(bool next);
    void UpDown3Click(bool next);
    void UpDown4Click(bool next);
    void UpDown5Click(bool next);

    // The picture's menu (right button): save it as PNG, copy it.
    void SavePictureClick();
    void CopyPictureClick();

    // Sessions: everything the window shows, to a file and back.
    Session CaptureSession() const;
    void ShowSession(const OpenedSession &opened);
    // Reads and shows a session; a bad file is reported and changes nothing.
    void OpenSessionFile(const QString &path);
    void SaveSessionClick();
    void OpenSessionClick();

    // Undo and redo: every change the user makes to what the window shows is
    // a step, recorded once its gesture has rested.
    void UndoClick();
    void RedoClick();
    void RecordStep();
    SessionHistory history;

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Reports the step field's exit to its handler.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildPanels();
    void ConnectKeyboard();
    void ConnectPicture();
    // An entry of the picture's menu whose shortcut works anywhere in the window.
    QAction *AddPictureAction(const QString &text, const QKeySequence &keys, void (TForm1::*handler)());
    void AddPictureMenu();
    void AddSessionMenu();
    void AddHistory();
    QTimer *historyRest = nullptr;
    void WireHandlers();
    void PlacePanels();
};

extern TForm1 *Form1;

// Runs a handler; a failure it raises is shown by the application-wide handler.
void RunHandler(const std::function<void()> &handler);
