// The settings dialog in four tabs; everything it changes lives in the copy until OK.
#include "frm_settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/program.h"
#include "base/ini_file.h"
#include "base/language.h"
#include "platform_texts.h"
#include "plugins/plugins.h"
#include "qt_language.h"
#include "qt_util.h"

namespace vt::gui {

namespace {

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(name);
    return w;
}

QIcon Swatch(Colour c) {
    QPixmap pm(28, 14);
    pm.fill(ToQColor(c));
    QPainter g(&pm);
    g.setPen(Qt::black);
    g.drawRect(0, 0, pm.width() - 1, pm.height() - 1);
    return QIcon(pm);
}

QString ChooseFolder(QWidget* parent, const Program& p, const QString& title,
                     const QString& start) {
    QFileDialog d(parent, title);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setLabelText(QFileDialog::LookIn, Text(p, PlatformText::LookIn));
    d.setLabelText(QFileDialog::FileName, Text(p, PlatformText::FileName));
    d.setLabelText(QFileDialog::Accept, Text(p, PlatformText::Ok));
    d.setLabelText(QFileDialog::Reject, Text(p, PlatformText::Cancel));
    d.setDirectory(QDir(start).exists() ? start : QDir::homePath());
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
    return d.selectedFiles().first();
}

// The colour chooser with the program's button texts; the screen picker, which has no Swedish
// text in this Qt, is left out.
QColor ChooseColour(QWidget* parent, const Program& p, const QColor& initial) {
    QColorDialog d(initial, parent);
    d.setOption(QColorDialog::DontUseNativeDialog);
    if (auto* box = d.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
            ok->setText(Text(p, PlatformText::Ok));
        if (QPushButton* cancel = box->button(QDialogButtonBox::Cancel))
            cancel->setText(Text(p, PlatformText::Cancel));
    }
    for (QPushButton* b : d.findChildren<QPushButton*>())
        if (b->text().contains("Pick Screen")) b->hide();
    return d.exec() == QDialog::Accepted ? d.selectedColor() : QColor();
}

// Folders are kept with their closing separator.
std::string Folder(const QString& text) {
    std::string s = S(text.trimmed());
    if (!s.empty() && s.back() != '/') s += '/';
    return s;
}

}  // namespace

