#include "lyapunov/lyapunov_window.h"

#include "platform/message.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

// Client size that gives the 434 x 439 outer size with a common window frame.
constexpr int kClientWidth = 426;
constexpr int kClientHeight = 408;

QSlider* makeTrackBar(QWidget* parent, int x, int y, int position, QSlider::TickPosition ticks)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setGeometry(x, y, 409, 17);
    bar->setRange(0, 400);
    bar->setValue(position);
    bar->setTickInterval(4);
    bar->setTickPosition(ticks);
    return bar;
}

QLabel* makeLabel(QWidget* parent, int x, int y, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* makeEdit(QWidget* parent, int x, int y, int w, int h, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(x, y, w, h);
    return edit;
}

QPushButton* makeButton(QWidget* parent, int x, int y, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(x, y, 65, 25);
    return button;
}

} // namespace

Form3::Form3(ProgramState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state)
{
    setWindowTitle(QStringLiteral("Ljapunov-exponent"));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    // A hidden Lyapunov window must not keep the program alive on its own.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Creation order is stacking order: the label and the two result boxes
    // sit over the graph image.
    TrackBar1 = makeTrackBar(this, 8, 0, 400, QSlider::TicksBelow);
    Image1 = new ImageControl(409, 337, this);
    Image1->move(8, 16);

    Label4 = makeLabel(this, 16, 24, QStringLiteral("lg(Tr)max: "));
    Label4->setAutoFillBackground(true);
    QPalette white = Label4->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label4->setPalette(white);

    Edit4 = makeEdit(this, 16, 78, 80, 20, QString());
    Edit4->setFrame(false);
    Edit5 = makeEdit(this, 16, 112, 25, 21, QStringLiteral("0"));
    Edit5->setFrame(false);
    QPalette whiteText = Edit5->palette();
    whiteText.setColor(QPalette::Text, Qt::white);
    Edit5->setPalette(whiteText);

    TrackBar2 = makeTrackBar(this, 8, 352, 0, QSlider::TicksAbove);

    Label3 = makeLabel(this, 10, 380, QStringLiteral("Ymax"));
    Edit3 = makeEdit(this, 40, 378, 41, 21, QStringLiteral("40000"));
    Label1 = makeLabel(this, 88, 380, QStringLiteral("blocksize"));
    Edit1 = makeEdit(this, 136, 378, 33, 21, QStringLiteral("500"));
    Label2 = makeLabel(this, 176, 380, QStringLiteral("# of blocks:"));
    Edit2 = makeEdit(this, 240, 378, 33, 21, QStringLiteral("100"));

    Button2 = makeButton(this, 280, 376, QStringLiteral("fit linear"));
    QFont bold = Button2->font();
    bold.setBold(true);
    bold.setPixelSize(13);
    Button2->setFont(bold);
    Button1 = makeButton(this, 352, 376, QStringLiteral("write"));

    QWidget* tabOrder[] = {Button2, Edit1, Edit2, Edit3, TrackBar1, TrackBar2, Edit4, Button1, Edit5};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(Edit3, &QLineEdit::textChanged, this, [this] { guarded([this] { Edit3Change(); })(); });
    connect(Image1, &ImageControl::dblClick, this, [this] { guarded([this] { Image1DblClick(); })(); });
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { guarded([this] { TrackBar1Change(); })(); });
    connect(TrackBar2, &QSlider::valueChanged, this, [this] { guarded([this] { TrackBar2Change(); })(); });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); })(); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); })(); });

    resize(kClientWidth, kClientHeight);
    move(502, 112);
}

void Form3::closeEvent(QCloseEvent* event)
{
    hide();
    event->accept();
}
