// kasavel: the program, with the working folder as its data folder.
#include "platform/ui/application.h"
#include "shell/main.h"

int main(int argc, char** argv) {
    ui::Application application(argc, argv);
    return shell::MAIN();
}
