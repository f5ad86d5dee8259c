// program_pictures_builder <folder>
// Paints the program's own pictures (the caution sign and the icon) into the folder, where
// the build compiles them into the program as Qt resources.

#include "Content/ProgramPictures/ProgramPictures.h"

#include <QGuiApplication>

#include <cstdlib>
#include <exception>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: program_pictures_builder <folder>\n";
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    try {
        ProgramPictures::WriteProgramPictures(argv[1]);
    } catch (const std::exception& failure) {
        std::cerr << "program_pictures_builder: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
