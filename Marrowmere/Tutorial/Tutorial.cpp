#include "Marrowmere/Tutorial/Tutorial.h"

bool Tutorial::isActive = false;

void Tutorial::Activate()
{
    isActive = true;
}

void Tutorial::Deactivate()
{
    isActive = false;
}

bool Tutorial::IsActive()
{
    return isActive;
}
