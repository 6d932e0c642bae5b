#include "ui/AboutForm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/MainForm.h"
#include "app/ProgramInfo.h"
#include "platform/Platform.h"
#include "ui/Pictures.h"
#include "ui/WidgetMaking.h"

namespace {

constexpr int ClientWidth = 476;
constexpr int ClientHeight = 330;
constexpr int NameRightEdge = 460;
constexpr int LinkGap = 4;
const QColor LinkBlue(0, 70, 200);

// The labels are transparent and fit their text; a link that follows a label
// starts after it even where the font is wider than the layout's.
void placeAfter(QLabel* link, const QLabel* before, QPoint position)
{
    position.setX(std::max(position.x(), before->geometry().right() + 1 + LinkGap));
    link->move(position);
}

} // namespace

TAboutForm::TAboutForm(TMainForm& mainForm)
    : OwnedDialog(&mainForm, QStringLiteral("About"), ClientWidth, ClientHeight), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("TAboutForm"));
    QFont boxFont = font();
    boxFont.setPixelSize(11);
    setFont(boxFont);
    FormCreate();
}

void TAboutForm::FormCreate()
{
    const ProgramIdentity& identity = Identity();
    Panel1 = makePanel(this, "Panel1", QRect(0, 0, ClientWidth, ClientHeight));
    Image1 = makePicture(Panel1, "Image1", QRect(0, 0, ClientWidth, ClientHeight));
    Image1->setPixmap(AboutPicture(QSize(ClientWidth, ClientHeight)));

    labProgramName = makeLabel(Panel1, "labProgramName", "", QPoint(259, 21));
    QFont nameFont(QStringLiteral("Verdana"));
    nameFont.setPixelSize(17);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    labProgramName->setFont(nameFont);
    setTextColour(labProgramName, QColor(22, 64, 122));
    labProgramName->setText(identity.ProgramName);
    labProgramName->adjustSize();
    labProgramName->move(NameRightEdge - labProgramName->width(), 21);

    labVersion = makeLabel(Panel1, "labVersion", "", QPoint(400, 48));
    labVersion->setText(QStringLiteral("Version ") + mainForm_.versionText());
    labVersion->adjustSize();
    if (labVersion->geometry().right() > NameRightEdge)
        labVersion->move(NameRightEdge - labVersion->width(), 48);

    labCopyright = makeLabel(Panel1, "labCopyright", "", QPoint(20, 0));
    labCopyright->setText(QStringLiteral("Copyright \u00A9 %1 %2. All rights reserved.")
                              .arg(identity.ReleaseYear, identity.CompanyName));
    labCopyright->adjustSize();
    labCopyright->move(20, 296 - labCopyright->height() / 2);

    labVisitWebsite = makeLabel(Panel1, "labVisitWebsite", "Visit our website", QPoint(40, 166));
    labWebsite = makeLinkLabel(Panel1, "labWebsite", identity.HomePage, LinkBlue, true,
                               [this] { labWebsiteClick(); });
    placeAfter(labWebsite, labVisitWebsite, QPoint(120, 166));

    Label7 = makeLabel(Panel1, "Label7", "More video converting softwares", QPoint(38, 195));
    labMore = makeLinkLabel(Panel1, "labMore", QStringLiteral("(More)"), LinkBlue, false,
                            [this] { labMoreClick(); });
    placeAfter(labMore, Label7, QPoint(198, 195));
    labMore->setAccessibleDescription(identity.MoreSoftwareLink);

    const char* productNames[] = {"Label8", "Label9", "Label10"};
    const int tops[] = {214, 230, 246};
    void (TAboutForm::*handlers[])() = {&TAboutForm::Label8Click, &TAboutForm::Label9Click,
                                        &TAboutForm::Label10Click};
    QLabel** products[] = {&Label8, &Label9, &Label10};
    for (std::size_t i = 0; i < 3; ++i) {
        const OtherProduct& product = identity.OtherProducts[i];
        const auto handler = handlers[i];
        *products[i] = makeLinkLabel(Panel1, productNames[i], product.Name, LinkBlue, false,
                                     [this, handler] { (this->*handler)(); });
        (*products[i])->move(38, tops[i]);
        (*products[i])->setAccessibleDescription(product.Address);
    }

    btnOK = makeButton(Panel1, "btnOK", "&OK", QRect(376, 284, 75, 25));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TAboutForm::close);
}

void TAboutForm::open(const QString& address)
{
    mainForm_.platform().openWithDesktop(this, address);
}

void TAboutForm::labWebsiteClick()
{
    // The label's own text: what the user reads is what opens.
    open(labWebsite->text());
}

void TAboutForm::labMoreClick()
{
    open(Identity().MoreSoftwareLink);
}

void TAboutForm::Label8Click()
{
    open(Identity().OtherProducts[0].Address);
}

void TAboutForm::Label9Click()
{
    open(Identity().OtherProducts[1].Address);
}

void TAboutForm::Label10Click()
{
    open(Identity().OtherProducts[2].Address);
}
