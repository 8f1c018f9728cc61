// Message boxes and the other person-facing services of the core, done with Qt widgets.
#include "qt_ui.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <cstdlib>

#include "app/program.h"
#include "base/vt_error.h"
#include "commands/file_folders.h"
#include "frm_choose_machine.h"
#include "frm_contour.h"
#include "frm_main.h"
#include "frm_print.h"
#include "frm_settings.h"
#include "platform_texts.h"
#include "qt_canvas.h"
#include "qt_util.h"

namespace vt::gui {

MsgAnswer QtUi::MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                           MsgIcon icon) {
    // Over the window the person works in (the NC window too), so that it stays in front.
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    if (!parent) parent = main_;
    QMessageBox box(parent);
    box.setWindowTitle(Q(title));
    box.setText(FromCrLf(text));
    switch (icon) {
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::None:
            break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        QString caption;
        MsgAnswer answer;
    };
    auto label = [&](PlatformText t, const char* fallback) {
        return program_ ? Text(*program_, t) : QString(fallback);
    };
    const Choice kOk{QMessageBox::Ok, label(PlatformText::Ok, "OK"), MsgAnswer::Ok};
    const Choice kCancel{QMessageBox::Cancel, label(PlatformText::Cancel, "Avbryt"),
                         MsgAnswer::Cancel};
    const Choice kYes{QMessageBox::Yes, label(PlatformText::Yes, "Ja"), MsgAnswer::Yes};
    const Choice kNo{QMessageBox::No, label(PlatformText::No, "Nej"), MsgAnswer::No};
    std::vector<Choice> choices;
    switch (buttons) {
        case MsgButtons::Ok:
            choices = {kOk};
            break;
        case MsgButtons::OkCancel:
            choices = {kOk, kCancel};
            break;
        case MsgButtons::YesNoCancel:
            choices = {kYes, kNo, kCancel};
            break;
        case MsgButtons::YesNo:
            choices = {kYes, kNo};
            break;
    }
    for (const auto& c : choices)
        box.addButton(c.button)->setText(c.caption);
    box.setDefaultButton(choices.front().button);
    if (buttons != MsgButtons::YesNo) box.setEscapeButton(choices.back().button);
    int result = box.exec();
    for (const auto& c : choices)
        if (result == c.button) return c.answer;
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : choices.back().answer;
}

void QtUi::SetMainWindow(FrmMain* w) {
    main_ = w;
}

void QtUi::ShowValueInput(ValueDialog& dialog) {
    if (main_) main_->ShowValueInput(dialog);
}

FileDialogResult QtUi::FileDialog(const FileDialogRequest& r) {
    // "description|pattern|..." becomes Qt's filters; patterns also match upper-case extensions.
    QStringList parts = Q(r.filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        int paren = description.indexOf('(');
        if (paren > 0) description = description.left(paren).trimmed();
        QString pattern = parts[i + 1];
        QString patterns = pattern == "*.*" ? "*" : pattern + " " + pattern.toUpper();
        filters << description + " (" + patterns + ")";
    }
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = main_;
    QFileDialog dialog(parent, Q(r.title));
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(Q(r.defaultExtension));
    // A name typed without an extension gets the one of the chosen file type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const int i = static_cast<int>(filters.indexOf(filter));
        const QString pattern = i >= 0 ? parts.value(2 * i + 1) : QString();
        dialog.setDefaultSuffix(
            pattern.startsWith("*.") && pattern != "*.*" ? pattern.mid(2) : Q(r.defaultExtension));
    });
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (program_) {
        dialog.setLabelText(QFileDialog::LookIn, Text(*program_, PlatformText::LookIn));
        dialog.setLabelText(QFileDialog::FileName, Text(*program_, PlatformText::FileName));
        dialog.setLabelText(QFileDialog::FileType, Text(*program_, PlatformText::FileType));
        dialog.setLabelText(QFileDialog::Accept,
                            Text(*program_, r.save ? PlatformText::Save : PlatformText::Open));
        dialog.setLabelText(QFileDialog::Reject, Text(*program_, PlatformText::Cancel));
    }
    if (!r.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QString folder = Q(r.initialFolder);
    if (!QDir(folder).exists()) folder = QDir::homePath();
    dialog.setDirectory(folder);
    if (!r.proposedName.empty()) dialog.selectFile(Q(r.proposedName));
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
    result.chosen = true;
    result.path = S(dialog.selectedFiles().first());
    result.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (result.filterIndex < 1) result.filterIndex = 1;
    return result;
}

