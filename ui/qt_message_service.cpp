#include "ui/qt_message_service.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace {
QString qtText(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString filterText(const std::vector<FileFilter>& filters)
{
    QStringList parts;
    for (const FileFilter& f : filters) {
        QString patterns = qtText(f.pattern);
        patterns.replace(';', ' ');
        parts << qtText(f.description) + " (" + patterns + ")";
    }
    return parts.join(";;");
}
} // namespace

MessageAnswer QtMessageService::showMessage(const std::string& text, const std::string& caption,
                                            MessageButtons buttons)
{
    QString body = qtText(text);
    body.replace("\r\n", "\n");
    if (buttons == MessageButtons::YesNo) {
        const auto answer = QMessageBox::question(parent_, qtText(caption), body,
                                                  QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QMessageBox::information(parent_, qtText(caption), body, QMessageBox::Ok);
    return MessageAnswer::Ok;
}

std::string QtMessageService::chooseFile(const FileDialogRequest& request)
{
    QFileDialog dialog(parent_, qtText(request.title), qtText(request.startFolder),
                       filterText(request.filters));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(qtText(request.defaultExtension));
    if (!request.proposedName.empty())
        dialog.selectFile(qtText(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

std::optional<Colour> QtMessageService::chooseColour(Colour initial)
{
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)), parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return rgbColour(chosen.red(), chosen.green(), chosen.blue());
}
