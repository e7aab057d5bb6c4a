#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TComboBox;
class TPictureBox;
class TTrackBar;
class TUpDown;

// The one window of Lumetra. Every control is a member named as the control,
// with the same objectName. Handlers live beside the Part of the program they
// serve (src/controls); drawing is RenderScene's (src/app/RenderScene.cpp).
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Designed client area: 1107 x 728 outer.
    static constexpr int DesignedClientWidth = 1091;
    static constexpr int DesignedClientHeight = 690;
    // Where the window opens, outer frame included, as far as the window manager allows.
    static constexpr int DesignedLeft = 241;
    static constexpr int DesignedTop = 0;

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Panels and their controls.
    QWidget *Panel2, *Panel3, *Panel4;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QLabel *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17;
    QLabel *Label21, *Label22, *Label23, *Label24, *Label25, *Label28;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7;
    TComboBox *ComboBox1;
    TUpDown *UpDown1, *UpDown2, *UpDown3, *UpDown4, *UpDown5;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QPushButton *Button1, *Button2, *Button3;
    TTrackBar *TrackBar1;
    QFrame *Splitter1, *Splitter2;
    QTimer *Timer1;

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

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Reports the step field's exit to its handler.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildPanels();
    void ConnectKeyboard();
    void AddPictureMenu();
    void WireHandlers();
    void PlacePanels();
};

extern TForm1 *Form1;

// Runs a handler; a failure it raises is shown by the application-wide handler.
void RunHandler(const std::function<void()> &handler);
