// The yardstick for start-up: an empty dialog of a given size, run modally; given a third argument,
// it also shows that text, so that the cost of starting the font machinery is counted too.
#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <string>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    if (argc >= 3)
        dialog.setFixedSize(std::stoi(argv[1]), std::stoi(argv[2]));
    if (argc >= 4)
        new QLabel(QString::fromLocal8Bit(argv[3]), &dialog);
    dialog.exec();
    return 0;
}
