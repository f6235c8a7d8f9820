// The yardstick for start-up: an empty dialog of a given size, run modally, and nothing else.
#include <QApplication>
#include <QDialog>

#include <string>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    if (argc == 3)
        dialog.setFixedSize(std::stoi(argv[1]), std::stoi(argv[2]));
    dialog.exec();
    return 0;
}
