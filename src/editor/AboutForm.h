#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class ApplicationState;

// The editor's version, its licence agreement and two links to the maker:
// the web page and a support mail.
class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(ApplicationState& state, QWidget* parent = nullptr);

    // The maker's details shown on the box and used by its links.
    static const QString MakerName;
    static const QString WebAddress;
    static const QString SupportAddress;

    // What the box shows when the licence file cannot be read.
    static const QString LicenceMissingText;

    static QString VersionCaption();
    static QUrl SupportMail();

private:
    ApplicationState& state_;
};

// Opens the about box modally.
void ShowAboutForm(ApplicationState& state, QWidget* parent);
