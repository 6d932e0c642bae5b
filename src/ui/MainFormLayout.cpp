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
#include <QVideoWidget>

#include "ui/CollapsibleSection.h"
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

} // namespace

void TMainForm::BuildLayout()
{
    setFixedSize(812, 547);
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
    labProgramName->setGeometry(297, 21, 198, 20);
    labProgramName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont nameFont(QStringLiteral("Verdana"));
    nameFont.setBold(true);
    nameFont.setItalic(true);
    nameFont.setPixelSize(14);
    labProgramName->setFont(nameFont);
    imgAvatar = makePicture(panbg, "imgAvatar", QRect(37, 65, 445, 260));

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
    VideoWindow1 = new QVideoWidget(panPreview);
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
    panRight1 = makeStrip(panPreview, "panRight1", QRect(250, 0, 10, 225));

    Image6 = makePicture(panProfile, "Image6", QRect(0, 217, 250, 21));
    Label9 = makeLabel(panProfile, "Label9", "Profile", QPoint(0, 222));

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
        label->setStyleSheet(QStringLiteral("color: rgb(235, 235, 235);"));

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

    timerTime = new QTimer(this);
    timerTime->setObjectName(QStringLiteral("timerTime"));
    timerTime->setInterval(1000);
}
