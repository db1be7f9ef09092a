#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog window;
    window.setWindowTitle(QStringLiteral("Kelvora 1.0"));
    window.resize(800, 500);
    window.show();
    return app.exec();
}
