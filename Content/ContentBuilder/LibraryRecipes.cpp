#include "Content/ContentBuilder/LibraryRecipes.h"

#include "Content/AnimationLibrary/AnimationLibrary.h"
#include "Content/GraphicLibrary/GraphicLibrary.h"
#include "Content/ScreenLibrary/ScreenLibrary.h"
#include "Content/SoundLibrary/SoundLibrary.h"
#include "Content/ShellPictures/ShellPictureLibrary.h"

// One line per library: its name on the command line and the function that builds it.
const std::vector<LibraryRecipe>& LibraryRecipes()
{
    static const std::vector<LibraryRecipe> recipes = {
        {"grf1", BuildGrf1Library},
        {"spqa", BuildSpqaLibrary},
        {"snd", BuildSndLibrary},
        {"vid", BuildVidLibrary},
        {"res", BuildShellPictureLibrary},
    };
    return recipes;
}
