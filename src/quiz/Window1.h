#pragma once

#include "app/Menu.h"
#include "quiz/Intervals.h"
#include "quiz/ScoreHistory.h"

#include <QMainWindow>

#include <array>
#include <chrono>
#include <functional>
#include <memory>

class AutoButton;
class cSquareMultiButton;
class ImageWell;
class InstrumentList;
class LineControl;
class NotePlayer;
class OvalControl;
class PictureCanvas;
class PressCheckBox;
class PressRadioButton;
class RoundRectControl;
class StaffMember;
class Picture;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTimer;
class Window1Content;

// The main quiz window and the owner of all quiz state.
class Window1 : public QMainWindow, public MenuTarget
{
    Q_OBJECT
public:
    // Everything the window needs from outside, replaceable in tests.
    struct Services
    {
        std::unique_ptr<NotePlayer> player;     // default: the system's synthesizer
        intervals::RandomSource random;         // default: uniform [0, 1)
        std::function<double()> clockSeconds;   // default: wall clock, in seconds
    };

    // The one live main window, created (layout, controls, open handler) on
    // first use.
    static Window1 *instance();
    static Window1 *existing();
    // Creates the window with the given services (tests); the open handler runs.
    static Window1 *create(Services services);
    // What instance() creates the window with (tests replace the synthesizer).
    static void setServicesFactory(std::function<Services()> factory);
    // Work the window's creation would otherwise wait for (fonts, pictures
    // rendered at the given pixel ratio), in short steps that can run before
    // it, in any order and any number of them.
    static QList<std::function<void()>> preparationSteps(qreal devicePixelRatio);
    ~Window1() override;

    // ---- Properties: the quiz state ----
    int position = 0;
    int repeats = 0;
    int NumInts = 0;
    std::array<int, 13> NOffset{};
    int LastNumInts = 0;
    std::array<int, 13> ActualNote{};
    int RepeatCount = 0;
    int RepeatToggle = 0;
    int LastNote = 0;
    int StartOnC = 0;
    int Highlight = 0;
    int ScoreTally = 0;
    int DotOffset = 0;
    int IntSelTally = 0;
    int MinutesRun = 0;
    double TestStart = 0; // seconds, from the clock
    bool Dirty = false;
    bool NumIntsDirty = false;
    bool StatsOpen = false;
    int playingnote = 0;
    ScoreHistory hist; // Scores, TimeTo100s, AverageScores, Average100s, Counter1

