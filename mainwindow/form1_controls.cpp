// The main window's controls, at their designed places.

#include "mainwindow/form1.h"
#include "mainwindow/swatch.h"
#include "mainwindow/twips.h"
#include "outputs/output_panel.h"
#include "platform/surface_view.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace pelmora {
namespace {

template <typename Widget, typename... Args>
Widget* Make(QWidget* parent, const QString& name, QRect geometry, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLineEdit* MakeBox(QWidget* parent, const QString& name, QRect geometry, const QString& text, const QString& tip)
{
    auto* box = Make<QLineEdit>(parent, name, geometry, text);
    box->setToolTip(tip);
    return box;
}

QString Indexed(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

} // namespace

void Form1::CreateControls()
{
    view_ = new SurfaceView(surface_, this);
    view_->setObjectName(QStringLiteral("surface"));
    view_->setGeometry(0, 0, ClientWidth, ClientHeight);
    connect(view_, &SurfaceView::surfaceMousePressed, this,
            [this](double x, double y, Qt::MouseButton button) { Form_MouseDown(button, x, y); });
    connect(view_, &SurfaceView::surfaceMouseMoved, this,
            [this](double x, double y, Qt::MouseButtons buttons) { Form_MouseMove(buttons, x, y); });
    connect(view_, &SurfaceView::surfaceMouseReleased, this,
            [this](double x, double y, Qt::MouseButton button) { Form_MouseUp(button, x, y); });

    Command1 = Make<QPushButton>(this, "Command1", TwipsRect(4560, 60, 1245, 885), tr("Keep"));
    Command3 = Make<QPushButton>(this, "Command3", TwipsRect(5880, 60, 1245, 885), tr("Presets"));
    Command2 = Make<QPushButton>(this, "Command2", TwipsRect(7740, 4560, 825, 405), tr("&Cancel"));
    Command5 = Make<QPushButton>(this, "Command5", TwipsRect(60, 6000, 3495, 675), tr("About this software"));
    Command4 = Make<QPushButton>(this, "Command4", TwipsRect(3660, 6000, 3495, 675), QString());
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

    CreateSwatchFrames();
    CreateEntryFrame();

    Frame3 = Make<QFrame>(this, "Frame3", TwipsRect(4440, 1680, 2715, 1515));
    lblADDColor = new Swatch(QStringLiteral("lblADDColor"), systemColors_, Frame3);
    lblADDColor->setGeometry(120, 42, 52, 36);
    lblADDColor->setToolTip(tr("The colour \"Add\" stores in the selected cell"));
    Frame3->hide();
    cmbPreset = Make<QComboBox>(this, "cmbPreset", TwipsRect(4560, 1920, 2565, 315));
    cmbPreset->setPlaceholderText(tr("Safe Colors"));
    cmbPreset->hide();
    cmdADD = Make<QPushButton>(this, "cmdADD", TwipsRect(4560, 3000, 2565, 885), tr("Add"));
    cmdADD->hide();

    CreateOutputPanel();

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(cmdADD, &QPushButton::clicked, this, [this] { cmdADD_Click(); });
    connect(cmbPreset, &QComboBox::activated, this, [this] { cmbPreset_Click(); });
    lblADDColor->setColor(systemColors_.GetSysColor(SysColor::WindowBackground));
    std::vector<Swatch*> swatches{Label2, lblSelColor, lblADDColor};
    swatches.insert(swatches.end(), hist.begin(), hist.end());
    for (Swatch* swatch : swatches)
        connect(swatch, &Swatch::clicked, this, [this, swatch] { Swatch_Click(swatch); });

    // The system colour names: filled by the code refresh, never shown (outside the client area).
    cboSysColors = Make<QComboBox>(this, "cboSysColors", QRect(ClientWidth + 40, 40, 150, 21));
    for (std::string_view name : SysColorNames)
        cboSysColors->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    cboSysColors->setCurrentIndex(15);

    view_->lower();
}

void Form1::CreateSwatchFrames()
{
    Frame1 = Make<QFrame>(this, "Frame1", TwipsRect(4500, 960, 2655, 885));
    Label3 = Make<QLabel>(Frame1, "Label3", QRect(96, 6, 36, 14), tr("Old"));
    Label2 = new Swatch(QStringLiteral("Label2"), systemColors_, Frame1);
    Label2->setGeometry(96, 21, 36, 32);
    Label1 = Make<QLabel>(Frame1, "Label1", QRect(136, 6, 36, 14), tr("New"));
    lblSelColor = new Swatch(QStringLiteral("lblSelColor"), systemColors_, Frame1);
    lblSelColor->setGeometry(136, 21, 36, 32);

    Frame5 = Make<QGroupBox>(this, "Frame5", TwipsRect(60, 3960, 7095, 675), tr("Color History"));
    for (int i = 0; i < static_cast<int>(hist.size()); ++i) {
        hist[static_cast<std::size_t>(i)] = new Swatch(Indexed("hist", i), systemColors_, Frame5);
        hist[static_cast<std::size_t>(i)]->setGeometry(13 + 25 * i, 18, 21, 21);
    }
}

void Form1::CreateEntryFrame()
{
    Frame2 = Make<QFrame>(this, "Frame2", TwipsRect(4500, 1680, 2595, 2235));
    struct Row {
        QRadioButton*& option;
        const char* optionName;
        const char* caption;
        QLineEdit*& box;
        const char* boxName;
        const char* text;
        const char* tip;
        QLabel*& unit;
        const char* unitName;
        const char* unitText;
    };
    const Row rows[] = {
        {optH, "optH", "H:", txtH, "txtH", "0", "Hue", lblH, "lblH", "\u00B0"},
        {optS, "optS", "S:", txtS, "txtS", "100", "Saturation", lblS, "lblS", "%"},
        {optB, "optB", "B:", txtB, "txtB", "100", "Brightness", lblBB, "lblBB", "%"},
    };
    int y = 24;
    for (const Row& row : rows) {
        row.option = Make<QRadioButton>(Frame2, row.optionName, QRect(8, y, 38, 21), tr(row.caption));
        row.option->setToolTip(tr(row.tip));
        row.box = MakeBox(Frame2, row.boxName, QRect(46, y, 38, 21), QString::fromLatin1(row.text), tr(row.tip));
        row.unit = Make<QLabel>(Frame2, row.unitName, QRect(86, y, 14, 21), QString::fromUtf8(row.unitText));
        y += 40;
    }
    for (QLineEdit* box : {txtH, txtS, txtB})
        box->installEventFilter(this);
    optH->setChecked(true);
    connect(optH, &QRadioButton::clicked, this, [this] { optH_Click(); });
    connect(optS, &QRadioButton::clicked, this, [this] { optS_Click(); });
    connect(optB, &QRadioButton::clicked, this, [this] { optB_Click(); });

    struct Channel {
        QLabel*& label;
        const char* labelName;
        const char* caption;
        QLineEdit*& box;
        const char* boxName;
        const char* text;
        const char* tip;
    };
    const Channel channels[] = {
        {lblR, "lblR", "R:", Text1, "Text1", "255", "Red"},
        {lblG, "lblG", "G:", Text2, "Text2", "0", "Green"},
        {lblB, "lblB", "B:", Text3, "Text3", "0", "Blue"},
    };
    y = 24;
    for (const Channel& channel : channels) {
        channel.label = Make<QLabel>(Frame2, channel.labelName, QRect(106, y, 20, 21), tr(channel.caption));
        channel.box = MakeBox(Frame2, channel.boxName, QRect(126, y, 38, 21), QString::fromLatin1(channel.text),
                              tr(channel.tip));
        y += 40;
    }
}

void Form1::CreateOutputPanel()
{
    Frame4 = Make<QGroupBox>(this, "Frame4", TwipsRect(60, 4680, 7095, 1275), tr("Color Outputs"));
    QFont codeFont = font();
    codeFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});

