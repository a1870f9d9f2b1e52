#include "frmabout.h"

#include "ui_frmabout.h"

#include "support/apppaths.h"
#include "support/appversion.h"
#include "support/dialogservice.h"
#include "shellopen.h"
#include "support/vexlerror.h"

#include "version.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>

namespace vexl {

namespace {
// The box's own texts: fixed, the same in every language.
const char *const kDateWritten = "6 December 2026";

QString descriptionText()
{
    return QStringLiteral(
        "VEXL is a freeware application to batch process images through a number of operations. "
        "Thank you for using it! Why not join the Quillmere members to hear first about new versions "
        "and new freeware?\n"
        "\n"
        "Thanks to:\n"
        "* ImageMagick Studio LLC, for ImageMagick, which does all the image work\n"
        "* The Qt Project, for the toolkit the windows are made with\n"
        "* The translators of the German, Spanish, French and Dutch texts\n"
        "* Everyone who reported a bug or suggested a feature");
}

QString termsText()
{
    return QStringLiteral(
        "VEXL Dovo is freeware. You may use it free of charge for personal, educational and commercial "
        "work, and you may give away unchanged copies of it as long as no fee is charged and this notice "
        "stays with it.\n"
        "\n"
        "DISCLAIMER: This software is provided \"as is\", without warranty of any kind, express or implied, "
        "including but not limited to the warranties of merchantability, fitness for a particular purpose "
        "and non-infringement. In no event shall the author be liable for any claim, damages or other "
        "liability, including the loss of images or other data, arising from the use of or the inability "
        "to use this software. Keep copies of your images before you process them: the image commands "
        "change the files themselves, and \"Delete Original Images\" cannot be undone.\n"
        "\n"
        "ImageMagick is used under the terms of its own licence, shown on the \"Imagemagick License\" tab.");
}

QString professionalText()
{
    return QStringLiteral(
        "For a competitive price you can purchase the Professional version of VEXL and with these features:\n"
        "\n"
        "* Overlay Text and Images (Watermarking) \n"
        "* 82 Image Formats Supported \n"
        "* Bordering, Framing and Drawing \n"
        "* Colour Adjustment, Blurring and Solarize\n"
        "* Over 35 Effects to Choose From! \n"
        "* Many more Features! \n"
        "\n"
        "Click the link below to find out more!");
}

QString link(const QUrl &url, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toString().toHtmlEscaped(), text.toHtmlEscaped());
}
} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmAbout>())
{
    m_ui->setupUi(this);
    if (parent)
        setFont(parent->font());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(480, 440);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdDonate, &QPushButton::clicked, this, [this] { open(DonateUrl(), QStringLiteral("cmdDonate_Click")); });
    connect(m_ui->cmdSubmitBugError, &QPushButton::clicked, this,
            [this] { open(BugUrl(), QStringLiteral("cmdSubmitBugError_Click")); });
    connect(m_ui->cmdSubmitFeedback, &QPushButton::clicked, this,
            [this] { open(FeedbackUrl(), QStringLiteral("cmdSubmitFeedback_Click")); });
    connect(m_ui->lblVexlPro, &QLabel::linkActivated, this, [this] { open(ProductUrl(), QStringLiteral("lblVexlPro_Click")); });
    connect(m_ui->lblVisitQuillmere, &QLabel::linkActivated, this,
            [this] { open(HomeUrl(), QStringLiteral("lblVisitQuillmere_Click")); });
    connect(m_ui->lblVisitImageMagick, &QLabel::linkActivated, this,
            [this] { open(ImageMagickUrl(), QStringLiteral("lblVisitImageMagick_Click")); });
    Form_Load();
}

frmAbout::~frmAbout() = default;

QString frmAbout::LicenseFile()
{
    return AppPaths::dataFile(QStringLiteral("ImageMagickLicense.txt"));
}

QUrl frmAbout::DonateUrl() { return QUrl(WebBaseAddress() + QStringLiteral("donate")); }
QUrl frmAbout::BugUrl() { return QUrl(WebBaseAddress() + QStringLiteral("bugs")); }
QUrl frmAbout::ProductUrl() { return QUrl(WebBaseAddress() + QStringLiteral("vexl/")); }
QUrl frmAbout::HomeUrl() { return QUrl(WebBaseAddress()); }
QUrl frmAbout::ImageMagickUrl() { return QUrl(QStringLiteral("https://imagemagick.org/")); }

QUrl frmAbout::FeedbackUrl()
{
    QString host = QUrl(WebBaseAddress()).host();
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    return QUrl(QStringLiteral("mailto:feedback@") + host + QStringLiteral("?subject=VEXL%20Dovo%20") + GetAppVersion());
}

void frmAbout::Form_Load()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setTexts();
}

void frmAbout::setTexts()
{
    m_ui->lblVersion->setText(GetAppVersion());
    m_ui->lblDate->setText(QString::fromLatin1(kDateWritten));
    m_ui->txtTnC->setPlainText(termsText());
    m_ui->txtDescription->setPlainText(descriptionText());
    m_ui->lblVexlProInfo->setText(professionalText());
    QString host = HomeUrl().host();
    m_ui->lblVisitQuillmere->setText(link(HomeUrl(), host));
    m_ui->lblVisitImageMagick->setText(
        link(ImageMagickUrl(), QStringLiteral("ImageMagick %1").arg(QLatin1String(version::ImageMagickVersion))));
    m_ui->lblVexlPro->setText(link(ProductUrl(), QStringLiteral("VEXL Professional")));
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmAbout::hideEvent(QHideEvent *event)
{
    // Form_Deactivate: the licence is read afresh each time the box is shown.
    m_ui->txtImageMagick->clear();
    QDialog::hideEvent(event);
}

// Runs when the box is shown, not on every activation: a failure report over
// the box would otherwise take the activation away and give it back, and read
// the missing file again and again.
void frmAbout::Form_Activate()
{
    m_ui->txtImageMagick->clear();
    const QString path = LicenseFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ErrorReport r;
        r.title = windowTitle() + QStringLiteral(" Error");
        r.errNumber = file.exists() ? 75 : 53; // path/file access error, file not found
        r.errDescription = file.exists() ? file.errorString() : QStringLiteral("File not found");
        r.description = QStringLiteral("(2) ") + r.errDescription;
        r.windowName = QStringLiteral("frmAbout");
        r.procedureName = QStringLiteral("Form_Activate");
        r.operation = QStringLiteral("Path: ") + path;
        r.settings = CurrentSettingsReport();
        r.errSource = QStringLiteral("frmAbout");
        DisplayError(r);
        return;
    }
    QTextStream in(&file);
    QString text;
    while (!in.atEnd())
        text += in.readLine() + QStringLiteral("\r\n");
    m_ui->txtImageMagick->setPlainText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void frmAbout::open(const QUrl &url, const QString &procedure)
{
    Q_UNUSED(procedure);
    ShellOpen(url);
}

void frmAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setTexts();
    }
    QDialog::changeEvent(event);
}

} // namespace vexl