bool ShowFrmSettings(Program& p, QWidget* owner, SettingsDialog& dlg) {
    ProgramSettings& s = dlg.copy;
    QDialog d(owner);
    d.setObjectName("frm_Settings");
    d.setProperty(kTagProperty, "1005");
    d.setWindowTitle("Inställningar");
    d.setFont(QFont("Verdana", 9));
    auto* v = new QVBoxLayout(&d);
    auto* tabs = Named(new QTabWidget(&d), "SSTabSettings");
    v->addWidget(tabs);

    // Folders.
    auto* folders = new QWidget(tabs);
    auto* fg = new QGridLayout(folders);
    struct FolderRow {
        const char* labelName;
        const char* label;
        const char* text;
        const char* button;
        const char* title;
        std::string ProgramSettings::*field;
    };
    const FolderRow rows[] = {
        {"lblPost", "Postprocessorer:", "txtPost", "cmdPost", "Ange sökväg för postprocessorer",
         &ProgramSettings::Postpath},
        {"lblGEO", "Ritningsfiler (GEO):", "txtGEO", "cmdGEO",
         "Ange sökväg för ritningsfiler (GEO)", &ProgramSettings::GEOpath},
        {"lblNC", "NC program:", "txtNC", "cmdNC", "Ange sökväg för NC Program",
         &ProgramSettings::NCpath},
    };
    std::vector<std::pair<QLineEdit*, std::string ProgramSettings::*>> folderEdits;
    int r = 0;
    for (const FolderRow& row : rows) {
        auto* edit = Named(new QLineEdit(Q(s.*row.field), folders), row.text);
        edit->setMinimumWidth(300);
        auto* browse = Named(new QPushButton("...", folders), row.button);
        browse->setFixedWidth(32);
        fg->addWidget(Named(new QLabel(row.label, folders), row.labelName), r, 0);
        fg->addWidget(edit, r, 1);
        fg->addWidget(browse, r, 2);
        const QString title = row.title;
        QObject::connect(browse, &QPushButton::clicked, &d, [&p, &d, edit, title] {
            QString chosen = ChooseFolder(&d, p, title, edit->text());
            if (!chosen.isEmpty()) edit->setText(Q(Folder(chosen)));
        });
        folderEdits.emplace_back(edit, row.field);
        ++r;
    }
    // DXF files in inches or metres are read in millimetres unless the person keeps their numbers.
    auto* dxfUnits = Named(new QCheckBox(Q(p.language.GetText(1134)), folders), "chkDxfKeepUnits");
    dxfUnits->setChecked(s.DxfKeepUnits);
    QObject::connect(dxfUnits, &QCheckBox::toggled, &d, [&s](bool on) { s.DxfKeepUnits = on; });
    fg->addWidget(dxfUnits, r++, 0, 1, 3);
    fg->setRowStretch(r, 1);
    tabs->addTab(folders, "Sökvägar");

    // Colours.
    auto* colours = new QWidget(tabs);
    auto* cg = new QGridLayout(colours);
    struct ColourButton {
        const char* name;
        const char* caption;
        Colour ProgramSettings::*field;
    };
    const ColourButton buttons[] = {
        {"cmdDrawcolor", "Element", &ProgramSettings::DrawColor},
        {"cmdSelected", "Markerade element", &ProgramSettings::SelectedColor},
        {"cmdTemp", "Temporära element", &ProgramSettings::TempColor},
        {"cmdHighlight", "Framhävda element", &ProgramSettings::HighLightColor},
        {"cmdEP", "Ändpunkter", &ProgramSettings::EndpointColor},
        {"cmdMP", "Mittpunkter", &ProgramSettings::MidpointColor},
        {"cmdQP", "Kvadrantpunkter", &ProgramSettings::QuadrantColor},
        {"cmdCP", "Centrumpunkter", &ProgramSettings::CenterColor},
        {"cmdIntersec", "Skärningspunkter", &ProgramSettings::IntersecColor},
        {"cmdAxisColor", "Axlar", &ProgramSettings::AxisColor},
        {"cmdOrigoColor", "Origo", &ProgramSettings::OrigoColor},
        {"cmdBackColor", "Bakgrund", &ProgramSettings::BackColor},
        {"cmdVV", "Verktygsväg", &ProgramSettings::NCColor},
        {"cmdVVi", "Verktygsväg, inkrementell", &ProgramSettings::NCIColor},
    };
    int i = 0;
    for (const ColourButton& b : buttons) {
        auto* button = Named(new QPushButton(b.caption, colours), b.name);
        button->setIcon(Swatch(s.*b.field));
        button->setStyleSheet("text-align: left; padding: 3px 6px;");
        cg->addWidget(button, i % 7, i / 7);
        const auto field = b.field;
        QObject::connect(button, &QPushButton::clicked, &d, [&p, &s, &d, button, field] {
            QColor c = ChooseColour(&d, p, ToQColor(s.*field));
            if (!c.isValid()) return;
            s.*field = FromQColor(c);
            button->setIcon(Swatch(s.*field));
        });
        ++i;
    }
    tabs->addTab(colours, "Färger");

    // Start-up and machine choice.
    auto* start = new QWidget(tabs);
    auto* sv = new QVBoxLayout(start);
    auto* auto_ = Named(new QGroupBox("Vid start", start), "frameAutoLoad");
    auto* av = new QVBoxLayout(auto_);
    QRadioButton* load[3] = {
        Named(new QRadioButton("Ingen ritning", auto_), "optAutoNone"),
        Named(new QRadioButton("Senaste ritningen", auto_), "optAutoLast"),
        Named(new QRadioButton("Mallen (autoload.vtm)", auto_), "optAutoMall")};
    for (int k = 0; k < 3; ++k) {
        av->addWidget(load[k]);
        load[k]->setChecked(s.LoadLastDrawing == k);
        QObject::connect(load[k], &QRadioButton::toggled, &d, [&s, k](bool on) {
            if (on) s.LoadLastDrawing = static_cast<int16_t>(k);
        });
    }
    sv->addWidget(auto_);
    auto* machine = Named(new QGroupBox("Maskinval", start), "frameMaskin");
    auto* mg = new QGridLayout(machine);
    auto* ask = Named(new QRadioButton("Fråga vid start", machine), "optMaskinAsk");
    auto* last = Named(new QRadioButton("Senast använda maskin", machine), "optMaskinLast");
    auto* always = Named(new QRadioButton("Alltid:", machine), "optMaskinAlways");
    auto* box = Named(new QComboBox(machine), "comboMaskin");
    for (const std::string& m : dlg.machines)
        box->addItem(Q(m));
    box->setCurrentIndex(std::max(0, static_cast<int>(box->findText(Q(s.MaskinDefined)))));
    ask->setChecked(s.MaskinAsk);
    last->setChecked(!s.MaskinAsk && s.MaskinLast);
    always->setChecked(!s.MaskinAsk && !s.MaskinLast && s.MaskinUseDefined);
    mg->addWidget(ask, 0, 0, 1, 2);
    mg->addWidget(last, 1, 0, 1, 2);
    mg->addWidget(always, 2, 0);
    mg->addWidget(box, 2, 1);
    auto setChoice = [&s, ask, last, always] {
        s.MaskinAsk = ask->isChecked();
        s.MaskinLast = last->isChecked();
        s.MaskinUseDefined = always->isChecked();
    };
    for (QRadioButton* o : {ask, last, always})
        QObject::connect(o, &QRadioButton::toggled, &d, [setChoice](bool on) {
            if (on) setChoice();
        });
    QObject::connect(box, &QComboBox::currentTextChanged, &d,
                     [&s](const QString& t) { s.MaskinDefined = S(t); });
    auto* mult =
        Named(new QCheckBox("Använd maskinens axelmultiplikator", machine), "chkUsePPMult");
    mult->setChecked(s.PPUseMult);
    QObject::connect(mult, &QCheckBox::toggled, &d, [&s](bool on) { s.PPUseMult = on; });
    mg->addWidget(mult, 3, 0, 1, 2);
    sv->addWidget(machine);
    // The language: the built-in Swedish or a file of lang/, from the next start.
    auto* language = Named(new QGroupBox("Språk", start), "frameLanguage");
    auto* lh = new QHBoxLayout(language);
    auto* languages = Named(new QComboBox(language), "cbLanguage");
    languages->addItem("Svenska", QString());
    for (const QString& f :
         QDir(Q(p.paths.File("lang"))).entryList({"*.LNG", "*.lng"}, QDir::Files, QDir::Name)) {
        const std::string name =
            INIReadString(p.paths.File("lang/" + S(f)), "LANGUAGE", "Name", S(f));
        languages->addItem(Q(name), f);
    }
    languages->setCurrentIndex(std::max(0, static_cast<int>(languages->findData(Q(s.Language)))));
    QObject::connect(languages, &QComboBox::currentIndexChanged, &d,
                     [&s, languages](int i) { s.Language = S(languages->itemData(i).toString()); });
    lh->addWidget(languages, 1);
    lh->addWidget(Named(new QLabel("Gäller från nästa start", language), "lblLanguage"));
    sv->addWidget(language);
    sv->addStretch();
    tabs->addTab(start, "Start och maskin");

    // Plug-ins.
    auto* plugins = new QWidget(tabs);
    auto* pv = new QVBoxLayout(plugins);
    auto* list = Named(new QTreeWidget(plugins), "lvPluginList");
    list->setRootIsDecorated(false);
    list->setHeaderLabels({VT_TEXT(p, 1266), VT_TEXT(p, 1267), VT_TEXT(p, 1268)});
    for (const PluginRow& row : PluginRows(p))
        list->addTopLevelItem(
            new QTreeWidgetItem({Q(row.name), Q(row.version), Q(row.description)}));
    pv->addWidget(list);
    auto* ph = new QHBoxLayout;
    auto* setup = Named(new QPushButton("Inställningar...", plugins), "cmdSetupPlugin");
    setup->setEnabled(false);
    auto* reg = Named(new QPushButton("Registrera plugin:er", plugins), "cmdRegPlugins");
    ph->addWidget(setup);
    ph->addStretch();
    ph->addWidget(reg);
    pv->addLayout(ph);
    QObject::connect(list, &QTreeWidget::currentItemChanged, &d, [&p, list, setup] {
        setup->setEnabled(PluginCanSetup(p, list->indexOfTopLevelItem(list->currentItem())));
    });
    QObject::connect(setup, &QPushButton::clicked, &d, [&p, list] {
        PluginSetup(p, list->indexOfTopLevelItem(list->currentItem()));
    });
    QObject::connect(reg, &QPushButton::clicked, &d, [&p] { cmdRegPlugins_Click(p); });
    tabs->addTab(plugins, "Plugin:er");

    auto* bh = new QHBoxLayout;
    bh->addStretch();
    auto* ok = Named(new QPushButton("OK", &d), "OKButton");
    auto* cancel = Named(new QPushButton("Avbryt", &d), "CancelButton");
    ok->setDefault(true);
    bh->addWidget(ok);
    bh->addWidget(cancel);
    v->addLayout(bh);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &d, &QDialog::reject);

    SetTags(&d, {{"SSTabSettings", 1100},  {"lblPost", 1104},         {"lblGEO", 1105},
                 {"lblNC", 1106},          {"cmdDrawcolor", 1107},    {"cmdSelected", 1108},
                 {"cmdTemp", 1109},        {"cmdHighlight", 1110},    {"cmdEP", 1111},
                 {"cmdMP", 1112},          {"cmdQP", 1113},           {"cmdCP", 1114},
                 {"cmdIntersec", 1115},    {"cmdAxisColor", 1116},    {"cmdOrigoColor", 1117},
                 {"cmdBackColor", 1118},   {"cmdVV", 1119},           {"cmdVVi", 1120},
                 {"frameAutoLoad", 1121},  {"optAutoNone", 1122},     {"optAutoLast", 1123},
                 {"optAutoMall", 1124},    {"frameMaskin", 1125},     {"optMaskinAsk", 1126},
                 {"optMaskinLast", 1127},  {"optMaskinAlways", 1128}, {"chkUsePPMult", 1129},
                 {"cmdSetupPlugin", 1130}, {"cmdRegPlugins", 1131},   {"frameLanguage", 1132},
                 {"lblLanguage", 1133},    {"chkDxfKeepUnits", 1134}, {"OKButton", 4006},
                 {"CancelButton", 4005}});
    QtLanguageTarget target(&d);
    SetLanguage(p, target);
    if (d.exec() != QDialog::Accepted) return false;
    for (const auto& [edit, field] : folderEdits)
        s.*field = Folder(edit->text());
    return true;
}

}  // namespace vt::gui
