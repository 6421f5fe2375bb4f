// Another application for the x11 tests of text insertion through accessibility: a window at
// (x, y) of the first two arguments with one line edit per further argument, holding that text;
// "--password" before a text makes its edit a password field. Run with
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 so it joins the accessibility bus.
//
// Once shown it prints "ready", then "field <i> <x> <y> <width> <height>" per edit (global
// rectangles) and "end". Commands on its input, one a line: "caret <i> <n>" puts the cursor of
// edit i at n; "dump" prints "text <i> <percent-encoded UTF-8 text> <cursor>" per edit and "end".
// It quits when its input closes.
#include <QApplication>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: corvane-a11y-client x y [--password] text...\n");
        return 2;
    }
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->setSpacing(20);
    QList<QLineEdit*> edits;
    bool password = false;
    for (int i = 3; i < argc; ++i) {
        const QString argument = QString::fromUtf8(argv[i]);
        if (argument == QLatin1String("--password")) {
            password = true;
            continue;
        }
        auto* edit = new QLineEdit(argument, &window);
        edit->setFixedSize(300, 36);
        if (password)
            edit->setEchoMode(QLineEdit::Password);
        password = false;
        layout->addWidget(edit);
        edits.append(edit);
    }
    window.move(QString::fromLatin1(argv[1]).toInt(), QString::fromLatin1(argv[2]).toInt());
    window.show();

    QTextStream out(stdout);
    QTimer::singleShot(500, &window, [&] {
        out << "ready" << Qt::endl;
        for (int i = 0; i < edits.size(); ++i) {
            const QRect r(edits.at(i)->mapToGlobal(QPoint(0, 0)), edits.at(i)->size());
            out << "field " << i << ' ' << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height() << Qt::endl;
        }
        out << "end" << Qt::endl;
    });
    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, int(n));
        qsizetype newline = 0;
        while ((newline = pending.indexOf('\n')) >= 0) {
            const QList<QByteArray> words = pending.left(newline).split(' ');
            pending.remove(0, newline + 1);
            if (words.value(0) == "caret" && words.size() == 3) {
                QLineEdit* edit = edits.value(words.at(1).toInt());
                if (edit)
                    edit->setCursorPosition(words.at(2).toInt());
            } else if (words.value(0) == "dump") {
                for (int i = 0; i < edits.size(); ++i)
                    out << "text " << i << ' ' << QString::fromLatin1(QUrl::toPercentEncoding(edits.at(i)->text())) << ' '
                        << edits.at(i)->cursorPosition() << Qt::endl;
                out << "end" << Qt::endl;
            }
        }
    });
    return app.exec();
}
