#include "editor/AboutForm.h"

#include "controls/DesktopLinks.h"
#include "model/ApplicationState.h"
#include "model/ApplicationTitle.h"
#include "model/Version.h"
#include "platform/RecordFile.h"
#include "platform/RtfText.h"
#include "platform/WholeFile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <QVBoxLayout>

const QString AboutForm::MakerName = "Brenlo";
const QString AboutForm::WebAddress = "www.brenlo.com";
const QString AboutForm::SupportAddress = "support@brenlo.com";
const QString AboutForm::LicenceMissingText = "Licence agreement not available.";

namespace {

constexpr const char* LicenceFileName = "Software License Agreement.rtf";
// A licence longer than this is no licence file.
constexpr std::uintmax_t LargestLicenceFile = 4 * 1024 * 1024;

QString LicenceText(const std::filesystem::path& programFolder)
{
    const std::filesystem::path file = programFolder / LicenceFileName;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > LargestLicenceFile) return AboutForm::LicenceMissingText;
    try {
        const QString text = RtfToPlainText(ReadWholeFile(file)).trimmed();
        return text.isEmpty() ? AboutForm::LicenceMissingText : text;
    } catch (const FileError&) {
        return AboutForm::LicenceMissingText;
    }
}

QLabel* LinkLabel(const QString& shown, const QString& name)
{
    auto* label = new QLabel(QString("<a href=\"#\">%1</a>").arg(shown.toHtmlEscaped()));
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

}  // namespace

QString AboutForm::VersionCaption()
{
    return QString("Version %1.%2.%3").arg(TavloVersion::Major).arg(TavloVersion::Minor).arg(TavloVersion::Revision);
}

QUrl AboutForm::SupportMail()
{
    QUrl mail;
    mail.setScheme("mailto");
    mail.setPath(SupportAddress);
    QUrlQuery query;
    query.addQueryItem(
        "subject",
        QString("XQV Editor %1.%2.%3").arg(TavloVersion::Major).arg(TavloVersion::Minor).arg(TavloVersion::Revision));
    mail.setQuery(query);
    return mail;
}

AboutForm::AboutForm(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle(QString("About %1").arg(ApplicationTitle));

    auto* product = new QLabel(QString("<b>%1</b>").arg(ApplicationTitle));
    auto* maker = new QLabel(QString("%1\n%2").arg(MakerName, WebAddress));
    auto* versionLabel = new QLabel(VersionCaption());
    versionLabel->setObjectName("VersionLabel");

    auto* links = new QGridLayout;
    links->addWidget(new QLabel("Web"), 0, 0);
    QLabel* web = LinkLabel(WebAddress, "WebLink");
    links->addWidget(web, 0, 1);
    links->addWidget(new QLabel("Email"), 1, 0);
    QLabel* mail = LinkLabel(SupportAddress, "EmailLink");
    links->addWidget(mail, 1, 1);
    links->setColumnStretch(2, 1);

    auto* licence = new QPlainTextEdit(LicenceText(state.ProgramFolder));
    licence->setObjectName("RichTextBox1");
    licence->setReadOnly(true);
    licence->setMinimumSize(480, 260);

    auto* close = new QPushButton("Close");
    close->setObjectName("Command1");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(product);
    column->addWidget(maker);
    column->addWidget(versionLabel);
    column->addLayout(links);
    column->addWidget(licence, 1);
    column->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    // Neither link reports a failure: without a browser or mail client nothing happens.
    connect(web, &QLabel::linkActivated, this,
            [this] { OpenDesktopLink(state_.Installed, QUrl("https://" + WebAddress)); });
    connect(mail, &QLabel::linkActivated, this, [this] { OpenDesktopLink(state_.Installed, SupportMail()); });
}

void ShowAboutForm(ApplicationState& state, QWidget* parent)
{
    AboutForm form(state, parent);
    form.exec();
}
