// The main window's regions and controls at their fixed places.
#include "app/MainForm.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/CollapsibleSection.h"
#include "ui/Glyphs.h"
#include "ui/ImageButton.h"
#include "ui/Pictures.h"
#include "ui/ValueListGrid.h"
#include "ui/WidgetMaking.h"

namespace {

ValueListGrid* makeGrid(QWidget* parent, const char* name, const QStringList& keys)
{
    auto* grid = new ValueListGrid(95, parent);
    grid->setObjectName(QLatin1String(name));
    for (const QString& key : keys)
        grid->appendRow(key, QString());
    return grid;
}

// The strip a flat button sits on decides its colours.
enum class Strip { Dark, Light };

// A flat button's glyph and colours: its caption and glyph in the strip's ink,
// faded when disabled, and a hover panel a shade off the strip.
void decorate(QToolButton* button, Glyph glyph, Strip strip, int iconPixels, bool withCaption)
{
    const QColor ink = strip == Strip::Dark ? LookColours::onDark() : LookColours::ink();
    const QColor panel = strip == Strip::Dark ? QColor(62, 86, 112) : QColor(221, 233, 246);
    button->setIcon(GlyphIcon(glyph, ink, iconPixels));
    button->setIconSize(QSize(iconPixels, iconPixels));
    button->setToolButtonStyle(withCaption ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    QPalette colours = button->palette();
    QColor faded = ink;
    faded.setAlphaF(0.4f);
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText}) {
        colours.setColor(QPalette::Active, role, ink);
        colours.setColor(QPalette::Inactive, role, ink);
        colours.setColor(QPalette::Disabled, role, faded);
    }
    colours.setColor(QPalette::Button, panel);
    button->setPalette(colours);
}

void setPicture(QLabel* picture, QPixmap (*draw)(QSize))
{
    picture->setPixmap(draw(picture->size()));
}

// The backgrounds and the flat buttons' glyphs.
void paintPictures(TMainForm& form)
{
    setPicture(form.Image1, TaskSidePicture);
    for (QLabel* strip : {form.Image7, form.Image4, form.Image8, form.Image3, form.Image6})
        setPicture(strip, DarkStripPicture);
    setPicture(form.imgSmalltoolBar, SmallToolbarPicture);
    setPicture(form.Image5, PreviewPicture);
    setPicture(form.Image2, TimeDisplayPicture);
    setPicture(form.imgBkg, PlaceholderPicture);
    setPicture(form.imgAvatar, AvatarPicture);

    decorate(form.sbtnAddFile, Glyph::AddFile, Strip::Dark, 24, true);
    decorate(form.sbtnAddDir, Glyph::AddDir, Strip::Dark, 24, true);
    decorate(form.sbtnOptions, Glyph::Settings, Strip::Dark, 24, true);
    decorate(form.sbtnDelete, Glyph::Delete, Strip::Light, 12, true);
    decorate(form.sbtnClear, Glyph::Clear, Strip::Light, 12, true);
    decorate(form.sbtnUp, Glyph::MoveUp, Strip::Light, 12, true);
    decorate(form.sbtnDown, Glyph::MoveDown, Strip::Light, 12, true);
    decorate(form.SpeedButton1, Glyph::About, Strip::Light, 12, true);
    decorate(form.SpeedButton2, Glyph::Help, Strip::Light, 12, true);
    decorate(form.sbtnPlay, Glyph::Play, Strip::Dark, 16, false);
    decorate(form.sbtnPause, Glyph::Pause, Strip::Dark, 16, false);
    decorate(form.sbtnStop, Glyph::Stop, Strip::Dark, 16, false);
}

} // namespace

