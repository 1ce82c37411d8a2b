// kasavel: the program, with the working folder as its data folder.
#include <QApplication>

#include "shell/main.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return shell::MAIN();
}
