// The contour question: the side the tool runs on (left, right or on the line; outside or inside
// for a closed chain) and climb or conventional milling, OK and Avbryt.
#include "frm_contour.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/program.h"
#include "qt_util.h"

namespace vt::gui {

namespace {

// A framed group of choices; the button of `checked` is on.
QButtonGroup* Choices(QDialog& d, QVBoxLayout* into, const char* name, const QString& title,
                      const std::vector<QString>& labels, int checked) {
    auto* box = new QGroupBox(title, &d);
    box->setObjectName(name);
    auto* v = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto* b = new QRadioButton(labels[i], box);
        b->setObjectName(QString(name) + QString::number(i));
        group->addButton(b, static_cast<int>(i));
        v->addWidget(b);
        b->setChecked(static_cast<int>(i) == checked);
    }
    into->addWidget(box);
    return group;
}

}  // namespace

bool ContourDialog(QWidget* owner, Program& p, ContourQuestion& q,
                   const std::function<QPoint(const QSize&)>& place) {
    auto text = [&](int id) { return Q(p.language.GetText(id)); };
    QDialog d(owner);
    d.setObjectName("frm_Contour");
    d.setWindowTitle(text(1307));
    auto* v = new QVBoxLayout(&d);
    const std::vector<QString> sides =
        q.closed ? std::vector<QString>{text(1312), text(1313), text(1311)}
                 : std::vector<QString>{text(1309), text(1310), text(1311)};
    QButtonGroup* side = Choices(d, v, "optSide", text(1308), sides, q.side);
    QButtonGroup* way =
        Choices(d, v, "optDirection", text(1314), {text(1315), text(1316)}, q.climb ? 0 : 1);
    // The buttons' words come from a language file; the built-in ones are the chooser's.
    auto* ok = new QPushButton(text(4006).isEmpty() ? "OK" : text(4006), &d);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(text(4005).isEmpty() ? "Avbryt" : text(4005), &d);
    cancel->setObjectName("cmdCancel");
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(ok);
    h->addWidget(cancel);
    v->addLayout(h);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &d, &QDialog::reject);
    d.adjustSize();
    if (place) d.move(place(d.size()));
    if (d.exec() != QDialog::Accepted) return false;
    q.side = side->checkedId();
    q.climb = way->checkedId() == 0;
    return true;
}

}  // namespace vt::gui
