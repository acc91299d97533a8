// Keyboard and screen-reader access to the main window: the Tab chain, which
// controls take the focus, and what a screen reader is told about each
// control (its name, its description, the note or the mark it shows).
#include "quiz/Window1.h"

#include "app/Theme.h"
#include "controls/AutoButton.h"
#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "quiz/InstrumentList.h"
#include "staff/StaffClass1.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <cstdlib>

namespace {

const char *const IntervalWords[12] = {
    "minor second", "major second", "minor third", "major third", "perfect fourth", "tritone",
    "perfect fifth", "minor sixth", "major sixth", "minor seventh", "major seventh", "octave"};

// What a popup item says: "+M3" is read "up a major third".
QString spokenInterval(int code)
{
    if (code == 0 || code < -12 || code > 12)
        return QStringLiteral("no answer");
    const size_t size = static_cast<size_t>(std::abs(code));
    return QStringLiteral("%1 %2 %3")
        .arg(code > 0 ? QStringLiteral("up") : QStringLiteral("down"),
             size == 12 ? QStringLiteral("an") : QStringLiteral("a"),
             QLatin1String(IntervalWords[size - 1]));
}

void setName(QWidget *w, const QString &name)
{
    // Setting a name tells a screen reader it changed: only real changes.
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
}

// The program's own controls, as a screen reader sees them: the staff moves
// its note like a slider, a segmented button's single item is a check box,
// the picture button is a button.
class OwnControlAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (auto *bar = qobject_cast<cSquareMultiButton *>(widget())) {
            s.checkable = true;
            s.checked = bar->bButtonVal.value(0, false);
        }
        return s;
    }
};

QAccessibleInterface *ownControlFactory(const QString &className, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w)
        return nullptr;
    if (className == QLatin1String("StaffClass1"))
        return new OwnControlAccessible(w, QAccessible::Slider);
    if (className == QLatin1String("cSquareMultiButton"))
        return new OwnControlAccessible(w, QAccessible::CheckBox);
    if (className == QLatin1String("AutoButton"))
        return new OwnControlAccessible(w, QAccessible::Button);
    return nullptr;
}

} // namespace

QList<QWidget *> Window1::tabChain() const
{
    QList<QWidget *> chain;
    // The settings, top to bottom and left to right.
    for (PressCheckBox *box : IntSelBox)
        chain << box;
    chain << ButtonAll << ButtonNone << checkbox2 << BoxIntStartC << CheckBox1 << ButtonNew
          << SliderInt << PushButton1 << ButtonPlay << SliderTempo << ButtonStop << SliderRepeat;
    // The answers in row order: the given note, then each interval and the
    // note it leads to.
    chain << Staff[0];
    for (int i = 0; i <= 9; ++i)
        chain << IntMenu[i] << Staff[i + 1];
    // The results, then the controls below the keyboard.
    chain << RadioPractice << RadioTest << PushStats << ButtonCheck;
    chain << BoxCheat << BoxShow << RadioActualPitch << RadioStartOnC << BoxMouse << AutoButton1
          << ListBox1;
    return chain;
}