    // ---- Controls (named as in the design) ----
    std::array<StaffMember *, 11> Staff{};
    RoundRectControl *RoundRectangle1 = nullptr;
    InstrumentList *ListBox1 = nullptr;
    QPushButton *ButtonNew = nullptr;
    QSlider *SliderRepeat = nullptr;
    QSlider *SliderInt = nullptr;
    QPushButton *ButtonPlay = nullptr;
    QSlider *SliderTempo = nullptr;
    QLabel *StaticText1 = nullptr;
    std::array<PressRadioButton *, 12> NoteLight{};
    std::array<PressCheckBox *, 10> IntBox{};
    std::array<QComboBox *, 10> IntMenu{};
    std::array<QLabel *, 30> StaticTextnums{}; // members 0..19, 22, 23, 24, 26, 27, 29
    QPushButton *ButtonStop = nullptr;
    std::array<PressCheckBox *, 11> NoteBox{};
    QLabel *StaticText3 = nullptr;
    QGroupBox *GroupCheat = nullptr;
    QCheckBox *BoxCheat = nullptr;
    QGroupBox *GroupShowNotes = nullptr;
    QGroupBox *GroupPracticeTest = nullptr;
    QRadioButton *RadioTest = nullptr;
    QPushButton *ButtonCheck = nullptr;
    QPushButton *PushStats = nullptr;
    QRadioButton *RadioPractice = nullptr;
    PictureCanvas *Canvas2 = nullptr;
    QCheckBox *BoxShow = nullptr;
    QRadioButton *RadioActualPitch = nullptr;
    PictureCanvas *Canvas1 = nullptr;
    QRadioButton *RadioStartOnC = nullptr;
    QGroupBox *GroupBPM = nullptr;
    ImageWell *ImageWell1 = nullptr;
    QLabel *StaticScore = nullptr;
    QLabel *StaticText13 = nullptr;
    LineControl *Line5 = nullptr;
    LineControl *Line6 = nullptr;
    QGroupBox *GroupInst = nullptr;
    OvalControl *Oval1 = nullptr;
    RoundRectControl *RoundRectangle2 = nullptr;
    QTimer *TRowTimer = nullptr;
    QTimer *TRowEndTimer = nullptr;
    QFrame *Separator12 = nullptr;
    QRadioButton *ButtonAll = nullptr;
    QRadioButton *ButtonNone = nullptr;
    QGroupBox *GroupIntSel = nullptr;
    std::array<PressCheckBox *, 12> IntSelBox{};
    QCheckBox *BoxMouse = nullptr;
    QFrame *Separator14 = nullptr;
    QTimer *TimerMinutes = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupAvScore = nullptr;
    QLabel *StaticText14 = nullptr;
    QGroupBox *GroupAvTime = nullptr;
    QLabel *StaticText15 = nullptr;
    LineControl *Line1 = nullptr;
    QLabel *StaticTest = nullptr;
    QLabel *StaticPractice = nullptr;
    LineControl *Line2 = nullptr;
    QLabel *StaticMouseTips = nullptr;
    QLabel *StaticAvScore = nullptr;
    QLabel *StaticAvTime = nullptr;
    QLabel *StaticText43 = nullptr;
    QLabel *StaticMinutes = nullptr;
    QFrame *Separator2 = nullptr;
    AutoButton *AutoButton1 = nullptr;
    QLabel *StaticText8 = nullptr;
    std::array<PictureCanvas *, 10> UPARROW{};
    QGroupBox *GroupBox2 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    ImageWell *ImageWell2 = nullptr;
    QLabel *StaticText41 = nullptr;
    QLabel *StaticTestTime = nullptr;
    QGroupBox *GroupBox9 = nullptr;
    cSquareMultiButton *checkbox2 = nullptr;
    cSquareMultiButton *BoxIntStartC = nullptr;
    cSquareMultiButton *CheckBox1 = nullptr;
    QPushButton *PushButton1 = nullptr;
    PictureCanvas *Canvas4 = nullptr;
    QLabel *StaticText2 = nullptr;
    QLabel *StaticText4 = nullptr;
    QLabel *StaticText5 = nullptr;
    QLabel *StaticText6 = nullptr;
    NotePlayer *NotePlayer1 = nullptr;

    QButtonGroup *noteLightGroup = nullptr;
    QButtonGroup *allNoneGroup = nullptr;
    QButtonGroup *displayGroup = nullptr;
    QButtonGroup *modeGroup = nullptr;

    // The content area under the menu bar (backdrop, controls).
    QWidget *content() const;
    Picture *backdrop() const { return m_backdrop; }
    void setBackdrop(Picture *picture);
    // Content height: 680 in Practice mode, 538 in Test mode (724 designed).
    void setContentHeight(int height);

    // ---- Row model (interval vocabulary and row making) ----
    std::string ConvertInterval(int code) const { return intervals::ConvertInterval(code); }
    int ConvertBackInterval(const QString &text) const;
    int DisplayInterval(int k) const;
    int removeflat(int i) const { return intervals::removeflat(i); }
    int PickRnd0();
    int PickRnd();
    void NewRow();
    std::array<bool, 12> selectedSizes() const;

    // ---- Window events ----
    void Open();
    bool KeyDown(const QString &key);
    static QString FormatSec(int seconds);
    void TimerMinutes_Action();

