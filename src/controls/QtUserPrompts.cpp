#include "controls/QtUserPrompts.h"

#include "controls/TitleRoom.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QStringList>

namespace {

QMessageBox::StandardButtons StandardButtonsOf(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::Ok: return QMessageBox::Ok;
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoDefaultNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case PromptButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::None: return QMessageBox::NoIcon;
    case PromptIcon::Critical: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer AnswerOf(int button, PromptButtons offered)
{
    switch (button) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Retry: return PromptAnswer::Retry;
    case QMessageBox::Abort: return PromptAnswer::Abort;
    case QMessageBox::Ignore: return PromptAnswer::Ignore;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    default:
        // Closed with the window's close button: the box's escape answer.
        return offered == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

}  // namespace

PromptAnswer QtUserPrompts::Message(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon)
{
    QMessageBox box(IconOf(icon), title, text, StandardButtonsOf(buttons), QApplication::activeWindow());
    if (buttons == PromptButtons::YesNoDefaultNo) box.setDefaultButton(QMessageBox::No);
    // A short message under a long title ("Complete" over "Tavlo programed")
    // must not leave the title cut short: a row as wide as the title needs.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleRoomWidth(box, title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return AnswerOf(box.exec(), buttons);
}

QString QtFileFilter(const QString& pipeSeparatedFilter)
{
    const QStringList parts = pipeSeparatedFilter.split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(';', ' ');
        const QString& description = parts[i];
        entries << (description.contains(patterns) ? description : description + " (" + patterns + ")");
    }
    return entries.join(";;");
}

std::optional<QString> QtUserPrompts::ChooseFileToOpen(const FileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialFolder,
                       QtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.initialFileName.isEmpty()) dialog.selectFile(request.initialFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> QtUserPrompts::ChooseFileToSave(const FileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialFolder,
                       QtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.promptOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Added by the dialog itself, so that it asks about replacing the file
    // that will really be written.
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFileName.isEmpty()) dialog.selectFile(request.initialFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}