void TMainForm::BuildLayout()
{
    setFixedSize(812, 547);
    // The fixed places were laid out for a small 8-point face; 11 pixels keeps
    // the captions inside them.
    QFont windowFont = font();
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    panTop = makeStrip(this, "panTop", QRect(0, 0, 812, 15));

    // ---- task list side ----
    panMain = makePanel(this, "panMain", QRect(0, 15, 552, 442));
    Image1 = makePicture(panMain, "Image1", QRect(0, 0, 552, 442));
    Panel2 = makeStrip(panMain, "Panel2", QRect(0, 0, 10, 442));

    ltvTask = new QTreeWidget(panMain);
    ltvTask->setObjectName(QStringLiteral("ltvTask"));
    ltvTask->setGeometry(18, 12, 519, 323);
    ltvTask->setColumnCount(4);
    ltvTask->setHeaderLabels({QStringLiteral("Input File"), QStringLiteral("Length"), QStringLiteral("Size"),
                              QStringLiteral("Status")});
    ltvTask->setRootIsDecorated(false);
    ltvTask->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ltvTask->setSelectionBehavior(QAbstractItemView::SelectRows);
    ltvTask->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ltvTask->setSortingEnabled(false);
    ltvTask->setUniformRowHeights(true);
    ltvTask->header()->setSectionsClickable(false);
    ltvTask->header()->setStretchLastSection(false);
    ltvTask->setContextMenuPolicy(Qt::CustomContextMenu);

    panSmallToolbar = makePanel(panMain, "panSmallToolbar", QRect(18, 334, 519, 35));
    panSmallToolbar->setProperty("unskinned", true);
    imgSmalltoolBar = makePicture(panSmallToolbar, "imgSmalltoolBar", QRect(0, 0, 519, 35));
    sbtnDelete = makeFlatButton(panSmallToolbar, "sbtnDelete", "Delete", QRect(11, 6, 75, 22));
    sbtnClear = makeFlatButton(panSmallToolbar, "sbtnClear", "Clear", QRect(91, 6, 75, 22));
    sbtnUp = makeFlatButton(panSmallToolbar, "sbtnUp", "Move Up", QRect(171, 6, 85, 22));
    sbtnDown = makeFlatButton(panSmallToolbar, "sbtnDown", "Move Down", QRect(260, 6, 85, 22));
    SpeedButton1 = makeFlatButton(panSmallToolbar, "SpeedButton1", "About", QRect(350, 6, 75, 22));
    SpeedButton2 = makeFlatButton(panSmallToolbar, "SpeedButton2", "Help", QRect(430, 6, 75, 22));

    panbg = makePanel(panMain, "panbg", QRect(18, 12, 519, 357));
    imgBkg = makePicture(panbg, "imgBkg", QRect(0, 0, 519, 357));
    labProgramName = new QLabel(panbg);
    labProgramName->setObjectName(QStringLiteral("labProgramName"));
    // Right-aligned at 495; room to the left for fonts wider than the layout's.
    labProgramName->setGeometry(97, 19, 398, 24);
    labProgramName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont nameFont(QStringLiteral("Verdana"));
    nameFont.setBold(true);
    nameFont.setItalic(true);
    nameFont.setPixelSize(17);
    labProgramName->setFont(nameFont);
    setTextColour(labProgramName, QColor(22, 64, 122));
    imgAvatar = makePicture(panbg, "imgAvatar", QRect(37, 65, 445, 260));
    imgAvatar->setAccessibleName(QStringLiteral("Drop your videos here, or click Add File or Add Dir"));

    panToolbar = makePanel(panMain, "panToolbar", QRect(0, 380, 552, 62));
    Image7 = makePicture(panToolbar, "Image7", QRect(0, 0, 552, 62));
    Panel3 = makeStrip(panToolbar, "Panel3", QRect(0, 0, 10, 62));
    sbtnAddFile = makeFlatButton(panToolbar, "sbtnAddFile", "Add File", QRect(19, 8, 99, 41));
    sbtnAddDir = makeFlatButton(panToolbar, "sbtnAddDir", "Add Dir", QRect(124, 7, 99, 41));
    sbtnOptions = makeFlatButton(panToolbar, "sbtnOptions", "Settings", QRect(229, 7, 99, 41));

    // The encoder's text of the last probe or task, kept out of sight.
    Memo1 = new QPlainTextEdit(panMain);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->hide();

    // ---- preview and option grids ----
    panProfile = makePanel(this, "panProfile", QRect(552, 15, 260, 442));
    panPreview = makePanel(panProfile, "panPreview", QRect(0, -8, 260, 225));
    Image5 = makePicture(panPreview, "Image5", QRect(0, 0, 260, 225));
    // A black video area; the video widget itself is made inside it on the
    // first play, since the media framework takes a long time to start.
    VideoWindow1 = new QWidget(panPreview);
    VideoWindow1->setObjectName(QStringLiteral("VideoWindow1"));
    VideoWindow1->setGeometry(0, 21, 233, 140);
    VideoWindow1->setStyleSheet(QStringLiteral("background: black;"));
    VideoWindow1->setAttribute(Qt::WA_StyledBackground);
    TrackBar = new QSlider(Qt::Horizontal, panPreview);
    TrackBar->setObjectName(QStringLiteral("TrackBar"));
    TrackBar->setGeometry(3, 170, 227, 21);
    TrackBar->setTickPosition(QSlider::TicksAbove);
    sbtnPlay = makeFlatButton(panPreview, "sbtnPlay", "", QRect(12, 201, 38, 22), "Play");
    sbtnPause = makeFlatButton(panPreview, "sbtnPause", "", QRect(56, 201, 37, 22), "Pause / Resume");
    sbtnStop = makeFlatButton(panPreview, "sbtnStop", "", QRect(98, 201, 38, 22), "Stop");
    Image2 = makePicture(panPreview, "Image2", QRect(150, 201, 76, 22));
    labPreviewTime = makeLabel(panPreview, "labPreviewTime", "00:00:00", QPoint(156, 203));
    QFont timeFont(QStringLiteral("DejaVu Sans Mono"));
    timeFont.setPixelSize(13);
    timeFont.setBold(true);
    labPreviewTime->setFont(timeFont);
    labPreviewTime->setFixedSize(66, 18);
    labPreviewTime->setAlignment(Qt::AlignCenter);
    setTextColour(labPreviewTime, QColor(130, 210, 255));
    panRight1 = makeStrip(panPreview, "panRight1", QRect(250, 0, 10, 225));

    Image6 = makePicture(panProfile, "Image6", QRect(0, 217, 250, 21));
    Label9 = makeLabel(panProfile, "Label9", "Profile", QPoint(0, 222));
    Label9->setIndent(8);
    QFont titleFont = Label9->font();
    titleFont.setBold(true);
    Label9->setFont(titleFont);
    Label9->adjustSize();
    setTextColour(Label9, LookColours::onDark());

    ScrollBox1 = new QScrollArea(panProfile);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(0, 238, 237, 196);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* sections = new QWidget;
    sections->setObjectName(QStringLiteral("ScrollBox1Contents"));
    sections->setBackgroundRole(QPalette::Base);
    sections->setAutoFillBackground(true);
    auto* stack = new QVBoxLayout(sections);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    vleOutput = makeGrid(sections, "vleOutput",
                         {QStringLiteral("New Filename"), QStringLiteral("Start Time"), QStringLiteral("End Time")});
    vleVideo = makeGrid(sections, "vleVideo",
                        {QStringLiteral("Video Codec"), QStringLiteral("Video Size"), QStringLiteral("Bit Rate"),
                         QStringLiteral("Frame Rate"), QStringLiteral("Aspect"), QStringLiteral("Disable Video")});
    vleAudio = makeGrid(sections, "vleAudio",
                        {QStringLiteral("Audio Codec"), QStringLiteral("Audio Bitrate"), QStringLiteral("Sample Rate"),
                         QStringLiteral("Channels"), QStringLiteral("Volumn"), QStringLiteral("Disable Audio")});
    vleAdvanced = makeGrid(sections, "vleAdvanced",
                           {QStringLiteral("Bit Exact Algorithms"), QStringLiteral("Deinterlace")});
    secOutput = new CollapsibleSection(QStringLiteral("Output"), QStringLiteral("panOutput"),
                                       QStringLiteral("btnOutput"), vleOutput, true, sections);
    secVideo = new CollapsibleSection(QStringLiteral("Video"), QStringLiteral("panVideo"),
                                      QStringLiteral("btnVideo"), vleVideo, true, sections);
    secAudio = new CollapsibleSection(QStringLiteral("Audio"), QStringLiteral("panAudio"),
                                      QStringLiteral("btnAudio"), vleAudio, true, sections);
    secAdvanced = new CollapsibleSection(QStringLiteral("Advanced"), QStringLiteral("panAdvanced"),
                                         QStringLiteral("btnAdvanced"), vleAdvanced, true, sections);
    const std::pair<CollapsibleSection*, int> sectionHeights[] = {
        {secOutput, 54}, {secVideo, 108}, {secAudio, 108}, {secAdvanced, 36}};
    for (const auto& [section, height] : sectionHeights) {
        section->setTitleColor(QColor(91, 172, 242));
        section->grid()->setFixedHeight(height);
        stack->addWidget(section);
    }
    stack->addStretch(1);
    const std::pair<ValueListGrid*, const char*> gridNames[] = {
        {vleOutput, "Output settings"}, {vleVideo, "Video settings"},
        {vleAudio, "Audio settings"}, {vleAdvanced, "Advanced settings"}};
    for (const auto& [grid, name] : gridNames)
        grid->setAccessibleName(QString::fromUtf8(name));
    ScrollBox1->setWidget(sections);
    panRight = makeStrip(panProfile, "panRight", QRect(250, 0, 10, 442));
    panRight->lower();

    // ---- bottom strip ----
    panBottom = makePanel(this, "panBottom", QRect(0, 457, 812, 90));
    panLeft = makeStrip(panBottom, "panLeft", QRect(0, 0, 10, 90));
    panBottomRight = makePanel(panBottom, "panBottomRight", QRect(10, 0, 802, 90));
    panBottomRight->setMouseTracking(true);

    panBottomCenter = makePanel(panBottomRight, "panBottomCenter", QRect(0, 0, 637, 90));
    Image4 = makePicture(panBottomCenter, "Image4", QRect(0, 0, 637, 90));
    Label1 = makeLabel(panBottomCenter, "Label1", "Profile:", QPoint(12, 12));
    cmbProfile = new QComboBox(panBottomCenter);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->setGeometry(74, 8, 463, 23);
    bbtnSetting = makeButton(panBottomCenter, "bbtnSetting", "&Detail", QRect(546, 5, 75, 27));
    Label2 = makeLabel(panBottomCenter, "Label2", "Output Path:", QPoint(6, 43));
    edtOutputdir = new QLineEdit(panBottomCenter);
    edtOutputdir->setObjectName(QStringLiteral("edtOutputdir"));
    edtOutputdir->setGeometry(75, 39, 329, 23);
    bbtnBrowser = makeButton(panBottomCenter, "bbtnBrowser", "&Browse", QRect(411, 37, 75, 27));
    bbtnOpen = makeButton(panBottomCenter, "bbtnOpen", "&Open", QRect(494, 36, 75, 27));
    setTextColour(Label1, LookColours::onDark());
    setTextColour(Label2, LookColours::onDark());
    // The captions end just before their boxes, whatever the font's width.
    Label1->move(cmbProfile->x() - 5 - Label1->width(), Label1->y());
    Label2->move(edtOutputdir->x() - 5 - Label2->width(), Label2->y());
    Label1->setBuddy(cmbProfile);
    Label2->setBuddy(edtOutputdir);
    cmbProfile->setAccessibleName(QStringLiteral("Profile"));
    edtOutputdir->setAccessibleName(QStringLiteral("Output Path"));

    panBottomLeft = makePanel(panBottomRight, "panBottomLeft", QRect(0, 0, 637, 90));
    Image8 = makePicture(panBottomLeft, "Image8", QRect(0, 0, 637, 90));
    label4 = makeLabel(panBottomLeft, "label4", "Converting:", QPoint(12, 10));
    labConvertingFile = makeLabel(panBottomLeft, "labConvertingFile", "No File", QPoint(110, 10));
    labConvertingFile->setFixedWidth(510);
    label5 = makeLabel(panBottomLeft, "label5", "Time Elapsed:", QPoint(12, 36));
    labElapsed = makeLabel(panBottomLeft, "labElapsed", "00:00:00", QPoint(110, 36));
    label6 = makeLabel(panBottomLeft, "label6", "Time Remaining:", QPoint(12, 62));
    labRemaining = makeLabel(panBottomLeft, "labRemaining", "00:00:00", QPoint(110, 62));
    label7 = makeLabel(panBottomLeft, "label7", "Current:", QPoint(330, 36));
    pgbCurrent = makeProgressBar(panBottomLeft, "pgbCurrent", QRect(384, 36, 210, 16));
    labCurProgress = makeLabel(panBottomLeft, "labCurProgress", "0%", QPoint(600, 36));
    label8 = makeLabel(panBottomLeft, "label8", "Total:", QPoint(330, 62));
    pgbTotal = makeProgressBar(panBottomLeft, "pgbTotal", QRect(384, 62, 210, 16));
    labTotalProgress = makeLabel(panBottomLeft, "labTotalProgress", "0%", QPoint(600, 62));
    for (QLabel* label : {label4, labConvertingFile, label5, labElapsed, label6, labRemaining, label7,
                          labCurProgress, label8, labTotalProgress})
        setTextColour(label, LookColours::onDark());
    pgbCurrent->setAccessibleName(QStringLiteral("Current"));
    pgbTotal->setAccessibleName(QStringLiteral("Total"));

    Panel1 = makePanel(panBottomRight, "Panel1", QRect(637, 0, 165, 90));
    Image3 = makePicture(Panel1, "Image3", QRect(0, 0, 165, 90));
    Image3->setMouseTracking(true);
    imgStart = new ImageButton(StartButtonPictures(), Panel1);
    imgStart->setObjectName(QStringLiteral("imgStart"));
    imgStart->setGeometry(16, 16, 133, 65);
    imgStart->setAccessibleName(QStringLiteral("Start"));
    imgStart->setToolTip(QStringLiteral("Start"));
    imgStop = new ImageButton(StopButtonPictures(), Panel1);
    imgStop->setObjectName(QStringLiteral("imgStop"));
    imgStop->setGeometry(16, 16, 133, 65);
    imgStop->setAccessibleName(QStringLiteral("Stop"));
    imgStop->setToolTip(QStringLiteral("Stop"));
    imgStop->hide();

    ltvTask->setAccessibleName(QStringLiteral("Task List"));
    VideoWindow1->setAccessibleName(QStringLiteral("Preview"));
    TrackBar->setAccessibleName(QStringLiteral("Preview position"));
    TrackBar->setFocusPolicy(Qt::TabFocus);
    paintPictures(*this);

    timerTime = new QTimer(this);
    timerTime->setObjectName(QStringLiteral("timerTime"));
    timerTime->setInterval(1000);
}
