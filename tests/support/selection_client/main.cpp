// Another application on the desktop for the x11 tests of select-to-translate: a window with one
// line edit holding the text of the first argument, placed at the point of the next two (x y).
// Once the line edit is on the screen it prints "ready x y width height" (its global rectangle),
// a line per change of its selection ("selected <text>") and of its text ("text <text>"). It
// runs until its input closes.
#include <QApplication>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: corvane-selection-client text x y\n");
        return 2;
    }
    QLineEdit edit;
    edit.setText(QString::fromUtf8(argv[1]));
    edit.setFont(QFont(edit.font().family(), 16));
    edit.setFixedSize(420, 40);
    edit.move(QString::fromLatin1(argv[2]).toInt(), QString::fromLatin1(argv[3]).toInt());
    edit.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    edit.show();
    edit.activateWindow();

    QTextStream out(stdout);
    QObject::connect(&edit, &QLineEdit::selectionChanged, &edit, [&] {
        out << "selected " << edit.selectedText() << Qt::endl;
    });
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&](const QString& text) { out << "text " << text << Qt::endl; });
    QTimer::singleShot(300, &edit, [&] {
        const QRect r(edit.mapToGlobal(QPoint(0, 0)), edit.size());
        out << "ready " << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height() << Qt::endl;
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    return app.exec();
}
