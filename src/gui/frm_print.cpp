// The print dialog: printer, orientation, copies, and for drawings what to print and how wide.
#include "frm_print.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/program.h"
#include "base/language.h"
#include "qt_language.h"
#include "qt_util.h"

namespace vt::gui {

namespace {

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(name);
    return w;
}

}  // namespace

bool ShowFrmPrint(Program& p, QWidget* owner, PrintMode mode, QPrinter& printer, PrintOptions& o) {
    QDialog d(owner);
    d.setObjectName("frm_print");
    d.setProperty(kTagProperty, "1003");
    d.setWindowTitle("Skriv ut");
    d.setFont(QFont("Verdana", 9));
    auto* v = new QVBoxLayout(&d);

    auto* printerFrame = Named(new QGroupBox("Skrivare", &d), "framePrinter");
    auto* ph = new QHBoxLayout(printerFrame);
    auto* cbPrinter = Named(new QComboBox(printerFrame), "cbPrinter");
    cbPrinter->setMinimumWidth(240);
    const QStringList names = QPrinterInfo::availablePrinterNames();
    cbPrinter->addItems(names.isEmpty() ? QStringList{kPdfPrinter} : names);
    const QString current = printer.printerName().isEmpty() ? QPrinterInfo::defaultPrinterName()
                                                            : printer.printerName();
    cbPrinter->setCurrentIndex(std::max(0, static_cast<int>(cbPrinter->findText(current))));
    auto* setup = Named(new QPushButton("Inställningar...", printerFrame), "btnPrinterSetup");
    ph->addWidget(cbPrinter, 1);
    ph->addWidget(setup);
    v->addWidget(printerFrame);

    auto* row = new QHBoxLayout;
    auto* orientFrame = Named(new QGroupBox("Orientering", &d), "frameOrientation");
    auto* ov = new QVBoxLayout(orientFrame);
    auto* portrait = Named(new QRadioButton("Stående", orientFrame), "obPortrait");
    auto* landscape = Named(new QRadioButton("Liggande", orientFrame), "obLandscape");
    ov->addWidget(portrait);
    ov->addWidget(landscape);
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? landscape : portrait)
        ->setChecked(true);
    row->addWidget(orientFrame);
    auto* copiesFrame = Named(new QGroupBox("Kopior", &d), "frameCopies");
    auto* ch = new QHBoxLayout(copiesFrame);
    ch->addWidget(Named(new QLabel("Antal kopior:", copiesFrame), "lblCopies"));
    auto* copies = Named(new QSpinBox(copiesFrame), "txtCopies");
    copies->setRange(1, 999);
    copies->setValue(1);
    ch->addWidget(copies);
    row->addWidget(copiesFrame);
    v->addLayout(row);

    // What to print: the drawing's options, or nothing more for NC code.
    auto* drawing = Named(new QGroupBox("Inställningar", &d), "frame_Ritning");
    auto* g = new QGridLayout(drawing);
    g->addWidget(Named(new QLabel("Skriv ut:", drawing), "lblPrint"), 0, 0);
    struct Box {
        const char* name;
        const char* caption;
        bool PrintOptions::*flag;
    };
    const Box boxes[] = {
        {"cbPoints", "Punkter", &PrintOptions::points},
        {"cbLines", "Linjer", &PrintOptions::lines},
        {"cbCircles", "Cirklar", &PrintOptions::circles},
        {"cbEndpoints", "Ändpunkter", &PrintOptions::endpoints},
        {"cbIntersecPoints", "Skärningspunkter", &PrintOptions::intersections},
        {"cbNC", "Verktygsvägar", &PrintOptions::toolPath},
        {"cbColor", "Skriv ut i färg", &PrintOptions::colour},
    };
    std::vector<std::pair<QCheckBox*, bool PrintOptions::*>> checks;
    int r = 1;
    for (const Box& b : boxes) {
        auto* c = Named(new QCheckBox(b.caption, drawing), b.name);
        c->setChecked(o.*b.flag);
        g->addWidget(c, r++, 0, 1, 2);
        checks.emplace_back(c, b.flag);
    }
    g->addWidget(Named(new QLabel("Linjebredd:", drawing), "lblLineWidth"), r, 0);
    auto* width = Named(new QComboBox(drawing), "cbLinjeBredd");
    for (int i = 1; i <= 15; ++i)
        width->addItem(QString::number(i));
    for (int i : {20, 25, 30})
        width->addItem(QString::number(i));
    width->setCurrentIndex(0);
    g->addWidget(width, r, 1);
    v->addWidget(drawing);
    auto* nc = Named(new QGroupBox("Inställningar", &d), "frame_NC");
    v->addWidget(nc);
    drawing->setVisible(mode == PrintMode::Drawing);
    nc->setVisible(mode == PrintMode::NcCode);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = Named(new QPushButton("Skriv ut", &d), "OKButton");
    auto* cancel = Named(new QPushButton("Avbryt", &d), "CancelButton");
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    v->addLayout(buttons);

    auto choosePrinter = [&] {
        const QString name = cbPrinter->currentText();
        if (name == kPdfPrinter && names.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPrinterName(QString());
        } else {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(name);
        }
    };
    choosePrinter();
    QObject::connect(cbPrinter, &QComboBox::currentIndexChanged, &d, [&](int) { choosePrinter(); });
    QObject::connect(setup, &QPushButton::clicked, &d, [&] {
        QPageSetupDialog dialog(&printer, &d);
        dialog.exec();
        (printer.pageLayout().orientation() == QPageLayout::Landscape ? landscape : portrait)
            ->setChecked(true);
    });
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &d, &QDialog::reject);

    SetTags(&d, {{"framePrinter", 1020}, {"btnPrinterSetup", 1021}, {"frameOrientation", 1022},
                 {"obPortrait", 1023},   {"obLandscape", 1024},     {"frameCopies", 1025},
                 {"lblCopies", 1026},    {"frame_Ritning", 1027},   {"frame_NC", 1027},
                 {"lblPrint", 1028},     {"cbPoints", 1029},        {"cbLines", 1030},
                 {"cbCircles", 1031},    {"cbEndpoints", 1032},     {"cbIntersecPoints", 1033},
                 {"cbNC", 1034},         {"cbColor", 1035},         {"lblLineWidth", 1036},
                 {"OKButton", 1037},     {"CancelButton", 4005}});
    QtLanguageTarget target(&d);
    SetLanguage(p, target);
    if (d.exec() != QDialog::Accepted) return false;
    printer.setPageOrientation(landscape->isChecked() ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait);
    printer.setCopyCount(copies->value());
    for (const auto& [box, flag] : checks)
        o.*flag = box->isChecked();
    o.lineWidth = width->currentText().toInt();
    return true;
}

}  // namespace vt::gui