    // The initial texts describe no one colour: they stand until the first colour is chosen.
    const ColorCodes initial = InitialColorCodes();
    for (int i = 0; i < kCodeFieldCount; ++i) {
        auto* field = new QLineEdit(QString::fromStdString(initial.text[static_cast<std::size_t>(i)]), Frame4);
        field->setObjectName(Indexed("txtColor", i));
        field->setReadOnly(true);
        field->setFont(codeFont);
        field->setEnabled(initial.enabled[static_cast<std::size_t>(i)]);
        txtColor[static_cast<std::size_t>(i)] = field;
    }
    lblCap[0] = new QLabel(QString::fromLatin1(kCodeCaptions[0].data()), Frame4);
    lblCap[0]->setObjectName(Indexed("lblCap", 0));
    lblCap[0]->hide();
    txtColor[kFieldQBColor]->hide();
    // Filled like the others but kept outside the visible area.
    const int outside = ClientWidth + 40;
    txtColor[kFieldConstant]->setGeometry(outside, 0, 167, 19);
    txtColor[kFieldSystemName]->setGeometry(outside, 24, 167, 19);
    txtColor[kFieldSystemCode]->setGeometry(outside, 48, 167, 19);

    struct Place {
        QRect caption, field, button;
    };
    // In the order of kVisibleCodes: RGB, decimal, HTML, hex.
    const Place places[] = {
        {TwipsRect(60, 240, 2505, 195), TwipsRect(60, 420, 2505, 285), TwipsRect(2640, 360, 795, 315)},
        {TwipsRect(3600, 240, 2505, 195), TwipsRect(3600, 420, 2505, 285), TwipsRect(6180, 360, 855, 315)},
        {TwipsRect(60, 720, 2505, 195), TwipsRect(60, 900, 2505, 285), TwipsRect(2640, 840, 795, 315)},
        {TwipsRect(3600, 720, 2505, 195), TwipsRect(3600, 900, 2505, 285), TwipsRect(6180, 900, 855, 315)},
    };
    for (std::size_t i = 0; i < kVisibleCodes.size(); ++i) {
        const VisibleCode& code = kVisibleCodes[i];
        const auto caption = static_cast<std::size_t>(code.caption);
        lblCap[caption] = Make<QLabel>(Frame4, Indexed("lblCap", code.caption), places[i].caption,
                                       QString::fromLatin1(kCodeCaptions[caption].data()));
        txtColor[static_cast<std::size_t>(code.field)]->setGeometry(places[i].field);
        auto* copy = Make<QPushButton>(Frame4, Indexed("cmdCopy", code.copy), places[i].button, tr("Copy"));
        cmdCopy[static_cast<std::size_t>(code.copy)] = copy;
        connect(copy, &QPushButton::clicked, this, [this, index = code.copy] { cmdCopy_Click(index); });
    }
}

} // namespace pelmora
