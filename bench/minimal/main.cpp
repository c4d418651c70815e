// The yardstick for the start-up benchmark: the least a Qt Widgets program
// of the main menu's shape does, one window with a client area of 479 x 424
// pixels, a menu bar and four buttons, and nothing else.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Banc minimal"));
    auto *client = new QWidget(&window);
    client->setFixedSize(479, 424);
    window.setCentralWidget(client);
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("Fichier"));
    file->addAction(QStringLiteral("Quitter"), &application, &QApplication::quit);
    window.menuBar()->addAction(QStringLiteral("à propos"));

    const char *captions[] = { "Un", "Deux", "Trois", "Quitter" };
    QPushButton *quit = nullptr;
    int top = 30;
    for (const char *caption : captions) {
        quit = new QPushButton(QString::fromUtf8(caption), client);
        quit->setGeometry(50, top, 377, 33);
        top += 84;
    }
    QObject::connect(quit, &QPushButton::clicked, &application, &QApplication::quit);

    window.show();
    return QApplication::exec();
}