void QtUi::EndProgram() {
    std::_Exit(1);
}

void QtUi::StateChanged() {
    if (main_) main_->Mirror();
}

void QtUi::Refresh() {
    if (main_) main_->RefreshSurface();
}

void QtUi::OverlayChanged() {
    if (main_) main_->OverlayChanged();
}

void QtUi::StartPaintTimer() {
    if (main_) main_->StartPaintTimer();
}

void QtUi::MovePointerBy(int dx, int dy) {
    QCursor::setPos(QCursor::pos() + QPoint(dx, dy));
}

bool QtUi::AskContour(ContourQuestion& question) {
    if (!program_) return false;
    QPointer<FrmMain> main = main_;
    const QPointF picked(question.x, question.y);
    return ContourDialog(main_, *program_, question, [main, picked](const QSize& size) {
        return main ? main->PlaceBesidePrompts(size, std::nullopt, picked) : QPoint(0, 0);
    });
}

int QtUi::ChooseMachine(const std::vector<std::string>& names, int current) {
    return ChooseMachineDialog(main_, program_, names, current);
}

void QtUi::OpenExternal(const std::string& target) {
    const QString t = Q(target);
    QDesktopServices::openUrl(t.startsWith('/') ? QUrl::fromLocalFile(t) : QUrl(t));
}

void QtUi::SetClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(FromCrLf(text));
}

bool QtUi::ShowSettings(SettingsDialog& dialog) {
    if (!program_) return false;
    return ShowFrmSettings(*program_, main_, dialog);
}

bool QtUi::ShowPrintDialog(PrintMode mode, PrintOptions& options) {
    if (!program_) return false;
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return ShowFrmPrint(*program_, main_, mode, *printer_, options);
}

namespace {

// A job on a QPrinter: the canvas covers the printable area of the page.
class QtPrintJob : public PrintJob {
  public:
    QtPrintJob(QPrinter& printer, int lineWidth) : printer_(printer), lineWidth_(lineWidth) {}
    // The canvas sets up the painter, so it comes after the painter has begun.
    bool Begin() {
        if (!painter_.begin(&printer_)) return false;
        const QRect page = printer_.pageLayout().paintRectPixels(printer_.resolution());
        canvas_ = std::make_unique<QtCanvas>(painter_, page.width(), page.height(),
                                             printer_.resolution() / 1440.0, lineWidth_);
        return true;
    }
    Canvas& Page() override { return *canvas_; }
    void NewPage() override { printer_.newPage(); }
    bool Finish() override { return painter_.end(); }

  private:
    QPrinter& printer_;
    int lineWidth_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace

std::unique_ptr<PrintJob> QtUi::StartPrint(const PrintOptions& options) {
    if (!printer_) return nullptr;
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        // No printer on this system: the pages go into a PDF file the user names.
        FileDialogRequest r;
        r.save = true;
        r.title = program_ ? program_->language.GetText(1282) : "Skriv ut";
        r.filter = "PDF (*.pdf)|*.pdf";
        r.defaultExtension = "pdf";
        r.initialFolder = program_ ? StartFolder(*program_, FileKind::Drawing) : std::string();
        r.confirmOverwrite = true;
        FileDialogResult f = FileDialog(r);
        if (!f.chosen) return nullptr;
        if (program_) RememberFolder(*program_, FileKind::Drawing, f.path);
        printer_->setOutputFileName(Q(f.path));
    }
    auto job = std::make_unique<QtPrintJob>(*printer_, options.lineWidth);
    if (!job->Begin()) throw VtError(kErrDeviceIO);
    return job;
}

void QtUi::PumpEvents() {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool QtUi::KeepAlive(bool busy, const std::string& text) {
    if (busy && !busy_ && program_) {
        QWidget* over = QApplication::activeWindow();
        busy_ = new QProgressDialog(Q(text), Text(*program_, PlatformText::Cancel), 0, 0,
                                    over ? over : main_.data());
        busy_->setObjectName("frm_busy");
        busy_->setWindowTitle("Veltrum32");
        busy_->setWindowModality(Qt::ApplicationModal);
        busy_->setMinimumDuration(0);
        busy_->show();
    }
    // Until the busy window shows, the person's input waits: nothing may change under the run.
    QApplication::processEvents(busy_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents,
                                10);
    return busy_ && busy_->wasCanceled();
}

void QtUi::EndBusy() {
    if (busy_) busy_->deleteLater();
    busy_ = nullptr;
}

}  // namespace vt::gui
