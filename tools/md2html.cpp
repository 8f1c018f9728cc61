// Turns the README into the HTML user guide shipped with the program (Help > Contents).
#include <QFile>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: md2html README.md guide.html\n");
        return 2;
    }
    QFile in(argv[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "md2html: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument doc;
    doc.setMarkdown(QString::fromUtf8(in.readAll()));
    QString html = doc.toHtml();
    html.replace("<head>", "<head><title>Veltrum32</title>");
    QFile out(argv[2]);
    if (!out.open(QIODevice::WriteOnly) || out.write(html.toUtf8()) < 0) {
        std::fprintf(stderr, "md2html: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