void Window1::setUpAccess()
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ownControlFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    // The note lights and the tick boxes only sound notes (a mouse aid) and
    // the keyboard picture only plays notes: they stay out of the Tab chain.
    for (QWidget *w : std::initializer_list<QWidget *>{checkbox2, BoxIntStartC, CheckBox1,
                                                        AutoButton1})
        w->setFocusPolicy(Qt::StrongFocus);
    for (QPushButton *button : content()->findChildren<QPushButton *>())
        button->setStyle(focusRingStyle());
    const QList<QWidget *> chain = tabChain();
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    for (int i = 0; i <= 9; ++i) {
        // The popup's list is a window of its own: it keeps the popup's colours.
        IntMenu[i]->view()->window()->setAttribute(Qt::WA_WindowPropagation);
        for (int item = 0; item < IntMenu[i]->count(); ++item)
            IntMenu[i]->setItemData(item,
                                    spokenInterval(ConvertBackInterval(IntMenu[i]->itemText(item))),
                                    Qt::AccessibleTextRole);
    }

    // Names where the control shows no caption or a terse one.
    for (int i = 0; i < 12; ++i)
        IntSelBox[i]->setAccessibleName(QStringLiteral("Use %1").arg(QLatin1String(IntervalWords[i])));
    ButtonAll->setAccessibleName(QStringLiteral("All intervals"));
    ButtonNone->setAccessibleName(QStringLiteral("No intervals"));
    SliderInt->setAccessibleName(QStringLiteral("Number of intervals"));
    SliderTempo->setAccessibleName(QStringLiteral("Tempo"));
    SliderRepeat->setAccessibleName(QStringLiteral("Repeat"));
    RadioPractice->setAccessibleName(QStringLiteral("Practice mode"));
    RadioTest->setAccessibleName(QStringLiteral("Test mode"));
    BoxMouse->setAccessibleName(QStringLiteral("Mouse Tips"));
    AutoButton1->setAccessibleName(QStringLiteral("Instructions"));
    ListBox1->setAccessibleName(QStringLiteral("Instrument"));
    Canvas2->setAccessibleName(QStringLiteral("Keyboard"));
    for (cSquareMultiButton *bar : {checkbox2, BoxIntStartC, CheckBox1})
        bar->setAccessibleName(bar->sName.value(0));
    for (int i = 0; i <= 9; ++i)
        IntMenu[i]->setAccessibleName(QStringLiteral("Interval %1").arg(i + 1));
    for (int k = 0; k <= 10; ++k)
        NoteLight[k]->setAccessibleName(QStringLiteral("Play note %1").arg(k + 1));

    // The help tags are the descriptions, whether Mouse Tips is on or off:
    // the tips step sets them, and they are read back from there.
    BoxMouse->setChecked(true);
    BoxMouse_Action();
    const auto describe = [](QWidget *w, const QString &text) {
        if (!text.isEmpty())
            w->setAccessibleDescription(text);
    };
    for (QWidget *w : content()->findChildren<QWidget *>())
        describe(w, w->toolTip());
    describe(NoteLight[10], NoteLight[9]->toolTip());
    describe(Staff[10], Staff[9]->toolTip());
    describe(NoteBox[10], NoteBox[9]->toolTip());
    describe(StaticScore, ImageWell1->toolTip());
    describe(StaticTestTime, ImageWell2->toolTip());
    describe(StaticAvScore, GroupAvScore->toolTip());
    describe(StaticAvTime, GroupAvTime->toolTip());
    describe(StaticText1, GroupBPM->toolTip());
    describe(ListBox1, GroupInst->toolTip());
    for (PressCheckBox *box : IntSelBox)
        describe(box, GroupIntSel->toolTip());
    describe(ButtonAll, QStringLiteral("Selects every interval for new rows."));
    describe(ButtonNone, QStringLiteral("Clears the choice of intervals."));
    BoxMouse->setChecked(false);
    BoxMouse_Action();

    // What the answer controls show follows every change; the score is
    // announced when Check has scored the answers.
    for (StaffMember *staff : Staff)
        connect(staff, &StaffClass1::changed, this, [this] { refreshAccessibleTexts(); });
    for (PressCheckBox *box : IntBox)
        connect(box, &QCheckBox::toggled, this, [this] { refreshAccessibleTexts(); });
    for (PressCheckBox *box : NoteBox)
        connect(box, &QCheckBox::toggled, this, [this] { refreshAccessibleTexts(); });
    for (QPushButton *button : {ButtonNew, PushButton1})
        connect(button, &QPushButton::clicked, this, [this] { refreshAccessibleTexts(); });
    for (QRadioButton *radio : {RadioPractice, RadioTest})
        connect(radio, &QRadioButton::toggled, this, [this] { refreshAccessibleTexts(); });
    connect(SliderTempo, &QSlider::valueChanged, this, [this] { refreshAccessibleTexts(); });
    connect(ButtonCheck, &QPushButton::clicked, this, [this] {
        refreshAccessibleTexts();
        QAccessibleEvent alert(StaticScore, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    });
    refreshAccessibleTexts();
}

void Window1::refreshAccessibleTexts()
{
    for (int k = 0; k <= 10; ++k) {
        StaffMember *staff = Staff[k];
        const QString note = staff->writtenNote();
        setName(staff, staff->noteColor == 1
                           ? QStringLiteral("Note %1: not written yet (guide %2)").arg(k + 1).arg(note)
                           : QStringLiteral("Note %1: %2").arg(k + 1).arg(note));
        setName(NoteBox[k], QStringLiteral("Note %1 %2")
                                .arg(k + 1)
                                .arg(NoteBox[k]->isChecked() ? QStringLiteral("correct")
                                                             : QStringLiteral("not correct")));
    }
    for (int i = 0; i <= 9; ++i)
        setName(IntBox[i], QStringLiteral("Interval %1 %2")
                               .arg(i + 1)
                               .arg(IntBox[i]->isChecked() ? QStringLiteral("correct")
                                                           : QStringLiteral("not correct")));
    const auto valueOrNone = [](const QLabel *label) {
        const QString text = label->text().trimmed();
        return text.isEmpty() || text == QLatin1String("---%") ? QStringLiteral("none") : text;
    };
    setName(StaticScore, QStringLiteral("Score: %1").arg(valueOrNone(StaticScore)));
    setName(StaticTestTime, QStringLiteral("Time to 100%: %1").arg(valueOrNone(StaticTestTime)));
    setName(StaticAvScore, QStringLiteral("Average score: %1").arg(valueOrNone(StaticAvScore)));
    setName(StaticAvTime, QStringLiteral("Average time to 100%: %1").arg(valueOrNone(StaticAvTime)));
    setName(StaticText1, QStringLiteral("Tempo: %1 beats per minute").arg(StaticText1->text()));
}

bool Window1::pressFocusedControl()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != this || !focus->isEnabled())
        return false;
    if (auto *button = qobject_cast<QPushButton *>(focus)) {
        push(button);
        return true;
    }
    if (auto *box = qobject_cast<QAbstractButton *>(focus)) {
        box->click();
        return true;
    }
    return false;
}
