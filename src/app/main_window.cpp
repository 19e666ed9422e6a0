#include "app/main_window.h"

#include "platform/message.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

#include <memory>

namespace {

const QString kHintB = QStringLiteral(
    "half length of the shortest side of the circular trapezoid (0 triangle ... 1 square)");
const QString kHintRatio = QStringLiteral(
    "The ratio between the largest and the large radii (1 circle ... infinite - squash)");
const QString kHintDistance = QStringLiteral(
    "The distance from the top right corner of the geometry, measured on the perimeter");
const QString kHintAngle =
    QStringLiteral("the angle between the trajectory and the local tangent (0...180)");

const QString kPictureFilter = QStringLiteral(
    "Pictures (*.bmp *.png *.jpg *.jpeg);;Bitmaps (*.bmp);;PNG (*.png);;"
    "JPEG (*.jpg *.jpeg);;All files (*)");

// Every handler runs through guarded(), so a failed conversion stops it and
// is shown in one place.
template <class Sender, class Signal>
void wire(Form1* form, Sender* sender, Signal signal, void (Form1::*handler)())
{
    QObject::connect(sender, signal, form,
                     [form, handler] { guarded([form, handler] { (form->*handler)(); })(); });
}

QFont sized(QFont f, int pixels, bool bold = false)
{
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* makeLabel(QWidget* parent, QRect place, const QString& text, int fontPixels,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = new QLabel(text, parent);
    label->setFont(sized(parent->font(), fontPixels));
    label->setAlignment(align);
    label->setGeometry(place);
    return label;
}

QLineEdit* makeEdit(QWidget* parent, QRect place, const QString& hint = QString())
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(place);
    edit->setToolTip(hint);
    return edit;
}

QPushButton* makeButton(QWidget* parent, QRect place, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(place);
    return button;
}

QCheckBox* makeCheckBox(QWidget* parent, QRect place, const QString& text, bool ticked = false)
{
    auto* box = new QCheckBox(text, parent);
    box->setGeometry(place);
    box->setChecked(ticked);
    return box;
}

void setBackground(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

Form1::Form1(ProgramState& state, Form3* lyapunovWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint
                          | Qt::WindowCloseButtonHint),
      state_(state), form3_(lyapunovWindow)
{
    setWindowTitle(QStringLiteral("Vellacor    (Beta version)"));
    setFixedSize(1020, 710);
    setBackground(this, palette().color(QPalette::Button));

    QFont base(QStringLiteral("DejaVu Sans"));
    base.setStyleHint(QFont::SansSerif);
    base.setPixelSize(11);
    // The places were measured for a narrow dialog font; the condensed face
    // keeps the captions inside them.
    base.setStretch(QFont::SemiCondensed);
    setFont(base);

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    // Creation order follows the screen order; it is also the stacking order,
    // which matters where Label12 lies over Label8.
    Label2 = makeLabel(this, {24, 8, 17, 16}, QStringLiteral("b : "), 13);
    Label2->setToolTip(kHintB);
    Edit1 = makeEdit(this, {56, 8, 105, 21}, kHintB);
    sorozat = makeButton(this, {176, 8, 41, 25}, QStringLiteral("queue"));

    Label4 = makeLabel(this, {8, 35, 39, 16}, QStringLiteral("R8/R :"), 13);
    Label4->setToolTip(kHintRatio);
    Edit2 = makeEdit(this, {56, 35, 105, 21}, kHintRatio);

    TrackBar1 = new QSlider(Qt::Vertical, this);
    TrackBar1->setGeometry(184, 34, 33, 79);
    TrackBar1->setRange(-100, 10);
    TrackBar1->setValue(-50);
    TrackBar1->setSingleStep(1);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksRight);
    // The least sensitive end (-100) at the top; keys and wheel follow the thumb.
    TrackBar1->setInvertedAppearance(true);
    TrackBar1->setInvertedControls(true);
    TrackBar1->setToolTip(QStringLiteral("\"érzékenység\""));

    Label5 = makeLabel(this, {0, 62, 57, 16}, QStringLiteral("distance :"), 13);
    Label5->setToolTip(kHintDistance);
    Edit3 = makeEdit(this, {56, 62, 105, 21}, kHintDistance);

    Label6 = makeLabel(this, {16, 89, 40, 16}, QStringLiteral("angle :"), 13);
    Label6->setToolTip(kHintAngle);
    Edit4 = makeEdit(this, {56, 89, 105, 21}, kHintAngle);

    Label7 = makeLabel(this, {8, 116, 39, 16}, QStringLiteral("repeat"), 13);
    Edit5 = makeEdit(this, {56, 116, 49, 21});
    Label3 = makeLabel(this, {104, 118, 65, 17}, QStringLiteral("x1000 times"), 11, centred);
    Button1 = makeButton(this, {168, 116, 49, 22}, QStringLiteral("go"));

    CheckBox1 = makeCheckBox(this, {8, 136, 65, 25}, QStringLiteral("data file"));
    CheckBox3 = makeCheckBox(this, {64, 136, 49, 25}, QStringLiteral("grid"), true);
    CheckBox2 = makeCheckBox(this, {112, 139, 105, 20}, QStringLiteral("save phasespace"));
    CheckBox4 = makeCheckBox(this, {8, 160, 209, 17},
                             QStringLiteral("Lg(Tr) graph to Ljapunov exponent"));

    // The blanks break the caption into lines inside the fixed label.
    Label1 = makeLabel(this, {8, 176, 201, 145},
                       QStringLiteral("    Parameter of the circular               trapezoid"
                                      "            (0-triangle ...1-square)"),
                       13, Qt::AlignCenter);
    Label1->setFont(sized(font(), 13, true));
    Label1->setWordWrap(true);

    Label11 = makeLabel(this, {8, 320, 201, 41}, QString(), 11, centred);
    Label11->setFont(sized(font(), 11, true));
    Label11->setWordWrap(true);

    Button4 = makeButton(this, {6, 363, 49, 25}, QStringLiteral("clear"));

    ComboBox1 = new QComboBox(this);
    ComboBox1->setEditable(true);
    ComboBox1->addItems({QStringLiteral("small"), QStringLiteral("big")});
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setGeometry(62, 365, 49, 21);
    ComboBox1->setToolTip(QStringLiteral("Pontméret"));
    ComboBox1->lineEdit()->setCursorPosition(0);

    ColorBox1 = new ColorBox(this);
    ColorBox1->setGeometry(115, 365, 38, 22);
    ColorBox1->setSelectedColor(kBlack);

    Button2 = makeButton(this, {160, 363, 57, 25}, QStringLiteral("load"));

    Label9 = makeLabel(this, {8, 392, 209, 17}, QString(), 11, centred);
    Label8 = makeLabel(this, {8, 408, 209, 17}, QString(), 13, centred);
    setBackground(Label8, palette().color(QPalette::Highlight));
    // An empty auto-sized label still measures one blank.
    Label12 = makeLabel(this, {8, 408, 0, 0}, QString(), 11);
    Label12->resize(Label12->fontMetrics().horizontalAdvance(QLatin1Char(' ')),
                    Label12->fontMetrics().height());
    setBackground(Label12, Qt::white);

    vazlat = new ImageControl(209, 241, this);
    vazlat->move(8, 424);

    Edit6 = makeEdit(this, {160, 648, 57, 21}, QStringLiteral("periódus?"));
    Edit6->setText(QStringLiteral("0"));

    Label10 = makeLabel(this, {8, 672, 63, 16}, QStringLiteral("short sigth:"), 13);

    kovetes = new QComboBox(this);
    kovetes->setEditable(true);
    for (int i = 0; i <= 32; ++i)
        kovetes->addItem(QString::number(i));
    kovetes->setGeometry(72, 670, 57, 21);
    // Shows "0" without choosing an item: the preview reads "nothing chosen".
    kovetes->setCurrentIndex(-1);
    kovetes->setEditText(QStringLiteral("0"));
    kovetes->lineEdit()->setCursorPosition(0);

    Button3 = makeButton(this, {136, 668, 81, 25}, QStringLiteral("save draft"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(0, 696, 1020, 17);
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    faziskep = new ImageControl(794, 681, this);
    faziskep->move(224, 8);
    faziskep->setCursor(Qt::CrossCursor);

    QWidget* tabOrder[] = {Edit1,     Edit2,   Edit3,     Edit4,    Edit5,     Button1,   CheckBox1,
                           CheckBox3, ComboBox1, ColorBox1, kovetes, Button2,   Button3,   Button4,
                           TrackBar1, sorozat,   CheckBox2, Edit6,    CheckBox4};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    openPictureDialog1 = [this, last = std::make_shared<QString>()] {
        QString name = QFileDialog::getOpenFileName(this, QString(), *last, kPictureFilter);
        if (!name.isEmpty())
            *last = name;
        return *last;
    };

    wire(this, Edit1, &QLineEdit::textChanged, &Form1::Edit1Change);
    wire(this, Edit2, &QLineEdit::textChanged, &Form1::Edit2Change);
    wire(this, Edit3, &QLineEdit::textChanged, &Form1::Edit3Change);
    wire(this, Edit4, &QLineEdit::textChanged, &Form1::Edit4Change);
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);

    wire(this, Button1, &QPushButton::clicked, &Form1::Button1Click);
    wire(this, Button2, &QPushButton::clicked, &Form1::Button2Click);
    wire(this, Button3, &QPushButton::clicked, &Form1::Button3Click);
    wire(this, Button4, &QPushButton::clicked, &Form1::Button4Click);
    wire(this, sorozat, &QPushButton::clicked, &Form1::sorozatClick);

    connect(faziskep, &ImageControl::mouseDown, this, [this](Qt::MouseButton b, int x, int y) {
        guarded([this, b, x, y] { faziskepMouseDown(b, x, y); })();
    });
    connect(faziskep, &ImageControl::mouseUp, this, [this](Qt::MouseButton b, int x, int y) {
        guarded([this, b, x, y] { faziskepMouseUp(b, x, y); })();
    });
    connect(faziskep, &ImageControl::mouseMove, this,
            [this](int x, int y) { guarded([this, x, y] { faziskepMouseMove(x, y); })(); });
    wire(this, faziskep, &ImageControl::click, &Form1::faziskepClick);
    wire(this, faziskep, &ImageControl::dblClick, &Form1::faziskepDblClick);
}

char Form1::decimalSeparator() const
{
    QString point = QLocale().decimalPoint();
    if (point.isEmpty() || point.at(0).unicode() > 127)
        return '.';
    return static_cast<char>(point.at(0).unicode());
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Leaving the box means moving to another control, not switching
        // windows or opening a context menu.
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == Edit1)
                guarded([this] { Edit1Exit(); })();
            else if (watched == Edit2)
                guarded([this] { Edit2Exit(); })();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        if (QScreen* s = screen()) {
            QRect area = s->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QWidget::showEvent(event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
