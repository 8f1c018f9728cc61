// The machine chooser: a box of machine names, OK and Avbryt. OK takes the machine shown; Avbryt
// keeps what was chosen in the box before.
#include "frm_choose_machine.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/program.h"
#include "base/language.h"
#include "qt_language.h"
#include "qt_util.h"

namespace vt::gui {

int ChooseMachineDialog(QWidget* owner, Program* program, const std::vector<std::string>& names,
                        int current) {
    QDialog d(owner);
    d.setObjectName("frm_ChooseMachine");
    d.setProperty(kTagProperty, "1006");
    d.setWindowTitle("Välj maskin");
    d.setFont(QFont("Verdana", 9));
    auto* v = new QVBoxLayout(&d);
    auto* label = new QLabel("Välj maskin:", &d);
    label->setObjectName("lblChooseMachine");
    auto* box = new QComboBox(&d);
    box->setObjectName("comboMaskin");
    box->setMinimumWidth(260);
    for (const std::string& n : names)
        box->addItem(Q(n));
    box->setCurrentIndex(current);
    auto* ok = new QPushButton("OK", &d);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Avbryt", &d);
    cancel->setObjectName("cmdCancel");
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(ok);
    h->addWidget(cancel);
    v->addWidget(label);
    v->addWidget(box);
    v->addLayout(h);
    int chosen = -1;
    QObject::connect(box, &QComboBox::activated, &d, [&](int index) { chosen = index; });
    QObject::connect(ok, &QPushButton::clicked, &d, [&] {
        chosen = box->currentIndex();
        d.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &d, &QDialog::reject);
    SetTags(&d, {{"lblChooseMachine", 1017}, {"cmdOk", 4006}, {"cmdCancel", 4005}});
    if (program) {
        QtLanguageTarget target(&d);
        SetLanguage(*program, target);
    }
    d.exec();
    return chosen;
}

}  // namespace vt::gui