    // ---- Playback ----
    void ButtonNew_Action();
    void ButtonPlay_Action();
    void ButtonStop_Action();
    void SliderInt_ValueChanged();
    void SliderTempo_ValueChanged();
    void SliderRepeat_ValueChanged();
    void TRowTimer_Action();
    void TRowEndTimer_Action();
    void TimerWork();
    void InputFocus();
    // Period of both playback timers, in milliseconds.
    int notePeriod() const;
    // Pushes a button as a click does (runs its action when enabled).
    void push(QPushButton *button);
    void setDefaultButton(QPushButton *button);
    QPushButton *defaultButton() const;

    // ---- Answer entry ----
    void EnableGuesses();
    void IntMenu_Change(int i);
    void Staff_Change(int k);
    void NoteLight_MouseDown(int k);
    void NoteLight_MouseUp(int k);
    void IntBox_MouseDown(int i);
    void IntBox_MouseUp(int i);
    void NoteBox_MouseDown(int k);
    void UPARROW_Open(int i);
    void ClearBoxes();
    void ResetButtons();

    // ---- Checking and scoring ----
    bool testMode() const;
    bool notesOnly() const;
    void CheckNotes();
    void CheckPractice();
    void ButtonCheck_Action();
    void GetScore();
    void RadioTest_Action();
    void RadioPractice_Action();
    void PushButton1_Action();
    void PushStats_Action(Qt::KeyboardModifiers modifiers);

    // ---- Keyboard ----
    int DrawDot(int a);
    int DrawGDot(int n);
    // Moves the sounding-note marker (Oval1) onto the key of a note number.
    void placeNoteMarker(int note);
    void Canvas2_MouseDown(int x, int y);
    void Canvas2_MouseUp(int x, int y);
    void BoxShow_Action();

    // ---- Row options ----
    bool IntSelBox_MouseDown(int i, int x, int y);
    void IntSelBox_MouseUp(int i, int x, int y);
    void IntSelBox_Action(int i);
    void ButtonAll_Action();
    void ButtonNone_Action();
    void checkbox2_Open();
    void BoxIntStartC_Open();
    void CheckBox1_Open();
    void checkbox2_Action(int item);
    void BoxIntStartC_Action(int item);
    void CheckBox1_Action(int item);
    void BoxCheat_Action();
    void AutoButton1_MouseDown();
    void AutoButton1_open();

    // ---- Mouse tips ----
    void BoxMouse_Action();
    bool MouseTipsMenu_Action() override;

    // ---- Instrument chooser ----
    void ListBox1_InstrumentChanged(int program);

    // ---- Keyboard and screen-reader access ----
    // Tab chain, focus policies, accessible names and descriptions.
    void setUpAccess();
    // The controls Tab visits, in order (hidden ones are skipped by Tab).
    QList<QWidget *> tabChain() const;
    // Names that follow the row and the answers (staves, ticks, scores).
    void refreshAccessibleTexts();
    // Return on a focused button, box or switch presses it; false when the
    // focused control has no press of its own.
    bool pressFocusedControl();

    // ---- Menu commands ----
    bool AboutZARN_Action();
    bool ZARNLic_Action() override;
    bool Instructionsmenu_Action();
    bool aboutZARN_Action() override { return AboutZARN_Action(); }
    bool instructionsmenu_Action() override { return Instructionsmenu_Action(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Window1(Services services);
    void createControls();
    void createRowControls();
    void createSettingsControls();
    void createLowerControls();
    void createResultControls();
    void connectHandlers();
    void runControlOpens();
    void stopNote(int note);
    void startNote(int note);
    // Stops the row and every note the window started (quitting, closing).
    void silence();
    // Ends the notes sounded by a held press, as its release would.
    void endPresses();
    void setIntMenuItem(int i, int item);

    friend class Window1Content;
    Services m_services;
    Window1Content *m_content = nullptr;
    Picture *m_backdrop = nullptr;
    QPushButton *m_default = nullptr;
    int m_pressNote = -1;    // note sounded by a held note light or interval box
    int m_keyboardNote = -1; // note sounded by a held key of the keyboard
    // When the current tick of the note clock was due; empty before the first.
    std::chrono::steady_clock::time_point m_tickDue{};
};
